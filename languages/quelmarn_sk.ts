<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk_SK">
<context>
    <name>frm_load</name>
    <message>
        <source>The language file &quot;%1&quot; is in none of the folders searched:</source>
        <translation>Jazykový súbor &quot;%1&quot; nie je v žiadnom z prehľadaných priečinkov:</translation>
    </message>
    <message>
        <source>Quelmarn Manager cannot start. %1</source>
        <translation>Quelmarn Manager sa nemôže spustiť. %1</translation>
    </message>
</context>
<context>
    <name>frm_poznamky</name>
    <message>
        <source>The note was not saved to &quot;%1&quot;: code page %2 of this system cannot store these characters: %3</source>
        <translation>Poznámka nebola uložená do &quot;%1&quot;: kódová stránka %2 tohto systému nevie uložiť tieto znaky: %3</translation>
    </message>
</context>
<context>
    <name>frm_programy</name>
    <message>
        <source>The command line in box %1 is %2 characters long; a program can be started with at most %3. Nothing was started.</source>
        <translation>Príkazový riadok v poli %1 má %2 znakov; program možno spustiť najviac s %3 znakmi. Nič sa nespustilo.</translation>
    </message>
</context>
<context>
    <name>frm_system</name>
    <message>
        <source>Pointer position: unknown</source>
        <translation>Súradnice myši: neznáme</translation>
    </message>
</context>
<context>
    <name>main_menu</name>
    <message>
        <source>The program&apos;s page is not available right now.</source>
        <translation>Stránka programu teraz nie je dostupná.</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>The network share &quot;%1&quot; cannot be connected: %2</source>
        <translation>Zdieľaný priečinok &quot;%1&quot; nemožno pripojiť: %2</translation>
    </message>
    <message>
        <source>The web browser module</source>
        <translation>Modul webového prehliadača</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; cannot be loaded: %3</source>
        <translation>%1 &quot;%2&quot; nemožno načítať: %3</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; was not found. Looked in: %3</source>
        <translation>%1 &quot;%2&quot; sa nenašiel. Hľadané v: %3</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is some other module.</source>
        <translation>%1 &quot;%2&quot; je iný modul.</translation>
    </message>
    <message>
        <source>The network module</source>
        <translation>Sieťový modul</translation>
    </message>
    <message>
        <source>The program &quot;%1&quot; cannot be started: the command line names no program.</source>
        <translation>Program &quot;%1&quot; nemožno spustiť: príkazový riadok neuvádza žiadny program.</translation>
    </message>
    <message>
        <source>The program &quot;%1&quot; cannot be started: it does not exist or is not an executable program.</source>
        <translation>Program &quot;%1&quot; nemožno spustiť: neexistuje alebo nie je spustiteľný program.</translation>
    </message>
    <message>
        <source>The command &quot;%1&quot; cannot be started: &quot;%2&quot; is not a program or command on this system.</source>
        <translation>Príkaz &quot;%1&quot; nemožno spustiť: &quot;%2&quot; nie je v tomto systéme program ani príkaz.</translation>
    </message>
    <message>
        <source>The command &quot;%1&quot; cannot be started: the shell &quot;%2&quot; cannot be run.</source>
        <translation>Príkaz &quot;%1&quot; nemožno spustiť: shell &quot;%2&quot; nemožno spustiť.</translation>
    </message>
    <message>
        <source>Modems</source>
        <translation>Modemy</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimédiá</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Dátum a čas</translation>
    </message>
    <message>
        <source>Game controllers</source>
        <translation>Herné zariadenia</translation>
    </message>
    <message>
        <source>Passwords</source>
        <translation>Heslá</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Myš</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Klávesnica</translation>
    </message>
    <message>
        <source>Printers</source>
        <translation>Tlačiarne</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Písma</translation>
    </message>
    <message>
        <source>Regional settings</source>
        <translation>Miestne nastavenia</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Obrazovka</translation>
    </message>
    <message>
        <source>Add or remove programs</source>
        <translation>Pridať/odobrať programy</translation>
    </message>
    <message>
        <source>Add hardware</source>
        <translation>Pridať hardvér</translation>
    </message>
    <message>
        <source>Power management</source>
        <translation>Správa napájania</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Sieť</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Systém</translation>
    </message>
    <message>
        <source>Themes</source>
        <translation>Motívy</translation>
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
        <translation>Na tomto počítači žiadny program neotvorí nastavenia &quot;%1&quot;. Žiadne pracovné prostredie, ktoré tento program pozná, takú stránku nemá.</translation>
    </message>
    <message>
        <source>No program on this computer opens the &quot;%1&quot; settings. Any of these would: %2.</source>
        <translation>Na tomto počítači žiadny program neotvorí nastavenia &quot;%1&quot;. Poslúži ktorýkoľvek z týchto: %2.</translation>
    </message>
    <message>
        <source>QUELMARN_CODEPAGE must be a code page number such as 1250, not %1.</source>
        <translation>QUELMARN_CODEPAGE musí byť číslo kódovej stránky, napríklad 1250, nie %1.</translation>
    </message>
    <message>
        <source>The code page conversion %1 -&gt; %2 is not available on this system.</source>
        <translation>Prevod kódovej stránky %1 -&gt; %2 nie je v tomto systéme k dispozícii.</translation>
    </message>
    <message>
        <source>Text could not be converted from code page %1.</source>
        <translation>Text nemožno previesť z kódovej stránky %1.</translation>
    </message>
    <message>
        <source>Text could not be converted to code page %1.</source>
        <translation>Text nemožno previesť do kódovej stránky %1.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>%1: %2 is a folder, not a file.</source>
        <translation>%1: %2 je priečinok, nie súbor.</translation>
    </message>
    <message>
        <source>%1: %2 is read-only.</source>
        <translation>%1: %2 je iba na čítanie.</translation>
    </message>
    <message>
        <source>%1: %2 is a symbolic link to %3, which does not exist.</source>
        <translation>%1: %2 je symbolický odkaz na %3, ktorý neexistuje.</translation>
    </message>
    <message>
        <source>%1: %2 cannot be opened</source>
        <translation>%1: %2 nemožno otvoriť</translation>
    </message>
    <message>
        <source>%1: %2 is not a regular file.</source>
        <translation>%1: %2 nie je obyčajný súbor.</translation>
    </message>
    <message>
        <source>The file %1 cannot be copied to %2</source>
        <translation>Súbor %1 nemožno skopírovať do %2</translation>
    </message>
    <message>
        <source>%1: a file cannot be copied onto itself.</source>
        <translation>%1: súbor nemožno skopírovať sám na seba.</translation>
    </message>
    <message>
        <source>%1: %2 already exists.</source>
        <translation>%1: %2 už existuje.</translation>
    </message>
    <message>
        <source>The file %1 was copied to %2, but the original cannot be removed</source>
        <translation>Súbor %1 bol skopírovaný do %2, ale pôvodný súbor nemožno odstrániť</translation>
    </message>
    <message>
        <source>The file %1 cannot be moved to %2</source>
        <translation>Súbor %1 nemožno presunúť do %2</translation>
    </message>
    <message>
        <source>The file %1 cannot be deleted</source>
        <translation>Súbor %1 nemožno zmazať</translation>
    </message>
    <message>
        <source>%1: it is a folder, not a file.</source>
        <translation>%1: je to priečinok, nie súbor.</translation>
    </message>
    <message>
        <source>%1: it is read-only.</source>
        <translation>%1: je iba na čítanie.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be read</source>
        <translation>Priečinok %1 nemožno prečítať</translation>
    </message>
    <message>
        <source>No file matches %1.</source>
        <translation>Vzoru %1 nezodpovedá žiadny súbor.</translation>
    </message>
    <message>
        <source>The destination %1 is not an existing folder.</source>
        <translation>Cieľ %1 nie je existujúci priečinok.</translation>
    </message>
    <message>
        <source>No file to copy was given: the path is empty.</source>
        <translation>Nebol zadaný súbor na skopírovanie: cesta je prázdna.</translation>
    </message>
    <message>
        <source>No destination was given: the path is empty.</source>
        <translation>Nebol zadaný cieľ: cesta je prázdna.</translation>
    </message>
    <message>
        <source>No file to move was given: the path is empty.</source>
        <translation>Nebol zadaný súbor na presunutie: cesta je prázdna.</translation>
    </message>
    <message>
        <source>No file to delete was given: the path is empty.</source>
        <translation>Nebol zadaný súbor na zmazanie: cesta je prázdna.</translation>
    </message>
    <message>
        <source>No folder to create was given: the path is empty.</source>
        <translation>Nebol zadaný priečinok na vytvorenie: cesta je prázdna.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created</source>
        <translation>Priečinok %1 nemožno vytvoriť</translation>
    </message>
    <message>
        <source>No file to open was given: the path is empty.</source>
        <translation>Nebol zadaný súbor na otvorenie: cesta je prázdna.</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened: it is larger than %2 MiB.</source>
        <translation>Súbor %1 nemožno otvoriť: je väčší ako %2 MiB.</translation>
    </message>
    <message>
        <source>No file to write was given: the path is empty.</source>
        <translation>Nebol zadaný súbor na zápis: cesta je prázdna.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written</source>
        <translation>Do súboru %1 nemožno zapisovať</translation>
    </message>
    <message>
        <source>The user cannot be logged off: neither the desktop&apos;s session manager nor logind ended the session (%1).</source>
        <translation>Používateľa nemožno odhlásiť: reláciu neukončil ani správca relácií pracovného prostredia, ani logind (%1).</translation>
    </message>
    <message>
        <source>The computer cannot be shut down: logind answered %1.</source>
        <translation>Počítač nemožno vypnúť: logind odpovedal %1.</translation>
    </message>
    <message>
        <source>The computer cannot be restarted: logind answered %1.</source>
        <translation>Počítač nemožno reštartovať: logind odpovedal %1.</translation>
    </message>
    <message>
        <source>The system version cannot be read from the kernel release %1.</source>
        <translation>Verziu systému nemožno prečítať z vydania jadra %1.</translation>
    </message>
    <message>
        <source>The system version cannot be read (uname: %1).</source>
        <translation>Verziu systému nemožno prečítať (uname: %1).</translation>
    </message>
    <message>
        <source>The time since the system started cannot be read: %1.</source>
        <translation>Čas od spustenia systému nemožno prečítať: %1.</translation>
    </message>
    <message>
        <source>The program&apos;s own folder cannot be found (/proc/self/exe is not readable).</source>
        <translation>Vlastný priečinok programu nemožno nájsť (/proc/self/exe nemožno prečítať).</translation>
    </message>
    <message>
        <source>The field %1 of %2 cannot be read (%3).</source>
        <translation>Položku %1 v %2 nemožno prečítať (%3).</translation>
    </message>
    <message>
        <source>The field %1 of %2 is too large (%3).</source>
        <translation>Položka %1 v %2 je príliš veľká (%3).</translation>
    </message>
    <message>
        <source>The memory figures cannot be read: %1 has no field %2.</source>
        <translation>Údaje o pamäti nemožno prečítať: %1 nemá položku %2.</translation>
    </message>
    <message>
        <source>The settings file %1 is larger than %2 MiB and is left as it is.</source>
        <translation>Súbor nastavení %1 je väčší ako %2 MiB a zostáva bez zmeny.</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened: it is a folder, not a regular file.</source>
        <translation>Súbor %1 nemožno otvoriť: je to priečinok, nie obyčajný súbor.</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened: it is a FIFO (named pipe), not a regular file.</source>
        <translation>Súbor %1 nemožno otvoriť: je to FIFO (pomenovaná rúra), nie obyčajný súbor.</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened: it is a socket, not a regular file.</source>
        <translation>Súbor %1 nemožno otvoriť: je to soket, nie obyčajný súbor.</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened: it is a device, not a regular file.</source>
        <translation>Súbor %1 nemožno otvoriť: je to zariadenie, nie obyčajný súbor.</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened: it is not a regular file.</source>
        <translation>Súbor %1 nemožno otvoriť: nie je to obyčajný súbor.</translation>
    </message>
    <message>
        <source>No file to read was given: the path is empty.</source>
        <translation>Nebol zadaný súbor na čítanie: cesta je prázdna.</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened: %2.</source>
        <translation>Súbor %1 nemožno otvoriť: %2.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2.</source>
        <translation>Súbor %1 nemožno prečítať: %2.</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>súbor alebo priečinok neexistuje</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>prístup odmietnutý</translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation>operácia nie je povolená</translation>
    </message>
    <message>
        <source>File exists</source>
        <translation>súbor už existuje</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>je to priečinok</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>nie je to priečinok</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>na zariadení nezostalo miesto</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>diskový limit je vyčerpaný</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>systém súborov je iba na čítanie</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>názov súboru je príliš dlhý</translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>príliš veľa úrovní symbolických odkazov</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>chyba vstupu/výstupu</translation>
    </message>
    <message>
        <source>Device or resource busy</source>
        <translation>zariadenie alebo prostriedok je zaneprázdnený</translation>
    </message>
    <message>
        <source>Invalid cross-device link</source>
        <translation>neplatný odkaz medzi zariadeniami</translation>
    </message>
    <message>
        <source>The language file %1 is damaged: record %2 has the invalid length %3.</source>
        <translation>Jazykový súbor %1 je poškodený: záznam %2 má neplatnú dĺžku %3.</translation>
    </message>
    <message>
        <source>This desktop&apos;s program %1 was not found, so the panels cannot be controlled with it.</source>
        <translation>Program %1 tejto plochy sa nenašiel, preto ním nemožno ovládať panely.</translation>
    </message>
    <message>
        <source>The program %1 did not answer within ten seconds.</source>
        <translation>Program %1 neodpovedal do desiatich sekúnd.</translation>
    </message>
    <message>
        <source>%1 refused the request: %2</source>
        <translation>%1 odmietol požiadavku: %2</translation>
    </message>
    <message>
        <source>GNOME Shell does not answer on the session bus (%1).</source>
        <translation>GNOME Shell neodpovedá na zbernici relácie (%1).</translation>
    </message>
    <message>
        <source>GNOME Shell does not know the extension %1 that this program installs yet: it loads extensions only at log-in. After logging off and on again once, this button will work.</source>
        <translation>GNOME Shell zatiaľ nepozná rozšírenie %1, ktoré tento program inštaluje: rozšírenia načítava len pri prihlásení. Po jednom odhlásení a novom prihlásení bude toto tlačidlo fungovať.</translation>
    </message>
    <message>
        <source>GNOME Shell cannot start the extension %1: %2</source>
        <translation>GNOME Shell nemôže spustiť rozšírenie %1: %2</translation>
    </message>
    <message>
        <source>GNOME Shell refused to enable the extension %1 (%2). Extensions may be turned off in the settings.</source>
        <translation>GNOME Shell odmietol zapnúť rozšírenie %1 (%2). Rozšírenia môžu byť v nastaveniach vypnuté.</translation>
    </message>
    <message>
        <source>The extension %1 in GNOME Shell does not answer (%2).</source>
        <translation>Rozšírenie %1 v GNOME Shell neodpovedá (%2).</translation>
    </message>
    <message>
        <source>Sway has no panel (bar) that could be hidden.</source>
        <translation>Sway nemá žiadny panel (bar), ktorý by sa dal skryť.</translation>
    </message>
    <message>
        <source>Xfce has no panel.</source>
        <translation>Xfce nemá žiadny panel.</translation>
    </message>
    <message>
        <source>The Xfce panels have no Applications menu (nor a Whisker menu) that could be hidden.</source>
        <translation>Panely Xfce nemajú ponuku Aplikácie (ani ponuku Whisker), ktorú by sa dalo skryť.</translation>
    </message>
    <message>
        <source>KDE Plasma has no panel.</source>
        <translation>KDE Plasma nemá žiadny panel.</translation>
    </message>
    <message>
        <source>In KDE Plasma the Start button is the application launcher widget. It can be hidden only by removing it from the panel, which deletes its settings and favourites; so the program leaves it alone.</source>
        <translation>V KDE Plasma je tlačidlo Štart miniaplikácia spúšťača aplikácií. Skryť ho možno len jeho odstránením z panela, čo zmaže jeho nastavenia aj obľúbené položky; program ho preto necháva tak.</translation>
    </message>
    <message>
        <source>The KDE Plasma desktop did not answer (%1).</source>
        <translation>Plocha KDE Plasma neodpovedala (%1).</translation>
    </message>
    <message>
        <source>No panel (a window of type DOCK) that could be hidden was found on this desktop.</source>
        <translation>Na tejto ploche sa nenašiel žiadny panel (okno typu DOCK), ktorý by sa dal skryť.</translation>
    </message>
    <message>
        <source>The desktop %1 does not let programs hide the panel or the Start button.</source>
        <translation>Plocha %1 nedovoľuje programom skryť panel ani tlačidlo Štart.</translation>
    </message>
    <message>
        <source>This desktop&apos;s panel draws the Start button inside its own window, so it cannot be hidden on its own.</source>
        <translation>Panel tejto plochy kreslí tlačidlo Štart vo vnútri svojho okna, takže ho nemožno skryť samostatne.</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>priečinok</translation>
    </message>
    <message>
        <source>a FIFO (named pipe)</source>
        <translation>FIFO (pomenovaná rúra)</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>soket</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>zariadenie</translation>
    </message>
    <message>
        <source>a special file</source>
        <translation>špeciálny súbor</translation>
    </message>
    <message>
        <source>%1: no file can be created in the folder %2</source>
        <translation>%1: v priečinku %2 nemožno vytvoriť žiadny súbor</translation>
    </message>
    <message>
        <source>%1: %2 is %3, not a regular file.</source>
        <translation>%1: %2 je %3, nie obyčajný súbor.</translation>
    </message>
    <message>
        <source>%1: the file changed while it was being copied.</source>
        <translation>%1: súbor sa počas kopírovania zmenil.</translation>
    </message>
    <message>
        <source>the destination</source>
        <translation>cieľ</translation>
    </message>
    <message>
        <source>The link %1 was copied to %2, but the original cannot be removed</source>
        <translation>Odkaz %1 bol skopírovaný do %2, ale pôvodný odkaz nemožno odstrániť</translation>
    </message>
    <message>
        <source>Already copied:</source>
        <translation>Už skopírované:</translation>
    </message>
    <message>
        <source>Already moved:</source>
        <translation>Už presunuté:</translation>
    </message>
    <message>
        <source>Already deleted:</source>
        <translation>Už zmazané:</translation>
    </message>
    <message>
        <source>it</source>
        <translation>to</translation>
    </message>
    <message>
        <source>The browser cannot be started as root: its sandbox does not allow it.</source>
        <translation>Prehliadač nemožno spustiť pod používateľom root: jeho sandbox to nedovolí.</translation>
    </message>
</context>
</TS>
