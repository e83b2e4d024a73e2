// The about window: version line, the fixed about text, closing by OK,
// Enter and Esc; and the three windows of this area reachable from the
// main menu.

#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

#include "about/frmAbout.h"
#include "main_menu/main_menu.h"
#include "tests/support/test_support.h"

namespace {

using testing::child;

// Opens and closes one section window of the main menu's registry.
struct SectionOpener {
    QWidget* (*show)(SectionWindows&) = nullptr;
    void (*close)(SectionWindows&) = nullptr;
    template <typename Window>
    static SectionOpener of()
    {
        return {[](SectionWindows& w) { return w.show<Window>(); }, [](SectionWindows& w) { w.close<Window>(); }};
    }
};

QStringList aboutLines() { return frmAbout::aboutText().split(QLatin1Char('\n')); }

// The lines between the heading and the next empty line.
QStringList linesUnder(const QString& heading)
{
    const QStringList lines = aboutLines();
    const int at = lines.indexOf(heading);
    if (at < 0) return {};
    QStringList block;
    for (int i = at + 2; i < lines.size() && !lines[i].isEmpty(); ++i) block << lines[i];
    return block;
}

} // namespace

Q_DECLARE_METATYPE(SectionOpener)

class AboutWindowTest : public QObject {
    Q_OBJECT
private slots:
    void versionLineAndTitle_data()
    {
        QTest::addColumn<QString>("text116");
        QTest::addColumn<QString>("version");
        QTest::newRow("empty entry") << ""
                                     << "0.05";
        QTest::newRow("czech") << "Verze: "
                               << "Verze: 0.05";
        QTest::newRow("no blank added") << "v"
                                        << "v0.05";
    }
    void versionLineAndTitle()
    {
        QFETCH(QString, text116);
        QFETCH(QString, version);
        testing::FakeApp app;
        app.table.setText(116, text116);
        frmAbout window(app.context);
        QCOMPARE(child<QLabel>(window, "lblVersion")->text(), version);
        QCOMPARE(window.windowTitle(), QStringLiteral("Quelmarn Manager - T117"));
        QCOMPARE(child<QLabel>(window, "lblTitle")->text(), QStringLiteral("Quelmarn Manager"));
    }

    void iconComesFromTheResources()
    {
        testing::FakeApp app;
        frmAbout window(app.context);
        const QPixmap icon = child<QLabel>(window, "picIcon")->pixmap();
        QVERIFY(!icon.isNull());
        QCOMPARE(icon.size(), QSize(32, 32));
    }

    void sectionsComeInOrderWithTheirQuotedLines()
    {
        const QString text = frmAbout::aboutText();
        QStringList inOrder{"Úvodem",
                            "\"Quelmarn Manageru\"",
                            "Spolupráce",
                            "---POZOR! Chcete vytvářet překlady do tohoto programu?\n"
                            "Potom čtěte dále v sekci Nastavení.",
                            "Historie",
                            "10/2005 - verze 0.05",
                            "07/2005 - verze 0.00 Beta",
                            "Poděkování",
                            "Aleš Mráz",
                            "Ing. Eva Hrubá"};
        int previous = -1;
        for (const QString& part : inOrder) {
            const int at = text.indexOf(part);
            QVERIFY2(at > previous, qPrintable(part));
            previous = at;
        }
        QVERIFY(text.endsWith(QStringLiteral("\nQuelmarn Team")));
        QVERIFY(!text.contains(QLatin1Char('\r')));
    }

    void historyAndThanksHaveTheirItems_data()
    {
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<int>("count");
        QTest::newRow("version 0.05") << "10/2005 - verze 0.05"
                                      << "- " << 14;
        QTest::newRow("version 0.00 Beta") << "07/2005 - verze 0.00 Beta"
                                           << "- " << 1;
        QTest::newRow("thanks") << "Poděkování"
                                << "..." << 3;
    }
    void historyAndThanksHaveTheirItems()
    {
        QFETCH(QString, heading);
        QFETCH(QString, prefix);
        QFETCH(int, count);
        const QStringList block = linesUnder(heading);
        QVERIFY(!block.isEmpty());
        int matching = 0;
        for (const QString& line : block)
            if (line.startsWith(prefix)) ++matching;
        QCOMPARE(matching, count);
    }

    void aboutTextIsReadOnlyButSelectableAndScrollable()
    {
        testing::FakeApp app;
        frmAbout window(app.context);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* text = child<QPlainTextEdit>(window, "Text1");
        QCOMPARE(text->toPlainText(), frmAbout::aboutText());

        text->setFocus();
        QTest::keyClicks(text, "xyz");
        QTest::keyClick(text, Qt::Key_Backspace);
        QTest::keyClick(text, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(text->toPlainText(), frmAbout::aboutText());

        QTest::keyClick(text, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(text->textCursor().selectedText().size(), frmAbout::aboutText().size());

        QScrollBar* bar = text->verticalScrollBar();
        QVERIFY(bar->isVisible());
        QVERIFY(bar->maximum() > 0);
        QTest::keyClick(text, Qt::Key_End, Qt::ControlModifier);
        QVERIFY(bar->value() > 0);
    }

    void okEnterAndEscClose_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key"); // 0: click cmdOK
        QTest::newRow("click OK") << "cmdOK" << 0;
        QTest::newRow("Esc in the text") << "Text1" << int(Qt::Key_Escape);
        QTest::newRow("Enter in the text") << "Text1" << int(Qt::Key_Return);
        QTest::newRow("keypad Enter in the text") << "Text1" << int(Qt::Key_Enter);
        QTest::newRow("Esc on OK") << "cmdOK" << int(Qt::Key_Escape);
        QTest::newRow("Enter on OK") << "cmdOK" << int(Qt::Key_Return);
    }
    void okEnterAndEscClose()
    {
        QFETCH(QString, focus);
        QFETCH(int, key);
        testing::FakeApp app;
        QPointer<frmAbout> window = new frmAbout(app.context);
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QWidget* target = window->findChild<QWidget*>(focus);
        QVERIFY(target);
        target->setFocus();

        if (key == 0)
            QTest::mouseClick(target, Qt::LeftButton);
        else
            QTest::keyClick(target, Qt::Key(key));
        QTRY_VERIFY(window.isNull());
        QVERIFY(app.fakes.messages.calls.empty());
    }

    void otherKeysLeaveTheWindowOpen()
    {
        testing::FakeApp app;
        frmAbout window(app.context);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        child<QPlainTextEdit>(window, "Text1")->setFocus();
        QTest::keyClick(child<QPlainTextEdit>(window, "Text1"), Qt::Key_Down);
        QTest::keyClick(child<QPlainTextEdit>(window, "Text1"), Qt::Key_Space);
        QVERIFY(window.isVisible());
    }

    void mainMenuOpensEachWindowOnce_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("className");
        QTest::addColumn<SectionOpener>("opener");
        QTest::newRow("settings") << "frm_nastav"
                                  << "frm_nastav" << SectionOpener::of<frm_nastav>();
        QTest::newRow("custom messages") << "frm_hlasky"
                                         << "frm_hlasky" << SectionOpener::of<frm_hlasky>();
        QTest::newRow("about") << "frmAbout"
                               << "frmAbout" << SectionOpener::of<frmAbout>();
    }
    void mainMenuOpensEachWindowOnce()
    {
        QFETCH(QString, name);
        QFETCH(QString, className);
        QFETCH(SectionOpener, opener);
        testing::FakeApp app;
        main_menu menu(app.context);
        QWidget* first = opener.show(menu.windows());
        QVERIFY(first);
        QCOMPARE(QString::fromLatin1(first->metaObject()->className()), className);
        QCOMPARE(first->objectName(), name);
        QCOMPARE(opener.show(menu.windows()), first);
        opener.close(menu.windows());
    }
};

QTEST_MAIN(AboutWindowTest)
#include "test_about_window.moc"
