// qlkpack: packs a UTF-8 language source into a binary .qlk language file.
//
//   qlkpack SOURCE.txt OUTPUT.qlk
//
// The source has one line per entry, TextN "text" (escapes \" \\ \n), blank
// and # lines ignored, and one "code-page N" line naming the code page the
// texts are stored in. Every entry with a record must be present once; a
// character the code page cannot hold stops the build rather than being lost.

#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "platform/failure.h"
#include "platform/sys/codepage.h"
#include "languages/language_file.h"

namespace {

std::string unescape(const std::string& quoted, int lineNo)
{
    std::string out;
    for (size_t i = 0; i < quoted.size(); ++i) {
        char c = quoted[i];
        if (c != '\\') {
            out += c;
            continue;
        }
        if (++i == quoted.size())
            throw platform::Failure("line " + std::to_string(lineNo) + ": a backslash ends the text");
        switch (quoted[i]) {
        case 'n': out += "\r\n"; break; // line breaks as the program's texts store them
        case '"': out += '"'; break;
        case '\\': out += '\\'; break;
        default:
            throw platform::Failure("line " + std::to_string(lineNo) + ": unknown escape \\" + quoted[i]);
        }
    }
    return out;
}

std::vector<std::string> pack(std::istream& source, const std::string& sourceName)
{
    std::map<int, std::string> entries;
    int codePage = 0;
    std::string line;
    for (int lineNo = 1; std::getline(source, line); ++lineNo) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        const auto where = sourceName + ":" + std::to_string(lineNo) + ": ";
        if (line.rfind("code-page ", 0) == 0) {
            codePage = std::stoi(line.substr(10));
            continue;
        }
        const size_t space = line.find(' ');
        const size_t open = line.find('"');
        if (line.rfind("Text", 0) != 0 || space == std::string::npos || open != space + 1 || line.back() != '"'
            || line.size() < open + 2)
            throw platform::Failure(where + "expected TextN \"text\"");
        const int entry = std::stoi(line.substr(4, space - 4));
        if (langfile::recordForEntry(entry) == 0)
            throw platform::Failure(where + "Text" + std::to_string(entry) + " has no record in a language file");
        if (entries.count(entry))
            throw platform::Failure(where + "Text" + std::to_string(entry) + " is given twice");
        entries[entry] = unescape(line.substr(open + 1, line.size() - open - 2), lineNo);
    }
    if (codePage == 0) throw platform::Failure(sourceName + ": no code-page line");

    std::vector<std::string> records(langfile::recordCount);
    for (int r = 1; r <= langfile::recordCount; ++r) {
        const int entry = langfile::entryForRecord(r);
        auto it = entries.find(entry);
        if (it == entries.end())
            throw platform::Failure(sourceName + ": Text" + std::to_string(entry) + " is missing");
        platform::codepage::Encoded encoded = platform::codepage::fromUtf8(it->second, codePage);
        if (!encoded.unstorable.empty())
            throw platform::Failure(sourceName + ": Text" + std::to_string(entry) + " has \""
                                    + encoded.unstorable.front() + "\", which code page "
                                    + std::to_string(codePage) + " cannot hold");
        records[size_t(r - 1)] = encoded.bytes;
    }
    return records;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::cerr << "usage: qlkpack SOURCE.txt OUTPUT.qlk\n";
        return 2;
    }
    try {
        std::ifstream source(argv[1], std::ios::binary);
        if (!source) throw platform::Failure(std::string("cannot read ") + argv[1]);
        const std::string bytes = langfile::writeRecords(pack(source, argv[1]));
        std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
        if (!out || !(out << bytes) || !out.flush()) throw platform::Failure(std::string("cannot write ") + argv[2]);
    } catch (const std::exception& error) {
        std::cerr << "qlkpack: " << error.what() << "\n";
        std::remove(argv[2]);
        return 1;
    }
    return 0;
}
