// The web-engine module: browser views on Qt WebEngine, loaded by the
// program at run time (browser_module.cpp).

#include <QLoggingCategory>
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
        : QWidget(parent),
          view_(new QWebEngineView(this)),
          homePage_(homePage)
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
        page.setFragment(QString::fromLatin1(QUrl::toPercentEncoding(info.url().toString())), QUrl::TolerantMode);
        // Not from inside the engine's own notification.
        QTimer::singleShot(0, view_, [view = view_, page] { view->setUrl(page); });
    }

    QWebEngineView* view_;
    QString homePage_;
    QUrl offlinePage_;
};

// The engine reports its set-up (graphics backend, GPU, sandbox) on
// standard error when it starts, which tells a user nothing; a healthy
// start prints nothing. Chromium logs only fatal errors unless the user
// gives a --log-level in QTWEBENGINE_CHROMIUM_FLAGS, and Qt WebEngine's own
// categories are off unless QT_LOGGING_RULES, which overrides rules set
// here, turns them on. Done before the engine starts: it reads the flags
// once.
void quietEngineDiagnostics()
{
    QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    if (!flags.contains("--log-level")) {
        flags += flags.isEmpty() ? "--log-level=3" : " --log-level=3";
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags);
    }
    QLoggingCategory::setFilterRules(QStringLiteral("qt.webengine*=false\njs=false"));
}

// Qt WebEngine also prints a few lines of its start-up in Qt's default
// category, where a rule would silence the program's own messages too.
// While the engine starts (the first view is made) nothing but the engine
// runs, so its warnings are dropped then; errors still pass.
QtMessageHandler handlerBeforeStart = nullptr;

void dropStartUpDiagnostics(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if ((type == QtCriticalMsg || type == QtFatalMsg) && handlerBeforeStart) handlerBeforeStart(type, context, text);
}

class WebEngineModule : public QObject, public BrowserEngineModule {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QuelmarnBrowserEngineModule_iid)
    Q_INTERFACES(platform::BrowserEngineModule)
public:
    WebEngineModule() { quietEngineDiagnostics(); }

    BrowserEngine* create(QWidget* parent, const QString& homePage) override
    {
        if (started_) return new WebEngineBrowser(parent, homePage);
        started_ = true;
        handlerBeforeStart = qInstallMessageHandler(dropStartUpDiagnostics);
        auto* first = new WebEngineBrowser(parent, homePage);
        qInstallMessageHandler(handlerBeforeStart);
        return first;
    }

private:
    bool started_ = false;
};

} // namespace
} // namespace platform

#include "browser_webengine.moc"
