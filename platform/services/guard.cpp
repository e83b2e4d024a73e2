#include "platform/services/guard.h"

#include "platform/failure.h"

namespace platform {

bool runGuarded(MessageBoxService& messages, const std::function<void()>& handler)
{
    try {
        handler();
        return true;
    } catch (const Failure& failure) {
        messages.show(QString::fromStdString(failure.what()), ErrorOk);
    } catch (const std::exception& error) {
        // Not a platform failure, but the user still learns that the action
        // did not complete, and the program goes on.
        messages.show(QString::fromStdString(error.what()), ErrorOk);
    }
    return false;
}

} // namespace platform
