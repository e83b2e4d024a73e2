// The real browser view (Qt WebEngine) and the browser window on top of it,
// against a small HTTP server on loopback that this test runs itself.

#include <QApplication>
#include <QHash>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QWebEngineHistory>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <QtTest>
#include <memory>
#include <optional>

#include "main_menu/main_menu.h"
#include "platform/services/qt/qt_services.h"
#include "sections/browser/frm_internet.h"
#include "tests/support/loopback_server.h"
#include "tests/support/test_support.h"

namespace {

constexpr int loadTimeout = 30000; // the first page starts the engine's processes

QString htmlOf(QWebEngineView* engine)
{
    auto html = std::make_shared<std::optional<QString>>();
    engine->page()->toHtml([html](const QString& text) { *html = text; });
    QTest::qWaitFor([&] { return html->has_value(); }, loadTimeout);
    return html->value_or(QString());
}

QWebEngineView* engineOf(QWidget* browserView)
{
    auto* engine = browserView->findChild<QWebEngineView*>();
    if (!engine) qFatal("the browser view holds no QWebEngineView");
    return engine;
}

// A click by the user: the engine lets back skip pages that navigated away
// on their own, so a scripted click would not leave a usable history. The
// link covers the whole page. Input is routed to a page only once it has
// been laid out and painted, so the pointer is moved over it until the page
// has seen a move.
void followLink(QWebEngineView* engine)
{
    QWidget* input = engine->focusProxy();
    if (!input) qFatal("the engine has no input widget");
    // Answers may still arrive after this function has returned.
    auto seenMove = std::make_shared<bool>(false);
    int step = 0;
    const auto probe = [&] {
        const QPoint pos(20 + ++step % 2, 20);
        QMouseEvent move(QEvent::MouseMove, pos, input->mapToGlobal(pos), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(input, &move);
        engine->page()->runJavaScript(QStringLiteral("window.seenMove === true"),
                                      [seenMove](const QVariant& result) { *seenMove = result.toBool(); });
        return *seenMove;
    };
    QTRY_VERIFY_WITH_TIMEOUT(probe(), loadTimeout);
    QTest::mouseClick(input, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
}

} // namespace

class WebEngineViewTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(server_.start());
        factory_.emplace(server_.url(QStringLiteral("/start")));
    }

    void init()
    {
        server_.requests.clear();
        host_ = std::make_unique<QWidget>();
        host_->resize(400, 300);
        view_ = factory_->create(host_.get());
        view_->resize(400, 300);
        host_->show();
        engine_ = engineOf(view_);
    }

    void cleanup() { host_.reset(); }

    void loadBackForwardReload()
    {
        view_->navigate(server_.url(QStringLiteral("/one")));
        QTRY_COMPARE_WITH_TIMEOUT(engine_->title(), QStringLiteral("One"), loadTimeout);
        followLink(engine_);
        QTRY_COMPARE_WITH_TIMEOUT(engine_->title(), QStringLiteral("Two"), loadTimeout);
        QCOMPARE(engine_->url(), QUrl(server_.url(QStringLiteral("/two"))));

        view_->goBack();
        QTRY_COMPARE_WITH_TIMEOUT(engine_->url(), QUrl(server_.url(QStringLiteral("/one"))), loadTimeout);
        QTRY_COMPARE_WITH_TIMEOUT(engine_->title(), QStringLiteral("One"), loadTimeout);
        view_->goForward();
        QTRY_COMPARE_WITH_TIMEOUT(engine_->url(), QUrl(server_.url(QStringLiteral("/two"))), loadTimeout);
        QTRY_COMPARE_WITH_TIMEOUT(engine_->title(), QStringLiteral("Two"), loadTimeout);

        const int before = server_.count(QStringLiteral("/two"));
        QSignalSpy finished(engine_, &QWebEngineView::loadFinished);
        view_->reload();
        QTRY_COMPARE_WITH_TIMEOUT(server_.count(QStringLiteral("/two")), before + 1, loadTimeout);
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, loadTimeout);
        QCOMPARE(finished.at(0).at(0).toBool(), true);
        QCOMPARE(engine_->url(), QUrl(server_.url(QStringLiteral("/two"))));
        QCOMPARE(engine_->history()->count(), 2);
    }

    void backAndForwardWithoutHistoryDoNothing()
    {
        // A fresh view: nothing in either direction.
        view_->goBack();
        view_->goForward();
        view_->navigate(server_.url(QStringLiteral("/one")));
        QTRY_COMPARE_WITH_TIMEOUT(engine_->title(), QStringLiteral("One"), loadTimeout);

        // One page: still nothing in either direction.
        view_->goForward();
        view_->goBack();
        view_->navigate(server_.url(QStringLiteral("/two")));
        QTRY_COMPARE_WITH_TIMEOUT(engine_->title(), QStringLiteral("Two"), loadTimeout);

        // At the newest page: forward does nothing, back still works.
        view_->goForward();
        view_->goBack();
        QTRY_COMPARE_WITH_TIMEOUT(engine_->title(), QStringLiteral("One"), loadTimeout);
        QCOMPARE(server_.requests,
                 (QStringList{QStringLiteral("/one"), QStringLiteral("/two"), QStringLiteral("/one")}));
        QCOMPARE(engine_->history()->count(), 2);
        QCOMPARE(engine_->history()->currentItemIndex(), 0);
    }

    void homeIsTheConfiguredStartPage()
    {
        view_->navigate(server_.url(QStringLiteral("/one")));
        QTRY_COMPARE_WITH_TIMEOUT(engine_->title(), QStringLiteral("One"), loadTimeout);
        view_->goHome();
        QTRY_COMPARE_WITH_TIMEOUT(engine_->title(), QStringLiteral("Start"), loadTimeout);
        QCOMPARE(engine_->url(), QUrl(server_.url(QStringLiteral("/start"))));
    }

    void stopEndsAPendingLoad()
    {
        QSignalSpy finished(engine_, &QWebEngineView::loadFinished);
        view_->navigate(server_.url(QStringLiteral("/hang")));
        QTRY_COMPARE_WITH_TIMEOUT(server_.count(QStringLiteral("/hang")), 1, loadTimeout);
        QCOMPARE(finished.count(), 0);
        view_->stop();
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, loadTimeout);
        QCOMPARE(finished.at(0).at(0).toBool(), false);
    }

    void browserWindowOnTheRealEngine()
    {
        testing::FakeApp app;
        app.config.homeSite = app.config.secondSite = server_.site();
        AppContext context{app.table, app.fakes.with(*factory_), [] {}, app.system.view(), app.config};
        frm_internet window(context);
        window.show();
        QWebEngineView* engine = engineOf(window.findChild<platform::BrowserView*>(QStringLiteral("WebBrowser1")));
        auto* address = window.findChild<QLineEdit*>(QStringLiteral("Text1"));
        QVERIFY(address);
        const auto click = [&window](const char* name) {
            window.findChild<QPushButton*>(QLatin1String(name))->click();
        };

        // The load went to the home web site.
        QTRY_COMPARE_WITH_TIMEOUT(engine->title(), QStringLiteral("Home"), loadTimeout);
        QCOMPARE(server_.requests.value(0), QStringLiteral("/"));

        address->setText(server_.site() + QStringLiteral("/one"));
        click("Command5");
        QTRY_COMPARE_WITH_TIMEOUT(engine->title(), QStringLiteral("One"), loadTimeout);

        // Following a link leaves the address box as typed.
        followLink(engine);
        QTRY_COMPARE_WITH_TIMEOUT(engine->title(), QStringLiteral("Two"), loadTimeout);
        QCOMPARE(address->text(), server_.site() + QStringLiteral("/one"));

        click("Command2");
        QTRY_COMPARE_WITH_TIMEOUT(engine->title(), QStringLiteral("One"), loadTimeout);
        click("Command3");
        QTRY_COMPARE_WITH_TIMEOUT(engine->title(), QStringLiteral("Two"), loadTimeout);
        click("Command3"); // nothing further forward
        click("Command1");
        QTRY_COMPARE_WITH_TIMEOUT(engine->title(), QStringLiteral("Start"), loadTimeout);
        QCOMPARE(server_.requests, (QStringList{"/", "/one", "/two", "/one", "/two", "/start"}));
        QVERIFY(app.fakes.messages.calls.empty());
    }

    void failedLoad_data()
    {
        QTest::addColumn<bool>("banner");
        QTest::addColumn<QString>("shownText");
        QTest::newRow("main menu banner: the program's offline page") << true << "Stránka programu teď není dostupná";
        QTest::newRow("browser window: the engine's error page") << false << "ERR_CONNECTION_REFUSED";
    }
    void failedLoad()
    {
        QFETCH(bool, banner);
        QFETCH(QString, shownText);
        testing::FakeApp app;
        app.config.homeSite = testing::refusingSite();
        AppContext context{app.table, app.fakes.with(*factory_), [] {}, app.system.view(), app.config};
        std::unique_ptr<QWidget> window;
        if (banner)
            window = std::make_unique<main_menu>(context);
        else
            window = std::make_unique<frm_internet>(context);
        window->show();
        const QString viewName = banner ? QStringLiteral("Webreklama") : QStringLiteral("WebBrowser1");
        QTRY_VERIFY(window->findChild<platform::BrowserView*>(viewName)); // the banner comes after the first paint
        QWebEngineView* engine = engineOf(window->findChild<platform::BrowserView*>(viewName));

        QTRY_VERIFY_WITH_TIMEOUT(htmlOf(engine).contains(shownText), loadTimeout);
        const QString failedUrl = banner ? main_menu::advertisementUrl(app.config.homeSite)
                                         : QStringLiteral("http://%1/").arg(app.config.homeSite);
        if (banner) {
            QCOMPARE(engine->url().adjusted(QUrl::RemoveFragment),
                     QUrl(QStringLiteral("qrc:/main_menu/offline/index.html")));
            // Its one link leads back to the page that failed.
            QVERIFY(htmlOf(engine).contains(QStringLiteral("<a href=\"%1\">").arg(failedUrl)));
        } else {
            QCOMPARE(engine->url(), QUrl(failedUrl));
        }
        QVERIFY(app.fakes.messages.calls.empty());
    }

private:
    testing::LoopbackServer server_;
    std::optional<platform::WebEngineBrowserFactory> factory_;
    std::unique_ptr<QWidget> host_;
    platform::BrowserView* view_ = nullptr;
    QWebEngineView* engine_ = nullptr;
};

int main(int argc, char* argv[])
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    WebEngineViewTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "test_webengine_view.moc"
