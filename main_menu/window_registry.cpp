#include "main_menu/window_registry.h"

WindowRegistry::~WindowRegistry()
{
    for (auto& [name, entry] : entries_)
        delete entry.instance.data();
}

void WindowRegistry::add(const QString& name, Factory factory)
{
    entries_[name].factory = std::move(factory);
}

QWidget* WindowRegistry::show(const QString& name)
{
    auto it = entries_.find(name);
    if (it == entries_.end() || !it->second.factory)
        return nullptr;
    Entry& entry = it->second;
    if (entry.loading)
        return nullptr; // it shows itself when its load is over
    // A window closed a moment ago is hidden while it waits to be deleted:
    // it counts as gone.
    if (!entry.instance || !entry.instance->isVisible()) {
        entry.loading = true;
        QWidget* created = nullptr;
        try {
            created = entry.factory(); // constructing the window runs its load
        } catch (...) {
            entry.loading = false;
            throw;
        }
        entry.loading = false;
        created->setAttribute(Qt::WA_DeleteOnClose);
        entry.instance = created;
        created->show();
    } else {
        entry.instance->show();
        if (entry.instance->isMinimized())
            entry.instance->showNormal();
    }
    entry.instance->raise();
    entry.instance->activateWindow();
    return entry.instance;
}

QWidget* WindowRegistry::window(const QString& name) const
{
    auto it = entries_.find(name);
    return it == entries_.end() ? nullptr : it->second.instance.data();
}

void WindowRegistry::close(const QString& name)
{
    if (QWidget* open = window(name))
        open->close();
}
