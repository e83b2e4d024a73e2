#include "tests/support/loopback_server.h"

#include <QFile>

namespace testing {
namespace {

QByteArray page(const QString& path)
{
    QByteArray title = "Home";
    QByteArray next = "/two";
    if (path == QLatin1String("/one")) title = "One";
    if (path == QLatin1String("/two")) title = "Two", next = "/one";
    if (path == QLatin1String("/start")) title = "Start";
    return "<!DOCTYPE html><html><head><title>" + title
        + "</title>"
          "<script>addEventListener('mousemove', function () { window.seenMove = true; });</script>"
          "</head><body><h1>"
        + title + "</h1><a id=\"next\" href=\"" + next
        + "\" style=\"position:absolute;left:0;top:0;width:100%;height:100%\">next page</a></body></html>";
}

void reply(QTcpSocket* socket, const QByteArray& status, const QByteArray& body)
{
    socket->write("HTTP/1.1 " + status
                  + "\r\nContent-Type: text/html; charset=utf-8\r\nCache-Control: no-store\r\n"
                    "Connection: close\r\nContent-Length: "
                  + QByteArray::number(body.size()) + "\r\n\r\n" + body);
    socket->disconnectFromHost();
}

} // namespace

bool LoopbackServer::start()
{
    connect(&server_, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = server_.nextPendingConnection()) {
            socket->setParent(this);
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { answer(socket); });
        }
    });
    return server_.listen(QHostAddress::LocalHost, 0);
}

void LoopbackServer::answer(QTcpSocket* socket)
{
    QByteArray& pending = buffers_[socket];
    pending += socket->readAll();
    if (!pending.contains("\r\n\r\n")) return;
    const QList<QByteArray> requestLine = pending.left(pending.indexOf("\r\n")).split(' ');
    buffers_.remove(socket);
    const QString path = requestLine.size() > 1 ? QString::fromLatin1(requestLine[1]) : QString();
    if (path == QLatin1String("/favicon.ico")) {
        reply(socket, "404 Not Found", QByteArray());
        return;
    }
    requests << path;
    if (silent || path == QLatin1String("/hang")) return;
    reply(socket, "200 OK", page(path));
}

QString refusingSite()
{
    QTcpServer probe;
    if (!probe.listen(QHostAddress::LocalHost, 0)) qFatal("no free loopback port");
    const quint16 port = probe.serverPort();
    probe.close();
    return QStringLiteral("127.0.0.1:%1").arg(port);
}

bool webEngineMapped()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly)) qFatal("/proc/self/maps cannot be read");
    return maps.readAll().contains("libQt6WebEngineCore");
}

} // namespace testing
