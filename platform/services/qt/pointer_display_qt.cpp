#include <QCursor>
#include <QGuiApplication>

#include "platform/services/pointer_display.h"
#include "platform/sys/mys.h"

namespace platform {

QtPointerDisplay::QtPointerDisplay() : QtPointerDisplay([] { return mys::makeNative()->mousePresent(); }) {}

QtPointerDisplay::QtPointerDisplay(std::function<bool()> mousePresent) : mousePresent_(std::move(mousePresent)) {}

QtPointerDisplay::~QtPointerDisplay()
{
    if (count_ && *count_ < 0 && qGuiApp) QGuiApplication::restoreOverrideCursor();
}

int QtPointerDisplay::count()
{
    if (!count_) {
        count_ = mousePresent_() ? 0 : -1;
        apply(0, *count_);
    }
    return *count_;
}

int QtPointerDisplay::showCursor(bool show)
{
    const int before = count();
    count_ = before + (show ? 1 : -1);
    apply(before, *count_);
    return *count_;
}

// The blank pointer is one override cursor, set when the count drops below
// 0 and taken back when it returns to 0, so it covers every window of the
// program, including windows opened later.
void QtPointerDisplay::apply(int from, int to)
{
    if (from >= 0 && to < 0) QGuiApplication::setOverrideCursor(QCursor(Qt::BlankCursor));
    if (from < 0 && to >= 0) QGuiApplication::restoreOverrideCursor();
}

} // namespace platform
