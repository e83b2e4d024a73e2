#include <QUrl>
#include <QVBoxLayout>
#include <QWebEngineHistory>
#include <QWebEngineView>

#include "platform/services/qt/qt_services.h"

namespace platform {
namespace {

class WebEngineBrowserView : public BrowserView {
public:
    WebEngineBrowserView(QWidget* parent, const QString& homePage)
        : BrowserView(parent), view_(new QWebEngineView(this)), homePage_(homePage)
    {
        view_->setObjectName(QStringLiteral("webEngineView"));
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(view_);
    }

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

private:
    QWebEngineView* view_;
    QString homePage_;
};

} // namespace

BrowserView* WebEngineBrowserFactory::create(QWidget* parent)
{
    return new WebEngineBrowserView(parent, startPage_);
}

} // namespace platform
