#pragma once
// The one failure type of the program. Every platform operation that cannot
// do its work throws it with a message a user can read (naming the file,
// program or record involved); one wrapper around every event handler shows
// it in an error message box and lets the program go on.

#include <stdexcept>
#include <string>

namespace platform {

class Failure : public std::runtime_error {
public:
    explicit Failure(const std::string& message) : std::runtime_error(message) {}
};

} // namespace platform
