// The main menu's banner on the real network service and browser factory,
// against a site on loopback: the web engine is loaded only once the site
// has answered with the page. This program must not link Qt WebEngine, or
// the engine would be mapped from the start.

#include <QApplication>
#include <QtTest>

#include "main_menu/main_menu.h"
#include "platform/services/qt/network_qt.h"
#include "platform/services/qt/qt_services.h"
#include "tests/support/loopback_server.h"
#include "tests/support/test_support.h"

namespace {

constexpr int engineTimeout = 30000; // the first page starts the engine's processes
const QString advertisementPath = QStringLiteral("/program/reklama/uvod/index.html");

// The main menu on the real services, its site at `site`.
struct Banner {
    explicit Banner(const QString& site)
        : app([&site](Configuration& config) {
              config.homeSite = site;
              config.reachabilityBound = std::chrono::milliseconds(500); // a silent site is given up soon
          }),
          context{app.table, app.fakes.with(network, browsers), [] {}, app.system.view(), app.config},
          menu(context)
    {
        menu.show();
    }
    QWidget* strip() { return menu.findChild<QWidget*>(QStringLiteral("offlineStrip")); }
    QPushButton* retry() { return testing::child<QPushButton>(menu, QStringLiteral("zkusitZnovu")); }
    platform::BrowserView* view() { return menu.findChild<platform::BrowserView*>(QStringLiteral("Webreklama")); }

    testing::FakeApp app;
    platform::QtNetworkService network;
    platform::WebEngineBrowserFactory browsers{QString()};
    AppContext context;
    main_menu menu;
};

} // namespace

class BannerTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(server_.start()); }

    // The rows that load no engine come first.
    void offlineStripWithoutTheEngineUntilTheSiteAnswers_data()
    {
        QTest::addColumn<bool>("silentSite");
        QTest::addColumn<bool>("thenAnswers");
        QTest::newRow("site refuses") << false << false;
        QTest::newRow("site does not answer") << true << false;
        QTest::newRow("site answers after Zkusit znovu") << true << true;
    }
    void offlineStripWithoutTheEngineUntilTheSiteAnswers()
    {
        QFETCH(bool, silentSite);
        QFETCH(bool, thenAnswers);
        server_.silent = true;
        server_.requests.clear();
        Banner banner(silentSite ? server_.site() : testing::refusingSite());
        QTRY_VERIFY_WITH_TIMEOUT(banner.strip() && banner.strip()->isVisible(), 10000);
        QCOMPARE(banner.retry()->text(), QStringLiteral("Zkusit znovu"));
        QVERIFY(banner.retry()->isVisible() && banner.retry()->isEnabled());
        QVERIFY(!banner.view());
        QVERIFY(!testing::webEngineMapped());
        QCOMPARE(server_.count(advertisementPath), silentSite ? 1 : 0);
        if (!thenAnswers) return;

        server_.silent = false;
        banner.retry()->click();
        QVERIFY(!banner.retry()->isEnabled()); // one question at a time
        // Asked again, answered, then loaded by the engine in the banner's place.
        QTRY_VERIFY_WITH_TIMEOUT(banner.view(), 10000);
        QVERIFY(!banner.strip()->isVisible());
        QCOMPARE(banner.view()->geometry(), QRect(113, 0, 521, 73));
        QTRY_COMPARE_WITH_TIMEOUT(server_.count(advertisementPath), 3, engineTimeout);
        QVERIFY(testing::webEngineMapped());
        QVERIFY(banner.app.fakes.messages.calls.empty());
    }

private:
    testing::LoopbackServer server_;
};

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    BannerTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "test_banner.moc"
