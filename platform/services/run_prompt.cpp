#include "platform/services/run_prompt.h"

#include "platform/failure.h"

namespace platform {
namespace {

class UnavailableRunPrompt : public RunPromptService {
public:
    void run(QWidget*) override { throw Failure("The run prompt is not available in this program."); }
};

} // namespace

RunPromptService& unavailableRunPrompt()
{
    static UnavailableRunPrompt prompt;
    return prompt;
}

} // namespace platform
