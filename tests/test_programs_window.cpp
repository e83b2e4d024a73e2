// The programs launcher: five rows, browse, run one row or all of them.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "main_menu/main_menu.h"
#include "platform/failure.h"
#include "platform/services/qt/qt_services.h"
#include "sections/programs/frm_programy.h"
#include "tests/support/test_support.h"

using platform::fakes::FakeMessageBoxService;
using platform::fakes::FakeProgramStarter;

namespace {

QLineEdit* pathBox(QWidget& window, int row)
{
    auto* box = window.findChild<QLineEdit*>(QStringLiteral("Text%1").arg(row));
    if (!box) qFatal("no path box for row %d", row);
    return box;
}

QPushButton* button(QWidget& window, int number)
{
    auto* found = window.findChild<QPushButton*>(QStringLiteral("Command%1").arg(number));
    if (!found) qFatal("no Command%d", number);
    return found;
}

QPushButton* browseButton(QWidget& window, int row) { return button(window, 2 * row - 1); }
QPushButton* runButton(QWidget& window, int row) { return button(window, 2 * row); }

QStringList startedCommandLines(const FakeProgramStarter& programs)
{
    QStringList lines;
    for (const auto& call : programs.calls) lines << call.commandLine;
    return lines;
}

// A script that writes its arguments, one a line, to "<its own path>.out".
void writeRecordingProgram(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)
        || file.write("#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$0.out.tmp\"\nmv \"$0.out.tmp\" \"$0.out\"\n") < 0)
        qFatal("cannot write %s", qPrintable(path));
    file.close();
    file.setPermissions(file.permissions() | QFileDevice::ExeOwner | QFileDevice::ExeUser);
}

// Data rows 1 to 5, one per program row.
void addRows()
{
    QTest::addColumn<int>("row");
    for (int row = 1; row <= 5; ++row) QTest::addRow("row %d", row) << row;
}

} // namespace

class ProgramsWindowTest : public QObject {
    Q_OBJECT
private slots:
    void loadSetsTitleAndCaptions()
    {
        testing::FakeApp app;
        frm_programy window(app.context);
        QCOMPARE(window.windowTitle(), QStringLiteral("Quelmarn Manager - T80"));
        QCOMPARE(window.minimumSize(), QSize(575, 154));
        QCOMPARE(window.maximumSize(), QSize(575, 154));
        QCOMPARE(button(window, 11)->text(), QStringLiteral("T81"));
        for (int row = 1; row <= 5; ++row) {
            QCOMPARE(runButton(window, row)->text(), QStringLiteral("T82"));
            QCOMPARE(browseButton(window, row)->text(), QStringLiteral("..."));
            QVERIFY(pathBox(window, row)->text().isEmpty());
        }
        QVERIFY(app.fakes.messages.calls.empty());
        QVERIFY(app.fakes.fileDialogs.requests.empty());
    }

    void runWarnsOnEmptyRow_data() { addRows(); }
    void runWarnsOnEmptyRow()
    {
        QFETCH(int, row);
        testing::FakeApp app;
        frm_programy window(app.context);
        for (int other = 1; other <= 5; ++other)
            if (other != row) pathBox(window, other)->setText(QStringLiteral("/bin/true"));
        runButton(window, row)->click();
        QVERIFY(app.fakes.programs.calls.empty());
        QCOMPARE(app.fakes.messages.calls.size(), size_t(1));
        const auto& box = app.fakes.messages.calls[0];
        QCOMPARE(box.text, QStringLiteral("T84"));
        QCOMPARE(box.style, 48);
        QCOMPARE(box.shownTitle(), QStringLiteral("T85"));
    }

    void runStartsItsRowAsTypedMinimised_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("commandLine");
        QTest::newRow("row 1: path with argument") << 1 << "/usr/bin/xterm -e top";
        QTest::newRow("row 2: path with blanks, unquoted") << 2 << "/opt/My Programs/run me";
        QTest::newRow("row 3: surrounding blanks") << 3 << "  /usr/bin/xterm  ";
        QTest::newRow("row 4: windows-style path") << 4 << "C:\\Program Files\\app.exe /s";
        QTest::newRow("row 5: quoted argument") << 5 << "/opt/p \"a b\"";
    }
    void runStartsItsRowAsTypedMinimised()
    {
        QFETCH(int, row);
        QFETCH(QString, commandLine);
        testing::FakeApp app;
        frm_programy window(app.context);
        for (int r = 1; r <= 5; ++r) pathBox(window, r)->setText(r == row ? commandLine : QStringLiteral("/opt/other"));
        runButton(window, row)->click();
        QCOMPARE(startedCommandLines(app.fakes.programs), QStringList{commandLine});
        QCOMPARE(app.fakes.programs.calls[0].windowStyle, 2);
        QVERIFY(app.fakes.messages.calls.empty());
    }

    void blankRowIsNotEmptyButCannotStart()
    {
        // A text of blanks passes the empty check and fails as a program.
        testing::FakeApp app;
        frm_programy window(app.context);
        pathBox(window, 2)->setText(QStringLiteral("   "));
        runButton(window, 2)->click();
        QVERIFY(app.fakes.programs.calls.empty());
        QCOMPARE(app.fakes.messages.calls.size(), size_t(1));
        QCOMPARE(app.fakes.messages.calls[0].style, 16);
        QCOMPARE(app.fakes.messages.calls[0].shownTitle(), platform::applicationTitle);
    }

    void runAllWithAnEmptyRowStartsNone_data() { addRows(); }
    void runAllWithAnEmptyRowStartsNone()
    {
        QFETCH(int, row);
        testing::FakeApp app;
        frm_programy window(app.context);
        for (int other = 1; other <= 5; ++other)
            if (other != row) pathBox(window, other)->setText(QStringLiteral("/bin/true"));
        button(window, 11)->click();
        QVERIFY(app.fakes.programs.calls.empty());
        QCOMPARE(app.fakes.messages.calls.size(), size_t(1));
        QCOMPARE(app.fakes.messages.calls[0].text, QStringLiteral("T86"));
        QCOMPARE(app.fakes.messages.calls[0].style, 48);
        QCOMPARE(app.fakes.messages.calls[0].shownTitle(), QStringLiteral("T85"));
    }

    // A pasted line longer than a program can be started with is refused
    // whole, with a message; one of the longest length starts uncut.
    void overlongLineIsRefusedNotCut_data()
    {
        QTest::addColumn<int>("button"); // 2 runs row 1, 11 runs all
        QTest::addColumn<int>("length");
        QTest::newRow("row, too long") << 2 << frm_programy::longestCommandLine + 1;
        QTest::newRow("all rows, one too long") << 11 << 40000;
        QTest::newRow("row, longest") << 2 << frm_programy::longestCommandLine;
    }
    void overlongLineIsRefusedNotCut()
    {
        QFETCH(int, button);
        QFETCH(int, length);
        testing::FakeApp app;
        frm_programy window(app.context);
        for (int row = 2; row <= 5; ++row) pathBox(window, row)->setText(QStringLiteral("/opt/a"));
        const QString line = QString(length, QLatin1Char('x'));
        pathBox(window, 1)->insert(line);
        ::button(window, button)->click();
        const bool fits = length <= frm_programy::longestCommandLine;
        QCOMPARE(startedCommandLines(app.fakes.programs), fits ? QStringList{line} : QStringList{});
        if (!fits)
            QVERIFY(app.fakes.messages.calls.at(0).text.contains(QStringLiteral("Text1 is %1 char").arg(length)));
    }

    void runAllStartsFiveInRowOrderMinimised()
    {
        testing::FakeApp app;
        frm_programy window(app.context);
        QStringList lines;
        // Row 4 repeats row 1: every row is started, duplicates included.
        for (const char* line : {"/opt/a", "/opt/b x", "/opt/c", "/opt/a", "/opt/e \"y z\""}) lines << line;
        for (int row = 1; row <= 5; ++row) pathBox(window, row)->setText(lines[row - 1]);
        button(window, 11)->click();
        QCOMPARE(startedCommandLines(app.fakes.programs), lines);
        for (const auto& call : app.fakes.programs.calls) QCOMPARE(call.windowStyle, 2);
        QVERIFY(app.fakes.messages.calls.empty());
    }

    void runAllStopsAtAProgramThatCannotStart_data() { addRows(); }
    void runAllStopsAtAProgramThatCannotStart()
    {
        QFETCH(int, row);
        testing::FakeApp app;
        frm_programy window(app.context);
        QStringList before;
        for (int r = 1; r <= 5; ++r) {
            const QString line = QStringLiteral("/opt/p%1").arg(r);
            pathBox(window, r)->setText(line);
            if (r < row) before << line;
        }
        const QString missing = QStringLiteral("/opt/p%1").arg(row);
        app.fakes.programs.failingCommands << missing;
        button(window, 11)->click();
        QCOMPARE(startedCommandLines(app.fakes.programs), before);
        QCOMPARE(app.fakes.messages.calls.size(), size_t(1));
        QCOMPARE(app.fakes.messages.calls[0].style, 16);
        QCOMPARE(app.fakes.messages.calls[0].shownTitle(), platform::applicationTitle);
        QVERIFY(app.fakes.messages.calls[0].text.contains(missing));
        // The window is left as it was and can go on.
        QCOMPARE(pathBox(window, row)->text(), missing);
        app.fakes.programs.failingCommands.clear();
        runButton(window, row)->click();
        QCOMPARE(startedCommandLines(app.fakes.programs).last(), missing);
    }

    void browseFillsItsOwnRowWithTheProgramFilter_data() { addRows(); }
    void browseFillsItsOwnRowWithTheProgramFilter()
    {
        QFETCH(int, row);
        testing::FakeApp app;
        frm_programy window(app.context);
        app.fakes.fileDialogs.answers.push_back(QStringLiteral("/opt/My Programs/tool"));
        browseButton(window, row)->click();
        QCOMPARE(app.fakes.fileDialogs.requests.size(), size_t(1));
        const auto& request = app.fakes.fileDialogs.requests[0];
        QCOMPARE(request.kind, platform::FileDialogRequest::Open);
        QCOMPARE(request.filter, QStringLiteral("T83|*.exe|Všechny typy souborů|*"));
        QVERIFY(request.fileName.isEmpty());
        QVERIFY(request.defaultExt.isEmpty());
        for (int r = 1; r <= 5; ++r)
            QCOMPARE(pathBox(window, r)->text(), r == row ? QStringLiteral("/opt/My Programs/tool") : QString());
        QVERIFY(app.fakes.messages.calls.empty());
        QVERIFY(app.fakes.programs.calls.empty());
    }

    void cancelledBrowseLeavesTheRowAndIsSilent()
    {
        testing::FakeApp app;
        frm_programy window(app.context);
        pathBox(window, 4)->setText(QStringLiteral("typed by hand"));
        app.fakes.fileDialogs.answers.push_back(std::nullopt);
        browseButton(window, 4)->click();
        QCOMPARE(app.fakes.fileDialogs.requests.size(), size_t(1));
        QCOMPARE(pathBox(window, 4)->text(), QStringLiteral("typed by hand"));
        QVERIFY(app.fakes.messages.calls.empty());
    }

    void nextBrowsePreselectsTheLastChoiceOfAnyRow()
    {
        testing::FakeApp app;
        frm_programy window(app.context);
        auto& dialogs = app.fakes.fileDialogs;
        dialogs.answers = {QStringLiteral("/opt/first"), std::nullopt, std::nullopt, QStringLiteral("/opt/second"),
                           std::nullopt};
        browseButton(window, 1)->click(); // chooses /opt/first
        browseButton(window, 4)->click(); // cancelled
        browseButton(window, 4)->click(); // cancelled again
        browseButton(window, 2)->click(); // chooses /opt/second
        browseButton(window, 5)->click(); // cancelled
        QCOMPARE(dialogs.requests.size(), size_t(5));
        QVERIFY(dialogs.requests[0].fileName.isEmpty());
        QCOMPARE(dialogs.requests[1].fileName, QStringLiteral("/opt/first"));
        QCOMPARE(dialogs.requests[2].fileName, QStringLiteral("/opt/first"));
        QCOMPARE(dialogs.requests[3].fileName, QStringLiteral("/opt/first"));
        QCOMPARE(dialogs.requests[4].fileName, QStringLiteral("/opt/second"));
        QCOMPARE(pathBox(window, 1)->text(), QStringLiteral("/opt/first"));
        QCOMPARE(pathBox(window, 2)->text(), QStringLiteral("/opt/second"));
        QVERIFY(pathBox(window, 4)->text().isEmpty());
        QVERIFY(pathBox(window, 5)->text().isEmpty());
    }

    void reopenedWindowStartsEmptyWithAFreshDialog()
    {
        testing::FakeApp app;
        SectionWindows registry(app.context);
        QPointer<QWidget> first = registry.show<frm_programy>();
        QVERIFY(qobject_cast<frm_programy*>(first.data()));
        QCOMPARE(registry.show<frm_programy>(), first.data());
        app.fakes.fileDialogs.answers.push_back(QStringLiteral("/opt/chosen"));
        browseButton(*first, 1)->click();
        pathBox(*first, 3)->setText(QStringLiteral("/opt/typed"));
        first->close();
        QTRY_VERIFY(first.isNull());

        QWidget* second = registry.show<frm_programy>();
        QVERIFY(second);
        for (int row = 1; row <= 5; ++row) QVERIFY(pathBox(*second, row)->text().isEmpty());
        browseButton(*second, 1)->click(); // cancelled: no answers left
        QVERIFY(app.fakes.fileDialogs.requests.back().fileName.isEmpty());
        second->close();
    }

    // The real program starter behind the run buttons.

    void splitCommandLine_data()
    {
        QTest::addColumn<QString>("commandLine"); // "%D" stands for the temporary folder
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("existing program with blanks, whole") << "%D/my prog"
                                                             << "%D/my prog" << QStringList{};
        QTest::newRow("program and arguments") << "%D/tool -a b"
                                               << "%D/tool" << QStringList{"-a", "b"};
        QTest::newRow("quoted program with blanks and an argument") << "\"%D/my prog\" --flag"
                                                                    << "%D/my prog" << QStringList{"--flag"};
        QTest::newRow("quoted argument with blanks") << "%D/tool \"one two\""
                                                     << "%D/tool" << QStringList{"one two"};
        QTest::newRow("program with blanks and an argument, unquoted: split") << "%D/my prog x"
                                                                              << "%D/my" << QStringList{"prog", "x"};
        QTest::newRow("not executable with blanks: split") << "%D/plain file"
                                                           << "%D/plain" << QStringList{"file"};
        QTest::newRow("folder is not a program") << "%D"
                                                 << "%D" << QStringList{};
    }
    void splitCommandLine()
    {
        QFETCH(QString, commandLine);
        QFETCH(QString, program);
        QFETCH(QStringList, arguments);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        writeRecordingProgram(dir.filePath(QStringLiteral("my prog")));
        writeRecordingProgram(dir.filePath(QStringLiteral("tool")));
        testing::writeFile(dir.filePath(QStringLiteral("plain file")), "data");
        const auto resolved = [&](QString text) { return text.replace(QStringLiteral("%D"), dir.path()); };
        const platform::SplitCommand split = platform::splitCommandLine(resolved(commandLine));
        QCOMPARE(split.program, resolved(program));
        QCOMPARE(split.arguments, arguments);
    }

    void splitCommandLineRefusesBlankText_data()
    {
        QTest::addColumn<QString>("commandLine");
        QTest::newRow("empty") << "";
        QTest::newRow("blanks") << "   ";
        QTest::newRow("tab") << "\t";
        QTest::newRow("empty quotes") << "\"\"";
    }
    void splitCommandLineRefusesBlankText()
    {
        QFETCH(QString, commandLine);
        QVERIFY_THROWS_EXCEPTION(platform::Failure, platform::splitCommandLine(commandLine));
    }

    void realProgramsStartFromTheRows()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString withBlanks = dir.filePath(QStringLiteral("my programs/run me"));
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("my programs")));
        writeRecordingProgram(withBlanks);
        const QString tool = dir.filePath(QStringLiteral("tool"));
        writeRecordingProgram(tool);

        testing::FakeApp app;
        platform::QtProgramStarter starter;
        AppContext context{app.table, app.fakes.with(starter), [] {}, app.system.view(), app.config};
        frm_programy window(context);
        pathBox(window, 1)->setText(withBlanks);
        pathBox(window, 2)->setText(tool + QStringLiteral(" first \"second arg\""));
        runButton(window, 1)->click();
        runButton(window, 2)->click();
        QVERIFY(app.fakes.messages.calls.empty());
        QTRY_VERIFY(QFile::exists(withBlanks + QStringLiteral(".out")));
        QTRY_VERIFY(QFile::exists(tool + QStringLiteral(".out")));
        QCOMPARE(testing::readFile(withBlanks + QStringLiteral(".out")), std::string("\n"));
        QCOMPARE(testing::readFile(tool + QStringLiteral(".out")), std::string("first\nsecond arg\n"));
    }

    void realMissingProgramIsReportedAndLaterRowsStayUnstarted()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QStringList programs;
        for (int row = 1; row <= 5; ++row) {
            programs << dir.filePath(QStringLiteral("p%1").arg(row));
            if (row != 3) writeRecordingProgram(programs.last());
        }

        testing::FakeApp app;
        platform::QtProgramStarter starter;
        AppContext context{app.table, app.fakes.with(starter), [] {}, app.system.view(), app.config};
        frm_programy window(context);
        for (int row = 1; row <= 5; ++row) pathBox(window, row)->setText(programs[row - 1] + QStringLiteral(" r"));
        button(window, 11)->click();

        QCOMPARE(app.fakes.messages.calls.size(), size_t(1));
        QCOMPARE(app.fakes.messages.calls[0].style, 16);
        QVERIFY(app.fakes.messages.calls[0].text.contains(programs[2]));
        QTRY_VERIFY(QFile::exists(programs[0] + QStringLiteral(".out")));
        QTRY_VERIFY(QFile::exists(programs[1] + QStringLiteral(".out")));
        // Rows 4 and 5 were never started: when they are started now, theirs
        // is the only output to appear.
        QVERIFY(!QFile::exists(programs[3] + QStringLiteral(".out")));
        QVERIFY(!QFile::exists(programs[4] + QStringLiteral(".out")));
        runButton(window, 5)->click();
        QTRY_VERIFY(QFile::exists(programs[4] + QStringLiteral(".out")));
        QVERIFY(!QFile::exists(programs[3] + QStringLiteral(".out")));
    }
};

QTEST_MAIN(ProgramsWindowTest)
#include "test_programs_window.moc"
