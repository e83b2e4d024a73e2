// The desktops' own ways of hiding panels and telling the pointer: sway and
// Xfce through stand-ins for their command-line programs, KDE Plasma and
// GNOME Shell through mocked services on a private bus that this test
// starts. CTest points the standard bus variables nowhere.

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMutex>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include "platform/failure.h"
#include "platform/services/pointer_position.h"
#include "platform/sys/taskbar.h"
#include "tests/support/test_support.h"

namespace {

// Every object of the mocked desktop services: records each call as
// "<member>(<arguments>)" and answers with answers[member].
class MockDesktop : public QDBusVirtualObject {
public:
    QStringList calls()
    {
        QMutexLocker lock(&mutex_);
        return calls_;
    }
    void reset(const QMap<QString, QVariantList>& answers)
    {
        QMutexLocker lock(&mutex_);
        calls_.clear();
        answers_ = answers;
    }
    QString introspect(const QString&) const override { return {}; }
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override
    {
        QStringList arguments;
        for (const QVariant& argument : message.arguments()) arguments << argument.toString();
        QMutexLocker lock(&mutex_);
        calls_ << message.member() + '(' + arguments.join(QStringLiteral(", ")) + ')';
        if (message.member() == QLatin1String("run")) {
            // KWin 5 serves a loaded script at /<id> only; running it reports the pointer.
            if (message.path() != '/' + answers_.value(QStringLiteral("loadScript")).value(0).toString()) {
                connection.send(message.createErrorReply(QDBusError::UnknownObject, message.path()));
                return true;
            }
            connection.send(
                QDBusMessage::createMethodCall(message.service(), QStringLiteral("/example/quelmarn/Pointer"),
                                               QStringLiteral("example.quelmarn.Pointer"), QStringLiteral("Moved"))
                << -5 << 77);
        }
        connection.send(message.createReply(answers_.value(message.member())));
        return true;
    }

private:
    QMutex mutex_;
    QStringList calls_;
    QMap<QString, QVariantList> answers_;
};

QString failureOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const platform::Failure& failure) {
        return QString::fromStdString(failure.what());
    }
    return {};
}

} // namespace

class DesktopPanelsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        address_ = bus_.start();
        QVERIFY2(address_.startsWith(QLatin1String("unix:")), qPrintable(bus_.problem()));
        for (const char* name : {"org.kde.plasmashell", "org.kde.KWin", "org.gnome.Shell"})
            QVERIFY(bus_.connection().registerService(name));
        for (const char* name : {"swaymsg", "xfconf-query", "xfce4-panel"})
            QVERIFY(QFile::link(QStringLiteral(FAKE_DESKTOP_PROGRAMS), bin_.filePath(QLatin1String(name))));
        qputenv("FAKE_DESKTOP_STATE", state_.toLocal8Bit());
    }
    // Hidden by the desktop's own settings, given back as they were by Show
    // and by the end of the program when Show never came.
    void swayBars()
    {
        const State initial = {{"bars/bar-0/mode", "hide"},
                               {"bars/bar-0/workspace_buttons", "true"},
                               {"bars/bar-1/mode", "dock"},
                               {"bars/bar-1/workspace_buttons", "false"}};
        setState(initial);
        {
            auto calls = platform::taskbar::makeForSession(sway());
            calls->hideTaskbar();
            calls->hideTaskbar();
            QCOMPARE(state().value("bars/bar-0/mode"), "invisible");
            QCOMPARE(state().value("bars/bar-1/mode"), "invisible");
            calls->showTaskbar();
            QCOMPARE(state(), initial);
            calls->hideStartButton();
            calls->hideTaskbar();
            QCOMPARE(state().value("bars/bar-0/workspace_buttons"), "false");
        }
        QCOMPARE(state(), initial);

        setState({});
        QVERIFY(failureOf([this] { platform::taskbar::makeForSession(sway())->hideTaskbar(); }).contains("bar"));
    }

    void xfcePanels()
    {
        const State initial = {{"xfconf/%panels", "array\n1\n2"},
                               {"xfconf/%panels%panel-1%autohide-behavior", "1"},
                               {"xfconf/%panels%panel-1%plugin-ids", "array\n5\n1\n3\n2"},
                               {"xfconf/%panels%panel-2%plugin-ids", "array\n4"},
                               {"xfconf/%plugins%plugin-1", "tasklist"},
                               {"xfconf/%plugins%plugin-2", "clock"},
                               {"xfconf/%plugins%plugin-3", "whiskermenu"},
                               {"xfconf/%plugins%plugin-4", "pager"},
                               {"xfconf/%plugins%plugin-5", "applicationsmenu"}};
        setState(initial);
        {
            auto calls = platform::taskbar::makeForSession(xfce());
            calls->hideTaskbar();
            QCOMPARE(state().value("xfconf/%panels%panel-1%autohide-behavior"), "2");
            QCOMPARE(state().value("xfconf/%panels%panel-2%autohide-behavior"), "2");
            calls->showTaskbar();
            QCOMPARE(state(), initial);

            calls->hideStartButton();
            QCOMPARE(state().value("xfconf/%panels%panel-1%plugin-ids"), "array\n1\n2");
            QCOMPARE(state().value("restarts"), "restart");
            calls->showStartButton();
            QCOMPARE(state().value("xfconf/%panels%panel-1%plugin-ids"), "array\n5\n1\n3\n2");
            QCOMPARE(state().value("restarts"), "restart\nrestart");
            setState(initial);
            calls->hideStartButton();
            calls->hideTaskbar();
        }
        State restored = initial;
        restored["restarts"] = "restart\nrestart";
        QCOMPARE(state(), restored);

        setState({{"xfconf/%panels", "array\n1"},
                  {"xfconf/%panels%panel-1%plugin-ids", "array\n1"},
                  {"xfconf/%plugins%plugin-1", "clock"}});
        QVERIFY(failureOf([this] {
                    platform::taskbar::makeForSession(xfce())->hideStartButton();
                }).contains("Applications"));
    }

    void plasmaPanels()
    {
        mock_.reset({{"evaluateScript", {QStringLiteral("1=none 7=windowsbelow\n")}}});
        {
            auto calls = platform::taskbar::makeForSession({"KDE", {}, {}, {}, {}}, address_.toStdString());
            calls->hideTaskbar();
            calls->hideTaskbar(); // the first values are the ones kept
            // The Start button is a widget whose removal loses its settings.
            QVERIFY(failureOf([&] { calls->hideStartButton(); }).contains("favourites"));
        }
        const QStringList calls = mock_.calls();
        QCOMPARE(calls.size(), 3);
        QVERIFY(calls[0].contains("p.hiding = 'autohide'"));
        QVERIFY2(calls[2].contains("{'1': 'none', '7': 'windowsbelow'}"), qPrintable(calls[2]));
    }

    void gnomeExtension_data()
    {
        QTest::addColumn<QVariantMap>("info");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QString>("failure");
        const QString uuid = "quelmarn@quelmarn.example";
        QTest::newRow("enabled here, disabled at the end")
            << QVariantMap{{"state", 2.0}}
            << QStringList{"GetExtensionInfo(" + uuid + ")", "EnableExtension(" + uuid + ")",
                           "SetTopBarVisible(false)",        "SetActivitiesVisible(false)",
                           "SetTopBarVisible(true)",         "SetActivitiesVisible(true)",
                           "DisableExtension(" + uuid + ")"}
            << QString();
        QTest::newRow("already enabled stays so")
            << QVariantMap{{"state", 1.0}}
            << QStringList{"GetExtensionInfo(" + uuid + ")", "SetTopBarVisible(false)", "SetActivitiesVisible(false)",
                           "SetTopBarVisible(true)", "SetActivitiesVisible(true)"}
            << QString();
        QTest::newRow("unknown to the running shell")
            << QVariantMap() << QStringList{"GetExtensionInfo(" + uuid + ")"} << "logging off";
    }
    void gnomeExtension()
    {
        QFETCH(QVariantMap, info);
        QFETCH(QString, failure);
        mock_.reset({{"GetExtensionInfo", {info}}, {"EnableExtension", {true}}, {"PointerPosition", {-5, 77}}});
        {
            auto calls = platform::taskbar::makeForSession({"GNOME", {}, {}, {}, {}}, address_.toStdString());
            const QString refused = failureOf([&] {
                calls->hideTaskbar();
                calls->hideStartButton();
            });
            QVERIFY2(failure.isEmpty() ? refused.isEmpty() : refused.contains(failure), qPrintable(refused));
        }
        QTEST(mock_.calls(), "expected");
    }

    // Never a number that is not the pointer's place on the screen.
    void pointerWhereTheDesktopTellsIt_data()
    {
        QTest::addColumn<QString>("desktop");
        QTest::addColumn<QVariantMap>("info");
        QTest::addColumn<QString>("expected");
        QTest::newRow("gnome extension") << "GNOME" << QVariantMap{{"state", 1.0}} << "-5,77";
        QTest::newRow("gnome without it") << "GNOME" << QVariantMap() << "";
        QTest::newRow("kwin script") << "KDE" << QVariantMap() << "-5,77";
        QTest::newRow("sway") << "sway" << QVariantMap() << "";
    }
    void pointerWhereTheDesktopTellsIt()
    {
        QFETCH(QString, desktop);
        QFETCH(QVariantMap, info);
        QFETCH(QString, expected);
        mock_.reset({{"GetExtensionInfo", {info}}, {"PointerPosition", {-5, 77}}, {"loadScript", {3}}});
        platform::desktop::Session session{desktop.toStdString(), {}, {}, "wayland-1", {}};
        const auto pointer = platform::makeNativePointerPosition(session, address_.toStdString());
        const auto text = [&] {
            const std::optional<QPoint> at = pointer->position();
            return at ? QStringLiteral("%1,%2").arg(at->x()).arg(at->y()) : QString();
        };
        QTRY_COMPARE(text(), expected);
    }

    // The shell is asked again without waiting; each answer shows when it comes.
    void gnomePointerFollows()
    {
        mock_.reset({{"GetExtensionInfo", {QVariantMap{{"state", 1.0}}}}, {"PointerPosition", {-5, 77}}});
        const auto pointer =
            platform::makeNativePointerPosition({"GNOME", {}, {}, "wayland-1", {}}, address_.toStdString());
        QCOMPARE(pointer->position(), QPoint(-5, 77));
        mock_.reset({{"PointerPosition", {9, 8}}});
        QTRY_COMPARE(pointer->position(), QPoint(9, 8));
    }

    // Under Plasma's Wayland a KWin script calls this program back with the
    // position (numbers as KWin sends them: doubles, rounded here).
    void kwinScriptSendsThePointer()
    {
        mock_.reset({{"loadScript", {7}}});
        const auto pointer =
            platform::makeNativePointerPosition({"KDE", {}, {}, "wayland-1", {}}, address_.toStdString());
        pointer->position(); // loads and runs the script
        // (A question of an earlier test's shell pointer may still arrive.)
        const QStringList calls = mock_.calls().filter(QRegularExpression(QStringLiteral("^(loadScript|run)\\(")));
        QVERIFY2(calls.size() == 2 && calls[0].startsWith("loadScript(") && calls[1] == "run()",
                 qPrintable(calls.join(' ')));
        const QString script = QString::fromStdString(testing::readFile(calls[0].mid(11).section(',', 0, 0)));
        static const QRegularExpression callBack("callDBus\\('([^']+)', '([^']+)', '([^']+)', '([^']+)'");
        const QRegularExpressionMatch to = callBack.match(script);
        QVERIFY2(to.hasMatch(), qPrintable(script));
        QDBusMessage moved =
            QDBusMessage::createMethodCall(to.captured(1), to.captured(2), to.captured(3), to.captured(4));
        moved << 12.4 << -33.6;
        bus_.connection().send(moved);
        QTRY_COMPARE(pointer->position(), std::optional<QPoint>(QPoint(12, -34)));
    }

private:
    platform::desktop::Session sway()
    {
        return {"sway", {}, {bin_.path().toStdString()}, "wayland-1", "/run/sway.sock"};
    }
    platform::desktop::Session xfce() { return {"XFCE", {}, {bin_.path().toStdString()}, {}, {}}; }
    // The fake desktop's files (fake_desktop_programs.sh) and their text.
    using State = QMap<QString, QString>;
    void setState(const State& files)
    {
        QDir(state_).removeRecursively();
        for (auto file = files.cbegin(); file != files.cend(); ++file) {
            const QString path = state_ + '/' + file.key();
            QDir().mkpath(QFileInfo(path).path());
            testing::writeFile(path, (file.value() + '\n').toStdString());
        }
        QDir().mkpath(state_ + QStringLiteral("/bars"));
        QDir().mkpath(state_ + QStringLiteral("/xfconf"));
    }
    State state()
    {
        State files;
        for (QDirIterator it(state_, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
            const QString path = it.next();
            files[path.mid(state_.size() + 1)] = QString::fromStdString(testing::readFile(path)).trimmed();
        }
        return files;
    }

    MockDesktop mock_;
    testing::MockedBus bus_{mock_};
    QString address_;
    QTemporaryDir bin_;
    const QString state_ = bin_.filePath(QStringLiteral("state"));
};

QTEST_MAIN(DesktopPanelsTest)
#include "test_desktop_panels_dbus.moc"
