#include "sections/system/frm_system.h"

#include <QFontInfo>
#include <QPainter>
#include <QRegularExpression>

#include "platform/services/guard.h"
#include "startup/controls.h"

namespace {

// A fixed size spares every new text a geometry update of the window.
QLabel* makeFixedLabel(QWidget* parent, const QString& name, const QString& text, const QRect& geometry)
{
    QLabel* label = makeLabel(parent, name, text, geometry);
    label->setFixedSize(geometry.size());
    return label;
}

QPushButton* makeButton(QWidget* parent, int number, const QString& caption, const QRect& geometry)
{
    return ::makeButton(parent, QStringLiteral("Command%1").arg(number), caption, geometry);
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

// Shrinks a word-wrapped label's font until every word fits its width and
// the wrapped text its height, so that a long word is not cut off.
void fitWrappedText(QLabel* label)
{
    QFont font = label->font();
    if (font.pixelSize() <= 0) font.setPixelSize(QFontInfo(font).pixelSize());
    const QStringList words = label->text().split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    for (; font.pixelSize() > 8; font.setPixelSize(font.pixelSize() - 1)) {
        const QFontMetrics metrics(font);
        bool wordsFit = true;
        for (const QString& word : words) wordsFit = wordsFit && metrics.horizontalAdvance(word) <= label->width();
        const QRect wrapped = metrics.boundingRect(QRect(0, 0, label->width(), 10000), Qt::TextWordWrap, label->text());
        if (wordsFit && wrapped.height() <= label->height()) break;
    }
    label->setFont(font);
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

platform::pamet::MemoryStatus& frm_system::memoryStatus()
{
    static platform::pamet::MemoryStatus record;
    return record;
}

frm_system::frm_system(AppContext& context) : context_(context)
{
    setObjectName(QStringLiteral("frm_system"));
    setWindowTitle(QStringLiteral("Quelmarn Manager - Operační systém"));
    setFixedSize(667, 481);

    Label1 = makeFixedLabel(this, QStringLiteral("Label1"), QStringLiteral("Verze operačního systému:"), {8, 8, 153, 17});
    verze_sys = makeFixedLabel(this, QStringLiteral("verze_sys"), QStringLiteral("verze_os"), {168, 8, 97, 17});
    Label2 = makeFixedLabel(this, QStringLiteral("Label2"), QStringLiteral("Jak byl systém nastartován:"), {8, 32, 137, 17});
    start_systemu = makeFixedLabel(this, QStringLiteral("start_systemu"), QString(), {152, 32, 161, 17});
    win_bezi = new LiveLabel(QStringLiteral("Windows již běží"), this);
    win_bezi->setObjectName(QStringLiteral("win_bezi"));
    win_bezi->setTextFormat(Qt::PlainText);
    win_bezi->setGeometry(8, 56, 297, 17);
    win_bezi->setFixedSize(297, 17);
    win_bezi->setAttribute(Qt::WA_OpaquePaintEvent);
    Command[1] = makeButton(this, 1, QStringLiteral("Zobrazit systémové informace!"), {8, 80, 297, 25});

    Frame1 = makeFrame(this, "Frame1", QString(), {8, 104, 297, 57});
    Command[5] = makeButton(Frame1, 5, QStringLiteral("Start>Vypnout"), {16, 8, 257, 17});
    Command[4] = makeButton(Frame1, 4, QStringLiteral("Odhlásit uživatele"), {16, 24, 257, 17});

    Frame3 = makeFrame(this, "Frame3", QStringLiteral("Myš"), {8, 160, 297, 81});
    Command[24] = makeButton(Frame3, 24, QStringLiteral("Schovat"), {8, 16, 57, 17});
    Command[25] = makeButton(Frame3, 25, QStringLiteral("Zobrazit"), {8, 32, 57, 13});
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
    struct Placed {
        int number;
        const char* caption;
    };
    // Command13 has no row of its own in the left column; it takes the
    // free row between Command12 and Command20.
    const Placed left[] = {{6, "Datum a čas"}, {7, "Herní zařízení"}, {8, "Hesla"},
                           {9, "Myš"},         {10, "Klávesnice"},    {11, "Tiskárny"},
                           {12, "Fonty"},      {13, "Místní nastavení"}, {20, "Systém"},
                           {22, "Zvuky"}};
    const Placed right[] = {{2, "Modemy"},           {3, "Multimédia"},          {14, "Obrazovka"},
                            {15, "ODBC"},             {16, "Přidat/odebrat programy"}, {17, "Přidat hardware"},
                            {18, "Řízení spotřeby"}, {19, "Síť"},                {21, "Motivy"},
                            {23, "Ćasové pásmo"}};
    for (int row = 0; row < 10; ++row) {
        const int top = 16 + row * 24;
        Command[left[row].number] =
            makeButton(Frame2, left[row].number, QString::fromUtf8(left[row].caption), {8, top, 161, 25});
        Command[right[row].number] =
            makeButton(Frame2, right[row].number, QString::fromUtf8(right[row].caption), {168, top, 145, 25});
    }

    Frame5 = makeFrame(this, "Frame5", QStringLiteral("TaskBar"), {0, 256, 361, 41});
    Command[26] = makeButton(Frame5, 26, QStringLiteral("Skrýt Taskbar"), {8, 16, 81, 17});
    Command[27] = makeButton(Frame5, 27, QStringLiteral("Zobrazit TaskBar"), {88, 16, 89, 17});
    Command[28] = makeButton(Frame5, 28, QStringLiteral("Skrýt Start"), {184, 16, 89, 17});
    Command[29] = makeButton(Frame5, 29, QStringLiteral("Zobrazit Start"), {272, 16, 81, 17});

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
    platform::runGuarded(messages, [this] { Form_Load(); });

    connectButtons();

    platform::connectGuarded(Timer1, &QTimer::timeout, this, messages, [this] { Timer1_Timer(); });
    platform::connectGuarded(Timer2, &QTimer::timeout, this, messages, [this] { Timer2_Timer(); });
    platform::connectGuarded(Timer3, &QTimer::timeout, this, messages, [this] { Timer3_Timer(); });
    Timer1->start();
    Timer2->start();
    Timer3->start();
}

void frm_system::connectButtons()
{
    auto& messages = context_.services.messages;
    const auto on = [this, &messages](int number, void (frm_system::*handler)()) {
        platform::connectGuarded(Command[number], &QPushButton::clicked, this, messages,
                                 [this, handler] { (this->*handler)(); });
    };
    on(1, &frm_system::Command1_Click);
    on(4, &frm_system::Command4_Click);
    on(5, &frm_system::Command5_Click);
    on(24, &frm_system::Command24_Click);
    on(25, &frm_system::Command25_Click);
    on(26, &frm_system::Command26_Click);
    on(27, &frm_system::Command27_Click);
    on(28, &frm_system::Command28_Click);
    on(29, &frm_system::Command29_Click);
    on(2, &frm_system::Command2_Click);
    on(3, &frm_system::Command3_Click);
    on(6, &frm_system::Command6_Click);
    on(7, &frm_system::Command7_Click);
    on(8, &frm_system::Command8_Click);
    on(9, &frm_system::Command9_Click);
    on(10, &frm_system::Command10_Click);
    on(11, &frm_system::Command11_Click);
    on(12, &frm_system::Command12_Click);
    on(13, &frm_system::Command13_Click);
    on(14, &frm_system::Command14_Click);
    on(15, &frm_system::Command15_Click);
    on(16, &frm_system::Command16_Click);
    on(17, &frm_system::Command17_Click);
    on(18, &frm_system::Command18_Click);
    on(19, &frm_system::Command19_Click);
    on(20, &frm_system::Command20_Click);
    on(21, &frm_system::Command21_Click);
    on(22, &frm_system::Command22_Click);
    on(23, &frm_system::Command23_Click);
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

void frm_system::Command2_Click() { openSettings(platform::SettingsRole::Modems); }
void frm_system::Command3_Click() { openSettings(platform::SettingsRole::Multimedia); }
void frm_system::Command6_Click() { openSettings(platform::SettingsRole::DateAndTime); }
void frm_system::Command7_Click() { openSettings(platform::SettingsRole::GameControllers); }
void frm_system::Command8_Click() { openSettings(platform::SettingsRole::Passwords); }
void frm_system::Command9_Click() { openSettings(platform::SettingsRole::Mouse); }
void frm_system::Command10_Click() { openSettings(platform::SettingsRole::Keyboard); }
void frm_system::Command11_Click() { openSettings(platform::SettingsRole::Printers); }
void frm_system::Command12_Click() { openSettings(platform::SettingsRole::Fonts); }
void frm_system::Command13_Click() { openSettings(platform::SettingsRole::RegionalSettings); }
void frm_system::Command14_Click() { openSettings(platform::SettingsRole::Display); }
void frm_system::Command15_Click() { openSettings(platform::SettingsRole::Odbc); }
void frm_system::Command16_Click() { openSettings(platform::SettingsRole::AddRemovePrograms); }
void frm_system::Command17_Click() { openSettings(platform::SettingsRole::AddHardware); }
void frm_system::Command18_Click() { openSettings(platform::SettingsRole::PowerManagement); }
void frm_system::Command19_Click() { openSettings(platform::SettingsRole::Network); }
void frm_system::Command20_Click() { openSettings(platform::SettingsRole::System); }
void frm_system::Command21_Click() { openSettings(platform::SettingsRole::Themes); }
void frm_system::Command22_Click() { openSettings(platform::SettingsRole::Sounds); }
void frm_system::Command23_Click() { openSettings(platform::SettingsRole::TimeZone); }

void frm_system::openSettings(platform::SettingsRole role)
{
    const QString commandLine = context_.services.applets.commandLine(role);
    context_.services.programs.start(commandLine, platform::settingsApplet(role).windowStyle);
}

void frm_system::Command4_Click()
{
    context_.system.off_reset_logout.logOff();
}

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

void frm_system::Command24_Click()
{
    context_.services.pointerDisplay.showCursor(false);
}

void frm_system::Command25_Click()
{
    context_.services.pointerDisplay.showCursor(true);
}

void frm_system::Command26_Click()
{
    context_.system.taskbar.hideTaskbar();
}

void frm_system::Command27_Click()
{
    context_.system.taskbar.showTaskbar();
}

void frm_system::Command28_Click()
{
    context_.system.taskbar.hideStartButton();
}

void frm_system::Command29_Click()
{
    context_.system.taskbar.showStartButton();
}

void frm_system::Form_Load()
{
    const AppContext& c = context_;
    setWindowTitle(QStringLiteral("Quelmarn Manager 0.05 - ") + c.T(67));

    verze_sys->setText(number_format::version(c.system.ostatni_API.osVersion()));

    switch (c.system.Jak_byl_system_nastartovan.startMode()) {
    case platform::Jak_byl_system_nastartovan::Normal: start_systemu->setText(c.T(18)); break;
    case platform::Jak_byl_system_nastartovan::FailSafe: start_systemu->setText(c.T(19)); break;
    case platform::Jak_byl_system_nastartovan::FailSafeWithNetwork: start_systemu->setText(c.T(20)); break;
    default: break;
    }

    lbl_existence_mysi->setText(c.system.mys.mousePresent() ? c.T(29) : c.T(28));
    lbl_tlacitka_mysi->setText(c.T(30) + QString::number(c.system.mys.buttonCount()));

    platform::pamet::MemoryStatus& record = memoryStatus();
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
    Command[1]->setText(c.T(22));
    Command[5]->setText(c.T(23));
    Command[4]->setText(c.T(24));
    Frame3->setTitle(c.T(25));
    Command[24]->setText(c.T(26));
    Command[25]->setText(c.T(27));
    Label3->setText(c.T(31));
    fitWrappedText(Label3);
    Frame5->setTitle(c.T(32));
    for (int n = 26; n <= 29; ++n) Command[n]->setText(c.T(n + 7));
    Frame4->setTitle(c.T(37));
    lblPhysUsed->setText(c.T(38));
    lblVirtUsed->setText(c.T(39));
    Frame2->setTitle(c.T(66));
    for (int n = 6; n <= 13; ++n) Command[n]->setText(c.T(n + 40));
    Command[20]->setText(c.T(54));
    Command[22]->setText(c.T(55));
    Command[2]->setText(c.T(56));
    Command[3]->setText(c.T(57));
    for (int n = 14; n <= 19; ++n) Command[n]->setText(c.T(n + 44));
    Command[21]->setText(c.T(64));
    Command[23]->setText(c.T(65));
}

void frm_system::writeMemoryLabels()
{
    const AppContext& c = context_;
    const platform::pamet::MemoryStatus& record = memoryStatus();
    const QString kb = QStringLiteral(" KB");
    lblTotalPhys->setText(c.T(39) + number_format::kilobytes(record.totalPhys) + kb);
    lblAvailPhys->setText(c.T(40) + number_format::kilobytes(record.availPhys) + kb);
    lblTotalPage->setText(c.T(41) + number_format::kilobytes(record.totalPageFile));
    lblAvailPage->setText(c.T(42) + number_format::kilobytes(record.availPageFile));
    lblTotalVirtual->setText(c.T(43) + number_format::kilobytes(record.totalVirtual) + kb);
    lblAvailVirtual->setText(c.T(44) + number_format::kilobytes(record.availVirtual) + kb);
}

// A monitor whose reading fails stops, so that the failure is reported
// once rather than by a new message box on every tick.
void frm_system::Timer1_Timer()
{
    try {
        const AppContext& c = context_;
        platform::pamet::MemoryStatus& record = memoryStatus();
        record = c.system.pamet.globalMemoryStatus();

        const std::uint64_t physUsed = record.totalPhys - std::min(record.availPhys, record.totalPhys);
        pgbPhysMem->setValue(physScale_.toBar(physUsed));
        lblPhysUsed->setText(c.T(38) + number_format::usePercent(physUsed, record.totalPhys));

        const std::uint64_t virtUsed = record.totalVirtual - std::min(record.availVirtual, record.totalVirtual);
        pgbVirtMem->setValue(virtScale_.toBar(virtUsed));
        lblVirtUsed->setText(c.T(39) + number_format::usePercent(virtUsed, record.totalVirtual));

        writeMemoryLabels();
    } catch (...) {
        Timer1->stop();
        throw;
    }
}

void frm_system::Timer2_Timer()
{
    try {
        win_bezi->setParts(context_.T(21), number_format::upTime(context_.system.ostatni_API.millisecondsSinceBoot()));
    } catch (...) {
        Timer2->stop();
        throw;
    }
}

void frm_system::Timer3_Timer()
{
    try {
        souradnice_mysi();
    } catch (...) {
        Timer3->stop();
        throw;
    }
}

void frm_system::souradnice_mysi()
{
    const QString text = number_format::pointer(context_.services.pointer.position());
    // The pointer is mostly still: an unchanged text costs no repaint.
    if (Label4->text() != text) Label4->setText(text);
}
