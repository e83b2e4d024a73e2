#pragma once

#include <QString>

class QWidget;

namespace platform {

// The run prompt: a small dialog owned by a window where the user types a
// command line (or browses for a program) and starts it. The command line
// is the user's own shell command, so it is started through the user's
// shell, detached. run() returns when the prompt is closed; a confirmed
// command that cannot be started throws platform::Failure.
class RunPromptService {
public:
    virtual ~RunPromptService() = default;
    virtual void run(QWidget* owner) = 0;
};

} // namespace platform
