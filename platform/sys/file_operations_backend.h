#pragma once
// What each OS backend of the file operations gives the OS-neutral part
// (file_operations.cpp): the operations that write data, with the write
// function a caller chose; an empty one means the system's own fast paths.

#include <string>

#include "platform/sys/file_operations.h"

namespace platform::file_operations::backend {

void copyFile(const std::string& source, const std::string& destination, const WriteFunction& write);
void moveFile(const std::string& source, const std::string& destination, const WriteFunction& write);
void replaceFile(const std::string& path, const std::string& bytes, const WriteFunction& write);

} // namespace platform::file_operations::backend
