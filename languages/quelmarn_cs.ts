<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ">
<context>
    <name>frm_load</name>
    <message>
        <source>The language file &quot;%1&quot; is in none of the folders searched:</source>
        <translation>Jazykový soubor &quot;%1&quot; není v žádné z prohledaných složek:</translation>
    </message>
    <message>
        <source>Quelmarn Manager cannot start. %1</source>
        <translation>Quelmarn Manager nelze spustit. %1</translation>
    </message>
</context>
<context>
    <name>frm_poznamky</name>
    <message>
        <source>The note was not saved to &quot;%1&quot;: code page %2 of this system cannot store these characters: %3</source>
        <translation>Poznámka nebyla uložena do &quot;%1&quot;: kódová stránka %2 tohoto systému neumí uložit tyto znaky: %3</translation>
    </message>
</context>
<context>
    <name>frm_programy</name>
    <message>
        <source>The command line in box %1 is %2 characters long; a program can be started with at most %3. Nothing was started.</source>
        <translation>Příkazový řádek v poli %1 má %2 znaků; program lze spustit nejvýše s %3 znaky. Nic nebylo spuštěno.</translation>
    </message>
</context>
<context>
    <name>frm_system</name>
    <message>
        <source>Pointer position: unknown</source>
        <translation>Souřadnice myši: neznámé</translation>
    </message>
</context>
<context>
    <name>main_menu</name>
    <message>
        <source>The program&apos;s page is not available right now.</source>
        <translation>Stránka programu teď není dostupná.</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>The network share &quot;%1&quot; cannot be connected: %2</source>
        <translation>Sdílenou složku &quot;%1&quot; nelze připojit: %2</translation>
    </message>
    <message>
        <source>The web browser module</source>
        <translation>Modul webového prohlížeče</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; cannot be loaded: %3</source>
        <translation>%1 &quot;%2&quot; nelze načíst: %3</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; was not found. Looked in: %3</source>
        <translation>%1 &quot;%2&quot; nebyl nalezen. Hledáno v: %3</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is some other module.</source>
        <translation>%1 &quot;%2&quot; je jiný modul.</translation>
    </message>
    <message>
        <source>The network module</source>
        <translation>Síťový modul</translation>
    </message>
    <message>
        <source>The program &quot;%1&quot; cannot be started: the command line names no program.</source>
        <translation>Program &quot;%1&quot; nelze spustit: příkazový řádek neuvádí žádný program.</translation>
    </message>
    <message>
        <source>The program &quot;%1&quot; cannot be started: it does not exist or is not an executable program.</source>
        <translation>Program &quot;%1&quot; nelze spustit: neexistuje nebo není spustitelný program.</translation>
    </message>
    <message>
        <source>The command &quot;%1&quot; cannot be started: &quot;%2&quot; is not a program or command on this system.</source>
        <translation>Příkaz &quot;%1&quot; nelze spustit: &quot;%2&quot; není na tomto systému program ani příkaz.</translation>
    </message>
    <message>
        <source>The command &quot;%1&quot; cannot be started: the shell &quot;%2&quot; cannot be run.</source>
        <translation>Příkaz &quot;%1&quot; nelze spustit: shell &quot;%2&quot; nelze spustit.</translation>
    </message>
    <message>
        <source>Modems</source>
        <translation>Modemy</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimédia</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Datum a čas</translation>
    </message>
    <message>
        <source>Game controllers</source>
        <translation>Herní zařízení</translation>
    </message>
    <message>
        <source>Passwords</source>
        <translation>Hesla</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Myš</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Klávesnice</translation>
    </message>
    <message>
        <source>Printers</source>
        <translation>Tiskárny</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Fonty</translation>
    </message>
    <message>
        <source>Regional settings</source>
        <translation>Místní nastavení</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Obrazovka</translation>
    </message>
    <message>
        <source>Add or remove programs</source>
        <translation>Přidat/odebrat programy</translation>
    </message>
    <message>
        <source>Add hardware</source>
        <translation>Přidat hardware</translation>
    </message>
    <message>
        <source>Power management</source>
        <translation>Řízení spotřeby</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Síť</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Systém</translation>
    </message>
    <message>
        <source>Themes</source>
        <translation>Motivy</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Zvuky</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Časové pásmo</translation>
    </message>
    <message>
        <source>No program on this computer opens the &quot;%1&quot; settings. No desktop known to this program has such a page.</source>
        <translation>Na tomto počítači žádný program neotevře nastavení &quot;%1&quot;. Žádné pracovní prostředí, které tento program zná, takovou stránku nemá.</translation>
    </message>
    <message>
        <source>No program on this computer opens the &quot;%1&quot; settings. Any of these would: %2.</source>
        <translation>Na tomto počítači žádný program neotevře nastavení &quot;%1&quot;. Poslouží kterýkoli z těchto: %2.</translation>
    </message>
    <message>
        <source>QUELMARN_CODEPAGE must be a code page number such as 1250, not %1.</source>
        <translation>QUELMARN_CODEPAGE musí být číslo kódové stránky, například 1250, ne %1.</translation>
    </message>
    <message>
        <source>The code page conversion %1 -&gt; %2 is not available on this system.</source>
        <translation>Převod kódové stránky %1 -&gt; %2 není na tomto systému k dispozici.</translation>
    </message>
    <message>
        <source>Text could not be converted from code page %1.</source>
        <translation>Text nelze převést z kódové stránky %1.</translation>
    </message>
    <message>
        <source>Text could not be converted to code page %1.</source>
        <translation>Text nelze převést do kódové stránky %1.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>%1: %2 is a folder, not a file.</source>
        <translation>%1: %2 je složka, ne soubor.</translation>
    </message>
    <message>
        <source>%1: %2 is read-only.</source>
        <translation>%1: %2 je jen pro čtení.</translation>
    </message>
    <message>
        <source>%1: %2 is a symbolic link to %3, which does not exist.</source>
        <translation>%1: %2 je symbolický odkaz na %3, který neexistuje.</translation>
    </message>
    <message>
        <source>%1: %2 cannot be opened</source>
        <translation>%1: %2 nelze otevřít</translation>
    </message>
    <message>
        <source>%1: %2 is not a regular file.</source>
        <translation>%1: %2 není obyčejný soubor.</translation>
    </message>
    <message>
        <source>The file %1 cannot be copied to %2</source>
        <translation>Soubor %1 nelze zkopírovat do %2</translation>
    </message>
    <message>
        <source>%1: a file cannot be copied onto itself.</source>
        <translation>%1: soubor nelze zkopírovat sám na sebe.</translation>
    </message>
    <message>
        <source>%1: %2 already exists.</source>
        <translation>%1: %2 už existuje.</translation>
    </message>
    <message>
        <source>The file %1 was copied to %2, but the original cannot be removed</source>
        <translation>Soubor %1 byl zkopírován do %2, ale původní soubor nelze odstranit</translation>
    </message>
    <message>
        <source>The file %1 cannot be moved to %2</source>
        <translation>Soubor %1 nelze přesunout do %2</translation>
    </message>
    <message>
        <source>The file %1 cannot be deleted</source>
        <translation>Soubor %1 nelze smazat</translation>
    </message>
    <message>
        <source>%1: it is a folder, not a file.</source>
        <translation>%1: je to složka, ne soubor.</translation>
    </message>
    <message>
        <source>%1: it is read-only.</source>
        <translation>%1: je jen pro čtení.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be read</source>
        <translation>Složku %1 nelze přečíst</translation>
    </message>
    <message>
        <source>No file matches %1.</source>
        <translation>Vzoru %1 neodpovídá žádný soubor.</translation>
    </message>
    <message>
        <source>The destination %1 is not an existing folder.</source>
        <translation>Cíl %1 není existující složka.</translation>
    </message>
    <message>
        <source>No file to copy was given: the path is empty.</source>
        <translation>Nebyl zadán soubor ke zkopírování: cesta je prázdná.</translation>
    </message>
    <message>
        <source>No destination was given: the path is empty.</source>
        <translation>Nebyl zadán cíl: cesta je prázdná.</translation>
    </message>
    <message>
        <source>No file to move was given: the path is empty.</source>
        <translation>Nebyl zadán soubor k přesunutí: cesta je prázdná.</translation>
    </message>
    <message>
        <source>No file to delete was given: the path is empty.</source>
        <translation>Nebyl zadán soubor ke smazání: cesta je prázdná.</translation>
    </message>
    <message>
        <source>No folder to create was given: the path is empty.</source>
        <translation>Nebyla zadána složka k vytvoření: cesta je prázdná.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created</source>
        <translation>Složku %1 nelze vytvořit</translation>
    </message>
    <message>
        <source>No file to open was given: the path is empty.</source>
        <translation>Nebyl zadán soubor k otevření: cesta je prázdná.</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened: it is larger than %2 MiB.</source>
        <translation>Soubor %1 nelze otevřít: je větší než %2 MiB.</translation>
    </message>
    <message>
        <source>No file to write was given: the path is empty.</source>
        <translation>Nebyl zadán soubor k zápisu: cesta je prázdná.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written</source>
        <translation>Do souboru %1 nelze zapisovat</translation>
    </message>
    <message>
        <source>The user cannot be logged off: neither the desktop&apos;s session manager nor logind ended the session (%1).</source>
        <translation>Uživatele nelze odhlásit: relaci neukončil ani správce relací pracovního prostředí, ani logind (%1).</translation>
    </message>
    <message>
        <source>The computer cannot be shut down: logind answered %1.</source>
        <translation>Počítač nelze vypnout: logind odpověděl %1.</translation>
    </message>
    <message>
        <source>The computer cannot be restarted: logind answered %1.</source>
        <translation>Počítač nelze restartovat: logind odpověděl %1.</translation>
    </message>
    <message>
        <source>The system version cannot be read from the kernel release %1.</source>
        <translation>Verzi systému nelze přečíst z vydání jádra %1.</translation>
    </message>
    <message>
        <source>The system version cannot be read (uname: %1).</source>
        <translation>Verzi systému nelze přečíst (uname: %1).</translation>
    </message>
    <message>
        <source>The time since the system started cannot be read: %1.</source>
        <translation>Dobu od startu systému nelze přečíst: %1.</translation>
    </message>
    <message>
        <source>The program&apos;s own folder cannot be found (/proc/self/exe is not readable).</source>
        <translation>Vlastní složku programu nelze najít (/proc/self/exe nelze přečíst).</translation>
    </message>
    <message>
        <source>The field %1 of %2 cannot be read (%3).</source>
        <translation>Položku %1 v %2 nelze přečíst (%3).</translation>
    </message>
    <message>
        <source>The field %1 of %2 is too large (%3).</source>
        <translation>Položka %1 v %2 je příliš velká (%3).</translation>
    </message>
    <message>
        <source>The memory figures cannot be read: %1 has no field %2.</source>
        <translation>Údaje o paměti nelze přečíst: %1 nemá položku %2.</translation>
    </message>
    <message>
        <source>The settings file %1 is larger than %2 MiB and is left as it is.</source>
        <translation>Soubor nastavení %1 je větší než %2 MiB a zůstává beze změny.</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened: it is a folder, not a regular file.</source>
        <translation>Soubor %1 nelze otevřít: je to složka, ne obyčejný soubor.</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened: it is a FIFO (named pipe), not a regular file.</source>
        <translation>Soubor %1 nelze otevřít: je to FIFO (pojmenovaná roura), ne obyčejný soubor.</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened: it is a socket, not a regular file.</source>
        <translation>Soubor %1 nelze otevřít: je to soket, ne obyčejný soubor.</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened: it is a device, not a regular file.</source>
        <translation>Soubor %1 nelze otevřít: je to zařízení, ne obyčejný soubor.</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened: it is not a regular file.</source>
        <translation>Soubor %1 nelze otevřít: není to obyčejný soubor.</translation>
    </message>
    <message>
        <source>No file to read was given: the path is empty.</source>
        <translation>Nebyl zadán soubor ke čtení: cesta je prázdná.</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened: %2.</source>
        <translation>Soubor %1 nelze otevřít: %2.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2.</source>
        <translation>Soubor %1 nelze přečíst: %2.</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>soubor nebo složka neexistuje</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>přístup odepřen</translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation>operace není povolena</translation>
    </message>
    <message>
        <source>File exists</source>
        <translation>soubor již existuje</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>je to složka</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>není to složka</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>na zařízení nezbývá místo</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>diskový limit je vyčerpán</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>systém souborů je jen pro čtení</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>název souboru je příliš dlouhý</translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>příliš mnoho úrovní symbolických odkazů</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>chyba vstupu/výstupu</translation>
    </message>
    <message>
        <source>Device or resource busy</source>
        <translation>zařízení nebo prostředek je zaneprázdněn</translation>
    </message>
    <message>
        <source>Invalid cross-device link</source>
        <translation>neplatný odkaz mezi zařízeními</translation>
    </message>
    <message>
        <source>The language file %1 is damaged: record %2 has the invalid length %3.</source>
        <translation>Jazykový soubor %1 je poškozený: záznam %2 má neplatnou délku %3.</translation>
    </message>
    <message>
        <source>This desktop&apos;s program %1 was not found, so the panels cannot be controlled with it.</source>
        <translation>Program %1 této plochy nebyl nalezen, proto jím nelze panely ovládat.</translation>
    </message>
    <message>
        <source>The program %1 did not answer within ten seconds.</source>
        <translation>Program %1 neodpověděl do deseti sekund.</translation>
    </message>
    <message>
        <source>%1 refused the request: %2</source>
        <translation>%1 odmítl požadavek: %2</translation>
    </message>
    <message>
        <source>GNOME Shell does not answer on the session bus (%1).</source>
        <translation>GNOME Shell neodpovídá na sběrnici sezení (%1).</translation>
    </message>
    <message>
        <source>GNOME Shell does not know the extension %1 that this program installs yet: it loads extensions only at log-in. After logging off and on again once, this button will work.</source>
        <translation>GNOME Shell zatím nezná rozšíření %1, které tento program instaluje: rozšíření načítá jen při přihlášení. Po jednom odhlášení a novém přihlášení bude toto tlačítko fungovat.</translation>
    </message>
    <message>
        <source>GNOME Shell cannot start the extension %1: %2</source>
        <translation>GNOME Shell nemůže spustit rozšíření %1: %2</translation>
    </message>
    <message>
        <source>GNOME Shell refused to enable the extension %1 (%2). Extensions may be turned off in the settings.</source>
        <translation>GNOME Shell odmítl zapnout rozšíření %1 (%2). Rozšíření mohou být v nastavení vypnuta.</translation>
    </message>
    <message>
        <source>The extension %1 in GNOME Shell does not answer (%2).</source>
        <translation>Rozšíření %1 v GNOME Shell neodpovídá (%2).</translation>
    </message>
    <message>
        <source>Sway has no panel (bar) that could be hidden.</source>
        <translation>Sway nemá žádný panel (bar), který by šlo skrýt.</translation>
    </message>
    <message>
        <source>Xfce has no panel.</source>
        <translation>Xfce nemá žádný panel.</translation>
    </message>
    <message>
        <source>The Xfce panels have no Applications menu (nor a Whisker menu) that could be hidden.</source>
        <translation>Panely Xfce nemají nabídku Aplikace (ani nabídku Whisker), kterou by šlo skrýt.</translation>
    </message>
    <message>
        <source>KDE Plasma has no panel.</source>
        <translation>KDE Plasma nemá žádný panel.</translation>
    </message>
    <message>
        <source>In KDE Plasma the Start button is the application launcher widget. It can be hidden only by removing it from the panel, which deletes its settings and favourites; so the program leaves it alone.</source>
        <translation>V KDE Plasma je tlačítko Start widget spouštěče aplikací. Skrýt ho lze jen jeho odstraněním z panelu, což smaže jeho nastavení i oblíbené položky; program ho proto nechává být.</translation>
    </message>
    <message>
        <source>The KDE Plasma desktop did not answer (%1).</source>
        <translation>Plocha KDE Plasma neodpověděla (%1).</translation>
    </message>
    <message>
        <source>No panel (a window of type DOCK) that could be hidden was found on this desktop.</source>
        <translation>Na této ploše nebyl nalezen žádný panel (okno typu DOCK), který by šlo skrýt.</translation>
    </message>
    <message>
        <source>The desktop %1 does not let programs hide the panel or the Start button.</source>
        <translation>Plocha %1 nedovoluje programům skrýt panel ani tlačítko Start.</translation>
    </message>
    <message>
        <source>This desktop&apos;s panel draws the Start button inside its own window, so it cannot be hidden on its own.</source>
        <translation>Panel této plochy kreslí tlačítko Start uvnitř svého okna, takže ho nelze skrýt samostatně.</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>složka</translation>
    </message>
    <message>
        <source>a FIFO (named pipe)</source>
        <translation>FIFO (pojmenovaná roura)</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>soket</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>zařízení</translation>
    </message>
    <message>
        <source>a special file</source>
        <translation>zvláštní soubor</translation>
    </message>
    <message>
        <source>%1: no file can be created in the folder %2</source>
        <translation>%1: ve složce %2 nelze vytvořit žádný soubor</translation>
    </message>
    <message>
        <source>%1: %2 is %3, not a regular file.</source>
        <translation>%1: %2 je %3, ne obyčejný soubor.</translation>
    </message>
    <message>
        <source>%1: the file changed while it was being copied.</source>
        <translation>%1: soubor se během kopírování změnil.</translation>
    </message>
    <message>
        <source>the destination</source>
        <translation>cíl</translation>
    </message>
    <message>
        <source>The link %1 was copied to %2, but the original cannot be removed</source>
        <translation>Odkaz %1 byl zkopírován do %2, ale původní odkaz nelze odstranit</translation>
    </message>
    <message>
        <source>Already copied:</source>
        <translation>Už zkopírováno:</translation>
    </message>
    <message>
        <source>Already moved:</source>
        <translation>Už přesunuto:</translation>
    </message>
    <message>
        <source>Already deleted:</source>
        <translation>Už smazáno:</translation>
    </message>
    <message>
        <source>it</source>
        <translation>to</translation>
    </message>
    <message>
        <source>The browser cannot be started as root: its sandbox does not allow it.</source>
        <translation>Prohlížeč nelze spustit pod uživatelem root: jeho sandbox to nedovolí.</translation>
    </message>
</context>
</TS>
