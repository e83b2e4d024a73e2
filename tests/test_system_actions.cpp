// The operating-system window's buttons: which settings program each role
// opens on each desktop, the window style of each button, the
// system-information message, log-off and the shut-down choices, the
// pointer's display count and the taskbar calls.

#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "platform/failure.h"
#include "platform/services/pointer_display.h"
#include "platform/services/settings_applets.h"
#include "platform/services/shutdown_dialog.h"
#include "platform/sys/desktop.h"
#include "sections/system/frm_system.h"
#include "tests/support/test_support.h"

using platform::SettingsRole;
using platform::ShutdownChoice;
using platform::off_reset_logout::Ability;
Q_DECLARE_METATYPE(SettingsRole)
Q_DECLARE_METATYPE(ShutdownChoice)
Q_DECLARE_METATYPE(Ability)

namespace {

void click(frm_system& window, int number)
{
    auto* button = window.findChild<QPushButton*>(QStringLiteral("Command%1").arg(number));
    if (!button) qFatal("no Command%d", number);
    button->click();
}

// A program finder that knows only the given programs, at /opt/bin.
std::function<QString(const QString&)> onlyPrograms(const QStringList& installed)
{
    return [installed](const QString& program) {
        return installed.contains(program) ? QStringLiteral("/opt/bin/") + program : QString();
    };
}

void writeExecutable(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) qFatal("cannot write %s", qPrintable(path));
    file.write("#!/bin/sh\nexit 0\n");
    file.close();
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

} // namespace

class SystemActionsTest : public QObject {
    Q_OBJECT
private slots:
    // Every button opens its own role with the button's window style, and
    // the role keeps the Windows command line of that button.
    void settingsButtonsStartTheirRole_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("role");
        QTest::addColumn<QString>("applet");
        QTest::addColumn<int>("style");
        const struct {
            int button;
            const char* role;
            const char* applet;
            int style;
        } rows[] = {
            {2, "Modems", "modem.cpl", 1},
            {3, "Multimedia", "mmsys.cpl,,4", 1},
            {6, "Date and time", "timedate.cpl,,0", 1},
            {7, "Game controllers", "joy.cpl,,0", 1},
            {8, "Passwords", "password.cpl", 1},
            {9, "Mouse", "main.cpl @0", 2},
            {10, "Keyboard", "main.cpl @1", 2},
            {11, "Printers", "main.cpl @2", 2},
            {12, "Fonts", "main.cpl @3", 2},
            {13, "Regional settings", "intl.cpl,,0", 1},
            {14, "Display", "desk.cpl,,1", 1},
            {15, "ODBC data sources", "oddbccp32.cpl", 1},
            {16, "Add or remove programs", "appwiz.cpl,,0", 1},
            {17, "Add hardware", "sysdm.cpl @1", 1},
            {18, "Power management", "powercfg.cpl,,0", 1},
            {19, "Network", "netcpl.cpl,,0", 1},
            {20, "System", "sysdm.cpl,,0", 1},
            {21, "Themes", "themes.cpl", 1},
            {22, "Sounds", "mmsys.cpl @1", 1},
            {23, "Time zone", "timedate.cpl,,1", 1},
        };
        for (const auto& row : rows)
            QTest::addRow("Command%d", row.button)
                << row.button << QString(row.role) << QString(row.applet) << row.style;
    }
    void settingsButtonsStartTheirRole()
    {
        QFETCH(int, button);
        QFETCH(QString, role);
        QFETCH(QString, applet);
        QFETCH(int, style);
        testing::FakeApp app;
        frm_system window(app.context);
        click(window, button);
        // The fake applets answer with the role's name as the command line.
        QCOMPARE(app.fakes.programs.calls.size(), size_t(1));
        QCOMPARE(app.fakes.programs.calls[0].commandLine, role);
        QCOMPARE(app.fakes.programs.calls[0].windowStyle, style);
        QVERIFY(app.fakes.messages.calls.empty());

        bool found = false;
        for (const platform::SettingsApplet& entry : platform::settingsAppletTable()) {
            if (entry.name != role) continue;
            found = true;
            QCOMPARE(platform::controlPanelCommandLine(entry),
                     QStringLiteral("rundll32.exe shell32.dll,Control_RunDLL ") + applet);
            QCOMPARE(entry.windowStyle, style);
        }
        QVERIFY(found);
    }

    // The desktop's own settings first, then programs for any desktop; the
    // first one installed wins.
    void roleCommandPerDesktop_data()
    {
        QTest::addColumn<SettingsRole>("role");
        QTest::addColumn<QString>("desktop");
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<QString>("expected");
        const QStringList everything = {"gnome-control-center",
                                        "systemsettings",
                                        "systemsettings5",
                                        "kcmshell5",
                                        "xfce4-mouse-settings",
                                        "xfce4-display-settings",
                                        "pavucontrol",
                                        "system-config-printer",
                                        "nm-connection-editor",
                                        "jstest-gtk",
                                        "gnome-software",
                                        "lxinput",
                                        "arandr"};
        QTest::newRow("gnome printers") << SettingsRole::Printers << "GNOME" << everything
                                        << "gnome-control-center printers";
        QTest::newRow("ubuntu gnome list")
            << SettingsRole::Sounds << "ubuntu:GNOME" << everything << "gnome-control-center sound";
        QTest::newRow("kde mouse") << SettingsRole::Mouse << "KDE" << everything << "systemsettings kcm_mouse";
        QTest::newRow("older plasma") << SettingsRole::Keyboard << "KDE" << QStringList{"systemsettings5"}
                                      << "systemsettings5 kcm_keyboard";
        QTest::newRow("kcmshell only") << SettingsRole::Display << "KDE" << QStringList{"kcmshell5"}
                                       << "kcmshell5 kcm_kscreen";
        QTest::newRow("xfce mouse") << SettingsRole::Mouse << "XFCE" << everything << "xfce4-mouse-settings";
        QTest::newRow("xfce display") << SettingsRole::Display << "XFCE" << everything << "xfce4-display-settings";
        QTest::newRow("xfce sounds fall back") << SettingsRole::Sounds << "XFCE" << everything << "pavucontrol";
        QTest::newRow("xfce printers fall back")
            << SettingsRole::Printers << "XFCE" << everything << "system-config-printer";
        QTest::newRow("gnome without control center")
            << SettingsRole::Network << "GNOME" << QStringList{"nm-connection-editor"} << "nm-connection-editor";
        QTest::newRow("gnome game controllers")
            << SettingsRole::GameControllers << "GNOME" << everything << "jstest-gtk";
        QTest::newRow("unknown desktop") << SettingsRole::Multimedia << "X-Cinnamon" << everything << "pavucontrol";
        QTest::newRow("no desktop") << SettingsRole::AddRemovePrograms << "" << everything << "gnome-software";
        QTest::newRow("gnome control center ignored elsewhere")
            << SettingsRole::Mouse << "LXDE" << everything << "lxinput";
        QTest::newRow("display anywhere") << SettingsRole::Display << "" << everything << "arandr";
        // Installed settings of another desktop serve where nothing else does.
        const QStringList desktops = {"gnome-control-center", "systemsettings", "xfce4-mouse-settings"};
        QTest::newRow("sway mouse") << SettingsRole::Mouse << "sway" << desktops
                                    << "env XDG_CURRENT_DESKTOP=GNOME gnome-control-center mouse";
        QTest::newRow("xfce mouse on plasma")
            << SettingsRole::Mouse << "KDE" << QStringList{"xfce4-mouse-settings"} << "xfce4-mouse-settings";
        QTest::newRow("plasma display on gnome")
            << SettingsRole::Display << "GNOME" << QStringList{"kcmshell5"} << "kcmshell5 kcm_kscreen";
    }
    void roleCommandPerDesktop()
    {
        QFETCH(SettingsRole, role);
        QFETCH(QString, desktop);
        QFETCH(QStringList, installed);
        QFETCH(QString, expected);
        QCOMPARE(platform::settingsCommandLine(platform::settingsApplet(role), desktop, onlyPrograms(installed)),
                 expected);
    }

    void missingRoleNamesWhatWouldServe()
    {
        try {
            platform::settingsCommandLine(platform::settingsApplet(SettingsRole::Printers), QStringLiteral("KDE"),
                                          onlyPrograms({QStringLiteral("pavucontrol")}));
            QFAIL("a role without a program must fail");
        } catch (const platform::Failure& failure) {
            const QString message = QString::fromStdString(failure.what());
            QVERIFY2(message.contains(QStringLiteral("\"Printers\"")), qPrintable(message));
            QVERIFY2(message.contains(QStringLiteral("gnome-control-center (GNOME)")), qPrintable(message));
            QVERIFY2(message.contains(QStringLiteral("systemsettings (KDE Plasma)")), qPrintable(message));
            QVERIFY2(message.contains(QStringLiteral("system-config-printer")), qPrintable(message));
        }
    }

    // The real look-up: the session's desktop and programs in its program
    // folders (a file that is not executable does not count).
    void desktopLookUpReadsPathAndDesktop()
    {
        QTemporaryDir bin, other;
        QVERIFY(bin.isValid() && other.isValid());
        writeExecutable(bin.filePath(QStringLiteral("xfce4-display-settings")));
        writeExecutable(other.filePath(QStringLiteral("arandr")));
        writeExecutable(bin.filePath(QStringLiteral("kinfocenter")));
        testing::writeFile(bin.filePath(QStringLiteral("system-config-printer")), "not a program");
        const std::vector<std::string> folders = {bin.path().toStdString(), other.path().toStdString()};
        {
            platform::DesktopSettingsApplets applets({"XFCE", {}, folders});
            QCOMPARE(applets.commandLine(SettingsRole::Display), QStringLiteral("xfce4-display-settings"));
        }
        {
            platform::DesktopSettingsApplets applets({"GNOME", {}, folders});
            QCOMPARE(applets.commandLine(SettingsRole::Display), QStringLiteral("arandr"));
            QVERIFY_THROWS_EXCEPTION(platform::Failure, applets.commandLine(SettingsRole::Printers));
            const platform::SystemInformationProgram info = applets.systemInformation();
            QVERIFY(info.exists);
            QCOMPARE(info.path, bin.filePath(QStringLiteral("kinfocenter")));
        }
    }

    void systemInformationProgramChoice_data()
    {
        QTest::addColumn<QString>("desktop");
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("exists");
        const QStringList all = {"hardinfo", "kinfocenter", "gnome-system-monitor", "xfce4-taskmanager"};
        QTest::newRow("kde's own first") << "KDE" << all << "/opt/bin/kinfocenter" << true;
        QTest::newRow("gnome's own first") << "GNOME" << all << "/opt/bin/gnome-system-monitor" << true;
        QTest::newRow("xfce's own first") << "XFCE" << all << "/opt/bin/xfce4-taskmanager" << true;
        QTest::newRow("elsewhere the list's order") << "" << all << "/opt/bin/hardinfo" << true;
        QTest::newRow("only one installed")
            << "KDE" << QStringList{"gnome-system-monitor"} << "/opt/bin/gnome-system-monitor" << true;
        QTest::newRow("none") << "" << QStringList{} << "/usr/bin/hardinfo" << false;
        QTest::newRow("none on kde names kde's") << "KDE" << QStringList{} << "/usr/bin/kinfocenter" << false;
    }
    void systemInformationProgramChoice()
    {
        QFETCH(QString, desktop);
        QFETCH(QStringList, installed);
        QFETCH(QString, path);
        QFETCH(bool, exists);
        const auto program = platform::systemInformationProgram(desktop, onlyPrograms(installed));
        QCOMPARE(program.path, path);
        QCOMPARE(program.exists, exists);
    }

    void systemInformationStartsMinimised()
    {
        testing::FakeApp app;
        app.fakes.applets.systemInformationAnswer = {QStringLiteral("/usr/bin/hardinfo"), true};
        frm_system window(app.context);
        click(window, 1);
        QCOMPARE(app.fakes.programs.calls.size(), size_t(1));
        QCOMPARE(app.fakes.programs.calls[0].commandLine, QStringLiteral("/usr/bin/hardinfo"));
        QCOMPARE(app.fakes.programs.calls[0].windowStyle, 2);
        QVERIFY(app.fakes.messages.calls.empty());
    }

    void missingSystemInformationShowsMessage()
    {
        testing::FakeApp app;
        app.fakes.applets.systemInformationAnswer = {QStringLiteral("/usr/bin/hardinfo"), false};
        frm_system window(app.context);
        click(window, 1);
        QVERIFY(app.fakes.programs.calls.empty());
        QCOMPARE(app.fakes.messages.calls.size(), size_t(1));
        QCOMPARE(app.fakes.messages.calls[0].text, QStringLiteral("Soubor /usr/bin/hardinfo neexistuje!"));
        QCOMPARE(app.fakes.messages.calls[0].style, 0);
        QVERIFY(!app.fakes.messages.calls[0].title.has_value());
    }

    void roleWithoutProgramIsReportedAndStartsNothing()
    {
        testing::FakeApp app;
        app.fakes.applets.missing = {SettingsRole::Odbc};
        frm_system window(app.context);
        click(window, 15);
        QVERIFY(app.fakes.programs.calls.empty());
        QCOMPARE(app.fakes.messages.calls.size(), size_t(1));
        QCOMPARE(app.fakes.messages.calls[0].style, 16);
        QVERIFY(app.fakes.messages.calls[0].text.contains(QStringLiteral("ODBC data sources")));
        // The window goes on: the next button works.
        click(window, 14);
        QCOMPARE(app.fakes.programs.calls.size(), size_t(1));
    }

    void programThatCannotStartIsReported()
    {
        testing::FakeApp app;
        app.fakes.programs.failingCommands << QStringLiteral("Themes");
        frm_system window(app.context);
        click(window, 21);
        QCOMPARE(app.fakes.messages.calls.size(), size_t(1));
        QCOMPARE(app.fakes.messages.calls[0].style, 16);
    }

    void logOffAtOnce()
    {
        testing::FakeApp app;
        frm_system window(app.context);
        app.system.log.calls.clear();
        click(window, 4);
        QCOMPARE(app.system.log.calls, std::vector<std::string>{"logOff"});
        QVERIFY(app.fakes.shutdownDialog.requests.empty()); // no question
        QVERIFY(app.fakes.messages.calls.empty());
    }

    void logOffRefusedIsReported()
    {
        testing::FakeApp app;
        app.system.session.failure = "The user cannot be logged off.";
        frm_system window(app.context);
        click(window, 4);
        QCOMPARE(app.fakes.messages.calls.size(), size_t(1));
        QCOMPARE(app.fakes.messages.calls[0].text, QStringLiteral("The user cannot be logged off."));
        QCOMPARE(app.fakes.messages.calls[0].style, 16);
    }

    void desktopPromptTakesOver()
    {
        testing::FakeApp app;
        app.system.session.hasDesktopPrompt = true;
        frm_system window(app.context);
        app.system.log.calls.clear();
        click(window, 5);
        QCOMPARE(app.system.log.calls, std::vector<std::string>{"desktopShutdownPrompt"});
        QVERIFY(app.fakes.shutdownDialog.requests.empty());
    }

    void ownDialogOffersWhatTheMachineAllows_data()
    {
        QTest::addColumn<Ability>("powerOff");
        QTest::addColumn<Ability>("reboot");
        QTest::addColumn<bool>("powerOffOffered");
        QTest::addColumn<bool>("rebootOffered");
        QTest::newRow("both allowed") << Ability::Yes << Ability::Yes << true << true;
        QTest::newRow("after a password") << Ability::Challenge << Ability::Challenge << true << true;
        QTest::newRow("power-off refused") << Ability::No << Ability::Yes << false << true;
        QTest::newRow("no logind") << Ability::NotAvailable << Ability::NotAvailable << false << false;
    }
    void ownDialogOffersWhatTheMachineAllows()
    {
        QFETCH(Ability, powerOff);
        QFETCH(Ability, reboot);
        QFETCH(bool, powerOffOffered);
        QFETCH(bool, rebootOffered);
        testing::FakeApp app;
        app.system.session.powerOffAbility = powerOff;
        app.system.session.rebootAbility = reboot;
        frm_system window(app.context);
        click(window, 5);
        QCOMPARE(app.fakes.shutdownDialog.requests.size(), size_t(1));
        const platform::ShutdownRequest& request = app.fakes.shutdownDialog.requests[0];
        QCOMPARE(app.fakes.shutdownDialog.owners[0], static_cast<QWidget*>(&window));
        QCOMPARE(request.powerOffOffered, powerOffOffered);
        QCOMPARE(request.rebootOffered, rebootOffered);
        QCOMPARE(request.logOffText, QStringLiteral("T24"));
        QCOMPARE(request.title, QStringLiteral("Quelmarn Manager - T23"));
    }

    void ownDialogChoiceIsCarriedOut_data()
    {
        QTest::addColumn<ShutdownChoice>("choice");
        QTest::addColumn<QString>("call");
        QTest::newRow("shut down") << ShutdownChoice::PowerOff << "powerOff";
        QTest::newRow("restart") << ShutdownChoice::Reboot << "reboot";
        QTest::newRow("log off") << ShutdownChoice::LogOff << "logOff";
        QTest::newRow("cancel") << ShutdownChoice::Cancel << "";
    }
    void ownDialogChoiceIsCarriedOut()
    {
        QFETCH(ShutdownChoice, choice);
        QFETCH(QString, call);
        testing::FakeApp app;
        app.fakes.shutdownDialog.choice = choice;
        frm_system window(app.context);
        click(window, 5);
        for (const char* action : {"powerOff", "reboot", "logOff"})
            QCOMPARE(app.system.log.count(action), call == QLatin1String(action) ? 1 : 0);
    }

    // The dialog itself: refused choices disabled, the pressed one returned.
    void shutdownDialogButtons_data()
    {
        QTest::addColumn<QString>("press");
        QTest::addColumn<ShutdownChoice>("choice");
        QTest::newRow("reboot") << "reboot" << ShutdownChoice::Reboot;
        QTest::newRow("log off") << "logOff" << ShutdownChoice::LogOff;
        QTest::newRow("cancel") << "cancel" << ShutdownChoice::Cancel;
        QTest::newRow("disabled power-off does nothing") << "powerOff" << ShutdownChoice::Cancel;
    }
    void shutdownDialogButtons()
    {
        QFETCH(QString, press);
        QFETCH(ShutdownChoice, choice);
        QWidget owner;
        platform::ShutdownRequest request{QStringLiteral("Vypnout"),
                                          QStringLiteral("Vypnout počítač"),
                                          QStringLiteral("Restartovat počítač"),
                                          QStringLiteral("Odhlásit"),
                                          QStringLiteral("Zrušit"),
                                          false,
                                          true};
        bool checked = false;
        QTimer::singleShot(0, [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            QVERIFY(dialog);
            QCOMPARE(dialog->parentWidget(), &owner);
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Vypnout"));
            auto* powerOff = dialog->findChild<QPushButton*>(QStringLiteral("powerOff"));
            QVERIFY(powerOff && !powerOff->isEnabled());
            QCOMPARE(powerOff->text(), QStringLiteral("Vypnout počítač"));
            QVERIFY(dialog->findChild<QPushButton*>(QStringLiteral("reboot"))->isEnabled());
            QVERIFY(dialog->findChild<QPushButton*>(QStringLiteral("logOff"))->isEnabled());
            QTest::mouseClick(dialog->findChild<QPushButton*>(press), Qt::LeftButton);
            checked = true;
            if (dialog->isVisible()) dialog->findChild<QPushButton*>(QStringLiteral("cancel"))->click();
        });
        QCOMPARE(platform::QtShutdownDialogService().ask(&owner, request), choice);
        QVERIFY(checked);
    }

    void pointerButtonsMoveTheCount()
    {
        testing::FakeApp app;
        frm_system window(app.context);
        click(window, 24);
        click(window, 24);
        click(window, 25);
        QCOMPARE(app.fakes.pointerDisplay.calls, (std::vector<bool>{false, false, true}));
        QCOMPARE(app.fakes.pointerDisplay.count, -1);
    }

    // The real count: a blank override cursor while it is below 0.
    void displayCount_data()
    {
        QTest::addColumn<bool>("mouse");
        QTest::addColumn<QString>("presses"); // h: hide, s: show
        QTest::addColumn<int>("count");
        QTest::newRow("hide once") << true << "h" << -1;
        QTest::newRow("hide twice, show once") << true << "hhs" << -1;
        QTest::newRow("hide twice, show twice") << true << "hhss" << 0;
        QTest::newRow("show first, then hide") << true << "sh" << 0;
        QTest::newRow("show twice, hide twice") << true << "sshh" << 0;
        QTest::newRow("no mouse starts hidden") << false << "" << -1;
        QTest::newRow("no mouse, show once") << false << "s" << 0;
        QTest::newRow("no mouse, show then hide") << false << "sh" << -1;
    }
    void displayCount()
    {
        QFETCH(bool, mouse);
        QFETCH(QString, presses);
        QFETCH(int, count);
        QVERIFY(!QGuiApplication::overrideCursor());
        {
            platform::QtPointerDisplay display([mouse] { return mouse; });
            for (QChar press : presses) display.showCursor(press == QLatin1Char('s'));
            QCOMPARE(display.count(), count);
            const bool blank = count < 0;
            QCOMPARE(QGuiApplication::overrideCursor() != nullptr, blank);
            if (blank) QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::BlankCursor);
        }
        QVERIFY(!QGuiApplication::overrideCursor()); // the count's end takes the blank pointer back
    }

    // One count for the program: a window closed and opened again goes on
    // from where the clicks left it, and every window shows the blank pointer.
    void countOutlivesTheWindow()
    {
        testing::FakeApp app;
        platform::QtPointerDisplay display([] { return true; });
        AppContext context{app.table, app.fakes.with(display), [] {}, app.system.view(), app.config};
        auto* first = new frm_system(context);
        first->setAttribute(Qt::WA_DeleteOnClose);
        first->show();
        click(*first, 24);
        click(*first, 24);
        first->close();
        QWidget other;
        other.show();
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::BlankCursor);
        frm_system second(context);
        click(second, 25);
        QCOMPARE(display.count(), -1);
        QVERIFY(QGuiApplication::overrideCursor());
        click(second, 25);
        QCOMPARE(display.count(), 0);
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    void taskbarButtons()
    {
        testing::FakeApp app;
        frm_system window(app.context);
        app.system.log.calls.clear();
        for (int button : {26, 27, 28, 29, 28}) click(window, button);
        QCOMPARE(app.system.log.calls,
                 (std::vector<std::string>{"hideTaskbar", "showTaskbar", "hideStartButton", "showStartButton",
                                           "hideStartButton"}));
    }

    void desktopNames_data()
    {
        using platform::desktop::Desktop;
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("desktop");
        QTest::newRow("GNOME") << "GNOME" << int(Desktop::Gnome);
        QTest::newRow("ubuntu:GNOME") << "ubuntu:GNOME" << int(Desktop::Gnome);
        QTest::newRow("GNOME-Flashback:GNOME") << "GNOME-Flashback:GNOME" << int(Desktop::Gnome);
        QTest::newRow("KDE") << "KDE" << int(Desktop::Kde);
        QTest::newRow("lower case kde") << "kde" << int(Desktop::Kde);
        QTest::newRow("XFCE") << "XFCE" << int(Desktop::Xfce);
        QTest::newRow("X-Cinnamon") << "X-Cinnamon" << int(Desktop::Other);
        QTest::newRow("first known wins") << "X-Generic:KDE:GNOME" << int(Desktop::Kde);
        QTest::newRow("KDE-like name") << "KDEX" << int(Desktop::Other);
        QTest::newRow("empty") << "" << int(Desktop::Other);
    }
    void desktopNames()
    {
        QFETCH(QString, value);
        QFETCH(int, desktop);
        QCOMPARE(int(platform::desktop::desktopFromList(value.toStdString())), desktop);
    }
};

QTEST_MAIN(SystemActionsTest)
#include "test_system_actions.moc"
