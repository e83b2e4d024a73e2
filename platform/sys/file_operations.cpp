// The parts of the file operations that are the same on every OS: the
// public functions without a write function of their own, and the calls
// the windows are given.

#include "platform/sys/file_operations.h"

#include "platform/sys/file_operations_backend.h"

namespace platform::file_operations {

void copyFile(const std::string& source, const std::string& destination)
{
    backend::copyFile(source, destination, {});
}

void moveFile(const std::string& source, const std::string& destination)
{
    backend::moveFile(source, destination, {});
}

void replaceFile(const std::string& path, const std::string& bytes)
{
    backend::replaceFile(path, bytes, {});
}

namespace {

class NativeCalls : public Calls {
public:
    explicit NativeCalls(WriteFunction write) : write_(std::move(write)) {}
    void copyFile(const std::string& source, const std::string& destination) override
    {
        backend::copyFile(source, destination, write_);
    }
    void moveFile(const std::string& source, const std::string& destination) override
    {
        backend::moveFile(source, destination, write_);
    }
    void deleteFile(const std::string& path, bool force) override { file_operations::deleteFile(path, force); }
    void createFolders(const std::string& path) override { file_operations::createFolders(path); }
    std::string readOrCreate(const std::string& path) override { return file_operations::readOrCreate(path); }
    void adviseWholeFileBuffer(void* data, std::size_t size) override
    {
        file_operations::adviseWholeFileBuffer(data, size);
    }
    void replaceFile(const std::string& path, const std::string& bytes) override
    {
        backend::replaceFile(path, bytes, write_);
    }

private:
    WriteFunction write_;
};

} // namespace

std::unique_ptr<Calls> makeNative(WriteFunction write)
{
    return std::make_unique<NativeCalls>(std::move(write));
}

} // namespace platform::file_operations
