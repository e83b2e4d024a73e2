// The program's side of the network module: each service is made in the
// module on its first use.

#include "platform/services/qt/module_loader.h"
#include "platform/services/qt/network_module.h"
#include "platform/services/qt/qt_services.h"

namespace platform {

NetworkModule& NetworkModuleLoader::module()
{
    if (!module_)
        module_ = &loadModuleAs<NetworkModule>(QStringLiteral("quelmarn_network.so"), folders_,
                                               QT_TRANSLATE_NOOP("platform", "The network module"));
    return *module_;
}

NetworkService& ModuleNetworkService::real()
{
    if (!real_) real_ = loader_.module().makeNetworkService();
    return *real_;
}

bool ModuleShareMounter::mount(const QString& url, CredentialPrompt& prompt)
{
    if (!real_) real_ = loader_.module().makeShareMounter();
    return real_->mount(url, prompt);
}

} // namespace platform
