#include "platform/sys/linux/dbus_linux.h"

#include <cstdint>

#include "platform/sys/message.h"

namespace platform::linuxsys {

Bus::~Bus() { sd_bus_flush_close_unref(bus_); }

sd_bus* Bus::connection()
{
    if (tried_) return bus_;
    tried_ = true;
    int result = 0;
    if (address_.empty()) {
        result = kind_ == Kind::Session ? sd_bus_open_user(&bus_) : sd_bus_open_system(&bus_);
    } else if ((result = sd_bus_new(&bus_)) >= 0) {
        if ((result = sd_bus_set_address(bus_, address_.c_str())) >= 0
            && (result = sd_bus_set_bus_client(bus_, 1)) >= 0)
            result = sd_bus_start(bus_);
    }
    if (result < 0) {
        problem_ = errorReason(-result);
        bus_ = sd_bus_flush_close_unref(bus_);
    }
    return bus_;
}

BusMessage Bus::method(const char* service, const char* path, const char* interface, const char* member)
{
    sd_bus_message* message = nullptr;
    if (sd_bus* bus = connection()) {
        const int result = sd_bus_message_new_method_call(bus, &message, service, path, interface, member);
        if (result < 0) problem_ = errorReason(-result);
    }
    return BusMessage(message);
}

BusReply Bus::failed(int error) const
{
    BusReply reply;
    reply.error = errorReason(-error);
    return reply;
}

BusReply Bus::call(const BusMessage& request, std::chrono::milliseconds bound)
{
    BusReply reply;
    if (!request) {
        reply.error = problem_;
        return reply;
    }
    sd_bus_error error{}; // SD_BUS_ERROR_NULL, which is a C compound literal
    sd_bus_message* answer = nullptr;
    const int result = sd_bus_call(bus_, request.get(), std::uint64_t(bound.count()) * 1000, &error, &answer);
    if (result >= 0) {
        reply.message = BusMessage(answer);
    } else if (sd_bus_error_is_set(&error)) {
        reply.errorName = error.name;
        reply.error = error.message ? error.message : error.name;
    } else {
        reply.error = errorReason(-result);
    }
    sd_bus_error_free(&error);
    return reply;
}

} // namespace platform::linuxsys
