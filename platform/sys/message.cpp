#include "platform/sys/message.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <vector>

namespace platform {
namespace {

std::atomic<MessageTranslator> installed{nullptr};

} // namespace

void setMessageTranslator(MessageTranslator translator) { installed = translator; }

std::string message(const char* source, std::initializer_list<std::string> arguments)
{
    const MessageTranslator translator = installed;
    const std::string text = translator ? translator(source) : std::string(source);
    const std::vector<std::string> args(arguments);
    std::string result;
    result.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
            const size_t index = size_t(text[i + 1] - '1');
            if (index < args.size()) {
                result += args[index];
                ++i;
                continue;
            }
        }
        result += text[i];
    }
    return result;
}

std::string errorReason(int error)
{
    // The English sources are the C library's own words.
    switch (error) {
    case ENOENT: return message(QT_TRANSLATE_NOOP("platform", "No such file or directory"));
    case EACCES: return message(QT_TRANSLATE_NOOP("platform", "Permission denied"));
    case EPERM: return message(QT_TRANSLATE_NOOP("platform", "Operation not permitted"));
    case EEXIST: return message(QT_TRANSLATE_NOOP("platform", "File exists"));
    case EISDIR: return message(QT_TRANSLATE_NOOP("platform", "Is a directory"));
    case ENOTDIR: return message(QT_TRANSLATE_NOOP("platform", "Not a directory"));
    case ENOSPC: return message(QT_TRANSLATE_NOOP("platform", "No space left on device"));
#ifdef EDQUOT
    case EDQUOT: return message(QT_TRANSLATE_NOOP("platform", "Disk quota exceeded"));
#endif
    case EROFS: return message(QT_TRANSLATE_NOOP("platform", "Read-only file system"));
    case ENAMETOOLONG: return message(QT_TRANSLATE_NOOP("platform", "File name too long"));
#ifdef ELOOP
    case ELOOP: return message(QT_TRANSLATE_NOOP("platform", "Too many levels of symbolic links"));
#endif
    case EIO: return message(QT_TRANSLATE_NOOP("platform", "Input/output error"));
    case EBUSY: return message(QT_TRANSLATE_NOOP("platform", "Device or resource busy"));
    case EXDEV: return message(QT_TRANSLATE_NOOP("platform", "Invalid cross-device link"));
    default: return std::strerror(error);
    }
}

} // namespace platform
