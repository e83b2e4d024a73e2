// The parts of the shell calls that are the same on every OS.

#include "platform/sys/shell.h"

#include "platform/failure.h"
#include "platform/sys/message.h"

namespace platform::shell {
namespace {

// The length of the blank that starts at `at` (a UTF-8 character counted
// as a space by Unicode, a tab or a line break), else 0.
size_t blankAt(const std::string& text, size_t at)
{
    const auto byte = [&](size_t i) { return i < text.size() ? static_cast<unsigned char>(text[i]) : 0u; };
    const unsigned first = byte(at);
    if (first == ' ' || (first >= '\t' && first <= '\r')) return 1;
    if (first == 0xC2 && (byte(at + 1) == 0x85 || byte(at + 1) == 0xA0)) return 2; // NEL, no-break space
    if (first == 0xE1 && byte(at + 1) == 0x9A && byte(at + 2) == 0x80) return 3;   // U+1680
    if (first == 0xE2 && byte(at + 1) == 0x80) {
        const unsigned third = byte(at + 2);
        // U+2000 to U+200A, U+2028, U+2029, U+202F
        if ((third >= 0x80 && third <= 0x8A) || third == 0xA8 || third == 0xA9 || third == 0xAF) return 3;
    }
    if (first == 0xE2 && byte(at + 1) == 0x81 && byte(at + 2) == 0x9F) return 3; // U+205F
    if (first == 0xE3 && byte(at + 1) == 0x80 && byte(at + 2) == 0x80) return 3; // U+3000
    return 0;
}

[[noreturn]] void namesNoProgram(const std::string& commandLine)
{
    throw Failure(message(
        QT_TRANSLATE_NOOP("platform", "The program \"%1\" cannot be started: the command line names no program."),
        {commandLine}));
}

} // namespace

Command splitCommandLine(const std::string& commandLine)
{
    bool blank = true;
    for (size_t at = 0; at < commandLine.size() && blank;) {
        const size_t length = blankAt(commandLine, at);
        blank = length > 0;
        at += length;
    }
    if (blank) namesNoProgram(commandLine);
    if (isProgramFile(commandLine)) return {commandLine, {}};

    std::vector<std::string> parts;
    std::string part;
    int quotes = 0;
    bool quoted = false;
    for (size_t at = 0; at < commandLine.size();) {
        if (commandLine[at] == '"') {
            if (++quotes == 3) {
                quotes = 0;
                part += '"';
            }
            ++at;
            continue;
        }
        if (quotes) {
            if (quotes == 1) quoted = !quoted;
            quotes = 0;
        }
        const size_t length = quoted ? 0 : blankAt(commandLine, at);
        if (length) {
            if (!part.empty()) parts.push_back(std::move(part));
            part.clear();
            at += length;
        } else {
            part += commandLine[at++];
        }
    }
    if (!part.empty()) parts.push_back(std::move(part));
    if (parts.empty()) namesNoProgram(commandLine);
    Command command{parts.front(), {}};
    command.arguments.assign(parts.begin() + 1, parts.end());
    return command;
}

} // namespace platform::shell
