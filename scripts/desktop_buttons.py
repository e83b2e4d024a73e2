#!/usr/bin/env python3
"""Drives a running Quelmarn Manager over AT-SPI for scripts/test-desktops.sh.

  desktop_buttons.py open-system     presses "Systém" in the main menu and
                                     waits for the operating-system window
  desktop_buttons.py press CAPTION   presses that button of the window; an
                                     error box that appears is printed,
                                     closed, and makes the exit status 3
  desktop_buttons.py text PREFIX     prints the window's label starting so
"""
import sys
import time

import pyatspi

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
        if app is not None and app.name == APP:
            yield from (w for w in app if w is not None)


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


def main(command, argument=None):
    if command == "open-system":
        press(wait_for(lambda: button("Systém"), "main menu"))
        wait_for(lambda: button("Skrýt Taskbar"), "operating-system window")
    elif command == "press":
        press(wait_for(lambda: button(argument), f"button {argument}"))
        # A refusal is a modal box that comes at once; the actions run
        # synchronously, so two seconds without one mean none.
        deadline = time.monotonic() + 2
        while time.monotonic() < deadline:
            shown = boxes()
            if shown:
                for text, ok in shown:
                    print(f"{argument}: {text}")
                    if ok:
                        press(ok[0])
                return 3
            time.sleep(0.2)
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
