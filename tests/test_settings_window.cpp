// The settings window: the list of language files of the working directory
// and start-up's folders, the copy into the user's folder, options.ini
// written on every selection, the restart notice, the help labels.

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "platform/sys/profile.h"
#include "sections/settings/frm_nastav.h"
#include "startup/appearance.h"
#include "startup/frm_load.h"
#include "tests/support/test_support.h"

namespace {

// A working directory with language files and other things beside them,
// an empty Windows-directory stand-in, and start-up's language folders, all
// empty: the program's (a), the user's (u, not made yet) and a system one (s).
struct SettingsFixture {
    QTemporaryDir workDir;
    QTemporaryDir windowsDir;
    QTemporaryDir languageRoot;
    testing::FakeApp app;

    explicit SettingsFixture(const QStringList& files = {"czech.qlk", "english.qlk", "slovak.qlk"})
    {
        for (const QString& name : files) testing::writeFile(workDir.path() + "/" + name, "x");
        app.config.workingFolder = workDir.path();
        app.config.windowsDirectory = windowsDir.path().toStdString();
        auto& folders = app.config.languageFolders;
        folders.application = folder('a').toStdString();
        folders.user = folder('u').toStdString();
        folders.system = {folder('s').toStdString()};
        QVERIFY(QDir().mkpath(folder('a')) && QDir().mkpath(folder('s')));
    }
    // The working directory is w.
    QString folder(char letter) const
    {
        return letter == 'w' ? workDir.path() : languageRoot.path() + "/" + letter + "/quelmarn/languages";
    }
    void put(char letter, const QString& name, const std::string& bytes) const
    {
        QVERIFY(QDir().mkpath(folder(letter)));
        testing::writeFile(folder(letter) + "/" + name, bytes);
    }
    QString optionsPath() const { return windowsDir.path() + "/options.ini"; }
    std::string options() const { return testing::readFile(optionsPath()); }
};

using testing::child;

QStringList listed(QWidget& window)
{
    QStringList names;
    auto* list = child<QListWidget>(window, "File2");
    for (int i = 0; i < list->count(); ++i) names << list->item(i)->text();
    return names;
}

void select(QWidget& window, const QString& name)
{
    auto* list = child<QListWidget>(window, "File2");
    const auto items = list->findItems(name, Qt::MatchExactly);
    if (items.size() != 1) qFatal("%s is not listed once", qPrintable(name));
    list->setCurrentItem(items.first());
}

void clickOn(QWidget& window, const QString& name)
{
    auto* list = child<QListWidget>(window, "File2");
    const auto items = list->findItems(name, Qt::MatchExactly);
    QCOMPARE(items.size(), 1);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(items.first()).center());
}

} // namespace

class SettingsWindowTest : public QObject {
    Q_OBJECT
private slots:
    // The program's own style and font, so that text fitting is judged as
    // the user will see it.
    void initTestCase() { applyAppearance(*qApp); }

    void listsOnlyLanguageFilesOfTheWorkingDirectory()
    {
        SettingsFixture f({"english.qlk", "czech.qlk", "Slovak.QLK", "notes.txt", "czech.qlk.bak", "qlk", ".hidden.qlk",
                           "ěščřžýáíé.qlk", "line\nbreak.qlk", "abcdefghijklmnopqrstuvwxyz.qlk"});
        QVERIFY(QDir(f.workDir.path()).mkdir("folder.qlk"));
        // A language file in a folder start-up does not search does not
        // count.
        QTemporaryDir elsewhere;
        testing::writeFile(elsewhere.path() + "/german.qlk", "x");

        frm_nastav window(f.app.context);
        QCOMPARE(listed(window), (QStringList{"czech.qlk", "english.qlk", "Slovak.QLK", "ěščřžýáíé.qlk"}));
        QCOMPARE(child<QListWidget>(window, "File2")->selectedItems().size(), 0);
        QVERIFY(!QFile::exists(f.optionsPath()));
        QVERIFY(f.app.fakes.messages.calls.empty());
    }

    void listJoinsTheWorkingDirectoryAndTheSearchedFolders()
    {
        SettingsFixture f({"czech.qlk", "mine.qlk"});
        for (const QString& name : QStringList{"czech.qlk", "english.qlk"}) f.put('a', name, "a");
        f.put('u', "user.qlk", "u");
        for (const QString& name : QStringList{"slovak.qlk", "czech.qlk", "Czech.qlk"}) f.put('s', name, "s");
        frm_nastav window(f.app.context);
        QCOMPARE(listed(window),
                 (QStringList{"Czech.qlk", "czech.qlk", "english.qlk", "mine.qlk", "slovak.qlk", "user.qlk"}));
    }

    // The choice is mine.qlk, held by the folders named (w = working
    // directory), each copy saying which folder it came from.
    void choiceStartUpWouldNotFindIsCopiedFirst_data()
    {
        QTest::addColumn<QString>("holding");
        QTest::addColumn<QString>("foundIn"); // where the next start finds it; "" when refused
        QTest::addColumn<QString>("content");
        QTest::newRow("only in the working directory: copied") << "w"
                                                               << "u"
                                                               << "w";
        QTest::newRow("also in the program's folder") << "wa"
                                                      << "a"
                                                      << "a";
        QTest::newRow("user's own file not replaced") << "wu"
                                                      << "u"
                                                      << "u";
        QTest::newRow("only in a system folder") << "s"
                                                 << "s"
                                                 << "s";
        QTest::newRow("user's folder cannot be made") << "w"
                                                      << ""
                                                      << "";
    }
    void choiceStartUpWouldNotFindIsCopiedFirst()
    {
        QFETCH(QString, holding);
        QFETCH(QString, foundIn);
        QFETCH(QString, content);
        SettingsFixture f{QStringList()};
        for (const QChar letter : holding)
            f.put(letter.toLatin1(), "mine.qlk", "from " + QString(letter).toStdString());
        if (foundIn.isEmpty()) testing::writeFile(f.languageRoot.path() + "/u", "a file, not a folder");
        const std::string before = "[OPTIONS]\nlokalizace=czech.qlk\n";
        testing::writeFile(f.optionsPath(), before);

        frm_nastav window(f.app.context);
        select(window, "mine.qlk");

        const auto& calls = f.app.fakes.messages.calls;
        QCOMPARE(calls.size(), size_t(1));
        if (foundIn.isEmpty()) {
            QCOMPARE(calls[0].style, 16);
            QVERIFY2(calls[0].text.contains(f.languageRoot.path() + "/u"), qPrintable(calls[0].text));
            QCOMPARE(f.options(), before);
            return;
        }
        QCOMPARE(calls[0].text, frm_nastav::noticeText());
        QCOMPARE(frm_load::languageFileName(f.optionsPath().toStdString()), std::string("mine.qlk"));
        const std::string found = frm_load::languageFilePath(f.app.config.languageFolders.searchOrder(), "mine.qlk");
        QCOMPARE(QString::fromStdString(found), f.folder(foundIn[0].toLatin1()) + "/mine.qlk");
        QCOMPARE(testing::readFile(QString::fromStdString(found)), "from " + content.toStdString());
    }

    void emptyWorkingDirectoryGivesAnEmptyList()
    {
        SettingsFixture f{QStringList()};
        frm_nastav window(f.app.context);
        QVERIFY(listed(window).isEmpty());
    }

    void namesStartUpCannotReadBackAreNotOffered_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("offered");
        QTest::newRow("plain") << "czech.qlk" << true;
        QTest::newRow("inner blank") << "moje cestina.qlk" << true;
        QTest::newRow("29 characters") << "abcdefghijklmnopqrstuvwxy.qlk" << true;
        QTest::newRow("29 accented characters") << "ěščřžýáíéůúěščřžýáíéůúěšč.qlk" << true;
        QTest::newRow("30 characters") << "abcdefghijklmnopqrstuvwxyz.qlk" << false;
        QTest::newRow("leading blank") << " czech.qlk" << false;
        QTest::newRow("line break") << "czech\n.qlk" << false;
        QTest::newRow("carriage return") << "cz\rech.qlk" << false;
        QTest::newRow("tab") << "cz\tech.qlk" << false;
        QTest::newRow("quote inside") << "\"cz\".qlk" << true;
        QTest::newRow("semicolon") << ";czech.qlk" << true;
    }
    void namesStartUpCannotReadBackAreNotOffered()
    {
        QFETCH(QString, name);
        QFETCH(bool, offered);
        QCOMPARE(frm_nastav::isStorableName(name), offered);

        // An offered name comes back unchanged from options.ini at start-up.
        if (offered) {
            QTemporaryDir dir;
            const std::string ini = optionsPath(dir.path().toStdString());
            platform::profile::writeString(ini, "OPTIONS", "lokalizace", QFile::encodeName(name).toStdString());
            QCOMPARE(QFile::decodeName(QByteArray::fromStdString(frm_load::languageFileName(ini))), name);
        }
    }

    void selectionWritesOptionsAndShowsTheNotice()
    {
        SettingsFixture f;
        frm_nastav window(f.app.context);
        select(window, "czech.qlk");

        QCOMPARE(f.options(), std::string("[OPTIONS]\nlokalizace=czech.qlk\n"));
        QCOMPARE(f.app.fakes.messages.calls.size(), size_t(1));
        const auto& notice = f.app.fakes.messages.calls[0];
        QCOMPARE(notice.text,
                 QStringLiteral("Změny se projeví až po restartu programu. / Changes will be "
                                "applying after restart application."));
        QCOMPARE(notice.title, std::optional<QString>(QStringLiteral("Informace/Information")));
        QCOMPARE(notice.style, 64);
        // The running program keeps its texts.
        QCOMPARE(f.app.context.T(118), QStringLiteral("T118"));
        QCOMPARE(window.windowTitle(), QStringLiteral("T118"));
    }

    void everySelectionRewritesAndKeepsTheRestOfTheFile()
    {
        SettingsFixture f;
        const std::string before = "; machine settings\r\n[Display]\r\nmode = 2\r\n\r\n[options]\r\n"
                                   "width=640\r\nLokalizace = old.qlk\r\nheight=480\r\n[Tail]\r\nz=\"q\"";
        testing::writeFile(f.optionsPath(), before);
        const auto expected = [](const char* name) {
            return "; machine settings\r\n[Display]\r\nmode = 2\r\n\r\n[options]\r\nwidth=640\r\nlokalizace="
                + std::string(name) + "\r\nheight=480\r\n[Tail]\r\nz=\"q\"";
        };

        frm_nastav window(f.app.context);
        select(window, "english.qlk");
        QCOMPARE(f.options(), expected("english.qlk"));
        select(window, "slovak.qlk");
        QCOMPARE(f.options(), expected("slovak.qlk"));
        select(window, "czech.qlk");
        QCOMPARE(f.options(), expected("czech.qlk"));

        QCOMPARE(f.app.fakes.messages.calls.size(), size_t(3));
        for (const auto& call : f.app.fakes.messages.calls) QCOMPARE(call.text, frm_nastav::noticeText());
        // The last choice is what the next start loads.
        QCOMPARE(frm_load::languageFileName(f.optionsPath().toStdString()), std::string("czech.qlk"));
    }

    void mouseAndKeyboardSelectionsWriteButFocusAloneDoesNot()
    {
        SettingsFixture f;
        frm_nastav window(f.app.context);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* list = child<QListWidget>(window, "File2");

        // Gaining focus makes a row current without selecting it.
        list->setFocus(Qt::TabFocusReason);
        QVERIFY(!QFile::exists(f.optionsPath()));
        QVERIFY(f.app.fakes.messages.calls.empty());

        clickOn(window, "english.qlk");
        QCOMPARE(frm_load::languageFileName(f.optionsPath().toStdString()), std::string("english.qlk"));
        QCOMPARE(f.app.fakes.messages.calls.size(), size_t(1));

        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(frm_load::languageFileName(f.optionsPath().toStdString()), std::string("slovak.qlk"));
        QCOMPARE(f.app.fakes.messages.calls.size(), size_t(2));
    }

    // An options.ini that cannot be written shows why, not the notice, and
    // stays as it was.
    void failedWriteShowsTheFailureInsteadOfTheNotice_data()
    {
        QTest::addColumn<QString>("obstacle");
        QTest::addColumn<QString>("reason");
        QTest::newRow("Windows directory is a file") << "folder is a file"
                                                     << "Not a directory";
        QTest::newRow("options.ini over 1 MiB") << "large"
                                                << "larger than 1 MiB";
    }
    void failedWriteShowsTheFailureInsteadOfTheNotice()
    {
        QFETCH(QString, obstacle);
        QFETCH(QString, reason);
        SettingsFixture f;
        // Neither can be written, whoever runs the test.
        const QString blocker = f.windowsDir.path() + "/not-a-folder";
        testing::writeFile(blocker, "x");
        if (obstacle == "folder is a file") f.app.config.windowsDirectory = blocker.toStdString();
        const std::string large = "[OPTIONS]\nlokalizace=czech.qlk\n" + std::string(1 << 20, ';');
        if (obstacle == "large") testing::writeFile(f.optionsPath(), large);

        frm_nastav window(f.app.context);
        select(window, "english.qlk");

        QCOMPARE(f.app.fakes.messages.calls.size(), size_t(1));
        QCOMPARE(f.app.fakes.messages.calls[0].style, 16);
        QVERIFY2(f.app.fakes.messages.calls[0].text.contains(reason), qPrintable(f.app.fakes.messages.calls[0].text));
        QCOMPARE(testing::readFile(blocker), std::string("x"));
        if (obstacle == "large") QCOMPARE(f.options(), large);
    }

    void loadTakesCaptionsAndTooltipsFromTheTable_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("caption");
        QTest::newRow("Label9") << "Label9"
                                << "T120";
        QTest::newRow("Label10") << "Label10"
                                 << "T121";
        QTest::newRow("Label11") << "Label11"
                                 << "T122";
        QTest::newRow("Label12") << "Label12"
                                 << "T123";
        QTest::newRow("Label7") << "Label7"
                                << "T124";
        QTest::newRow("Label8") << "Label8"
                                << "T125";
    }
    void loadTakesCaptionsAndTooltipsFromTheTable()
    {
        QFETCH(QString, control);
        QFETCH(QString, caption);
        SettingsFixture f;
        frm_nastav window(f.app.context);
        auto* label = child<QLabel>(window, control.toLatin1().constData());
        QCOMPARE(label->text(), caption);
        QCOMPARE(label->toolTip(), caption);
        QVERIFY(label->wordWrap());
    }

    void fixedTextsAndFrameCaption()
    {
        SettingsFixture f;
        frm_nastav window(f.app.context);
        QCOMPARE(window.windowTitle(), QStringLiteral("T118"));
        QCOMPARE(child<QGroupBox>(window, "Frame2")->title(), QStringLiteral("T119"));
        QCOMPARE(child<QLabel>(window, "Label6")->text(), QStringLiteral("Zvolte si jazyk:"));
        QVERIFY(child<QLabel>(window, "Label6")->toolTip().isEmpty());
        QCOMPARE(child<QPushButton>(window, "Command3")->text(), QStringLiteral("Ok"));
        for (const char* question : {"Label7", "Label9", "Label11"})
            QVERIFY2(child<QLabel>(window, question)->font().bold(), question);
        for (const char* answer : {"Label6", "Label8", "Label10", "Label12"})
            QVERIFY2(!child<QLabel>(window, answer)->font().bold(), answer);
    }

    void helpTextsOfTheShippedLanguagesAreNotCutOff_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("czech") << "czech.qlk";
        QTest::newRow("english") << "english.qlk";
        QTest::newRow("slovak") << "slovak.qlk";
        QTest::newRow("hungarian") << "hungarian.qlk";
    }
    void helpTextsOfTheShippedLanguagesAreNotCutOff()
    {
        QFETCH(QString, language);
        SettingsFixture f;
        const QString path = testing::builtLanguageFolder() + "/" + language;
        f.app.table.load(testing::readFile(path), path.toStdString(), 1250);
        frm_nastav window(f.app.context);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        for (const char* help : {"Label7", "Label8", "Label9", "Label10", "Label11", "Label12"}) {
            QLabel* label = child<QLabel>(window, help);
            QVERIFY2(label->heightForWidth(label->width()) <= label->height(), help);
            QVERIFY2(QFontInfo(label->font()).pixelSize() >= 8, help);
            QCOMPARE(label->toolTip(), label->text());
        }
    }

    void onlyTextsThatDoNotFitAreSetSmaller()
    {
        SettingsFixture f;
        const QString endless = QString("Velmi dlouhá odpověď. ").repeated(60);
        f.app.table.setText(121, endless);
        frm_nastav window(f.app.context);
        const int regular = QFontInfo(window.font()).pixelSize();
        // Short texts keep the window's font (the questions bold).
        QCOMPARE(QFontInfo(child<QLabel>(window, "Label12")->font()).pixelSize(), regular);
        QCOMPARE(QFontInfo(child<QLabel>(window, "Label11")->font()).pixelSize(), regular);
        // A text that fits at no size stops at the smallest one and stays
        // whole in the tooltip.
        QLabel* label = child<QLabel>(window, "Label10");
        QCOMPARE(QFontInfo(label->font()).pixelSize(), 8);
        QCOMPARE(label->toolTip(), endless);
    }

    void emptyCaptionEntryGivesAnEmptyTitle()
    {
        SettingsFixture f;
        f.app.table.setText(118, QString());
        frm_nastav window(f.app.context);
        QCOMPARE(window.windowTitle(), QString());
    }

    void okClosesTheWindow()
    {
        SettingsFixture f;
        QPointer<frm_nastav> window = new frm_nastav(f.app.context);
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->show();
        QTest::mouseClick(child<QPushButton>(*window, "Command3"), Qt::LeftButton);
        QTRY_VERIFY(window.isNull());
        QVERIFY(f.app.fakes.messages.calls.empty());
    }
};

QTEST_MAIN(SettingsWindowTest)
#include "test_settings_window.moc"
