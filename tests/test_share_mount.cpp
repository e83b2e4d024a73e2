// Connecting a network share: the address check, the dialog against a
// recording mounter (connect, refuse, cancel, credentials, failure), and a
// real GVfs mount of an FTP server on 127.0.0.1 on a private session bus.

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <utility>

#include "platform/failure.h"
#include "platform/services/qt/network_qt.h"
#include "platform/services/qt/qt_services.h"
#include "tests/support/test_support.h"

using platform::CredentialRequest;
using platform::Credentials;

namespace {

// Runs `act` on the share dialog once it is open.
void whenDialogOpens(QWidget& owner, const std::function<void(QDialog&)>& act)
{
    QTimer::singleShot(0, &owner, [&owner, act] {
        auto* dialog = owner.findChild<QDialog*>(QStringLiteral("ShareDialog"));
        if (!dialog) qFatal("the share dialog did not open");
        act(*dialog);
    });
}

using testing::child;

// Answers every question of the server from a list; cancels when it runs out.
class ListPrompt : public platform::CredentialPrompt {
public:
    std::vector<Credentials> answers;
    std::vector<CredentialRequest> requests;
    std::optional<Credentials> ask(const CredentialRequest& request) override
    {
        requests.push_back(request);
        if (requests.size() > answers.size()) return std::nullopt;
        return answers[requests.size() - 1];
    }
};

quint16 freePort()
{
    QTcpServer server;
    server.listen(QHostAddress::LocalHost, 0);
    return server.serverPort();
}

bool accepts(quint16 port)
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    return socket.waitForConnected(200);
}

} // namespace

class ShareMountTest : public QObject {
    Q_OBJECT

    QString busProblem_;

public:
    // Why the private session bus is missing; empty when it runs.
    explicit ShareMountTest(QString busProblem) : busProblem_(std::move(busProblem)) {}

private slots:
    void addressIsChecked_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("url"); // empty: refused
        QTest::newRow("smb share") << "smb://server/share"
                                   << "smb://server/share";
        QTest::newRow("smb with folder") << "smb://server/share/dir"
                                         << "smb://server/share/dir";
        QTest::newRow("case of scheme and host") << "SMB://Server/Share"
                                                 << "smb://server/Share";
        QTest::newRow("windows form") << "\\\\server\\share\\dir"
                                      << "smb://server/share/dir";
        QTest::newRow("blanks around") << "  smb://server/share  "
                                       << "smb://server/share";
        QTest::newRow("blank in share") << "smb://server/my share"
                                        << "smb://server/my%20share";
        QTest::newRow("sftp with user and port") << "sftp://jana@host:2222/home"
                                                 << "sftp://jana@host:2222/home";
        QTest::newRow("ftp server root") << "ftp://127.0.0.1:2121/"
                                         << "ftp://127.0.0.1:2121/";
        QTest::newRow("ftp without path") << "ftp://files.example"
                                          << "ftp://files.example";
        QTest::newRow("dav") << "dav://host/remote.php/webdav"
                             << "dav://host/remote.php/webdav";
        QTest::newRow("davs") << "davs://host/x"
                              << "davs://host/x";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("only blanks") << "   "
                                     << "";
        QTest::newRow("web page") << "http://host/"
                                  << "";
        QTest::newRow("local file") << "file:///etc"
                                    << "";
        QTest::newRow("no scheme") << "server/share"
                                   << "";
        QTest::newRow("smb without share") << "smb://server"
                                           << "";
        QTest::newRow("smb with bare slash") << "smb://server/"
                                             << "";
        QTest::newRow("no host") << "smb:///share"
                                 << "";
        QTest::newRow("blank in host") << "smb://ser ver/share"
                                       << "";
        QTest::newRow("windows form without share") << "\\\\server"
                                                    << "";
    }
    void addressIsChecked()
    {
        QFETCH(QString, typed);
        QFETCH(QString, url);
        const platform::ShareAddress address = platform::checkShareAddress(typed);
        QCOMPARE(address.url, url);
        QCOMPARE(address.ok(), !url.isEmpty());
        QCOMPARE(address.error.isEmpty(), !url.isEmpty());
    }

    void goodAddressIsMountedAndTheDialogCloses()
    {
        platform::fakes::FakeShareMounter mounter;
        platform::QtShareDialogService service(mounter);
        QWidget owner;
        bool closedAfterConnect = false;
        whenDialogOpens(owner, [&](QDialog& dialog) {
            child<QLineEdit>(dialog, "address")->setText(QStringLiteral("smb://nas/fotky"));
            child<QPushButton>(dialog, "connect")->click();
            closedAfterConnect = !dialog.isVisible();
        });
        service.connectNetworkDrive(&owner);
        QCOMPARE(mounter.urls, QStringList{QStringLiteral("smb://nas/fotky")});
        QVERIFY(closedAfterConnect);
        QVERIFY(!owner.findChild<QDialog*>()); // owned by the window while open, gone after
    }

    // A refused address is explained in the dialog, which stays open; the
    // mounter is never asked. Cancel then ends it with nothing done.
    void badAddressStaysInTheDialog()
    {
        platform::fakes::FakeShareMounter mounter;
        platform::QtShareDialogService service(mounter);
        QWidget owner;
        QString status;
        bool stillOpen = false;
        whenDialogOpens(owner, [&](QDialog& dialog) {
            child<QLineEdit>(dialog, "address")->setText(QStringLiteral("http://nas/"));
            child<QPushButton>(dialog, "connect")->click();
            status = child<QLabel>(dialog, "status")->text();
            stillOpen = dialog.isVisible();
            child<QPushButton>(dialog, "cancel")->click();
        });
        service.connectNetworkDrive(&owner);
        QVERIFY(mounter.urls.isEmpty());
        QVERIFY(stillOpen);
        QVERIFY(status.contains(QStringLiteral("http://nas/")));
    }

    void cancelDoesNothing()
    {
        platform::fakes::FakeShareMounter mounter;
        platform::QtShareDialogService service(mounter);
        QWidget owner;
        whenDialogOpens(owner, [&](QDialog& dialog) {
            child<QLineEdit>(dialog, "address")->setText(QStringLiteral("smb://nas/fotky"));
            dialog.reject();
        });
        service.connectNetworkDrive(&owner);
        QVERIFY(mounter.urls.isEmpty());
    }

    // The failure comes out of the service once the dialog is closed, for
    // the window's failure rule to show.
    void mountFailureIsThrownAfterTheDialogCloses()
    {
        platform::fakes::FakeShareMounter mounter;
        mounter.failure = QStringLiteral("The network share \"smb://nas/fotky\" cannot be connected: refused");
        platform::QtShareDialogService service(mounter);
        QWidget owner;
        whenDialogOpens(owner, [&](QDialog& dialog) {
            child<QLineEdit>(dialog, "address")->setText(QStringLiteral("smb://nas/fotky"));
            child<QPushButton>(dialog, "connect")->click();
        });
        try {
            service.connectNetworkDrive(&owner);
            QFAIL("the failure was swallowed");
        } catch (const platform::Failure& failure) {
            QVERIFY(QString::fromStdString(failure.what()).contains(QStringLiteral("smb://nas/fotky")));
        }
        QVERIFY(!owner.findChild<QDialog*>());
    }

    // A server that asks for credentials gets what the user types in the
    // credentials dialog; only the fields the server asked for are shown.
    void credentialsAreAskedFor_data()
    {
        QTest::addColumn<bool>("confirm");
        QTest::newRow("typed and confirmed") << true;
        QTest::newRow("cancelled") << false;
    }
    void credentialsAreAskedFor()
    {
        QFETCH(bool, confirm);
        platform::fakes::FakeShareMounter mounter;
        CredentialRequest request;
        request.message = QStringLiteral("Zadejte heslo pro nas");
        request.defaultUser = QStringLiteral("jana");
        request.needUser = request.needPassword = true;
        mounter.request = request;
        platform::QtShareDialogService service(mounter);
        QWidget owner;
        bool domainShown = true, passwordHidden = false, shareStillOpen = false;
        QString userShown, status;
        whenDialogOpens(owner, [&](QDialog& shareDialog) {
            QTimer::singleShot(0, &shareDialog, [&] {
                auto* ask = shareDialog.findChild<QDialog*>(QStringLiteral("CredentialDialog"));
                if (!ask) qFatal("no credentials dialog");
                userShown = child<QLineEdit>(*ask, "user")->text();
                domainShown = child<QLineEdit>(*ask, "domain")->isVisibleTo(ask);
                auto* password = child<QLineEdit>(*ask, "password");
                passwordHidden = password->echoMode() == QLineEdit::Password;
                child<QLineEdit>(*ask, "user")->setText(QStringLiteral("petr"));
                password->setText(QStringLiteral("tajne heslo"));
                if (confirm)
                    ask->accept();
                else
                    ask->reject();
            });
            child<QLineEdit>(shareDialog, "address")->setText(QStringLiteral("smb://nas/fotky"));
            child<QPushButton>(shareDialog, "connect")->click();
            shareStillOpen = shareDialog.isVisible();
            status = child<QLabel>(shareDialog, "status")->text();
            if (shareStillOpen) shareDialog.reject();
        });
        service.connectNetworkDrive(&owner);
        QCOMPARE(userShown, QStringLiteral("jana"));
        QVERIFY(!domainShown);
        QVERIFY(passwordHidden);
        QCOMPARE(mounter.answers.size(), size_t(1));
        if (confirm) {
            QVERIFY(mounter.answers[0]);
            QCOMPARE(mounter.answers[0]->user, QStringLiteral("petr"));
            QCOMPARE(mounter.answers[0]->password, QStringLiteral("tajne heslo"));
            QVERIFY(!shareStillOpen);
        } else {
            // The user may try again or close the dialog.
            QVERIFY(!mounter.answers[0]);
            QVERIFY(shareStillOpen);
            QVERIFY(!status.isEmpty());
        }
    }

    // A question of the server (an unknown SSH host key) goes to the user
    // with the server's own answers.
    void serverQuestionsGoToTheUser_data()
    {
        QTest::addColumn<QString>("press");
        QTest::addColumn<int>("chosen"); // -1: no answer
        QTest::newRow("first answer") << "answer0" << 0;
        QTest::newRow("second answer") << "answer1" << 1;
        QTest::newRow("cancelled") << "cancel" << -1;
    }
    void serverQuestionsGoToTheUser()
    {
        QFETCH(QString, press);
        QFETCH(int, chosen);
        QWidget owner;
        platform::QtCredentialPrompt prompt(&owner);
        QString shownQuestion;
        QStringList shownAnswers;
        QTimer::singleShot(0, &owner, [&] {
            auto* question = owner.findChild<QDialog*>(QStringLiteral("QuestionDialog"));
            if (!question) qFatal("no question dialog");
            shownQuestion = child<QLabel>(*question, "message")->text();
            for (const char* name : {"answer0", "answer1"}) shownAnswers << child<QPushButton>(*question, name)->text();
            child<QPushButton>(*question, press.toLatin1().constData())->click();
        });
        const std::optional<int> answer =
            prompt.choose(QStringLiteral("The host key of nas is not known. Continue?"),
                          {QStringLiteral("Log In Anyway"), QStringLiteral("Cancel Login")});
        QCOMPARE(shownQuestion, QStringLiteral("The host key of nas is not known. Continue?"));
        QCOMPARE(shownAnswers, QStringList({"Log In Anyway", "Cancel Login"}));
        QCOMPARE(answer.value_or(-1), chosen);
    }

    // GVfs for real: an FTP server on 127.0.0.1 that wants a user and a
    // password. A wrong password asked again and then cancelled connects
    // nothing; the right one mounts the share, and the files can be listed.
    void realGvfsMountOfLoopbackFtp()
    {
        if (!busProblem_.isEmpty()) QSKIP(qPrintable(busProblem_));
        for (const char* program : {"/usr/libexec/gvfsd", "/usr/libexec/gvfsd-ftp", "/usr/bin/gio"})
            if (!QFile::exists(QLatin1String(program)))
                QSKIP(qPrintable(QStringLiteral("GVfs is not installed here (%1 missing)").arg(program)));
        if (QProcess::execute(QStringLiteral("/usr/bin/python3"),
                              {QStringLiteral("-c"), QStringLiteral("import pyftpdlib")})
            != 0)
            QSKIP("no FTP server to mount: python3-pyftpdlib is not installed");

        QTemporaryDir root;
        QVERIFY(root.isValid());
        QFile greeting(root.filePath(QStringLiteral("pozdrav.txt")));
        QVERIFY(greeting.open(QIODevice::WriteOnly));
        greeting.write("ahoj\n");
        greeting.close();
        const quint16 port = freePort();
        QProcess ftp;
        ftp.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        ftp.start(QStringLiteral("/usr/bin/python3"),
                  {QStringLiteral("-m"), QStringLiteral("pyftpdlib"), QStringLiteral("-i"), QStringLiteral("127.0.0.1"),
                   QStringLiteral("-p"), QString::number(port), QStringLiteral("-d"), root.path(), QStringLiteral("-u"),
                   QStringLiteral("quelmarn"), QStringLiteral("-P"), QStringLiteral("tajne")});
        QVERIFY(ftp.waitForStarted(5000));
        QTRY_VERIFY_WITH_TIMEOUT(accepts(port), 10000);
        const QString url = QStringLiteral("ftp://127.0.0.1:%1/").arg(port);
        const auto list = [&url] {
            QProcess gio;
            gio.start(QStringLiteral("/usr/bin/gio"), {QStringLiteral("list"), url});
            gio.waitForFinished(15000);
            return gio.exitCode() == 0 ? QString::fromUtf8(gio.readAllStandardOutput()) : QString();
        };

        const auto native = platform::makeNativeShareMounter();
        platform::ShareMounter& mounter = *native;
        ListPrompt wrong;
        wrong.answers = {Credentials{QStringLiteral("quelmarn"), {}, QStringLiteral("spatne"), false}};
        bool mounted = true;
        try {
            mounted = mounter.mount(url, wrong);
        } catch (const platform::Failure& failure) {
            if (QString::fromUtf8(failure.what()).contains(QStringLiteral("gvfs"), Qt::CaseInsensitive)
                || QString::fromUtf8(failure.what()).contains(QStringLiteral("not supported"), Qt::CaseInsensitive))
                QSKIP(qPrintable(QStringLiteral("GVfs cannot run here: %1").arg(failure.what())));
            QFAIL(failure.what());
        }
        QVERIFY(!mounted);
        QVERIFY2(wrong.requests.size() >= 2, "a refused password is asked for again");
        QVERIFY(wrong.requests[0].needPassword);
        QVERIFY(list().isEmpty());

        ListPrompt right;
        right.answers = {Credentials{QStringLiteral("quelmarn"), {}, QStringLiteral("tajne"), false}};
        QVERIFY(mounter.mount(url, right));
        QCOMPARE(right.requests.size(), size_t(1));
        QVERIFY(list().contains(QStringLiteral("pozdrav.txt")));
        // Connecting what is already connected is no failure.
        ListPrompt none;
        QVERIFY(mounter.mount(url, none));

        QProcess::execute(QStringLiteral("/usr/bin/gio"), {QStringLiteral("mount"), QStringLiteral("-u"), url});
        ftp.kill();
        ftp.waitForFinished();
    }

    // A server that is not there: a failure that names the address.
    void realGvfsMountOfAClosedPortFails()
    {
        if (!busProblem_.isEmpty()) QSKIP(qPrintable(busProblem_));
        if (!QFile::exists(QStringLiteral("/usr/libexec/gvfsd-ftp"))) QSKIP("GVfs is not installed here");
        const QString url = QStringLiteral("ftp://127.0.0.1:%1/").arg(freePort());
        const auto native = platform::makeNativeShareMounter();
        platform::ShareMounter& mounter = *native;
        ListPrompt prompt;
        try {
            mounter.mount(url, prompt);
            QFAIL("a closed port was reported as connected");
        } catch (const platform::Failure& failure) {
            QVERIFY2(QString::fromUtf8(failure.what()).contains(url), failure.what());
        }
    }
};

#include "test_share_mount.moc"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // GIO reads its bus and its VFS choice from the environment when it
    // starts, in this process and in the gio program the test runs, and
    // offers no other way in: they are set here, once, before any test
    // starts GIO. GVfs then talks to its daemons over a private session
    // bus, so the desktop's is never touched.
    testing::PrivateBus bus;
    const QString address = bus.start({QStringLiteral("org.gtk.vfs.Daemon.service")});
    if (!address.isEmpty()) qputenv("DBUS_SESSION_BUS_ADDRESS", address.toUtf8());
    qunsetenv("GIO_USE_VFS");
    ShareMountTest test(address.isEmpty() ? bus.problem() : QString());
    return QTest::qExec(&test, argc, argv);
}
