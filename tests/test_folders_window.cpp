// The files-and-folders window: folder labels, captions, the run prompt,
// copy/move/delete with their confirmations and failures, and the shared
// browse dialog.

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <sys/stat.h>

#include "main_menu/main_menu.h"
#include "platform/failure.h"
#include "platform/services/qt/qt_services.h"
#include "sections/folders/frm_slozky.h"
#include "tests/support/test_support.h"

namespace {

using testing::child;

QLineEdit* box(QWidget& window, int n) { return child<QLineEdit>(window, QStringLiteral("Text%1").arg(n)); }
QPushButton* button(QWidget& window, int n) { return child<QPushButton>(window, QStringLiteral("Command%1").arg(n)); }
QString label(QWidget& window, int n) { return child<QLabel>(window, QStringLiteral("Label%1").arg(n))->text(); }

} // namespace

class FoldersWindowTest : public QObject {
    Q_OBJECT
private slots:
    void loadSetsTitleCaptionsAndGeometry()
    {
        testing::FakeApp app;
        frm_slozky window(app.context);
        QCOMPARE(window.windowTitle(), QStringLiteral("Quelmarn Manager - T68"));
        QCOMPARE(window.minimumSize(), QSize(493, 457));
        QCOMPARE(window.maximumSize(), QSize(493, 457));
        const std::pair<const char*, const char*> captions[] = {
            {"Frame1", "T69"},   {"Command1", "T73"}, {"Frame2", "T74"}, {"Label4", "T75"},   {"Label5", "T76"},
            {"Label6", "T75"},   {"Label7", "T76"},   {"Label8", "T75"}, {"Command2", "T77"}, {"Command3", "T77"},
            {"Command4", "T77"}, {"Frame3", "T78"},   {"Frame4", "T79"}, {"Command5", "..."}, {"Command9", "..."}};
        for (const auto& [name, caption] : captions) {
            QWidget* control = child<QWidget>(window, name);
            const QString text = control->property(control->inherits("QGroupBox") ? "title" : "text").toString();
            QCOMPARE(text, QString::fromUtf8(caption));
        }
        const std::pair<const char*, QRect> places[] = {
            {"Frame1", {8, 8, 473, 81}},     {"Label3", {8, 56, 457, 17}},   {"Command1", {8, 96, 473, 17}},
            {"Frame2", {8, 120, 473, 105}},  {"Text1", {40, 16, 409, 19}},   {"Command6", {448, 48, 17, 17}},
            {"Command3", {184, 72, 73, 25}}, {"Frame4", {8, 344, 473, 105}}, {"Text5", {40, 24, 409, 19}}};
        for (const auto& [name, geometry] : places) QCOMPARE(child<QWidget>(window, name)->geometry(), geometry);
        for (int n = 1; n <= 5; ++n) QVERIFY(box(window, n)->text().isEmpty());
    }

    void folderLabelsShowEntryThenPath_data()
    {
        QTest::addColumn<QByteArray>("windir");
        QTest::addColumn<QByteArray>("tmpdir");
        QTest::addColumn<QString>("label1");
        QTest::addColumn<QString>("label2");
        const QByteArray long254 = "/" + QByteArray(253, 'w');
        const QByteArray long255 = "/" + QByteArray(254, 'w');
        QTest::newRow("usual") << QByteArray("/home/u/.config/quelmarn") << QByteArray("/var/tmp")
                               << "T70/home/u/.config/quelmarn"
                               << "T71/var/tmp/";
        QTest::newRow("temp with its separator") << QByteArray("/w") << QByteArray("/t/") << "T70/w"
                                                 << "T71/t/";
        QTest::newRow("254 characters fit")
            << long254 << QByteArray("/t") << "T70" + QString::fromLatin1(long254) << "T71/t/";
        QTest::newRow("255 characters do not") << long255 << QByteArray(long254.left(253) + "/") << "T70"
                                               << "T71" + QString::fromLatin1(long254.left(253)) + "/";
        QTest::newRow("temp of 255 with separator") << QByteArray("/w") << QByteArray(long254) << "T70/w"
                                                    << "T71";
    }
    void folderLabelsShowEntryThenPath()
    {
        QFETCH(QByteArray, windir);
        QFETCH(QByteArray, tmpdir);
        QFETCH(QString, label1);
        QFETCH(QString, label2);
        testing::FakeApp app;
        app.config.windowsDirectory = windir.toStdString();
        app.config.tempFolder = platform::ostatni_API::tempPath(tmpdir.constData());
        frm_slozky window(app.context);
        QCOMPARE(label(window, 1), label1);
        QCOMPARE(label(window, 2), label2);
        const QString system = label(window, 3);
        QVERIFY(system.startsWith(QStringLiteral("T72/")));
        QVERIFY2(QDir(system.mid(3)).exists() && !system.endsWith('/'), qPrintable(system));
    }

    void cutAtNulTakesTheTextBeforeTheFirstNul()
    {
        const char buffer[8] = {'a', 'b', 0, 'c', 0, 0, 0, 0};
        QCOMPARE(frm_slozky::cutAtNul(buffer, 8), QStringLiteral("ab"));
        const char empty[4] = {0, 'x', 0, 0};
        QCOMPARE(frm_slozky::cutAtNul(empty, 4), QString());
    }

    void runButtonOpensThePromptOwnedByTheWindow()
    {
        testing::FakeApp app;
        frm_slozky window(app.context);
        button(window, 1)->click();
        QCOMPARE(app.fakes.runPrompt.owners, std::vector<QWidget*>{&window});
        QVERIFY(app.fakes.messages.calls.empty());
        app.fakes.runPrompt.failure = QStringLiteral("The command \"nope\" cannot be started.");
        button(window, 1)->click();
        QCOMPARE(app.fakes.messages.calls.size(), size_t(1));
        QCOMPARE(app.fakes.messages.calls[0].style, 16);
        QCOMPARE(app.fakes.messages.calls[0].text, *app.fakes.runPrompt.failure);
    }

    void actionsConfirmAfterTheyAreDone_data()
    {
        QTest::addColumn<int>("action");     // 2 copy, 3 move, 4 delete
        QTest::addColumn<QString>("source"); // path boxes relative to the folder
        QTest::addColumn<QString>("destination");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("copy over an existing file") << 2 << "a.txt"
                                                    << "b.txt"
                                                    << "T130" << QStringList{"a.txt", "b.txt", "ro.txt"};
        QTest::newRow("copy with blanks kept") << 2 << "a.txt"
                                               << " c.txt "
                                               << "T130" << QStringList{" c.txt ", "a.txt", "b.txt", "ro.txt"};
        QTest::newRow("move") << 3 << "a.txt"
                              << "m.txt"
                              << "T131" << QStringList{"b.txt", "m.txt", "ro.txt"};
        QTest::newRow("delete read-only") << 4 << "ro.txt"
                                          << ""
                                          << "T132" << QStringList{"a.txt", "b.txt"};
    }
    void actionsConfirmAfterTheyAreDone()
    {
        QFETCH(int, action);
        QFETCH(QString, source);
        QFETCH(QString, destination);
        QFETCH(QString, entry);
        QFETCH(QStringList, after);
        QTemporaryDir dir;
        testing::writeFile(dir.filePath("a.txt"), "new");
        testing::writeFile(dir.filePath("b.txt"), "old, longer");
        testing::writeFile(dir.filePath("ro.txt"), "read-only");
        QVERIFY(::chmod(qPrintable(dir.filePath("ro.txt")), 0444) == 0);
        testing::FakeApp app;
        frm_slozky window(app.context);
        const int sourceBox = action == 2 ? 1 : action == 3 ? 3 : 5;
        box(window, sourceBox)->setText(dir.path() + "/" + source);
        if (action != 4) box(window, sourceBox + 1)->setText(dir.path() + "/" + destination);

        button(window, action)->click();

        QCOMPARE(app.fakes.messages.calls.size(), size_t(1));
        QCOMPARE(app.fakes.messages.calls[0].text, entry);
        QCOMPARE(app.fakes.messages.calls[0].style, 0);
        QVERIFY(!app.fakes.messages.calls[0].title.has_value());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name), after);
        if (action != 4) QCOMPARE(testing::readFile(dir.path() + "/" + destination), std::string("new"));
        // The boxes keep their texts for a repeat.
        QCOMPARE(box(window, sourceBox)->text(), dir.path() + "/" + source);
    }

    void failedActionShowsTheFailureAndNoConfirmation_data()
    {
        QTest::addColumn<int>("action");
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("reason");
        QTest::newRow("copy a missing file") << 2 << "missing"
                                             << "No such file or directory";
        QTest::newRow("copy a folder") << 2 << "folder"
                                       << "is a folder";
        QTest::newRow("move a missing file") << 3 << "missing"
                                             << "No such file or directory";
        QTest::newRow("delete a folder") << 4 << "folder"
                                         << "is a folder";
        QTest::newRow("copy with empty boxes") << 2 << ""
                                               << "empty";
    }
    void failedActionShowsTheFailureAndNoConfirmation()
    {
        QFETCH(int, action);
        QFETCH(QString, source);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("folder"));
        testing::FakeApp app;
        frm_slozky window(app.context);
        const int sourceBox = action == 2 ? 1 : action == 3 ? 3 : 5;
        if (!source.isEmpty()) {
            box(window, sourceBox)->setText(dir.filePath(source));
            if (action != 4) box(window, sourceBox + 1)->setText(dir.filePath("target"));
        }
        button(window, action)->click();
        QCOMPARE(app.fakes.messages.calls.size(), size_t(1));
        QCOMPARE(app.fakes.messages.calls[0].style, 16);
        const QString text = app.fakes.messages.calls[0].text;
        QVERIFY2(text.contains(reason), qPrintable(text));
        if (!source.isEmpty()) QVERIFY2(text.contains(dir.filePath(source)), qPrintable(text));
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{"folder"});
    }

    void browseButtonsShareOneDialog_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("fills");
        QTest::addColumn<int>("kind");
        QTest::newRow("Command5") << 5 << 1 << int(platform::FileDialogRequest::Open);
        QTest::newRow("Command6") << 6 << 2 << int(platform::FileDialogRequest::Save);
        QTest::newRow("Command7") << 7 << 3 << int(platform::FileDialogRequest::Open);
        QTest::newRow("Command8") << 8 << 4 << int(platform::FileDialogRequest::Save);
        QTest::newRow("Command9") << 9 << 5 << int(platform::FileDialogRequest::Open);
    }
    void browseButtonsShareOneDialog()
    {
        QFETCH(int, button);
        QFETCH(int, fills);
        QFETCH(int, kind);
        testing::FakeApp app;
        frm_slozky window(app.context);
        auto& dialogs = app.fakes.fileDialogs;
        // Another browse button chose a path first.
        const int other = button == 5 ? 7 : 5;
        dialogs.answers = {QStringLiteral("/chosen/first"), QStringLiteral("/chosen/second"), std::nullopt};
        ::button(window, other)->click();
        ::button(window, button)->click();
        QCOMPARE(dialogs.requests.size(), size_t(2));
        const platform::FileDialogRequest& request = dialogs.requests[1];
        QCOMPARE(int(request.kind), kind);
        QCOMPARE(request.filter, QStringLiteral("Všechny typy souborů|*.*"));
        QCOMPARE(request.fileName, QStringLiteral("/chosen/first"));
        QVERIFY(request.defaultExt.isEmpty());
        QCOMPARE(box(window, fills)->text(), QStringLiteral("/chosen/second"));

        // A cancel keeps the box and the dialog's path, and says nothing.
        box(window, fills)->setText(QStringLiteral("typed by hand"));
        ::button(window, button)->click();
        QCOMPARE(dialogs.requests.size(), size_t(3));
        QCOMPARE(dialogs.requests[2].fileName, QStringLiteral("/chosen/second"));
        QCOMPARE(box(window, fills)->text(), QStringLiteral("typed by hand"));
        QVERIFY(app.fakes.messages.calls.empty());
    }

    void reopeningReadsFoldersAgainAndEmptiesTheBoxes()
    {
        testing::FakeApp app;
        SectionWindows registry(app.context);
        app.config.windowsDirectory = "/first";
        QPointer<QWidget> first = registry.show<frm_slozky>();
        QVERIFY(first);
        QCOMPARE(label(*first, 1), QStringLiteral("T70/first"));
        box(*first, 1)->setText(QStringLiteral("typed"));
        first->close();
        QTRY_VERIFY(first.isNull());
        app.config.windowsDirectory = "/second";
        QPointer<QWidget> second = registry.show<frm_slozky>();
        QVERIFY(second);
        QCOMPARE(label(*second, 1), QStringLiteral("T70/second"));
        QVERIFY(box(*second, 1)->text().isEmpty());
        second->close();
    }

    // The real run prompt: its dialog, its browse button, and the shell.
    void shellCommandsStartAndUnknownOnesFail()
    {
        QTemporaryDir dir;
        const QString marker = dir.filePath(QStringLiteral("made by 'the' shell"));
        QString quoted = marker;
        quoted.replace("'", "'\\''");
        platform::startShellCommand(QStringLiteral("touch '%1' && echo ok > '%1'").arg(quoted));
        QTRY_COMPARE(testing::readFile(marker), std::string("ok\n"));
        for (const QString& line :
             {QStringLiteral("no-such-command-quelmarn --x"), QStringLiteral("/no/such/program")}) {
            try {
                platform::startShellCommand(line);
                QFAIL(qPrintable("no failure for " + line));
            } catch (const platform::Failure& failure) {
                QVERIFY(QString::fromStdString(failure.what()).contains(line));
            }
        }
    }

    void promptStartsWhatIsTypedOrBrowsed()
    {
        QTemporaryDir dir;
        const QString script = dir.filePath(QStringLiteral("my tool"));
        testing::writeFile(script, "#!/bin/sh\necho ran > \"$0.out\"\n");
        QVERIFY(::chmod(qPrintable(script), 0755) == 0);
        testing::FakeApp app;
        app.fakes.fileDialogs.answers = {script};
        platform::QtRunPrompt prompt(app.fakes.fileDialogs);
        QWidget owner;
        bool okWasDisabledWhileEmpty = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = owner.findChild<QDialog*>(QStringLiteral("runPrompt"));
            QVERIFY(dialog);
            okWasDisabledWhileEmpty = !dialog->findChild<QPushButton*>(QStringLiteral("ok"))->isEnabled();
            dialog->findChild<QPushButton*>(QStringLiteral("browse"))->click();
            dialog->findChild<QPushButton*>(QStringLiteral("ok"))->click();
        });
        prompt.run(&owner);
        QVERIFY(okWasDisabledWhileEmpty);
        QTRY_COMPARE(testing::readFile(script + ".out"), std::string("ran\n"));

        // Cancel starts nothing.
        QTimer::singleShot(0, [&] {
            auto* dialog = owner.findChild<QDialog*>(QStringLiteral("runPrompt"));
            dialog->findChild<QLineEdit*>(QStringLiteral("commandLine"))->setText("touch " + dir.filePath("no"));
            dialog->findChild<QPushButton*>(QStringLiteral("cancel"))->click();
        });
        prompt.run(&owner); // returns only once the dialog is closed
        QVERIFY(!QFile::exists(dir.filePath("no")));
    }
};

QTEST_MAIN(FoldersWindowTest)
#include "test_folders_window.moc"
