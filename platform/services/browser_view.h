#pragma once

#include <QWidget>

namespace platform {

// What an embedded web browser does. Every call returns at once; loading
// goes on inside the browser. Back or forward with no page in that
// direction does nothing.
class BrowserOperations {
public:
    virtual ~BrowserOperations() = default;
    virtual void navigate(const QString& url) = 0;
    virtual void goHome() = 0;
    virtual void goBack() = 0;
    virtual void goForward() = 0;
    virtual void stop() = 0;
    virtual void reload() = 0;
    // A page that then fails to load is replaced by this one instead of the
    // engine's own error page.
    virtual void setOfflinePage(const QString& url) = 0;
};

// An embedded web browser placed on a window.
class BrowserView : public QWidget, public BrowserOperations {
    Q_OBJECT
public:
    using QWidget::QWidget;
};

class BrowserFactory {
public:
    virtual ~BrowserFactory() = default;
    virtual BrowserView* create(QWidget* parent) = 0;
    // Why no view can show a page here (empty when one can); a view made
    // anyway shows the reason in its place.
    virtual QString unavailable() const = 0;
};

} // namespace platform
