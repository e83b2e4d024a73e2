// Renaming the computer through org.freedesktop.hostname1, against a mock
// hostnamed on a private bus that the renamer is given instead of the
// system bus: what is sent, what counts as success, and what the window
// shows for each answer.

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusError>
#include <QDBusMessage>
#include <QLineEdit>
#include <QMutex>
#include <QProcess>
#include <QPushButton>
#include <QThread>
#include <QtTest>

#include "platform/services/qt/qt_services.h"
#include "sections/network/frm_sit.h"
#include "tests/support/test_support.h"

namespace {

// hostnamed's SetStaticHostname, answering as the test tells it. Lives in a
// thread of its own so that the blocking call of the code under test can be
// answered.
class MockHostname1 : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.hostname1")
public:
    struct Call {
        QString name;
        bool interactive;
    };

    void answerWith(const QString& errorName)
    {
        QMutexLocker lock(&mutex_);
        error_ = errorName;
    }
    std::vector<Call> calls()
    {
        QMutexLocker lock(&mutex_);
        return calls_;
    }

public slots:
    void SetStaticHostname(const QString& name, bool interactive)
    {
        QMutexLocker lock(&mutex_);
        calls_.push_back({name, interactive});
        if (!error_.isEmpty()) sendErrorReply(error_, QStringLiteral("refused by the mock"));
    }

private:
    QMutex mutex_;
    QString error_;
    std::vector<Call> calls_;
};

} // namespace

class HostnameDbusTest : public QObject {
    Q_OBJECT

    testing::PrivateBus bus_;
    QString address_;
    QThread mockThread_;
    MockHostname1* mock_ = nullptr;

    // A renamer on the private bus, so the machine's real hostnamed is never
    // asked.
    platform::SystemHostRenamer renamerOnPrivateBus() const
    {
        return platform::SystemHostRenamer(address_.toStdString());
    }

    bool registerMock(bool on)
    {
        QDBusConnection connection = QDBusConnection::connectToBus(address_, QStringLiteral("mock"));
        if (!on) {
            connection.unregisterObject(QStringLiteral("/org/freedesktop/hostname1"));
            return connection.unregisterService(QStringLiteral("org.freedesktop.hostname1"));
        }
        return connection.registerObject(QStringLiteral("/org/freedesktop/hostname1"), mock_,
                                         QDBusConnection::ExportAllSlots)
            && connection.registerService(QStringLiteral("org.freedesktop.hostname1"));
    }

private slots:
    void initTestCase()
    {
        address_ = bus_.start();
        if (address_.isEmpty()) QSKIP(qPrintable(bus_.problem()));

        mock_ = new MockHostname1;
        mock_->moveToThread(&mockThread_);
        mockThread_.start();
        QVERIFY(registerMock(true));
    }

    void cleanupTestCase()
    {
        mockThread_.quit();
        mockThread_.wait();
        delete mock_;
        QDBusConnection::disconnectFromBus(QStringLiteral("mock"));
    }

    // The name is sent as typed, interactively (the user may be asked to
    // authorise it); only a plain reply counts as success.
    void renameThroughHostnamed_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("error");
        QTest::addColumn<bool>("taken");
        QTest::newRow("accepted") << "novy-pocitac" << QString() << true;
        QTest::newRow("accepted as typed") << " Nový Počítač " << QString() << true;
        QTest::newRow("invalid name") << "-bad-"
                                      << "org.freedesktop.DBus.Error.InvalidArgs" << false;
        QTest::newRow("not authorised") << "novy"
                                        << "org.freedesktop.DBus.Error.AccessDenied" << false;
        QTest::newRow("authorisation needed") << "novy"
                                              << "org.freedesktop.DBus.Error.InteractiveAuthorizationRequired" << false;
    }
    void renameThroughHostnamed()
    {
        QFETCH(QString, name);
        QFETCH(QString, error);
        QFETCH(bool, taken);
        mock_->answerWith(error);
        const size_t before = mock_->calls().size();
        platform::SystemHostRenamer renamer = renamerOnPrivateBus();
        QCOMPARE(renamer.setComputerName(name), taken);
        const auto calls = mock_->calls();
        QCOMPARE(calls.size(), before + 1);
        QCOMPARE(calls.back().name, name);
        QVERIFY(calls.back().interactive);
    }

    // An empty name would make hostnamed forget the name altogether; it is
    // refused without asking.
    void emptyNameIsRefusedWithoutAsking()
    {
        mock_->answerWith(QString());
        const size_t before = mock_->calls().size();
        platform::SystemHostRenamer renamer = renamerOnPrivateBus();
        QVERIFY(!renamer.setComputerName(QString()));
        QCOMPARE(mock_->calls().size(), before);
    }

    // No hostnamed on the bus, or no bus at all: refused.
    void noServiceRefuses()
    {
        QVERIFY(registerMock(false));
        platform::SystemHostRenamer renamer = renamerOnPrivateBus();
        const bool taken = renamer.setComputerName(QStringLiteral("novy"));
        QVERIFY(registerMock(true));
        QVERIFY(!taken);

        platform::SystemHostRenamer unconnected("unix:path=/nonexistent/bus");
        QVERIFY(!unconnected.setComputerName(QStringLiteral("novy")));
    }

    // The window: success shows Text95 with the application title; a
    // refusal shows nothing; the text box and the name shown stay.
    void windowShowsOnlySuccess_data()
    {
        QTest::addColumn<QString>("error");
        QTest::addColumn<bool>("announced");
        QTest::newRow("success") << QString() << true;
        QTest::newRow("InvalidArgs") << "org.freedesktop.DBus.Error.InvalidArgs" << false;
        QTest::newRow("AccessDenied") << "org.freedesktop.DBus.Error.AccessDenied" << false;
    }
    void windowShowsOnlySuccess()
    {
        QFETCH(QString, error);
        QFETCH(bool, announced);
        mock_->answerWith(error);
        testing::FakeApp app;
        platform::SystemHostRenamer renamer = renamerOnPrivateBus();
        AppContext context{app.table, app.fakes.with(renamer), [] {}, app.system.view(), app.config};
        frm_sit window(context);
        auto* box = window.findChild<QLineEdit*>(QStringLiteral("Text1"));
        box->setText(QStringLiteral("stroj-2"));
        QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);

        QCOMPARE(mock_->calls().back().name, QStringLiteral("stroj-2"));
        if (announced) {
            QCOMPARE(app.fakes.messages.calls.size(), size_t(1));
            QCOMPARE(app.fakes.messages.calls[0].text, QStringLiteral("T95"));
            QCOMPARE(app.fakes.messages.calls[0].style, 0);
            QCOMPARE(app.fakes.messages.calls[0].shownTitle(), platform::applicationTitle);
        } else {
            QVERIFY(app.fakes.messages.calls.empty());
        }
        QCOMPARE(box->text(), QStringLiteral("stroj-2"));
        QCOMPARE(window.findChild<QLabel*>(QStringLiteral("lbl_pocitac"))->text(), QStringLiteral("T89pocitac"));
    }
};

QTEST_MAIN(HostnameDbusTest)
#include "test_hostname_dbus.moc"
