// The pointer's screen position as each Linux desktop tells it, and the
// pointer's display count. Wayland lets a program see the pointer only
// over its own windows, so there the position comes from the desktop
// itself or not at all.

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <unistd.h>

#include "platform/failure.h"
#include "platform/sys/linux/dbus_linux.h"
#include "platform/sys/linux/desktop_linux.h"
#include "platform/sys/linux/pointer_linux.h"
#include "platform/sys/ostatni_api.h"

namespace platform::mys {

namespace {

class UnknownPointer : public Pointer {
public:
    std::optional<ScreenPoint> position() override { return std::nullopt; }
};

// GNOME Shell: the program's shell extension answers with the shell's own
// pointer. The first question turns the extension on and waits; later ones
// do not, as the label asks many times a second and the shell answers
// between its frames: the last answer stands until the next arrives, read
// from a connection of its own when the event loop sees it. A shell that
// cannot answer (no extension yet) is not asked again; one that is only
// slow is.
class GnomeShellPointer : public Pointer {
public:
    explicit GnomeShellPointer(std::string bus) : extension_(bus), asks_(std::move(bus), linuxsys::Bus::Kind::Session)
    {
    }
    ~GnomeShellPointer() override { sd_bus_slot_unref(pending_); }
    GnomeShellPointer(const GnomeShellPointer&) = delete;
    GnomeShellPointer& operator=(const GnomeShellPointer&) = delete;

    std::optional<ScreenPoint> position() override
    {
        if (failed_) return std::nullopt;
        if (!asked_) {
            asked_ = true;
            try {
                take(extension_.call("PointerPosition").message.get());
            } catch (const Failure&) {
                failed_ = true;
            }
        } else if (!pending_) {
            ask();
        }
        return failed_ ? std::nullopt : last_;
    }
    int eventDescriptor() override
    {
        sd_bus* bus = asked_ && !failed_ ? asks_.connection() : nullptr;
        return bus ? sd_bus_get_fd(bus) : -1;
    }
    void readEvents() override
    {
        if (sd_bus* bus = asks_.connection())
            while (sd_bus_process(bus, nullptr) > 0) {
            }
    }

private:
    static constexpr std::uint64_t answerBoundUs = 5'000'000;

    void ask()
    {
        sd_bus* bus = asks_.connection();
        sd_bus_message* request = nullptr;
        if (!bus
            || sd_bus_message_new_method_call(bus, &request, "org.gnome.Shell", "/example/quelmarn/Shell",
                                              "example.quelmarn.Shell", "PointerPosition")
                < 0) {
            failed_ = true;
            return;
        }
        if (sd_bus_call_async(bus, &pending_, request, &GnomeShellPointer::answered, this, answerBoundUs) < 0)
            failed_ = true;
        sd_bus_message_unref(request);
    }

    static int answered(sd_bus_message* reply, void* self, sd_bus_error*)
    {
        auto* pointer = static_cast<GnomeShellPointer*>(self);
        pointer->pending_ = sd_bus_slot_unref(pointer->pending_);
        const sd_bus_error* error = sd_bus_message_get_error(reply);
        // Only a late answer may come again; any other error will not.
        if (error && sd_bus_error_has_name(error, SD_BUS_ERROR_NO_REPLY)) return 0;
        pointer->take(reply);
        return 0;
    }

    void take(sd_bus_message* reply)
    {
        std::int32_t x = 0, y = 0;
        if (reply && !sd_bus_message_is_method_error(reply, nullptr) && sd_bus_message_read(reply, "ii", &x, &y) > 0)
            last_ = ScreenPoint{x, y};
        else
            failed_ = true;
    }

    desktop::GnomeShellExtension extension_;
    linuxsys::Bus asks_;
    sd_bus_slot* pending_ = nullptr; // the question on its way, if any
    std::optional<ScreenPoint> last_;
    bool asked_ = false;
    bool failed_ = false;
};

template <typename Number>
std::optional<double> readAs(sd_bus_message* message, const char* type)
{
    Number value{};
    if (sd_bus_message_read(message, type, &value) <= 0) return std::nullopt;
    return double(value);
}

// A number of a message, whichever type the sender gave it.
std::optional<double> readNumber(sd_bus_message* message)
{
    char type = 0;
    if (sd_bus_message_peek_type(message, &type, nullptr) <= 0) return std::nullopt;
    switch (type) {
    case 'd': return readAs<double>(message, "d");
    case 'x': return readAs<std::int64_t>(message, "x");
    case 't': return readAs<std::uint64_t>(message, "t");
    case 'i': return readAs<std::int32_t>(message, "i");
    case 'u': return readAs<std::uint32_t>(message, "u");
    case 'n': return readAs<std::int16_t>(message, "n");
    case 'q': return readAs<std::uint16_t>(message, "q");
    default: return std::nullopt;
    }
}

// KDE Plasma under Wayland: a KWin script sends the pointer's position to
// this object whenever it moves; the script is unloaded when this ends.
class KWinScriptPointer : public Pointer {
public:
    explicit KWinScriptPointer(std::string bus) : bus_(std::move(bus), linuxsys::Bus::Kind::Session) {}
    ~KWinScriptPointer() override
    {
        if (loaded_) kwin("/Scripting", "org.kde.kwin.Scripting", "unloadScript", "s", plugin().c_str());
        sd_bus_slot_unref(object_);
        if (!script_.empty()) ::unlink(script_.c_str());
    }
    KWinScriptPointer(const KWinScriptPointer&) = delete;
    KWinScriptPointer& operator=(const KWinScriptPointer&) = delete;

    std::optional<ScreenPoint> position() override
    {
        if (!started_) start();
        return last_;
    }
    int eventDescriptor() override { return object_ ? sd_bus_get_fd(bus_.connection()) : -1; }
    void readEvents() override
    {
        if (!object_) return;
        while (sd_bus_process(bus_.connection(), nullptr) > 0) {
        }
    }

private:
    static constexpr const char* objectPath = "/example/quelmarn/Pointer";
    static std::string plugin() { return "quelmarn-pointer-" + std::to_string(::getpid()); }

    void start()
    {
        started_ = true;
        sd_bus* bus = bus_.connection();
        const char* unique = nullptr;
        if (!bus || sd_bus_get_unique_name(bus, &unique) < 0
            || sd_bus_add_object(bus, &object_, objectPath, &KWinScriptPointer::handle, this) < 0)
            return;
        if (!writeScript(std::string("function send() { callDBus('") + unique + "', '" + objectPath
                         + "', 'example.quelmarn.Pointer', 'Moved',"
                           " Math.round(workspace.cursorPos.x), Math.round(workspace.cursorPos.y)); }\n"
                           "workspace.cursorPosChanged.connect(send);\nsend();\n"))
            return;
        const linuxsys::BusReply loaded =
            kwin("/Scripting", "org.kde.kwin.Scripting", "loadScript", "ss", script_.c_str(), plugin().c_str());
        std::int32_t id = -1;
        if (!loaded.ok() || sd_bus_message_read(loaded.message.get(), "i", &id) <= 0 || id < 0) return;
        loaded_ = true;
        // KWin 5 puts a loaded script at /<id>, KWin 6 at /Scripting/Script<id>.
        for (const std::string& path : {"/" + std::to_string(id), "/Scripting/Script" + std::to_string(id)})
            if (kwin(path.c_str(), "org.kde.kwin.Script", "run").ok()) break;
        readEvents(); // what came while the calls were answered
    }

    bool writeScript(const std::string& text)
    {
        std::string name = ostatni_API::tempPath(std::getenv("TMPDIR")) + "quelmarn-pointer-XXXXXX";
        const int fd = ::mkstemp(name.data());
        if (fd < 0) return false;
        script_ = name;
        bool written = true;
        for (size_t done = 0; done < text.size() && written;) {
            const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
            written = n > 0;
            done += written ? size_t(n) : 0;
        }
        return ::close(fd) == 0 && written;
    }

    template <typename... Arguments>
    linuxsys::BusReply kwin(const char* path, const char* interface, const char* method, const char* types = nullptr,
                            Arguments... arguments)
    {
        return bus_.call("org.kde.KWin", path, interface, method, std::chrono::milliseconds(5000), types, arguments...);
    }

    static int handle(sd_bus_message* message, void* self, sd_bus_error*)
    {
        if (!sd_bus_message_is_method_call(message, nullptr, "Moved")) return 0;
        const std::optional<double> x = readNumber(message);
        const std::optional<double> y = x ? readNumber(message) : std::nullopt;
        if (!y) return 0;
        static_cast<KWinScriptPointer*>(self)->last_ = ScreenPoint{int(std::lround(*x)), int(std::lround(*y))};
        if (sd_bus_message_get_expect_reply(message)) sd_bus_reply_method_return(message, nullptr);
        return 1;
    }

    linuxsys::Bus bus_;
    sd_bus_slot* object_ = nullptr;
    std::string script_;
    bool started_ = false;
    bool loaded_ = false;
    std::optional<ScreenPoint> last_;
};

// The count kept by the program, where the system keeps none.
class OwnCount : public DisplayCount {
public:
    explicit OwnCount(std::function<bool()> mousePresent) : mousePresent_(std::move(mousePresent)) {}
    int count() override
    {
        if (!count_) count_ = mousePresent_() ? 0 : -1;
        return *count_;
    }
    int showCursor(bool show) override
    {
        count_ = count() + (show ? 1 : -1);
        return *count_;
    }

private:
    std::function<bool()> mousePresent_;
    std::optional<int> count_;
};

} // namespace

std::unique_ptr<Pointer> makeNativePointer(const desktop::Session& session, DisplayServer display,
                                           const std::string& sessionBus)
{
    const bool wayland = !session.waylandDisplay.empty() || display == DisplayServer::Wayland;
    const desktop::Desktop running = desktop::desktopFromList(session.currentDesktop);
    if (running == desktop::Desktop::Gnome && wayland) return std::make_unique<GnomeShellPointer>(sessionBus);
    if (running == desktop::Desktop::Kde && wayland) return std::make_unique<KWinScriptPointer>(sessionBus);
    if (wayland) return std::make_unique<UnknownPointer>();
    if (display == DisplayServer::X11) return makeX11Pointer();
    return nullptr;
}

std::unique_ptr<DisplayCount> makeNativeDisplayCount(std::function<bool()> mousePresent)
{
    return std::make_unique<OwnCount>(std::move(mousePresent));
}

} // namespace platform::mys
