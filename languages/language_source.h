#pragma once
// The UTF-8 source a language file is packed from, and back:
//
//   code-page 1250
//   # a comment
//   Text1 "Datum:"
//
// one TextN "text" line per entry (escapes \" \\ and \n, which stands for the
// CR LF line break the program's texts hold), blank and # lines ignored.
// Plain C++: the packer and its tests share it without Qt.

#include <istream>
#include <map>
#include <string>
#include <vector>

namespace langsource {

struct Source {
    int codePage = 0;
    std::map<int, std::string> entries; // TextN -> UTF-8 text
};

// Reads a source; a line that is not a comment, the code-page line or one
// TextN "text" of an entry that has a record throws platform::Failure
// naming sourceName and the line.
Source parse(std::istream& text, const std::string& sourceName);

// Everything that keeps a source from packing without loss, one line each:
// no code page, entries missing, characters the code page cannot hold.
std::vector<std::string> problems(const Source& source, const std::string& sourceName);

// The 133 records, each encoded in the source's code page; throws the first
// of problems() when there is one.
std::vector<std::string> encode(const Source& source, const std::string& sourceName);

// The source of a language file's bytes, decoded from codePage, entries in
// record order. Throws platform::Failure when packing that source would not
// give back the same bytes: a file that ends early or has bytes after its
// last record, a byte the code page does not define, a line break other
// than CR LF.
std::string unpack(const std::string& fileBytes, int codePage, const std::string& fileName);

} // namespace langsource
