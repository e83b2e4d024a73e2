// The internet browser window, driven against the recording browser view.

#include <QtTest>

#include "main_menu/main_menu.h"
#include "sections/browser/frm_internet.h"
#include "tests/support/test_support.h"

using platform::fakes::FakeBrowserView;

namespace {

// Nothing is ever loaded here (the view is a fake), but the addresses stay
// on loopback all the same.
const QString homeSite = QStringLiteral("127.0.0.1:18081");
const QString secondSite = QStringLiteral("127.0.0.1:18082");

void useTestSites(Configuration& config)
{
    config.homeSite = homeSite;
    config.secondSite = secondSite;
}

struct BrowserWindow {
    testing::FakeApp app{useTestSites};
    frm_internet window{app.context};

    FakeBrowserView& view()
    {
        if (app.fakes.browsers.created.size() != 1) qFatal("expected exactly one browser view");
        return *app.fakes.browsers.created.front();
    }
    template <typename T = QWidget>
    T* control(const QString& name)
    {
        auto* found = window.findChild<T*>(name);
        if (!found) qFatal("no control %s", qPrintable(name));
        return found;
    }
    QLineEdit* address() { return control<QLineEdit>(QStringLiteral("Text1")); }
    void click(const QString& button) { control<QPushButton>(button)->click(); }
};

} // namespace

class BrowserWindowTest : public QObject {
    Q_OBJECT
private slots:
    void loadNavigatesToTheHomeSiteOnce()
    {
        BrowserWindow b;
        QCOMPARE(b.window.minimumSize(), QSize(862, 661));
        QCOMPARE(b.window.maximumSize(), QSize(862, 661));
        QCOMPARE(b.view().calls, QStringList{QStringLiteral("navigate http://") + homeSite});
        QVERIFY(b.app.fakes.messages.calls.empty());
    }

    void captionsAfterLoad_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::newRow("Command1 home") << "Command1"
                                       << "T101";
        QTest::newRow("Command2 back") << "Command2"
                                       << "T102";
        QTest::newRow("Command3 forward") << "Command3"
                                          << "T103";
        QTest::newRow("Command4 stop") << "Command4"
                                       << "T104";
        QTest::newRow("Command6 reload") << "Command6"
                                         << "T105";
        QTest::newRow("Label2 heading") << "Label2"
                                        << "T106";
        QTest::newRow("Command5 go") << "Command5"
                                     << "T107";
        QTest::newRow("Label1 fixed scheme") << "Label1"
                                             << "http://";
        QTest::newRow("Text1 home site") << "Text1" << homeSite;
        QTest::newRow("Command7 home site") << "Command7" << homeSite;
        QTest::newRow("Command8 second site") << "Command8" << secondSite;
    }
    void captionsAfterLoad()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        BrowserWindow b;
        QCOMPARE(b.window.windowTitle(), QStringLiteral("Quelmarn Manager - T108"));
        QWidget* control = b.control(name);
        QString shown;
        if (auto* button = qobject_cast<QPushButton*>(control))
            shown = button->text();
        else if (auto* label = qobject_cast<QLabel*>(control))
            shown = label->text();
        else if (auto* box = qobject_cast<QLineEdit*>(control))
            shown = box->text();
        QCOMPARE(shown, text);
    }

    void buttonsDriveTheView_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("call");
        QTest::newRow("Command1 goes to the view's own home page") << "Command1"
                                                                   << "home";
        QTest::newRow("Command2 back") << "Command2"
                                       << "back";
        QTest::newRow("Command3 forward") << "Command3"
                                          << "forward";
        QTest::newRow("Command4 stop") << "Command4"
                                       << "stop";
        QTest::newRow("Command6 reload") << "Command6"
                                         << "reload";
        QTest::newRow("Command7 home site") << "Command7"
                                            << "navigate http://" + homeSite;
        QTest::newRow("Command8 second site") << "Command8"
                                              << "navigate http://" + secondSite;
    }
    void buttonsDriveTheView()
    {
        QFETCH(QString, button);
        QFETCH(QString, call);
        BrowserWindow b;
        b.address()->setText(QStringLiteral("typed but not gone to"));
        b.click(button);
        QCOMPARE(b.view().calls.mid(1), QStringList{call});
        QCOMPARE(b.address()->text(), QStringLiteral("typed but not gone to"));
        QVERIFY(b.app.fakes.messages.calls.empty());
    }

    void goPutsTheSchemeInFrontUnlessTheTextHasOne_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("url");
        QTest::newRow("empty") << ""
                               << "http://";
        QTest::newRow("host") << "127.0.0.1:18083"
                              << "http://127.0.0.1:18083";
        QTest::newRow("http kept") << "http://127.0.0.1:18083"
                                   << "http://127.0.0.1:18083";
        QTest::newRow("https kept, any case") << "HTTPS://127.0.0.1/x"
                                              << "HTTPS://127.0.0.1/x";
        QTest::newRow("file kept") << "file:///tmp/a.html"
                                   << "file:///tmp/a.html";
        QTest::newRow("about kept") << "about:blank"
                                    << "about:blank";
        QTest::newRow("scheme-like host") << "http.example/x"
                                          << "http://http.example/x";
        QTest::newRow("scheme not at the start") << " http://127.0.0.1"
                                                 << "http:// http://127.0.0.1";
        QTest::newRow("blanks are not trimmed") << " 127.0.0.1/a b "
                                                << "http:// 127.0.0.1/a b ";
    }
    void goPutsTheSchemeInFrontUnlessTheTextHasOne()
    {
        QFETCH(QString, typed);
        QFETCH(QString, url);
        BrowserWindow b;
        b.address()->setText(typed);
        b.click(QStringLiteral("Command5"));
        QCOMPARE(b.view().calls.mid(1), QStringList{QStringLiteral("navigate ") + url});
        QCOMPARE(b.address()->text(), typed);
    }

    void enterInTheAddressBoxDoesNothing()
    {
        BrowserWindow b;
        b.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&b.window));
        b.address()->setFocus();
        b.address()->setText(QStringLiteral("127.0.0.1:18083"));
        QTest::keyClick(b.address(), Qt::Key_Return);
        QTest::keyClick(b.address(), Qt::Key_Enter);
        QCOMPARE(b.view().calls.size(), qsizetype(1)); // only the load's navigation
    }

    void registeredAndLoadedAfreshWhenReopened()
    {
        testing::FakeApp app{useTestSites};
        SectionWindows registry(app.context);
        QPointer<QWidget> first = registry.show<frm_internet>();
        QVERIFY(qobject_cast<frm_internet*>(first.data()));
        QCOMPARE(registry.show<frm_internet>(), first.data());
        QCOMPARE(app.fakes.browsers.created.size(), size_t(1));
        first->close();
        QTRY_VERIFY(first.isNull());

        QWidget* second = registry.show<frm_internet>();
        QVERIFY(qobject_cast<frm_internet*>(second));
        QCOMPARE(app.fakes.browsers.created.size(), size_t(1 + 1));
        QCOMPARE(app.fakes.browsers.created.back()->calls, QStringList{QStringLiteral("navigate http://") + homeSite});
        second->close();
    }
};

QTEST_MAIN(BrowserWindowTest)
#include "test_browser_window.moc"
