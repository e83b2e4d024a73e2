// The Linux backends' readings of the system: /proc/meminfo and
// /proc/self/status, the kernel release, the start mode and the mouse
// devices, on canned text.

#include <QtTest>

#include "platform/failure.h"
#include "platform/sys/linux/jak_byl_system_nastartovan_linux.h"
#include "platform/sys/linux/mys_linux.h"
#include "platform/sys/linux/ostatni_api_linux.h"
#include "platform/sys/linux/pamet_linux.h"

#include <sstream>

Q_DECLARE_METATYPE(std::vector<platform::mys::linuxsys::PointerDevice>)

using namespace platform;

namespace {

constexpr quint64 KiB = 1024;
constexpr quint64 GiB = KiB * KiB * KiB;

const char* const meminfo24GiB = "MemTotal:       25165824 kB\n"
                                 "MemFree:        23994020 kB\n"
                                 "MemAvailable:   24323012 kB\n"
                                 "Buffers:            2048 kB\n"
                                 "Cached:           586888 kB\n"
                                 "SwapCached:           0 kB\n"
                                 "SwapTotal:      2097148 kB\n"
                                 "SwapFree:       1048576 kB\n"
                                 "HugePages_Total:       0\n"
                                 "Hugepagesize:       2048 kB\n";

const char* const selfStatus = "Name:\tquelmarn\n"
                               "Umask:\t0022\n"
                               "State:\tR (running)\n"
                               "VmPeak:\t 3221300 kB\n"
                               "VmSize:\t 3145728 kB\n"
                               "VmLck:\t       0 kB\n"
                               "VmRSS:\t  120000 kB\n"
                               "Threads:\t12\n";

// The text of /proc/meminfo with one line left out or replaced.
std::string meminfoWith(const std::string& field, const std::string& replacement)
{
    std::istringstream in(meminfo24GiB);
    std::string out;
    for (std::string line; std::getline(in, line);) {
        if (line.compare(0, field.size() + 1, field + ":") == 0) {
            if (!replacement.empty()) out += replacement + "\n";
        } else {
            out += line + "\n";
        }
    }
    return out;
}

} // namespace

class SystemCallsTest : public QObject {
    Q_OBJECT
private slots:
    void meminfoInBytes()
    {
        const pamet::linuxsys::MemInfo info = pamet::linuxsys::parseMeminfo(meminfo24GiB);
        QCOMPARE(info.memTotal, 24 * GiB);
        QCOMPARE(info.memAvailable, quint64(24323012) * KiB);
        QCOMPARE(info.swapTotal, quint64(2097148) * KiB);
        QCOMPARE(info.swapFree, GiB);
    }

    void meminfoFaultsAreClearFailures_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("named");
        QTest::newRow("empty file") << ""
                                    << "MemTotal";
        QTest::newRow("no MemTotal") << QString::fromStdString(meminfoWith("MemTotal", "")) << "MemTotal";
        QTest::newRow("no MemAvailable (old kernel)")
            << QString::fromStdString(meminfoWith("MemAvailable", "")) << "MemAvailable";
        QTest::newRow("no SwapTotal") << QString::fromStdString(meminfoWith("SwapTotal", "")) << "SwapTotal";
        QTest::newRow("no SwapFree") << QString::fromStdString(meminfoWith("SwapFree", "")) << "SwapFree";
        QTest::newRow("not a number") << QString::fromStdString(meminfoWith("MemTotal", "MemTotal:   lots kB"))
                                      << "MemTotal";
        QTest::newRow("negative") << QString::fromStdString(meminfoWith("MemAvailable", "MemAvailable:   -5 kB"))
                                  << "MemAvailable";
        QTest::newRow("unknown unit") << QString::fromStdString(meminfoWith("SwapFree", "SwapFree:   12 MB"))
                                      << "SwapFree";
        QTest::newRow("no value") << QString::fromStdString(meminfoWith("MemTotal", "MemTotal:")) << "MemTotal";
        QTest::newRow("overflows 64 bits")
            << QString::fromStdString(meminfoWith("MemTotal", "MemTotal: 18446744073709551615 kB")) << "MemTotal";
    }
    void meminfoFaultsAreClearFailures()
    {
        QFETCH(QString, text);
        QFETCH(QString, named);
        try {
            pamet::linuxsys::parseMeminfo(text.toStdString());
            QFAIL("a faulty /proc/meminfo was accepted");
        } catch (const Failure& failure) {
            const QString message = QString::fromUtf8(failure.what());
            QVERIFY2(message.contains(QLatin1String("/proc/meminfo")), qPrintable(message));
            QVERIFY2(message.contains(named), qPrintable(message));
        }
    }

    void fieldNamesMatchWhole()
    {
        // "MemTotalHuge:" is not "MemTotal:".
        const std::string text = "MemTotalHuge: 5 kB\n" + meminfoWith("MemTotal", "") + "MemTotal: 8 kB\n";
        QCOMPARE(pamet::linuxsys::parseMeminfo(text).memTotal, quint64(8) * KiB);
    }

    void vmSize()
    {
        QCOMPARE(pamet::linuxsys::parseVmSize(selfStatus), 3 * GiB);
        try {
            pamet::linuxsys::parseVmSize("Name:\tkthreadd\nState:\tS (sleeping)\n");
            QFAIL("a status without VmSize was accepted");
        } catch (const Failure& failure) {
            const QString message = QString::fromUtf8(failure.what());
            QVERIFY(message.contains(QLatin1String("/proc/self/status")));
            QVERIFY(message.contains(QLatin1String("VmSize")));
        }
    }

    void composedStatus_data()
    {
        QTest::addColumn<quint64>("memTotal");
        QTest::addColumn<quint64>("memAvailable");
        QTest::addColumn<quint64>("swapTotal");
        QTest::addColumn<quint64>("swapFree");
        QTest::addColumn<quint64>("vmSize");
        QTest::addColumn<qint64>("limit"); // -1: unlimited
        QTest::addColumn<quint64>("totalPage");
        QTest::addColumn<quint64>("availPage");
        QTest::addColumn<quint64>("totalVirtual");
        QTest::addColumn<quint64>("availVirtual");
        const quint64 space = quint64(1) << 47;
        QTest::newRow("24 GiB, no swap, unlimited") << 24 * GiB << 20 * GiB << quint64(0) << quint64(0) << 3 * GiB
                                                    << qint64(-1) << 24 * GiB << 20 * GiB << space << space - 3 * GiB;
        QTest::newRow("with swap") << 8 * GiB << 2 * GiB << 4 * GiB << 3 * GiB << GiB << qint64(-1) << 12 * GiB
                                   << 5 * GiB << space << space - GiB;
        QTest::newRow("RLIMIT_AS of 4 GiB") << 8 * GiB << 2 * GiB << quint64(0) << quint64(0) << GiB << qint64(4 * GiB)
                                            << 8 * GiB << 2 * GiB << 4 * GiB << 3 * GiB;
        QTest::newRow("limit above the address space")
            << 8 * GiB << 2 * GiB << quint64(0) << quint64(0) << GiB << qint64(space * 2) << 8 * GiB << 2 * GiB << space
            << space - GiB;
        QTest::newRow("using more than the limit") << 8 * GiB << 2 * GiB << quint64(0) << quint64(0) << 5 * GiB
                                                   << qint64(4 * GiB) << 8 * GiB << 2 * GiB << 4 * GiB << quint64(0);
    }
    void composedStatus()
    {
        QFETCH(quint64, memTotal);
        QFETCH(quint64, memAvailable);
        QFETCH(quint64, swapTotal);
        QFETCH(quint64, swapFree);
        QFETCH(quint64, vmSize);
        QFETCH(qint64, limit);
        const std::optional<std::uint64_t> addressLimit =
            limit < 0 ? std::nullopt : std::optional<std::uint64_t>(quint64(limit));
        const pamet::MemoryStatus status = pamet::linuxsys::composeStatus(
            pamet::linuxsys::MemInfo{memTotal, memAvailable, swapTotal, swapFree}, vmSize, addressLimit);
        QCOMPARE(status.totalPhys, memTotal);
        QCOMPARE(status.availPhys, memAvailable);
        QTEST(quint64(status.totalPageFile), "totalPage");
        QTEST(quint64(status.availPageFile), "availPage");
        QTEST(quint64(status.totalVirtual), "totalVirtual");
        QTEST(quint64(status.availVirtual), "availVirtual");
    }

    void kernelRelease_data()
    {
        QTest::addColumn<QString>("release");
        QTest::addColumn<int>("major");
        QTest::addColumn<int>("minor");
        QTest::addColumn<int>("build");
        QTest::newRow("vendor suffix") << "6.18.44-fc-v1272" << 6 << 18 << 44;
        QTest::newRow("debian") << "6.1.0-18-amd64" << 6 << 1 << 0;
        QTest::newRow("minor 10") << "5.10.209" << 5 << 10 << 209;
        QTest::newRow("release candidate") << "6.8-rc3" << 6 << 8 << 0;
        QTest::newRow("two numbers") << "4.19" << 4 << 19 << 0;
        QTest::newRow("fedora") << "6.7.4-200.fc39.x86_64" << 6 << 7 << 4;
    }
    void kernelRelease()
    {
        QFETCH(QString, release);
        const ostatni_API::OsVersion version = ostatni_API::linuxsys::parseKernelRelease(release.toStdString());
        QTEST(version.major, "major");
        QTEST(version.minor, "minor");
        QTEST(version.build, "build");
    }

    void unreadableKernelRelease_data()
    {
        QTest::addColumn<QString>("release");
        QTest::newRow("empty") << "";
        QTest::newRow("words") << "unknown";
        QTest::newRow("major only") << "6";
        QTest::newRow("dot without minor") << "6.-rc1";
    }
    void unreadableKernelRelease()
    {
        QFETCH(QString, release);
        QVERIFY_THROWS_EXCEPTION(Failure, ostatni_API::linuxsys::parseKernelRelease(release.toStdString()));
    }

    void startMode_data()
    {
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<bool>("targetActive");
        QTest::addColumn<int>("mode");
        const QString debian = "BOOT_IMAGE=/boot/vmlinuz-6.1.0-18-amd64 root=UUID=1234 ro quiet";
        QTest::newRow("normal") << debian << false << 0;
        QTest::newRow("empty command line") << "" << false << 0;
        QTest::newRow("single") << debian + " single" << false << 1;
        QTest::newRow("S") << debian + " S" << false << 1;
        QTest::newRow("runlevel 1") << debian + " 1" << false << 1;
        QTest::newRow("systemd rescue") << debian + " systemd.unit=rescue.target" << false << 1;
        QTest::newRow("systemd emergency") << debian + " systemd.unit=emergency.target" << false << 1;
        QTest::newRow("emergency word") << "emergency " + debian << false << 1;
        QTest::newRow("graphical target") << debian + " systemd.unit=graphical.target" << false << 0;
        QTest::newRow("value 1 of a key") << debian + " panic=1 single=0" << false << 0;
        QTest::newRow("quoted value") << debian + " note=\"single user\"" << false << 0;
        QTest::newRow("init's own options after --") << debian + " -- --log-level 1" << false << 0;
        QTest::newRow("rescue target active") << debian << true << 1;
        QTest::newRow("active and asked") << debian + " single" << true << 1;
    }
    void startMode()
    {
        QFETCH(QString, commandLine);
        QFETCH(bool, targetActive);
        QFETCH(int, mode);
        QCOMPARE(Jak_byl_system_nastartovan::linuxsys::startModeFor(commandLine.toStdString(), targetActive), mode);
    }

    void mouseFromXInput_data()
    {
        using Device = mys::linuxsys::PointerDevice;
        QTest::addColumn<std::vector<Device>>("devices");
        QTest::addColumn<bool>("present");
        QTest::addColumn<int>("buttons");
        const std::vector<std::string> wheelMouse{"Button Left",
                                                  "Button Middle",
                                                  "Button Right",
                                                  "Button Wheel Up",
                                                  "Button Wheel Down",
                                                  "Button Horiz Wheel Left",
                                                  "Button Horiz Wheel Right",
                                                  "Button Side",
                                                  "Button Extra"};
        const std::vector<std::string> coreLabels(wheelMouse.begin(), wheelMouse.begin() + 7);
        const Device corePointer{"Virtual core pointer", false, 2, coreLabels};
        const Device xtest{"Virtual core XTEST pointer", true, 2, coreLabels};
        const Device xvfbMouse{"Xvfb mouse", true, 2, {"Button Left", "Button Middle", "Button Right"}};
        const Device fiveButtons{"Logitech USB Optical Mouse", true, 2, wheelMouse};
        const Device consumerKeys{"Keyboard Consumer Control", true, 0, {"Button Left"}};
        const Device unlabelled10{"Old mouse", true, 2, std::vector<std::string>(10)};
        const Device unlabelled3{"Old mouse", true, 2, std::vector<std::string>(3)};
        QTest::newRow("Xvfb") << std::vector<Device>{corePointer, xtest, xvfbMouse} << true << 3;
        QTest::newRow("only the virtual pointers") << std::vector<Device>{corePointer, xtest} << false << 0;
        QTest::newRow("wheels are not buttons") << std::vector<Device>{corePointer, fiveButtons} << true << 5;
        QTest::newRow("a device without axes is no mouse") << std::vector<Device>{consumerKeys} << false << 0;
        QTest::newRow("the mouse with most buttons") << std::vector<Device>{xvfbMouse, fiveButtons, xtest} << true << 5;
        QTest::newRow("unlabelled, 4 to 7 are wheels") << std::vector<Device>{unlabelled10} << true << 6;
        QTest::newRow("unlabelled three") << std::vector<Device>{unlabelled3} << true << 3;
        QTest::newRow("nothing") << std::vector<Device>{} << false << 0;
    }
    void mouseFromXInput()
    {
        QFETCH(std::vector<mys::linuxsys::PointerDevice>, devices);
        const mys::linuxsys::MouseFacts facts = mys::linuxsys::fromPointerDevices(devices);
        QTEST(facts.present, "present");
        QTEST(facts.buttons, "buttons");
    }

    void mouseFromKernelDevices_data()
    {
        QTest::addColumn<QString>("devices");
        QTest::addColumn<bool>("present");
        QTest::addColumn<int>("buttons");
        const QString keyboard = "I: Bus=0011 Vendor=0001 Product=0001 Version=ab41\n"
                                 "N: Name=\"AT Translated Set 2 keyboard\"\n"
                                 "H: Handlers=sysrq kbd event0 leds\n"
                                 "B: KEY=402000000 3803078f800d001 feffffdfffefffff fffffffffffffffe\n\n";
        const QString powerButton = "I: Bus=0019 Vendor=0000 Product=0001 Version=0000\n"
                                    "N: Name=\"Power Button\"\n"
                                    "H: Handlers=kbd event1\n"
                                    "B: KEY=10000000000000 0\n\n";
        const QString fiveButtonMouse = "I: Bus=0003 Vendor=046d Product=c52b Version=0111\n"
                                        "N: Name=\"Logitech USB Receiver Mouse\"\n"
                                        "H: Handlers=mouse0 event2\n"
                                        "B: EV=17\n"
                                        "B: KEY=1f0000 0 0 0 0\n"
                                        "B: REL=1943\n\n";
        const QString threeButtonMouse = "N: Name=\"ImExPS/2 Generic Explorer Mouse\"\n"
                                         "H: Handlers=mouse1 event3\n"
                                         "B: KEY=70000 0 0 0 0\n";
        const QString clickpad = "N: Name=\"SynPS/2 Synaptics TouchPad\"\n"
                                 "H: Handlers=mouse2 event4\n"
                                 "B: KEY=e520 10000 0 0 0 0\n\n";
        QTest::newRow("no devices") << "" << false << 0;
        QTest::newRow("keyboard only") << keyboard + powerButton << false << 0;
        QTest::newRow("five-button mouse") << keyboard + fiveButtonMouse + powerButton << true << 5;
        QTest::newRow("last block without blank line") << keyboard + threeButtonMouse << true << 3;
        QTest::newRow("clickpad") << clickpad << true << 1;
        QTest::newRow("most buttons win") << fiveButtonMouse + clickpad << true << 5;
    }
    void mouseFromKernelDevices()
    {
        QFETCH(QString, devices);
        const mys::linuxsys::MouseFacts facts = mys::linuxsys::fromInputDevices(devices.toStdString());
        QTEST(facts.present, "present");
        QTEST(facts.buttons, "buttons");
    }
};

QTEST_GUILESS_MAIN(SystemCallsTest)
#include "test_system_calls.moc"
