<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu_HU">
<context>
    <name>frm_load</name>
    <message>
        <source>The language file &quot;%1&quot; is in none of the folders searched:</source>
        <translation>A(z) &quot;%1&quot; nyelvi fájl egyik átkeresett mappában sincs meg:</translation>
    </message>
    <message>
        <source>Quelmarn Manager cannot start. %1</source>
        <translation>A Quelmarn Manager nem tud elindulni. %1</translation>
    </message>
</context>
<context>
    <name>frm_poznamky</name>
    <message>
        <source>The note was not saved to &quot;%1&quot;: code page %2 of this system cannot store these characters: %3</source>
        <translation>A jegyzet nem lett mentve ide: &quot;%1&quot;: a rendszer %2-es kódlapja nem tudja tárolni ezeket a karaktereket: %3</translation>
    </message>
</context>
<context>
    <name>frm_programy</name>
    <message>
        <source>The command line in box %1 is %2 characters long; a program can be started with at most %3. Nothing was started.</source>
        <translation>A(z) %1 mező parancssora %2 karakter hosszú; egy program legfeljebb %3 karakterrel indítható. Semmi sem indult el.</translation>
    </message>
</context>
<context>
    <name>frm_system</name>
    <message>
        <source>Pointer position: unknown</source>
        <translation>Egérkoordináták: ismeretlen</translation>
    </message>
</context>
<context>
    <name>main_menu</name>
    <message>
        <source>The program&apos;s page is not available right now.</source>
        <translation>A program oldala most nem érhető el.</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>The network share &quot;%1&quot; cannot be connected: %2</source>
        <translation>A(z) &quot;%1&quot; hálózati megosztás nem csatlakoztatható: %2</translation>
    </message>
    <message>
        <source>The web browser module</source>
        <translation>A webböngésző modul</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; cannot be loaded: %3</source>
        <translation>%1 (&quot;%2&quot;) nem tölthető be: %3</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; was not found. Looked in: %3</source>
        <translation>%1 (&quot;%2&quot;) nem található. Keresés helye: %3</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is some other module.</source>
        <translation>%1 (&quot;%2&quot;) egy másik modul.</translation>
    </message>
    <message>
        <source>The network module</source>
        <translation>A hálózati modul</translation>
    </message>
    <message>
        <source>The program &quot;%1&quot; cannot be started: the command line names no program.</source>
        <translation>A(z) &quot;%1&quot; program nem indítható: a parancssor nem nevez meg programot.</translation>
    </message>
    <message>
        <source>The program &quot;%1&quot; cannot be started: it does not exist or is not an executable program.</source>
        <translation>A(z) &quot;%1&quot; program nem indítható: nem létezik, vagy nem futtatható program.</translation>
    </message>
    <message>
        <source>The command &quot;%1&quot; cannot be started: &quot;%2&quot; is not a program or command on this system.</source>
        <translation>A(z) &quot;%1&quot; parancs nem indítható: &quot;%2&quot; nem program vagy parancs ezen a rendszeren.</translation>
    </message>
    <message>
        <source>The command &quot;%1&quot; cannot be started: the shell &quot;%2&quot; cannot be run.</source>
        <translation>A(z) &quot;%1&quot; parancs nem indítható: a(z) &quot;%2&quot; parancsértelmező nem futtatható.</translation>
    </message>
    <message>
        <source>Modems</source>
        <translation>Modemek</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimédia</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Dátum és idő</translation>
    </message>
    <message>
        <source>Game controllers</source>
        <translation>Játékvezérlők</translation>
    </message>
    <message>
        <source>Passwords</source>
        <translation>Jelszavak</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Egér</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Billentyűzet</translation>
    </message>
    <message>
        <source>Printers</source>
        <translation>Nyomtatók</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Betűtípusok</translation>
    </message>
    <message>
        <source>Regional settings</source>
        <translation>Területi beállítások</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Képernyő</translation>
    </message>
    <message>
        <source>Add or remove programs</source>
        <translation>Programok telepítése és törlése</translation>
    </message>
    <message>
        <source>Add hardware</source>
        <translation>Hardver hozzáadása</translation>
    </message>
    <message>
        <source>Power management</source>
        <translation>Energiagazdálkodás</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Hálózat</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Rendszer</translation>
    </message>
    <message>
        <source>Themes</source>
        <translation>Témák</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Hangok</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Időzóna</translation>
    </message>
    <message>
        <source>No program on this computer opens the &quot;%1&quot; settings. No desktop known to this program has such a page.</source>
        <translation>Ezen a számítógépen egyetlen program sem nyitja meg a(z) &quot;%1&quot; beállításait. Egyetlen, a program által ismert asztali környezetben sincs ilyen oldal.</translation>
    </message>
    <message>
        <source>No program on this computer opens the &quot;%1&quot; settings. Any of these would: %2.</source>
        <translation>Ezen a számítógépen egyetlen program sem nyitja meg a(z) &quot;%1&quot; beállításait. Ezek bármelyike megtenné: %2.</translation>
    </message>
    <message>
        <source>QUELMARN_CODEPAGE must be a code page number such as 1250, not %1.</source>
        <translation>A QUELMARN_CODEPAGE értéke kódlapszám legyen, például 1250, nem pedig %1.</translation>
    </message>
    <message>
        <source>The code page conversion %1 -&gt; %2 is not available on this system.</source>
        <translation>A(z) %1 -&gt; %2 kódlap-átalakítás nem érhető el ezen a rendszeren.</translation>
    </message>
    <message>
        <source>Text could not be converted from code page %1.</source>
        <translation>A szöveg nem alakítható át a(z) %1-es kódlapról.</translation>
    </message>
    <message>
        <source>Text could not be converted to code page %1.</source>
        <translation>A szöveg nem alakítható át a(z) %1-es kódlapra.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>%1: %2 is a folder, not a file.</source>
        <translation>%1: %2 mappa, nem fájl.</translation>
    </message>
    <message>
        <source>%1: %2 is read-only.</source>
        <translation>%1: %2 csak olvasható.</translation>
    </message>
    <message>
        <source>%1: %2 is a symbolic link to %3, which does not exist.</source>
        <translation>%1: %2 szimbolikus hivatkozás a nem létező %3 helyre.</translation>
    </message>
    <message>
        <source>%1: %2 cannot be opened</source>
        <translation>%1: %2 nem nyitható meg</translation>
    </message>
    <message>
        <source>%1: %2 is not a regular file.</source>
        <translation>%1: %2 nem közönséges fájl.</translation>
    </message>
    <message>
        <source>The file %1 cannot be copied to %2</source>
        <translation>A(z) %1 fájl nem másolható ide: %2</translation>
    </message>
    <message>
        <source>%1: a file cannot be copied onto itself.</source>
        <translation>%1: fájl nem másolható önmagára.</translation>
    </message>
    <message>
        <source>%1: %2 already exists.</source>
        <translation>%1: %2 már létezik.</translation>
    </message>
    <message>
        <source>The file %1 was copied to %2, but the original cannot be removed</source>
        <translation>A(z) %1 fájl át lett másolva ide: %2, de az eredeti nem törölhető</translation>
    </message>
    <message>
        <source>The file %1 cannot be moved to %2</source>
        <translation>A(z) %1 fájl nem helyezhető át ide: %2</translation>
    </message>
    <message>
        <source>The file %1 cannot be deleted</source>
        <translation>A(z) %1 fájl nem törölhető</translation>
    </message>
    <message>
        <source>%1: it is a folder, not a file.</source>
        <translation>%1: ez mappa, nem fájl.</translation>
    </message>
    <message>
        <source>%1: it is read-only.</source>
        <translation>%1: csak olvasható.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be read</source>
        <translation>A(z) %1 mappa nem olvasható</translation>
    </message>
    <message>
        <source>No file matches %1.</source>
        <translation>Egyetlen fájl sem illeszkedik erre: %1.</translation>
    </message>
    <message>
        <source>The destination %1 is not an existing folder.</source>
        <translation>A(z) %1 cél nem létező mappa.</translation>
    </message>
    <message>
        <source>No file to copy was given: the path is empty.</source>
        <translation>Nincs megadva másolandó fájl: az útvonal üres.</translation>
    </message>
    <message>
        <source>No destination was given: the path is empty.</source>
        <translation>Nincs megadva cél: az útvonal üres.</translation>
    </message>
    <message>
        <source>No file to move was given: the path is empty.</source>
        <translation>Nincs megadva áthelyezendő fájl: az útvonal üres.</translation>
    </message>
    <message>
        <source>No file to delete was given: the path is empty.</source>
        <translation>Nincs megadva törlendő fájl: az útvonal üres.</translation>
    </message>
    <message>
        <source>No folder to create was given: the path is empty.</source>
        <translation>Nincs megadva létrehozandó mappa: az útvonal üres.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created</source>
        <translation>A(z) %1 mappa nem hozható létre</translation>
    </message>
    <message>
        <source>No file to open was given: the path is empty.</source>
        <translation>Nincs megadva megnyitandó fájl: az útvonal üres.</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened: it is larger than %2 MiB.</source>
        <translation>A(z) %1 fájl nem nyitható meg: nagyobb, mint %2 MiB.</translation>
    </message>
    <message>
        <source>No file to write was given: the path is empty.</source>
        <translation>Nincs megadva írandó fájl: az útvonal üres.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written</source>
        <translation>A(z) %1 fájl nem írható</translation>
    </message>
    <message>
        <source>The user cannot be logged off: neither the desktop&apos;s session manager nor logind ended the session (%1).</source>
        <translation>A felhasználó nem jelentkeztethető ki: sem az asztali környezet munkamenet-kezelője, sem a logind nem zárta le a munkamenetet (%1).</translation>
    </message>
    <message>
        <source>The computer cannot be shut down: logind answered %1.</source>
        <translation>A számítógép nem kapcsolható ki: a logind válasza: %1.</translation>
    </message>
    <message>
        <source>The computer cannot be restarted: logind answered %1.</source>
        <translation>A számítógép nem indítható újra: a logind válasza: %1.</translation>
    </message>
    <message>
        <source>The system version cannot be read from the kernel release %1.</source>
        <translation>A rendszer verziója nem olvasható ki a(z) %1 kernelkiadásból.</translation>
    </message>
    <message>
        <source>The system version cannot be read (uname: %1).</source>
        <translation>A rendszer verziója nem olvasható (uname: %1).</translation>
    </message>
    <message>
        <source>The time since the system started cannot be read: %1.</source>
        <translation>A rendszer indulása óta eltelt idő nem olvasható: %1.</translation>
    </message>
    <message>
        <source>The program&apos;s own folder cannot be found (/proc/self/exe is not readable).</source>
        <translation>A program saját mappája nem található (a /proc/self/exe nem olvasható).</translation>
    </message>
    <message>
        <source>The field %1 of %2 cannot be read (%3).</source>
        <translation>A(z) %2 %1 mezője nem olvasható (%3).</translation>
    </message>
    <message>
        <source>The field %1 of %2 is too large (%3).</source>
        <translation>A(z) %2 %1 mezője túl nagy (%3).</translation>
    </message>
    <message>
        <source>The memory figures cannot be read: %1 has no field %2.</source>
        <translation>A memóriaadatok nem olvashatók: a(z) %1 fájlban nincs %2 mező.</translation>
    </message>
    <message>
        <source>The settings file %1 is larger than %2 MiB and is left as it is.</source>
        <translation>A(z) %1 beállításfájl nagyobb, mint %2 MiB, ezért változatlan marad.</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened: it is a folder, not a regular file.</source>
        <translation>A(z) %1 fájl nem nyitható meg: ez mappa, nem közönséges fájl.</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened: it is a FIFO (named pipe), not a regular file.</source>
        <translation>A(z) %1 fájl nem nyitható meg: ez FIFO (nevesített cső), nem közönséges fájl.</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened: it is a socket, not a regular file.</source>
        <translation>A(z) %1 fájl nem nyitható meg: ez foglalat (socket), nem közönséges fájl.</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened: it is a device, not a regular file.</source>
        <translation>A(z) %1 fájl nem nyitható meg: ez eszköz, nem közönséges fájl.</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened: it is not a regular file.</source>
        <translation>A(z) %1 fájl nem nyitható meg: nem közönséges fájl.</translation>
    </message>
    <message>
        <source>No file to read was given: the path is empty.</source>
        <translation>Nincs megadva olvasandó fájl: az útvonal üres.</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened: %2.</source>
        <translation>A(z) %1 fájl nem nyitható meg: %2.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2.</source>
        <translation>A(z) %1 fájl nem olvasható: %2.</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>nincs ilyen fájl vagy mappa</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>hozzáférés megtagadva</translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation>a művelet nem engedélyezett</translation>
    </message>
    <message>
        <source>File exists</source>
        <translation>a fájl már létezik</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>ez egy mappa</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>nem mappa</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>nincs több hely az eszközön</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>a lemezkvóta betelt</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>a fájlrendszer csak olvasható</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>a fájlnév túl hosszú</translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>túl sok szintű szimbolikus hivatkozás</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>bemeneti/kimeneti hiba</translation>
    </message>
    <message>
        <source>Device or resource busy</source>
        <translation>az eszköz vagy erőforrás foglalt</translation>
    </message>
    <message>
        <source>Invalid cross-device link</source>
        <translation>érvénytelen eszközök közötti hivatkozás</translation>
    </message>
    <message>
        <source>The language file %1 is damaged: record %2 has the invalid length %3.</source>
        <translation>A(z) %1 nyelvi fájl sérült: a(z) %2. rekord hossza érvénytelen: %3.</translation>
    </message>
    <message>
        <source>This desktop&apos;s program %1 was not found, so the panels cannot be controlled with it.</source>
        <translation>Ennek az asztali környezetnek a(z) %1 programja nem található, ezért vele nem vezérelhetők a panelek.</translation>
    </message>
    <message>
        <source>The program %1 did not answer within ten seconds.</source>
        <translation>A(z) %1 program tíz másodpercen belül nem válaszolt.</translation>
    </message>
    <message>
        <source>%1 refused the request: %2</source>
        <translation>A(z) %1 elutasította a kérést: %2</translation>
    </message>
    <message>
        <source>GNOME Shell does not answer on the session bus (%1).</source>
        <translation>A GNOME Shell nem válaszol a munkamenet-buszon (%1).</translation>
    </message>
    <message>
        <source>GNOME Shell does not know the extension %1 that this program installs yet: it loads extensions only at log-in. After logging off and on again once, this button will work.</source>
        <translation>A GNOME Shell még nem ismeri a program által telepített %1 bővítményt: a bővítményeket csak bejelentkezéskor tölti be. Egy kijelentkezés és újbóli bejelentkezés után ez a gomb működni fog.</translation>
    </message>
    <message>
        <source>GNOME Shell cannot start the extension %1: %2</source>
        <translation>A GNOME Shell nem tudja elindítani a(z) %1 bővítményt: %2</translation>
    </message>
    <message>
        <source>GNOME Shell refused to enable the extension %1 (%2). Extensions may be turned off in the settings.</source>
        <translation>A GNOME Shell nem kapcsolta be a(z) %1 bővítményt (%2). A bővítmények a beállításokban ki lehetnek kapcsolva.</translation>
    </message>
    <message>
        <source>The extension %1 in GNOME Shell does not answer (%2).</source>
        <translation>A(z) %1 bővítmény nem válaszol a GNOME Shellben (%2).</translation>
    </message>
    <message>
        <source>Sway has no panel (bar) that could be hidden.</source>
        <translation>A Swaynek nincs elrejthető panelje (bar).</translation>
    </message>
    <message>
        <source>Xfce has no panel.</source>
        <translation>Az Xfce-nek nincs panelje.</translation>
    </message>
    <message>
        <source>The Xfce panels have no Applications menu (nor a Whisker menu) that could be hidden.</source>
        <translation>Az Xfce paneljein nincs elrejthető Alkalmazások menü (sem Whisker menü).</translation>
    </message>
    <message>
        <source>KDE Plasma has no panel.</source>
        <translation>A KDE Plasmának nincs panelje.</translation>
    </message>
    <message>
        <source>In KDE Plasma the Start button is the application launcher widget. It can be hidden only by removing it from the panel, which deletes its settings and favourites; so the program leaves it alone.</source>
        <translation>A KDE Plasmában a Start gomb az alkalmazásindító widget. Csak a panelről való eltávolításával rejthető el, ami törli a beállításait és a kedvenceit; ezért a program nem nyúl hozzá.</translation>
    </message>
    <message>
        <source>The KDE Plasma desktop did not answer (%1).</source>
        <translation>A KDE Plasma asztal nem válaszolt (%1).</translation>
    </message>
    <message>
        <source>No panel (a window of type DOCK) that could be hidden was found on this desktop.</source>
        <translation>Ezen az asztalon nem található elrejthető panel (DOCK típusú ablak).</translation>
    </message>
    <message>
        <source>The desktop %1 does not let programs hide the panel or the Start button.</source>
        <translation>A(z) %1 asztal nem engedi, hogy a programok elrejtsék a panelt vagy a Start gombot.</translation>
    </message>
    <message>
        <source>This desktop&apos;s panel draws the Start button inside its own window, so it cannot be hidden on its own.</source>
        <translation>Ennek az asztalnak a panelje a saját ablakán belül rajzolja a Start gombot, ezért az nem rejthető el külön.</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>mappa</translation>
    </message>
    <message>
        <source>a FIFO (named pipe)</source>
        <translation>FIFO (nevesített cső)</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>socket</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>eszköz</translation>
    </message>
    <message>
        <source>a special file</source>
        <translation>speciális fájl</translation>
    </message>
    <message>
        <source>%1: no file can be created in the folder %2</source>
        <translation>%1: a(z) %2 mappában nem hozható létre fájl</translation>
    </message>
    <message>
        <source>%1: %2 is %3, not a regular file.</source>
        <translation>%1: %2 %3, nem közönséges fájl.</translation>
    </message>
    <message>
        <source>%1: the file changed while it was being copied.</source>
        <translation>%1: a fájl másolás közben megváltozott.</translation>
    </message>
    <message>
        <source>the destination</source>
        <translation>a cél</translation>
    </message>
    <message>
        <source>The link %1 was copied to %2, but the original cannot be removed</source>
        <translation>A(z) %1 hivatkozás át lett másolva ide: %2, de az eredeti nem törölhető</translation>
    </message>
    <message>
        <source>Already copied:</source>
        <translation>Már átmásolva:</translation>
    </message>
    <message>
        <source>Already moved:</source>
        <translation>Már áthelyezve:</translation>
    </message>
    <message>
        <source>Already deleted:</source>
        <translation>Már törölve:</translation>
    </message>
    <message>
        <source>it</source>
        <translation>ez</translation>
    </message>
    <message>
        <source>The browser cannot be started as root: its sandbox does not allow it.</source>
        <translation>A böngésző nem indítható root felhasználóként: a homokozója (sandbox) ezt nem engedi.</translation>
    </message>
</context>
</TS>
