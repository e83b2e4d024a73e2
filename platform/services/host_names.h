#pragma once
// Giving this computer a new name.

#include <QString>

namespace platform {

class HostRenamer {
public:
    virtual ~HostRenamer() = default;
    // Sets the computer's permanent name to `name` as given. True when the
    // system took the name; false when it refused it (an invalid name, no
    // permission, no service to ask).
    virtual bool setComputerName(const QString& name) = 0;
};

} // namespace platform
