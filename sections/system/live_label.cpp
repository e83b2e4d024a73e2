#include "sections/system/live_label.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>
#include <cmath>

LiveLabel::LiveLabel(const QString& text, QWidget* parent) : QLabel(text, parent) { emptyOwnContents(); }

// QLabel::setText() asks for a repaint of its whole contents rectangle.
// With that rectangle empty it asks for none, and setParts() repaints just
// what changed; paintEvent() draws over the whole widget instead.
void LiveLabel::emptyOwnContents() { setContentsMargins(0, 0, std::max(1, width()), 0); }

void LiveLabel::setParts(const QString& entry, const QString& value)
{
    const bool entryChanged = entry != entry_;
    if (entryChanged) {
        entry_ = entry;
        entryPicture_ = QPixmap(); // drawn again at the next paint
        entryAdvance_ = -1;
    }
    const QString oldValue = value_;
    value_ = value;
    setText(entry + value);
    // Painted at once, in the timer's own turn of the event loop, rather
    // than in a further turn that an update request would take.
    if (isVisible()) {
        const QRect area = changedArea(oldValue, entryChanged);
        if (!area.isEmpty()) repaint(area);
    }
}

QRect LiveLabel::changedArea(const QString& oldValue, bool entryChanged)
{
    if (entryChanged || !valueIsCacheable() || !cacheableCharacters(oldValue)) return rect();
    int first = 0;
    while (first < oldValue.size() && first < value_.size() && oldValue[first] == value_[first]) ++first;
    if (first == oldValue.size() && first == value_.size()) return {};
    const auto widthOf = [this](const QString& text, int count) {
        qreal x = 0;
        for (int i = 0; i < count; ++i) x += character(text[i]).advance;
        return x;
    };
    const qreal start = entryAdvance() + widthOf(value_, first);
    const qreal end = entryAdvance() + std::max(widthOf(oldValue, oldValue.size()), widthOf(value_, value_.size()));
    // A pixel either side: glyphs may reach just past their advance.
    const int left = int(std::floor(start)) - 1;
    const int right = int(std::ceil(end)) + 1;
    return QRect(left, 0, right - left, height()) & rect();
}

// Only for characters of a cacheable value (valueIsCacheable()).
LiveLabel::Character& LiveLabel::character(QChar c)
{
    Character& cached = characters_[c.unicode() - firstCached];
    if (cached.advance < 0) cached.advance = QFontMetricsF(font()).horizontalAdvance(c);
    return cached;
}

qreal LiveLabel::entryAdvance()
{
    if (entryAdvance_ < 0) entryAdvance_ = QFontMetricsF(font()).horizontalAdvance(entry_);
    return entryAdvance_;
}

QPixmap LiveLabel::pictureOf(const QString& text) const
{
    const QFontMetrics metrics(font());
    const qreal ratio = devicePixelRatioF();
    QPixmap picture(QSize(std::max(1, metrics.horizontalAdvance(text)), height()) * ratio);
    picture.setDevicePixelRatio(ratio);
    // On the label's own background, so that it is copied rather than blended.
    picture.fill(palette().color(backgroundRole()));
    QPainter painter(&picture);
    painter.setFont(font());
    painter.setPen(palette().color(foregroundRole()));
    painter.drawText(QRect(0, 0, picture.width(), height()), int(alignment() & Qt::AlignVertical_Mask), text);
    return picture;
}

bool LiveLabel::cacheableCharacters(const QString& text)
{
    for (const QChar c : text)
        if (c.unicode() > lastCached || c.unicode() < firstCached) return false;
    return true;
}

bool LiveLabel::valueIsCacheable() const
{
    // Single characters drawn side by side look as the whole text would only
    // for simple left-to-right characters: digits, Latin letters, blanks.
    return cacheableCharacters(value_) && !entry_.isRightToLeft() && entry_ + value_ == text();
}

void LiveLabel::paintEvent(QPaintEvent* event)
{
    // The label is opaque: it paints its own background, so the window
    // beneath it is not repainted with every new text.
    QPainter painter(this);
    painter.fillRect(event->rect(), palette().brush(backgroundRole()));
    if (!valueIsCacheable()) {
        painter.setPen(palette().color(foregroundRole()));
        painter.drawText(rect(), int(alignment()), text());
        return;
    }
    if (entryPicture_.isNull()) entryPicture_ = pictureOf(entry_);
    const int needLeft = event->rect().left();
    const int needRight = event->rect().right();
    if (needLeft < entryPicture_.width()) painter.drawPixmap(0, 0, entryPicture_);
    // Fractional advances, as the whole text would be laid out.
    qreal x = entryAdvance();
    for (const QChar c : value_) {
        Character& cached = character(c);
        const int left = qRound(x);
        x += cached.advance;
        if (left > needRight) break;
        if (cached.picture.isNull()) cached.picture = pictureOf(QString(c));
        if (left + cached.picture.width() / cached.picture.devicePixelRatio() >= needLeft)
            painter.drawPixmap(left, 0, cached.picture);
    }
}

void LiveLabel::changeEvent(QEvent* event)
{
    // A new font or colours make every cached picture stale.
    if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange
        || event->type() == QEvent::StyleChange)
        forgetPictures();
    QLabel::changeEvent(event);
}

void LiveLabel::resizeEvent(QResizeEvent* event)
{
    forgetPictures();
    emptyOwnContents();
    QLabel::resizeEvent(event);
}

void LiveLabel::forgetPictures()
{
    characters_.fill(Character());
    entryPicture_ = QPixmap();
    entryAdvance_ = -1;
}
