#pragma once
// One window per section for the life of the program: the first show
// creates (and so loads) it, a later show of an open window only raises it,
// and a window closed by the user is destroyed and made afresh next time.

#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <map>

class WindowRegistry {
public:
    using Factory = std::function<QWidget*()>;

    ~WindowRegistry();

    // Registers a section window under its class name ("frm_system").
    void add(const QString& name, Factory factory);

    // Shows the named window modeless, without an owner; returns it, or
    // nullptr when nothing is registered for the name or the window is still
    // loading (a load that waits lets the other windows' events run, and a
    // second click must not make a second window).
    QWidget* show(const QString& name);

    // The open window of that name, or nullptr.
    QWidget* window(const QString& name) const;

    // Closes the named window when it is open; does nothing otherwise.
    void close(const QString& name);

    bool has(const QString& name) const { return entries_.count(name) != 0; }

private:
    struct Entry {
        Factory factory;
        QPointer<QWidget> instance;
        bool loading = false;
    };
    std::map<QString, Entry> entries_;
};
