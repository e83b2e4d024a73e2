#pragma once
// The binary language file: 133 records, each a signed little-endian 16-bit
// byte count followed by that many bytes of text in the ANSI code page. No
// header, no count; anything after the last record is ignored. Plain C++ so
// the packer that writes the files at build time shares it.

#include <cstddef>
#include <string>
#include <vector>

namespace langfile {

constexpr int recordCount = 133;
constexpr int entryCount = 134; // Text134 has no record
constexpr int maxRecordBytes = 32767;
// The most a language file can hold; anything after it is never read.
constexpr size_t maxFileBytes = size_t(recordCount) * (2 + maxRecordBytes);

// Number N of the entry TextN that record r (1-based) fills.
int entryForRecord(int record);

// Record that fills entry N, or 0 for Text134.
int recordForEntry(int entry);

// Text bytes of the 133 records in record order. A record the file ends
// before or inside is empty; endedInRecord, when given, receives the number
// of that first incomplete record, or 0 when all 133 are whole. A negative
// length throws platform::Failure naming fileName and the record.
std::vector<std::string> readRecords(const std::string& fileBytes, const std::string& fileName,
                                     int* endedInRecord = nullptr);

// The file bytes for 133 records (each at most 32,767 bytes); throws
// platform::Failure otherwise.
std::string writeRecords(const std::vector<std::string>& records);

} // namespace langfile
