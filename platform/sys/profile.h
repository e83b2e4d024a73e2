#pragma once
// Profile (INI) files as the program keeps its settings in them: section and
// key names compare case-insensitively; a write edits the one value in place
// and keeps every other line byte for byte, creating the file, its folder and
// the section when they are missing. On Windows the system's profile
// functions do this work; a file in the Windows directory is named to them
// by its bare name ("options.ini"), which they resolve to that directory.

#include <cstddef>
#include <memory>
#include <optional>
#include <string>

namespace platform::file_operations {
class Calls;
}

namespace platform::profile {

// No real settings file comes near this size; a larger one is read as
// absent and never rewritten.
constexpr std::size_t fileLimit = std::size_t(1) << 20;

// The value of key in section, trimmed of surrounding blanks and of one pair
// of matching quotes; nullopt when the file, the section or the key is absent.
std::optional<std::string> readString(const std::string& iniPath, const std::string& section, const std::string& key);

// Same lookup on text already in memory.
std::optional<std::string> findValue(const std::string& iniText, const std::string& section, const std::string& key);

// The text with key set to value (replacing the first such key of the first
// matching section, or appending the key/section).
std::string withValue(const std::string& iniText, const std::string& section, const std::string& key,
                      const std::string& value);

// Writes the value, replacing the file all or nothing (no temporary file is
// left behind); throws platform::Failure when the file cannot be written, or
// cannot be read whole first.
void writeString(const std::string& iniPath, const std::string& section, const std::string& key,
                 const std::string& value);

// The same, replacing the file through the given file operations.
void writeString(const std::string& iniPath, const std::string& section, const std::string& key,
                 const std::string& value, file_operations::Calls& files);

// The file reads and writes of this topic, behind an interface so that
// tests can put other ones in their place.
class Calls {
public:
    virtual ~Calls() = default;
    virtual std::optional<std::string> readString(const std::string& iniPath, const std::string& section,
                                                  const std::string& key) = 0;
    virtual void writeString(const std::string& iniPath, const std::string& section, const std::string& key,
                             const std::string& value) = 0;
};

std::unique_ptr<Calls> makeNative();

} // namespace platform::profile
