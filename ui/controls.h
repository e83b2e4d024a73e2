#pragma once
// Controls of the windows: each sits at a fixed pixel position and carries
// its name as objectName, so that tests find it by name.

#include <QAnyStringView>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRect>
#include <QString>
#include <initializer_list>
#include <utility>

#include "platform/services/guard.h"

template <typename Control>
Control* placed(Control* control, QAnyStringView name, const QRect& geometry)
{
    control->setObjectName(name);
    control->setGeometry(geometry);
    return control;
}

// A window of fixed size. Its title bar offers minimise and close, but no
// maximise, which could do nothing.
inline void fixWindowSize(QWidget* window, int width, int height)
{
    window->setFixedSize(width, height);
    if (!window->isWindow()) return;
    const Qt::WindowFlags type = window->windowFlags() & Qt::WindowType_Mask;
    window->setWindowFlags(type | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                           | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
}

// Captions are shown as they are: never read as markup.
inline QLabel* makeLabel(QWidget* parent, QAnyStringView name, const QString& text, const QRect& geometry)
{
    QLabel* label = placed(new QLabel(text, parent), name, geometry);
    label->setTextFormat(Qt::PlainText);
    return label;
}

inline QPushButton* makeButton(QWidget* parent, QAnyStringView name, const QString& caption, const QRect& geometry)
{
    return placed(new QPushButton(caption, parent), name, geometry);
}

// Frames are drawn by the program's style: the border runs through the
// middle of the caption, and the controls lie inside it.
inline QGroupBox* makeFrame(QWidget* parent, QAnyStringView name, const QString& caption, const QRect& geometry)
{
    return placed(new QGroupBox(caption, parent), name, geometry);
}

inline QLineEdit* makeTextBox(QWidget* parent, QAnyStringView name, const QRect& geometry)
{
    return placed(new QLineEdit(parent), name, geometry);
}

// Connects each button's click to its handler, a member of the window,
// through the guard that shows a failure in an error box (or, for a
// handler that ends silently, does not).
template <typename Window>
void connectClicks(Window* window, platform::MessageBoxService& messages,
                   std::initializer_list<std::pair<QPushButton*, void (Window::*)()>> clicks,
                   platform::OnFailure onFailure = platform::OnFailure::Report)
{
    for (const auto& [button, handler] : clicks)
        platform::connectGuarded(
            button, &QPushButton::clicked, window, messages, [window, handler = handler] { (window->*handler)(); },
            onFailure);
}

// Runs a window's load handler through the guard: a failed step is shown,
// and the window opens with what the steps before it filled in.
template <typename Window>
void loadGuarded(Window* window, platform::MessageBoxService& messages, void (Window::*load)())
{
    platform::runGuarded(messages, [window, load] { (window->*load)(); });
}
