#include "platform/sys/codepage.h"

#include <cstdlib>
#include <map>

#include "platform/failure.h"
#include "platform/sys/message.h"

namespace platform::codepage {
namespace {

std::string lower(std::string s)
{
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    return s;
}

// The UTF-16 units of well-formed UTF-8 text (as toUtf8 gives it).
std::u16string utf16(const std::string& utf8)
{
    std::u16string units;
    units.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const int length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t code = length == 1 ? lead : lead & (0x3F >> (length - 1));
        for (int k = 1; k < length && i + size_t(k) < utf8.size(); ++k)
            code = (code << 6) | (static_cast<unsigned char>(utf8[i + size_t(k)]) & 0x3F);
        if (code > 0xFFFF) {
            code -= 0x10000;
            units += char16_t(0xD800 + (code >> 10));
            units += char16_t(0xDC00 + (code & 0x3FF));
        } else {
            units += char16_t(code);
        }
        i += size_t(length);
    }
    return units;
}

} // namespace

const std::vector<char16_t>& byteTable(int codePage)
{
    static std::map<int, std::vector<char16_t>> tables;
    if (const auto found = tables.find(codePage); found != tables.end()) return found->second;

    std::vector<char16_t> table(256);
    bool usable = true;
    for (int byte = 0; byte < 256 && usable; ++byte) {
        const std::u16string one = utf16(toUtf8(std::string(1, char(byte)), codePage));
        usable = one.size() == 1;
        if (usable) table[size_t(byte)] = one[0];
    }
    usable = usable && table['\r'] == u'\r' && table['\n'] == u'\n';
    if (usable) {
        std::string pairs;
        pairs.reserve(2 * 256 * 256);
        for (int first = 0; first < 256; ++first)
            for (int second = 0; second < 256; ++second) {
                pairs += char(first);
                pairs += char(second);
            }
        const std::u16string decoded = utf16(toUtf8(pairs, codePage));
        usable = decoded.size() == pairs.size();
        for (size_t i = 0; usable && i < pairs.size(); ++i)
            usable = decoded[i] == table[static_cast<unsigned char>(pairs[i])];
    }
    if (!usable) table.clear();
    return tables.emplace(codePage, std::move(table)).first->second;
}

int codePageForLocale(const std::string& localeName)
{
    std::string name = lower(localeName);
    if (name.empty() || name == "c" || name == "posix" || name.rfind("c.", 0) == 0) return 1250;
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
        if (end && *end == '\0' && value > 0) return int(value);
        throw Failure(
            message(QT_TRANSLATE_NOOP("platform", "QUELMARN_CODEPAGE must be a code page number such as 1250, not %1."),
                    {"\"" + forced + "\""}));
    }
    return systemAnsiCodePage();
}

} // namespace platform::codepage
