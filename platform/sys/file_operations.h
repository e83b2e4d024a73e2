#pragma once
// Copying, moving and deleting the user's files, and reading and replacing
// whole files. Paths are taken exactly as given (blanks kept); an empty path
// is a failure. Every failure is a platform::Failure that names the path and
// the reason.
//
// Nothing the user had is lost on the way: a copy and a replaced file are
// written to a temporary file beside the destination (unnamed where the
// file system allows, so that even a kill leaves nothing) and only then put
// into place, so a failed write (disk full, permission) leaves an existing
// destination as it was and no partial file behind. Where an existing file
// is replaced, the new data is flushed to disk first; a copy to a new name
// has nothing to lose and is not flushed (as with cp). A move across file
// systems copies, flushes, and removes the source last.
//
// A replaced file keeps its owner and group (as far as the process may set
// them), its permission bits and its extended attributes. One with more
// than one name (hard links) is written into, once the new content is
// complete in the temporary file, so that every name shows it. A device,
// FIFO or socket is never a destination.

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <sys/types.h>

#include "platform/sys/wildcard.h" // wildcardMatch

namespace platform::file_operations {

// Copies a file; an existing destination file is replaced. A destination
// that ends with a separator or names a folder receives the file under its
// own name. '*' and '?' in the last part of the source copy every matching
// file into the destination folder; none matching is a failure. A file is
// never copied onto itself. A destination that is a symbolic link to an
// existing file is written through; a link that points nowhere is refused,
// never replaced. Only regular files are copied: a FIFO, a device or a
// socket is refused at once, without waiting on it. Exactly the bytes read
// are written; a source that changes while it is copied is a failure.
// A source that exists under its name, '*' or '?' and all, is that file
// alone. When one match fails, the message also names those done before.
void copyFile(const std::string& source, const std::string& destination);

// Moves a file; fails when the destination exists. Folder destinations and
// wildcards as for copyFile. A symbolic link stays a link, also on another
// file system.
void moveFile(const std::string& source, const std::string& destination);

// Deletes a file (every match of '*' and '?' in the last part). Without
// force a read-only file is refused; with force it is deleted too.
void deleteFile(const std::string& path, bool force);

// Creates a folder and every missing folder above it; an existing folder
// is fine.
void createFolders(const std::string& path);

// Reads a whole regular file of at most noteFileLimit bytes; a file that
// does not exist is created empty. A larger file, a folder, a FIFO or a
// device is a failure (nothing is read in part).
constexpr std::size_t noteFileLimit = std::size_t(512) << 20;
std::string readOrCreate(const std::string& path);

// Asks the system to back a large buffer for a whole file's content, not
// yet written to, with large memory pages: filling it then costs far fewer
// page faults. Advice only; small buffers and refusals are ignored.
void adviseWholeFileBuffer(void* data, std::size_t size);

// Replaces (or creates) a file with the given bytes, all or nothing. An
// existing file keeps its attributes, as above. A symbolic link is written
// through; one that points nowhere is refused, as by copyFile.
void replaceFile(const std::string& path, const std::string& bytes);

// Whether the last part of a path holds '*' or '?'.
bool hasWildcards(const std::string& path);

// Reads the process's file-creation mask, which new files' permission bits
// follow. Reading it sets it for a moment, so the program does so once at
// start-up, before other threads run. Nothing to do where the system keeps
// no such mask (Windows).
void readUmaskOnce();

// Writes bytes to a C library descriptor, like the C library's write: the
// count written, or -1 with errno set.
using WriteFunction = std::function<ssize_t(int fd, const void* data, std::size_t size)>;

// The operations a window asks for, behind an interface so that tests can
// put other ones in their place; the native ones are the functions above.
class Calls {
public:
    virtual ~Calls() = default;
    virtual void copyFile(const std::string& source, const std::string& destination) = 0;
    virtual void moveFile(const std::string& source, const std::string& destination) = 0;
    virtual void deleteFile(const std::string& path, bool force) = 0;
    virtual void createFolders(const std::string& path) = 0;
    virtual std::string readOrCreate(const std::string& path) = 0;
    virtual void adviseWholeFileBuffer(void* data, std::size_t size) = 0;
    virtual void replaceFile(const std::string& path, const std::string& bytes) = 0;
};

// The native operations. With `write` set, every data write of copies,
// moves and replaced files goes through it (one that fails part-way stands
// for a device that fills up); empty, the system's own fast paths serve.
std::unique_ptr<Calls> makeNative(WriteFunction write = {});

} // namespace platform::file_operations
