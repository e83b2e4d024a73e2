// Hiding and showing the panels and their Start button on a real X server
// (the private display xvfb-run gives this test) under a real window
// manager (openbox, started and ended here). The panels are dock windows
// this test creates; what happened is read back with X11 queries.

#include <QDeadlineTimer>
#include <QProcess>
#include <QtTest>
#include <vector>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include "platform/sys/taskbar.h"

namespace {

struct Panel {
    Window window = 0;
    Window clock = 0;  // a child that is not a button
    Window button = 0; // 0 when the panel has none
};

} // namespace

class X11PanelsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY2(qEnvironmentVariableIsSet("DISPLAY"), "runs under xvfb-run");
        display_ = XOpenDisplay(nullptr);
        QVERIFY(display_);
        clientList_ = XInternAtom(display_, "_NET_CLIENT_LIST", False);
        wm_.setProcessChannelMode(QProcess::ForwardedChannels);
        wm_.start(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
        QVERIFY2(wm_.waitForStarted(), "openbox is not installed");
        const Atom check = XInternAtom(display_, "_NET_SUPPORTING_WM_CHECK", False);
        QTRY_VERIFY_WITH_TIMEOUT(!windowProperty(DefaultRootWindow(display_), check, XA_WINDOW).empty(), 20000);
        // The manager announces itself before it takes windows, and a map
        // request that arrives while it starts may be dropped: it is ready
        // once it has taken a probe window, made afresh on every try.
        const QDeadlineTimer ready(30000);
        bool taken = false;
        while (!taken && !ready.hasExpired()) {
            taken = managed(makeWindow(false, "probe", 1000, false));
            cleanup();
        }
        QVERIFY2(taken, "openbox takes no windows");
    }

    void cleanupTestCase()
    {
        if (display_) XCloseDisplay(display_);
        wm_.terminate();
        wm_.waitForFinished();
    }

    void cleanup()
    {
        for (Window window : created_) XDestroyWindow(display_, window);
        XSync(display_, False);
        const std::vector<Window> gone = created_;
        created_.clear();
        QTRY_VERIFY_WITH_TIMEOUT(noneManaged(gone), 10000);
    }

    void panelsAreTheDockWindows()
    {
        const Panel panel = makePanel("panel", true);
        const Window normal = makeWindow(false);
        auto taskbar = platform::taskbar::makeNative();
        const auto panels = taskbar->panels();
        QCOMPARE(panels, (std::vector<platform::taskbar::WindowId>{panel.window}));
        QVERIFY(!contains(panels, normal));
    }

    void hideAndShowTheTaskbar()
    {
        const Panel panel = makePanel("panel", true);
        const Window normal = makeWindow(false);
        auto taskbar = platform::taskbar::makeNative();
        // The panel is on every desktop, as real panels are.
        const Atom desktop = XInternAtom(display_, "_NET_WM_DESKTOP", False);
        XEvent sticky{};
        sticky.xclient = {ClientMessage, 0, False, display_, panel.window, desktop, 32, {}};
        sticky.xclient.data.l[0] = 0xFFFFFFFF;
        XSendEvent(display_, DefaultRootWindow(display_), False, SubstructureRedirectMask | SubstructureNotifyMask,
                   &sticky);
        XSync(display_, False);
        // Xlib widens 32-bit values to long, with or without their sign.
        const auto onDesktop = [&] {
            const std::vector<unsigned long> value = windowProperty(panel.window, desktop, XA_CARDINAL);
            return value.size() == 1 ? value[0] & 0xFFFFFFFF : 0;
        };
        QTRY_COMPARE_WITH_TIMEOUT(onDesktop(), 0xFFFFFFFFUL, 10000);

        taskbar->hideTaskbar();
        QTRY_VERIFY_WITH_TIMEOUT(!managed(panel.window), 10000);
        QCOMPARE(mapState(panel.window), IsUnmapped);
        QCOMPARE(mapState(normal), IsViewable);

        // Hiding again finds no panel on show and forgets none it hid.
        taskbar->hideTaskbar();
        taskbar->showTaskbar();
        QTRY_VERIFY_WITH_TIMEOUT(managed(panel.window) && mapState(panel.window) == IsViewable, 10000);
        QCOMPARE(mapState(normal), IsViewable);
        QTRY_COMPARE_WITH_TIMEOUT(onDesktop(), 0xFFFFFFFFUL, 10000);
    }

    // A panel hidden by someone else stays hidden: only what this program
    // hid is shown again.
    void showMapsOnlyWhatItHid()
    {
        const Panel own = makePanel("own", false);
        const Panel foreign = makePanel("foreign", false);
        auto taskbar = platform::taskbar::makeNative();
        XUnmapWindow(display_, foreign.window);
        XSync(display_, False);
        QTRY_VERIFY_WITH_TIMEOUT(!managed(foreign.window), 10000);

        taskbar->hideTaskbar();
        QTRY_VERIFY_WITH_TIMEOUT(!managed(own.window), 10000);
        taskbar->showTaskbar();
        QTRY_VERIFY_WITH_TIMEOUT(managed(own.window) && mapState(own.window) == IsViewable, 10000);
        // The window manager handles requests in order: once a window made
        // now is managed, a request to map the foreign panel would have been too.
        const Window probe = makeWindow(false);
        QVERIFY(managed(probe));
        QCOMPARE(mapState(foreign.window), IsUnmapped);
        QVERIFY(!managed(foreign.window));
    }

    void startButtonIsTheFirstButtonChild()
    {
        const Panel panel = makePanel("panel", true);
        auto taskbar = platform::taskbar::makeNative();
        QCOMPARE(taskbar->startButton(), platform::taskbar::WindowId(panel.button));

        taskbar->hideStartButton();
        QCOMPARE(mapState(panel.button), IsUnmapped);
        QCOMPARE(mapState(panel.clock), IsViewable);
        taskbar->hideStartButton(); // already hidden: nothing changes
        QCOMPARE(mapState(panel.button), IsUnmapped);
        QCOMPARE(mapState(panel.window), IsViewable);

        taskbar->showStartButton();
        QCOMPARE(mapState(panel.button), IsViewable);
        taskbar->showStartButton(); // already shown: nothing changes
        QCOMPARE(mapState(panel.button), IsViewable);
        QCOMPARE(mapState(panel.clock), IsViewable);
    }

    // A hidden panel still holds its Start button.
    void startButtonOfAHiddenPanel()
    {
        const Panel panel = makePanel("panel", true);
        auto taskbar = platform::taskbar::makeNative();
        taskbar->hideTaskbar();
        QTRY_VERIFY_WITH_TIMEOUT(!managed(panel.window), 10000);
        taskbar->hideStartButton();
        taskbar->showTaskbar();
        QTRY_VERIFY_WITH_TIMEOUT(managed(panel.window) && mapState(panel.window) == IsViewable, 10000);
        QCOMPARE(mapState(panel.button), IsUnmapped);
        taskbar->showStartButton();
        QCOMPARE(mapState(panel.button), IsViewable);
    }

    void panelWithoutButtonChildHasNoStartButton()
    {
        const Panel panel = makePanel("drawn", false);
        auto taskbar = platform::taskbar::makeNative();
        QCOMPARE(taskbar->startButton(), platform::taskbar::WindowId(0));
        taskbar->hideStartButton();
        QCOMPARE(mapState(panel.clock), IsViewable);
        QCOMPARE(mapState(panel.window), IsViewable);
        taskbar->showStartButton();
        QCOMPARE(mapState(panel.clock), IsViewable);
    }

    // A normal window's "Button" child is no Start button.
    void onlyPanelsAreSearched()
    {
        const Window normal = makeWindow(false);
        const Window child = makeChild(normal, "Button");
        auto taskbar = platform::taskbar::makeNative();
        QCOMPARE(taskbar->startButton(), platform::taskbar::WindowId(0));
        taskbar->hideStartButton();
        QCOMPARE(mapState(child), IsViewable);
    }

    void withoutX11NothingIsFound()
    {
        const Panel panel = makePanel("panel", true);
        const QByteArray display = qgetenv("DISPLAY");
        qputenv("DISPLAY", ":31999"); // no server there
        auto taskbar = platform::taskbar::makeNative();
        QVERIFY(taskbar->panels().empty());
        taskbar->hideTaskbar();
        taskbar->hideStartButton();
        qputenv("DISPLAY", display);
        QCOMPARE(taskbar->startButton(), platform::taskbar::WindowId(0)); // stays without a display
        XSync(display_, False);
        QCOMPARE(mapState(panel.window), IsViewable);
        QCOMPARE(mapState(panel.button), IsViewable);
        QVERIFY(managed(panel.window));
    }

private:
    std::vector<unsigned long> windowProperty(Window window, Atom property, Atom type)
    {
        Atom actual = None;
        int format = 0;
        unsigned long count = 0, after = 0;
        unsigned char* data = nullptr;
        std::vector<unsigned long> values;
        if (XGetWindowProperty(display_, window, property, 0, 4096, False, type, &actual, &format, &count, &after,
                               &data)
                == Success
            && data && format == 32) {
            const auto* items = reinterpret_cast<const unsigned long*>(data);
            values.assign(items, items + count);
        }
        if (data) XFree(data);
        return values;
    }

    static bool contains(const std::vector<platform::taskbar::WindowId>& list, Window window)
    {
        return std::find(list.begin(), list.end(), platform::taskbar::WindowId(window)) != list.end();
    }

    bool managed(Window window)
    {
        const auto list = windowProperty(DefaultRootWindow(display_), clientList_, XA_WINDOW);
        return std::find(list.begin(), list.end(), window) != list.end();
    }

    bool noneManaged(const std::vector<Window>& windows)
    {
        for (Window window : windows)
            if (managed(window)) return false;
        return true;
    }

    int mapState(Window window)
    {
        XSync(display_, False);
        XWindowAttributes attributes;
        if (!XGetWindowAttributes(display_, window, &attributes)) return -1;
        return attributes.map_state;
    }

    void setClass(Window window, const char* name)
    {
        XClassHint hint;
        hint.res_name = const_cast<char*>(name);
        hint.res_class = const_cast<char*>(name);
        XSetClassHint(display_, window, &hint);
    }

    Window makeChild(Window parent, const char* className)
    {
        const Window child = XCreateSimpleWindow(display_, parent, 2, 2, 20, 20, 0, 0, 0);
        setClass(child, className);
        XMapWindow(display_, child);
        XSync(display_, False);
        return child;
    }

    // A top-level window, managed by the window manager once this returns.
    Window makeWindow(bool dock, const char* className = "quelmarn-test", int timeoutMs = 10000, bool warn = true)
    {
        const Window window = XCreateSimpleWindow(display_, DefaultRootWindow(display_), 0, 0, 400, 30, 0, 0, 0);
        setClass(window, className);
        if (dock) {
            const Atom type = XInternAtom(display_, "_NET_WM_WINDOW_TYPE", False);
            const Atom dockType = XInternAtom(display_, "_NET_WM_WINDOW_TYPE_DOCK", False);
            XChangeProperty(display_, window, type, XA_ATOM, 32, PropModeReplace,
                            reinterpret_cast<const unsigned char*>(&dockType), 1);
        }
        created_.push_back(window);
        XMapWindow(display_, window);
        XSync(display_, False);
        const QDeadlineTimer deadline(timeoutMs);
        while (!(managed(window) && mapState(window) == IsViewable) && !deadline.hasExpired()) QTest::qWait(10);
        if (warn && !managed(window))
            qWarning("the window manager did not take window %lu (state %d)", window, mapState(window));
        return window;
    }

    Panel makePanel(const char* className, bool withButton)
    {
        Panel panel;
        panel.window = makeWindow(true, className);
        panel.clock = makeChild(panel.window, "Clock");
        if (withButton) panel.button = makeChild(panel.window, "Button");
        return panel;
    }

    Display* display_ = nullptr;
    Atom clientList_ = None;
    QProcess wm_;
    std::vector<Window> created_;
};

QTEST_GUILESS_MAIN(X11PanelsTest)
#include "test_x11_panels.moc"
