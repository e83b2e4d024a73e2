#!/usr/bin/env python3
"""Waits until a running Quelmarn Manager shows its main menu, read over
AT-SPI, and checks that the menu's buttons carry the Czech captions. With a
second argument, also waits (as long again) until a label of the menu shows
a text that contains it."""
import sys
import time

import pyatspi

EXPECTED = ["Systém", "Soubory a složky", "Programy", "Síť", "Poznámky",
            "O programu", "Konec", "Internetový prohlížeč", "Windows hlášky",
            "Nastavení"]
TITLE = "Quelmarn Manager 0.05"


def walk(node, depth=0):
    if node is None or depth > 12:
        return
    yield node
    for i in range(node.childCount):
        try:
            yield from walk(node.getChildAtIndex(i), depth + 1)
        except Exception:  # a child that went away meanwhile
            continue


def main_menu():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is None or app.name != "Quelmarn Manager":
            continue
        for window in app:
            if window is not None and window.name == TITLE and \
                    window.getState().contains(pyatspi.STATE_SHOWING):
                return window
    return None


def label_with(window, text):
    for node in walk(window):
        if node.getRole() == pyatspi.ROLE_LABEL and text in node.name and \
                node.getState().contains(pyatspi.STATE_SHOWING):
            return node.name
    return None


def main(timeout, label_text=None):
    deadline = time.monotonic() + timeout
    window = None
    while time.monotonic() < deadline and window is None:
        window = main_menu()
        if window is None:
            time.sleep(0.5)
    if window is None:
        print(f"no window \"{TITLE}\" of Quelmarn Manager is shown", file=sys.stderr)
        return 1
    buttons = [n.name.strip() for n in walk(window)
               if n.getRole() == pyatspi.ROLE_PUSH_BUTTON and n.getState().contains(pyatspi.STATE_SHOWING)]
    missing = [caption for caption in EXPECTED if caption not in buttons]
    if missing:
        print(f"main menu buttons {buttons} lack {missing}", file=sys.stderr)
        return 1
    print(f"main menu shown with Czech captions: {', '.join(buttons)}")
    if label_text is None:
        return 0
    deadline = time.monotonic() + timeout
    shown = None
    while time.monotonic() < deadline and shown is None:
        shown = label_with(window, label_text)
        if shown is None:
            time.sleep(0.5)
    if shown is None:
        print(f"no label of the main menu shows \"{label_text}\"", file=sys.stderr)
        return 1
    print(f"main menu says: {shown}")
    return 0


if __name__ == "__main__":
    sys.exit(main(float(sys.argv[1]) if len(sys.argv) > 1 else 60,
                  sys.argv[2] if len(sys.argv) > 2 else None))
