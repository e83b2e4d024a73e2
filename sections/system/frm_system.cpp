#include "sections/system/frm_system.h"

#include <QPainter>

#include "platform/services/guard.h"
#include "ui/controls.h"
#include "ui/fit_text.h"
#include "ui/version.h"

namespace {

// A fixed size spares every new text a geometry update of the window.
QLabel* makeFixedLabel(QWidget* parent, const QString& name, const QString& text, const QRect& geometry)
{
    QLabel* label = makeLabel(parent, name, text, geometry);
    label->setFixedSize(geometry.size());
    return label;
}

QProgressBar* makeBar(QWidget* parent, const char* name, const QRect& geometry)
{
    auto* bar = new QProgressBar(parent);
    bar->setObjectName(QLatin1String(name));
    bar->setGeometry(geometry);
    bar->setTextVisible(false);
    bar->setRange(0, 0);
    bar->setValue(0);
    return bar;
}

// A drawn line from one point to another of its parent; it takes no input.
class DrawnLine : public QWidget {
public:
    DrawnLine(QWidget* parent, const char* name, QPoint from, QPoint to) : QWidget(parent)
    {
        setObjectName(QLatin1String(name));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        const QRect bounds = QRect(from, to).normalized().adjusted(0, 0, 1, 1);
        setGeometry(bounds);
        from_ = from - bounds.topLeft();
        to_ = to - bounds.topLeft();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawLine(from_, to_);
    }

private:
    QPoint from_;
    QPoint to_;
};

// A monitor whose reading fails stops, so that the failure is reported
// once rather than by a new message box on every tick.
template <typename Tick>
void connectMonitor(QTimer* timer, QObject* window, platform::MessageBoxService& messages, Tick tick)
{
    QObject::connect(timer, &QTimer::timeout, window, [timer, &messages, tick] {
        if (!platform::runGuarded(messages, tick)) timer->stop();
    });
}

QTimer* makeTimer(QObject* parent, const char* name, int interval)
{
    auto* timer = new QTimer(parent);
    timer->setObjectName(QLatin1String(name));
    timer->setTimerType(Qt::PreciseTimer);
    timer->setInterval(interval);
    return timer;
}

} // namespace

struct frm_system::ButtonRow {
    int number;
    Holder holder;
    QRect geometry;
    const char* caption;
    int entry;                   // TextN of the caption
    void (frm_system::*click)(); // nullptr: the settings page `role`
    platform::SettingsRole role;
};

const std::array<frm_system::ButtonRow, 29>& frm_system::buttonRows()
{
    using platform::SettingsRole;
    using H = Holder;
    constexpr auto none = SettingsRole::Modems; // not used where a row has its own handler
    // Two columns of ten rows in Frame2, 24 pixels apart.
    const auto left = [](int row) { return QRect(8, 16 + row * 24, 161, 25); };
    const auto right = [](int row) { return QRect(168, 16 + row * 24, 145, 25); };
    // In the order the buttons are made, which is their tab order.
    static const std::array<ButtonRow, 29> rows{{
        {1, H::Window, {8, 80, 297, 25}, "Zobrazit systémové informace!", 22, &frm_system::Command1_Click, none},
        {5, H::Frame1, {16, 8, 257, 17}, "Start>Vypnout", 23, &frm_system::Command5_Click, none},
        {4, H::Frame1, {16, 24, 257, 17}, "Odhlásit uživatele", 24, &frm_system::Command4_Click, none},
        {24, H::Frame3, {8, 16, 57, 17}, "Schovat", 26, &frm_system::Command24_Click, none},
        {25, H::Frame3, {8, 32, 57, 13}, "Zobrazit", 27, &frm_system::Command25_Click, none},
        {6, H::Frame2, left(0), "Datum a čas", 46, nullptr, SettingsRole::DateAndTime},
        {2, H::Frame2, right(0), "Modemy", 56, nullptr, SettingsRole::Modems},
        {7, H::Frame2, left(1), "Herní zařízení", 47, nullptr, SettingsRole::GameControllers},
        {3, H::Frame2, right(1), "Multimédia", 57, nullptr, SettingsRole::Multimedia},
        {8, H::Frame2, left(2), "Hesla", 48, nullptr, SettingsRole::Passwords},
        {14, H::Frame2, right(2), "Obrazovka", 58, nullptr, SettingsRole::Display},
        {9, H::Frame2, left(3), "Myš", 49, nullptr, SettingsRole::Mouse},
        {15, H::Frame2, right(3), "ODBC", 59, nullptr, SettingsRole::Odbc},
        {10, H::Frame2, left(4), "Klávesnice", 50, nullptr, SettingsRole::Keyboard},
        {16, H::Frame2, right(4), "Přidat/odebrat programy", 60, nullptr, SettingsRole::AddRemovePrograms},
        {11, H::Frame2, left(5), "Tiskárny", 51, nullptr, SettingsRole::Printers},
        {17, H::Frame2, right(5), "Přidat hardware", 61, nullptr, SettingsRole::AddHardware},
        {12, H::Frame2, left(6), "Fonty", 52, nullptr, SettingsRole::Fonts},
        {18, H::Frame2, right(6), "Řízení spotřeby", 62, nullptr, SettingsRole::PowerManagement},
        // Command13 has no row of its own in the left column; it takes the
        // free row between Command12 and Command20.
        {13, H::Frame2, left(7), "Místní nastavení", 53, nullptr, SettingsRole::RegionalSettings},
        {19, H::Frame2, right(7), "Síť", 63, nullptr, SettingsRole::Network},
        {20, H::Frame2, left(8), "Systém", 54, nullptr, SettingsRole::System},
        {21, H::Frame2, right(8), "Motivy", 64, nullptr, SettingsRole::Themes},
        {22, H::Frame2, left(9), "Zvuky", 55, nullptr, SettingsRole::Sounds},
        {23, H::Frame2, right(9), "Ćasové pásmo", 65, nullptr, SettingsRole::TimeZone},
        {26, H::Frame5, {8, 16, 81, 17}, "Skrýt Taskbar", 33, &frm_system::Command26_Click, none},
        {27, H::Frame5, {88, 16, 89, 17}, "Zobrazit TaskBar", 34, &frm_system::Command27_Click, none},
        {28, H::Frame5, {184, 16, 89, 17}, "Skrýt Start", 35, &frm_system::Command28_Click, none},
        {29, H::Frame5, {272, 16, 81, 17}, "Zobrazit Start", 36, &frm_system::Command29_Click, none},
    }};
    return rows;
}

void frm_system::placeButtons(Holder holder, QWidget* parent)
{
    for (const ButtonRow& row : buttonRows())
        if (row.holder == holder)
            Command[row.number] = makeButton(parent, QStringLiteral("Command%1").arg(row.number),
                                             QString::fromUtf8(row.caption), row.geometry);
}

frm_system::frm_system(AppContext& context) : context_(context)
{
    setObjectName(QStringLiteral("frm_system"));
    setWindowTitle(QStringLiteral("Quelmarn Manager - Operační systém"));
    fixWindowSize(this, 667, 481);

    Label1 =
        makeFixedLabel(this, QStringLiteral("Label1"), QStringLiteral("Verze operačního systému:"), {8, 8, 153, 17});
    verze_sys = makeFixedLabel(this, QStringLiteral("verze_sys"), QStringLiteral("verze_os"), {168, 8, 97, 17});
    Label2 =
        makeFixedLabel(this, QStringLiteral("Label2"), QStringLiteral("Jak byl systém nastartován:"), {8, 32, 137, 17});
    start_systemu = makeFixedLabel(this, QStringLiteral("start_systemu"), QString(), {152, 32, 161, 17});
    win_bezi = new LiveLabel(QStringLiteral("Windows již běží"), this);
    win_bezi->setObjectName(QStringLiteral("win_bezi"));
    win_bezi->setTextFormat(Qt::PlainText);
    win_bezi->setGeometry(8, 56, 297, 17);
    win_bezi->setFixedSize(297, 17);
    win_bezi->setAttribute(Qt::WA_OpaquePaintEvent);
    placeButtons(Holder::Window, this);

    Frame1 = makeFrame(this, "Frame1", QString(), {8, 104, 297, 57});
    placeButtons(Holder::Frame1, Frame1);

    Frame3 = makeFrame(this, "Frame3", QStringLiteral("Myš"), {8, 160, 297, 81});
    placeButtons(Holder::Frame3, Frame3);
    lbl_existence_mysi = makeFixedLabel(Frame3, QStringLiteral("lbl_existence_myši"), QStringLiteral("Existuje myš?"),
                                        {72, 16, 137, 17});
    lbl_tlacitka_mysi = makeFixedLabel(Frame3, QStringLiteral("lbl_tlacitka_mysi"), QString(), {72, 32, 129, 17});
    Label4 = makeFixedLabel(Frame3, QStringLiteral("Label4"), QStringLiteral("Souřadnice myši:"), {8, 56, 209, 17});
    Label3 = makeFixedLabel(Frame3, QStringLiteral("Label3"),
                            QStringLiteral("Zprávně ukazuje, pouze pokud je myš nainstalována."), {224, 8, 65, 65});
    Label3->setWordWrap(true);
    Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Line1 = new DrawnLine(Frame3, "Line1", {144, 24}, {232, 40});
    Line2 = new DrawnLine(Frame3, "Line2", {208, 48}, {232, 40});

    Frame2 = makeFrame(this, "Frame2", QStringLiteral("Dialogy"), {312, 0, 329, 265});
    placeButtons(Holder::Frame2, Frame2);

    Frame5 = makeFrame(this, "Frame5", QStringLiteral("TaskBar"), {0, 256, 361, 41});
    placeButtons(Holder::Frame5, Frame5);

    Frame4 = makeFrame(this, "Frame4", QStringLiteral("Paměť"), {8, 296, 545, 177});
    lblPhysUsed = makeFixedLabel(Frame4, QStringLiteral("lblPhysUsed"), QStringLiteral("Použito fyzické paměti:"),
                                 {8, 40, 273, 17});
    pgbPhysMem = makeBar(Frame4, "pgbPhysMem", {8, 56, 281, 25});
    lblVirtUsed = makeFixedLabel(Frame4, QStringLiteral("lblVirtUsed"), QStringLiteral("Použito virtuální paměti:"),
                                 {8, 88, 273, 17});
    pgbVirtMem = makeBar(Frame4, "pgbVirtMem", {8, 104, 281, 25});
    const QString k = QStringLiteral("k");
    lblTotalPhys = makeFixedLabel(Frame4, QStringLiteral("lblTotalPhys"), k, {296, 32, 233, 17});
    lblAvailPhys = makeFixedLabel(Frame4, QStringLiteral("lblAvailPhys"), k, {296, 56, 233, 17});
    lblAvailVirtual = makeFixedLabel(Frame4, QStringLiteral("lblAvailVirtual"), k, {296, 80, 241, 17});
    lblTotalPage = makeFixedLabel(Frame4, QStringLiteral("lblTotalPage"), k, {296, 104, 233, 17});
    lblAvailPage = makeFixedLabel(Frame4, QStringLiteral("lblAvailPage"), k, {296, 128, 233, 17});
    lblTotalVirtual = makeFixedLabel(Frame4, QStringLiteral("lblTotalVirtual"), k, {296, 152, 233, 17});

    Timer1 = makeTimer(this, "Timer1", 1000);
    Timer2 = makeTimer(this, "Timer2", upTimeIntervalMs);
    Timer3 = makeTimer(this, "Timer3", pointerIntervalMs);

    auto& messages = context_.services.messages;
    loadGuarded(this, messages, &frm_system::Form_Load);

    connectButtons();

    connectMonitor(Timer1, this, messages, [this] { Timer1_Timer(); });
    connectMonitor(Timer2, this, messages, [this] { Timer2_Timer(); });
    connectMonitor(Timer3, this, messages, [this] { Timer3_Timer(); });
    Timer1->start();
    Timer2->start();
    Timer3->start();
}

void frm_system::connectButtons()
{
    for (const ButtonRow& row : buttonRows())
        platform::connectGuarded(Command[row.number], &QPushButton::clicked, this, context_.services.messages,
                                 [this, &row] { row.click ? (this->*row.click)() : openSettings(row.role); });
}

void frm_system::Command1_Click()
{
    const platform::SystemInformationProgram program = context_.services.applets.systemInformation();
    if (program.exists)
        context_.services.programs.start(program.path, platform::MinimizedFocus);
    else
        context_.services.messages.show(QStringLiteral("Soubor ") + program.path + QStringLiteral(" neexistuje!"),
                                        platform::PlainOk);
}

void frm_system::openSettings(platform::SettingsRole role)
{
    const QString commandLine = context_.services.applets.commandLine(role);
    context_.services.programs.start(commandLine, platform::settingsApplet(role).windowStyle);
}

void frm_system::Command4_Click() { context_.system.off_reset_logout.logOff(); }

void frm_system::Command5_Click()
{
    platform::off_reset_logout::Calls& session = context_.system.off_reset_logout;
    if (session.desktopShutdownPrompt()) return;

    platform::ShutdownRequest request;
    request.title = QStringLiteral("Quelmarn Manager - ") + context_.T(23);
    request.powerOffText = QStringLiteral("Vypnout počítač");
    request.rebootText = QStringLiteral("Restartovat počítač");
    request.logOffText = context_.T(24);
    request.cancelText = QStringLiteral("Zrušit");
    request.powerOffOffered = platform::off_reset_logout::offered(session.canPowerOff());
    request.rebootOffered = platform::off_reset_logout::offered(session.canReboot());
    switch (context_.services.shutdownDialog.ask(this, request)) {
    case platform::ShutdownChoice::PowerOff: session.powerOff(); break;
    case platform::ShutdownChoice::Reboot: session.reboot(); break;
    case platform::ShutdownChoice::LogOff: session.logOff(); break;
    case platform::ShutdownChoice::Cancel: break;
    }
}

void frm_system::Command24_Click() { context_.services.pointerDisplay.showCursor(false); }

void frm_system::Command25_Click() { context_.services.pointerDisplay.showCursor(true); }

void frm_system::Command26_Click() { context_.system.taskbar.hideTaskbar(); }

void frm_system::Command27_Click() { context_.system.taskbar.showTaskbar(); }

void frm_system::Command28_Click() { context_.system.taskbar.hideStartButton(); }

void frm_system::Command29_Click() { context_.system.taskbar.showStartButton(); }

void frm_system::Form_Load()
{
    AppContext& c = context_;
    setWindowTitle(QStringLiteral("Quelmarn Manager " QUELMARN_VERSION " - ") + c.T(67));

    verze_sys->setText(number_format::version(c.system.ostatni_API.osVersion()));

    switch (c.system.Jak_byl_system_nastartovan.startMode()) {
    case platform::Jak_byl_system_nastartovan::Normal: start_systemu->setText(c.T(18)); break;
    case platform::Jak_byl_system_nastartovan::FailSafe: start_systemu->setText(c.T(19)); break;
    case platform::Jak_byl_system_nastartovan::FailSafeWithNetwork: start_systemu->setText(c.T(20)); break;
    default: break;
    }

    lbl_existence_mysi->setText(c.system.mys.mousePresent() ? c.T(29) : c.T(28));
    lbl_tlacitka_mysi->setText(c.T(30) + QString::number(c.system.mys.buttonCount()));

    platform::pamet::MemoryStatus& record = c.memoryStatus;
    record = c.system.pamet.globalMemoryStatus();

    physScale_ = number_format::BarScale(record.totalPhys);
    virtScale_ = number_format::BarScale(record.totalVirtual);
    pgbPhysMem->setMinimum(0);
    pgbPhysMem->setMaximum(physScale_.maximum());
    pgbVirtMem->setMinimum(0);
    pgbVirtMem->setMaximum(virtScale_.maximum());

    writeMemoryLabels();

    Label1->setText(c.T(16));
    Label2->setText(c.T(17));
    for (const ButtonRow& row : buttonRows()) Command[row.number]->setText(c.T(row.entry));
    Frame3->setTitle(c.T(25));
    Label3->setText(c.T(31));
    shrinkToFit(Label3, Label3->font());
    Frame5->setTitle(c.T(32));
    Frame4->setTitle(c.T(37));
    lblPhysUsed->setText(c.T(38));
    lblVirtUsed->setText(c.T(39));
    Frame2->setTitle(c.T(66));
}

void frm_system::writeMemoryLabels()
{
    const AppContext& c = context_;
    const platform::pamet::MemoryStatus& record = c.memoryStatus;
    const QString kb = QStringLiteral(" KB");
    lblTotalPhys->setText(c.T(45) + number_format::kilobytes(record.totalPhys) + kb);
    lblAvailPhys->setText(c.T(40) + number_format::kilobytes(record.availPhys) + kb);
    lblTotalPage->setText(c.T(41) + number_format::kilobytes(record.totalPageFile));
    lblAvailPage->setText(c.T(42) + number_format::kilobytes(record.availPageFile));
    lblTotalVirtual->setText(c.T(43) + number_format::kilobytes(record.totalVirtual) + kb);
    lblAvailVirtual->setText(c.T(44) + number_format::kilobytes(record.availVirtual) + kb);
}

void frm_system::Timer1_Timer()
{
    AppContext& c = context_;
    platform::pamet::MemoryStatus& record = c.memoryStatus;
    record = c.system.pamet.globalMemoryStatus();

    const std::uint64_t physUsed = record.totalPhys - std::min(record.availPhys, record.totalPhys);
    pgbPhysMem->setValue(physScale_.toBar(physUsed));
    lblPhysUsed->setText(c.T(38) + number_format::usePercent(physUsed, record.totalPhys));

    const std::uint64_t virtUsed = record.totalVirtual - std::min(record.availVirtual, record.totalVirtual);
    pgbVirtMem->setValue(virtScale_.toBar(virtUsed));
    lblVirtUsed->setText(c.T(39) + number_format::usePercent(virtUsed, record.totalVirtual));

    writeMemoryLabels();
}

void frm_system::Timer2_Timer()
{
    win_bezi->setParts(context_.T(21), number_format::upTime(context_.system.ostatni_API.millisecondsSinceBoot()));
}

void frm_system::Timer3_Timer() { souradnice_mysi(); }

void frm_system::souradnice_mysi()
{
    const std::optional<QPoint> at = context_.services.pointer.position();
    // Never a number that is not the pointer's place on the screen.
    const QString text = at ? number_format::pointer(*at) : tr("Pointer position: unknown");
    // The pointer is mostly still: an unchanged text costs no repaint.
    if (Label4->text() != text) Label4->setText(text);
}
