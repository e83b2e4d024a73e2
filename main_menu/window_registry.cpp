#include "main_menu/window_registry.h"

WindowSlot::~WindowSlot() { delete instance_.data(); }

QWidget* WindowSlot::show()
{
    if (!factory_) return nullptr;
    if (loading_) return nullptr; // it shows itself when its load is over
    // A window closed a moment ago is hidden while it waits to be deleted:
    // it counts as gone.
    if (!instance_ || !instance_->isVisible()) {
        QWidget* created = nullptr;
        {
            // Over when the window is made, or when making it failed.
            struct Loading {
                bool& flag;
                explicit Loading(bool& f) : flag(f) { flag = true; }
                ~Loading() { flag = false; }
            } loading(loading_);
            created = factory_(); // constructing the window runs its load
        }
        created->setAttribute(Qt::WA_DeleteOnClose);
        instance_ = created;
        created->show();
    } else {
        instance_->show();
        if (instance_->isMinimized()) instance_->showNormal();
    }
    instance_->raise();
    instance_->activateWindow();
    return instance_;
}

void WindowSlot::close()
{
    if (instance_) instance_->close();
}
