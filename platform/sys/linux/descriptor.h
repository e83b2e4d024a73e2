#pragma once
// A file descriptor closed when it goes out of scope.

#include <unistd.h>

namespace platform::linuxsys {

class Descriptor {
public:
    explicit Descriptor(int value) : fd(value) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor()
    {
        if (fd >= 0) ::close(fd);
    }
    int fd;
};

} // namespace platform::linuxsys
