#pragma once
// The program's own modules (Qt plugins): parts whose libraries would slow
// down start-up, loaded when first needed.

#include <QCoreApplication>
#include <QObject>
#include <QString>
#include <QStringList>
#include <string>

#include "platform/failure.h"

namespace platform {

// Beside the program (the build folder), then the installed module folder
// (lib/quelmarn under the program's prefix).
QStringList moduleFolders();

// The module `fileName` from the first of `folders` that holds it. The
// application keeps it loaded to the end. Throws Failure naming `what`
// ("The web browser module") and the file, or the places looked in.
QObject& loadModule(const QString& fileName, const QStringList& folders, const char* what);

// The module's interface; Failure when the file is some other plugin.
template <typename Interface>
Interface& loadModuleAs(const QString& fileName, const QStringList& folders, const char* what)
{
    QObject& instance = loadModule(fileName, folders, what);
    auto* module = qobject_cast<Interface*>(&instance);
    if (!module)
        throw Failure(QCoreApplication::translate("platform", "%1 \"%2\" is some other module.")
                          .arg(QCoreApplication::translate("platform", what), fileName)
                          .toStdString());
    return *module;
}

} // namespace platform
