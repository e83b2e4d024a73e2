#include "platform/sys/taskbar.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <algorithm>
#include <cctype>
#include <map>
#include <string>

namespace platform::taskbar {

namespace {

// Panels belong to other programs and may go away between two requests; an
// X error about such a window must not end this program (Xlib's default
// handler exits), so errors are ignored while the calls run.
int ignoreError(Display*, XErrorEvent*) { return 0; }

class IgnoredErrors {
public:
    explicit IgnoredErrors(Display* display) : display_(display), previous_(XSetErrorHandler(ignoreError)) {}
    ~IgnoredErrors()
    {
        XSync(display_, False);
        XSetErrorHandler(previous_);
    }
    IgnoredErrors(const IgnoredErrors&) = delete;
    IgnoredErrors& operator=(const IgnoredErrors&) = delete;

private:
    Display* display_;
    XErrorHandler previous_;
};

bool isButtonName(const char* name)
{
    if (!name) return false;
    std::string text(name);
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return text == "button";
}

class X11Taskbar : public InspectableCalls {
public:
    ~X11Taskbar() override
    {
        if (display_) XCloseDisplay(display_);
    }

    void hideTaskbar() override
    {
        Display* display = open();
        if (!display) return;
        IgnoredErrors guard(display);
        const Atom desktop = XInternAtom(display, "_NET_WM_DESKTOP", False);
        for (WindowId panel : dockWindows(display)) {
            // The window manager drops a withdrawn window's desktop; a panel
            // shown on every desktop must come back so.
            const std::vector<Window> onDesktop = windowList(display, Window(panel), desktop, XA_CARDINAL);
            if (!onDesktop.empty() && !desktops_.count(panel)) desktops_[panel] = onDesktop.front();
            XUnmapWindow(display, Window(panel));
            if (std::find(hidden_.begin(), hidden_.end(), panel) == hidden_.end()) hidden_.push_back(panel);
        }
    }

    void showTaskbar() override
    {
        Display* display = open();
        if (!display) return;
        IgnoredErrors guard(display);
        const Atom desktop = XInternAtom(display, "_NET_WM_DESKTOP", False);
        for (WindowId panel : hidden_) {
            const auto found = desktops_.find(panel);
            if (found != desktops_.end()) {
                const unsigned long value = found->second;
                XChangeProperty(display, Window(panel), desktop, XA_CARDINAL, 32, PropModeReplace,
                                reinterpret_cast<const unsigned char*>(&value), 1);
            }
            XMapWindow(display, Window(panel));
        }
        hidden_.clear();
        desktops_.clear();
    }

    void hideStartButton() override
    {
        Display* display = open();
        if (!display) return;
        IgnoredErrors guard(display);
        if (const WindowId button = findStartButton(display)) XUnmapWindow(display, Window(button));
    }

    void showStartButton() override
    {
        Display* display = open();
        if (!display) return;
        IgnoredErrors guard(display);
        if (const WindowId button = findStartButton(display)) XMapWindow(display, Window(button));
    }

    std::vector<WindowId> panels() override
    {
        Display* display = open();
        if (!display) return {};
        IgnoredErrors guard(display);
        return dockWindows(display);
    }

    WindowId startButton() override
    {
        Display* display = open();
        if (!display) return 0;
        IgnoredErrors guard(display);
        return findStartButton(display);
    }

private:
    Display* open()
    {
        if (!tried_) {
            tried_ = true;
            display_ = XOpenDisplay(nullptr); // null without X11 (for example Wayland alone)
        }
        return display_;
    }

    static std::vector<Window> windowList(Display* display, Window window, Atom property, Atom type)
    {
        Atom actualType = None;
        int format = 0;
        unsigned long count = 0, after = 0;
        unsigned char* data = nullptr;
        std::vector<Window> result;
        if (XGetWindowProperty(display, window, property, 0, 65536, False, type, &actualType, &format, &count, &after,
                               &data)
                == Success
            && data && format == 32 && actualType == type) {
            // 32-bit properties arrive as longs.
            const auto* items = reinterpret_cast<const unsigned long*>(data);
            result.assign(items, items + count);
        }
        if (data) XFree(data);
        return result;
    }

    static std::vector<WindowId> dockWindows(Display* display)
    {
        const Atom clientList = XInternAtom(display, "_NET_CLIENT_LIST", False);
        const Atom windowType = XInternAtom(display, "_NET_WM_WINDOW_TYPE", False);
        const Atom dock = XInternAtom(display, "_NET_WM_WINDOW_TYPE_DOCK", False);
        std::vector<WindowId> docks;
        for (Window client : windowList(display, DefaultRootWindow(display), clientList, XA_WINDOW)) {
            const std::vector<Window> types = windowList(display, client, windowType, XA_ATOM);
            if (std::find(types.begin(), types.end(), Window(dock)) != types.end()) docks.push_back(client);
        }
        return docks;
    }

    // The panels to search: those on show, then those hidden here (a hidden
    // panel still holds its Start button).
    WindowId findStartButton(Display* display) const
    {
        std::vector<WindowId> candidates = dockWindows(display);
        for (WindowId panel : hidden_)
            if (std::find(candidates.begin(), candidates.end(), panel) == candidates.end()) candidates.push_back(panel);
        for (WindowId panel : candidates) {
            Window root = 0, parent = 0;
            Window* children = nullptr;
            unsigned int count = 0;
            if (!XQueryTree(display, Window(panel), &root, &parent, &children, &count)) continue;
            WindowId found = 0;
            // Children come bottom-most first, which is creation order
            // unless the panel restacked them.
            for (unsigned int i = 0; i < count && !found; ++i) {
                XClassHint hint{nullptr, nullptr};
                if (XGetClassHint(display, children[i], &hint)) {
                    if (isButtonName(hint.res_name) || isButtonName(hint.res_class)) found = children[i];
                    if (hint.res_name) XFree(hint.res_name);
                    if (hint.res_class) XFree(hint.res_class);
                }
            }
            if (children) XFree(children);
            if (found) return found;
        }
        return 0;
    }

    bool tried_ = false;
    Display* display_ = nullptr;
    std::vector<WindowId> hidden_;               // panels this object unmapped and has not shown again
    std::map<WindowId, unsigned long> desktops_; // their _NET_WM_DESKTOP when hidden
};

} // namespace

std::unique_ptr<InspectableCalls> makeNative() { return std::make_unique<X11Taskbar>(); }

} // namespace platform::taskbar
