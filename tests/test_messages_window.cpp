// The custom messages window: each frame's button shows a message box with
// its own frame's text and title, exactly as typed, in its own style.

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "sections/messages/frm_hlasky.h"
#include "tests/support/test_support.h"

namespace {

using testing::child;

// Every box gets a text of its own, so that a button reading the wrong box
// shows up.
void fillEveryBox(QWidget& window)
{
    for (int n = 1; n <= 6; ++n)
        child<QLineEdit>(window, QStringLiteral("Text%1").arg(n))->setText(QStringLiteral("box %1").arg(n));
}

// Types text key by key, as the user would (QTest::keyClicks only knows
// Latin-1).
void type(QWidget* widget, const QString& text)
{
    for (const QChar c : text) QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

} // namespace

class MessagesWindowTest : public QObject {
    Q_OBJECT
private slots:
    void buttonUsesItsOwnFramesBoxesAndStyle_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("style");
        QTest::newRow("Command1 information") << "Command1"
                                              << "box 1"
                                              << "box 2" << 64;
        QTest::newRow("Command2 warning: text from Text4, title from Text3") << "Command2"
                                                                             << "box 4"
                                                                             << "box 3" << 48;
        QTest::newRow("Command3 error") << "Command3"
                                        << "box 5"
                                        << "box 6" << 16;
    }
    void buttonUsesItsOwnFramesBoxesAndStyle()
    {
        QFETCH(QString, button);
        QFETCH(QString, text);
        QFETCH(QString, title);
        QFETCH(int, style);
        testing::FakeApp app;
        frm_hlasky window(app.context);
        fillEveryBox(window);

        QTest::mouseClick(child<QPushButton>(window, button), Qt::LeftButton);

        const auto& calls = app.fakes.messages.calls;
        QCOMPARE(calls.size(), size_t(1));
        QCOMPARE(calls[0].text, text);
        QCOMPARE(calls[0].title, std::optional<QString>(title));
        QCOMPARE(calls[0].style, style);
    }

    void textsArePassedExactlyAsTyped_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("textBox");
        QTest::addColumn<QString>("titleBox");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title");
        QTest::newRow("blanks kept") << "Command1"
                                     << "Text1"
                                     << "Text2"
                                     << "  Pozor, zpráva!  "
                                     << " Nadpis ";
        QTest::newRow("markup is not interpreted") << "Command2"
                                                   << "Text4"
                                                   << "Text3"
                                                   << "<b>tučně</b> & 50 %"
                                                   << "&Soubor";
        QTest::newRow("empty text and title") << "Command3"
                                              << "Text5"
                                              << "Text6"
                                              << ""
                                              << "";
        QTest::newRow("empty title only") << "Command1"
                                          << "Text1"
                                          << "Text2"
                                          << "Hotovo."
                                          << "";
    }
    void textsArePassedExactlyAsTyped()
    {
        QFETCH(QString, button);
        QFETCH(QString, textBox);
        QFETCH(QString, titleBox);
        QFETCH(QString, text);
        QFETCH(QString, title);
        testing::FakeApp app;
        frm_hlasky window(app.context);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        type(child<QLineEdit>(window, textBox), text);
        type(child<QLineEdit>(window, titleBox), title);

        QTest::mouseClick(child<QPushButton>(window, button), Qt::LeftButton);

        const auto& calls = app.fakes.messages.calls;
        QCOMPARE(calls.size(), size_t(1));
        QCOMPARE(calls[0].text, text);
        // An empty title box still passes a title of its own: the empty one,
        // not the application title.
        QVERIFY(calls[0].title.has_value());
        QCOMPARE(*calls[0].title, title);
        QCOMPARE(calls[0].shownTitle(), title);
    }

    void theSameMessageCanBeShownAgain()
    {
        testing::FakeApp app;
        frm_hlasky window(app.context);
        fillEveryBox(window);
        auto* button = child<QPushButton>(window, "Command2");
        QTest::mouseClick(button, Qt::LeftButton);
        QTest::mouseClick(button, Qt::LeftButton);
        const auto& calls = app.fakes.messages.calls;
        QCOMPARE(calls.size(), size_t(2));
        QCOMPARE(calls[1].text, calls[0].text);
        QCOMPARE(calls[1].title, calls[0].title);
        QCOMPARE(child<QLineEdit>(window, "Text4")->text(), QStringLiteral("box 4"));
    }

    void loadTakesCaptionsFromTheTable_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("caption");
        QTest::newRow("Frame1") << "Frame1"
                                << "T110";
        QTest::newRow("Frame2") << "Frame2"
                                << "T111";
        QTest::newRow("Frame3") << "Frame3"
                                << "T112";
        QTest::newRow("Label1") << "Label1"
                                << "T113";
        QTest::newRow("Label4") << "Label4"
                                << "T113";
        QTest::newRow("Label5") << "Label5"
                                << "T113";
        QTest::newRow("Label2") << "Label2"
                                << "T114";
        QTest::newRow("Label3") << "Label3"
                                << "T114";
        QTest::newRow("Label6") << "Label6"
                                << "T114";
        QTest::newRow("Command1") << "Command1"
                                  << "T115";
        QTest::newRow("Command2") << "Command2"
                                  << "T115";
        QTest::newRow("Command3") << "Command3"
                                  << "T115";
    }
    void loadTakesCaptionsFromTheTable()
    {
        QFETCH(QString, control);
        QFETCH(QString, caption);
        testing::FakeApp app;
        frm_hlasky window(app.context);
        QCOMPARE(window.windowTitle(), QStringLiteral("Quelmarn Manager - T109"));
        QWidget* widget = child<QWidget>(window, control);
        if (auto* frame = qobject_cast<QGroupBox*>(widget))
            QCOMPARE(frame->title(), caption);
        else if (auto* label = qobject_cast<QLabel*>(widget))
            QCOMPARE(label->text(), caption);
        else
            QCOMPARE(qobject_cast<QPushButton*>(widget)->text(), caption);
    }
};

QTEST_MAIN(MessagesWindowTest)
#include "test_messages_window.moc"
