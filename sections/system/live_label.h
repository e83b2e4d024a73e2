#pragma once

#include <QHash>
#include <QLabel>
#include <QPixmap>

// A label for a text that changes many times a second: a fixed entry
// followed by a short value of digits and unit letters. Shaping the whole
// text anew for every repaint costs more than everything else the window
// does, so the entry is drawn once into a pixmap and the value is put
// together from cached pictures of its characters. text() holds the whole
// text as for any label.
class LiveLabel : public QLabel {
public:
    using QLabel::QLabel;

    // Shows entry immediately followed by value.
    void setParts(const QString& entry, const QString& value);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QPixmap pictureOf(const QString& text) const;
    bool valueIsCacheable() const;
    void forgetPictures();

    QString entry_;
    QString value_;
    QPixmap entryPicture_;
    qreal entryAdvance_ = 0;
    struct Character {
        QPixmap picture;
        qreal advance;
    };
    QHash<QChar, Character> characters_;
};
