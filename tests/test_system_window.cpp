// The operating-system window on fake system calls: captions from the
// right entries, the load sequence's order, the facts and memory figures it
// shows, the live monitors and their lifetime.

#include <QApplication>
#include <QtTest>

#include "main_menu/main_menu.h"
#include "sections/system/frm_system.h"
#include "tests/support/test_support.h"
#include "ui/form1.h"

using platform::pamet::MemoryStatus;
Q_DECLARE_METATYPE(MemoryStatus)
using OptionalPoint = std::optional<QPoint>;
Q_DECLARE_METATYPE(OptionalPoint)

namespace {

constexpr quint64 KiB = 1024;
constexpr quint64 GiB = KiB * KiB * KiB;

using testing::child;

QString text(QWidget& window, const QString& name)
{
    QWidget* control = child(window, name);
    if (auto* label = qobject_cast<QLabel*>(control)) return label->text();
    if (auto* button = qobject_cast<QPushButton*>(control)) return button->text();
    if (auto* frame = qobject_cast<QGroupBox*>(control)) return frame->title();
    qFatal("%s has no caption", qPrintable(name));
}

QWidget* openSystemWindow()
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == QLatin1String("frm_system") && widget->isVisible()) return widget;
    return nullptr;
}

struct DefaultLocale {
    explicit DefaultLocale(const QString& name) { QLocale::setDefault(QLocale(name)); }
    ~DefaultLocale() { QLocale::setDefault(QLocale::c()); }
};

// Entries that read like the labels they prefix, so expected texts stay legible.
void nameMemoryEntries(Form1& table)
{
    table.setText(38, QStringLiteral("Phys used: "));
    table.setText(39, QStringLiteral("Virt used: "));
    table.setText(40, QStringLiteral("Avail phys: "));
    table.setText(41, QStringLiteral("Total page: "));
    table.setText(42, QStringLiteral("Avail page: "));
    table.setText(43, QStringLiteral("Total virt: "));
    table.setText(44, QStringLiteral("Avail virt: "));
    table.setText(45, QStringLiteral("Total phys: "));
}

MemoryStatus machine24GiB()
{
    MemoryStatus status;
    status.totalPhys = 24 * GiB;
    status.availPhys = 18 * GiB;
    status.totalPageFile = 26 * GiB;
    status.availPageFile = 20 * GiB;
    status.totalVirtual = quint64(1) << 47;
    status.availVirtual = (quint64(1) << 47) - 3 * GiB;
    return status;
}

} // namespace

class SystemWindowTest : public QObject {
    Q_OBJECT
private slots:
    void captionsFromTheirEntries_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("entry");
        const std::pair<const char*, int> captions[] = {
            {"Label1", 16},      {"Label2", 17},      {"Command1", 22},  {"Command5", 23},  {"Command4", 24},
            {"Frame3", 25},      {"Command24", 26},   {"Command25", 27}, {"Label3", 31},    {"Frame5", 32},
            {"Command26", 33},   {"Command27", 34},   {"Command28", 35}, {"Command29", 36}, {"Frame4", 37},
            {"lblPhysUsed", 38}, {"lblVirtUsed", 39}, {"Frame2", 66},    {"Command6", 46},  {"Command7", 47},
            {"Command8", 48},    {"Command9", 49},    {"Command10", 50}, {"Command11", 51}, {"Command12", 52},
            {"Command13", 53},   {"Command20", 54},   {"Command22", 55}, {"Command2", 56},  {"Command3", 57},
            {"Command14", 58},   {"Command15", 59},   {"Command16", 60}, {"Command17", 61}, {"Command18", 62},
            {"Command19", 63},   {"Command21", 64},   {"Command23", 65},
        };
        for (const auto& [control, entry] : captions) QTest::newRow(control) << QString(control) << entry;
    }
    void captionsFromTheirEntries()
    {
        QFETCH(QString, control);
        QFETCH(int, entry);
        testing::FakeApp app;
        frm_system window(app.context);
        QCOMPARE(text(window, control), QStringLiteral("T%1").arg(entry));
    }

    void unlocalisedTextsStay()
    {
        testing::FakeApp app;
        frm_system window(app.context);
        QCOMPARE(window.windowTitle(), QStringLiteral("Quelmarn Manager 0.05 - T67"));
        QCOMPARE(text(window, "Frame1"), QString());
        // The monitors write these at their first ticks.
        QCOMPARE(text(window, "win_bezi"), QStringLiteral("Windows již běží"));
        QCOMPARE(text(window, "Label4"), QStringLiteral("Souřadnice myši:"));
        QCOMPARE(window.size(), QSize(667, 481));
    }

    void captionsFromLanguageFileRecords()
    {
        // Record r of the file holds "R<r>": record 16 is the window's
        // caption entry, record 17 that of Label1, record 47 that of Frame2.
        testing::FakeApp app;
        app.table.load(testing::languageFileBytes([](int r) { return QStringLiteral("R%1").arg(r); }), "test.qlk",
                       1250);
        frm_system window(app.context);
        QCOMPARE(window.windowTitle(), QStringLiteral("Quelmarn Manager 0.05 - R16"));
        QCOMPARE(text(window, "Label1"), QStringLiteral("R17"));
        QCOMPARE(text(window, "Label2"), QStringLiteral("R18"));
        QCOMPARE(text(window, "Frame2"), QStringLiteral("R47"));
        QCOMPARE(text(window, "Command6"), QStringLiteral("R48"));
        QCOMPARE(text(window, "Command23"), QStringLiteral("R67"));
    }

    void loadRunsInOrder()
    {
        testing::FakeApp app;
        nameMemoryEntries(app.table);
        app.system.memory.status = machine24GiB();
        // What the window shows at each system call tells which steps ran before it.
        QStringList seen;
        app.system.log.observer = [&seen](const std::string& call) {
            QWidget* w = openSystemWindow();
            if (!w) {
                for (QWidget* widget : QApplication::topLevelWidgets())
                    if (widget->objectName() == QLatin1String("frm_system")) w = widget;
            }
            QVERIFY(w);
            seen << QString::fromStdString(call) + " | " + w->windowTitle() + " | " + text(*w, "verze_sys") + " | "
                    + text(*w, "start_systemu") + " | " + text(*w, "lbl_existence_myši") + " | "
                    + text(*w, "lbl_tlacitka_mysi") + " | " + text(*w, "Label1");
        };
        frm_system window(app.context);
        const QString title = QStringLiteral("Quelmarn Manager 0.05 - T67");
        const QStringList expected{
            "osVersion | " + title + " | verze_os |  | Existuje myš? |  | Verze operačního systému:",
            "startMode | " + title + " | 5.1 build: 2600 |  | Existuje myš? |  | Verze operačního systému:",
            "mousePresent | " + title + " | 5.1 build: 2600 | T18 | Existuje myš? |  | Verze operačního systému:",
            "buttonCount | " + title + " | 5.1 build: 2600 | T18 | T29 |  | Verze operačního systému:",
            "globalMemoryStatus | " + title + " | 5.1 build: 2600 | T18 | T29 | T303 | Verze operačního systému:",
        };
        QCOMPARE(seen, expected);
        // After the load: amounts written, the use labels bare until the first memory tick.
        QCOMPARE(text(window, "lblTotalPhys"), QStringLiteral("Total phys: 25165824 KB"));
        QCOMPARE(text(window, "lblPhysUsed"), QStringLiteral("Phys used: "));
        QCOMPARE(text(window, "lblVirtUsed"), QStringLiteral("Virt used: "));
        QCOMPARE(text(window, "Label1"), QStringLiteral("T16"));
    }

    void startMode_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("expected");
        QTest::newRow("normal") << 0 << "T18";
        QTest::newRow("fail-safe") << 1 << "T19";
        QTest::newRow("fail-safe with network") << 2 << "T20";
        QTest::newRow("other value") << 3 << "";
        QTest::newRow("negative value") << -1 << "";
    }
    void startMode()
    {
        QFETCH(int, mode);
        QFETCH(QString, expected);
        testing::FakeApp app;
        app.system.start.mode = mode;
        frm_system window(app.context);
        QCOMPARE(text(window, "start_systemu"), expected);
    }

    void mouseFacts_data()
    {
        QTest::addColumn<bool>("present");
        QTest::addColumn<int>("buttons");
        QTest::addColumn<QString>("existence");
        QTest::addColumn<QString>("buttonText");
        QTest::newRow("three buttons") << true << 3 << "T29"
                                       << "T303";
        QTest::newRow("five buttons") << true << 5 << "T29"
                                      << "T305";
        QTest::newRow("no mouse") << false << 0 << "T28"
                                  << "T300";
    }
    void mouseFacts()
    {
        QFETCH(bool, present);
        QFETCH(int, buttons);
        testing::FakeApp app;
        app.system.mouse.present = present;
        app.system.mouse.buttons = buttons;
        frm_system window(app.context);
        QTEST(text(window, "lbl_existence_myši"), "existence");
        QTEST(text(window, "lbl_tlacitka_mysi"), "buttonText");
    }

    void versionInTheLocale_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("expected");
        QTest::newRow("point") << "C"
                               << "5.1 build: 2600";
        QTest::newRow("comma") << "cs_CZ"
                               << "5,1 build: 2600";
    }
    void versionInTheLocale()
    {
        QFETCH(QString, locale);
        DefaultLocale scope(locale);
        testing::FakeApp app;
        frm_system window(app.context);
        QTEST(text(window, "verze_sys"), "expected");
    }

    void memoryAmounts_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<MemoryStatus>("status");
        QTest::addColumn<QStringList>(
            "labels"); // TotalPhys, AvailPhys, TotalPage, AvailPage, TotalVirtual, AvailVirtual
        MemoryStatus small;
        small.totalPhys = 64 * KiB;
        small.availPhys = 3 * KiB / 2;
        small.totalPageFile = KiB * KiB;
        small.availPageFile = 512;
        small.totalVirtual = 2 * GiB;
        small.availVirtual = 2 * GiB - 1;
        QTest::newRow("small figures, point")
            << "C" << small
            << QStringList{"Total phys: 64 KB", "Avail phys: 1.5 KB",     "Total page: 1024",
                           "Avail page: 0.5",   "Total virt: 2097152 KB", "Avail virt: 2097151.99902344 KB"};
        QTest::newRow("small figures, comma")
            << "cs_CZ" << small
            << QStringList{"Total phys: 64 KB", "Avail phys: 1,5 KB",     "Total page: 1024",
                           "Avail page: 0,5",   "Total virt: 2097152 KB", "Avail virt: 2097151,99902344 KB"};
        QTest::newRow("24 GiB") << "C" << machine24GiB()
                                << QStringList{"Total phys: 25165824 KB",     "Avail phys: 18874368 KB",
                                               "Total page: 27262976",        "Avail page: 20971520",
                                               "Total virt: 137438953472 KB", "Avail virt: 137435807744 KB"};
    }
    void memoryAmounts()
    {
        QFETCH(QString, locale);
        QFETCH(MemoryStatus, status);
        QFETCH(QStringList, labels);
        DefaultLocale scope(locale);
        testing::FakeApp app;
        nameMemoryEntries(app.table);
        app.system.memory.status = status;
        frm_system window(app.context);
        const QStringList names{"lblTotalPhys", "lblAvailPhys",    "lblTotalPage",
                                "lblAvailPage", "lblTotalVirtual", "lblAvailVirtual"};
        QStringList shown;
        for (const QString& name : names) shown << text(window, name);
        QCOMPARE(shown, labels);
    }

    void memoryMonitorRereadsAndShowsUse_data()
    {
        QTest::addColumn<quint64>("total");
        QTest::addColumn<quint64>("available");
        QTest::addColumn<QString>("use");
        QTest::addColumn<double>("fill");
        QTest::newRow("24 GiB half in use") << 24 * GiB << 12 * GiB << "50.00%" << 0.5;
        QTest::newRow("24 GiB full") << 24 * GiB << quint64(0) << "100.00%" << 1.0;
        QTest::newRow("24 GiB idle") << 24 * GiB << 24 * GiB << "0.00%" << 0.0;
        QTest::newRow("4 GiB, a quarter") << 4 * GiB << 3 * GiB << "25.00%" << 0.25;
        QTest::newRow("small, 45.67%") << quint64(10000) << quint64(5433) << "45.67%" << 0.4567;
    }
    void memoryMonitorRereadsAndShowsUse()
    {
        QFETCH(quint64, total);
        QFETCH(quint64, available);
        QFETCH(QString, use);
        QFETCH(double, fill);
        testing::FakeApp app;
        nameMemoryEntries(app.table);
        MemoryStatus status = machine24GiB();
        status.totalPhys = total;
        status.availPhys = total;
        app.system.memory.status = status;
        frm_system window(app.context);

        status.availPhys = available;
        status.totalPageFile = 2 * KiB * KiB;
        app.system.memory.status = status;
        window.Timer1_Timer();

        QCOMPARE(app.system.log.count("globalMemoryStatus"), 2);
        QCOMPARE(text(window, "lblPhysUsed"), "Phys used: " + use);
        QCOMPARE(text(window, "lblVirtUsed"), QStringLiteral("Virt used: 0.00%"));
        QCOMPARE(text(window, "lblTotalPage"), QStringLiteral("Total page: 2048"));
        QCOMPARE(app.context.memoryStatus.availPhys, available);
        auto* bar = child<QProgressBar>(window, "pgbPhysMem");
        QCOMPARE(bar->minimum(), 0);
        QVERIFY(bar->maximum() > 0);
        QVERIFY(qAbs(double(bar->value()) / bar->maximum() - fill) < 0.001);
        auto* virtBar = child<QProgressBar>(window, "pgbVirtMem");
        QVERIFY(virtBar->maximum() > 0);
        QVERIFY(virtBar->value() > 0 && virtBar->value() < virtBar->maximum() / 1000);
    }

    void nothingOfNothing()
    {
        testing::FakeApp app;
        nameMemoryEntries(app.table);
        app.system.memory.status = MemoryStatus{};
        frm_system window(app.context);
        window.Timer1_Timer();
        QCOMPARE(text(window, "lblPhysUsed"), QStringLiteral("Phys used: 0.00%"));
        QCOMPARE(text(window, "lblTotalPhys"), QStringLiteral("Total phys: 0 KB"));
        QVERIFY(app.fakes.messages.calls.empty());
    }

    void upTime_data()
    {
        QTest::addColumn<quint64>("milliseconds");
        QTest::addColumn<QString>("expected");
        QTest::newRow("start") << quint64(0) << "T210h 0m 0s 0ms";
        QTest::newRow("1h 2m 3s 4ms") << quint64(3723004) << "T211h 2m 3s 4ms";
        QTest::newRow("60 h") << quint64(60) * 3600000 << "T2160h 0m 0s 0ms";
        QTest::newRow("past 2^32 ms") << (quint64(1) << 32) + 5 << "T211193h 2m 47s 301ms";
    }
    void upTime()
    {
        QFETCH(quint64, milliseconds);
        testing::FakeApp app;
        frm_system window(app.context);
        app.system.other.milliseconds = milliseconds;
        window.Timer2_Timer();
        QTEST(text(window, "win_bezi"), "expected");
    }

    void pointerPosition_data()
    {
        QTest::addColumn<OptionalPoint>("position");
        QTest::addColumn<QString>("expected");
        QTest::newRow("top left") << std::optional(QPoint(0, 0)) << QStringLiteral("Souřadnice myši: 0, 0");
        QTest::newRow("negative") << std::optional(QPoint(-1024, -3)) << QStringLiteral("Souřadnice myši: -1024, -3");
        // A desktop that does not tell: no number at all.
        QTest::newRow("unknown") << OptionalPoint() << QStringLiteral("Pointer position: unknown");
    }
    void pointerPosition()
    {
        QFETCH(OptionalPoint, position);
        testing::FakeApp app;
        app.table.setText(25, QStringLiteral("Mouse")); // the prefix is fixed, not an entry
        frm_system window(app.context);
        app.fakes.pointer.at = position;
        window.Timer3_Timer();
        QTEST(text(window, "Label4"), "expected");
    }

    void monitorsRunWhileOpenAndStopWhenClosed()
    {
        testing::FakeApp app;
        app.system.other.step = 7;
        SectionWindows registry(app.context);
        QPointer<QWidget> window = registry.show<frm_system>();
        QVERIFY(window);
        for (const char* name : {"Timer1", "Timer2", "Timer3"})
            QVERIFY2(window->findChild<QTimer*>(name)->isActive(), name);
        window->findChild<QTimer*>("Timer1")->setInterval(10); // the memory monitor's second, shortened

        app.fakes.pointer.at = QPoint(12, 34);
        QTRY_COMPARE(text(*window, "Label4"), QStringLiteral("Souřadnice myši: 12, 34"));
        QTRY_VERIFY(text(*window, "win_bezi").startsWith(QLatin1String("T21")));
        QTRY_VERIFY(app.system.log.count("globalMemoryStatus") >= 2);

        // The monitors end with the window: no timer is left to tick.
        std::vector<QPointer<QTimer>> timers;
        for (const char* name : {"Timer1", "Timer2", "Timer3"}) timers.emplace_back(window->findChild<QTimer*>(name));
        window->close();
        QTRY_VERIFY(!window);
        for (const QPointer<QTimer>& timer : timers) QVERIFY(timer.isNull());
    }

    void upTimeChangesOftenEnough()
    {
        // At least 50 new up-time texts a second: each tick reads the time
        // anew and shows it.
        testing::FakeApp app;
        app.system.other.step = 1;
        frm_system window(app.context);
        QVERIFY(window.findChild<QTimer*>("Timer2")->interval() <= 1000 / 50);
        QVERIFY(window.findChild<QTimer*>("Timer3")->interval() <= 1000 / 50);
        for (int tick = 0; tick < 3; ++tick) {
            const int before = app.system.other.millisecondReads;
            const QString shown = text(window, "win_bezi");
            window.Timer2_Timer();
            QCOMPARE(app.system.other.millisecondReads, before + 1);
            QVERIFY(text(window, "win_bezi") != shown);
        }
    }

    void openingAgainLoadsAgain()
    {
        testing::FakeApp app;
        SectionWindows registry(app.context);
        QPointer<QWidget> first = registry.show<frm_system>();
        QCOMPARE(registry.show<frm_system>(), first.data()); // already open: only raised
        QCOMPARE(app.system.log.count("globalMemoryStatus"), 1);
        first->close();
        QTRY_VERIFY(!first);

        app.table.setText(67, QStringLiteral("again"));
        app.system.mouse.present = false;
        QWidget* second = registry.show<frm_system>();
        QVERIFY(second);
        QCOMPARE(app.system.log.count("osVersion"), 2);
        QCOMPARE(app.system.log.count("startMode"), 2);
        QCOMPARE(app.system.log.count("globalMemoryStatus"), 2);
        QCOMPARE(second->windowTitle(), QStringLiteral("Quelmarn Manager 0.05 - again"));
        QCOMPARE(text(*second, "lbl_existence_myši"), QStringLiteral("T28"));
        second->close();
    }

    void failingMemoryMonitorReportsOnceAndStops()
    {
        testing::FakeApp app;
        frm_system window(app.context);
        window.findChild<QTimer*>("Timer1")->setInterval(1);
        app.system.memory.failure = "The memory figures cannot be read: /proc/meminfo has no field MemTotal.";
        QTRY_COMPARE(app.fakes.messages.calls.size(), size_t(1));
        QCOMPARE(app.fakes.messages.calls[0].style, 16);
        QVERIFY(app.fakes.messages.calls[0].text.contains(QLatin1String("MemTotal")));
        QVERIFY(!window.findChild<QTimer*>("Timer1")->isActive());
        QVERIFY(window.findChild<QTimer*>("Timer2")->isActive());
    }

    void failingLoadIsReportedAndTheWindowStays()
    {
        testing::FakeApp app;
        app.system.memory.failure = "The memory figures cannot be read.";
        frm_system window(app.context);
        QCOMPARE(app.fakes.messages.calls.size(), size_t(1));
        QCOMPARE(app.fakes.messages.calls[0].style, 16);
        // The steps before the failure ran, the later ones did not.
        QCOMPARE(window.windowTitle(), QStringLiteral("Quelmarn Manager 0.05 - T67"));
        QCOMPARE(text(window, "verze_sys"), QStringLiteral("5.1 build: 2600"));
        QCOMPARE(text(window, "lblTotalPhys"), QStringLiteral("k"));
        QCOMPARE(text(window, "Label1"), QStringLiteral("Verze operačního systému:"));
    }
};

QTEST_MAIN(SystemWindowTest)
#include "test_system_window.moc"
