#pragma once

#include <QWidget>

namespace platform {

// An embedded web browser placed on a window. Every call returns at once;
// loading goes on inside the view. Back or forward with no page in that
// direction does nothing.
class BrowserView : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
    virtual void navigate(const QString& url) = 0;
    virtual void goHome() = 0;
    virtual void goBack() = 0;
    virtual void goForward() = 0;
    virtual void stop() = 0;
    virtual void reload() = 0;
};

class BrowserFactory {
public:
    virtual ~BrowserFactory() = default;
    virtual BrowserView* create(QWidget* parent) = 0;
};

} // namespace platform
