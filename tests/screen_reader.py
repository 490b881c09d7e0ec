# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads the program's windows over AT-SPI, as a screen reader does, from a process of its own.

    screen_reader.py PID WINDOW_NAME CHECK...

WINDOW_NAME is the accessible name of the window to read ("Dorvane 2.4", "Feuille de
résultats", "A propos ..."). Each CHECK is one of:
    named              every shown control that takes input or acts has a name
    distinct           the shown boxes of the table have pairwise different names
    box=TEXT=NAME      the shown box that holds TEXT is named NAME
    boxes=TEXT=N1|N2   the shown boxes that hold TEXT are named N1, N2, ... (in any order)
    bar=NAME           the scroll bar is named NAME
    mode=VALUE=NAME    the scroll bar, set to VALUE through AT-SPI, is then named NAME
    control=NAME       a shown control is named NAME
Prints what a reader announces for the boxes it checks; exits with 1 on the first failure.
Needs Debian's python3-pyatspi; run it with /usr/bin/python3.
"""
import sys
import time

import pyatspi

ACTING = {
    pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY, pyatspi.ROLE_PASSWORD_TEXT, pyatspi.ROLE_PUSH_BUTTON,
    pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_RADIO_BUTTON,
    pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_SCROLL_BAR, pyatspi.ROLE_SLIDER, pyatspi.ROLE_SPIN_BUTTON,
    pyatspi.ROLE_LIST_ITEM, pyatspi.ROLE_MENU_ITEM,
}
BOXES = {pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY}


def fail(message):
    print("FAIL: " + message, file=sys.stderr)
    sys.exit(1)


def application(pid):
    for _ in range(100):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.get_process_id() == pid:
                return app
        time.sleep(0.1)
    fail(f"no accessible application of process {pid}: is the accessibility bus running?")


def window(app, name):
    for _ in range(50):
        for k in range(app.childCount):
            child = app.getChildAtIndex(k)
            if child is not None and child.name == name and showing(child):
                return child
        time.sleep(0.1)
    fail(f"no shown window named {name!r}; windows: "
         + ", ".join(repr(app.getChildAtIndex(k).name) for k in range(app.childCount)))


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def shown_controls(node):
    """The controls shown on the screen: a node whose ancestor is not shown is not."""
    found = []
    for k in range(node.childCount):
        child = node.getChildAtIndex(k)
        if child is None or not showing(child):
            continue
        found.append(child)
        found.extend(shown_controls(child))
    return found


def text_of(node):
    try:
        return node.queryText().getText(0, -1)
    except NotImplementedError:
        return None


def heard(node):
    text = text_of(node)
    return f"{node.name!r}, {node.getLocalizedRoleName()}" + (f", {text!r}" if text else "")


def scroll_bar(controls):
    bars = [c for c in controls if c.getRole() == pyatspi.ROLE_SCROLL_BAR]
    if len(bars) != 1:
        fail(f"{len(bars)} shown scroll bars, one expected")
    return bars[0]


def main():
    pid, window_name, checks = int(sys.argv[1]), sys.argv[2], sys.argv[3:]
    top = window(application(pid), window_name)
    controls = shown_controls(top)
    print(f"{window_name}: {len(controls)} shown controls")
    boxes = [c for c in controls if c.getRole() in BOXES]
    for check in checks:
        kind, _, argument = check.partition("=")
        if kind == "named":
            nameless = [heard(c) for c in controls if c.getRole() in ACTING and not c.name.strip()]
            if nameless:
                fail(f"{len(nameless)} shown controls without a name: " + "; ".join(nameless[:10]))
        elif kind == "distinct":
            table = [c.name for c in boxes if c.name.startswith("Frette ")]
            if len(table) < 14:
                fail(f"only {len(table)} boxes of the table are named after their fret")
            doubles = sorted({n for n in table if table.count(n) > 1})
            if doubles:
                fail("boxes of the table with the same name: " + ", ".join(doubles))
        elif kind in ("box", "boxes"):
            text, _, names = argument.partition("=")
            holding = [c for c in boxes if text_of(c) == text]
            for c in holding:
                print("  heard: " + heard(c))
            if sorted(c.name for c in holding) != sorted(names.split("|")):
                fail(f"the boxes holding {text!r} are named {[c.name for c in holding]}, "
                     f"not {names.split('|')}")
        elif kind == "bar":
            bar = scroll_bar(controls)
            print("  heard: " + heard(bar) + f", {bar.queryValue().currentValue:g}")
            if bar.name != argument:
                fail(f"the scroll bar is named {bar.name!r}, not {argument!r}")
        elif kind == "mode":
            value, _, name = argument.partition("=")
            bar = scroll_bar(controls)
            bar.queryValue().currentValue = float(value)
            for _ in range(50):
                if bar.name == name:
                    break
                time.sleep(0.1)
            print("  heard: " + heard(bar) + f", {bar.queryValue().currentValue:g}")
            if bar.name != name:
                fail(f"set to {value}, the scroll bar is named {bar.name!r}, not {name!r}")
        elif kind == "described":
            name, _, description = argument.partition("=")
            found = [c for c in controls if c.name == name]
            if not found or found[0].description != description:
                fail(f"{name!r} is described as {[c.description for c in found]}, "
                     f"not {description!r}")
            print(f"  heard: {heard(found[0])}, {found[0].description!r}")
        elif kind == "control":
            names = [c.name for c in controls]
            if argument not in names:
                fail(f"no shown control named {argument!r}")
            print("  heard: " + heard(controls[names.index(argument)]))
        else:
            fail(f"unknown check {check!r}")
    print(f"{window_name}: every check holds")


if __name__ == "__main__":
    main()
