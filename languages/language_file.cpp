#include "languages/language_file.h"

#include <cstdint>

#include "platform/failure.h"
#include "platform/sys/message.h"

namespace langfile {
namespace {

// Runs of records and the entry the first record of each run fills; the
// entries of a run follow one another.
struct Run {
    int firstRecord;
    int firstEntry;
};
constexpr Run runs[] = {
    {1, 1},     {16, 67},   {17, 16},   {47, 66},   {48, 46},   {68, 68},   {80, 130},
    {83, 80},   {96, 95},   {97, 93},   {99, 100},  {100, 96},  {104, 108}, {105, 101},
    {112, 109}, {119, 117}, {120, 116}, {121, 118}, {123, 133}, {124, 120},
};

} // namespace

int entryForRecord(int record)
{
    if (record < 1 || record > recordCount)
        throw platform::Failure("There is no language record " + std::to_string(record) + ".");
    const Run* found = &runs[0];
    for (const Run& run : runs)
        if (run.firstRecord <= record) found = &run;
    return found->firstEntry + (record - found->firstRecord);
}

int recordForEntry(int entry)
{
    for (int r = 1; r <= recordCount; ++r)
        if (entryForRecord(r) == entry) return r;
    return 0;
}

std::vector<std::string> readRecords(const std::string& fileBytes, const std::string& fileName, int* endedInRecord)
{
    std::vector<std::string> records(recordCount);
    if (endedInRecord) *endedInRecord = 0;
    size_t pos = 0;
    for (int r = 1; r <= recordCount; ++r) {
        const auto ended = [&] {
            if (endedInRecord) *endedInRecord = r;
        };
        if (pos + 2 > fileBytes.size()) { // the file ends here: the rest stay empty
            ended();
            break;
        }
        const auto low = static_cast<uint8_t>(fileBytes[pos]);
        const auto high = static_cast<uint8_t>(fileBytes[pos + 1]);
        const auto length = static_cast<int16_t>(static_cast<uint16_t>(low | (high << 8)));
        pos += 2;
        if (length < 0)
            throw platform::Failure(platform::message(
                QT_TRANSLATE_NOOP("platform", "The language file %1 is damaged: record %2 has the invalid length %3."),
                {"\"" + fileName + "\"", std::to_string(r), std::to_string(length)}));
        if (pos + size_t(length) > fileBytes.size()) { // cut inside the record
            ended();
            break;
        }
        records[r - 1] = fileBytes.substr(pos, size_t(length));
        pos += size_t(length);
    }
    return records;
}

std::string writeRecords(const std::vector<std::string>& records)
{
    if (records.size() != size_t(recordCount))
        throw platform::Failure("A language file needs " + std::to_string(recordCount) + " records, not "
                                + std::to_string(records.size()) + ".");
    std::string out;
    for (size_t i = 0; i < records.size(); ++i) {
        const std::string& text = records[i];
        if (text.size() > size_t(maxRecordBytes))
            throw platform::Failure("Language record " + std::to_string(i + 1) + " is longer than 32,767 bytes.");
        out += char(text.size() & 0xFF);
        out += char((text.size() >> 8) & 0xFF);
        out += text;
    }
    return out;
}

} // namespace langfile
