#pragma once
// The computer on the network: its host name and address, and whether a
// host can be reached over TCP (the stand-in for a socket control that
// reports the local host and tells a connected attempt from a failed one).

#include <QObject>
#include <QString>
#include <chrono>
#include <functional>

namespace platform {

// A TCP destination: a host name or address and a port.
struct HostPort {
    QString host;
    quint16 port = 0;
    bool operator==(const HostPort& other) const { return host == other.host && port == other.port; }
};

// "host", "host:port", "[v6 address]:port" or a bare IPv6 address; the
// default port where none (or no valid one) is given.
HostPort parseHostPort(const QString& text, quint16 defaultPort);

class NetworkService {
public:
    virtual ~NetworkService() = default;
    virtual QString localHostName() = 0;
    // This computer's IP address in dotted form.
    virtual QString localAddress() = 0;
    // Opens a TCP connection to target and waits for the attempt to end,
    // at most `bound`, handing the thread to the event loop meanwhile so the
    // program's other windows keep working. The connection is closed again
    // before returning. True when the target accepted the connection.
    virtual bool reachable(const HostPort& target, std::chrono::milliseconds bound) = 0;
    // Asks once for the page at `url` and returns at once. `done` gets true
    // when the server answered with the page (no error status) within
    // `bound`, false when it refused, did not answer in time or answered
    // with an error. Nothing is called once `receiver` is gone.
    virtual void askPage(const QString& url, std::chrono::milliseconds bound, QObject* receiver,
                         std::function<void(bool answered)> done) = 0;
};

} // namespace platform
