// Services shared by the windows: the file-dialog object, program start and
// the failure rule.

#include <QFile>
#include <QHostInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "platform/failure.h"
#include "platform/services/guard.h"
#include "platform/services/qt/qt_services.h"
#include "tests/support/test_support.h"

using namespace platform;

namespace {
QString writeScript(const QTemporaryDir& dir, const QString& name, const QString& body)
{
    const QString path = dir.path() + "/" + name;
    testing::writeFile(path, ("#!/bin/sh\n" + body + "\n").toStdString());
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}
} // namespace

class ServicesTest : public QObject {
    Q_OBJECT
private slots:
    void dialogKeepsItsSettingsBetweenUses()
    {
        fakes::FakeFileDialogService service;
        CommonDialog dialog(service);
        QVERIFY(dialog.Filter.isEmpty() && dialog.DefaultExt.isEmpty() && dialog.FileName.isEmpty());

        dialog.Filter = "Textové soubory TXT (*.TXT)|*.TXT";
        dialog.DefaultExt = "TXT";
        service.answers = {QStringLiteral("/home/u/a.txt"), QStringLiteral("/home/u/b.txt")};
        QCOMPARE(dialog.ShowOpen(), std::optional<QString>(QStringLiteral("/home/u/a.txt")));
        QCOMPARE(dialog.FileName, QStringLiteral("/home/u/a.txt"));
        dialog.ShowSave();
        QCOMPARE(dialog.FileName, QStringLiteral("/home/u/b.txt"));

        QCOMPARE(service.requests.size(), size_t(2));
        QCOMPARE(service.requests[0].kind, FileDialogRequest::Open);
        QCOMPARE(service.requests[0].fileName, QString());
        QCOMPARE(service.requests[1].kind, FileDialogRequest::Save);
        QCOMPARE(service.requests[1].fileName, QStringLiteral("/home/u/a.txt")); // opens at the last choice
        QCOMPARE(service.requests[1].filter, QStringLiteral("Textové soubory TXT (*.TXT)|*.TXT"));
        QCOMPARE(service.requests[1].defaultExt, QStringLiteral("TXT"));
    }

    void cancelChoosesNothingAndKeepsTheLastChoice()
    {
        fakes::FakeFileDialogService service;
        CommonDialog dialog(service);
        dialog.FileName = "/keep/me";
        service.answers = {std::nullopt, std::nullopt};
        QCOMPARE(dialog.ShowOpen(), std::nullopt);
        QCOMPARE(dialog.ShowSave(), std::nullopt);
        QCOMPARE(dialog.FileName, QStringLiteral("/keep/me"));
    }

    void filterBecomesQtNameFilters_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("one pair") << "Programs|*.exe" << QStringList{"Programs (*.exe)"};
        QTest::newRow("two pairs") << "Programs|*.exe|All files|*" << QStringList{"Programs (*.exe)", "All files (*)"};
        QTest::newRow("several patterns") << "Texts|*.txt;*.TXT" << QStringList{"Texts (*.txt *.TXT)"};
        QTest::newRow("empty") << "" << QStringList{};
    }
    void filterBecomesQtNameFilters()
    {
        QFETCH(QString, filter);
        QFETCH(QStringList, expected);
        QCOMPARE(qtNameFilters(filter), expected);
    }

    void commandLinesAreSplitWithoutAShell()
    {
        QTemporaryDir dir;
        const QString withBlanks = writeScript(dir, "my program", "exit 0");

        SplitCommand whole = splitCommandLine(withBlanks);
        QCOMPARE(whole.program, withBlanks);
        QVERIFY(whole.arguments.isEmpty());

        SplitCommand split = splitCommandLine("/usr/bin/touch /tmp/a \"b c\"");
        QCOMPARE(split.program, QStringLiteral("/usr/bin/touch"));
        QCOMPARE(split.arguments, (QStringList{"/tmp/a", "b c"}));

        SplitCommand shellChars = splitCommandLine("echo hi; rm -rf x");
        QCOMPARE(shellChars.program, QStringLiteral("echo"));
        QCOMPARE(shellChars.arguments, (QStringList{"hi;", "rm", "-rf", "x"}));

        QVERIFY_THROWS_EXCEPTION(Failure, splitCommandLine(""));
        QVERIFY_THROWS_EXCEPTION(Failure, splitCommandLine("   "));
    }

    void realProgramStartsAndMissingOneFails()
    {
        QTemporaryDir dir;
        const QString marker = dir.path() + "/started";
        const QString script = writeScript(dir, "make marker", "echo \"$1\" > \"" + marker + "\"");
        QtProgramStarter starter;
        starter.start(script, MinimizedFocus); // a path with a blank, named whole
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(marker), 10000);

        QFile::remove(marker);
        starter.start("/bin/sh -c \"echo arg > " + marker + "\"", NormalFocus);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(marker) && QFile(marker).size() > 0, 10000);

        try {
            starter.start(dir.path() + "/no-such-program --flag", MinimizedFocus);
            QFAIL("a missing program was reported as started");
        } catch (const Failure& failure) {
            QVERIFY(QString::fromUtf8(failure.what()).contains("no-such-program"));
        }
        const QString notExecutable = dir.path() + "/plain.txt";
        testing::writeFile(notExecutable, "text");
        QVERIFY_THROWS_EXCEPTION(Failure, starter.start(notExecutable, MinimizedFocus));
    }

    void moduleMissingOrBrokenIsAFailure_data()
    {
        QTest::addColumn<QString>("module");
        QTest::addColumn<QByteArray>("moduleBytes"); // empty: no module file
        QTest::addColumn<QString>("reason");
        for (const char* module : {"quelmarn_webengine.so", "quelmarn_network.so"}) {
            QTest::addRow("%s missing", module) << module << QByteArray() << "was not found. Looked in: ";
            QTest::addRow("%s not a module", module) << module << QByteArray("not a library") << "cannot be loaded: ";
        }
    }
    void moduleMissingOrBrokenIsAFailure()
    {
        QFETCH(QString, module);
        QFETCH(QByteArray, moduleBytes);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        if (!moduleBytes.isEmpty()) testing::writeFile(dir.filePath(module), moduleBytes.toStdString());
        WebEngineBrowserFactory factory(QString(), {dir.path()});
        NetworkModuleLoader networkModule({dir.path()});
        ModuleNetworkService network(networkModule);
        QWidget host;
        try {
            if (module == "quelmarn_webengine.so")
                factory.create(&host);
            else
                network.localHostName();
            QFAIL("a module's service was used without the module");
        } catch (const Failure& failure) {
            const QString message = QString::fromUtf8(failure.what());
            QVERIFY2(message.contains(reason) && message.contains(dir.path()), qPrintable(message));
        }
        QVERIFY(host.children().isEmpty());
    }

    void builtModulesAreFoundBesideTheProgram()
    {
        QCOMPARE(moduleFolders().value(0), QCoreApplication::applicationDirPath());
        NetworkModuleLoader networkModule(moduleFolders());
        ModuleNetworkService network(networkModule);
        QCOMPARE(network.localHostName(), QHostInfo::localHostName());
        QVERIFY(network.reachable({QStringLiteral("127.0.0.1"), 9}, std::chrono::milliseconds(2000)) == false);
    }

    void guardShowsFailuresAndTheProgramGoesOn()
    {
        fakes::FakeMessageBoxService messages;
        QVERIFY(runGuarded(messages, [] {}));
        QVERIFY(messages.calls.empty());

        int steps = 0;
        QVERIFY(!runGuarded(messages, [&] {
            ++steps;
            throw Failure("The file \"/x\" cannot be copied.");
            ++steps; // the rest of the handler does not run
        }));
        QCOMPARE(steps, 1);
        QCOMPARE(messages.calls.size(), size_t(1));
        QCOMPARE(messages.calls[0].text, QStringLiteral("The file \"/x\" cannot be copied."));
        QCOMPARE(messages.calls[0].style, 16);
        QCOMPARE(messages.calls[0].shownTitle(), QStringLiteral("QuelmarnManager 0.00 Beta"));
    }

    void guardedHandlersKeepWorkingAfterAFailure()
    {
        fakes::FakeMessageBoxService messages;
        QPushButton button;
        int clicks = 0;
        connectGuarded(&button, &QPushButton::clicked, &button, messages, [&] {
            if (++clicks == 1) throw Failure("first click fails");
        });
        button.click();
        button.click();
        QCOMPARE(clicks, 2);
        QCOMPARE(messages.calls.size(), size_t(1));
        QCOMPARE(messages.calls[0].text, QStringLiteral("first click fails"));
    }
};

QTEST_MAIN(ServicesTest)
#include "test_services.moc"
