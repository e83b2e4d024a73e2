#include "languages/language_source.h"

#include <sstream>

#include "languages/language_file.h"
#include "platform/failure.h"
#include "platform/sys/codepage.h"

namespace langsource {
namespace {

std::string unescape(const std::string& quoted, const std::string& where)
{
    std::string out;
    for (size_t i = 0; i < quoted.size(); ++i) {
        const char c = quoted[i];
        if (c != '\\') {
            out += c;
            continue;
        }
        if (++i == quoted.size()) throw platform::Failure(where + "a backslash ends the text");
        switch (quoted[i]) {
        case 'n': out += "\r\n"; break;
        case '"': out += '"'; break;
        case '\\': out += '\\'; break;
        default: throw platform::Failure(where + "unknown escape \\" + quoted[i]);
        }
    }
    return out;
}

// A whole decimal number, or -1.
int number(const std::string& digits)
{
    if (digits.empty() || digits.size() > 6 || digits.find_first_not_of("0123456789") != std::string::npos) return -1;
    return std::stoi(digits);
}

std::string entryName(int entry) { return "Text" + std::to_string(entry); }

// The escaped form of one record's UTF-8 text, or a reason it has none.
std::string escape(const std::string& text, int record, const std::string& fileName)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            out += "\\n";
            ++i;
        } else if (c == '\r' || c == '\n') {
            throw platform::Failure(fileName + ": record " + std::to_string(record)
                                    + " has a line break other than CR LF, which a source cannot give back");
        } else if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace

Source parse(std::istream& text, const std::string& sourceName)
{
    Source source;
    std::string line;
    for (int lineNo = 1; std::getline(text, line); ++lineNo) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        const std::string where = sourceName + ":" + std::to_string(lineNo) + ": ";
        if (line.rfind("code-page ", 0) == 0) {
            source.codePage = number(line.substr(10));
            if (source.codePage <= 0) throw platform::Failure(where + "expected code-page N");
            continue;
        }
        const size_t space = line.find(' ');
        if (line.rfind("Text", 0) != 0 || space == std::string::npos || space + 2 >= line.size()
            || line[space + 1] != '"' || line.back() != '"')
            throw platform::Failure(where + "expected TextN \"text\"");
        const int entry = number(line.substr(4, space - 4));
        if (entry < 1 || langfile::recordForEntry(entry) == 0)
            throw platform::Failure(where + line.substr(0, space) + " has no record in a language file");
        if (source.entries.count(entry)) throw platform::Failure(where + entryName(entry) + " is given twice");
        source.entries[entry] = unescape(line.substr(space + 2, line.size() - space - 3), where);
    }
    return source;
}

std::vector<std::string> problems(const Source& source, const std::string& sourceName)
{
    std::vector<std::string> found;
    if (source.codePage == 0) found.push_back(sourceName + ": no code-page line");
    for (int r = 1; r <= langfile::recordCount; ++r) {
        const int entry = langfile::entryForRecord(r);
        const auto it = source.entries.find(entry);
        if (it == source.entries.end()) {
            found.push_back(sourceName + ": " + entryName(entry) + " is missing");
            continue;
        }
        if (source.codePage == 0) continue;
        for (const std::string& character : platform::codepage::fromUtf8(it->second, source.codePage).unstorable)
            found.push_back(sourceName + ": " + entryName(entry) + " has \"" + character + "\", which code page "
                            + std::to_string(source.codePage) + " cannot hold");
    }
    return found;
}

std::vector<std::string> encode(const Source& source, const std::string& sourceName)
{
    const std::vector<std::string> found = problems(source, sourceName);
    if (!found.empty()) throw platform::Failure(found.front());
    std::vector<std::string> records;
    for (int r = 1; r <= langfile::recordCount; ++r)
        records.push_back(
            platform::codepage::fromUtf8(source.entries.at(langfile::entryForRecord(r)), source.codePage).bytes);
    return records;
}

std::string unpack(const std::string& fileBytes, int codePage, const std::string& fileName)
{
    int endedIn = 0;
    const std::vector<std::string> records = langfile::readRecords(fileBytes, fileName, &endedIn);
    if (endedIn != 0)
        throw platform::Failure(fileName + ": the file ends inside record " + std::to_string(endedIn) + " of "
                                + std::to_string(langfile::recordCount));
    const std::string whole = langfile::writeRecords(records);
    if (whole.size() != fileBytes.size())
        throw platform::Failure(fileName + ": " + std::to_string(fileBytes.size() - whole.size())
                                + " bytes follow the last record, and a source cannot give them back");

    std::ostringstream out;
    out << "# Unpacked from " << fileName << ". Pack it again with qlkpack.\n"
        << "code-page " << codePage << "\n\n";
    for (int r = 1; r <= langfile::recordCount; ++r) {
        const std::string text = platform::codepage::toUtf8(records[size_t(r - 1)], codePage);
        const platform::codepage::Encoded back = platform::codepage::fromUtf8(text, codePage);
        if (back.bytes != records[size_t(r - 1)])
            throw platform::Failure(fileName + ": record " + std::to_string(r) + " holds bytes that code page "
                                    + std::to_string(codePage) + " does not define");
        out << entryName(langfile::entryForRecord(r)) << " \"" << escape(text, r, fileName) << "\"\n";
    }
    return out.str();
}

} // namespace langsource
