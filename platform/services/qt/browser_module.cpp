// Browser views whose engine lives in the web-engine module. Loading the
// module maps Qt WebEngine into the process, which takes longer than
// starting the rest of the program; it is done when the first view is
// made, once the main menu is on the screen.

#include <QCoreApplication>
#include <QLabel>
#include <QOpenGLContext>
#include <QVBoxLayout>

#include "platform/services/qt/browser_engine.h"
#include "platform/services/qt/module_loader.h"
#include "platform/services/qt/qt_services.h"

// Qt GUI's own (its private header is not installed): the OpenGL context
// that Qt WebEngine shares.
QT_BEGIN_NAMESPACE
QOpenGLContext* qt_gl_global_share_context();
void qt_gl_set_global_share_context(QOpenGLContext* context);
QT_END_NAMESPACE

namespace platform {
namespace {

const QString moduleFileName = QStringLiteral("quelmarn_webengine.so");

class ModuleBrowserView : public BrowserView {
public:
    ModuleBrowserView(QWidget* parent, BrowserEngineModule& module, const QString& homePage)
        : BrowserView(parent),
          engine_(module.create(this, homePage))
    {
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(engine_->widget());
    }

    void navigate(const QString& url) override { engine_->navigate(url); }
    void goHome() override { engine_->goHome(); }
    void goBack() override { engine_->goBack(); }
    void goForward() override { engine_->goForward(); }
    void stop() override { engine_->stop(); }
    void reload() override { engine_->reload(); }
    void setOfflinePage(const QString& url) override { engine_->setOfflinePage(url); }

private:
    BrowserEngine* engine_; // its widget is our child
};

// In place of a view where the engine cannot run: the reason, and no page
// to move about in.
class ReasonView : public BrowserView {
public:
    ReasonView(QWidget* parent, const QString& reason) : BrowserView(parent)
    {
        auto* text = new QLabel(reason, this);
        text->setObjectName(QStringLiteral("unavailableReason"));
        text->setAlignment(Qt::AlignCenter);
        text->setWordWrap(true);
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(text);
    }
    void navigate(const QString&) override {}
    void goHome() override {}
    void goBack() override {}
    void goForward() override {}
    void stop() override {}
    void reload() override {}
    void setOfflinePage(const QString&) override {}
};

// Qt WebEngine reads the application's shared OpenGL context as soon as
// it is loaded. Qt makes that context at start-up only when asked to
// (main.cpp asks when web views draw with OpenGL). Views that draw in
// software never use it, so an empty one serves: a real one would load the
// OpenGL driver for nothing.
void provideShareContext()
{
    if (!qt_gl_global_share_context()) qt_gl_set_global_share_context(new QOpenGLContext(QCoreApplication::instance()));
}

BrowserEngineModule& loadEngineModule(const QStringList& folders)
{
    provideShareContext();
    return loadModuleAs<BrowserEngineModule>(moduleFileName, folders,
                                             QT_TRANSLATE_NOOP("platform", "The web browser module"));
}

} // namespace

WebEngineBrowserFactory::WebEngineBrowserFactory(QString startPage, QStringList moduleFolders, QString unavailable)
    : startPage_(std::move(startPage)),
      folders_(std::move(moduleFolders)),
      unavailable_(std::move(unavailable))
{
}

BrowserView* WebEngineBrowserFactory::create(QWidget* parent)
{
    // Loading the engine here would end the process.
    if (!unavailable_.isEmpty()) return new ReasonView(parent, unavailable_);
    if (!module_) module_ = &loadEngineModule(folders_);
    return new ModuleBrowserView(parent, *module_, startPage_);
}

} // namespace platform
