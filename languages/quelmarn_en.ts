<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>frm_load</name>
    <message>
        <source>The language file &quot;%1&quot; is in none of the folders searched:</source>
        <translation>The language file &quot;%1&quot; is in none of the folders searched:</translation>
    </message>
    <message>
        <source>Quelmarn Manager cannot start. %1</source>
        <translation>Quelmarn Manager cannot start. %1</translation>
    </message>
</context>
<context>
    <name>frm_poznamky</name>
    <message>
        <source>The note was not saved to &quot;%1&quot;: code page %2 of this system cannot store these characters: %3</source>
        <translation>The note was not saved to &quot;%1&quot;: code page %2 of this system cannot store these characters: %3</translation>
    </message>
</context>
<context>
    <name>frm_programy</name>
    <message>
        <source>The command line in box %1 is %2 characters long; a program can be started with at most %3. Nothing was started.</source>
        <translation>The command line in box %1 is %2 characters long; a program can be started with at most %3. Nothing was started.</translation>
    </message>
</context>
<context>
    <name>frm_system</name>
    <message>
        <source>Pointer position: unknown</source>
        <translation>Pointer position: unknown</translation>
    </message>
</context>
<context>
    <name>main_menu</name>
    <message>
        <source>The program&apos;s page is not available right now.</source>
        <translation>The program&apos;s page is not available right now.</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>The network share &quot;%1&quot; cannot be connected: %2</source>
        <translation>The network share &quot;%1&quot; cannot be connected: %2</translation>
    </message>
    <message>
        <source>The web browser module</source>
        <translation>The web browser module</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; cannot be loaded: %3</source>
        <translation>%1 &quot;%2&quot; cannot be loaded: %3</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; was not found. Looked in: %3</source>
        <translation>%1 &quot;%2&quot; was not found. Looked in: %3</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is some other module.</source>
        <translation>%1 &quot;%2&quot; is some other module.</translation>
    </message>
    <message>
        <source>The network module</source>
        <translation>The network module</translation>
    </message>
    <message>
        <source>The program &quot;%1&quot; cannot be started: the command line names no program.</source>
        <translation>The program &quot;%1&quot; cannot be started: the command line names no program.</translation>
    </message>
    <message>
        <source>The program &quot;%1&quot; cannot be started: it does not exist or is not an executable program.</source>
        <translation>The program &quot;%1&quot; cannot be started: it does not exist or is not an executable program.</translation>
    </message>
    <message>
        <source>The command &quot;%1&quot; cannot be started: &quot;%2&quot; is not a program or command on this system.</source>
        <translation>The command &quot;%1&quot; cannot be started: &quot;%2&quot; is not a program or command on this system.</translation>
    </message>
    <message>
        <source>The command &quot;%1&quot; cannot be started: the shell &quot;%2&quot; cannot be run.</source>
        <translation>The command &quot;%1&quot; cannot be started: the shell &quot;%2&quot; cannot be run.</translation>
    </message>
    <message>
        <source>Modems</source>
        <translation>Modems</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimedia</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Date and time</translation>
    </message>
    <message>
        <source>Game controllers</source>
        <translation>Game controllers</translation>
    </message>
    <message>
        <source>Passwords</source>
        <translation>Passwords</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Mouse</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Keyboard</translation>
    </message>
    <message>
        <source>Printers</source>
        <translation>Printers</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Fonts</translation>
    </message>
    <message>
        <source>Regional settings</source>
        <translation>Regional settings</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Display</translation>
    </message>
    <message>
        <source>Add or remove programs</source>
        <translation>Add or remove programs</translation>
    </message>
    <message>
        <source>Add hardware</source>
        <translation>Add hardware</translation>
    </message>
    <message>
        <source>Power management</source>
        <translation>Power management</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Network</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Themes</source>
        <translation>Themes</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sounds</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Time zone</translation>
    </message>
    <message>
        <source>No program on this computer opens the &quot;%1&quot; settings. No desktop known to this program has such a page.</source>
        <translation>No program on this computer opens the &quot;%1&quot; settings. No desktop known to this program has such a page.</translation>
    </message>
    <message>
        <source>No program on this computer opens the &quot;%1&quot; settings. Any of these would: %2.</source>
        <translation>No program on this computer opens the &quot;%1&quot; settings. Any of these would: %2.</translation>
    </message>
    <message>
        <source>QUELMARN_CODEPAGE must be a code page number such as 1250, not %1.</source>
        <translation>QUELMARN_CODEPAGE must be a code page number such as 1250, not %1.</translation>
    </message>
    <message>
        <source>The code page conversion %1 -&gt; %2 is not available on this system.</source>
        <translation>The code page conversion %1 -&gt; %2 is not available on this system.</translation>
    </message>
    <message>
        <source>Text could not be converted from code page %1.</source>
        <translation>Text could not be converted from code page %1.</translation>
    </message>
    <message>
        <source>Text could not be converted to code page %1.</source>
        <translation>Text could not be converted to code page %1.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>%1: %2 is a folder, not a file.</source>
        <translation>%1: %2 is a folder, not a file.</translation>
    </message>
    <message>
        <source>%1: %2 is read-only.</source>
        <translation>%1: %2 is read-only.</translation>
    </message>
    <message>
        <source>%1: %2 is a symbolic link to %3, which does not exist.</source>
        <translation>%1: %2 is a symbolic link to %3, which does not exist.</translation>
    </message>
    <message>
        <source>%1: %2 cannot be opened</source>
        <translation>%1: %2 cannot be opened</translation>
    </message>
    <message>
        <source>%1: %2 is not a regular file.</source>
        <translation>%1: %2 is not a regular file.</translation>
    </message>
    <message>
        <source>The file %1 cannot be copied to %2</source>
        <translation>The file %1 cannot be copied to %2</translation>
    </message>
    <message>
        <source>%1: a file cannot be copied onto itself.</source>
        <translation>%1: a file cannot be copied onto itself.</translation>
    </message>
    <message>
        <source>%1: %2 already exists.</source>
        <translation>%1: %2 already exists.</translation>
    </message>
    <message>
        <source>The file %1 was copied to %2, but the original cannot be removed</source>
        <translation>The file %1 was copied to %2, but the original cannot be removed</translation>
    </message>
    <message>
        <source>The file %1 cannot be moved to %2</source>
        <translation>The file %1 cannot be moved to %2</translation>
    </message>
    <message>
        <source>The file %1 cannot be deleted</source>
        <translation>The file %1 cannot be deleted</translation>
    </message>
    <message>
        <source>%1: it is a folder, not a file.</source>
        <translation>%1: it is a folder, not a file.</translation>
    </message>
    <message>
        <source>%1: it is read-only.</source>
        <translation>%1: it is read-only.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be read</source>
        <translation>The folder %1 cannot be read</translation>
    </message>
    <message>
        <source>No file matches %1.</source>
        <translation>No file matches %1.</translation>
    </message>
    <message>
        <source>The destination %1 is not an existing folder.</source>
        <translation>The destination %1 is not an existing folder.</translation>
    </message>
    <message>
        <source>No file to copy was given: the path is empty.</source>
        <translation>No file to copy was given: the path is empty.</translation>
    </message>
    <message>
        <source>No destination was given: the path is empty.</source>
        <translation>No destination was given: the path is empty.</translation>
    </message>
    <message>
        <source>No file to move was given: the path is empty.</source>
        <translation>No file to move was given: the path is empty.</translation>
    </message>
    <message>
        <source>No file to delete was given: the path is empty.</source>
        <translation>No file to delete was given: the path is empty.</translation>
    </message>
    <message>
        <source>No folder to create was given: the path is empty.</source>
        <translation>No folder to create was given: the path is empty.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created</source>
        <translation>The folder %1 cannot be created</translation>
    </message>
    <message>
        <source>No file to open was given: the path is empty.</source>
        <translation>No file to open was given: the path is empty.</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened: it is larger than %2 MiB.</source>
        <translation>The file %1 cannot be opened: it is larger than %2 MiB.</translation>
    </message>
    <message>
        <source>No file to write was given: the path is empty.</source>
        <translation>No file to write was given: the path is empty.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written</source>
        <translation>The file %1 cannot be written</translation>
    </message>
    <message>
        <source>The user cannot be logged off: neither the desktop&apos;s session manager nor logind ended the session (%1).</source>
        <translation>The user cannot be logged off: neither the desktop&apos;s session manager nor logind ended the session (%1).</translation>
    </message>
    <message>
        <source>The computer cannot be shut down: logind answered %1.</source>
        <translation>The computer cannot be shut down: logind answered %1.</translation>
    </message>
    <message>
        <source>The computer cannot be restarted: logind answered %1.</source>
        <translation>The computer cannot be restarted: logind answered %1.</translation>
    </message>
    <message>
        <source>The system version cannot be read from the kernel release %1.</source>
        <translation>The system version cannot be read from the kernel release %1.</translation>
    </message>
    <message>
        <source>The system version cannot be read (uname: %1).</source>
        <translation>The system version cannot be read (uname: %1).</translation>
    </message>
    <message>
        <source>The time since the system started cannot be read: %1.</source>
        <translation>The time since the system started cannot be read: %1.</translation>
    </message>
    <message>
        <source>The program&apos;s own folder cannot be found (/proc/self/exe is not readable).</source>
        <translation>The program&apos;s own folder cannot be found (/proc/self/exe is not readable).</translation>
    </message>
    <message>
        <source>The field %1 of %2 cannot be read (%3).</source>
        <translation>The field %1 of %2 cannot be read (%3).</translation>
    </message>
    <message>
        <source>The field %1 of %2 is too large (%3).</source>
        <translation>The field %1 of %2 is too large (%3).</translation>
    </message>
    <message>
        <source>The memory figures cannot be read: %1 has no field %2.</source>
        <translation>The memory figures cannot be read: %1 has no field %2.</translation>
    </message>
    <message>
        <source>The settings file %1 is larger than %2 MiB and is left as it is.</source>
        <translation>The settings file %1 is larger than %2 MiB and is left as it is.</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened: it is a folder, not a regular file.</source>
        <translation>The file %1 cannot be opened: it is a folder, not a regular file.</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened: it is a FIFO (named pipe), not a regular file.</source>
        <translation>The file %1 cannot be opened: it is a FIFO (named pipe), not a regular file.</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened: it is a socket, not a regular file.</source>
        <translation>The file %1 cannot be opened: it is a socket, not a regular file.</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened: it is a device, not a regular file.</source>
        <translation>The file %1 cannot be opened: it is a device, not a regular file.</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened: it is not a regular file.</source>
        <translation>The file %1 cannot be opened: it is not a regular file.</translation>
    </message>
    <message>
        <source>No file to read was given: the path is empty.</source>
        <translation>No file to read was given: the path is empty.</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened: %2.</source>
        <translation>The file %1 cannot be opened: %2.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2.</source>
        <translation>The file %1 cannot be read: %2.</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>No such file or directory</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permission denied</translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation>Operation not permitted</translation>
    </message>
    <message>
        <source>File exists</source>
        <translation>File exists</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Is a directory</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>Not a directory</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>No space left on device</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Disk quota exceeded</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Read-only file system</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>File name too long</translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>Too many levels of symbolic links</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Input/output error</translation>
    </message>
    <message>
        <source>Device or resource busy</source>
        <translation>Device or resource busy</translation>
    </message>
    <message>
        <source>Invalid cross-device link</source>
        <translation>Invalid cross-device link</translation>
    </message>
    <message>
        <source>The language file %1 is damaged: record %2 has the invalid length %3.</source>
        <translation>The language file %1 is damaged: record %2 has the invalid length %3.</translation>
    </message>
    <message>
        <source>This desktop&apos;s program %1 was not found, so the panels cannot be controlled with it.</source>
        <translation>This desktop&apos;s program %1 was not found, so the panels cannot be controlled with it.</translation>
    </message>
    <message>
        <source>The program %1 did not answer within ten seconds.</source>
        <translation>The program %1 did not answer within ten seconds.</translation>
    </message>
    <message>
        <source>%1 refused the request: %2</source>
        <translation>%1 refused the request: %2</translation>
    </message>
    <message>
        <source>GNOME Shell does not answer on the session bus (%1).</source>
        <translation>GNOME Shell does not answer on the session bus (%1).</translation>
    </message>
    <message>
        <source>GNOME Shell does not know the extension %1 that this program installs yet: it loads extensions only at log-in. After logging off and on again once, this button will work.</source>
        <translation>GNOME Shell does not know the extension %1 that this program installs yet: it loads extensions only at log-in. After logging off and on again once, this button will work.</translation>
    </message>
    <message>
        <source>GNOME Shell cannot start the extension %1: %2</source>
        <translation>GNOME Shell cannot start the extension %1: %2</translation>
    </message>
    <message>
        <source>GNOME Shell refused to enable the extension %1 (%2). Extensions may be turned off in the settings.</source>
        <translation>GNOME Shell refused to enable the extension %1 (%2). Extensions may be turned off in the settings.</translation>
    </message>
    <message>
        <source>The extension %1 in GNOME Shell does not answer (%2).</source>
        <translation>The extension %1 in GNOME Shell does not answer (%2).</translation>
    </message>
    <message>
        <source>Sway has no panel (bar) that could be hidden.</source>
        <translation>Sway has no panel (bar) that could be hidden.</translation>
    </message>
    <message>
        <source>Xfce has no panel.</source>
        <translation>Xfce has no panel.</translation>
    </message>
    <message>
        <source>The Xfce panels have no Applications menu (nor a Whisker menu) that could be hidden.</source>
        <translation>The Xfce panels have no Applications menu (nor a Whisker menu) that could be hidden.</translation>
    </message>
    <message>
        <source>KDE Plasma has no panel.</source>
        <translation>KDE Plasma has no panel.</translation>
    </message>
    <message>
        <source>In KDE Plasma the Start button is the application launcher widget. It can be hidden only by removing it from the panel, which deletes its settings and favourites; so the program leaves it alone.</source>
        <translation>In KDE Plasma the Start button is the application launcher widget. It can be hidden only by removing it from the panel, which deletes its settings and favourites; so the program leaves it alone.</translation>
    </message>
    <message>
        <source>The KDE Plasma desktop did not answer (%1).</source>
        <translation>The KDE Plasma desktop did not answer (%1).</translation>
    </message>
    <message>
        <source>No panel (a window of type DOCK) that could be hidden was found on this desktop.</source>
        <translation>No panel (a window of type DOCK) that could be hidden was found on this desktop.</translation>
    </message>
    <message>
        <source>The desktop %1 does not let programs hide the panel or the Start button.</source>
        <translation>The desktop %1 does not let programs hide the panel or the Start button.</translation>
    </message>
    <message>
        <source>This desktop&apos;s panel draws the Start button inside its own window, so it cannot be hidden on its own.</source>
        <translation>This desktop&apos;s panel draws the Start button inside its own window, so it cannot be hidden on its own.</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>a folder</translation>
    </message>
    <message>
        <source>a FIFO (named pipe)</source>
        <translation>a FIFO (named pipe)</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>a socket</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>a device</translation>
    </message>
    <message>
        <source>a special file</source>
        <translation>a special file</translation>
    </message>
    <message>
        <source>%1: no file can be created in the folder %2</source>
        <translation>%1: no file can be created in the folder %2</translation>
    </message>
    <message>
        <source>%1: %2 is %3, not a regular file.</source>
        <translation>%1: %2 is %3, not a regular file.</translation>
    </message>
    <message>
        <source>%1: the file changed while it was being copied.</source>
        <translation>%1: the file changed while it was being copied.</translation>
    </message>
    <message>
        <source>the destination</source>
        <translation>the destination</translation>
    </message>
    <message>
        <source>The link %1 was copied to %2, but the original cannot be removed</source>
        <translation>The link %1 was copied to %2, but the original cannot be removed</translation>
    </message>
    <message>
        <source>Already copied:</source>
        <translation>Already copied:</translation>
    </message>
    <message>
        <source>Already moved:</source>
        <translation>Already moved:</translation>
    </message>
    <message>
        <source>Already deleted:</source>
        <translation>Already deleted:</translation>
    </message>
    <message>
        <source>it</source>
        <translation>it</translation>
    </message>
    <message>
        <source>The browser cannot be started as root: its sandbox does not allow it.</source>
        <translation>The browser cannot be started as root: its sandbox does not allow it.</translation>
    </message>
</context>
</TS>
