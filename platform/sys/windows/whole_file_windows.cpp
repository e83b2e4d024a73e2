#include "platform/sys/whole_file.h"

#include <windows.h>

#include <algorithm>

#include "platform/failure.h"
#include "platform/sys/message.h"
#include "platform/sys/whole_file_backend.h"
#include "platform/sys/windows/win32_text.h"

namespace platform::whole_file {
namespace {

// English source of the message for a handle that is no file on a disk.
const char* notRegular(DWORD type)
{
    if (type == FILE_TYPE_PIPE)
        return QT_TRANSLATE_NOOP("platform",
                                 "The file %1 cannot be opened: it is a FIFO (named pipe), not a regular file.");
    if (type == FILE_TYPE_CHAR)
        return QT_TRANSLATE_NOOP("platform", "The file %1 cannot be opened: it is a device, not a regular file.");
    return QT_TRANSLATE_NOOP("platform", "The file %1 cannot be opened: it is not a regular file.");
}

bool missing(DWORD error) { return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND; }

} // namespace

Content read(const std::string& path, std::size_t maxBytes, WhenMissing whenMissing)
{
    const std::string named = "\"" + path + "\"";
    if (path.empty())
        throw Failure(message(QT_TRANSLATE_NOOP("platform", "No file to read was given: the path is empty.")));
    const std::wstring name = win32::wide(path);
    const DWORD attributes = GetFileAttributesW(name.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        throw Failure(
            message(QT_TRANSLATE_NOOP("platform", "The file %1 cannot be opened: it is a folder, not a regular file."),
                    {named}));
    // Opening never waits: a pipe or a device is refused by its type below,
    // before anything is read from it.
    const win32::Handle file(CreateFileW(name.c_str(), GENERIC_READ,
                                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                         whenMissing == WhenMissing::CreateEmpty ? OPEN_ALWAYS : OPEN_EXISTING,
                                         FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file.valid()) {
        const DWORD error = GetLastError();
        if (missing(error) && whenMissing == WhenMissing::ReportAbsent) return Content{false, {}, false};
        throw Failure(message(QT_TRANSLATE_NOOP("platform", "The file %1 cannot be opened: %2."),
                              {named, win32::errorText(error)}));
    }
    const DWORD type = GetFileType(file.get());
    if (type != FILE_TYPE_DISK) throw Failure(message(notRegular(type), {named}));

    LARGE_INTEGER size{};
    const std::size_t expected =
        GetFileSizeEx(file.get(), &size) ? std::size_t(std::max<LONGLONG>(size.QuadPart, 0)) : 0;
    return backend::readOpened(expected, maxBytes, [&](char* into, std::size_t room) {
        DWORD read = 0;
        if (!ReadFile(file.get(), into, DWORD(std::min<std::size_t>(room, std::size_t(1) << 30)), &read, nullptr))
            throw Failure(message(QT_TRANSLATE_NOOP("platform", "The file %1 cannot be read: %2."),
                                  {named, win32::errorText(GetLastError())}));
        return std::size_t(read);
    });
}

} // namespace platform::whole_file
