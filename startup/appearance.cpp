#include "startup/appearance.h"

#include <QApplication>
#include <QFont>
#include <QStyleFactory>

void applyAppearance(QApplication& app)
{
    app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    app.setFont(font);
}
