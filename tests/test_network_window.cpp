// The network window: the facts it joins to their entries, the
// reachability test against loopback servers (accepting, closing at once,
// refusing, never answering) and a host name that cannot be looked up, the
// bounded wait that keeps other windows running without burning the CPU,
// renaming and the network-drive dialog. Nothing leaves 127.0.0.1.

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPointer>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include "platform/services/network.h"
#include "platform/services/qt/network_qt.h"
#include "platform/services/qt/qt_services.h"
#include "platform/sys/ostatni_api.h"
#include "sections/network/frm_sit.h"
#include "startup/environment.h"
#include "tests/support/test_support.h"

using platform::HostPort;
using InterfaceList = std::vector<platform::InterfaceFacts>;
Q_DECLARE_METATYPE(HostPort)
Q_DECLARE_METATYPE(InterfaceList)

namespace {

using testing::child;

QString caption(QWidget& window, const QString& name)
{
    QWidget* control = child(window, name);
    if (auto* label = qobject_cast<QLabel*>(control)) return label->text();
    if (auto* button = qobject_cast<QPushButton*>(control)) return button->text();
    qFatal("%s has no caption", qPrintable(name));
}

// A loopback port that takes no more connections and never answers: a
// listening socket with the smallest backlog whose queue is filled by
// connections nobody accepts. The kernel then drops further SYNs, so a
// connection attempt hangs as it would on a black-holed route.
class SilentPort {
public:
    SilentPort()
    {
        listener_ = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (listener_ < 0 || ::bind(listener_, reinterpret_cast<sockaddr*>(&address), length) != 0
            || ::listen(listener_, 0) != 0
            || ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0)
            return;
        port_ = ntohs(address.sin_port);
        for (int i = 0; i < 16 && !full_; ++i) {
            const int filler = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
            fillers_.push_back(filler);
            ::connect(filler, reinterpret_cast<sockaddr*>(&address), length);
            pollfd wait{filler, POLLOUT, 0};
            full_ = ::poll(&wait, 1, 300) == 0; // this one hangs: the queue is full
        }
    }
    ~SilentPort()
    {
        for (int fd : fillers_) ::close(fd);
        if (listener_ >= 0) ::close(listener_);
    }
    bool ready() const { return full_; }
    quint16 port() const { return port_; }

private:
    int listener_ = -1;
    quint16 port_ = 0;
    bool full_ = false;
    std::vector<int> fillers_;
};

// A loopback web server stand-in: accepts, and closes at once when told.
class LoopbackServer {
public:
    enum Mode { Keep, Close, Reset };
    explicit LoopbackServer(Mode mode)
    {
        server_.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this, mode] {
            while (QTcpSocket* socket = server_.nextPendingConnection()) {
                ++accepted;
                if (mode == Close)
                    socket->close();
                else if (mode == Reset)
                    socket->abort();
            }
        });
    }
    quint16 port() const { return server_.serverPort(); }
    int accepted = 0;

private:
    QTcpServer server_;
};

// A port nothing listens on: taken from a server that is closed again.
quint16 closedPort()
{
    QTcpServer server;
    server.listen(QHostAddress::LocalHost, 0);
    const quint16 port = server.serverPort();
    server.close();
    return port;
}

QByteArray loopback(quint16 port) { return "127.0.0.1:" + QByteArray::number(port); }

// Stands in for the bound's timer: a wait ends at its bound only when the
// test calls expire(). A wait that nothing ends is cut after a generous
// ten seconds and reported, instead of hanging the run.
class HeldLimit {
public:
    HeldLimit()
    {
        guard_.setSingleShot(true);
        QObject::connect(&guard_, &QTimer::timeout, [this] {
            cut = true;
            expire();
        });
        guard_.start(10000);
    }
    platform::QtNetworkService::WaitLimit limit()
    {
        return [this](QEventLoop& wait, std::chrono::milliseconds bound) {
            bounds.push_back(bound);
            wait_ = &wait;
        };
    }
    void expire()
    {
        if (wait_) wait_->quit();
    }
    // The attempt waits inside the loop it was handed, which sleeps until
    // an event comes, rather than polling.
    bool waitingInTheLoop() const { return wait_ && wait_->isRunning(); }
    std::vector<std::chrono::milliseconds> bounds; // of each wait begun
    bool cut = false;

private:
    QTimer guard_;
    QPointer<QEventLoop> wait_;
};

} // namespace

class NetworkWindowTest : public QObject {
    Q_OBJECT

    platform::QtNetworkService realNetwork_;

private slots:
    void controlsSitWhereTheyBelong_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::newRow("lbl_uzivatel") << "lbl_uzivatel" << QRect(8, 8, 241, 17);
        QTest::newRow("lbl_pocitac") << "lbl_pocitac" << QRect(8, 24, 241, 17);
        QTest::newRow("Label1") << "Label1" << QRect(8, 40, 249, 17);
        QTest::newRow("Text1") << "Text1" << QRect(8, 56, 273, 19);
        QTest::newRow("Command1") << "Command1" << QRect(280, 56, 41, 17);
        QTest::newRow("lbl_ip") << "lbl_ip" << QRect(8, 80, 273, 17);
        QTest::newRow("Label2") << "Label2" << QRect(256, 8, 249, 17);
        QTest::newRow("Command2") << "Command2" << QRect(8, 104, 609, 17);
    }
    void controlsSitWhereTheyBelong()
    {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        testing::FakeApp app;
        frm_sit window(app.context);
        QCOMPARE(window.size(), QSize(620, 125));
        QCOMPARE(window.minimumSize(), window.maximumSize());
        QCOMPARE(child(window, name)->geometry(), geometry);
    }

    // Facts and captions: entry and value joined with nothing between; the
    // two buttons keep their captions whatever the table says.
    void loadFillsCaptionsFromTheTable()
    {
        testing::FakeApp app;
        app.fakes.network.hostName = QStringLiteral("deska-7");
        app.fakes.network.address = QStringLiteral("10.20.30.40");
        app.system.other.user = std::string("jana.nováková");
        frm_sit window(app.context);
        QCOMPARE(window.windowTitle(), QStringLiteral("Quelmarn Manager - T87"));
        QCOMPARE(caption(window, "lbl_uzivatel"), QStringLiteral("T88jana.nováková"));
        QCOMPARE(caption(window, "lbl_pocitac"), QStringLiteral("T89deska-7"));
        QCOMPARE(caption(window, "Label1"), QStringLiteral("T90"));
        QCOMPARE(caption(window, "lbl_ip"), QStringLiteral("T9110.20.30.40"));
        QCOMPARE(caption(window, "Command1"), QStringLiteral("OK!"));
        QCOMPARE(caption(window, "Command2"), QStringLiteral("Připojit síťový disk"));
        QVERIFY(child<QLineEdit>(window, "Text1")->text().isEmpty());
    }

    void accountWithoutANameShowsTheEntryAlone()
    {
        testing::FakeApp app;
        app.system.other.user = std::nullopt;
        frm_sit window(app.context);
        QCOMPARE(caption(window, "lbl_uzivatel"), QStringLiteral("T88"));
    }

    // The account's name as the system's own tools give it.
    void nativeUserNameIsTheEffectiveUser()
    {
        QProcess id;
        id.start(QStringLiteral("id"), {QStringLiteral("-un")});
        if (!id.waitForFinished(5000) || id.exitCode() != 0) QSKIP("this account has no name to compare with");
        const auto calls = platform::ostatni_API::makeNative();
        const std::optional<std::string> name = calls->userName();
        QVERIFY(name);
        QCOMPARE(QString::fromStdString(*name), QString::fromLocal8Bit(id.readAllStandardOutput()).trimmed());
    }

    void statusFollowsTheAnswer_data()
    {
        QTest::addColumn<bool>("reached");
        QTest::addColumn<QString>("status");
        QTest::newRow("reachable") << true << "T94";
        QTest::newRow("not reachable") << false << "T93";
    }
    void statusFollowsTheAnswer()
    {
        QFETCH(bool, reached);
        QFETCH(QString, status);
        testing::FakeApp app;
        app.fakes.network.answer = reached;
        frm_sit window(app.context);
        QCOMPARE(caption(window, "Label2"), status);
    }

    // The test host comes from the environment, host or host:port; port 80
    // when none is given; the wait is bounded by 10 s unless overridden.
    void testTargetAndBoundComeFromTheEnvironment_data()
    {
        QTest::addColumn<QByteArray>("host");
        QTest::addColumn<QByteArray>("bound");
        QTest::addColumn<HostPort>("target");
        QTest::addColumn<int>("boundMs");
        QTest::newRow("host and port") << QByteArray("127.0.0.1:8080") << QByteArray("250")
                                       << HostPort{"127.0.0.1", 8080} << 250;
        QTest::newRow("host alone") << QByteArray("localhost") << QByteArray() << HostPort{"localhost", 80} << 10000;
        QTest::newRow("bad bound") << QByteArray("127.0.0.1") << QByteArray("soon") << HostPort{"127.0.0.1", 80}
                                   << 10000;
        QTest::newRow("negative bound") << QByteArray("127.0.0.1") << QByteArray("-5") << HostPort{"127.0.0.1", 80}
                                        << 10000;
    }
    void testTargetAndBoundComeFromTheEnvironment()
    {
        QFETCH(QByteArray, host);
        QFETCH(QByteArray, bound);
        QFETCH(HostPort, target);
        QFETCH(int, boundMs);
        QProcessEnvironment environment;
        environment.insert(QStringLiteral("QUELMARN_TEST_HOST"), QString::fromLatin1(host));
        environment.insert(QStringLiteral("QUELMARN_REACHABILITY_TIMEOUT_MS"), QString::fromLatin1(bound));
        const Configuration read = readConfiguration(environment);
        testing::FakeApp app;
        app.config.testHost = read.testHost;
        app.config.reachabilityBound = read.reachabilityBound;
        frm_sit window(app.context);
        QCOMPARE(app.fakes.network.probes.size(), size_t(1));
        QCOMPARE(app.fakes.network.probes[0].target, target);
        QCOMPARE(app.fakes.network.probes[0].bound.count(), boundMs);
    }

    void hostAndPortParse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<HostPort>("parsed");
        QTest::newRow("name") << "www.example.org" << HostPort{"www.example.org", 80};
        QTest::newRow("name and port") << "www.example.org:8080" << HostPort{"www.example.org", 8080};
        QTest::newRow("blanks around") << "  127.0.0.1:81 " << HostPort{"127.0.0.1", 81};
        QTest::newRow("port zero") << "127.0.0.1:0" << HostPort{"127.0.0.1", 80};
        QTest::newRow("port too big") << "127.0.0.1:70000" << HostPort{"127.0.0.1", 80};
        QTest::newRow("port not a number") << "127.0.0.1:http" << HostPort{"127.0.0.1", 80};
        QTest::newRow("bare ipv6") << "::1" << HostPort{"::1", 80};
        QTest::newRow("bracketed ipv6") << "[::1]" << HostPort{"::1", 80};
        QTest::newRow("bracketed ipv6 and port") << "[::1]:8081" << HostPort{"::1", 8081};
    }
    void hostAndPortParse()
    {
        QFETCH(QString, text);
        QFETCH(HostPort, parsed);
        const HostPort got = platform::parseHostPort(text, 80);
        QCOMPARE(got.host, parsed.host);
        QCOMPARE(got.port, parsed.port);
    }

    void addressIsTheFirstUpIpv4_data()
    {
        using List = InterfaceList;
        QTest::addColumn<List>("interfaces");
        QTest::addColumn<QString>("address");
        const QHostAddress lo("127.0.0.1"), v6("fe80::1"), a("192.168.1.5"), b("10.0.0.9");
        QTest::newRow("none") << List{} << "127.0.0.1";
        QTest::newRow("only loopback") << List{{true, true, {lo}}} << "127.0.0.1";
        QTest::newRow("loopback first") << List{{true, true, {lo}}, {true, false, {a}}} << "192.168.1.5";
        QTest::newRow("down interface skipped") << List{{false, false, {b}}, {true, false, {a}}} << "192.168.1.5";
        QTest::newRow("ipv6 skipped") << List{{true, false, {v6, b}}} << "10.0.0.9";
        QTest::newRow("only ipv6") << List{{true, false, {v6}}} << "127.0.0.1";
        QTest::newRow("first of two") << List{{true, false, {b}}, {true, false, {a}}} << "10.0.0.9";
        QTest::newRow("loopback address elsewhere")
            << List{{true, false, {QHostAddress("127.0.1.1"), a}}} << "192.168.1.5";
    }
    void addressIsTheFirstUpIpv4()
    {
        QFETCH(InterfaceList, interfaces);
        QFETCH(QString, address);
        QCOMPARE(platform::firstUpIpv4Address(interfaces), address);
    }

    // The real reachability test inside the window's load, against servers
    // on this machine.
    void reachabilityAgainstLoopback_data()
    {
        QTest::addColumn<QString>("server");
        QTest::addColumn<QString>("status");
        QTest::newRow("accepts") << "keep"
                                 << "T94";
        QTest::newRow("accepts and closes at once") << "close"
                                                    << "T94";
        QTest::newRow("accepts and resets at once") << "reset"
                                                    << "T94";
        QTest::newRow("refused") << "refused"
                                 << "T93";
        // A name no resolver can take (blanks are not allowed in host
        // names): the lookup fails on this machine, no query goes out.
        QTest::newRow("unknown host") << "unknown"
                                      << "T93";
    }
    void reachabilityAgainstLoopback()
    {
        QFETCH(QString, server);
        QFETCH(QString, status);
        std::unique_ptr<LoopbackServer> listening;
        QByteArray target;
        if (server == QLatin1String("refused")) {
            target = loopback(closedPort());
        } else if (server == QLatin1String("unknown")) {
            target = "no such host:80";
        } else {
            listening =
                std::make_unique<LoopbackServer>(server == QLatin1String("keep")        ? LoopbackServer::Keep
                                                     : server == QLatin1String("close") ? LoopbackServer::Close
                                                                                        : LoopbackServer::Reset);
            target = loopback(listening->port());
        }
        HeldLimit limit; // never expires: only the attempt can end the wait
        platform::QtNetworkService network(limit.limit());
        testing::FakeApp app;
        app.config.testHost = QString::fromLatin1(target);
        app.config.reachabilityBound = std::chrono::milliseconds(5000);
        app.fakes.network.realProbe = &network;
        frm_sit window(app.context);
        QCOMPARE(caption(window, "Label2"), status);
        QVERIFY2(!limit.cut, "a decided attempt must not wait for the bound");
        if (listening) QTRY_COMPARE(listening->accepted, 1);
    }

    // The socket is closed when the load is over: the server sees the
    // connection end.
    void connectionIsClosedAfterTheTest()
    {
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost, 0));
        testing::FakeApp app;
        app.config.testHost = QString::fromLatin1(loopback(server.serverPort()));
        app.fakes.network.realProbe = &realNetwork_;
        frm_sit window(app.context);
        QCOMPARE(caption(window, "Label2"), QStringLiteral("T94"));
        QTRY_VERIFY(server.hasPendingConnections());
        QTcpSocket* accepted = server.nextPendingConnection();
        QTRY_COMPARE(accepted->state(), QAbstractSocket::UnconnectedState);
    }

    // A host that never answers: the wait lasts until its bound passes, the
    // window still comes up with "not reachable", and meanwhile another
    // window's timer keeps ticking while this one is still hidden with the
    // waiting text.
    void silentHostEndsAtTheBound()
    {
        SilentPort silent;
        if (!silent.ready()) QSKIP("the loopback listen queue could not be filled on this kernel");

        HeldLimit limit;
        platform::QtNetworkService network(limit.limit());
        QWidget other;
        other.setObjectName(QStringLiteral("other"));
        other.show();
        QTimer tick(&other);
        const int ticksBeforeTheBound = 3;
        int ticks = 0;
        QStringList seenStatus;
        bool seenHidden = true;
        bool inTheLoop = true;
        QObject::connect(&tick, &QTimer::timeout, &other, [&] {
            ++ticks;
            inTheLoop = inTheLoop && limit.waitingInTheLoop();
            for (QWidget* top : QApplication::topLevelWidgets()) {
                if (top->objectName() != QLatin1String("frm_sit")) continue;
                seenStatus << child<QLabel>(*top, "Label2")->text();
                seenHidden = seenHidden && !top->isVisible();
            }
            if (ticks == ticksBeforeTheBound) limit.expire();
        });
        tick.start(10);

        testing::FakeApp app;
        app.config.testHost = QString::fromLatin1(loopback(silent.port()));
        app.config.reachabilityBound = std::chrono::milliseconds(1500);
        app.fakes.network.realProbe = &network;
        frm_sit window(app.context);
        tick.stop();

        QCOMPARE(caption(window, "Label2"), QStringLiteral("T93"));
        QCOMPARE(limit.bounds, std::vector<std::chrono::milliseconds>{std::chrono::milliseconds(1500)});
        QVERIFY2(!limit.cut, "the wait did not end at its bound");
        // The wait went on, the other window ticking, until the bound ended it.
        QCOMPARE(ticks, ticksBeforeTheBound);
        QCOMPARE(seenStatus, QStringList(ticksBeforeTheBound, frm_sit::waitingText));
        QVERIFY(seenHidden);
        QVERIFY(inTheLoop);
    }

    // The real bound quits the wait it is handed, no sooner than the bound.
    void realBoundQuitsTheWait()
    {
        QEventLoop wait;
        QElapsedTimer clock;
        clock.start();
        platform::QtNetworkService::preciseTimer(wait, std::chrono::milliseconds(50));
        wait.exec();
        QVERIFY(clock.elapsed() >= 40); // a timer may round its interval down to the millisecond
    }

    // Every load tests afresh.
    void everyLoadTestsAgain()
    {
        testing::FakeApp app;
        app.fakes.network.answer = true;
        {
            frm_sit first(app.context);
        }
        app.fakes.network.answer = false;
        frm_sit second(app.context);
        QCOMPARE(app.fakes.network.probes.size(), size_t(2));
        QCOMPARE(caption(second, "Label2"), QStringLiteral("T93"));
    }

    // Rename: the typed text goes to the system unchanged; only a success
    // is announced, and nothing in the window changes either way.
    void renameAnnouncesOnlySuccess_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("accepted") << "novy-pocitac" << true;
        QTest::newRow("accepted, blanks kept") << " s mezerou " << true;
        QTest::newRow("refused") << "špatné jméno" << false;
    }
    void renameAnnouncesOnlySuccess()
    {
        QFETCH(QString, typed);
        QFETCH(bool, accepted);
        testing::FakeApp app;
        app.fakes.hostNames.accept = accepted;
        frm_sit window(app.context);
        child<QLineEdit>(window, "Text1")->setText(typed);
        QTest::mouseClick(child<QPushButton>(window, "Command1"), Qt::LeftButton);

        QCOMPARE(app.fakes.hostNames.names, QStringList{typed});
        if (accepted) {
            QCOMPARE(app.fakes.messages.calls.size(), size_t(1));
            QCOMPARE(app.fakes.messages.calls[0].text, QStringLiteral("T95"));
            QCOMPARE(app.fakes.messages.calls[0].style, 0);
            QCOMPARE(app.fakes.messages.calls[0].shownTitle(), platform::applicationTitle);
            QVERIFY(!app.fakes.messages.calls[0].title);
        } else {
            QVERIFY(app.fakes.messages.calls.empty());
        }
        QCOMPARE(child<QLineEdit>(window, "Text1")->text(), typed);
        QCOMPARE(caption(window, "lbl_pocitac"), QStringLiteral("T89pocitac"));
    }

    void networkDriveDialogIsOwnedByTheWindow()
    {
        testing::FakeApp app;
        frm_sit window(app.context);
        QTest::mouseClick(child<QPushButton>(window, "Command2"), Qt::LeftButton);
        QCOMPARE(app.fakes.shares.owners, std::vector<QWidget*>{&window});
        QVERIFY(app.fakes.messages.calls.empty());
    }

    // A share that cannot be connected follows the failure rule: an error
    // box with the application title, and the window goes on.
    void failedShareIsReportedByTheFailureRule()
    {
        testing::FakeApp app;
        app.fakes.shares.failure = QStringLiteral("The network share \"smb://x/y\" cannot be connected: no route");
        frm_sit window(app.context);
        QTest::mouseClick(child<QPushButton>(window, "Command2"), Qt::LeftButton);
        QCOMPARE(app.fakes.messages.calls.size(), size_t(1));
        QCOMPARE(app.fakes.messages.calls[0].style, 16);
        QVERIFY(app.fakes.messages.calls[0].text.contains(QStringLiteral("smb://x/y")));
        QCOMPARE(app.fakes.messages.calls[0].shownTitle(), platform::applicationTitle);
    }
};

QTEST_MAIN(NetworkWindowTest)
#include "test_network_window.moc"
