// Quelmarn Manager: start-up hands over to the main menu, which owns the
// program's life from then on.

#include <QApplication>
#include <QtGlobal>
#include <cstdio>
#include <memory>

#include "main_menu/main_menu.h"
#include "platform/failure.h"
#include "platform/services/qt/qt_services.h"
#include "platform/sys/codepage.h"
#include "platform/sys/ostatni_api.h"
#include "startup/app_context.h"
#include "startup/appearance.h"
#include "startup/form1.h"
#include "startup/frm_load.h"

namespace {

bool haveDisplay()
{
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("DISPLAY")
        || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

} // namespace

int main(int argc, char* argv[])
{
    if (!haveDisplay()) {
        std::fprintf(stderr,
                     "quelmarn: there is no display to show the program on (DISPLAY and WAYLAND_DISPLAY "
                     "are not set).\nStart it from a desktop session, or under a virtual X server: "
                     "xvfb-run ./quelmarn\n");
        return 2;
    }
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quelmarn Manager"));
    applyAppearance(app);

    platform::QtServices qtServices;
    Form1 table;
    AppContext context{table, qtServices.view(), [] { QCoreApplication::exit(0); }};
    std::unique_ptr<main_menu> menu;

    try {
        const frm_load::Folders folders{platform::ostatni_API::applicationFolder(),
                                        platform::ostatni_API::windowsDirectory()};
        frm_load::Form_Load(table, folders, platform::codepage::ansiCodePage(), [&] {
            menu = std::make_unique<main_menu>(context);
            menu->show();
        });
    } catch (const platform::Failure& failure) {
        std::fprintf(stderr, "quelmarn: %s\n", failure.what());
        qtServices.messages.show(QString::fromStdString(failure.what()), platform::ErrorOk, std::nullopt);
        return 1;
    }
    return app.exec();
}
