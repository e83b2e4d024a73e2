#pragma once
// One window per section for the life of the program: the first show
// creates (and so loads) it, a later show of an open window only raises it,
// and a window closed by the user is destroyed and made afresh next time.
// Windows are named by their class: asking for a class that is not in the
// registry's list does not compile.

#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <tuple>

#include "sections/sections.h"

struct AppContext;

// The one window of one section.
class WindowSlot {
public:
    using Factory = std::function<QWidget*()>;

    WindowSlot() = default;
    WindowSlot(const WindowSlot&) = delete;
    WindowSlot& operator=(const WindowSlot&) = delete;
    ~WindowSlot();

    void setFactory(Factory factory) { factory_ = std::move(factory); }

    // Shows the window modeless, without an owner; returns it, or nullptr
    // while it is still loading (a load that waits lets the other windows'
    // events run, and a second click must not make a second window).
    QWidget* show();
    // The open window, or nullptr.
    QWidget* window() const { return instance_.data(); }
    // Closes the window when it is open.
    void close();

private:
    Factory factory_;
    QPointer<QWidget> instance_;
    bool loading_ = false;
};

template <typename Window>
struct SlotFor : WindowSlot {
};

template <typename... Windows>
class WindowRegistry {
public:
    // Each window is made with the shared context; constructing it runs its
    // load handler.
    explicit WindowRegistry(AppContext& context)
    {
        (slot<Windows>().setFactory([&context] { return new Windows(context); }), ...);
    }

    template <typename Window>
    QWidget* show()
    {
        return slot<Window>().show();
    }
    template <typename Window>
    QWidget* window() const
    {
        return std::get<SlotFor<Window>>(slots_).window();
    }
    template <typename Window>
    void close()
    {
        slot<Window>().close();
    }
    // Puts another window in the place of Window's (tests).
    template <typename Window>
    void replace(WindowSlot::Factory factory)
    {
        slot<Window>().setFactory(std::move(factory));
    }

    // The class names of the windows, in the list's order.
    static QStringList classNames() { return {QLatin1String(Windows::staticMetaObject.className())...}; }

    // Closes the open windows, in the order of `classOrder`.
    void closeInOrder(const QStringList& classOrder)
    {
        const QStringList names = classNames();
        WindowSlot* all[] = {&slot<Windows>()...};
        for (const QString& name : classOrder) {
            const qsizetype at = names.indexOf(name);
            if (at >= 0) all[at]->close();
        }
    }

private:
    template <typename Window>
    WindowSlot& slot()
    {
        return std::get<SlotFor<Window>>(slots_);
    }
    std::tuple<SlotFor<Windows>...> slots_;
};

// The registry of the windows of a WindowList.
template <typename List>
struct RegistryOf;
template <typename... Windows>
struct RegistryOf<WindowList<Windows...>> {
    using type = WindowRegistry<Windows...>;
};
