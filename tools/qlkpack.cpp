// qlkpack: the translator's tool for language files.
//
//   qlkpack SOURCE.txt OUTPUT.qlk                   pack a UTF-8 source
//   qlkpack --unpack [--code-page N] FILE.qlk OUT    a .qlk back to its source
//   qlkpack --check SOURCE.txt                      list every problem
//
// Packing refuses a missing entry or a character the code page cannot hold
// rather than lose it. Unpacking (code page 1250 unless told) refuses a file
// that would not pack back byte for byte; OUT may be - for standard output.
// Checking lists all missing entries and unstorable characters, then has
// qlkmeasure (beside this program) lay the texts out in the real windows and
// list those too wide for their control. Exit status: 0 clean, 1 problems,
// 2 wrong use.

#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "languages/language_file.h"
#include "languages/language_source.h"
#include "platform/failure.h"

namespace {

int usage()
{
    std::cerr << "usage: qlkpack SOURCE.txt OUTPUT.qlk\n"
                 "       qlkpack --unpack [--code-page N] FILE.qlk OUTPUT.txt|-\n"
                 "       qlkpack --check SOURCE.txt\n";
    return 2;
}

std::string readAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) throw platform::Failure("cannot read " + path + ": " + std::strerror(errno));
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (in.bad()) throw platform::Failure("cannot read " + path);
    return bytes.str();
}

// Writes the whole file or removes what it began.
void writeAll(const std::string& path, const std::string& bytes)
{
    if (path == "-") {
        std::cout << bytes << std::flush;
        if (!std::cout) throw platform::Failure("cannot write to standard output");
        return;
    }
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out || !(out << bytes) || !out.flush()) {
        std::remove(path.c_str());
        throw platform::Failure("cannot write " + path);
    }
}

langsource::Source parseFile(const std::string& path)
{
    std::istringstream text(readAll(path));
    return langsource::parse(text, path);
}

// The measuring tool installed beside this one.
std::string measurerPath()
{
    char self[4096];
    const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
    if (length <= 0) return {};
    std::string folder(self, size_t(length));
    folder.erase(folder.rfind('/') + 1);
    return folder + "qlkmeasure";
}

// qlkmeasure's exit status for the source: 0 all fit, 1 some do not (it
// has listed them), 2 it could not measure.
int measure(const std::string& sourcePath)
{
    const std::string tool = measurerPath();
    if (tool.empty() || access(tool.c_str(), X_OK) != 0) {
        std::cout << "qlkpack: qlkmeasure is not beside qlkpack (" << tool
                  << "), so the fit of the texts was not checked\n";
        return 2;
    }
    std::cout << std::flush;
    const pid_t child = fork();
    if (child < 0) throw platform::Failure(std::string("cannot start qlkmeasure: ") + std::strerror(errno));
    if (child == 0) {
        execl(tool.c_str(), tool.c_str(), sourcePath.c_str(), static_cast<char*>(nullptr));
        std::fprintf(stderr, "qlkpack: cannot start %s: %s\n", tool.c_str(), std::strerror(errno));
        _exit(2);
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0)
        if (errno != EINTR) throw platform::Failure(std::string("qlkmeasure was lost: ") + std::strerror(errno));
    if (!WIFEXITED(status)) {
        std::cout << "qlkpack: qlkmeasure did not finish, so the fit of the texts was not checked\n";
        return 2;
    }
    return WEXITSTATUS(status);
}

int check(const std::string& sourcePath)
{
    const langsource::Source source = parseFile(sourcePath);
    const std::vector<std::string> found = langsource::problems(source, sourcePath);
    for (const std::string& problem : found) std::cout << problem << "\n";
    // Texts are measured as packed; without a code page there is nothing to pack.
    const int fit = source.codePage == 0 ? 0 : measure(sourcePath);
    return found.empty() && fit == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[])
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    try {
        if (!args.empty() && args[0] == "--check") {
            if (args.size() != 2) return usage();
            return check(args[1]);
        }
        if (!args.empty() && args[0] == "--unpack") {
            int codePage = 1250;
            size_t next = 1;
            if (args.size() > 2 && args[1] == "--code-page") {
                codePage = std::atoi(args[2].c_str());
                if (codePage <= 0) return usage();
                next = 3;
            }
            if (args.size() != next + 2) return usage();
            writeAll(args[next + 1], langsource::unpack(readAll(args[next]), codePage, args[next]));
            return 0;
        }
        if (args.size() != 2 || args[0].rfind("--", 0) == 0) return usage();
        writeAll(args[1], langfile::writeRecords(langsource::encode(parseFile(args[0]), args[0])));
        return 0;
    } catch (const std::exception& error) {
        std::cerr << "qlkpack: " << error.what() << "\n";
        return 1;
    }
}
