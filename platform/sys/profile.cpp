#include "platform/sys/profile.h"

#include <cctype>
#include <filesystem>
#include <vector>

#include "platform/failure.h"
#include "platform/sys/file_operations.h"
#include "platform/sys/message.h"
#include "platform/sys/whole_file.h"

namespace platform::profile {
namespace {

struct Line {
    std::string content;    // without its terminator
    std::string terminator; // "\n", "\r\n" or "" for a last line without one
};

std::vector<Line> splitLines(const std::string& text)
{
    std::vector<Line> lines;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t nl = text.find('\n', pos);
        if (nl == std::string::npos) {
            lines.push_back({text.substr(pos), ""});
            break;
        }
        size_t end = nl;
        std::string term = "\n";
        if (end > pos && text[end - 1] == '\r') {
            --end;
            term = "\r\n";
        }
        lines.push_back({text.substr(pos, end - pos), term});
        pos = nl + 1;
    }
    return lines;
}

std::string trim(const std::string& s)
{
    size_t b = 0, e = s.size();
    while (b < e && std::isspace(static_cast<unsigned char>(s[b]))) ++b;
    while (e > b && std::isspace(static_cast<unsigned char>(s[e - 1]))) --e;
    return s.substr(b, e - b);
}

bool equalsNoCase(const std::string& a, const std::string& b)
{
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

// Section name of a header line, or nullopt when the line is not one.
std::optional<std::string> sectionOf(const std::string& content)
{
    std::string t = trim(content);
    if (t.size() < 2 || t.front() != '[') return std::nullopt;
    size_t close = t.find(']');
    if (close == std::string::npos) return std::nullopt;
    return trim(t.substr(1, close - 1));
}

// Key name of a "key=value" line, or nullopt.
std::optional<std::string> keyOf(const std::string& content)
{
    std::string t = trim(content);
    if (t.empty() || t.front() == ';') return std::nullopt;
    size_t eq = t.find('=');
    if (eq == std::string::npos) return std::nullopt;
    return trim(t.substr(0, eq));
}

std::string valueOf(const std::string& content)
{
    std::string v = trim(content.substr(content.find('=') + 1));
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        v = v.substr(1, v.size() - 2);
    return v;
}

} // namespace

std::optional<std::string> findValue(const std::string& iniText, const std::string& section, const std::string& key)
{
    bool inSection = false;
    for (const Line& line : splitLines(iniText)) {
        if (auto name = sectionOf(line.content)) {
            inSection = equalsNoCase(*name, section);
            continue;
        }
        if (!inSection) continue;
        if (auto k = keyOf(line.content); k && equalsNoCase(*k, key)) return valueOf(line.content);
    }
    return std::nullopt;
}

std::string withValue(const std::string& iniText, const std::string& section, const std::string& key,
                      const std::string& value)
{
    std::vector<Line> lines = splitLines(iniText);
    const std::string newline = iniText.find("\r\n") != std::string::npos ? "\r\n" : "\n";
    const std::string keyLine = key + "=" + value;

    std::optional<size_t> sectionHeader;
    std::optional<size_t> lastInSection; // last non-blank line of the section
    for (size_t i = 0; i < lines.size(); ++i) {
        if (auto name = sectionOf(lines[i].content)) {
            if (sectionHeader) break; // the section has ended
            if (equalsNoCase(*name, section)) {
                sectionHeader = i;
                lastInSection = i;
            }
            continue;
        }
        if (!sectionHeader) continue;
        if (auto k = keyOf(lines[i].content); k && equalsNoCase(*k, key)) {
            lines[i].content = keyLine;
            std::string out;
            for (const Line& l : lines) out += l.content + l.terminator;
            return out;
        }
        if (!trim(lines[i].content).empty()) lastInSection = i;
    }

    if (sectionHeader) {
        size_t at = *lastInSection;
        if (lines[at].terminator.empty()) lines[at].terminator = newline;
        lines.insert(lines.begin() + long(at) + 1, Line{keyLine, newline});
    } else {
        if (!lines.empty() && lines.back().terminator.empty()) lines.back().terminator = newline;
        lines.push_back({"[" + section + "]", newline});
        lines.push_back({keyLine, newline});
    }
    std::string out;
    for (const Line& l : lines) out += l.content + l.terminator;
    return out;
}

void writeString(const std::string& iniPath, const std::string& section, const std::string& key,
                 const std::string& value, file_operations::Calls& files)
{
    // Only a file that is absent starts afresh; one that is there but cannot
    // be read whole is left as it is, so nothing in it is lost.
    const whole_file::Content current = whole_file::read(iniPath, fileLimit, whole_file::WhenMissing::ReportAbsent);
    if (current.cut)
        throw Failure(
            message(QT_TRANSLATE_NOOP("platform", "The settings file %1 is larger than %2 MiB and is left as it is."),
                    {"\"" + iniPath + "\"", std::to_string(fileLimit >> 20)}));
    const std::string updated = withValue(current.bytes, section, key, value);

    const std::filesystem::path target = std::filesystem::u8path(iniPath);
    std::error_code ec;
    if (target.has_parent_path()) std::filesystem::create_directories(target.parent_path(), ec);
    files.replaceFile(iniPath, updated);
}

} // namespace platform::profile
