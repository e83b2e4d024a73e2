#include "platform/sys/codepage.h"

#include <cerrno>
#include <cstdlib>
#include <iconv.h>

#include "platform/failure.h"

namespace platform::codepage {
namespace {

std::string lower(std::string s)
{
    for (char& c : s)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return s;
}

class Converter {
public:
    Converter(const std::string& to, const std::string& from)
        : handle_(iconv_open(to.c_str(), from.c_str()))
    {
        if (handle_ == reinterpret_cast<iconv_t>(-1))
            throw Failure("The code page conversion " + from + " -> " + to
                          + " is not available on this system.");
    }
    ~Converter() { iconv_close(handle_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // One iconv step; returns errno (0 when all input was taken).
    int step(const char*& in, size_t& inLeft, std::string& out)
    {
        char buffer[4096];
        char* outPtr = buffer;
        size_t outLeft = sizeof buffer;
        char* inPtr = const_cast<char*>(in);
        size_t rc = iconv(handle_, &inPtr, &inLeft, &outPtr, &outLeft);
        int err = rc == size_t(-1) ? errno : 0;
        in = inPtr;
        out.append(buffer, size_t(outPtr - buffer));
        return err;
    }
    void reset() { iconv(handle_, nullptr, nullptr, nullptr, nullptr); }

private:
    iconv_t handle_;
};

size_t utf8SequenceLength(unsigned char lead)
{
    if (lead < 0x80) return 1;
    if ((lead >> 5) == 0x6) return 2;
    if ((lead >> 4) == 0xE) return 3;
    if ((lead >> 3) == 0x1E) return 4;
    return 1;
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

int ansiCodePage()
{
    if (const char* forced = std::getenv("QUELMARN_CODEPAGE"); forced && *forced) {
        char* end = nullptr;
        long value = std::strtol(forced, &end, 10);
        if (end && *end == '\0' && value > 0)
            return int(value);
        throw Failure(std::string("QUELMARN_CODEPAGE must be a code page number such as 1250, not \"")
                      + forced + "\".");
    }
    for (const char* var : {"LC_ALL", "LC_CTYPE", "LANG"})
        if (const char* value = std::getenv(var); value && *value)
            return codePageForLocale(value);
    return 1250;
}

std::string iconvName(int codePage)
{
    return "CP" + std::to_string(codePage);
}

std::string toUtf8(const std::string& ansiBytes, int codePage)
{
    Converter conv("UTF-8", iconvName(codePage));
    std::string out;
    const char* in = ansiBytes.data();
    size_t left = ansiBytes.size();
    while (left > 0) {
        int err = conv.step(in, left, out);
        if (err == EILSEQ || err == EINVAL) {
            out += "\xEF\xBF\xBD"; // U+FFFD
            ++in;
            --left;
            conv.reset();
        } else if (err != 0 && err != E2BIG) {
            throw Failure("Text could not be converted from code page " + std::to_string(codePage) + ".");
        }
    }
    return out;
}

Encoded fromUtf8(const std::string& utf8, int codePage)
{
    Converter conv(iconvName(codePage), "UTF-8");
    Encoded result;
    const char* in = utf8.data();
    size_t left = utf8.size();
    while (left > 0) {
        int err = conv.step(in, left, result.bytes);
        if (err == EILSEQ || err == EINVAL) {
            size_t len = std::min(utf8SequenceLength(static_cast<unsigned char>(*in)), left);
            result.unstorable.emplace_back(in, len);
            result.bytes += '?';
            in += len;
            left -= len;
            conv.reset();
        } else if (err != 0 && err != E2BIG) {
            throw Failure("Text could not be converted to code page " + std::to_string(codePage) + ".");
        }
    }
    return result;
}

} // namespace platform::codepage
