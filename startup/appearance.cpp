#include "startup/appearance.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QFont>
#include <QKeyEvent>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleFactory>
#include <QStyleOptionGroupBox>
#include <algorithm>

namespace {

// Where the caption starts, and the gap the border leaves on either side
// of it.
constexpr int captionLeft = 6;
constexpr int captionGap = 2;

// Where a frame (a captioned group box) of `size` draws its caption and its
// border. The border runs through the middle of the caption's line and is
// broken behind the caption, so a control placed a caption line below the
// frame's top lies inside it.
struct FrameGeometry {
    QRect caption; // empty when the frame has no caption
    QRect border;  // the rectangle the border line is drawn on
    QRect inside;  // what lies within the border line
};

FrameGeometry frameGeometry(const QFontMetrics& metrics, const QString& caption, QSize size)
{
    FrameGeometry frame;
    const int line = metrics.height();
    if (!caption.isEmpty()) {
        const int width = metrics.horizontalAdvance(QString(caption).remove(QLatin1Char('&')));
        frame.caption = QRect(captionLeft + captionGap, 0, std::min(width, size.width() - 2 * captionLeft), line);
    }
    frame.border = QRect(0, line / 2, size.width(), size.height() - line / 2);
    frame.inside = frame.border.adjusted(2, 2, -2, -2);
    return frame;
}

// Fusion, with two things changed for every window at once: frames are
// drawn with the border through their caption, and Enter on a focused
// button presses it, as Space does. Dialogs keep Qt's own handling of
// Enter, which presses their default button.
class ProgramStyle : public QProxyStyle {
public:
    ProgramStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override
    {
        const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
        if (control != CC_GroupBox || !box || (box->subControls & SC_GroupBoxCheckBox))
            return QProxyStyle::subControlRect(control, option, part, widget);
        const FrameGeometry frame = frameGeometry(box->fontMetrics, box->text, box->rect.size());
        switch (part) {
        case SC_GroupBoxLabel: return frame.caption.translated(box->rect.topLeft());
        case SC_GroupBoxFrame: return frame.border.translated(box->rect.topLeft());
        case SC_GroupBoxContents: return frame.inside.translated(box->rect.topLeft());
        default: return QProxyStyle::subControlRect(control, option, part, widget);
        }
    }

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget) const override
    {
        const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
        if (control != CC_GroupBox || !box || (box->subControls & SC_GroupBoxCheckBox)) {
            QProxyStyle::drawComplexControl(control, option, painter, widget);
            return;
        }
        const QRect caption = subControlRect(control, option, SC_GroupBoxLabel, widget);
        painter->save();
        // An etched line: dark, with a light line inside it and one pixel
        // down and right, broken behind the caption.
        const QRect border = subControlRect(control, option, SC_GroupBoxFrame, widget);
        QRegion drawn(box->rect);
        if (!caption.isEmpty()) drawn -= caption.adjusted(-captionGap, 0, captionGap, 0);
        painter->setClipRegion(drawn);
        painter->setBrush(Qt::NoBrush);
        painter->setPen(box->palette.color(QPalette::Mid));
        painter->drawRect(border.adjusted(0, 0, -2, -2));
        painter->setPen(box->palette.color(QPalette::Light));
        painter->drawRect(border.adjusted(1, 1, -1, -1));
        painter->restore();
        if (!caption.isEmpty()) {
            int alignment = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic;
            if (!proxy()->styleHint(SH_UnderlineShortcut, option, widget)) alignment |= Qt::TextHideMnemonic;
            proxy()->drawItemText(painter, caption, alignment, box->palette, box->state & State_Enabled, box->text,
                                  QPalette::WindowText);
        }
    }

    void polish(QWidget* widget) override
    {
        QProxyStyle::polish(widget);
        if (qobject_cast<QPushButton*>(widget)) widget->installEventFilter(this);
    }
    void unpolish(QWidget* widget) override
    {
        if (qobject_cast<QPushButton*>(widget)) widget->removeEventFilter(this);
        QProxyStyle::unpolish(widget);
    }
    using QProxyStyle::polish;
    using QProxyStyle::unpolish;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress) return QProxyStyle::eventFilter(watched, event);
        const auto* key = static_cast<QKeyEvent*>(event);
        auto* button = qobject_cast<QPushButton*>(watched);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
        if (!button || !enter || modifiers != Qt::NoModifier || qobject_cast<QDialog*>(button->window())
            || button->autoDefault() || button->isDefault())
            return QProxyStyle::eventFilter(watched, event);
        button->click();
        return true;
    }
};

} // namespace

void applyAppearance(QApplication& app)
{
    app.setStyle(new ProgramStyle);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    app.setFont(font);
}
