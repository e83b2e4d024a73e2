// Throughput of the file operations against cp and mv, and the time the
// notes window takes to open a 20 MB CP1250 note.
//
// How to run (root, for the two tmpfs mounts), after a build:
//     sh bench/file_ops_bench.sh [build folder] [GiB]
// The script compiles this file against the build's libraries and runs it
// as: file_ops_bench <work folder> <bytes>. The work folder must hold two
// mounted tmpfs folders "a" and "b" (the script mounts and unmounts them)
// and lie itself on a disk file system.

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QPushButton>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <unistd.h>
#include <vector>

#include "platform/fakes/fake_services.h"
#include "platform/fakes/fake_system_calls.h"
#include "platform/sys/codepage.h"
#include "platform/sys/file_operations.h"
#include "sections/notes/frm_poznamky.h"

namespace fo = platform::file_operations;

namespace {

double seconds(const std::function<void()>& work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void shell(const std::string& command)
{
    if (std::system(command.c_str()) != 0) {
        std::fprintf(stderr, "failed: %s\n", command.c_str());
        std::exit(1);
    }
}

std::string q(const std::string& path) { return "'" + path + "'"; }

void makeFile(const std::string& path, unsigned long long bytes)
{
    shell("head -c " + std::to_string(bytes) + " /dev/urandom > " + q(path));
}

// Best of `rounds`: `prepare` (not timed) and then `work` (timed).
double best(int rounds, const std::function<void()>& prepare, const std::function<void()>& work)
{
    double fastest = 1e9;
    for (int i = 0; i < rounds; ++i) {
        prepare();
        fastest = std::min(fastest, seconds(work));
    }
    return fastest;
}

void report(const char* what, unsigned long long bytes, double ours, double theirs, const char* tool)
{
    const double mib = double(bytes) / (1 << 20);
    std::printf("%-34s ours %7.3f s (%7.0f MiB/s)  %-10s %7.3f s (%7.0f MiB/s)  ratio %.2f\n", what, ours, mib / ours,
                tool, theirs, mib / theirs, theirs / ours);
}

void copyBench(const std::string& folder, unsigned long long bytes, const char* what, bool syncBaseline)
{
    const std::string source = folder + "/source", target = folder + "/target";
    makeFile(source, bytes);
    auto clean = [&] { ::unlink(target.c_str()); };
    const double ours = best(3, clean, [&] { fo::copyFile(source, target); });
    const double cp = best(3, clean, [&] { shell("cp " + q(source) + " " + q(target)); });
    report(what, bytes, ours, cp, "cp");
    if (syncBaseline) {
        const double cpSync =
            best(3, clean, [&] { shell("cp " + q(source) + " " + q(target) + " && sync " + q(target)); });
        report(what, bytes, ours, cpSync, "cp+sync");
    }
    clean();
    ::unlink(source.c_str());
}

void moveBench(const std::string& from, const std::string& to, unsigned long long bytes)
{
    const std::string original = from + "/original", source = from + "/source", target = to + "/target";
    makeFile(original, bytes);
    auto prepare = [&] {
        ::unlink(target.c_str());
        shell("cp " + q(original) + " " + q(source));
    };
    const double ours = best(3, prepare, [&] { fo::moveFile(source, target); });
    const double mv = best(3, prepare, [&] { shell("mv " + q(source) + " " + q(target)); });
    report("move across tmpfs mounts", bytes, ours, mv, "mv");
    ::unlink(target.c_str());
    ::unlink(original.c_str());
}

// About 20 MB of Czech text in code page 1250, CR LF line breaks.
std::string czechNote(size_t bytes)
{
    const std::string line =
        platform::codepage::fromUtf8("Příliš žluťoučký kůň úpěl ďábelské ódy; řádek poznámky číslo ", 1250).bytes;
    std::string text;
    text.reserve(bytes + 100);
    for (int n = 0; text.size() < bytes; ++n) text += line + std::to_string(n) + "\r\n";
    return text;
}

void notesBench(const std::string& folder)
{
    const std::string path = folder + "/note.txt";
    fo::replaceFile(path, czechNote(20 << 20));
    Form1 table;
    platform::fakes::FakeServices fakes;
    platform::fakes::FakeSystemCalls system;
    Configuration config;
    config.codePage = 1250;
    AppContext context{table, fakes.view(), [] {}, system.view(), config};
    frm_poznamky window(context);
    window.show();
    QApplication::processEvents();
    fakes.fileDialogs.answers = {QString::fromStdString(path)};
    auto* open = window.findChild<QPushButton*>(QStringLiteral("Command3"));
    QElapsedTimer timer;
    timer.start();
    open->click();
    const double clicked = timer.nsecsElapsed() / 1e9;
    window.repaint(); // the first screenful drawn
    QApplication::processEvents();
    const double painted = timer.nsecsElapsed() / 1e9;
    const auto* box = window.findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
    std::printf("open a 20 MB CP1250 note           handler %.3f s, shown %.3f s (%d lines)\n", clicked, painted,
                box->blockCount());
    ::unlink(path.c_str());
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <work folder with tmpfs a and b> <bytes>\n", argv[0]);
        return 2;
    }
    const std::string work = argv[1];
    const unsigned long long bytes = std::strtoull(argv[2], nullptr, 10);
    copyBench(work + "/a", bytes, "copy on tmpfs", false);
    copyBench(work + "/disk", bytes, "copy on disk", true);
    moveBench(work + "/a", work + "/b", bytes);
    notesBench(work + "/a");
    return 0;
}
