#pragma once
// The one place that catches failures. A handler that fails stops where it
// failed; the user sees the failure in an error message box with the
// application title (or, for the few handlers that end silently, nothing),
// and the program goes on with the window as it is.

#include <QObject>
#include <functional>

#include "platform/services/message_box.h"

namespace platform {

enum class OnFailure {
    Report,      // an error message box
    EndSilently, // the handler just ends: a browse for a file, the notes' open
};

// Runs a handler; a failure it throws is handled as `onFailure` says.
// Returns false when the handler failed.
bool runGuarded(MessageBoxService& messages, const std::function<void()>& handler,
                OnFailure onFailure = OnFailure::Report);

// connect() for event handlers: every handler of every window goes through
// runGuarded.
template <typename Sender, typename Signal, typename Handler>
QMetaObject::Connection connectGuarded(Sender* sender, Signal signal, QObject* context, MessageBoxService& messages,
                                       Handler handler, OnFailure onFailure = OnFailure::Report)
{
    return QObject::connect(sender, signal, context,
                            [&messages, handler, onFailure]() { runGuarded(messages, handler, onFailure); });
}

} // namespace platform
