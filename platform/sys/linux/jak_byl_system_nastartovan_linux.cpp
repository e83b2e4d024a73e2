#include "platform/sys/linux/jak_byl_system_nastartovan_linux.h"

#include <cerrno>
#include <csignal>
#include <ctime>
#include <fcntl.h>
#include <set>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "platform/sys/jak_byl_system_nastartovan.h"
#include "platform/sys/ostatni_api.h"
#include "platform/sys/whole_file.h"

extern char** environ;

namespace platform::Jak_byl_system_nastartovan {

namespace linuxsys {

namespace {

// Words of a command line; double quotes keep blanks inside one word, as
// the kernel's parser does.
std::vector<std::string> words(const std::string& line)
{
    std::vector<std::string> result;
    std::string word;
    bool quoted = false;
    bool inWord = false;
    for (char c : line) {
        if (c == '"') {
            quoted = !quoted;
            inWord = true;
        } else if (!quoted && (c == ' ' || c == '\t' || c == '\n' || c == '\0')) {
            if (inWord) result.push_back(word);
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord) result.push_back(word);
    return result;
}

} // namespace

bool commandLineAsksForSingleUser(const std::string& commandLine)
{
    // Words init reads as a request for single-user, rescue or emergency
    // mode (systemd and SysV init).
    static const std::set<std::string> singleUserWords{"single", "s", "S", "1", "-s", "-b", "emergency", "rescue"};
    static const std::set<std::string> singleUserUnits{"rescue.target", "emergency.target", "rescue", "emergency"};
    static const std::string unitKey = "systemd.unit=";
    for (const std::string& word : words(commandLine)) {
        // What follows a lone "--" are options of init itself, where a
        // bare "1" may be the value of some other option.
        if (word == "--") break;
        if (singleUserWords.count(word)) return true;
        if (word.compare(0, unitKey.size(), unitKey) == 0 && singleUserUnits.count(word.substr(unitKey.size())))
            return true;
    }
    return false;
}

int startModeFor(const std::string& commandLine, bool rescueOrEmergencyActive)
{
    return rescueOrEmergencyActive || commandLineAsksForSingleUser(commandLine) ? FailSafe : Normal;
}

} // namespace linuxsys

namespace {

// Asks systemd whether its rescue or emergency target is active. Without
// systemd, or when systemctl does not answer within two seconds, neither is.
bool rescueOrEmergencyTargetActive()
{
    struct stat info {};
    if (stat("/run/systemd/system", &info) != 0 || !S_ISDIR(info.st_mode)) return false;

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    char arg0[] = "systemctl", arg1[] = "is-active", arg2[] = "--quiet", arg3[] = "rescue.target",
         arg4[] = "emergency.target";
    char* argv[] = {arg0, arg1, arg2, arg3, arg4, nullptr};
    pid_t child = 0;
    const int spawned = posix_spawnp(&child, "systemctl", &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) return false;

    const timespec pause{0, 10 * 1000 * 1000};
    for (int waited = 0; waited < 200; ++waited) {
        int status = 0;
        const pid_t done = waitpid(child, &status, WNOHANG);
        if (done == child) return WIFEXITED(status) && WEXITSTATUS(status) == 0;
        if (done < 0 && errno != EINTR) return false;
        nanosleep(&pause, nullptr);
    }
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    return false;
}

class LinuxCalls : public Calls {
public:
    int startMode() override
    {
        std::string commandLine;
        try {
            commandLine = ostatni_API::readWholeFile("/proc/cmdline", whole_file::systemTextLimit);
        } catch (const std::exception&) {
            // No kernel command line to read (a restricted /proc): only the
            // running targets can tell.
        }
        return linuxsys::startModeFor(commandLine, rescueOrEmergencyTargetActive());
    }
};

} // namespace

std::unique_ptr<Calls> makeNative() { return std::make_unique<LinuxCalls>(); }

} // namespace platform::Jak_byl_system_nastartovan
