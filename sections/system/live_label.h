#pragma once

#include <QLabel>
#include <QPixmap>
#include <array>

// A label for a text that changes many times a second: a fixed entry
// followed by a short value of digits and unit letters. Shaping the whole
// text anew for every repaint costs more than everything else the window
// does, so the entry is drawn once into a pixmap and the value is put
// together from cached pictures of its characters; a new value repaints
// only the characters from the first one that changed. text() holds the
// whole text as for any label.
class LiveLabel : public QLabel {
public:
    explicit LiveLabel(const QString& text = QString(), QWidget* parent = nullptr);

    // Shows entry immediately followed by value.
    void setParts(const QString& entry, const QString& value);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Character {
        QPixmap picture;    // drawn at the first paint that needs it
        qreal advance = -1; // not measured yet
    };
    Character& character(QChar c);
    QPixmap pictureOf(const QString& text) const;
    bool valueIsCacheable() const;
    static bool cacheableCharacters(const QString& text);
    qreal entryAdvance();
    QRect changedArea(const QString& oldValue, bool entryChanged);
    void emptyOwnContents();
    void forgetPictures();

    QString entry_;
    QString value_;
    QPixmap entryPicture_;
    qreal entryAdvance_ = -1; // not measured yet
    // The characters a cacheable value may hold, ' ' to '~', by code: a look-up
    // is an index, as the up-time asks for a dozen of them every tick.
    static constexpr char16_t firstCached = 0x20, lastCached = 0x7E;
    std::array<Character, lastCached - firstCached + 1> characters_;
};
