#include "platform/sys/linux/programs_linux.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "platform/sys/linux/descriptor.h"

extern char** environ;

namespace platform::linuxsys {
namespace {

// The argument vector of a program: its path, then the arguments.
class ArgumentVector {
public:
    ArgumentVector(const std::string& path, const std::vector<std::string>& arguments) : texts_(arguments)
    {
        texts_.insert(texts_.begin(), path);
        for (std::string& text : texts_) pointers_.push_back(text.data());
        pointers_.push_back(nullptr);
    }
    char* const* get() { return pointers_.data(); }

private:
    std::vector<std::string> texts_;
    std::vector<char*> pointers_;
};

// A started program begins with every signal at its default and none
// blocked, whatever this process changed for itself.
class SpawnAttributes {
public:
    SpawnAttributes()
    {
        posix_spawnattr_init(&attributes_);
        sigset_t all, none;
        sigfillset(&all);
        sigemptyset(&none);
        posix_spawnattr_setsigdefault(&attributes_, &all);
        posix_spawnattr_setsigmask(&attributes_, &none);
        posix_spawnattr_setflags(&attributes_, POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);
    }
    ~SpawnAttributes() { posix_spawnattr_destroy(&attributes_); }
    const posix_spawnattr_t* get() const { return &attributes_; }

private:
    posix_spawnattr_t attributes_;
};

class FileActions {
public:
    FileActions()
    {
        posix_spawn_file_actions_init(&actions_);
        posix_spawn_file_actions_addopen(&actions_, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    }
    ~FileActions() { posix_spawn_file_actions_destroy(&actions_); }
    void writeTo(int from, int fd) { posix_spawn_file_actions_adddup2(&actions_, from, fd); }
    const posix_spawn_file_actions_t* get() const { return &actions_; }

private:
    posix_spawn_file_actions_t actions_;
};

int spawn(pid_t& pid, const std::string& path, const std::vector<std::string>& arguments, const FileActions& actions)
{
    ArgumentVector argv(path, arguments);
    const SpawnAttributes attributes;
    return posix_spawn(&pid, path.c_str(), actions.get(), attributes.get(), argv.get(), environ);
}

int waitFor(pid_t pid)
{
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return status;
}

// Whether the child has ended, without collecting it.
bool hasEnded(pid_t pid)
{
    siginfo_t info{};
    return ::waitid(P_PID, id_t(pid), &info, WEXITED | WNOHANG | WNOWAIT) == 0 && info.si_pid == pid;
}

} // namespace

bool isExecutableFile(const std::string& path)
{
    struct stat info {};
    return !path.empty() && ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode)
        && ::access(path.c_str(), X_OK) == 0;
}

std::string findProgram(const std::string& name, const std::vector<std::string>& folders)
{
    if (name.empty()) return {};
    if (name.find('/') != std::string::npos) return isExecutableFile(name) ? name : std::string();
    for (const std::string& folder : folders) {
        if (folder.empty()) continue;
        const std::string path = folder.back() == '/' ? folder + name : folder + "/" + name;
        if (isExecutableFile(path)) return path;
    }
    return {};
}

int startDetached(const std::string& path, const std::vector<std::string>& arguments)
{
    pid_t pid = 0;
    if (const int error = spawn(pid, path, arguments, FileActions())) return error;
    // The program is this process's child: someone must collect its end, or
    // it would stay behind as a zombie for as long as this program runs.
    std::thread([pid] { waitFor(pid); }).detach();
    return 0;
}

Finished runToEnd(const std::string& path, const std::vector<std::string>& arguments, std::chrono::milliseconds bound)
{
    Finished finished;
    int out[2], err[2];
    if (::pipe2(out, O_CLOEXEC) != 0) {
        finished.errors = std::strerror(errno);
        return finished;
    }
    Descriptor outRead(out[0]), outWrite(out[1]);
    if (::pipe2(err, O_CLOEXEC) != 0) {
        finished.errors = std::strerror(errno);
        return finished;
    }
    Descriptor errRead(err[0]), errWrite(err[1]);
    FileActions actions;
    actions.writeTo(outWrite.fd, STDOUT_FILENO);
    actions.writeTo(errWrite.fd, STDERR_FILENO);
    pid_t pid = 0;
    if (const int error = spawn(pid, path, arguments, actions)) {
        finished.inTime = true;
        finished.errors = std::strerror(error);
        return finished;
    }
    for (Descriptor* end : {&outWrite, &errWrite}) {
        ::close(end->fd);
        end->fd = -1;
    }
    // The program's end is what counts, not the end of its output: a
    // program may leave a helper behind that holds the pipes open.
    Descriptor ended(int(::syscall(SYS_pidfd_open, pid, 0)));

    const auto deadline = std::chrono::steady_clock::now() + bound;
    pollfd fds[3] = {{outRead.fd, POLLIN, 0}, {errRead.fd, POLLIN, 0}, {ended.fd, POLLIN, 0}};
    std::string* into[2] = {&finished.output, &finished.errors};
    bool exited = false;
    for (;;) {
        int wait = 0; // once it ended, only what is left in the pipes
        if (!exited) {
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
            if (left.count() <= 0) break;
            // Without a process descriptor (an old kernel) its end is
            // looked for every 20 ms.
            wait = int(ended.fd >= 0 ? left.count() : std::min<long long>(left.count(), 20));
        }
        const int ready = ::poll(fds, 3, wait);
        if (ready < 0 && errno == EINTR) continue;
        if (ready < 0) break;
        bool read = false;
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || fds[i].revents == 0) continue;
            char buffer[4096];
            const ssize_t n = ::read(fds[i].fd, buffer, sizeof buffer);
            if (n > 0) {
                into[i]->append(buffer, std::size_t(n));
                read = true;
            } else if (n == 0 || errno != EINTR) {
                fds[i].fd = -1;
            }
        }
        if (exited && !read) break;
        if (!exited) exited = ended.fd >= 0 ? (fds[2].revents & POLLIN) != 0 : hasEnded(pid);
        if (exited) fds[2].fd = -1;
    }
    finished.inTime = exited;
    if (!exited) ::kill(pid, SIGKILL);
    const int status = waitFor(pid);
    finished.succeeded = exited && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return finished;
}

} // namespace platform::linuxsys
