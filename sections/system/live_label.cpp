#include "sections/system/live_label.h"

#include <QEvent>
#include <QPainter>

void LiveLabel::setParts(const QString& entry, const QString& value)
{
    if (entry != entry_) {
        entry_ = entry;
        entryPicture_ = QPixmap(); // drawn again at the next paint
    }
    value_ = value;
    setText(entry + value);
    // Painted at once, in the timer's own turn of the event loop, rather
    // than in a further turn that the update request would take.
    if (isVisible()) repaint();
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

bool LiveLabel::valueIsCacheable() const
{
    // Single characters drawn side by side look as the whole text would only
    // for simple left-to-right characters: digits, Latin letters, blanks.
    for (const QChar c : value_)
        if (c.unicode() > 0x7E || c.unicode() < 0x20) return false;
    return !entry_.isRightToLeft() && entry_ + value_ == text();
}

void LiveLabel::paintEvent(QPaintEvent* event)
{
    // The label is opaque: it paints its own background, so the window
    // beneath it is not repainted with every new text.
    QPainter(this).fillRect(rect(), palette().brush(backgroundRole()));
    if (!valueIsCacheable()) {
        QLabel::paintEvent(event);
        return;
    }
    if (entryPicture_.isNull()) {
        entryPicture_ = pictureOf(entry_);
        entryAdvance_ = QFontMetricsF(font()).horizontalAdvance(entry_);
    }
    QPainter painter(this);
    const QRect area = contentsRect();
    painter.drawPixmap(area.left(), area.top(), entryPicture_);
    // Fractional advances, as the whole text would be laid out.
    qreal x = area.left() + entryAdvance_;
    for (const QChar c : value_) {
        auto cached = characters_.find(c);
        if (cached == characters_.end())
            cached = characters_.insert(c, {pictureOf(QString(c)), QFontMetricsF(font()).horizontalAdvance(c)});
        painter.drawPixmap(qRound(x), area.top(), cached->picture);
        x += cached->advance;
        if (x > area.right()) break;
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
    QLabel::resizeEvent(event);
}

void LiveLabel::forgetPictures()
{
    characters_.clear();
    entryPicture_ = QPixmap();
}
