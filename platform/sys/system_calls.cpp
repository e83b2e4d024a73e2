#include "platform/sys/system_calls.h"

namespace platform {

namespace profile {
namespace {

class NativeCalls : public Calls {
public:
    std::optional<std::string> readString(const std::string& iniPath, const std::string& section,
                                          const std::string& key) override
    {
        return profile::readString(iniPath, section, key);
    }
    void writeString(const std::string& iniPath, const std::string& section, const std::string& key,
                     const std::string& value) override
    {
        profile::writeString(iniPath, section, key, value);
    }
};

} // namespace

std::unique_ptr<Calls> makeNative() { return std::make_unique<NativeCalls>(); }

} // namespace profile

NativeSystemCalls::NativeSystemCalls(const desktop::Session& session)
    : start_(Jak_byl_system_nastartovan::makeNative()),
      mouse_(mys::makeNative()),
      memory_(pamet::makeNative()),
      other_(ostatni_API::makeNative()),
      session_(off_reset_logout::makeNative(session)),
      taskbar_(taskbar::makeForSession(session)),
      files_(file_operations::makeNative()),
      profile_(profile::makeNative())
{
}

NativeSystemCalls::~NativeSystemCalls() = default;

SystemCalls NativeSystemCalls::view()
{
    return SystemCalls{*start_, *mouse_, *memory_, *other_, *session_, *taskbar_, *files_, *profile_};
}

} // namespace platform
