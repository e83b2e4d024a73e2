#pragma once
// The rule for failures no handler catches: the handler stops where it
// failed, the user sees the failure in an error message box with the
// application title, and the program goes on with the window as it is.

#include <QObject>
#include <functional>

#include "platform/services/message_box.h"

namespace platform {

// Runs a handler; a failure it throws is shown and swallowed.
// Returns false when the handler failed.
bool runGuarded(MessageBoxService& messages, const std::function<void()>& handler);

// connect() for event handlers: every handler of every window goes through
// runGuarded.
template <typename Sender, typename Signal, typename Handler>
QMetaObject::Connection connectGuarded(Sender* sender, Signal signal, QObject* context,
                                       MessageBoxService& messages, Handler handler)
{
    return QObject::connect(sender, signal, context, [&messages, handler]() {
        runGuarded(messages, handler);
    });
}

} // namespace platform
