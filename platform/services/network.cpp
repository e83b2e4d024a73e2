#include "platform/services/network.h"

#include <QtGlobal>

#include "platform/failure.h"
#include "platform/services/host_names.h"
#include "platform/services/share_connect.h"

namespace platform {

namespace {

quint16 portOr(const QString& text, quint16 fallback)
{
    bool ok = false;
    const uint port = text.toUInt(&ok);
    return ok && port >= 1 && port <= 65535 ? quint16(port) : fallback;
}

} // namespace

HostPort parseHostPort(const QString& text, quint16 defaultPort)
{
    const QString trimmed = text.trimmed();
    if (trimmed.startsWith(QLatin1Char('['))) {
        const qsizetype close = trimmed.indexOf(QLatin1Char(']'));
        if (close > 0) {
            const QString rest = trimmed.mid(close + 1);
            return {trimmed.mid(1, close - 1),
                    rest.startsWith(QLatin1Char(':')) ? portOr(rest.mid(1), defaultPort) : defaultPort};
        }
    }
    // More than one colon: an IPv6 address without a port.
    if (trimmed.count(QLatin1Char(':')) == 1) {
        const qsizetype colon = trimmed.indexOf(QLatin1Char(':'));
        return {trimmed.left(colon), portOr(trimmed.mid(colon + 1), defaultPort)};
    }
    return {trimmed, defaultPort};
}

std::chrono::milliseconds reachabilityBound()
{
    bool ok = false;
    const qint64 ms = qEnvironmentVariable("QUELMARN_REACHABILITY_TIMEOUT_MS").toLongLong(&ok);
    return std::chrono::milliseconds(ok && ms > 0 ? ms : 10000);
}

QString firstUpIpv4Address(const std::vector<InterfaceFacts>& interfaces)
{
    for (const InterfaceFacts& facts : interfaces) {
        if (!facts.up || facts.loopback) continue;
        for (const QHostAddress& address : facts.addresses) {
            if (address.protocol() == QAbstractSocket::IPv4Protocol && !address.isLoopback())
                return address.toString();
        }
    }
    return QStringLiteral("127.0.0.1");
}

namespace {

class UnavailableNetwork : public NetworkService {
    [[noreturn]] static void fail() { throw Failure("The network facts are not available in this build."); }

public:
    QString localHostName() override { fail(); }
    QString localAddress() override { fail(); }
    bool reachable(const HostPort&, std::chrono::milliseconds) override { fail(); }
};

class UnavailableRenamer : public HostRenamer {
public:
    bool setComputerName(const QString&) override { return false; }
};

class UnavailableShares : public ShareDialogService {
public:
    void connectNetworkDrive(QWidget*) override
    {
        throw Failure("Connecting network shares is not available in this build.");
    }
};

} // namespace

NetworkService& unavailableNetworkService()
{
    static UnavailableNetwork network;
    return network;
}

HostRenamer& unavailableHostRenamer()
{
    static UnavailableRenamer renamer;
    return renamer;
}

ShareDialogService& unavailableShareDialogService()
{
    static UnavailableShares shares;
    return shares;
}

} // namespace platform
