#include "platform/services/guard.h"

#include "platform/failure.h"

namespace platform {

bool runGuarded(MessageBoxService& messages, const std::function<void()>& handler, OnFailure onFailure)
{
    try {
        handler();
        return true;
    } catch (const std::exception& error) {
        // A platform::Failure, or any other exception: the user still learns
        // that the action did not complete, and the program goes on.
        if (onFailure == OnFailure::Report) messages.show(QString::fromStdString(error.what()), ErrorOk);
    }
    return false;
}

} // namespace platform
