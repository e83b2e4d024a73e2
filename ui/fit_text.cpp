#include "ui/fit_text.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QRegularExpression>

void shrinkToFit(QLabel* label, const QFont& base)
{
    constexpr int smallestPixelSize = 8;
    const QStringList words = label->text().split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    QFont font = base;
    int size = QFontInfo(base).pixelSize();
    const auto fits = [&] {
        const QFontMetrics metrics(font);
        for (const QString& word : words)
            if (metrics.horizontalAdvance(word) > label->width()) return false;
        return label->heightForWidth(label->width()) <= label->height();
    };
    label->setFont(font);
    while (size > smallestPixelSize && !fits()) {
        font.setPixelSize(--size);
        label->setFont(font);
    }
}
