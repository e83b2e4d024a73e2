#include "platform/sys/codepage.h"

#include <cerrno>
#include <cstdlib>
#include <iconv.h>
#include <map>
#include <memory>
#include <utility>

#include "platform/failure.h"
#include "platform/sys/message.h"

namespace platform::codepage {
namespace {

class Converter {
public:
    Converter(const std::string& to, const std::string& from) : handle_(iconv_open(to.c_str(), from.c_str()))
    {
        if (handle_ == reinterpret_cast<iconv_t>(-1))
            throw Failure(message(
                QT_TRANSLATE_NOOP("platform", "The code page conversion %1 -> %2 is not available on this system."),
                {from, to}));
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
    // Emits what the converter holds back and returns it to its initial
    // state. Code pages 1255 and 1258 keep the last character back in case
    // a combining mark follows: without this it would be lost at the end
    // of the text and before an undefined byte.
    void flush(std::string& out)
    {
        char buffer[64];
        char* outPtr = buffer;
        size_t outLeft = sizeof buffer;
        iconv(handle_, nullptr, nullptr, &outPtr, &outLeft);
        out.append(buffer, size_t(outPtr - buffer));
    }

    // Back to the initial state, dropping anything held back.
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

// iconv's name of a Windows code page number ("CP1250", "CP932", ...).
std::string iconvName(int codePage) { return "CP" + std::to_string(codePage); }

enum class Direction { ToUtf8, FromUtf8 };

// The converter for a code page and direction, opened once and kept:
// opening one costs far more than most texts take to convert. One set per
// thread, so that threads never share a converter's state; each use starts
// from the initial state, whatever an earlier, failed use left.
Converter& converter(int codePage, Direction direction)
{
    thread_local std::map<std::pair<int, Direction>, std::unique_ptr<Converter>> open;
    std::unique_ptr<Converter>& kept = open[{codePage, direction}];
    if (!kept) {
        kept = direction == Direction::ToUtf8 ? std::make_unique<Converter>("UTF-8", iconvName(codePage))
                                              : std::make_unique<Converter>(iconvName(codePage), "UTF-8");
    }
    kept->reset();
    return *kept;
}

} // namespace

int systemAnsiCodePage()
{
    for (const char* var : {"LC_ALL", "LC_CTYPE", "LANG"})
        if (const char* value = std::getenv(var); value && *value) return codePageForLocale(value);
    return 1250;
}

std::string toUtf8(const std::string& ansiBytes, int codePage)
{
    Converter& conv = converter(codePage, Direction::ToUtf8);
    std::string out;
    const char* in = ansiBytes.data();
    size_t left = ansiBytes.size();
    while (left > 0) {
        int err = conv.step(in, left, out);
        if (err == EILSEQ || err == EINVAL) {
            conv.flush(out);
            out += "\xEF\xBF\xBD"; // U+FFFD
            ++in;
            --left;
        } else if (err != 0 && err != E2BIG) {
            throw Failure(message(QT_TRANSLATE_NOOP("platform", "Text could not be converted from code page %1."),
                                  {std::to_string(codePage)}));
        }
    }
    conv.flush(out);
    return out;
}

Encoded fromUtf8(const std::string& utf8, int codePage)
{
    Converter& conv = converter(codePage, Direction::FromUtf8);
    Encoded result;
    const char* in = utf8.data();
    size_t left = utf8.size();
    while (left > 0) {
        int err = conv.step(in, left, result.bytes);
        if (err == EILSEQ || err == EINVAL) {
            size_t len = std::min(utf8SequenceLength(static_cast<unsigned char>(*in)), left);
            result.unstorable.emplace_back(in, len);
            conv.flush(result.bytes);
            result.bytes += '?';
            in += len;
            left -= len;
        } else if (err != 0 && err != E2BIG) {
            throw Failure(message(QT_TRANSLATE_NOOP("platform", "Text could not be converted to code page %1."),
                                  {std::to_string(codePage)}));
        }
    }
    conv.flush(result.bytes);
    return result;
}

} // namespace platform::codepage
