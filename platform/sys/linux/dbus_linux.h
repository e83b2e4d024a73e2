#pragma once
// D-Bus for the Linux backends, through sd-bus: a connection of its own to
// a bus, method calls that wait a bounded time, and their replies.

#include <chrono>
#include <string>
#include <systemd/sd-bus.h>
#include <utility>

namespace platform::linuxsys {

// A message, unreferenced when it goes out of scope.
class BusMessage {
public:
    BusMessage() = default;
    explicit BusMessage(sd_bus_message* message) : message_(message) {}
    ~BusMessage() { sd_bus_message_unref(message_); }
    BusMessage(BusMessage&& other) noexcept : message_(std::exchange(other.message_, nullptr)) {}
    BusMessage& operator=(BusMessage&& other) noexcept
    {
        std::swap(message_, other.message_);
        return *this;
    }
    sd_bus_message* get() const { return message_; }
    explicit operator bool() const { return message_ != nullptr; }

private:
    sd_bus_message* message_ = nullptr;
};

// What a method call came back with: the reply, or why there is none.
struct BusReply {
    BusMessage message;    // empty when the call failed
    std::string errorName; // the D-Bus error's name; empty when the bus was not reached
    std::string error;     // the reason, as the service or the system words it
    bool ok() const { return bool(message); }
};

class Bus {
public:
    enum class Kind { Session, System };
    // address: where the bus listens; empty for the standard bus of that
    // kind ($DBUS_SESSION_BUS_ADDRESS, $DBUS_SYSTEM_BUS_ADDRESS or their
    // defaults). The connection is made at the first use.
    Bus(std::string address, Kind kind) : address_(std::move(address)), kind_(kind) {}
    ~Bus();
    Bus(const Bus&) = delete;
    Bus& operator=(const Bus&) = delete;

    // The connection; nullptr, with problem() saying why, when the bus
    // cannot be reached.
    sd_bus* connection();
    const std::string& problem() const { return problem_; }

    // A method call to fill with arguments (sd_bus_message_append); empty
    // when the bus cannot be reached.
    BusMessage method(const char* service, const char* path, const char* interface, const char* member);
    // Sends a call and waits at most `bound` for its reply.
    BusReply call(const BusMessage& request, std::chrono::milliseconds bound);

    // A call with the arguments sd_bus_message_append takes for `types`.
    template <typename... Arguments>
    BusReply call(const char* service, const char* path, const char* interface, const char* member,
                  std::chrono::milliseconds bound, const char* types = nullptr, Arguments... arguments)
    {
        BusMessage request = method(service, path, interface, member);
        if (request && types) {
            const int appended = sd_bus_message_append(request.get(), types, arguments...);
            if (appended < 0) return failed(appended);
        }
        return call(request, bound);
    }

private:
    BusReply failed(int error) const;
    std::string address_;
    Kind kind_;
    sd_bus* bus_ = nullptr;
    bool tried_ = false;
    std::string problem_;
};

} // namespace platform::linuxsys
