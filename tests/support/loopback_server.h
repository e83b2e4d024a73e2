#pragma once
// A small web site on 127.0.0.1 for tests of the network and the web engine.

#include <QHash>
#include <QObject>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>

namespace testing {

// Serves a few pages and records every page asked for. "/hang" is never
// answered, so a load of it stays pending; while `silent` is set, no page
// is answered.
class LoopbackServer : public QObject {
public:
    QStringList requests;
    bool silent = false;

    bool start();
    QString site() const { return QStringLiteral("127.0.0.1:%1").arg(server_.serverPort()); }
    QString url(const QString& path) const { return QStringLiteral("http://") + site() + path; }
    int count(const QString& path) const { return int(requests.count(path)); }

private:
    void answer(QTcpSocket* socket);

    QTcpServer server_;
    QHash<QTcpSocket*, QByteArray> buffers_;
};

// host:port on loopback where nothing listens: connections are refused.
QString refusingSite();

// Whether Qt WebEngine is mapped into this process.
bool webEngineMapped();

} // namespace testing
