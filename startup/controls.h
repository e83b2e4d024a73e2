#pragma once
// Controls of the windows: each sits at a fixed pixel position and carries
// its name as objectName, so that tests find it by name.

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRect>
#include <QString>

template <typename Control>
Control* placed(Control* control, const QString& name, const QRect& geometry)
{
    control->setObjectName(name);
    control->setGeometry(geometry);
    return control;
}

// Captions are shown as they are: never read as markup.
inline QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, const QRect& geometry)
{
    QLabel* label = placed(new QLabel(text, parent), name, geometry);
    label->setTextFormat(Qt::PlainText);
    return label;
}

inline QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption, const QRect& geometry)
{
    return placed(new QPushButton(caption, parent), name, geometry);
}

inline QGroupBox* makeFrame(QWidget* parent, const QString& name, const QString& caption, const QRect& geometry)
{
    return placed(new QGroupBox(caption, parent), name, geometry);
}
