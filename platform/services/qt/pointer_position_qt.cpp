#include <QCursor>
#include <QGuiApplication>
#include <QPointer>
#include <QSocketNotifier>

#include "platform/services/pointer_position.h"
#include "platform/sys/pointer.h"

namespace platform {

namespace {

// The system call's pointer, made at the first question, not at start-up,
// which an X11 connection would slow down by its round trips. Where the
// system has no means of its own for this display, Qt is asked.
class SystemPointerPosition : public PointerPosition {
public:
    SystemPointerPosition(desktop::Session session, std::string bus)
        : session_(std::move(session)),
          bus_(std::move(bus))
    {
    }
    ~SystemPointerPosition() override { delete notifier_.data(); }

    std::optional<QPoint> position() override
    {
        if (!made_) make();
        if (!pointer_) return QCursor::pos();
        const std::optional<mys::ScreenPoint> at = pointer_->position();
        // News of the pointer (X11 motion, the KWin script's messages) is
        // read when it arrives, so that a question costs no system call.
        if (!notifier_ && pointer_->eventDescriptor() >= 0) {
            notifier_ = new QSocketNotifier(pointer_->eventDescriptor(), QSocketNotifier::Read, qApp);
            QObject::connect(notifier_, &QSocketNotifier::activated, notifier_, [this] { pointer_->readEvents(); });
        }
        if (!at) return std::nullopt;
        return QPoint(at->x, at->y);
    }

private:
    void make()
    {
        made_ = true;
        const QString name = QGuiApplication::platformName();
        const mys::DisplayServer display = name == QLatin1String("xcb") ? mys::DisplayServer::X11
            : name == QLatin1String("wayland")                          ? mys::DisplayServer::Wayland
                                                                        : mys::DisplayServer::Other;
        pointer_ = mys::makeNativePointer(session_, display, bus_);
    }

    desktop::Session session_;
    std::string bus_;
    bool made_ = false;
    std::unique_ptr<mys::Pointer> pointer_;
    QPointer<QSocketNotifier> notifier_; // ends with the application
};

} // namespace

std::unique_ptr<PointerPosition> makeNativePointerPosition(const desktop::Session& session,
                                                           const std::string& sessionBus)
{
    return std::make_unique<SystemPointerPosition>(session, sessionBus);
}

} // namespace platform
