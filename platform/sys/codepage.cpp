#include "platform/sys/codepage.h"

#include <cstdlib>

#include "platform/failure.h"
#include "platform/sys/message.h"

namespace platform::codepage {
namespace {

std::string lower(std::string s)
{
    for (char& c : s)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return s;
}

} // namespace

int codePageForLocale(const std::string& localeName)
{
    std::string name = lower(localeName);
    if (name.empty() || name == "c" || name == "posix" || name.rfind("c.", 0) == 0)
        return 1250;
    std::string language = name.substr(0, name.find_first_of("_.@"));
    std::string territory;
    if (auto us = name.find('_'); us != std::string::npos)
        territory = name.substr(us + 1, name.find_first_of(".@", us) - us - 1);

    for (const char* l : {"cs", "sk", "pl", "hu", "sl", "hr", "ro", "bs", "sq"})
        if (language == l) return 1250;
    for (const char* l : {"ru", "uk", "be", "bg", "mk", "sr"})
        if (language == l) return 1251;
    for (const char* l : {"et", "lt", "lv"})
        if (language == l) return 1257;
    if (language == "el") return 1253;
    if (language == "tr") return 1254;
    if (language == "he") return 1255;
    if (language == "ar") return 1256;
    if (language == "vi") return 1258;
    if (language == "th") return 874;
    if (language == "ja") return 932;
    if (language == "ko") return 949;
    if (language == "zh") return (territory == "tw" || territory == "hk") ? 950 : 936;
    return 1252;
}

int ansiCodePage(const std::string& forced)
{
    if (!forced.empty()) {
        char* end = nullptr;
        long value = std::strtol(forced.c_str(), &end, 10);
        if (end && *end == '\0' && value > 0)
            return int(value);
        throw Failure(message(QT_TRANSLATE_NOOP("platform", "QUELMARN_CODEPAGE must be a code page number such as 1250, not %1."), {"\"" + forced + "\""}));
    }
    return systemAnsiCodePage();
}

} // namespace platform::codepage
