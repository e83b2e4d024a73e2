#include <QCursor>
#include <QGuiApplication>

#include "platform/services/pointer_display.h"
#include "platform/sys/mys.h"

namespace platform {

QtPointerDisplay::QtPointerDisplay() : QtPointerDisplay([] { return mys::makeNative()->mousePresent(); }) {}

QtPointerDisplay::QtPointerDisplay(std::function<bool()> mousePresent)
    : count_(mys::makeNativeDisplayCount(std::move(mousePresent)))
{
}

QtPointerDisplay::~QtPointerDisplay()
{
    if (applied_ && count_->count() < 0 && qGuiApp) QGuiApplication::restoreOverrideCursor();
}

int QtPointerDisplay::count()
{
    if (!applied_) {
        applied_ = true;
        apply(0, count_->count());
    }
    return count_->count();
}

int QtPointerDisplay::showCursor(bool show)
{
    const int before = count();
    const int after = count_->showCursor(show);
    apply(before, after);
    return after;
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
