// The taskbar and Start button calls on each Linux desktop, through the
// desktop's own means. Every change is remembered and undone by the
// matching show call, or when the object ends at the program's end.

#include <X11/Xlib.h>
#include <algorithm>
#include <charconv>
#include <map>
#include <nlohmann/json.hpp>
#include <optional>
#include <utility>

#include "platform/failure.h"
#include "platform/sys/linux/desktop_linux.h"
#include "platform/sys/message.h"
#include "platform/sys/taskbar.h"

namespace platform::taskbar {

namespace {

using desktop::Programs;
using Arguments = std::vector<std::string>;

[[noreturn]] void refuse(const char* why, std::initializer_list<std::string> arguments = {})
{
    throw Failure(message(why, arguments));
}

std::string trimmed(const std::string& text)
{
    const size_t first = text.find_first_not_of(" \t\r\n\v\f");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n\v\f") - first + 1);
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
        for (const std::string& bar : bars()) {
            if (!modes_.count(bar)) {
                const nlohmann::json mode = config(bar).value("mode", nlohmann::json("dock"));
                modes_[bar] = mode.is_string() ? mode.get<std::string>() : std::string("dock");
            }
            command({"bar", bar, "mode", "invisible"});
        }
    }
    void showTaskbar() override
    {
        for (const auto& [bar, mode] : modes_) command({"bar", bar, "mode", mode});
        modes_.clear();
    }
    void hideStartButton() override
    {
        for (const std::string& bar : bars()) {
            if (!buttons_.count(bar)) {
                const nlohmann::json shown = config(bar).value("workspace_buttons", nlohmann::json(true));
                buttons_[bar] = shown.is_boolean() ? shown.get<bool>() : true;
            }
            command({"bar", bar, "workspace_buttons", "no"});
        }
    }
    void showStartButton() override
    {
        for (const auto& [bar, shown] : buttons_) command({"bar", bar, "workspace_buttons", shown ? "yes" : "no"});
        buttons_.clear();
    }

private:
    Arguments bars()
    {
        Arguments ids;
        const nlohmann::json list = ask({"-t", "get_bar_config"});
        if (list.is_array())
            for (const nlohmann::json& id : list)
                if (id.is_string()) ids.push_back(id.get<std::string>());
        if (ids.empty()) refuse(QT_TRANSLATE_NOOP("platform", "Sway has no panel (bar) that could be hidden."));
        return ids;
    }
    nlohmann::json config(const std::string& bar)
    {
        nlohmann::json object = ask({"-t", "get_bar_config", bar});
        return object.is_object() ? object : nlohmann::json::object();
    }
    nlohmann::json ask(const Arguments& arguments)
    {
        return nlohmann::json::parse(programs_.run("swaymsg", arguments), nullptr, false);
    }
    void command(const Arguments& arguments) { programs_.run("swaymsg", arguments); }

    Programs programs_;
    std::map<std::string, std::string> modes_; // bar → its mode before this program hid it
    std::map<std::string, bool> buttons_;      // bar → whether it showed workspace buttons
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
        for (int panel : integers(query({"-p", "/panels"}))) {
            const std::string property = autohide(panel);
            if (!autohide_.count(panel)) {
                std::string value;
                autohide_[panel] = programs_.tryRun(xfconf, {"-c", "xfce4-panel", "-p", property}, &value)
                    ? std::optional<std::string>(trimmed(value))
                    : std::nullopt;
            }
            query({"-p", property, "-n", "-t", "uint", "-s", "2"}); // 2: always hide
        }
        if (autohide_.empty()) refuse(QT_TRANSLATE_NOOP("platform", "Xfce has no panel."));
    }
    void showTaskbar() override
    {
        for (const auto& [panel, value] : autohide_) {
            if (value)
                query({"-p", autohide(panel), "-n", "-t", "uint", "-s", *value});
            else
                query({"-p", autohide(panel), "-r"});
        }
        autohide_.clear();
    }
    void hideStartButton() override
    {
        bool changed = false;
        for (int panel : integers(query({"-p", "/panels"}))) {
            const bool before = changed;
            std::vector<int> ids = integers(query({"-p", pluginIds(panel)}));
            for (size_t index = 0; index < ids.size();) {
                const std::string plugin = trimmed(query({"-p", "/plugins/plugin-" + std::to_string(ids[index])}));
                if (plugin == "applicationsmenu" || plugin == "whiskermenu") {
                    std::vector<std::pair<int, int>>& taken = removed_[panel];
                    taken.emplace_back(int(index + taken.size()), ids[index]);
                    ids.erase(ids.begin() + std::ptrdiff_t(index));
                    changed = true;
                } else {
                    ++index;
                }
            }
            if (changed != before) setPluginIds(panel, ids);
        }
        if (!changed && removed_.empty())
            refuse(QT_TRANSLATE_NOOP("platform",
                                     "The Xfce panels have no Applications menu (nor a Whisker menu) that could be "
                                     "hidden."));
        if (changed) restartPanel();
    }
    void showStartButton() override
    {
        if (removed_.empty()) return;
        for (const auto& [panel, taken] : removed_) {
            std::vector<int> ids = integers(query({"-p", pluginIds(panel)}));
            for (const auto& [index, id] : taken)
                if (std::find(ids.begin(), ids.end(), id) == ids.end())
                    ids.insert(ids.begin() + std::min<std::ptrdiff_t>(index, std::ptrdiff_t(ids.size())), id);
            setPluginIds(panel, ids);
        }
        removed_.clear();
        restartPanel();
    }

private:
    static std::string autohide(int panel) { return "/panels/panel-" + std::to_string(panel) + "/autohide-behavior"; }
    static std::string pluginIds(int panel) { return "/panels/panel-" + std::to_string(panel) + "/plugin-ids"; }

    std::string query(Arguments arguments)
    {
        arguments.insert(arguments.begin(), {"-c", "xfce4-panel"});
        return programs_.run(xfconf, arguments);
    }

    // An array's items, one a line after a heading.
    static std::vector<int> integers(const std::string& output)
    {
        std::vector<int> values;
        for (size_t start = 0; start <= output.size();) {
            const size_t end = std::min(output.find('\n', start), output.size());
            const std::string line = trimmed(output.substr(start, end - start));
            int value = 0;
            const auto [at, error] = std::from_chars(line.data(), line.data() + line.size(), value);
            if (!line.empty() && error == std::errc() && at == line.data() + line.size()) values.push_back(value);
            start = end + 1;
        }
        return values;
    }
    void setPluginIds(int panel, const std::vector<int>& ids)
    {
        Arguments arguments = {"-p", pluginIds(panel), "-a"};
        for (int id : ids) arguments.insert(arguments.end(), {"-t", "int", "-s", std::to_string(id)});
        query(arguments);
    }
    void restartPanel() { programs_.run("xfce4-panel", {"-r"}); }

    const std::string xfconf = "xfconf-query";
    Programs programs_;
    std::map<int, std::optional<std::string>> autohide_;      // panel → its value before (none: unset)
    std::map<int, std::vector<std::pair<int, int>>> removed_; // panel → (place, plugin id) taken out
};

// KDE Plasma: each panel's hiding mode through the shell's scripting.
class PlasmaPanels : public Calls {
public:
    explicit PlasmaPanels(std::string bus) : bus_(std::move(bus), linuxsys::Bus::Kind::Session) {}
    ~PlasmaPanels() override
    {
        quietly([this] { showTaskbar(); });
    }

    void hideTaskbar() override
    {
        const std::string before = evaluate(
            "var r = []; panels().forEach(function (p) { r.push(p.id + '=' + p.hiding); p.hiding = 'autohide'; });"
            " print(r.join(' '));");
        int found = 0;
        for (size_t start = 0; start < before.size();) {
            const size_t end = std::min(before.find(' ', start), before.size());
            const std::string item = trimmed(before.substr(start, end - start));
            start = end + 1;
            // "<id>=<mode>": digits, then small letters.
            const size_t equals = item.find('=');
            if (equals == 0 || equals == std::string::npos || equals + 1 == item.size()
                || item.find_first_not_of("0123456789") != equals
                || item.find_first_not_of("abcdefghijklmnopqrstuvwxyz", equals + 1) != std::string::npos)
                continue;
            ++found;
            hiding_.emplace(item.substr(0, equals), item.substr(equals + 1));
        }
        if (!found) refuse(QT_TRANSLATE_NOOP("platform", "KDE Plasma has no panel."));
    }
    void showTaskbar() override
    {
        if (hiding_.empty()) return;
        std::string restore;
        for (const auto& [panel, mode] : hiding_)
            restore += (restore.empty() ? "'" : ", '") + panel + "': '" + mode + "'";
        evaluate("var old = {" + restore
                 + "}; panels().forEach(function (p) { if (old[p.id] !== undefined) p.hiding = old[p.id]; });");
        hiding_.clear();
    }
    void hideStartButton() override { refuseStart(); }
    void showStartButton() override { refuseStart(); }

private:
    [[noreturn]] static void refuseStart()
    {
        refuse(QT_TRANSLATE_NOOP("platform",
                                 "In KDE Plasma the Start button is the application launcher widget. It can be "
                                 "hidden only by removing it from the panel, which deletes its settings and "
                                 "favourites; so the program leaves it alone."));
    }
    std::string evaluate(const std::string& script)
    {
        const linuxsys::BusReply reply =
            bus_.call("org.kde.plasmashell", "/PlasmaShell", "org.kde.PlasmaShell", "evaluateScript",
                      std::chrono::milliseconds(10000), "s", script.c_str());
        if (!reply.ok())
            refuse(QT_TRANSLATE_NOOP("platform", "The KDE Plasma desktop did not answer (%1)."), {reply.error});
        const char* printed = nullptr;
        return sd_bus_message_read(reply.message.get(), "s", &printed) > 0 ? printed : "";
    }

    linuxsys::Bus bus_;
    std::map<std::string, std::string> hiding_; // panel id → its hiding mode before
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

    void hideTaskbar() override { set("SetTopBarVisible", false, topBarHidden_); }
    void showTaskbar() override
    {
        if (topBarHidden_) set("SetTopBarVisible", true, topBarHidden_);
    }
    void hideStartButton() override { set("SetActivitiesVisible", false, activitiesHidden_); }
    void showStartButton() override
    {
        if (activitiesHidden_) set("SetActivitiesVisible", true, activitiesHidden_);
    }

private:
    void set(const char* method, bool visible, bool& hidden)
    {
        extension_.call(method, visible);
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
        quietly([this] {
            if (taskbarHidden_) x11_->showTaskbar();
        });
        quietly([this] {
            if (startHidden_) x11_->showStartButton();
        });
    }

    void hideTaskbar() override
    {
        if (x11().panels().empty())
            refuse(QT_TRANSLATE_NOOP(
                "platform", "No panel (a window of type DOCK) that could be hidden was found on this desktop."));
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
                refuse(QT_TRANSLATE_NOOP("platform",
                                         "The desktop %1 does not let programs hide the panel or the Start button."),
                       {desktopName_.empty() ? std::string("?") : desktopName_});
            XCloseDisplay(display);
            x11_ = makeNative();
        }
        return *x11_;
    }
    void requireStartButton()
    {
        if (!x11().startButton())
            refuse(QT_TRANSLATE_NOOP("platform",
                                     "This desktop's panel draws the Start button inside its own window, so it cannot "
                                     "be hidden on its own."));
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
