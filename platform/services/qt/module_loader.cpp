#include "platform/services/qt/module_loader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPluginLoader>
#include <memory>

#include "platform/sys/ostatni_api.h"

namespace platform {

QStringList moduleFolders()
{
    const QString program = QString::fromStdString(ostatni_API::applicationFolder());
    const QString installed = QStringLiteral(QUELMARN_MODULE_DIR);
    QStringList folders{program};
    folders << QDir::cleanPath(QDir::isAbsolutePath(installed) ? installed
                                                               : program + QStringLiteral("/../") + installed);
    folders.removeDuplicates();
    return folders;
}

QObject& loadModule(const QString& fileName, const QStringList& folders, const char* what)
{
    for (const QString& folder : folders) {
        const QString path = QDir(folder).filePath(fileName);
        if (!QFileInfo::exists(path)) continue;
        // The application owns the loader; deleting it leaves the module
        // loaded, as a module's threads may live until the process ends.
        auto loader = std::make_unique<QPluginLoader>(path);
        QObject* instance = loader->instance();
        if (!instance)
            throw Failure(QCoreApplication::translate("platform", "%1 \"%2\" cannot be loaded: %3")
                              .arg(QCoreApplication::translate("platform", what), path, loader->errorString())
                              .toStdString());
        loader.release()->setParent(QCoreApplication::instance());
        return *instance;
    }
    throw Failure(QCoreApplication::translate("platform", "%1 \"%2\" was not found. Looked in: %3")
                      .arg(QCoreApplication::translate("platform", what), fileName, folders.join(QStringLiteral(", ")))
                      .toStdString());
}

} // namespace platform
