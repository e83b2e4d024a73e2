#pragma once
// What the network module offers the program: the services of
// network_qt.h. Only interfaces without code cross the boundary.

#include <QtPlugin>
#include <memory>

#include "platform/services/network.h"
#include "platform/services/share_connect.h"

namespace platform {

class NetworkModule {
public:
    virtual ~NetworkModule() = default;
    virtual std::unique_ptr<NetworkService> makeNetworkService() = 0;
    virtual std::unique_ptr<ShareMounter> makeShareMounter() = 0;
};

} // namespace platform

#define QuelmarnNetworkModule_iid "org.quelmarn.Manager.NetworkModule/1"
Q_DECLARE_INTERFACE(platform::NetworkModule, QuelmarnNetworkModule_iid)
