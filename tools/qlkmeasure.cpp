// qlkmeasure: lays a language source's texts out in the program's windows,
// made on the platform's fakes, at the program's font, and lists every text
// wider (or, where a label wraps, taller) than the control that shows it.
//
//   qlkmeasure [--audit] SOURCE.txt
//
// --audit also measures the fixed texts and lists every other fault of the
// layout: controls on top of each other (except the pairs listed below,
// which the windows place so on purpose), a control across its frame's
// border or caption, a fixed-size window that offers to maximise, and a
// message box too narrow for its title.
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
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTemporaryDir>
#include <cstdio>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <sstream>

#include "languages/language_file.h"
#include "languages/language_source.h"
#include "main_menu/main_menu.h"
#include "platform/failure.h"
#include "platform/fakes/fake_services.h"
#include "platform/fakes/fake_system_calls.h"
#include "platform/services/message_box.h"
#include "platform/services/qt/qt_services.h"
#include "platform/sys/codepage.h"
#include "startup/appearance.h"
#include "ui/app_context.h"
#include "ui/form1.h"

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
    const auto inkWidth = [&](const QString& line) {
        return line.isEmpty() ? 0 : metrics.boundingRect(line).right() + 1;
    };
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
                return Misfit{QStringLiteral("%1 px of height").arg(height),
                              QStringLiteral("%1 px").arg(inside.height())};
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

// Controls that a window places on top of each other on purpose (beyond
// the edge line that neighbours share). Where `onTop` is set, the second
// control must be stacked above the first, so that nothing of it is hidden.
struct PlacedOverlap {
    const char* window;
    const char* first;  // pattern of a control name
    const char* second; // pattern of the other
    bool onTop;
};
constexpr PlacedOverlap placedOverlaps[] = {
    // The version on the picture.
    {"main_menu", "Image1", "Label1", true},
    // The "Ok" button in front of the frame's free part.
    {"frm_nastav", "Frame2", "Command3", true},
    // The task-bar frame reaches into the corner of the dialogs frame.
    {"frm_system", "Frame2", "Frame5", false},
    // Lines from the mouse labels to the remark cross the labels.
    {"frm_system", "Frame3\\.(lbl_.+|Label3)", "Frame3\\.Line[12]", false},
    // The link buttons reach a row into the page.
    {"frm_internet", "WebBrowser1", "Command[78]", true},
};

const PlacedOverlap* placedOverlap(const QString& window, const QString& first, const QString& second)
{
    const auto matches = [](const char* pattern, const QString& name) {
        return QRegularExpression(QRegularExpression::anchoredPattern(QString::fromUtf8(pattern)))
            .match(name)
            .hasMatch();
    };
    for (const PlacedOverlap& placed : placedOverlaps)
        if (window == QLatin1String(placed.window) && matches(placed.first, first) && matches(placed.second, second))
            return &placed;
    return nullptr;
}

// The frame's caption as its style places it, and what lies inside its
// border as drawn: the frame alone, without its controls, painted on its
// background, searched from each side's middle (the right-hand quarter for
// the top and bottom, away from the caption) for the border's lines.
std::pair<QRect, QRect> frameInsideAndCaption(const QGroupBox* frame)
{
    QStyleOptionGroupBox option;
    option.initFrom(frame);
    option.text = frame->title();
    option.textAlignment = frame->alignment();
    option.lineWidth = 1;
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    const QRect caption = option.text.isEmpty()
        ? QRect()
        : frame->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame);
    const QColor background = frame->palette().color(frame->backgroundRole());
    QImage image(frame->size(), QImage::Format_ARGB32);
    image.fill(background);
    const_cast<QGroupBox*>(frame)->render(&image, {}, {}, QWidget::RenderFlags());
    const auto drawn = [&](int x, int y) { return image.pixelColor(x, y) != background; };
    const int w = image.width(), h = image.height();
    // Past the border's first line and the next two if they are drawn (a
    // style may fill the inside in a shade of its own).
    const auto pastBorder = [&](int from, int step, int end, const std::function<bool(int)>& drawnAt) {
        int at = from;
        while (at != end && !drawnAt(at)) at += step;
        for (int line = 0; line < 3 && at != end && drawnAt(at); ++line) at += step;
        return at;
    };
    const int x = w * 3 / 4, y = h / 2;
    const int top = pastBorder(0, 1, h - 1, [&](int at) { return drawn(x, at); });
    const int bottom = pastBorder(h - 1, -1, 0, [&](int at) { return drawn(x, at); });
    const int left = pastBorder(0, 1, w - 1, [&](int at) { return drawn(at, y); });
    const int right = pastBorder(w - 1, -1, 0, [&](int at) { return drawn(at, y); });
    return {QRect(QPoint(left, top), QPoint(right, bottom)), caption};
}

// Where a control shows something: a label its text's ink, anything else
// all but its edge line, which neighbours may share.
QRect content(const QWidget* control)
{
    const QRect edgeless = control->geometry().adjusted(1, 1, -1, -1);
    const auto* label = qobject_cast<const QLabel*>(control);
    if (!label || label->text().isEmpty()) return edgeless;
    const QRect inside = label->contentsRect();
    const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    const QRect ink = label->fontMetrics().boundingRect(inside, flags, label->text()) & inside;
    return ink.translated(label->pos());
}

// What a control hides of those below it: a label without a background
// only its text.
QRect covered(const QWidget* control)
{
    const auto* label = qobject_cast<const QLabel*>(control);
    return label && !label->autoFillBackground() ? content(control) : control->geometry().adjusted(1, 1, -1, -1);
}

class Measurer {
public:
    Measurer(const Form1& texts, const QString& sourceName, bool audit)
        : texts_(texts),
          sourceName_(sourceName),
          audit_(audit)
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
            QString text = entriesPart(shownText(markedControl), texts_, entries);
            const auto found = controls.find(name);
            if (found == controls.end()) continue;
            // A fixed text (no entry in it) is the windows' own; the audit
            // measures it too.
            if (entries.isEmpty()) {
                if (!audit_ || !found->second->isVisibleTo(window.get())) continue;
                text = shownText(found->second);
            }
            const QWidget* control = found->second;
            if (const auto problem = misfit(control, text)) {
                QStringList numbers;
                for (int entry : entries) numbers << QStringLiteral("Text%1").arg(entry);
                if (numbers.isEmpty()) numbers << QStringLiteral("fixed text");
                report(QStringLiteral("%1 \"%2\" is %3; %4 %5 holds %6")
                           .arg(numbers.join(QLatin1Char('+')), text, problem->need, windowName, name, problem->has));
            }
        }
        if (audit_) auditLayout(*window);
    }

    // Each title in a message box as the program shows it, with a short
    // text that leaves the title alone to decide the width.
    void auditMessageTitles(const QStringList& titles)
    {
        for (const QString& title : titles) {
            const std::unique_ptr<QMessageBox> box =
                platform::makeMessageBox(QStringLiteral("x"), platform::PlainOk, title);
            box->show();
            const int needed = platform::titleBarWidth(title);
            if (box->width() < needed)
                report(QStringLiteral("message box \"%1\" is %2 px wide; its title needs %3 px")
                           .arg(title)
                           .arg(box->width())
                           .arg(needed));
            if (box->windowFlags() & Qt::WindowMaximizeButtonHint || !(box->windowFlags() & Qt::CustomizeWindowHint))
                report(QStringLiteral("message box \"%1\" offers a maximise button").arg(title));
        }
    }

    int misfits() const { return misfits_; }

private:
    void report(const QString& fault)
    {
        std::printf("%s: %s\n", qPrintable(sourceName_), qPrintable(fault));
        ++misfits_;
    }

    void auditLayout(const QWidget& window)
    {
        const QString windowName = QLatin1String(window.metaObject()->className());
        if (window.minimumSize() == window.maximumSize()
            && (window.windowFlags() & Qt::WindowMaximizeButtonHint
                || !(window.windowFlags() & Qt::CustomizeWindowHint)))
            report(QStringLiteral("%1 has a fixed size but offers a maximise button").arg(windowName));

        std::vector<const QWidget*> shown;
        for (const QWidget* control : window.findChildren<QWidget*>())
            if (control->isVisibleTo(&window) && !control->isWindow()) shown.push_back(control);
        for (const QWidget* control : shown) {
            const QString name = controlName(control, &window);
            // What a control stacked above another hides of it.
            for (const QWidget* other : shown) {
                if (other == control || other->parentWidget() != control->parentWidget()) continue;
                const QObjectList& order = control->parentWidget()->children();
                if (order.indexOf(other) < order.indexOf(control)) continue; // `other` lies below
                const QString otherName = controlName(other, &window);
                const bool hides = covered(other).intersects(content(control));
                const PlacedOverlap* placed = placedOverlap(windowName, name, otherName);
                const PlacedOverlap* reversed = placedOverlap(windowName, otherName, name);
                if (reversed && reversed->onTop && control->geometry().intersects(other->geometry()))
                    report(QStringLiteral("%1 %2 is hidden in part under %3").arg(windowName, name, otherName));
                else if (hides && !placed && !reversed)
                    report(QStringLiteral("%1 %2 hides part of %3").arg(windowName, otherName, name));
            }
            // Within the frame's border, clear of its caption.
            if (const auto* frame = qobject_cast<const QGroupBox*>(control->parentWidget())) {
                const auto [inside, caption] = frameInsideAndCaption(frame);
                if (!inside.contains(control->geometry()) || caption.intersects(control->geometry()))
                    report(
                        QStringLiteral("%1 %2 at %3,%4 %5x%6 crosses the border of its frame (inside %7,%8 to %9,%10)")
                            .arg(windowName, name)
                            .arg(control->x())
                            .arg(control->y())
                            .arg(control->width())
                            .arg(control->height())
                            .arg(inside.left())
                            .arg(inside.top())
                            .arg(inside.right())
                            .arg(inside.bottom()));
            }
        }
    }

    template <typename Window>
    std::unique_ptr<QWidget> make(const Form1& table)
    {
        contexts_.push_back(
            std::make_unique<AppContext>(AppContext{table, fakes_.view(), [] {}, system_.view(), config_}));
        return std::make_unique<Window>(*contexts_.back());
    }

    const Form1& texts_;
    const QString sourceName_;
    const bool audit_;
    Form1 markers_;
    QTemporaryDir folder_;
    Configuration config_;
    platform::fakes::FakeServices fakes_;
    platform::fakes::FakeSystemCalls system_;
    std::vector<std::unique_ptr<AppContext>> contexts_;
    int misfits_ = 0;
};

template <typename... Windows>
void measureEach(Measurer& measurer, WindowList<Windows...>)
{
    (measurer.measure<Windows>(), ...);
}

} // namespace

int main(int argc, char* argv[])
{
    const bool audit = argc == 3 && std::string(argv[1]) == "--audit";
    if (argc != 2 && !audit) {
        std::fprintf(stderr, "usage: qlkmeasure [--audit] SOURCE.txt\n");
        return 2;
    }
    const char* const sourcePath = argv[argc - 1];
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    applyAppearance(app);
    try {
        std::ifstream in(sourcePath, std::ios::binary);
        if (!in) throw platform::Failure(std::string("cannot read ") + sourcePath);
        std::stringstream text;
        text << in.rdbuf();
        const langsource::Source source = langsource::parse(text, sourcePath);
        if (source.codePage == 0) throw platform::Failure(std::string(sourcePath) + ": no code-page line");
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
        texts.load(langfile::writeRecords(records), sourcePath, source.codePage);
        Measurer measurer(texts, QString::fromLocal8Bit(sourcePath), audit);
        measureEach(measurer, WindowList<main_menu>());
        measureEach(measurer, SectionWindowList());
        // The titles the windows give their message boxes, and one a user
        // might type.
        if (audit)
            measurer.auditMessageTitles({platform::applicationTitle, texts.text(85), frm_nastav::noticeTitle(),
                                         QStringLiteral("Varování systému")});
        return measurer.misfits() == 0 ? 0 : 1;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "qlkmeasure: %s\n", error.what());
        return 2;
    }
}
