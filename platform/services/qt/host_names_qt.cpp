#include <QEventLoop>
#include <thread>

#include "platform/services/qt/qt_services.h"
#include "platform/sys/shell.h"

namespace platform {

bool SystemHostRenamer::setComputerName(const QString& name)
{
    // The system may ask the user to authorise the rename; the program's
    // windows keep painting meanwhile, but take no input.
    bool taken = false;
    QEventLoop waiting;
    std::thread asking([&] {
        taken = shell::setComputerName(name.toStdString(), systemBus_);
        QMetaObject::invokeMethod(&waiting, &QEventLoop::quit, Qt::QueuedConnection);
    });
    waiting.exec(QEventLoop::ExcludeUserInputEvents);
    asking.join();
    return taken;
}

} // namespace platform
