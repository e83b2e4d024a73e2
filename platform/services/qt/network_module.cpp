// The network module: Qt Network's and GIO's services, loaded by the
// program at run time.

#include <QObject>

#include "platform/services/qt/network_module.h"
#include "platform/services/qt/network_qt.h"

namespace platform {

class QtNetworkModule : public QObject, public NetworkModule {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QuelmarnNetworkModule_iid)
    Q_INTERFACES(platform::NetworkModule)
public:
    std::unique_ptr<NetworkService> makeNetworkService() override { return std::make_unique<QtNetworkService>(); }
    std::unique_ptr<ShareMounter> makeShareMounter() override { return makeNativeShareMounter(); }
};

} // namespace platform

#include "network_module.moc"
