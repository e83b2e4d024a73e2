#pragma once
// What the web-engine module offers the program. The module links Qt
// WebEngine; the program does not, and loads the module only when the
// first browser view is made, so the main menu is up before the engine.
// Only interfaces without code cross the boundary: the module links none
// of the program's libraries.

#include <QtPlugin>

#include "platform/services/browser_view.h"

namespace platform {

// A browser engine placed in a widget of the module's; the program's
// BrowserView forwards to it.
class BrowserEngine : public BrowserOperations {
public:
    virtual QWidget* widget() = 0;
};

class BrowserEngineModule {
public:
    virtual ~BrowserEngineModule() = default;
    // An engine whose home is `homePage`, in a widget owned by `parent`.
    virtual BrowserEngine* create(QWidget* parent, const QString& homePage) = 0;
};

} // namespace platform

#define QuelmarnBrowserEngineModule_iid "org.quelmarn.Manager.BrowserEngineModule/1"
Q_DECLARE_INTERFACE(platform::BrowserEngineModule, QuelmarnBrowserEngineModule_iid)
