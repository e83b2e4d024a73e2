// The taskbar and Start button calls on each Linux desktop, through the
// desktop's own means. Every change is remembered and undone by the
// matching show call, or when the object ends at the program's end.

#include <QDBusMessage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QRegularExpression>
#include <X11/Xlib.h>
#include <optional>
#include <utility>

#include "platform/failure.h"
#include "platform/sys/linux/desktop_linux.h"
#include "platform/sys/taskbar.h"

namespace platform::taskbar {

namespace {

using desktop::Programs;
using desktop::translated;

[[noreturn]] void refuse(const QString& why)
{
    throw Failure(why.toStdString());
}

// An undo at the program's end must not end it.
template <typename Undo>
void quietly(Undo undo)
{
    try {
        undo();
    } catch (...) {
    }
}

// sway: each bar's mode (dock, hide, invisible, overlay) and its workspace
// buttons, the nearest thing sway's bar has to a Start button.
class SwayPanels : public Calls {
public:
    explicit SwayPanels(Programs programs) : programs_(std::move(programs)) {}
    ~SwayPanels() override
    {
        quietly([this] { showTaskbar(); });
        quietly([this] { showStartButton(); });
    }

    void hideTaskbar() override
    {
        for (const QString& bar : bars()) {
            if (!modes_.contains(bar))
                modes_[bar] = config(bar).value(QStringLiteral("mode")).toString(QStringLiteral("dock"));
            command({QStringLiteral("bar"), bar, QStringLiteral("mode"), QStringLiteral("invisible")});
        }
    }
    void showTaskbar() override
    {
        for (auto bar = modes_.cbegin(); bar != modes_.cend(); ++bar)
            command({QStringLiteral("bar"), bar.key(), QStringLiteral("mode"), bar.value()});
        modes_.clear();
    }
    void hideStartButton() override
    {
        for (const QString& bar : bars()) {
            if (!buttons_.contains(bar)) buttons_[bar] = config(bar).value(QStringLiteral("workspace_buttons")).toBool(true);
            command({QStringLiteral("bar"), bar, QStringLiteral("workspace_buttons"), QStringLiteral("no")});
        }
    }
    void showStartButton() override
    {
        for (auto bar = buttons_.cbegin(); bar != buttons_.cend(); ++bar)
            command({QStringLiteral("bar"), bar.key(), QStringLiteral("workspace_buttons"),
                     bar.value() ? QStringLiteral("yes") : QStringLiteral("no")});
        buttons_.clear();
    }

private:
    QStringList bars()
    {
        QStringList ids;
        for (const QJsonValue& id : ask({QStringLiteral("-t"), QStringLiteral("get_bar_config")}).array())
            ids << id.toString();
        if (ids.isEmpty()) refuse(translated(QT_TRANSLATE_NOOP("platform", "Sway has no panel (bar) that could be hidden.")));
        return ids;
    }
    QJsonObject config(const QString& bar)
    {
        return ask({QStringLiteral("-t"), QStringLiteral("get_bar_config"), bar}).object();
    }
    QJsonDocument ask(const QStringList& arguments)
    {
        return QJsonDocument::fromJson(programs_.run(QStringLiteral("swaymsg"), arguments).toUtf8());
    }
    void command(const QStringList& arguments) { programs_.run(QStringLiteral("swaymsg"), arguments); }

    Programs programs_;
    QMap<QString, QString> modes_; // bar → its mode before this program hid it
    QMap<QString, bool> buttons_;  // bar → whether it showed workspace buttons
};

// Xfce: each panel's autohide-behavior in the xfce4-panel channel, and its
// Applications menu (or Whisker menu) plugin taken out of plugin-ids and
// put back at its place; the plugin's own settings stay untouched.
class XfcePanels : public Calls {
public:
    explicit XfcePanels(Programs programs) : programs_(std::move(programs)) {}
    ~XfcePanels() override
    {
        quietly([this] { showTaskbar(); });
        quietly([this] { showStartButton(); });
    }

    void hideTaskbar() override
    {
        for (int panel : integers(query({QStringLiteral("-p"), QStringLiteral("/panels")}))) {
            const QString property = autohide(panel);
            if (!autohide_.contains(panel)) {
                QString value;
                autohide_[panel] = programs_.tryRun(xfconf, channel() << QStringLiteral("-p") << property, &value)
                    ? std::optional<QString>(value.trimmed())
                    : std::nullopt;
            }
            query({QStringLiteral("-p"), property, QStringLiteral("-n"), QStringLiteral("-t"), QStringLiteral("uint"),
                   QStringLiteral("-s"), QStringLiteral("2")}); // 2: always hide
        }
        if (autohide_.isEmpty()) refuse(translated(QT_TRANSLATE_NOOP("platform", "Xfce has no panel.")));
    }
    void showTaskbar() override
    {
        for (auto panel = autohide_.cbegin(); panel != autohide_.cend(); ++panel) {
            if (panel.value())
                query({QStringLiteral("-p"), autohide(panel.key()), QStringLiteral("-n"), QStringLiteral("-t"),
                       QStringLiteral("uint"), QStringLiteral("-s"), *panel.value()});
            else
                query({QStringLiteral("-p"), autohide(panel.key()), QStringLiteral("-r")});
        }
        autohide_.clear();
    }
    void hideStartButton() override
    {
        bool changed = false;
        for (int panel : integers(query({QStringLiteral("-p"), QStringLiteral("/panels")}))) {
            const bool before = changed;
            QList<int> ids = integers(query({QStringLiteral("-p"), pluginIds(panel)}));
            for (int index = 0; index < ids.size();) {
                const QString plugin =
                    query({QStringLiteral("-p"), QStringLiteral("/plugins/plugin-%1").arg(ids[index])}).trimmed();
                if (plugin == QLatin1String("applicationsmenu") || plugin == QLatin1String("whiskermenu")) {
                    removed_[panel].append({index + int(removed_[panel].size()), ids[index]});
                    ids.removeAt(index);
                    changed = true;
                } else {
                    ++index;
                }
            }
            if (changed != before) setPluginIds(panel, ids);
        }
        if (!changed && removed_.isEmpty())
            refuse(translated(QT_TRANSLATE_NOOP("platform", "The Xfce panels have no Applications menu (nor a Whisker menu) that could be "
                                                            "hidden.")));
        if (changed) restartPanel();
    }
    void showStartButton() override
    {
        if (removed_.isEmpty()) return;
        for (auto panel = removed_.cbegin(); panel != removed_.cend(); ++panel) {
            QList<int> ids = integers(query({QStringLiteral("-p"), pluginIds(panel.key())}));
            for (const auto& [index, id] : panel.value())
                if (!ids.contains(id)) ids.insert(std::min(index, int(ids.size())), id);
            setPluginIds(panel.key(), ids);
        }
        removed_.clear();
        restartPanel();
    }

private:
    static QStringList channel() { return {QStringLiteral("-c"), QStringLiteral("xfce4-panel")}; }
    static QString autohide(int panel) { return QStringLiteral("/panels/panel-%1/autohide-behavior").arg(panel); }
    static QString pluginIds(int panel) { return QStringLiteral("/panels/panel-%1/plugin-ids").arg(panel); }

    QString query(const QStringList& arguments) { return programs_.run(xfconf, channel() + arguments); }

    // An array's items, one a line after a heading.
    static QList<int> integers(const QString& output)
    {
        QList<int> values;
        for (const QString& line : output.split(QLatin1Char('\n'))) {
            bool ok = false;
            const int value = line.trimmed().toInt(&ok);
            if (ok) values << value;
        }
        return values;
    }
    void setPluginIds(int panel, const QList<int>& ids)
    {
        QStringList arguments = {QStringLiteral("-p"), pluginIds(panel), QStringLiteral("-a")};
        for (int id : ids) arguments << QStringLiteral("-t") << QStringLiteral("int") << QStringLiteral("-s") << QString::number(id);
        query(arguments);
    }
    void restartPanel() { programs_.run(QStringLiteral("xfce4-panel"), {QStringLiteral("-r")}); }

    const QString xfconf = QStringLiteral("xfconf-query");
    Programs programs_;
    QMap<int, std::optional<QString>> autohide_;     // panel → its value before (none: unset)
    QMap<int, QList<std::pair<int, int>>> removed_;  // panel → (place, plugin id) taken out
};

// KDE Plasma: each panel's hiding mode through the shell's scripting.
class PlasmaPanels : public Calls {
public:
    explicit PlasmaPanels(std::string bus) : bus_(std::move(bus)) {}
    ~PlasmaPanels() override
    {
        quietly([this] { showTaskbar(); });
    }

    void hideTaskbar() override
    {
        const QString before = evaluate(QStringLiteral(
            "var r = []; panels().forEach(function (p) { r.push(p.id + '=' + p.hiding); p.hiding = 'autohide'; });"
            " print(r.join(' '));"));
        static const QRegularExpression pair(QStringLiteral("^(\\d+)=([a-z]+)$"));
        int found = 0;
        for (const QString& item : before.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const QRegularExpressionMatch match = pair.match(item.trimmed());
            if (!match.hasMatch()) continue;
            ++found;
            if (!hiding_.contains(match.captured(1))) hiding_[match.captured(1)] = match.captured(2);
        }
        if (!found) refuse(translated(QT_TRANSLATE_NOOP("platform", "KDE Plasma has no panel.")));
    }
    void showTaskbar() override
    {
        if (hiding_.isEmpty()) return;
        QStringList restore;
        for (auto panel = hiding_.cbegin(); panel != hiding_.cend(); ++panel)
            restore << QStringLiteral("'%1': '%2'").arg(panel.key(), panel.value());
        evaluate(QStringLiteral("var old = {%1}; panels().forEach(function (p) {"
                                " if (old[p.id] !== undefined) p.hiding = old[p.id]; });")
                     .arg(restore.join(QStringLiteral(", "))));
        hiding_.clear();
    }
    void hideStartButton() override { refuseStart(); }
    void showStartButton() override { refuseStart(); }

private:
    [[noreturn]] static void refuseStart()
    {
        refuse(translated(QT_TRANSLATE_NOOP("platform", "In KDE Plasma the Start button is the application launcher widget. It can be "
                                                        "hidden only by removing it from the panel, which deletes its settings and "
                                                        "favourites; so the program leaves it alone.")));
    }
    QString evaluate(const QString& script)
    {
        QDBusMessage call = QDBusMessage::createMethodCall(QStringLiteral("org.kde.plasmashell"),
                                                           QStringLiteral("/PlasmaShell"),
                                                           QStringLiteral("org.kde.PlasmaShell"),
                                                           QStringLiteral("evaluateScript"));
        call << script;
        const QDBusMessage reply = desktop::sessionBus(bus_).call(call, QDBus::Block, 10000);
        if (reply.type() != QDBusMessage::ReplyMessage)
            refuse(translated(QT_TRANSLATE_NOOP("platform", "The KDE Plasma desktop did not answer (%1).")).arg(reply.errorMessage()));
        return reply.arguments().value(0).toString();
    }

    std::string bus_;
    QMap<QString, QString> hiding_; // panel id → its hiding mode before
};

// GNOME Shell: the top bar and its Activities button, through the
// program's shell extension, which undoes both when it is disabled.
class GnomePanels : public Calls {
public:
    explicit GnomePanels(std::string bus) : extension_(std::move(bus)) {}
    ~GnomePanels() override
    {
        quietly([this] { showTaskbar(); });
        quietly([this] { showStartButton(); });
    }

    void hideTaskbar() override { set(QStringLiteral("SetTopBarVisible"), false, topBarHidden_); }
    void showTaskbar() override
    {
        if (topBarHidden_) set(QStringLiteral("SetTopBarVisible"), true, topBarHidden_);
    }
    void hideStartButton() override { set(QStringLiteral("SetActivitiesVisible"), false, activitiesHidden_); }
    void showStartButton() override
    {
        if (activitiesHidden_) set(QStringLiteral("SetActivitiesVisible"), true, activitiesHidden_);
    }

private:
    void set(const QString& method, bool visible, bool& hidden)
    {
        extension_.call(method, {visible});
        hidden = !visible;
    }

    desktop::GnomeShellExtension extension_;
    bool topBarHidden_ = false;
    bool activitiesHidden_ = false;
};

// Any other desktop: the X11 panels, where there is an X11 display.
class X11Panels : public Calls {
public:
    explicit X11Panels(std::string desktopName) : desktopName_(std::move(desktopName)) {}
    ~X11Panels() override
    {
        quietly([this] { if (taskbarHidden_) x11_->showTaskbar(); });
        quietly([this] { if (startHidden_) x11_->showStartButton(); });
    }

    void hideTaskbar() override
    {
        if (x11().panels().empty())
            refuse(translated(QT_TRANSLATE_NOOP("platform", "No panel (a window of type DOCK) that could be hidden was found on this desktop.")));
        x11_->hideTaskbar();
        taskbarHidden_ = true;
    }
    void showTaskbar() override
    {
        x11().showTaskbar();
        taskbarHidden_ = false;
    }
    void hideStartButton() override
    {
        requireStartButton();
        x11_->hideStartButton();
        startHidden_ = true;
    }
    void showStartButton() override
    {
        requireStartButton();
        x11_->showStartButton();
        startHidden_ = false;
    }

private:
    InspectableCalls& x11()
    {
        if (!x11_) {
            // Without X11 (a Wayland desktop this program does not know) no
            // window of another program can be reached.
            Display* display = XOpenDisplay(nullptr);
            if (!display)
                refuse(translated(QT_TRANSLATE_NOOP("platform", "The desktop %1 does not let programs hide the panel or the Start button."))
                           .arg(desktopName_.empty() ? QStringLiteral("?") : QString::fromStdString(desktopName_)));
            XCloseDisplay(display);
            x11_ = makeNative();
        }
        return *x11_;
    }
    void requireStartButton()
    {
        if (!x11().startButton())
            refuse(translated(QT_TRANSLATE_NOOP("platform", "This desktop's panel draws the Start button inside its own window, so it cannot "
                                                            "be hidden on its own.")));
    }

    std::string desktopName_;
    std::unique_ptr<InspectableCalls> x11_;
    bool taskbarHidden_ = false;
    bool startHidden_ = false;
};

} // namespace

std::unique_ptr<Calls> makeForSession(const desktop::Session& session, const std::string& sessionBus)
{
    Programs programs(session.programFolders);
    if (!session.swaySocket.empty()) return std::make_unique<SwayPanels>(programs);
    switch (desktop::desktopFromList(session.currentDesktop)) {
    case desktop::Desktop::Kde: return std::make_unique<PlasmaPanels>(sessionBus);
    case desktop::Desktop::Gnome: return std::make_unique<GnomePanels>(sessionBus);
    case desktop::Desktop::Xfce: return std::make_unique<XfcePanels>(programs);
    case desktop::Desktop::Other: break;
    }
    return std::make_unique<X11Panels>(session.currentDesktop);
}

} // namespace platform::taskbar
