// The operating-system window on this machine's real system calls and
// pointer, under an X server: its figures agree with uname, free and
// /proc/uptime, the X server's mouse is found, and the pointer is followed.

#include <QCursor>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

#include "platform/services/pointer_position.h"
#include "platform/sys/system_calls.h"
#include "sections/system/frm_system.h"
#include "sections/system/number_format.h"
#include "tests/support/test_support.h"

namespace {

QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(10000) || process.exitCode() != 0) return QString();
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

QString label(QWidget& window, const char* name)
{
    QLabel* found = window.findChild<QLabel*>(QString::fromUtf8(name));
    if (!found) qFatal("no label %s", name);
    return found->text();
}

// The whole number of kilobytes a label shows after its prefix.
double shownKilobytes(const QString& text, const QString& prefix)
{
    QString number = text.mid(prefix.size());
    number.remove(QStringLiteral(" KB"));
    return number.toDouble();
}

// A context with the fake table and message boxes but the real system.
struct RealApp {
    testing::FakeApp fake;
    platform::NativeSystemCalls native{fake.config.session};
    std::unique_ptr<platform::PointerPosition> pointer = platform::makeNativePointerPosition(fake.config.session);
    AppContext context{fake.table, fake.fakes.with(*pointer), [] {}, native.view(), fake.config};
};

} // namespace

class X11SystemRealTest : public QObject {
    Q_OBJECT
private slots:
    void versionIsTheKernelRelease()
    {
        const QString release = run("uname", {"-r"}).trimmed();
        const QRegularExpressionMatch parts =
            QRegularExpression(QStringLiteral("^(\\d+)\\.(\\d+)(?:\\.(\\d+))?")).match(release);
        QVERIFY2(parts.hasMatch(), qPrintable(release));
        const QString build = parts.captured(3).isEmpty() ? QStringLiteral("0") : parts.captured(3);
        RealApp app;
        frm_system window(app.context);
        QCOMPARE(label(window, "verze_sys"),
                 parts.captured(1) + "." + parts.captured(2) + " build: " + QString::number(build.toInt()));
        QVERIFY(app.fake.fakes.messages.calls.empty());
    }

    void memoryAgreesWithFree()
    {
        // free -b:  total used free shared buff/cache available
        const QStringList lines = run("free", {"-b"}).split('\n');
        QStringList mem, swap;
        for (const QString& line : lines) {
            if (line.startsWith("Mem:")) mem = line.simplified().split(' ');
            if (line.startsWith("Swap:")) swap = line.simplified().split(' ');
        }
        QVERIFY2(mem.size() >= 7 && swap.size() >= 4, qPrintable(lines.join('\n')));
        const quint64 total = mem[1].toULongLong();
        const quint64 available = mem[6].toULongLong();
        const quint64 swapTotal = swap[1].toULongLong();

        RealApp app;
        frm_system window(app.context);
        QCOMPARE(label(window, "lblTotalPhys"), "T45" + number_format::kilobytes(total) + " KB");
        QCOMPARE(label(window, "lblTotalPage"), "T41" + number_format::kilobytes(total + swapTotal));
        // What is available moves a little between the two readings.
        const double shownAvailable = shownKilobytes(label(window, "lblAvailPhys"), "T40");
        QVERIFY2(qAbs(shownAvailable - available / 1024.0) < total / 1024.0 * 0.02,
                 qPrintable(label(window, "lblAvailPhys") + " vs " + QString::number(available / 1024)));
        // 64-bit address space, less what this process has mapped.
        const QString totalVirtual = label(window, "lblTotalVirtual");
        QVERIFY2(totalVirtual.startsWith("T43") && shownKilobytes(totalVirtual, "T43") > 4.0 * 1024 * 1024,
                 qPrintable(totalVirtual));

        window.Timer1_Timer();
        QVERIFY(label(window, "lblPhysUsed").contains(QRegularExpression("^T38\\d+\\.\\d\\d%$")));
        auto* bar = window.findChild<QProgressBar*>("pgbPhysMem");
        QVERIFY(bar->value() > 0 && bar->value() < bar->maximum());
    }

    void upTimeAgreesWithProcUptime()
    {
        QFile uptime("/proc/uptime");
        QVERIFY(uptime.open(QIODevice::ReadOnly));
        const double seconds = QString::fromLatin1(uptime.readAll()).split(' ').first().toDouble();
        RealApp app;
        frm_system window(app.context);
        window.Timer2_Timer();
        const QRegularExpressionMatch shown =
            QRegularExpression("^T21(\\d+)h (\\d+)m (\\d+)s (\\d+)ms$").match(label(window, "win_bezi"));
        QVERIFY2(shown.hasMatch(), qPrintable(label(window, "win_bezi")));
        const double shownSeconds = shown.captured(1).toDouble() * 3600 + shown.captured(2).toDouble() * 60
            + shown.captured(3).toDouble() + shown.captured(4).toDouble() / 1000;
        QVERIFY2(qAbs(shownSeconds - seconds) < 5, qPrintable(label(window, "win_bezi")));
    }

    void theXServersMouseIsFound()
    {
        // Xvfb has one mouse of three buttons beside its virtual pointers.
        RealApp app;
        frm_system window(app.context);
        QCOMPARE(label(window, "lbl_existence_myši"), QStringLiteral("T29"));
        QCOMPARE(label(window, "lbl_tlacitka_mysi"), QStringLiteral("T303"));
        QVERIFY(label(window, "start_systemu") == "T18" || label(window, "start_systemu") == "T19");
    }

    void pointerIsFollowed()
    {
        RealApp app;
        frm_system window(app.context);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCursor::setPos(123, 45);
        QTRY_COMPARE(label(window, "Label4"), QStringLiteral("Souřadnice myši: 123, 45"));
        QCursor::setPos(0, 0);
        QTRY_COMPARE(label(window, "Label4"), QStringLiteral("Souřadnice myši: 0, 0"));
    }
};

QTEST_MAIN(X11SystemRealTest)
#include "test_x11_system_real.moc"
