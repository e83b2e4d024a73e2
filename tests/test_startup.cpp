// The start-up sequence: options.ini, the language file path, the failure
// that stops start-up before the main menu.

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/failure.h"
#include "platform/sys/ostatni_api.h"
#include "startup/environment.h"
#include "startup/frm_load.h"
#include "tests/support/test_support.h"

namespace {

struct StartupFixture {
    QTemporaryDir appFolder;
    QTemporaryDir windowsFolder;
    Configuration folders() const
    {
        Configuration config;
        config.applicationFolder = appFolder.path().toStdString();
        config.languageFolders.application = config.applicationFolder;
        config.windowsDirectory = windowsFolder.path().toStdString();
        return config;
    }
    void writeOptions(const std::string& ini) const { testing::writeFile(windowsFolder.path() + "/options.ini", ini); }
    void writeLanguage(const QString& name, const std::string& bytes) const
    {
        testing::writeFile(appFolder.path() + "/" + name, bytes);
    }
};

std::string allRecords(const QString& prefix)
{
    return testing::languageFileBytes([&](int r) { return prefix + QString::number(r); });
}

} // namespace

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void languageFileNameFromOptions_data()
    {
        QTest::addColumn<QString>("ini"); // "<none>": no options.ini at all
        QTest::addColumn<QString>("name");
        QTest::newRow("no options.ini") << "<none>"
                                        << "czech.qlk";
        QTest::newRow("no section") << "[OTHER]\nlokalizace=english.qlk\n"
                                    << "czech.qlk";
        QTest::newRow("no key") << "[OPTIONS]\nother=1\n"
                                << "czech.qlk";
        QTest::newRow("set") << "[OPTIONS]\nlokalizace=english.qlk\n"
                             << "english.qlk";
        QTest::newRow("any case") << "[Options]\nLokalizace=english.qlk\n"
                                  << "english.qlk";
        QTest::newRow("empty") << "[OPTIONS]\nlokalizace=\n"
                               << "";
        QTest::newRow("40 characters") << "[OPTIONS]\nlokalizace=abcdefghijklmnopqrstuvwxyz0123456789.qlk\n"
                                       << "abcdefghijklmnopqrstuvwxyz012";
        QTest::newRow("29 accented characters kept whole")
            << "[OPTIONS]\nlokalizace=ěščřžýáíéůúěščřžýáíéůúěščřžýáíéůú\n"
            << "ěščřžýáíéůúěščřžýáíéůúěščřžýá";
        QTest::newRow("folder part kept") << "[OPTIONS]\nlokalizace=lang/sk.qlk\n"
                                          << "lang/sk.qlk";
    }
    void languageFileNameFromOptions()
    {
        QFETCH(QString, ini);
        QFETCH(QString, name);
        StartupFixture f;
        if (ini != "<none>") f.writeOptions(ini.toStdString());
        const std::string iniPath = optionsPath(f.windowsFolder.path().toStdString());
        QCOMPARE(QString::fromStdString(frm_load::languageFileName(iniPath)), name);
    }

    // Folders named by letter: a = the program's, u = the user's, s and t
    // the system's in $XDG_DATA_DIRS order, i = the installed data folder.
    void languageFileIsSearchedInOrder_data()
    {
        QTest::addColumn<QString>("holding"); // the folders that hold czech.qlk
        QTest::addColumn<QString>("loaded");  // "" when start-up fails
        QTest::newRow("every folder") << "aust"
                                      << "a";
        QTest::newRow("program's folder first") << "ai"
                                                << "a";
        QTest::newRow("user before system") << "ust"
                                            << "u";
        QTest::newRow("system folders in their order") << "st"
                                                       << "s";
        QTest::newRow("second system folder") << "t"
                                              << "t";
        QTest::newRow("installed data folder last") << "ti"
                                                    << "t";
        QTest::newRow("installed data folder alone") << "i"
                                                     << "i";
        QTest::newRow("nowhere") << ""
                                 << "";
    }
    void languageFileIsSearchedInOrder()
    {
        QFETCH(QString, holding);
        QFETCH(QString, loaded);
        QTemporaryDir root;
        const auto folder = [&](char letter) { return root.path() + "/" + letter; };
        for (const QChar letter : QStringLiteral("austi")) {
            QVERIFY(QDir().mkpath(folder(letter.toLatin1())));
            if (holding.contains(letter))
                testing::writeFile(folder(letter.toLatin1()) + "/czech.qlk", allRecords(letter));
        }
        // A folder, not a file, by the language file's name does not count.
        if (!holding.contains('a')) QVERIFY(QDir().mkpath(folder('a') + "/czech.qlk"));
        QTemporaryDir windows;
        Configuration config;
        config.windowsDirectory = windows.path().toStdString();
        config.languageFolders = {folder('a').toStdString(),
                                  folder('u').toStdString(),
                                  {folder('s').toStdString(), folder('t').toStdString()},
                                  folder('i').toStdString()};
        Form1 table;
        try {
            frm_load::Form_Load(table, config, [] {});
            QCOMPARE(table.text(1), loaded + "1");
        } catch (const platform::Failure& failure) {
            QVERIFY2(loaded.isEmpty(), failure.what());
            const QString message = QString::fromUtf8(failure.what());
            QVERIFY(message.contains("\"czech.qlk\""));
            for (const char letter : {'a', 'u', 's', 't', 'i'})
                QVERIFY2(message.contains(folder(letter) + "\n") || message.endsWith(folder(letter)),
                         qPrintable(message));
        }
    }

    void languageFoldersFromTheEnvironment_data()
    {
        QTest::addColumn<QString>("dataHome"); // "<unset>" for an unset variable
        QTest::addColumn<QString>("dataDirs");
        QTest::addColumn<QStringList>("order");
        const QString l = "/quelmarn/languages";
        QTest::newRow("defaults") << "<unset>"
                                  << "<unset>"
                                  << QStringList{"/opt/q/bin", "/home/u/.local/share" + l, "/usr/local/share" + l,
                                                 "/usr/share" + l, "/opt/q/share" + l};
        QTest::newRow("empty means default")
            << ""
            << ""
            << QStringList{"/opt/q/bin", "/home/u/.local/share" + l, "/usr/local/share" + l, "/usr/share" + l,
                           "/opt/q/share" + l};
        QTest::newRow("own folders, in order")
            << "/data/me"
            << "/b:/a/" << QStringList{"/opt/q/bin", "/data/me" + l, "/b" + l, "/a" + l, "/opt/q/share" + l};
        QTest::newRow("relative entries ignored")
            << "mine"
            << "rel:/x::y" << QStringList{"/opt/q/bin", "/home/u/.local/share" + l, "/x" + l, "/opt/q/share" + l};
        QTest::newRow("each folder once")
            << "/usr/share"
            << "/usr/share:/opt/q/share//" << QStringList{"/opt/q/bin", "/usr/share" + l, "/opt/q/share" + l};
    }
    void languageFoldersFromTheEnvironment()
    {
        QFETCH(QString, dataHome);
        QFETCH(QString, dataDirs);
        QFETCH(QStringList, order);
        const QByteArray home = dataHome.toUtf8(), dirs = dataDirs.toUtf8();
        const auto folders =
            platform::ostatni_API::languageFolders("/opt/q/bin", dataHome == "<unset>" ? nullptr : home.constData(),
                                                   "/home/u", dataDirs == "<unset>" ? nullptr : dirs.constData());
        QStringList found;
        for (const std::string& folder : folders.searchOrder()) found << QString::fromStdString(folder);
        QCOMPARE(found, order);
    }

    // What the session's backends and the code pages take from the
    // environment, read once at start-up.
    void sessionAndCodePageFromTheEnvironment()
    {
        QProcessEnvironment environment;
        environment.insert(QStringLiteral("QUELMARN_CODEPAGE"), QStringLiteral("1251"));
        environment.insert(QStringLiteral("XDG_CURRENT_DESKTOP"), QStringLiteral("ubuntu:GNOME"));
        environment.insert(QStringLiteral("XDG_SESSION_ID"), QStringLiteral("c7"));
        environment.insert(QStringLiteral("PATH"), QStringLiteral("/opt/a::/usr/bin"));
        const Configuration read = readConfiguration(environment);
        QCOMPARE(read.codePage, 1251);
        QCOMPARE(read.session.currentDesktop, std::string("ubuntu:GNOME"));
        QCOMPARE(read.session.sessionId, std::string("c7"));
        QCOMPARE(read.session.programFolders, (std::vector<std::string>{"/opt/a", "/usr/bin"}));
        environment.insert(QStringLiteral("PATH"), QString());
        QVERIFY(readConfiguration(environment).session.programFolders.empty());
        environment.remove(QStringLiteral("PATH")); // the C library's default search path
        QVERIFY(!readConfiguration(environment).session.programFolders.empty());
    }

    // The engine ends the process where its sandbox refuses the user, unless
    // the user turned the sandbox off; the program never does.
    void webEngineUnavailableOnlyWhereTheSandboxWouldEndTheProcess_data()
    {
        QTest::addColumn<bool>("refused");
        QTest::addColumn<QString>("variable");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("unavailable");
        QTest::newRow("ordinary user") << false << QString() << QString() << false;
        QTest::newRow("root") << true << QString() << QString() << true;
        QTest::newRow("root, sandbox off") << true << "QTWEBENGINE_DISABLE_SANDBOX"
                                           << "1" << false;
        QTest::newRow("root, --no-sandbox") << true << "QTWEBENGINE_CHROMIUM_FLAGS"
                                            << "--disable-gpu --no-sandbox" << false;
        QTest::newRow("root, other flags") << true << "QTWEBENGINE_CHROMIUM_FLAGS"
                                           << "--no-sandboxes" << true;
    }
    void webEngineUnavailableOnlyWhereTheSandboxWouldEndTheProcess()
    {
        QFETCH(bool, refused);
        QFETCH(QString, variable);
        QFETCH(QString, value);
        QFETCH(bool, unavailable);
        QProcessEnvironment environment;
        if (!variable.isEmpty()) environment.insert(variable, value);
        const QString reason = webEngineUnavailable(refused, environment);
        QCOMPARE(!reason.isEmpty(), unavailable);
        if (unavailable) QVERIFY2(reason.contains(QLatin1String("root")), qPrintable(reason));
    }

    void loadsTheNamedFileFromTheApplicationFolder()
    {
        StartupFixture f;
        f.writeLanguage("czech.qlk", allRecords("cz"));
        f.writeLanguage("english.qlk", allRecords("en"));
        Form1 table;
        int menus = 0;
        frm_load::Form_Load(table, f.folders(), [&] {
            QCOMPARE(table.text(67), QStringLiteral("cz16")); // the table is full before the menu loads
            ++menus;
        });
        QCOMPARE(menus, 1);

        f.writeOptions("[OPTIONS]\r\nlokalizace=english.qlk\r\n");
        Form1 english;
        frm_load::Form_Load(english, f.folders(), [&] { ++menus; });
        QCOMPARE(english.text(16), QStringLiteral("en17"));
        QCOMPARE(menus, 2);
    }

    void languageFileCanBeReplacedAfterStartUp()
    {
        StartupFixture f;
        f.writeLanguage("czech.qlk", allRecords("old"));
        Form1 table;
        frm_load::Form_Load(table, f.folders(), [] {});
        f.writeLanguage("czech.qlk", allRecords("new")); // the file is closed: no lock stops this
        QCOMPARE(table.text(1), QStringLiteral("old1"));
    }

    void failuresStopBeforeTheMainMenu_data()
    {
        QTest::addColumn<QString>("ini");
        QTest::addColumn<QString>("fileName");  // language file written, "" for none
        QTest::addColumn<QString>("mentioned"); // in the message
        QTest::newRow("default file missing") << ""
                                              << ""
                                              << "czech.qlk";
        QTest::newRow("named file missing") << "[OPTIONS]\nlokalizace=slovak.qlk\n"
                                            << "czech.qlk"
                                            << "slovak.qlk";
        QTest::newRow("name cut to a missing file")
            << "[OPTIONS]\nlokalizace=abcdefghijklmnopqrstuvwxyz0123456789.qlk\n"
            << "abcdefghijklmnopqrstuvwxyz0123456789.qlk"
            << "abcdefghijklmnopqrstuvwxyz012";
        QTest::newRow("empty name opens the folder") << "[OPTIONS]\nlokalizace=\n"
                                                     << "czech.qlk"
                                                     << "cannot";
        QTest::newRow("negative length") << ""
                                         << "broken"
                                         << "record 3";
    }
    void failuresStopBeforeTheMainMenu()
    {
        QFETCH(QString, ini);
        QFETCH(QString, fileName);
        QFETCH(QString, mentioned);
        StartupFixture f;
        if (!ini.isEmpty()) f.writeOptions(ini.toStdString());
        if (fileName == "broken")
            f.writeLanguage("czech.qlk",
                            std::string("\x01\x00"
                                        "a\x01\x00"
                                        "b\xFF\xFF",
                                        8));
        else if (!fileName.isEmpty())
            f.writeLanguage(fileName, allRecords("x"));

        Form1 table;
        testing::FakeApp app;
        int menus = 0;
        const int status = frm_load::runOrReport(
            table, [&] { return f.folders(); }, app.fakes.messages, [&] { ++menus; });
        QCOMPARE(status, 1);
        QCOMPARE(menus, 0);
        QCOMPARE(app.fakes.messages.calls.size(), size_t(1));
        const auto& shown = app.fakes.messages.calls[0];
        QCOMPARE(shown.style, 16);
        QCOMPARE(shown.shownTitle(), QStringLiteral("QuelmarnManager 0.00 Beta"));
        QVERIFY2(shown.text.contains(mentioned), qPrintable(shown.text));
    }

    // Special files and a huge file in place of the two files start-up
    // reads: it ends soon with the defaults or a clear error, never waits
    // and never reads more than a language file can hold.
    void specialFilesNeitherBlockNorExhaustStartUp_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("mentioned"); // in the message, "" for none
        QTest::newRow("options.ini is a FIFO") << "options fifo" << 0 << "";
        QTest::newRow("language file is a FIFO")
            << "language fifo" << 1 << "czech.qlk\" cannot be opened: it is a FIFO";
        QTest::newRow("lokalizace names /dev/zero") << "dev zero" << 1 << "dev/zero\" cannot be opened: it is a device";
        QTest::newRow("language file of 1 GiB") << "huge" << 0 << "";
        QTest::newRow("language file is a link that loops")
            << "loop" << 1 << "czech.qlk\" cannot be opened: Too many levels of symbolic links";
    }
    void specialFilesNeitherBlockNorExhaustStartUp()
    {
        QFETCH(QString, kind);
        QFETCH(int, status);
        QFETCH(QString, mentioned);
        StartupFixture f;
        const std::string options = f.windowsFolder.path().toStdString() + "/options.ini";
        const std::string language = f.appFolder.path().toStdString() + "/czech.qlk";
        if (kind == "options fifo") QVERIFY(::mkfifo(options.c_str(), 0644) == 0);
        if (kind == "language fifo") QVERIFY(::mkfifo(language.c_str(), 0644) == 0);
        if (kind == "loop") QVERIFY(::symlink("czech.qlk", language.c_str()) == 0);
        if (kind == "dev zero") f.writeOptions("[OPTIONS]\nlokalizace=../../../../../../dev/zero\n");
        if (kind == "options fifo") f.writeLanguage("czech.qlk", allRecords("cz"));
        if (kind == "huge") {
            f.writeLanguage("czech.qlk", allRecords("cz"));
            QVERIFY(::truncate(language.c_str(), off_t(1) << 30) == 0); // sparse: no room taken
        }
        const testing::ChildOutcome child = testing::runInChild([&] {
            Form1 table;
            testing::FakeApp app;
            const int result = frm_load::runOrReport(
                table, [&] { return f.folders(); }, app.fakes.messages, [] {});
            const QString shown = app.fakes.messages.calls.empty() ? QString() : app.fakes.messages.calls[0].text;
            return std::to_string(result) + "|" + table.text(1).toStdString() + "|" + shown.toStdString();
        });
        QVERIFY2(child.finished, "start-up did not end");
        const QStringList parts = QString::fromStdString(child.result).split('|');
        QCOMPARE(parts.size(), 3);
        QCOMPARE(parts[0].toInt(), status);
        if (status == 0) QCOMPARE(parts[1], QStringLiteral("cz1"));
        QVERIFY2(parts[2].contains(mentioned), qPrintable(parts[2]));
    }

    void successReportsNothing()
    {
        StartupFixture f;
        f.writeLanguage("czech.qlk", allRecords("cz"));
        Form1 table;
        testing::FakeApp app;
        int menus = 0;
        QCOMPARE(frm_load::runOrReport(
                     table, [&] { return f.folders(); }, app.fakes.messages, [&] { ++menus; }),
                 0);
        QCOMPARE(menus, 1);
        QVERIFY(app.fakes.messages.calls.empty());
    }

    void programSaysSoWhenThereIsNoDisplay()
    {
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* var : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(var);
        program.setProcessEnvironment(env);
        program.start(qEnvironmentVariable("QUELMARN_BINARY"), {});
        QVERIFY(program.waitForFinished(20000));
        QCOMPARE(program.exitCode(), 2);
        QVERIFY(program.readAllStandardError().contains("no display"));
    }
};

QTEST_MAIN(StartupTest)
#include "test_startup.moc"
