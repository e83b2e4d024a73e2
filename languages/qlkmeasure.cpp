// qlkmeasure: lays a language source's texts out in the program's windows,
// made on the platform's fakes, at the program's font, and lists every text
// wider (or, where a label wraps, taller) than the control that shows it.
//
//   qlkmeasure SOURCE.txt
//
// Exit status: 0 every text fits, 1 some do not (listed on standard output),
// 2 it could not measure. qlkpack --check runs it; it needs no display.
//
// Which control shows which entry is found by building each window twice:
// once with every entry TextN reading a marker that names N, once with the
// source's texts, packed and loaded as the program loads them. A text is
// measured alone, without the values the program puts beside it; a text
// the windows show only later (after a click, or as a message) is not
// measured.

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <cstdio>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <sstream>

#include "languages/language_file.h"
#include "languages/language_source.h"
#include "main_menu/main_menu.h"
#include "platform/fakes/fake_services.h"
#include "platform/fakes/fake_system_calls.h"
#include "platform/failure.h"
#include "platform/sys/codepage.h"
#include "startup/appearance.h"
#include "ui/app_context.h"
#include "ui/form1.h"

#include "about/frmAbout.h"
#include "sections/browser/frm_internet.h"
#include "sections/folders/frm_slozky.h"
#include "sections/messages/frm_hlasky.h"
#include "sections/network/frm_sit.h"
#include "sections/notes/frm_poznamky.h"
#include "sections/programs/frm_programy.h"
#include "sections/settings/frm_nastav.h"
#include "sections/system/frm_system.h"

namespace {

const QRegularExpression& markerPattern()
{
    static const QRegularExpression pattern(QStringLiteral("\u27e6(\\d+)\u27e7"));
    return pattern;
}

QString marker(int entry) { return QStringLiteral("\u27e6%1\u27e7").arg(entry); }

// A control's name within its window: object names, or class and place
// where a control has none.
QString controlName(const QWidget* control, const QWidget* window)
{
    QStringList parts;
    for (const QWidget* w = control; w && w != window; w = w->parentWidget()) {
        QString part = w->objectName();
        if (part.isEmpty()) {
            const QObjectList& siblings = w->parent()->children();
            part = QStringLiteral("%1#%2").arg(QLatin1String(w->metaObject()->className())).arg(siblings.indexOf(w));
        }
        parts.prepend(part);
    }
    return parts.join(QLatin1Char('.'));
}

QString shownText(const QWidget* control)
{
    if (auto* label = qobject_cast<const QLabel*>(control)) return label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(control)) return button->text();
    if (auto* frame = qobject_cast<const QGroupBox*>(control)) return frame->title();
    return {};
}

// Every control of the window that shows a text, by name.
std::map<QString, const QWidget*> controlsOf(const QWidget& window)
{
    std::map<QString, const QWidget*> controls;
    for (const QWidget* control : window.findChildren<QWidget*>())
        if (!shownText(control).isEmpty()) controls[controlName(control, &window)] = control;
    return controls;
}

// The part of a marked text that the entries make, with each marker given
// its entry's text; the values around them are left out.
QString entriesPart(const QString& marked, const Form1& table, QList<int>& entries)
{
    QString part;
    qsizetype end = -1;
    for (auto it = markerPattern().globalMatch(marked); it.hasNext();) {
        const auto match = it.next();
        if (end >= 0) part += marked.mid(end, match.capturedStart() - end);
        const int entry = match.captured(1).toInt();
        entries.append(entry);
        part += table.text(entry);
        end = match.capturedEnd();
    }
    return part;
}

struct Misfit {
    QString need; // what the text needs, "190 px wide"
    QString has;  // what the control gives it, "170 px"
};

// How text would not fit in control, at the control's own font; nothing
// when it fits.
std::optional<Misfit> misfit(const QWidget* control, QString text)
{
    text.remove(QLatin1Char('\r'));
    const QFontMetrics metrics(control->font());
    // Ink, not advance: the space after a last glyph may fall outside.
    const auto inkWidth = [&](const QString& line) { return line.isEmpty() ? 0 : metrics.boundingRect(line).right() + 1; };
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n'))) widest = std::max(widest, inkWidth(line));
    const QStyle* style = control->style();
    int room = control->width();
    if (auto* label = qobject_cast<const QLabel*>(control)) {
        const QRect inside = label->contentsRect();
        room = inside.width();
        if (label->wordWrap()) {
            const int height =
                metrics.boundingRect(QRect(0, 0, room, 1 << 20), Qt::TextWordWrap | label->alignment(), text).height();
            if (height > inside.height())
                return Misfit{QStringLiteral("%1 px of height").arg(height), QStringLiteral("%1 px").arg(inside.height())};
            widest = 0; // a word longer than a line is cut even when wrapped
            for (const QString& word : text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts))
                widest = std::max(widest, inkWidth(word));
        }
    } else if (auto* button = qobject_cast<const QAbstractButton*>(control)) {
        // The room the style leaves the caption inside the button's bevel
        // or beside its indicator.
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        option.icon = button->icon();
        option.iconSize = button->iconSize();
        QStyle::SubElement contents = QStyle::SE_PushButtonContents;
        if (qobject_cast<const QCheckBox*>(control)) contents = QStyle::SE_CheckBoxContents;
        if (qobject_cast<const QRadioButton*>(control)) contents = QStyle::SE_RadioButtonContents;
        room = style->subElementRect(contents, &option, button).width();
        text.remove(QLatin1Char('&'));
        widest = inkWidth(text);
    } else if (qobject_cast<const QGroupBox*>(control)) {
        room -= 2 * style->pixelMetric(QStyle::PM_LayoutLeftMargin);
    }
    if (widest > room) return Misfit{QStringLiteral("%1 px wide").arg(widest), QStringLiteral("%1 px").arg(room)};
    return std::nullopt;
}

class Measurer {
public:
    Measurer(const Form1& texts, const QString& sourceName) : texts_(texts), sourceName_(sourceName)
    {
        for (int n = 1; n <= langfile::entryCount; ++n) markers_.setText(n, marker(n));
        config_.codePage = 1250;
        config_.workingFolder = folder_.path();
        config_.windowsDirectory = config_.applicationFolder = folder_.path().toStdString();
        config_.homeSite = config_.secondSite = config_.testHost = QStringLiteral("127.0.0.1:9");
        config_.startPage = QStringLiteral("http://127.0.0.1:9/");
    }

    template <typename Window>
    void measure()
    {
        const std::unique_ptr<QWidget> markedWindow = make<Window>(markers_);
        const std::unique_ptr<QWidget> window = make<Window>(texts_);
        const std::map<QString, const QWidget*> controls = controlsOf(*window);
        const QString windowName = QLatin1String(window->metaObject()->className());
        for (const auto& [name, markedControl] : controlsOf(*markedWindow)) {
            QList<int> entries;
            const QString text = entriesPart(shownText(markedControl), texts_, entries);
            const auto found = controls.find(name);
            if (entries.isEmpty() || found == controls.end()) continue;
            const QWidget* control = found->second;
            if (const auto problem = misfit(control, text)) {
                QStringList numbers;
                for (int entry : entries) numbers << QStringLiteral("Text%1").arg(entry);
                std::printf("%s: %s \"%s\" is %s; %s %s holds %s\n", qPrintable(sourceName_),
                            qPrintable(numbers.join(QLatin1Char('+'))), qPrintable(text), qPrintable(problem->need),
                            qPrintable(windowName), qPrintable(name), qPrintable(problem->has));
                ++misfits_;
            }
        }
    }

    int misfits() const { return misfits_; }

private:
    template <typename Window>
    std::unique_ptr<QWidget> make(const Form1& table)
    {
        contexts_.push_back(std::make_unique<AppContext>(
            AppContext{table, fakes_.view(), [] {}, system_.view(), config_}));
        return std::make_unique<Window>(*contexts_.back());
    }

    const Form1& texts_;
    const QString sourceName_;
    Form1 markers_;
    QTemporaryDir folder_;
    Configuration config_;
    platform::fakes::FakeServices fakes_;
    platform::fakes::FakeSystemCalls system_;
    std::vector<std::unique_ptr<AppContext>> contexts_;
    int misfits_ = 0;
};

template <typename... Windows>
void measureEach(Measurer& measurer)
{
    (measurer.measure<Windows>(), ...);
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: qlkmeasure SOURCE.txt\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    applyAppearance(app);
    try {
        std::ifstream in(argv[1], std::ios::binary);
        if (!in) throw platform::Failure(std::string("cannot read ") + argv[1]);
        std::stringstream text;
        text << in.rdbuf();
        const langsource::Source source = langsource::parse(text, argv[1]);
        if (source.codePage == 0) throw platform::Failure(std::string(argv[1]) + ": no code-page line");
        // Texts as the program has them: packed (characters the code page
        // cannot hold are qlkpack's to report) and loaded.
        std::vector<std::string> records;
        for (int r = 1; r <= langfile::recordCount; ++r) {
            const auto it = source.entries.find(langfile::entryForRecord(r));
            records.push_back(it == source.entries.end()
                                  ? std::string()
                                  : platform::codepage::fromUtf8(it->second, source.codePage).bytes);
        }
        Form1 texts;
        texts.load(langfile::writeRecords(records), argv[1], source.codePage);
        Measurer measurer(texts, QString::fromLocal8Bit(argv[1]));
        measureEach<main_menu, QUELMARN_SECTION_WINDOWS>(measurer);
        return measurer.misfits() == 0 ? 0 : 1;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "qlkmeasure: %s\n", error.what());
        return 2;
    }
}
