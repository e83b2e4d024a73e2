// Log-off and shut-down over D-Bus, against mock session managers and a
// mock logind on a private bus that the test starts itself. The code under
// test is given that bus's address for both kinds of bus, and CTest points
// the standard bus variables nowhere, so nothing here can reach the
// machine's real session or system bus.

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVirtualObject>
#include <QFile>
#include <QMutex>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>
#include <unistd.h>

#include "platform/failure.h"
#include "platform/sys/off_reset_logout.h"
#include "tests/support/test_support.h"

using platform::off_reset_logout::Ability;
Q_DECLARE_METATYPE(Ability)

namespace {

const QString sessionPath = QStringLiteral("/org/freedesktop/login1/session/_31");

// Every object of every mocked service: records each call as
// "<path> <interface>.<member>(<arguments>)" and answers as told.
class MockServices : public QDBusVirtualObject {
public:
    QStringList calls()
    {
        QMutexLocker lock(&mutex_);
        return calls_;
    }
    void reset()
    {
        QMutexLocker lock(&mutex_);
        calls_.clear();
        answers_.clear();
        failing_.clear();
    }
    void answer(const QString& member, const QVariant& value)
    {
        QMutexLocker lock(&mutex_);
        answers_[member] = value;
    }
    void fail(const QString& member)
    {
        QMutexLocker lock(&mutex_);
        failing_ << member;
    }

    QString introspect(const QString&) const override { return {}; }

    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override
    {
        QStringList arguments;
        for (const QVariant& argument : message.arguments()) arguments << argument.toString();
        QMutexLocker lock(&mutex_);
        calls_ << QStringLiteral("%1 %2.%3(%4)")
                      .arg(message.path(), message.interface(), message.member(), arguments.join(QStringLiteral(", ")));
        if (failing_.contains(message.member())) {
            connection.send(message.createErrorReply(QDBusError::AccessDenied, QStringLiteral("refused by the mock")));
            return true;
        }
        QVariantList reply;
        const QString& member = message.member();
        if (member == QLatin1String("GetSessionByPID") || member == QLatin1String("GetSession"))
            reply << QVariant::fromValue(QDBusObjectPath(sessionPath));
        else if (answers_.contains(member))
            reply << answers_.value(member);
        connection.send(message.createReply(reply));
        return true;
    }

private:
    QMutex mutex_;
    QStringList calls_;
    QMap<QString, QVariant> answers_;
    QStringList failing_;
};

} // namespace

class SessionDBusTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        address_ = bus_.start();
        QVERIFY2(address_.startsWith(QLatin1String("unix:")), qPrintable(bus_.problem()));
    }

    // No service of the machine can start on the test's bus: an installed
    // desktop's own (a logout prompt) would answer in the mock's place.
    void busStartsNoServiceOfTheMachine()
    {
        QDBusConnection bus = QDBusConnection::connectToBus(address_, QStringLiteral("lister"));
        const QDBusReply<QStringList> names = bus.interface()->activatableServiceNames();
        QVERIFY(names.isValid());
        QCOMPARE(names.value(), QStringList{QStringLiteral("org.freedesktop.DBus")});
        QDBusConnection::disconnectFromBus(QStringLiteral("lister"));
    }

    void init() { mock_.reset(); }
    void cleanup()
    {
        for (const QString& name : owned_) bus_.connection().unregisterService(name);
        owned_.clear();
    }

    void logOffGoesToTheDesktopOrLogind_data()
    {
        QTest::addColumn<QString>("desktop");
        QTest::addColumn<QStringList>("services");
        QTest::addColumn<QStringList>("expected");
        const QString pid = QString::number(::getpid());
        const QStringList all = {"org.gnome.SessionManager", "org.kde.Shutdown", "org.xfce.SessionManager",
                                 "org.freedesktop.login1"};
        const QString logind = "/org/freedesktop/login1 org.freedesktop.login1.Manager.GetSessionByPID(" + pid + ")";
        const QString terminate = sessionPath + " org.freedesktop.login1.Session.Terminate()";
        QTest::newRow("gnome") << "GNOME" << all
                               << QStringList{"/org/gnome/SessionManager org.gnome.SessionManager.Logout(1)"};
        QTest::newRow("ubuntu gnome") << "ubuntu:GNOME" << all
                                      << QStringList{"/org/gnome/SessionManager org.gnome.SessionManager.Logout(1)"};
        QTest::newRow("kde") << "KDE" << all << QStringList{"/Shutdown org.kde.Shutdown.logout()"};
        QTest::newRow("xfce") << "XFCE" << all
                              << QStringList{"/org/xfce/SessionManager org.xfce.Session.Manager.Logout(false, true)"};
        QTest::newRow("other desktop: logind") << "LXQt" << all << QStringList{logind, terminate};
        QTest::newRow("gnome without its manager: logind")
            << "GNOME" << QStringList{"org.freedesktop.login1"} << QStringList{logind, terminate};
    }
    void logOffGoesToTheDesktopOrLogind()
    {
        QFETCH(QString, desktop);
        QFETCH(QStringList, services);
        QFETCH(QStringList, expected);
        own(services);
        calls(desktop.toStdString())->logOff();
        QCOMPARE(mock_.calls(), expected);
    }

    void logOffBySessionIdWhenThePidHasNone()
    {
        own({"org.freedesktop.login1"});
        mock_.fail(QStringLiteral("GetSessionByPID"));
        calls("", "c2")->logOff();
        const QStringList calls = mock_.calls();
        QCOMPARE(calls.size(), 3);
        QCOMPARE(calls[1], QStringLiteral("/org/freedesktop/login1 org.freedesktop.login1.Manager.GetSession(c2)"));
        QCOMPARE(calls[2], sessionPath + QStringLiteral(" org.freedesktop.login1.Session.Terminate()"));
    }

    void logOffThatNobodyTakesFails()
    {
        const auto gnome = calls("GNOME");
        QVERIFY_THROWS_EXCEPTION(platform::Failure, gnome->logOff());
        QVERIFY(mock_.calls().isEmpty()); // nobody owns the names: the bus answered

        own({"org.freedesktop.login1"});
        mock_.fail(QStringLiteral("Terminate"));
        try {
            gnome->logOff();
            QFAIL("a refused Terminate must fail");
        } catch (const platform::Failure& failure) {
            QVERIFY2(QString::fromUtf8(failure.what()).contains(QLatin1String("refused by the mock")), failure.what());
        }
    }

    void abilities_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<Ability>("ability");
        QTest::newRow("yes") << "yes" << Ability::Yes;
        QTest::newRow("challenge") << "challenge" << Ability::Challenge;
        QTest::newRow("no") << "no" << Ability::No;
        QTest::newRow("na") << "na" << Ability::NotAvailable;
    }
    void abilities()
    {
        QFETCH(QString, answer);
        QFETCH(Ability, ability);
        own({"org.freedesktop.login1"});
        mock_.answer(QStringLiteral("CanPowerOff"), answer);
        mock_.answer(QStringLiteral("CanReboot"), answer);
        const auto session = calls();
        QCOMPARE(session->canPowerOff(), ability);
        QCOMPARE(session->canReboot(), ability);
        QCOMPARE(mock_.calls(),
                 (QStringList{"/org/freedesktop/login1 org.freedesktop.login1.Manager.CanPowerOff()",
                              "/org/freedesktop/login1 org.freedesktop.login1.Manager.CanReboot()"}));
    }

    void withoutLogindNothingIsOffered()
    {
        const auto session = calls();
        QCOMPARE(session->canPowerOff(), Ability::NotAvailable);
        QCOMPARE(session->canReboot(), Ability::NotAvailable);
    }

    void powerOffAndRebootAreInteractive()
    {
        own({"org.freedesktop.login1"});
        const auto session = calls();
        session->powerOff();
        session->reboot();
        QCOMPARE(mock_.calls(),
                 (QStringList{"/org/freedesktop/login1 org.freedesktop.login1.Manager.PowerOff(true)",
                              "/org/freedesktop/login1 org.freedesktop.login1.Manager.Reboot(true)"}));
    }

    void refusedPowerOffFails()
    {
        own({"org.freedesktop.login1"});
        mock_.fail(QStringLiteral("PowerOff"));
        QVERIFY_THROWS_EXCEPTION(platform::Failure, calls()->powerOff());
        QVERIFY_THROWS_EXCEPTION(platform::Failure, [] {
            // No logind at all.
            auto other = platform::off_reset_logout::makeNative(
                {}, {"unix:path=/nonexistent/quelmarn-bus", "unix:path=/nonexistent/quelmarn-bus"});
            other->reboot();
        }());
    }

    void kdePromptOverDBus()
    {
        const auto kde = calls("KDE");
        QVERIFY(!kde->desktopShutdownPrompt()); // no prompt service on the bus
        own({"org.kde.LogoutPrompt"});
        QVERIFY(kde->desktopShutdownPrompt());
        QCOMPARE(mock_.calls().last(), QStringLiteral("/LogoutPrompt org.kde.LogoutPrompt.promptShutDown()"));
    }

    // GNOME and Xfce prompt with a program of their own; a stand-in in the
    // session's program folder records how it was started.
    void promptPrograms_data()
    {
        QTest::addColumn<QString>("desktop");
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("arguments");
        QTest::newRow("gnome") << "GNOME"
                               << "gnome-session-quit"
                               << "--power-off";
        QTest::newRow("xfce") << "XFCE"
                              << "xfce4-session-logout"
                              << "";
    }
    void promptPrograms()
    {
        QFETCH(QString, desktop);
        QFETCH(QString, program);
        QFETCH(QString, arguments);
        QTemporaryDir bin;
        const QString record = bin.filePath(QStringLiteral("started"));
        const auto session = calls(desktop.toStdString(), "", {bin.path().toStdString()});
        QVERIFY(!session->desktopShutdownPrompt()); // not installed: no prompt

        QFile script(bin.filePath(program));
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write(
            QStringLiteral("#!/bin/sh\necho \"$*\" > '%1.tmp' && /bin/mv '%1.tmp' '%1'\n").arg(record).toUtf8());
        script.close();
        script.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QVERIFY(session->desktopShutdownPrompt());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(record), 10000);
        QFile started(record);
        QVERIFY(started.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(started.readAll()).trimmed(), arguments);
        QVERIFY(mock_.calls().isEmpty());
    }

    void otherDesktopsHaveNoPrompt()
    {
        own({"org.kde.LogoutPrompt"});
        QVERIFY(!calls("LXQt")->desktopShutdownPrompt());
        QVERIFY(mock_.calls().isEmpty());
    }

private:
    // The backend on the private bus, in the given session.
    std::unique_ptr<platform::off_reset_logout::Calls> calls(const std::string& desktop = {},
                                                             const std::string& sessionId = {},
                                                             const std::vector<std::string>& programFolders = {})
    {
        return platform::off_reset_logout::makeNative({desktop, sessionId, programFolders},
                                                      {address_.toStdString(), address_.toStdString()});
    }

    void own(const QStringList& names)
    {
        for (const QString& name : names) {
            QVERIFY2(bus_.connection().registerService(name), qPrintable(name));
            owned_ << name;
        }
    }

    MockServices mock_;
    testing::MockedBus bus_{mock_};
    QString address_;
    QStringList owned_;
};

#include "test_session_dbus.moc"

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    SessionDBusTest test;
    return QTest::qExec(&test, argc, argv);
}
