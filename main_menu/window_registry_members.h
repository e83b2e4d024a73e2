#pragma once
// The registry's members that need the complete window classes: included
// only where the program's registry is instantiated.

#include "main_menu/window_registry.h"

template <typename... Windows>
WindowRegistry<Windows...>::WindowRegistry(AppContext& context)
{
    (slot<Windows>().setFactory([&context] { return new Windows(context); }), ...);
}

template <typename... Windows>
QStringList WindowRegistry<Windows...>::classNames()
{
    return {QLatin1String(Windows::staticMetaObject.className())...};
}

template <typename... Windows>
void WindowRegistry<Windows...>::closeInOrder(const QStringList& classOrder)
{
    const QStringList names = classNames();
    WindowSlot* all[] = {&slot<Windows>()...};
    for (const QString& name : classOrder) {
        const qsizetype at = names.indexOf(name);
        if (at >= 0) all[at]->close();
    }
}
