"""The game as a screen reader meets it: its window read through AT-SPI, keys typed
with xdotool. atspi.sh starts the game with its accessibility bridge on and runs a
script that imports this module; run by atspi.sh without a script, it prints the
window's tree and how many objects of each role it holds.

Objects are found by role and by a regular expression over their whole name. Roles
are compared as pyatspi.ROLE_... values: their names differ between versions of
at-spi2-core ("push button", later "button"). Every wait polls for a bounded time and
fails with what it waited for."""

import os
import re
import subprocess
import sys
import time
from collections import Counter

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402
import pyatspi  # noqa: E402

WINDOW_NAME = "Quorbel!"


def fail(message):
    sys.exit(f"FAIL: {message}")


def wait_until(what, condition, timeout=5.0, seen=None):
    """Polls condition every 0.1 s until it returns something true, and returns that;
    fails after timeout seconds, telling what seen() returns then. Objects may vanish
    while the window changes: a read that fails on one counts as not yet."""
    deadline = time.monotonic() + timeout
    while True:
        try:
            value = condition()
        except GLib.GError:
            value = None
        if value:
            return value
        if time.monotonic() > deadline:
            fail(f"waited {timeout:g} s for {what}" + (f"; {seen()}" if seen else ""))
        time.sleep(0.1)


def window(timeout=20.0):
    """The game's window, once its application has joined the accessibility bus."""

    def look():
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is None:
                continue
            # Read every property afresh: without a main loop running here, the
            # library's cache would miss the change events.
            app.set_cache_mask(Atspi.Cache.NONE)
            for child in app:
                if child is not None and child.name == WINDOW_NAME:
                    return child
        return None

    return wait_until(f"a window named {WINDOW_NAME} on the accessibility bus", look, timeout)


def objects(root):
    """root and everything below it, depth first, in the order of the tree."""
    yield root
    for child in root:
        if child is not None:
            yield from objects(child)


def role(obj):
    return obj.getRole()


def role_names(roles):
    """'push button/toggle button' for a role or a tuple of them, as this
    at-spi2-core names them."""
    return "/".join(Atspi.role_get_name(r) for r in _tuple(roles))


def _tuple(roles):
    return roles if isinstance(roles, tuple) else (roles,)


def states(obj):
    return {pyatspi.stateToString(s) for s in obj.getState().getStates()}


def actions(obj):
    try:
        action = obj.queryAction()
    except NotImplementedError:
        return []
    return [action.getName(i) for i in range(action.nActions)]


def text(obj):
    """What obj reads out: its name and, for text, its contents."""
    try:
        contents = obj.queryText().getText(0, -1)
    except NotImplementedError:
        contents = ""
    return " ".join(part for part in (obj.name, contents) if part)


def describe(obj):
    line = f"[{obj.getRoleName()}] {obj.name!r}"
    if obj.description:
        line += f" description={obj.description!r}"
    return line + f" states={sorted(states(obj))} actions={actions(obj)}"


def dump(root, out=sys.stdout):
    def walk(obj, depth):
        print("  " * depth + describe(obj), file=out)
        for child in obj:
            if child is not None:
                walk(child, depth + 1)

    walk(root, 0)


def role_counts(root):
    """'filler: 49, label: 19, ...', most frequent first."""
    counts = Counter(obj.getRoleName() for obj in objects(root))
    return ", ".join(f"{name}: {n}" for name, n in counts.most_common())


def _fits(obj_role, name, roles, pattern):
    if roles is not None and obj_role not in _tuple(roles):
        return False
    return re.fullmatch(pattern, name) is not None


def is_a(obj, roles, pattern):
    """Whether obj has one of the roles (a pyatspi.ROLE_..., a tuple of them, or None
    for any) and a name that pattern matches whole."""
    return _fits(role(obj), obj.name or "", roles, pattern)


def find_all(root, roles, pattern=".*"):
    return [obj for obj, r, name in _named(root) if _fits(r, name, roles, pattern)]


def find_each(root, wanted):
    """For each (roles, pattern) of wanted, the one object that is_a it, or None
    where there is none; all read in one walk."""
    seen = _named(root)
    found = []
    for roles, pattern in wanted:
        hits = [obj for obj, r, name in seen if _fits(r, name, roles, pattern)]
        if len(hits) > 1:
            fail(f"{len(hits)} objects match {pattern!r}: {[obj.name for obj in hits]}")
        found.append(hits[0] if hits else None)
    return found


def find(root, roles, pattern, timeout=5.0):
    """The one object that is_a(roles, pattern); waits for it to be there."""
    kind = role_names(roles) if roles is not None else "object"
    return wait_until(f"a {kind} named like {pattern!r}",
                      lambda: find_each(root, [(roles, pattern)])[0], timeout)


def _named(root):
    return [(obj, role(obj), obj.name or "") for obj in objects(root)]


def focused(root):
    """The object under root that has the keyboard focus, or None."""
    return next((o for o in objects(root) if "focused" in states(o)), None)


def wait_for_focus(root, roles, pattern, why, timeout=5.0):
    """Waits until the focused object is_a(roles, pattern), and returns it."""

    def on_it():
        obj = focused(root)
        return obj if obj is not None and is_a(obj, roles, pattern) else None

    def now():
        obj = focused(root)
        return "the focus is on " + (describe(obj) if obj is not None else "nothing")

    return wait_until(f"the focus on {pattern!r} {why}", on_it, timeout, now)


def activate_window():
    """Gives the game's window the keyboard, as a window manager does when a window
    over it closes. None runs here: atspi.sh names the window in QUORBEL_WINDOW."""
    subprocess.run(["xdotool", "windowfocus", "--sync", os.environ["QUORBEL_WINDOW"]],
                   check=True, timeout=10)


def key(*keys):
    """Types keys (xdotool names: space, Return, Tab, shift+Tab) into the focused window."""
    subprocess.run(["xdotool", "key", "--delay", "50", *keys], check=True, timeout=10)


if __name__ == "__main__":
    win = window()
    dump(win)
    print(role_counts(win))
