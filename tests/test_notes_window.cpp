// The notes window: save and open in the ANSI code page with CR LF, the
// dialog settings, cancels that never write, and saves that lose nothing.

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTimer>
#include <QtTest>
#include <optional>

#include <cerrno>
#include <sys/mount.h>
#include <unistd.h>

#include "platform/services/qt/qt_services.h"
#include "platform/sys/codepage.h"
#include "platform/sys/file_operations.h"
#include "sections/notes/frm_poznamky.h"
#include "tests/support/test_support.h"

namespace {

QPlainTextEdit* note(QWidget& window) { return window.findChild<QPlainTextEdit*>(QStringLiteral("Text1")); }
QPushButton* button(QWidget& window, int n)
{
    return window.findChild<QPushButton*>(QStringLiteral("Command%1").arg(n));
}
void save(QWidget& window) { button(window, 1)->click(); }
void open(QWidget& window) { button(window, 3)->click(); }

QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace

class NotesWindowTest : public QObject {
    Q_OBJECT
private slots:
    void loadSetsTitleCaptionsAndGeometry()
    {
        testing::FakeApp app;
        frm_poznamky window(app.context);
        QCOMPARE(window.windowTitle(), QStringLiteral("Quelmarn Manager - T100"));
        QCOMPARE(window.minimumSize(), QSize(456, 366));
        QCOMPARE(window.maximumSize(), QSize(456, 366));
        QCOMPARE(button(window, 1)->text(), QStringLiteral("T96"));
        QCOMPARE(button(window, 3)->text(), QStringLiteral("T97"));
        QCOMPARE(button(window, 2)->text(), QStringLiteral("T98"));
        QCOMPARE(note(window)->geometry(), QRect(0, 0, 457, 329));
        QCOMPARE(button(window, 1)->geometry(), QRect(160, 336, 57, 25));
        QCOMPARE(button(window, 3)->geometry(), QRect(216, 336, 57, 25));
        QCOMPARE(button(window, 2)->geometry(), QRect(392, 336, 57, 25));
        QVERIFY(note(window)->toPlainText().isEmpty());
    }

    void saveWritesTheNoteWithOneCrLf_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("three letters") << "abc" << QByteArray("abc\r\n");
        QTest::newRow("empty note") << "" << QByteArray("\r\n");
        QTest::newRow("lines") << "a\nb\n\nc" << QByteArray("a\r\nb\r\n\r\nc\r\n");
        QTest::newRow("czech letters") << "Příliš žluťoučký kůň úpěl ďábelské ódy"
                                       << QByteArray("P\xf8\xedli\x9a \x9elu\x9dou\xe8k\xfd k\xf9\xf2 \xfap\xecl "
                                                     "\xef\xe1\x62\x65lsk\xe9 \xf3\x64y\r\n");
        QTest::newRow("no-break space kept") << QString("a") + QChar(0xA0) + "b" << QByteArray("a\xa0\x62\r\n");
    }
    void saveWritesTheNoteWithOneCrLf()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        testing::FakeApp app;
        frm_poznamky window(app.context);
        note(window)->setPlainText(text);
        app.fakes.fileDialogs.answers = {dir.filePath("note.TXT")};
        save(window);
        QVERIFY(app.fakes.messages.calls.empty());
        QCOMPARE(QByteArray::fromStdString(testing::readFile(dir.filePath("note.TXT"))), bytes);

        // Opened again, the text comes back with the added line break.
        note(window)->setPlainText(QStringLiteral("something else"));
        app.fakes.fileDialogs.answers = {dir.filePath("note.TXT")};
        open(window);
        QString shown = note(window)->document()->toRawText();
        shown.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
        QCOMPARE(shown, text + "\n");
    }

    void everySaveAfterAnOpenAddsALineBreak()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("abc.txt");
        testing::FakeApp app;
        frm_poznamky window(app.context);
        note(window)->setPlainText("abc");
        app.fakes.fileDialogs.answers = {path, path, path, path};
        save(window);
        QCOMPARE(testing::readFile(path), std::string("abc\r\n"));
        open(window);
        QCOMPARE(note(window)->toPlainText(), QStringLiteral("abc\n"));
        save(window);
        QCOMPARE(testing::readFile(path), std::string("abc\r\n\r\n"));
        open(window);
        QCOMPARE(note(window)->toPlainText(), QStringLiteral("abc\n\n"));
    }

    void dialogSettingsOfSaveAndOpen()
    {
        testing::FakeApp app;
        frm_poznamky window(app.context);
        QTemporaryDir dir;
        app.fakes.fileDialogs.answers = {dir.filePath("a.txt"), std::nullopt};
        open(window);
        save(window);
        const auto& requests = app.fakes.fileDialogs.requests;
        QCOMPARE(requests.size(), size_t(2));
        QCOMPARE(int(requests[0].kind), int(platform::FileDialogRequest::Open));
        QCOMPARE(requests[0].filter, QStringLiteral("T99|*.txt"));
        QCOMPARE(int(requests[1].kind), int(platform::FileDialogRequest::Save));
        QCOMPARE(requests[1].filter, QStringLiteral("Textové soubory TXT (*.TXT)|*.TXT"));
        QCOMPARE(requests[1].defaultExt, QStringLiteral("TXT"));
        QCOMPARE(requests[1].fileName, dir.filePath("a.txt"));
    }

    // A cancelled save never writes, after an open or an earlier save,
    // whatever FileName still holds.
    void cancelledSaveWritesNothing_data()
    {
        QTest::addColumn<bool>("openedFirst");
        QTest::newRow("after an open") << true;
        QTest::newRow("after an earlier save") << false;
    }
    void cancelledSaveWritesNothing()
    {
        QFETCH(bool, openedFirst);
        QTemporaryDir dir;
        const QString path = dir.filePath("kept.txt");
        testing::writeFile(path, "kept\r\n");
        testing::FakeApp app;
        frm_poznamky window(app.context);
        if (openedFirst) {
            app.fakes.fileDialogs.answers = {path};
            open(window);
        } else {
            note(window)->setPlainText("kept");
            app.fakes.fileDialogs.answers = {path};
            save(window);
        }
        note(window)->setPlainText("changed");
        app.fakes.fileDialogs.answers = {std::nullopt};
        save(window);
        QCOMPARE(testing::readFile(path), std::string("kept\r\n"));
        QCOMPARE(entries(dir.path()), QStringList{"kept.txt"});
        QVERIFY(app.fakes.messages.calls.empty());
    }

    void openingAMissingNameCreatesItEmpty()
    {
        QTemporaryDir dir;
        testing::FakeApp app;
        frm_poznamky window(app.context);
        note(window)->setPlainText("old note");
        app.fakes.fileDialogs.answers = {dir.filePath("new.txt")};
        open(window);
        QVERIFY(note(window)->toPlainText().isEmpty());
        QVERIFY(QFileInfo(dir.filePath("new.txt")).isFile());
        QCOMPARE(QFileInfo(dir.filePath("new.txt")).size(), qint64(0));
    }

    void openReadsEveryKindOfLineBreak_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << "a\nb\n";
        QTest::newRow("lone LF") << QByteArray("a\nb") << "a\nb";
        QTest::newRow("lone CR") << QByteArray("a\rb\r") << "a\nb\n";
        QTest::newRow("LF CR is two") << QByteArray("a\n\rb") << "a\n\nb";
        QTest::newRow("1250 letters") << QByteArray("\x9e\xe8\x9a") << "žčš";
    }
    void openReadsEveryKindOfLineBreak()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QTemporaryDir dir;
        testing::writeFile(dir.filePath("in.txt"), bytes.toStdString());
        testing::FakeApp app;
        frm_poznamky window(app.context);
        app.fakes.fileDialogs.answers = {dir.filePath("in.txt")};
        open(window);
        QCOMPARE(note(window)->toPlainText(), text);
    }

    // A UTF-8 file opens as UTF-8 and is saved back so, its mark kept only
    // where it had one; anything else opens and saves in the code page.
    // `typed` is added to the note before the save.
    void encodingIsKeptFromOpenToSave_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("saved");
        QTest::newRow("UTF-8 letters") << QByteArray("\xc5\xbelu\xc5\xa5ou\xc4\x8dk\xc3\xbd\r\n") << "žluťoučký\n"
                                       << "€"
                                       << QByteArray("\xc5\xbelu\xc5\xa5ou\xc4\x8dk\xc3\xbd\r\n\xe2\x82\xac\r\n");
        QTest::newRow("UTF-8 with its mark") << QByteArray("\xef\xbb\xbf"
                                                           "a\xc3\xa1\n")
                                             << "aá\n"
                                             << ""
                                             << QByteArray("\xef\xbb\xbf"
                                                           "a\xc3\xa1\r\n\r\n");
        QTest::newRow("mark before plain letters") << QByteArray("\xef\xbb\xbf"
                                                                 "abc")
                                                   << "abc"
                                                   << "č"
                                                   << QByteArray("\xef\xbb\xbf"
                                                                 "abc\xc4\x8d\r\n");
        QTest::newRow("plain letters stay ANSI") << QByteArray("abc") << "abc"
                                                 << "č" << QByteArray("abc\xe8\r\n");
        QTest::newRow("1250 letters stay ANSI") << QByteArray("\x9e\xe8\x9a") << "žčš"
                                                << "" << QByteArray("\x9e\xe8\x9a\r\n");
        QTest::newRow("encoded surrogate is not UTF-8") << QByteArray("\xed\xb0\x80") << "í°€"
                                                        << "" << QByteArray("\xed\xb0\x80\r\n");
        QTest::newRow("overlong slash is not UTF-8") << QByteArray("\xc0\xaf") << "ŔŻ"
                                                     << "" << QByteArray("\xc0\xaf\r\n");
    }
    void encodingIsKeptFromOpenToSave()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QFETCH(QString, typed);
        QFETCH(QByteArray, saved);
        QTemporaryDir dir;
        const QString path = dir.filePath("note.txt");
        testing::writeFile(path, bytes.toStdString());
        testing::FakeApp app;
        frm_poznamky window(app.context);
        app.fakes.fileDialogs.answers = {path, path};
        open(window);
        QCOMPARE(note(window)->toPlainText(), text);
        note(window)->moveCursor(QTextCursor::End);
        note(window)->insertPlainText(typed);
        save(window);
        QCOMPARE(QByteArray::fromStdString(testing::readFile(path)), saved);
    }

    // The one-pass decoding gives exactly what the platform conversion
    // followed by the line-break rule gives: every byte of single-byte code
    // pages, pages whose bytes need their neighbour (double-byte, combining
    // marks), undefined bytes, and line breaks at the very end.
    void decodingMatchesThePlatformConversion_data()
    {
        QTest::addColumn<int>("codePage");
        QTest::addColumn<QByteArray>("bytes");
        QByteArray everyByte;
        for (int b = 0; b < 256; ++b) everyByte += char(b);
        for (int b = 255; b >= 0; --b) everyByte += char(b);
        const QByteArray tail = "\r\n\n\r\r";
        for (const int codePage : {1250, 1251, 1252, 1253, 1257, 874, 1258, 932, 936, 949, 950}) {
            QTest::addRow("%d every byte", codePage) << codePage << everyByte + tail;
            QTest::addRow("%d pairs and breaks", codePage)
                << codePage << QByteArray("a\xe8\r\n\x82\xa0\x81\r\xcc\xec\x81\x40\xa4\xa1\n\r");
        }
    }
    void decodingMatchesThePlatformConversion()
    {
        QFETCH(int, codePage);
        QFETCH(QByteArray, bytes);
        const std::string fileText = bytes.toStdString();
        const QString expected =
            QString::fromStdString(frm_poznamky::toNoteText(platform::codepage::toUtf8(fileText, codePage)));
        testing::FakeApp app([codePage](Configuration& config) { config.codePage = codePage; });
        const frm_poznamky window(app.context);
        QCOMPARE(window.decodeFileText(fileText), expected);
        QVERIFY(!expected.contains(QLatin1Char('\r')));
    }

    // After an open the box is as after any replaced text, whatever it was
    // before: cursor at the start, scrolled to the top, unmodified, nothing
    // to undo, and typing and undo work again afterwards.
    void openedNoteStartsAtTheTopWithNothingToUndo()
    {
        QTemporaryDir dir;
        std::string lines;
        for (int n = 0; n < 500; ++n) lines += "line " + std::to_string(n) + "\r\n";
        testing::writeFile(dir.filePath("long.txt"), lines);
        testing::FakeApp app;
        frm_poznamky window(app.context);
        window.show();
        QPlainTextEdit* box = note(window);
        box->setPlainText(QString::fromStdString(lines).remove(QLatin1Char('\r')));
        box->moveCursor(QTextCursor::End);
        box->insertPlainText(QStringLiteral("typed"));
        QApplication::processEvents();
        QVERIFY(box->verticalScrollBar()->value() > 0);
        QVERIFY(box->document()->isUndoAvailable() && box->document()->isModified());

        app.fakes.fileDialogs.answers = {dir.filePath("long.txt")};
        open(window);
        QApplication::processEvents();
        QCOMPARE(box->blockCount(), 501);
        QCOMPARE(box->document()->findBlockByNumber(499).text(), QStringLiteral("line 499"));
        QCOMPARE(box->textCursor().position(), 0);
        QVERIFY(!box->textCursor().hasSelection());
        QCOMPARE(box->verticalScrollBar()->value(), 0);
        QVERIFY(!box->document()->isModified());
        QVERIFY(!box->document()->isUndoAvailable());

        QTest::keyClicks(box, QStringLiteral("ab"));
        QVERIFY(box->toPlainText().startsWith(QStringLiteral("abline 0\n")));
        QVERIFY(box->document()->isModified());
        box->undo();
        QVERIFY(box->toPlainText().startsWith(QStringLiteral("line 0\n")));
    }

    void failedOrCancelledOpenKeepsTheNoteSilently_data()
    {
        QTest::addColumn<QString>("answer"); // "" = cancel
        QTest::newRow("cancel") << "";
        QTest::newRow("a folder") << "<dir>";
        QTest::newRow("in a missing folder") << "<dir>/none/x.txt";
    }
    void failedOrCancelledOpenKeepsTheNoteSilently()
    {
        QFETCH(QString, answer);
        QTemporaryDir dir;
        answer.replace("<dir>", dir.path());
        testing::FakeApp app;
        frm_poznamky window(app.context);
        note(window)->setPlainText("note");
        if (!answer.isEmpty()) app.fakes.fileDialogs.answers = {answer};
        open(window);
        QCOMPARE(note(window)->toPlainText(), QStringLiteral("note"));
        QVERIFY(app.fakes.messages.calls.empty());
        QVERIFY(entries(dir.path()).isEmpty());
    }

    void unstorableCharactersAreNotSavedAsQuestionMarks()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("old.txt");
        testing::writeFile(path, "old\r\n");
        testing::FakeApp app;
        frm_poznamky window(app.context);
        note(window)->setPlainText(QStringLiteral("Ωmega → ok Ω"));
        app.fakes.fileDialogs.answers = {path};
        save(window);
        QCOMPARE(app.fakes.messages.calls.size(), size_t(1));
        const auto& warning = app.fakes.messages.calls[0];
        QCOMPARE(warning.style, 48);
        QVERIFY(!warning.title.has_value());
        QVERIFY2(warning.text.contains(QStringLiteral("Ω →")) && warning.text.count(QStringLiteral("Ω")) == 1,
                 qPrintable(warning.text));
        QVERIFY(warning.text.contains(path) && warning.text.contains("1250"));
        QCOMPARE(testing::readFile(path), std::string("old\r\n"));
        QCOMPARE(entries(dir.path()), QStringList{"old.txt"});
    }

    void failedSaveKeepsTheOldFileAndSaysWhy_data()
    {
        QTest::addColumn<int>("fault"); // 0 part-way full device, 1 folder, 2 missing folder, 3 full tmpfs
        QTest::newRow("device full part-way") << 0;
        QTest::newRow("a folder") << 1;
        QTest::newRow("a missing folder") << 2;
        QTest::newRow("full tmpfs") << 3;
    }
    void failedSaveKeepsTheOldFileAndSaysWhy()
    {
        QFETCH(int, fault);
        QTemporaryDir dir;
        QString folder = dir.path();
        bool mounted = false;
        if (fault == 3) {
            folder = dir.filePath("small");
            QDir().mkpath(folder);
            mounted = ::mount("tmpfs", qPrintable(folder), "tmpfs", 0, "size=64k") == 0;
            if (!mounted) QSKIP("cannot mount a tmpfs here; the part-way row covers this");
        }
        const QString path = fault == 1 ? folder : fault == 2 ? folder + "/none/n.txt" : folder + "/n.txt";
        if (fault == 0 || fault == 3) testing::writeFile(path, "old\r\n");
        const QStringList before = entries(folder);
        testing::FakeApp app;
        frm_poznamky window(app.context);
        note(window)->setPlainText(QString(fault == 3 ? 100000 : 5000, QChar('x')));
        app.fakes.fileDialogs.answers = {path};
        if (fault == 0) app.system.files.through = platform::file_operations::makeNative(testing::fillingDevice(1000));
        save(window);
        const QStringList after = entries(folder);
        const std::string kept = testing::readFile(path);
        if (mounted) ::umount2(qPrintable(folder), MNT_DETACH);

        QCOMPARE(app.fakes.messages.calls.size(), size_t(1));
        QCOMPARE(app.fakes.messages.calls[0].style, 16);
        const QString text = app.fakes.messages.calls[0].text;
        QVERIFY2(text.contains('"' + path + '"'), qPrintable(text));
        const char* reasons[] = {"No space left on device", "is a folder", "No such file or directory",
                                 "No space left on device"};
        QVERIFY2(text.contains(reasons[fault]), qPrintable(text));
        QCOMPARE(after, before);
        if (fault == 0 || fault == 3) QCOMPARE(kept, std::string("old\r\n"));
    }

    // The real dialog adds ".TXT" to a typed name without an extension.
    void typedNameWithoutExtensionGetsTxt()
    {
        QTemporaryDir dir;
        testing::FakeApp app;
        platform::QtFileDialogService realDialogs;
        AppContext context{app.table, app.fakes.with(realDialogs), [] {}, app.system.view(), app.config};
        frm_poznamky window(context);
        note(window)->setPlainText("abc");
        bool typed = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            dialog->setDirectory(dir.path());
            dialog->selectFile(QStringLiteral("poznamka"));
            typed = true;
            QMetaObject::invokeMethod(dialog, "accept");
        });
        save(window);
        QVERIFY(typed);
        QCOMPARE(entries(dir.path()), QStringList{"poznamka.TXT"});
        QCOMPARE(testing::readFile(dir.filePath("poznamka.TXT")), std::string("abc\r\n"));
    }

    void stornoClosesTheWindow()
    {
        testing::FakeApp app;
        QPointer<frm_poznamky> window = new frm_poznamky(app.context);
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->show();
        button(*window, 2)->click();
        QTRY_VERIFY(window.isNull());
        QVERIFY(app.fakes.messages.calls.empty());
    }
};

QTEST_MAIN(NotesWindowTest)
#include "test_notes_window.moc"
