#include <QEventLoop>
#include <QHostInfo>
#include <QNetworkInterface>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>

#include "platform/services/qt/network_qt.h"

namespace platform {

QString firstUpIpv4Address(const std::vector<InterfaceFacts>& interfaces)
{
    for (const InterfaceFacts& facts : interfaces) {
        if (!facts.up || facts.loopback) continue;
        for (const QHostAddress& address : facts.addresses) {
            if (address.protocol() == QAbstractSocket::IPv4Protocol && !address.isLoopback()) return address.toString();
        }
    }
    return QStringLiteral("127.0.0.1");
}

QString QtNetworkService::localHostName() { return QHostInfo::localHostName(); }

QString QtNetworkService::localAddress()
{
    std::vector<InterfaceFacts> interfaces;
    for (const QNetworkInterface& iface : QNetworkInterface::allInterfaces()) {
        InterfaceFacts facts;
        facts.up = iface.flags().testFlag(QNetworkInterface::IsUp);
        facts.loopback = iface.flags().testFlag(QNetworkInterface::IsLoopBack);
        for (const QNetworkAddressEntry& entry : iface.addressEntries()) facts.addresses << entry.ip();
        interfaces.push_back(facts);
    }
    return firstUpIpv4Address(interfaces);
}

void QtNetworkService::preciseTimer(QEventLoop& wait, std::chrono::milliseconds bound)
{
    // A coarse timer may end the wait early. Tied to the loop, so a wait
    // that ended first leaves nothing behind.
    QTimer::singleShot(bound, Qt::PreciseTimer, &wait, &QEventLoop::quit);
}

bool QtNetworkService::reachable(const HostPort& target, std::chrono::milliseconds bound)
{
    QTcpSocket socket;
    QEventLoop wait;
    bool connected = false;
    // A server that accepts and closes at once may be noticed only as the
    // close: it did answer, so it counts as reached.
    QObject::connect(&socket, &QTcpSocket::connected, &wait, [&] {
        connected = true;
        wait.quit();
    });
    QObject::connect(&socket, &QTcpSocket::errorOccurred, &wait, [&](QAbstractSocket::SocketError error) {
        connected = connected || error == QAbstractSocket::RemoteHostClosedError;
        wait.quit();
    });
    socket.connectToHost(target.host, target.port);
    // An attempt can fail at once (a host name that is no name at all);
    // then there is nothing to wait for.
    if (!connected && socket.state() != QAbstractSocket::UnconnectedState) {
        limit_(wait, bound);
        wait.exec();
    }
    connected = connected || socket.state() == QAbstractSocket::ConnectedState;
    socket.abort();
    return connected;
}

void QtNetworkService::askPage(const QString& url, std::chrono::milliseconds bound, QObject* receiver,
                               std::function<void(bool)> done)
{
    if (!pages_) pages_ = std::make_unique<QNetworkAccessManager>();
    QNetworkReply* reply = pages_->get(QNetworkRequest(QUrl(url)));
    // The bound is for the whole answer: a transfer timeout would let a
    // server that trickles its page in keep the caller waiting.
    QTimer::singleShot(bound, Qt::PreciseTimer, reply, &QNetworkReply::abort);
    QObject::connect(reply, &QNetworkReply::finished, reply, &QObject::deleteLater);
    QObject::connect(reply, &QNetworkReply::finished, receiver,
                     [reply, done = std::move(done)] { done(reply->error() == QNetworkReply::NoError); });
}

} // namespace platform
