// Copy, move and delete of the user's files, and whole-file read and
// replace: the semantics, and that nothing is lost when a write fails.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/xattr.h>
#include <unistd.h>

#include "platform/failure.h"
#include "platform/sys/file_operations.h"
#include "tests/support/file_operation_cases.h"
#include "tests/support/test_support.h"

namespace fo = platform::file_operations;
using testing::readFile;
using testing::writeFile;

namespace {

std::string s(const QString& path) { return path.toStdString(); }

// The failure message of an operation, or "" when it succeeded.
QString failureOf(const std::function<void()>& operation)
{
    try {
        operation();
    } catch (const platform::Failure& failure) {
        return QString::fromStdString(failure.what());
    }
    return QString();
}

// Names in a folder, hidden ones (temporary files) included.
QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

std::string bytesOf(size_t size, char fill) { return std::string(size, fill); }

// File operations on a device that fills up after `budget` bytes.
std::unique_ptr<fo::Calls> fillingDevice(size_t budget) { return fo::makeNative(testing::fillingDevice(budget)); }

// A size-limited tmpfs mounted for one test, unmounted at its end.
struct SmallTmpfs {
    explicit SmallTmpfs(const QString& where, const char* size) : path(where)
    {
        QDir().mkpath(where);
        const std::string options = std::string("size=") + size;
        mounted = ::mount("tmpfs", s(where).c_str(), "tmpfs", 0, options.c_str()) == 0;
        error = mounted ? 0 : errno;
    }
    ~SmallTmpfs()
    {
        if (mounted) ::umount2(s(path).c_str(), MNT_DETACH);
    }
    QString path;
    bool mounted = false;
    int error = 0;
};

dev_t deviceOf(const QString& path)
{
    struct stat st {};
    return ::stat(s(path).c_str(), &st) == 0 ? st.st_dev : dev_t(-1);
}

mode_t typeOf(const QString& path)
{
    struct stat st {};
    return ::lstat(s(path).c_str(), &st) == 0 ? st.st_mode & S_IFMT : 0;
}

} // namespace

class FileOperationsTest : public QObject {
    Q_OBJECT
private slots:
    // The table every backend passes alike (the Windows build runs it under Wine).
    void sharedCases_data()
    {
        QTest::addColumn<int>("index");
        const auto& cases = testing::fileOperationCases();
        for (size_t i = 0; i < cases.size(); ++i) QTest::newRow(cases[i].name) << int(i);
    }
    void sharedCases()
    {
        QFETCH(int, index);
        QTemporaryDir dir;
        const std::string problem =
            testing::runFileOperationCase(testing::fileOperationCases()[size_t(index)], s(dir.path()));
        QVERIFY2(problem.empty(), problem.c_str());
    }

    void copyPutsTheFileWhereTheDestinationSays_data()
    {
        QTest::addColumn<QString>("destination"); // relative to the folder; "<d>" = the subfolder
        QTest::addColumn<QString>("expected");
        // The rest of the destinations are rows of the shared table above.
        QTest::newRow("folder with separator") << "<d>/"
                                               << "sub/a.txt";
        QTest::newRow("blanks kept") << " copy.txt "
                                     << " copy.txt ";
        const QString longest = QString(127, QChar(0x159)) + 'x'; // 255 bytes, the system's limit
        QTest::newRow("name of 255 bytes") << longest << longest;
    }
    void copyPutsTheFileWhereTheDestinationSays()
    {
        QFETCH(QString, destination);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("sub")));
        writeFile(dir.filePath("a.txt"), "new content");
        writeFile(dir.filePath("old.txt"), "old content that is longer");
        destination.replace(QStringLiteral("<d>"), QStringLiteral("sub"));

        fo::copyFile(s(dir.filePath("a.txt")), s(dir.path() + "/" + destination));

        QCOMPARE(readFile(dir.filePath(expected)), std::string("new content"));
        QCOMPARE(readFile(dir.filePath("a.txt")), std::string("new content"));
        for (const QString& name : entries(dir.path())) QVERIFY2(!name.contains("quelmarn"), qPrintable(name));
    }

    // A new copy takes the source's permission bits; a replaced file keeps
    // its own, as with cp.
    void copyKeepsThePermissionBitsAndReplacesThroughALink()
    {
        QTemporaryDir dir;
        writeFile(dir.filePath("tool"), "#!/bin/sh\n");
        QVERIFY(::chmod(s(dir.filePath("tool")).c_str(), 0750) == 0);
        writeFile(dir.filePath("target"), "old");
        QVERIFY(::chmod(s(dir.filePath("target")).c_str(), 0604) == 0);
        QVERIFY(QFile::link(dir.filePath("target"), dir.filePath("link")));
        fo::copyFile(s(dir.filePath("tool")), s(dir.filePath("link")));
        fo::copyFile(s(dir.filePath("tool")), s(dir.filePath("new")));
        QVERIFY(QFileInfo(dir.filePath("link")).isSymLink());
        QCOMPARE(readFile(dir.filePath("target")), std::string("#!/bin/sh\n"));
        struct stat st {};
        QVERIFY(::stat(s(dir.filePath("target")).c_str(), &st) == 0);
        QCOMPARE(int(st.st_mode & 0777), 0604);
        QVERIFY(::stat(s(dir.filePath("new")).c_str(), &st) == 0);
        QCOMPARE(int(st.st_mode & 0777), 0750);
    }

    // A replaced file stays what it was: owner, mode, extended attributes,
    // and every name it has.
    void replacingKeepsWhatTheFileIs_data()
    {
        QTest::addColumn<bool>("save"); // replaceFile, else copyFile
        QTest::addColumn<int>("names");
        QTest::newRow("copy over a file") << false << 1;
        QTest::newRow("copy over a file with two names") << false << 2;
        QTest::newRow("save over a file") << true << 1;
        QTest::newRow("save over a file with two names") << true << 2;
    }
    void replacingKeepsWhatTheFileIs()
    {
        QFETCH(bool, save);
        QFETCH(int, names);
        QTemporaryDir dir;
        const std::string target = s(dir.filePath("target"));
        writeFile(dir.filePath("target"), "old content, longer than the new");
        writeFile(dir.filePath("source"), "new");
        QVERIFY(::chmod(target.c_str(), 0640) == 0);
        // An owner only root can give, an attribute where the file system keeps them.
        const bool root = ::geteuid() == 0, attributes = ::setxattr(target.c_str(), "user.a", "kept", 4, 0) == 0;
        if (root) QVERIFY(::chown(target.c_str(), 65534, 65534) == 0);
        if (names == 2) QVERIFY(::link(target.c_str(), s(dir.filePath("second")).c_str()) == 0);
        if (save)
            fo::replaceFile(target, "new");
        else
            fo::copyFile(s(dir.filePath("source")), target);
        QCOMPARE(readFile(dir.filePath("target")) + readFile(dir.filePath(names == 2 ? "second" : "target")),
                 std::string("newnew"));
        struct stat st {};
        QVERIFY(::stat(target.c_str(), &st) == 0);
        QCOMPARE(std::make_pair(int(st.st_mode & 07777), int(st.st_nlink)), std::make_pair(0640, names));
        if (root) QCOMPARE(std::make_pair(st.st_uid, st.st_gid), std::make_pair(uid_t(65534), gid_t(65534)));
        char value[8] = {};
        if (attributes) QCOMPARE(::getxattr(target.c_str(), "user.a", value, sizeof value), ssize_t(4));
        QCOMPARE(entries(dir.path()).size(), names + 1);
    }

    // Exactly the bytes read are written; a source that changes while it
    // is copied is a failure that leaves nothing. Meanwhile no named file
    // shows beside the destination (where the file system can write an
    // unnamed one), so that a kill leaves none either.
    void copyWritesExactlyWhatWasRead_data()
    {
        QTest::addColumn<int>("change"); // bytes the source loses (< 0) or gains during the copy
        QTest::newRow("source cut short") << -(9 << 20);
        QTest::newRow("source grown") << (1 << 20);
        QTest::newRow("source unchanged") << 0;
    }
    void copyWritesExactlyWhatWasRead()
    {
        QFETCH(int, change);
        QTemporaryDir dir;
        const std::string source = s(dir.filePath("source"));
        writeFile(dir.filePath("source"), bytesOf(10 << 20, 's'));
        auto seen = std::make_shared<QStringList>();
        const auto changing = fo::makeNative([=, folder = dir.path()](int fd, const void* data, size_t size) {
            if (seen->isEmpty() && change != 0) ::truncate(source.c_str(), (10 << 20) + change);
            if (seen->isEmpty()) *seen = entries(folder);
            return ::write(fd, data, size);
        });
        const QString message = failureOf([&] { changing->copyFile(source, s(dir.filePath("copy"))); });
        if (const int probe = ::open(s(dir.path()).c_str(), O_TMPFILE | O_WRONLY, 0600);
            probe >= 0 && ::close(probe) == 0)
            QCOMPARE(*seen, QStringList{"source"}); // a file system with unnamed files
        QVERIFY2(message.contains(change == 0 ? "" : "changed while it was being copied"), qPrintable(message));
        QCOMPARE(entries(dir.path()), change == 0 ? (QStringList{"copy", "source"}) : QStringList{"source"});
        // Most of /sys states a size of a page for a few bytes of text.
        const QString stated = QStringLiteral("/sys/kernel/mm/transparent_hugepage/enabled");
        if (change != 0 || !QFile::exists(stated)) return;
        fo::copyFile(s(stated), s(dir.filePath("stated")));
        QCOMPARE(readFile(dir.filePath("stated")), readFile(stated));
    }

    void copyOntoItselfIsRefusedAndTouchesNothing_data()
    {
        QTest::addColumn<QString>("destination");
        QTest::newRow("same path") << "a.txt";
        QTest::newRow("its own folder") << ".";
        QTest::newRow("a hard link") << "hard.txt";
    }
    void copyOntoItselfIsRefusedAndTouchesNothing()
    {
        QFETCH(QString, destination);
        QTemporaryDir dir;
        writeFile(dir.filePath("a.txt"), "precious");
        QVERIFY(::link(s(dir.filePath("a.txt")).c_str(), s(dir.filePath("hard.txt")).c_str()) == 0);
        const QString message =
            failureOf([&] { fo::copyFile(s(dir.filePath("a.txt")), s(dir.filePath(destination))); });
        QVERIFY(message.contains(QStringLiteral("onto itself")));
        QCOMPARE(readFile(dir.filePath("a.txt")), std::string("precious"));
        QCOMPARE(entries(dir.path()), (QStringList{"a.txt", "hard.txt"}));
    }

    void failuresNameThePathAndTheReason_data()
    {
        QTest::addColumn<int>("operation"); // 0 copy, 1 move, 2 delete, 3 save
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("destination");
        QTest::addColumn<QString>("named");
        QTest::addColumn<QString>("reason");
        QTest::newRow("copy missing file") << 0 << "missing"
                                           << "x"
                                           << "missing"
                                           << "No such file";
        QTest::newRow("copy a folder") << 0 << "folder"
                                       << "x"
                                       << "folder"
                                       << "is a folder";
        QTest::newRow("copy into missing folder") << 0 << "file"
                                                  << "nowhere/"
                                                  << "nowhere/"
                                                  << "not an existing folder";
        QTest::newRow("copy to missing path") << 0 << "file"
                                              << "nowhere/x"
                                              << "nowhere/x"
                                              << "No such file";
        QTest::newRow("copy over a folder's file") << 0 << "file"
                                                   << "folder2"
                                                   << "folder2/file"
                                                   << "is a folder";
        QTest::newRow("copy over read-only") << 0 << "file"
                                             << "readonly"
                                             << "readonly"
                                             << "read-only";
        QTest::newRow("copy no match") << 0 << "*.none"
                                       << "folder"
                                       << "*.none"
                                       << "No file matches";
        QTest::newRow("copy onto a link to nowhere") << 0 << "file"
                                                     << "dangling"
                                                     << "dangling"
                                                     << "does not exist";
        QTest::newRow("copy matches into a file") << 0 << "fi?e"
                                                  << "readonly"
                                                  << "readonly"
                                                  << "not an existing folder";
        QTest::newRow("move empty source") << 1 << ""
                                           << "x"
                                           << ""
                                           << "empty";
        QTest::newRow("move missing file") << 1 << "missing"
                                           << "x"
                                           << "missing"
                                           << "No such file";
        QTest::newRow("move onto existing") << 1 << "file"
                                            << "readonly"
                                            << "readonly"
                                            << "already exists";
        QTest::newRow("move a folder") << 1 << "folder"
                                       << "x"
                                       << "folder"
                                       << "is a folder";
        QTest::newRow("delete missing") << 2 << "missing"
                                        << ""
                                        << "missing"
                                        << "No such file";
        QTest::newRow("delete a folder") << 2 << "folder"
                                         << ""
                                         << "folder"
                                         << "is a folder";
        QTest::newRow("delete no match") << 2 << "*.none"
                                         << ""
                                         << "*.none"
                                         << "No file matches";
        QTest::newRow("copy onto a FIFO") << 0 << "file"
                                          << "pipe"
                                          << "pipe"
                                          << "is a FIFO (named pipe), not a regular file";
        QTest::newRow("copy onto a socket") << 0 << "file"
                                            << "socket"
                                            << "socket"
                                            << "is a socket, not a regular";
        QTest::newRow("copy onto a device") << 0 << "file"
                                            << "device"
                                            << "device"
                                            << "is a device, not a regular";
        QTest::newRow("save onto a FIFO") << 3 << "pipe"
                                          << ""
                                          << "pipe"
                                          << "is a FIFO (named pipe), not a regular file";
        QTest::newRow("save onto a device") << 3 << "device"
                                            << ""
                                            << "device"
                                            << "is a device, not a regular";
        QTest::newRow("save over read-only") << 3 << "readonly"
                                             << ""
                                             << "readonly"
                                             << "read-only";
    }
    void failuresNameThePathAndTheReason()
    {
        QFETCH(int, operation);
        QFETCH(QString, source);
        QFETCH(QString, destination);
        QFETCH(QString, named);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        writeFile(dir.filePath("file"), "file");
        writeFile(dir.filePath("readonly"), "readonly");
        QVERIFY(::chmod(s(dir.filePath("readonly")).c_str(), 0444) == 0);
        QVERIFY(QDir(dir.path()).mkpath("folder"));
        QVERIFY(QDir(dir.path()).mkpath("folder2/file"));
        QVERIFY(QFile::link(dir.filePath("nowhere"), dir.filePath("dangling")));
        QVERIFY(::mkfifo(s(dir.filePath("pipe")).c_str(), 0666) == 0);
        QVERIFY(::mknod(s(dir.filePath("socket")).c_str(), S_IFSOCK | 0666, 0) == 0);
        // A null device of the test's own (only root may make one).
        const bool device = ::mknod(s(dir.filePath("device")).c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0;
        if (named == QLatin1String("device") && !device) QSKIP("no device node can be made here");
        const QStringList before = entries(dir.path());
        auto full = [&](const QString& p) { return p.isEmpty() ? std::string() : s(dir.filePath(p)); };

        const QString message = failureOf([&] {
            if (operation == 0) fo::copyFile(full(source), full(destination));
            if (operation == 1) fo::moveFile(full(source), full(destination));
            if (operation == 2) fo::deleteFile(full(source), true);
            if (operation == 3) fo::replaceFile(full(source), "saved");
        });
        QVERIFY2(message.contains(reason), qPrintable(message));
        if (!named.isEmpty()) QVERIFY2(message.contains('"' + dir.filePath(named) + '"'), qPrintable(message));
        // A save names the file once: its message is all about that file.
        if (operation == 3) QVERIFY2(message.count(dir.filePath(named)) == 1, qPrintable(message));
        QCOMPARE(typeOf(dir.filePath("pipe")) | typeOf(dir.filePath("socket")), mode_t(S_IFIFO | S_IFSOCK));
        if (device) QCOMPARE(typeOf(dir.filePath("device")), mode_t(S_IFCHR));
        QCOMPARE(entries(dir.path()), before);
        QCOMPARE(readFile(dir.filePath("file")), std::string("file"));
        QCOMPARE(readFile(dir.filePath("readonly")), std::string("readonly"));
        QVERIFY(QFileInfo(dir.filePath("dangling")).isSymLink());
    }

    // A FIFO given as a file neither blocks the program nor is read from.
    void specialFilesAreRefusedWithoutWaiting_data()
    {
        QTest::addColumn<int>("operation"); // 0 copy, 1 move to another file system, 2 open as a note
        QTest::newRow("copy") << 0;
        QTest::newRow("move across file systems") << 1;
        QTest::newRow("open as a note") << 2;
    }
    void specialFilesAreRefusedWithoutWaiting()
    {
        QFETCH(int, operation);
        QTemporaryDir dir;
        const QString fifo = dir.filePath("pipe");
        QVERIFY(::mkfifo(s(fifo).c_str(), 0644) == 0);
        std::optional<QTemporaryDir> other;
        if (operation == 1) {
            if (deviceOf("/dev/shm") == deviceOf(dir.path()) || deviceOf("/dev/shm") == dev_t(-1))
                QSKIP("/dev/shm is not a second file system here");
            other.emplace(QStringLiteral("/dev/shm/quelmarn-test-XXXXXX"));
        }
        const testing::ChildOutcome child = testing::runInChild([&] {
            return s(failureOf([&] {
                if (operation == 0) fo::copyFile(s(fifo), s(dir.filePath("copy")));
                if (operation == 1) fo::moveFile(s(fifo), s(other->filePath("moved")));
                if (operation == 2) fo::readOrCreate(s(fifo));
            }));
        });
        QVERIFY2(child.finished, "the operation waited on the FIFO");
        const QString message = QString::fromStdString(child.result);
        QVERIFY2(message.contains('"' + fifo + '"') && message.contains("regular file"), qPrintable(message));
        QCOMPARE(entries(dir.path()), QStringList{"pipe"});
    }

    void permissionDeniedIsReported()
    {
        QTemporaryDir dir;
        QVERIFY(::chmod(s(dir.path()).c_str(), 0755) == 0);
        writeFile(dir.filePath("secret"), "secret");
        QVERIFY(::chmod(s(dir.filePath("secret")).c_str(), 0600) == 0);
        QVERIFY(QDir(dir.path()).mkpath("locked"));
        QVERIFY(::chmod(s(dir.filePath("locked")).c_str(), 0555) == 0);
        QVERIFY(QDir(dir.path()).mkpath("open"));
        QVERIFY(::chmod(s(dir.filePath("open")).c_str(), 0777) == 0);
        writeFile(dir.filePath("locked/kept"), "kept");

        // As root every permission is granted; act as an unprivileged user
        // for the operations themselves.
        const bool root = ::geteuid() == 0;
        if (root) {
            QVERIFY(::chown(s(dir.filePath("secret")).c_str(), 0, 0) == 0);
            QVERIFY(::setegid(65534) == 0);
            QVERIFY(::seteuid(65534) == 0);
        }
        if (!root) QVERIFY(::chmod(s(dir.filePath("secret")).c_str(), 0000) == 0);
        const QString readDenied =
            failureOf([&] { fo::copyFile(s(dir.filePath("secret")), s(dir.filePath("open/copy"))); });
        writeFile(dir.filePath("open/mine"), "mine");
        const QString writeDenied =
            failureOf([&] { fo::copyFile(s(dir.filePath("open/mine")), s(dir.filePath("locked/new"))); });
        const QString deleteDenied = failureOf([&] { fo::deleteFile(s(dir.filePath("locked/kept")), true); });
        if (root) {
            QVERIFY(::seteuid(0) == 0);
            QVERIFY(::setegid(0) == 0);
        }
        for (const QString& message : {readDenied, writeDenied, deleteDenied})
            QVERIFY2(message.contains(QStringLiteral("Permission denied")), qPrintable(message));
        QVERIFY(readDenied.contains(dir.filePath("secret")));
        QVERIFY(writeDenied.contains(dir.filePath("locked")));
        QVERIFY(deleteDenied.contains(dir.filePath("locked/kept")));
        QCOMPARE(entries(dir.filePath("open")), QStringList{"mine"});
        QCOMPARE(entries(dir.filePath("locked")), QStringList{"kept"});
    }

    void wildcardsActOnEveryMatch_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QStringList>("matched");
        QTest::newRow("star") << "*.txt" << QStringList{"a.txt", "b.txt"};
        QTest::newRow("question mark") << "?.txt" << QStringList{"a.txt", "b.txt"};
        QTest::newRow("star in the middle") << "a*" << QStringList{"a.txt", "ab.log"};
        QTest::newRow("everything") << "*" << QStringList{"a.txt", "ab.log", "b.txt"};
        QTest::newRow("brackets are plain") << "[ab].txt" << QStringList{"[ab].txt"};
        QTest::newRow("a name that starts with a star") << "*" << QStringList{"*draft.txt", "a.txt", "ab.log", "b.txt"};
        QTest::newRow("a star in the name where the pattern has one") << "a*.txt" << QStringList{"a*b.txt", "a.txt"};
        QTest::newRow("a name that is the pattern itself") << "?.txt" << QStringList{"?.txt"};
    }
    void wildcardsActOnEveryMatch()
    {
        QFETCH(QString, pattern);
        QFETCH(QStringList, matched);
        QStringList extra; // the names of the row beyond the three every row has
        for (const QString& name : matched)
            if (!QStringList{"a.txt", "b.txt", "ab.log"}.contains(name)) extra << name;
        for (int operation = 0; operation < 3; ++operation) {
            QTemporaryDir dir;
            QVERIFY(QDir(dir.path()).mkpath("src/nested.txt"));
            QVERIFY(QDir(dir.path()).mkpath("dst"));
            for (const char* name : {"a.txt", "b.txt", "ab.log"}) writeFile(dir.filePath(QString("src/") + name), name);
            for (const QString& name : extra) writeFile(dir.filePath("src/" + name), s(name));
            QStringList all = entries(dir.filePath("src"));
            const std::string source = s(dir.filePath("src/" + pattern));
            if (operation == 0) fo::copyFile(source, s(dir.filePath("dst")));
            if (operation == 1) fo::moveFile(source, s(dir.filePath("dst")));
            if (operation == 2) fo::deleteFile(source, true);
            QStringList left = all;
            for (const QString& name : matched) left.removeAll(name);
            QCOMPARE(entries(dir.filePath("dst")), operation == 2 ? QStringList{} : matched);
            QCOMPARE(entries(dir.filePath("src")), operation == 0 ? all : left);
            for (const QString& name : entries(dir.filePath("dst")))
                QCOMPARE(readFile(dir.filePath("dst/" + name)), s(name));
        }
        QVERIFY(fo::wildcardMatch("*a*b?", "xxaYYbZ"));
        QVERIFY(!fo::wildcardMatch("*a*b?", "xxaYYb"));
    }

    void moveSemantics()
    {
        QTemporaryDir dir;
        writeFile(dir.filePath("a.txt "), "a");
        QVERIFY(QDir(dir.path()).mkpath("sub"));
        fo::moveFile(s(dir.filePath("a.txt ")), s(dir.filePath(" b.txt")));
        QCOMPARE(readFile(dir.filePath(" b.txt")), std::string("a"));
        QVERIFY(!QFile::exists(dir.filePath("a.txt ")));
        fo::moveFile(s(dir.filePath(" b.txt")), s(dir.filePath("sub/")));
        QCOMPARE(readFile(dir.filePath("sub/ b.txt")), std::string("a"));
        writeFile(dir.filePath("c.txt"), "c");
        writeFile(dir.filePath("sub/c.txt"), "other c");
        QVERIFY(failureOf([&] {
                    fo::moveFile(s(dir.filePath("c.txt")), s(dir.filePath("sub")));
                }).contains("already exists"));
        QCOMPARE(readFile(dir.filePath("c.txt")), std::string("c"));
        QCOMPARE(readFile(dir.filePath("sub/c.txt")), std::string("other c"));
    }

    void moveAcrossFileSystemsKeepsContentModeAndTime()
    {
        if (deviceOf("/dev/shm") == deviceOf(QDir::tempPath()) || deviceOf("/dev/shm") == dev_t(-1))
            QSKIP("/dev/shm is not a second file system here; the mounted variant below covers this");
        QTemporaryDir dir;
        QTemporaryDir other(QStringLiteral("/dev/shm/quelmarn-test-XXXXXX"));
        QVERIFY(other.isValid());
        writeFile(dir.filePath("big"), bytesOf(3 << 20, 'x'));
        QVERIFY(::chmod(s(dir.filePath("big")).c_str(), 0640) == 0);
        const struct timespec times[2] = {{1000000000, 0}, {1200000000, 0}};
        QVERIFY(::utimensat(AT_FDCWD, s(dir.filePath("big")).c_str(), times, 0) == 0);
        fo::moveFile(s(dir.filePath("big")), s(other.filePath("big")));
        QVERIFY(!QFile::exists(dir.filePath("big")));
        QCOMPARE(readFile(other.filePath("big")), bytesOf(3 << 20, 'x'));
        struct stat st {};
        QVERIFY(::stat(s(other.filePath("big")).c_str(), &st) == 0);
        QCOMPARE(int(st.st_mode & 0777), 0640);
        QCOMPARE(qint64(st.st_mtim.tv_sec), qint64(1200000000));
        QCOMPARE(entries(other.path()), QStringList{"big"});

        // A symbolic link stays one, pointing where it pointed.
        QVERIFY(QFile::link(QStringLiteral("../elsewhere"), dir.filePath("link")));
        fo::moveFile(s(dir.filePath("link")), s(other.filePath("link")));
        QCOMPARE(QFile(other.filePath("link")).symLinkTarget(),
                 QFileInfo(other.path() + "/../elsewhere").absoluteFilePath());
        QVERIFY(!QFileInfo::exists(dir.filePath("link")) && !QFileInfo(dir.filePath("link")).isSymLink());
    }

    void deleteWithForceRemovesReadOnlyFiles()
    {
        QTemporaryDir dir;
        writeFile(dir.filePath("ro"), "ro");
        QVERIFY(::chmod(s(dir.filePath("ro")).c_str(), 0444) == 0);
        QVERIFY(failureOf([&] { fo::deleteFile(s(dir.filePath("ro")), false); }).contains("read-only"));
        QVERIFY(QFile::exists(dir.filePath("ro")));
        fo::deleteFile(s(dir.filePath("ro")), true);
        QVERIFY(!QFile::exists(dir.filePath("ro")));
    }

    void readOrCreateAndReplace()
    {
        QTemporaryDir dir;
        QCOMPARE(fo::readOrCreate(s(dir.filePath("new.txt"))), std::string());
        QVERIFY(QFile::exists(dir.filePath("new.txt")));
        const std::string binary("a\0b\r\n\xff", 6);
        fo::replaceFile(s(dir.filePath("new.txt")), binary);
        QCOMPARE(fo::readOrCreate(s(dir.filePath("new.txt"))), binary);
        const QString longest = dir.filePath(QString(127, QChar(0x17E)) + 'x'); // a name of 255 bytes
        fo::replaceFile(s(longest), binary);
        QCOMPARE(readFile(longest), binary);
        QVERIFY(QFile::remove(longest));
        QVERIFY(::chmod(s(dir.filePath("new.txt")).c_str(), 0604) == 0);
        fo::replaceFile(s(dir.filePath("new.txt")), "x");
        struct stat st {};
        QVERIFY(::stat(s(dir.filePath("new.txt")).c_str(), &st) == 0);
        QCOMPARE(int(st.st_mode & 0777), 0604);
        QVERIFY(failureOf([&] { fo::readOrCreate(s(dir.path())); }).contains(dir.path()));
        QVERIFY(failureOf([&] { fo::replaceFile(s(dir.path()), "x"); }).contains("is a folder"));
        QCOMPARE(entries(dir.path()), QStringList{"new.txt"});
    }

    // A device that fills up part-way through the data: the old destination
    // stays as it was, no partial file is left, a moved source stays.
    void deviceFullPartWayLosesNothing()
    {
        QTemporaryDir dir;
        writeFile(dir.filePath("source"), bytesOf(10 << 20, 'n'));
        writeFile(dir.filePath("destination"), "old destination");
        writeFile(dir.filePath("note.txt"), "old note");
        const QStringList before = entries(dir.path());
        QString copyMessage, newCopyMessage, saveMessage;
        {
            const auto full = fillingDevice(3 << 20);
            copyMessage = failureOf([&] { full->copyFile(s(dir.filePath("source")), s(dir.filePath("destination"))); });
        }
        {
            // A copy to a new name, which is not flushed, fails as well and
            // leaves no partial file under either name.
            const auto full = fillingDevice(3 << 20);
            newCopyMessage = failureOf([&] { full->copyFile(s(dir.filePath("source")), s(dir.filePath("fresh"))); });
        }
        {
            const auto full = fillingDevice(3);
            saveMessage = failureOf([&] { full->replaceFile(s(dir.filePath("note.txt")), "new note, longer"); });
        }
        QVERIFY2(copyMessage.contains("No space left on device"), qPrintable(copyMessage));
        QVERIFY(copyMessage.contains(dir.filePath("destination")));
        QVERIFY2(newCopyMessage.contains("No space left on device"), qPrintable(newCopyMessage));
        QVERIFY(newCopyMessage.contains(dir.filePath("fresh")));
        QVERIFY2(saveMessage.contains("No space left on device"), qPrintable(saveMessage));
        QVERIFY(saveMessage.contains(dir.filePath("note.txt")));
        QCOMPARE(entries(dir.path()), before);
        QCOMPARE(readFile(dir.filePath("destination")), std::string("old destination"));
        QCOMPARE(readFile(dir.filePath("note.txt")), std::string("old note"));

        if (deviceOf("/dev/shm") == deviceOf(dir.path()) || deviceOf("/dev/shm") == dev_t(-1)) {
            qInfo("No second file system at /dev/shm: the move part runs in the mounted variant only.");
            return;
        }
        QTemporaryDir other(QStringLiteral("/dev/shm/quelmarn-test-XXXXXX"));
        QString moveMessage;
        {
            const auto full = fillingDevice(1 << 20);
            moveMessage = failureOf([&] { full->moveFile(s(dir.filePath("source")), s(other.filePath("moved"))); });
        }
        QVERIFY2(moveMessage.contains("No space left on device"), qPrintable(moveMessage));
        QCOMPARE(readFile(dir.filePath("source")), bytesOf(10 << 20, 'n'));
        QCOMPARE(entries(other.path()), QStringList{});
    }

    // The same on a real file system that fills up: a size-limited tmpfs.
    void fullTmpfsLosesNothing()
    {
        QTemporaryDir dir;
        SmallTmpfs small(dir.filePath("small"), "1m");
        if (!small.mounted)
            QSKIP(qPrintable(QStringLiteral("cannot mount a tmpfs here (%1); the part-way variant covers this")
                                 .arg(QString::fromLocal8Bit(std::strerror(small.error)))));
        writeFile(dir.filePath("source"), bytesOf(700 << 10, 's'));
        writeFile(small.path + "/destination", bytesOf(600 << 10, 'd'));
        writeFile(small.path + "/note.txt", "old note");
        const QStringList before = entries(small.path);

        const QString copyMessage =
            failureOf([&] { fo::copyFile(s(dir.filePath("source")), s(small.path + "/destination")); });
        const QString moveMessage =
            failureOf([&] { fo::moveFile(s(dir.filePath("source")), s(small.path + "/moved")); });
        const QString saveMessage =
            failureOf([&] { fo::replaceFile(s(small.path + "/note.txt"), bytesOf(700 << 10, 'n')); });
        for (const QString& message : {copyMessage, moveMessage, saveMessage})
            QVERIFY2(message.contains("No space left on device"), qPrintable(message));
        QCOMPARE(entries(small.path), before);
        QCOMPARE(readFile(small.path + "/destination"), bytesOf(600 << 10, 'd'));
        QCOMPARE(readFile(small.path + "/note.txt"), std::string("old note"));
        QCOMPARE(readFile(dir.filePath("source")), bytesOf(700 << 10, 's'));

        // With room enough, the move across file systems goes through.
        fo::deleteFile(s(small.path + "/destination"), true);
        fo::moveFile(s(dir.filePath("source")), s(small.path + "/"));
        QCOMPARE(readFile(small.path + "/source"), bytesOf(700 << 10, 's'));
        QVERIFY(!QFile::exists(dir.filePath("source")));
    }
};

QTEST_GUILESS_MAIN(FileOperationsTest)
#include "test_file_operations.moc"
