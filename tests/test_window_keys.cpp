// Keys in every window: Enter on a focused button presses it as Space does,
// while a dialog's Enter still presses its default button (the about
// window's default and cancel keys are its own test's).

#include <QDialog>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>
#include <functional>
#include <memory>

#include "about/frmAbout.h"
#include "main_menu/main_menu.h"
#include "sections/browser/frm_internet.h"
#include "sections/folders/frm_slozky.h"
#include "sections/messages/frm_hlasky.h"
#include "sections/network/frm_sit.h"
#include "sections/notes/frm_poznamky.h"
#include "sections/programs/frm_programy.h"
#include "sections/settings/frm_nastav.h"
#include "sections/system/frm_system.h"
#include "startup/appearance.h"
#include "tests/support/test_support.h"

using MakeWindow = std::function<std::unique_ptr<QWidget>(AppContext&)>;
Q_DECLARE_METATYPE(MakeWindow)

namespace {

template <typename Window>
MakeWindow maker()
{
    return [](AppContext& context) { return std::make_unique<Window>(context); };
}

} // namespace

class WindowKeysTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { applyAppearance(*qApp); }

    void enterPressesTheFocusedButton_data()
    {
        QTest::addColumn<MakeWindow>("make");
        QTest::addColumn<int>("key");
        for (const auto& keyAndName : {std::pair{int(Qt::Key_Return), "Return"}, {int(Qt::Key_Enter), "Enter"}}) {
            const int key = keyAndName.first;
            const char* keyName = keyAndName.second;
            const auto row = [&](const char* window, const MakeWindow& make) {
                QTest::addRow("%s %s", window, keyName) << make << key;
            };
            row("main_menu", maker<main_menu>());
            row("frm_hlasky", maker<frm_hlasky>());
            row("frm_internet", maker<frm_internet>());
            row("frm_nastav", maker<frm_nastav>());
            row("frm_poznamky", maker<frm_poznamky>());
            row("frm_programy", maker<frm_programy>());
            row("frm_sit", maker<frm_sit>());
            row("frm_slozky", maker<frm_slozky>());
            row("frm_system", maker<frm_system>());
            row("frmAbout", maker<frmAbout>());
        }
    }
    void enterPressesTheFocusedButton()
    {
        QFETCH(MakeWindow, make);
        QFETCH(int, key);
        testing::FakeApp app;
        const std::unique_ptr<QWidget> window = make(app.context);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        int pressed = 0;
        for (QPushButton* button : window->findChildren<QPushButton*>()) {
            if (!button->isVisible() || !button->isEnabled() || button->window() != window.get()) continue;
            button->setFocus();
            QSignalSpy clicks(button, &QAbstractButton::clicked);
            QTest::keyClick(button, Qt::Key(key));
            QVERIFY2(clicks.count() == 1, qPrintable(button->objectName()));
            ++pressed;
            // Some presses close the window or open another one on top.
            if (!window->isVisible()) break;
            window->activateWindow();
        }
        QVERIFY(pressed > 0);
    }

    // In a dialog Enter keeps pressing the default button, wherever the
    // focus is among buttons that are not default.
    void enterInADialogPressesItsDefaultButton()
    {
        QDialog dialog;
        auto* other = new QPushButton(QStringLiteral("other"), &dialog);
        auto* defaultButton = new QPushButton(QStringLiteral("default"), &dialog);
        other->setAutoDefault(false);
        defaultButton->setAutoDefault(false);
        defaultButton->setDefault(true);
        QSignalSpy otherClicks(other, &QAbstractButton::clicked);
        QSignalSpy defaultClicks(defaultButton, &QAbstractButton::clicked);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        other->setFocus();
        QTest::keyClick(other, Qt::Key_Return);
        QCOMPARE(otherClicks.count(), 0);
        QCOMPARE(defaultClicks.count(), 1);
    }
};

QTEST_MAIN(WindowKeysTest)
#include "test_window_keys.moc"
