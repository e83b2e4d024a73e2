// Quelmarn Manager: start-up hands over to the main menu, which owns the
// program's life from then on.

#include <QApplication>
#include <QIcon>
#include <QtGlobal>
#include <cstdio>
#include <memory>

#include "main_menu/main_menu.h"
#include "platform/services/qt/qt_services.h"
#include "platform/sys/file_operations.h"
#include "platform/sys/system_calls.h"
#include "startup/appearance.h"
#include "startup/environment.h"
#include "startup/frm_load.h"
#include "startup/interface_language.h"
#include "ui/app_context.h"
#include "ui/form1.h"

namespace {

bool haveDisplay()
{
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("DISPLAY")
        || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

} // namespace

int main(int argc, char* argv[])
{
    // Before any thread runs: reading the mask means setting it for a moment.
    platform::file_operations::readUmaskOnce();
    if (!haveDisplay()) {
        std::fprintf(stderr,
                     "quelmarn: there is no display to show the program on (DISPLAY and WAYLAND_DISPLAY "
                     "are not set).\nStart it from a desktop session.\n");
        return 2;
    }
    // Shared-memory images make Qt wait for the X server before it repaints a
    // region it has just shown; the live monitors repaint small labels many
    // times a second, and sending those few pixels over the socket costs far
    // less. A user's own setting wins.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM")) qputenv("QT_XCB_NO_MITSHM", "1");
    // Web views draw in software. With OpenGL, every repaint of a window
    // that holds one (the main menu's clock, each second) composes the whole
    // window through the GL driver, which on machines without a GPU costs
    // more than the rest of the idle program together. A user's own setting
    // wins (QT_QUICK_BACKEND=rhi brings OpenGL back).
    if (!qEnvironmentVariableIsSet("QT_QUICK_BACKEND")) qputenv("QT_QUICK_BACKEND", "software");
    // Web views that draw with OpenGL need the application's shared context,
    // set up before the application starts. Making it loads the OpenGL
    // driver, which on a machine without a GPU takes longer than the rest of
    // the start-up; software drawing needs none.
    if (qgetenv("QT_QUICK_BACKEND") != "software") QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quelmarn Manager"));
    // Ties the windows to the menu entry (Wayland app id, task grouping).
    QGuiApplication::setDesktopFileName(QStringLiteral(QUELMARN_APP_ID));
    applyAppearance(app);

    // The environment is read once, here; the services that need a value
    // of it are made once it is known.
    Configuration config;
    platform::QtMessageBoxService startupMessages;
    Form1 table;
    std::unique_ptr<platform::NativeSystemCalls> systemCalls;
    std::unique_ptr<platform::QtServices> qtServices;
    std::unique_ptr<AppContext> context;
    std::unique_ptr<main_menu> menu;

    const auto configure = [&config] {
        config = readConfiguration(QProcessEnvironment::systemEnvironment());
        // Messages and Qt's dialogs speak the chosen language file's
        // language from here on, a failed start's message included.
        installInterfaceLanguage(frm_load::languageFileName(config.optionsPath()),
                                 config.languageFolders.searchOrder());
        if (!config.webEngineUnavailable.isEmpty())
            config.webEngineUnavailable =
                QCoreApplication::translate("platform", config.webEngineUnavailable.toUtf8().constData());
        return config;
    };
    const int status = frm_load::runOrReport(table, configure, startupMessages, [&] {
        qtServices =
            std::make_unique<platform::QtServices>(config.startPage, config.session, config.webEngineUnavailable);
        systemCalls = std::make_unique<platform::NativeSystemCalls>(config.session);
        context = std::make_unique<AppContext>(
            AppContext{table, qtServices->view(), [] { QCoreApplication::exit(0); }, systemCalls->view(), config});
        menu = std::make_unique<main_menu>(*context);
        // The windows get the program's icon once the main menu is up:
        // decoding its images would delay the menu, and a window manager
        // takes an icon at any time.
        QObject::connect(menu.get(), &main_menu::firstPainted, menu.get(), [] {
            QIcon icon;
            for (const char* size : {"48", "128"})
                icon.addFile(QStringLiteral(":/program/icon-%1.png").arg(QLatin1String(size)));
            QApplication::setWindowIcon(icon);
        });
        menu->show();
    });
    if (status != 0) return status;
    return app.exec();
}
