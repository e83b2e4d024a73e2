#pragma once
// The services that need Qt Network or GIO. They are built into the network
// module (network_module.cpp), which the program loads when a window first
// asks for one, so that neither library delays the main menu; tests link
// them directly.

#include <QEventLoop>
#include <QHostAddress>
#include <QList>
#include <QNetworkAccessManager>
#include <QString>
#include <chrono>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "platform/services/network.h"
#include "platform/services/share_connect.h"

namespace platform {

// One network interface as far as choosing the local address goes.
struct InterfaceFacts {
    bool up = false;
    bool loopback = false;
    QList<QHostAddress> addresses;
};

// The first IPv4 address, in dotted form, that is not a loopback address,
// of an interface that is up and not the loopback interface; "127.0.0.1"
// when there is none.
QString firstUpIpv4Address(const std::vector<InterfaceFacts>& interfaces);

// Host name and address from Qt; the reachability test with a QTcpSocket
// waited on by a nested event loop, which `limit` ends at the bound.
class QtNetworkService : public NetworkService {
public:
    // Quits `wait` once `bound` has passed, unless the attempt ended it
    // first (the loop is gone then).
    using WaitLimit = std::function<void(QEventLoop& wait, std::chrono::milliseconds bound)>;
    static void preciseTimer(QEventLoop& wait, std::chrono::milliseconds bound);

    explicit QtNetworkService(WaitLimit limit = preciseTimer) : limit_(std::move(limit)) {}
    QString localHostName() override;
    QString localAddress() override;
    bool reachable(const HostPort& target, std::chrono::milliseconds bound) override;
    void askPage(const QString& url, std::chrono::milliseconds bound, QObject* receiver,
                 std::function<void(bool)> done) override;

private:
    WaitLimit limit_;
    std::unique_ptr<QNetworkAccessManager> pages_; // made at the first page asked for
};

// Mounts shares as the desktop's file manager does (GIO/GVfs on Linux).
std::unique_ptr<ShareMounter> makeNativeShareMounter();

} // namespace platform
