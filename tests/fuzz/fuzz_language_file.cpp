// The language-file reader filling the string table, on any bytes: it never
// crashes, reads no byte past the file, and fails only with a Failure. A
// file it reads whole is exactly its 133 records followed by what it
// ignores. A file the packer's unpacking accepts packs back from that
// source byte for byte. (Decoding in every code page is the code-page
// harness's.)

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "languages/language_file.h"
#include "languages/language_source.h"
#include "platform/failure.h"
#include "tests/fuzz/fuzz_support.h"
#include "ui/form1.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    Form1 table;
    try {
        table.load(bytes, "fuzz.qlk", 1250);
    } catch (const platform::Failure&) {
        return 0; // a negative length: refused, named
    }
    int endedInRecord = -1;
    const std::vector<std::string> records = langfile::readRecords(bytes, "fuzz.qlk", &endedInRecord);
    if (endedInRecord == 0) {
        const std::string written = langfile::writeRecords(records);
        fuzzing::require(bytes.compare(0, written.size(), written) == 0, "the records read are not the file's");
    } else {
        fuzzing::require(endedInRecord >= 1 && endedInRecord <= langfile::recordCount,
                         "no record where the file ended");
    }
    std::string source;
    try {
        source = langsource::unpack(bytes, 1250, "fuzz.qlk");
    } catch (const platform::Failure&) {
        return 0; // not to be given back: refused, named
    }
    std::istringstream text(source);
    const std::string packed =
        langfile::writeRecords(langsource::encode(langsource::parse(text, "fuzz.txt"), "fuzz.txt"));
    fuzzing::require(packed == bytes, "the unpacked source does not pack back to the file");
    return 0;
}
