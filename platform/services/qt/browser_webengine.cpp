// The web-engine module: browser views on Qt WebEngine, loaded by the
// program at run time (browser_module.cpp).

#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>
#include <QWebEngineHistory>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <QWebEngineSettings>
#include <QWebEngineView>

#include "platform/services/qt/browser_engine.h"

namespace platform {
namespace {

class WebEngineBrowser : public QWidget, public BrowserEngine {
public:
    WebEngineBrowser(QWidget* parent, const QString& homePage)
        : QWidget(parent), view_(new QWebEngineView(this)), homePage_(homePage)
    {
        view_->setObjectName(QStringLiteral("webEngineView"));
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(view_);
        connect(view_->page(), &QWebEnginePage::loadingChanged, this,
                [this](const QWebEngineLoadingInfo& info) { showOfflinePageOnFailure(info); });
    }

    QWidget* widget() override { return this; }
    void navigate(const QString& url) override { view_->setUrl(QUrl(url)); }
    void goHome() override { view_->setUrl(QUrl(homePage_)); }
    void goBack() override
    {
        if (view_->history()->canGoBack()) view_->back();
    }
    void goForward() override
    {
        if (view_->history()->canGoForward()) view_->forward();
    }
    void stop() override { view_->stop(); }
    void reload() override { view_->reload(); }

    void setOfflinePage(const QString& url) override
    {
        offlinePage_ = QUrl(url);
        view_->settings()->setAttribute(QWebEngineSettings::ErrorPageEnabled, false);
    }

private:
    // A stopped or replaced load is no failure; the offline page itself is
    // never replaced, so a broken one cannot loop. The failed address goes
    // in the fragment, where the page finds it for its "try again" link.
    void showOfflinePageOnFailure(const QWebEngineLoadingInfo& info)
    {
        if (offlinePage_.isEmpty() || info.status() != QWebEngineLoadingInfo::LoadFailedStatus) return;
        if (info.url().adjusted(QUrl::RemoveFragment) == offlinePage_) return;
        QUrl page = offlinePage_;
        page.setFragment(QString::fromLatin1(QUrl::toPercentEncoding(info.url().toString())),
                         QUrl::TolerantMode);
        // Not from inside the engine's own notification.
        QTimer::singleShot(0, view_, [view = view_, page] { view->setUrl(page); });
    }

    QWebEngineView* view_;
    QString homePage_;
    QUrl offlinePage_;
};

class WebEngineModule : public QObject, public BrowserEngineModule {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QuelmarnBrowserEngineModule_iid)
    Q_INTERFACES(platform::BrowserEngineModule)
public:
    BrowserEngine* create(QWidget* parent, const QString& homePage) override
    {
        return new WebEngineBrowser(parent, homePage);
    }
};

} // namespace
} // namespace platform

#include "browser_webengine.moc"
