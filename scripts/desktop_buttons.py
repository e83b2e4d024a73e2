#!/usr/bin/env python3
"""Drives a running Quelmarn Manager over AT-SPI for scripts/test-desktops.sh.

  desktop_buttons.py open-system     presses "Systém" in the main menu and
                                     waits for the operating-system window
  desktop_buttons.py press CAPTION   presses that button of the window; an
                                     error box that appears is printed,
                                     closed, and makes the exit status 3
  desktop_buttons.py text PREFIX     prints the window's label starting so
  desktop_buttons.py move-mutter X Y moves GNOME Shell's pointer there, through
                                     mutter's remote-desktop bus interface
"""
import sys
import time

import pyatspi
from gi.repository import Gio, GLib

APP = "Quelmarn Manager"


def walk(node, depth=0):
    if node is None or depth > 14:
        return
    yield node
    for i in range(node.childCount):
        try:
            yield from walk(node.getChildAtIndex(i), depth + 1)
        except Exception:  # a child that went away meanwhile
            continue


def windows():
    for app in pyatspi.Registry.getDesktop(0):
        try:
            if app is not None and app.name == APP:
                yield from (w for w in app if w is not None)
        except Exception:  # a program that went away meanwhile
            continue


def wait_for(find, what, timeout=60):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        found = find()
        if found is not None:
            return found
        time.sleep(0.3)
    sys.exit(f"no {what} within {timeout} s")


def button(caption):
    for window in windows():
        for node in walk(window):
            if node.getRole() == pyatspi.ROLE_PUSH_BUTTON and node.name.strip() == caption \
                    and node.getState().contains(pyatspi.STATE_SHOWING):
                return node
    return None


def boxes():
    """The texts of the message boxes on show, with their OK buttons."""
    found = []
    for window in windows():
        if window.getRole() not in (pyatspi.ROLE_DIALOG, pyatspi.ROLE_ALERT):
            continue
        texts = [n.name for n in walk(window) if n.getRole() == pyatspi.ROLE_LABEL and n.name]
        ok = [n for n in walk(window) if n.getRole() == pyatspi.ROLE_PUSH_BUTTON]
        found.append((" ".join(texts), ok))
    return found


def press(node):
    node.queryAction().doAction(0)


def answers(node):
    try:  # a question that no cache answers
        return node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    except Exception:  # no answer within AT-SPI's time-out: still busy
        return None


def move_mutter(x, y):
    """Relative motion only needs no screen cast: first into the bottom-right
    corner (no hot corner there), then back by the difference."""
    bus = Gio.bus_get_sync(Gio.BusType.SESSION)

    def call(path, method, *arguments):
        interface = "org.gnome.Mutter.RemoteDesktop" + ("" if path.endswith("Desktop") else ".Session")
        value = GLib.Variant("(dd)", arguments) if arguments else None
        return bus.call_sync("org.gnome.Mutter.RemoteDesktop", path, interface, method, value, None, 0, 10000,
                             None).unpack()

    session = call("/org/gnome/Mutter/RemoteDesktop", "CreateSession")[0]
    call(session, "Start")
    width, height = 1280, 1024  # the monitor, as scripts/test-desktops.sh makes it
    call(session, "NotifyPointerMotionRelative", float(width), float(height))
    call(session, "NotifyPointerMotionRelative", float(x - width + 1), float(y - height + 1))


def main(command, argument=None, extra=None):
    if command == "open-system":
        press(wait_for(lambda: button("Systém"), "main menu"))
        wait_for(lambda: button("Skrýt Taskbar"), "operating-system window")
    elif command == "press":
        node = wait_for(lambda: button(argument), f"button {argument}")
        press(node)
        # The click comes a moment after the action and runs synchronously:
        # once the program answers again it is done, or shows its box.
        time.sleep(0.3)
        wait_for(lambda: answers(node), "answer from the program")
        deadline = time.monotonic() + 1
        while time.monotonic() < deadline:
            shown = boxes()
            if shown:
                for text, ok in shown:
                    print(f"{argument}: {text}")
                    if ok:
                        press(ok[0])
                return 3
            time.sleep(0.2)
    elif command == "move-mutter":
        move_mutter(int(argument), int(extra))
    elif command == "text":
        for window in windows():
            for node in walk(window):
                if node.getRole() == pyatspi.ROLE_LABEL and node.name.startswith(argument):
                    print(node.name)
                    return 0
        sys.exit(f"no label starting with {argument}")
    return 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
