#include "platform/sys/off_reset_logout.h"

namespace platform::off_reset_logout {

Ability abilityFromText(const std::string& answer)
{
    if (answer == "yes") return Ability::Yes;
    if (answer == "challenge") return Ability::Challenge;
    if (answer == "no") return Ability::No;
    return Ability::NotAvailable;
}

} // namespace platform::off_reset_logout
