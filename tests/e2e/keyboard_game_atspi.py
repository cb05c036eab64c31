"""A whole game played with keys alone and read through AT-SPI alone, as by a blind
player: Tab and Shift+Tab move the focus, Space and Enter press. Each turn rolls, holds
a die, rolls again and claims the first open category, until all sixteen are closed;
then the rating message, Restart, and a fresh game. CTest runs it as
e2e.keyboard_atspi; by hand:

    tests/e2e/atspi.sh build/default/src/qt/quorbel out tests/e2e/keyboard_game_atspi.py
"""

import re

import pyatspi

import atspi
from atspi import fail, key

CATEGORIES = ["Aces", "Twos", "Threes", "Fours", "Fives", "Sixes", "3 Pairs", "3 of a Kind",
              "2 3-of-a-Kinds", "4 of a Kind", "5 of a Kind", "Small Straight",
              "Large Straight", "Giant Straight", "Quorbel", "Chance"]
BUTTON, DIE_ROLES = pyatspi.ROLE_PUSH_BUTTON, (pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_TOGGLE_BUTTON)
TEXT_ROLES = (pyatspi.ROLE_LABEL, pyatspi.ROLE_TEXT, pyatspi.ROLE_STATIC)


def die_name(n, face=r"[1-6]"):
    return rf"Die {n}(, blank| shows {face})"  # the checked state says held


def category_name(category, score=r"\d+", state="open|closed"):
    # A scored caption may change case ("4 of a kind: 26"); names hold no regex operators.
    # An open row that never scored reads no score ("Chance, open").
    return rf"(?i:{category})(: {score})?, ({state})"


# The focus order, then the totals; an index into it names a control.
CONTROLS = ([(BUTTON, r"Roll, [0-5] of 5 rolls used")]
            + [(DIE_ROLES, die_name(n)) for n in range(1, 7)]
            + [(BUTTON, category_name(c)) for c in CATEGORIES]
            + [(BUTTON, "Restart"), (BUTTON, "Exit")])
ROLL, DICE, SHEET, RESTART, EXIT = 0, range(1, 7), range(7, 23), 23, 24
TOTALS = [(TEXT_ROLES, rf"{which} total: \d+") for which in ("Upper", "Lower", "Grand")]
# The sheet as the arrow keys walk it, closed categories and totals included.
REVIEW = ([(BUTTON, category_name(c, state="closed")) for c in CATEGORIES[:6]] + TOTALS[:1]
          + [(BUTTON, category_name(c, state="closed")) for c in CATEGORIES[6:]] + TOTALS[1:])
GRAND = len(CONTROLS) + 2  # the last of TOTALS

win = atspi.window()
if atspi.role(win) != pyatspi.ROLE_FRAME or win.name != "Quorbel!":
    fail(f"the window reads as {atspi.describe(win)}")


def read():
    """Every control and total, read in one walk. Restart and Exit may be left out of
    the tree while hidden; anything else missing fails."""
    found = atspi.find_each(win, CONTROLS + TOTALS)
    missing = [(roles, pattern) for (roles, pattern), obj in zip(CONTROLS + TOTALS, found)
               if obj is None and pattern not in ("Restart", "Exit")]
    if missing:
        # Often the name is there under another role: say which.
        other = atspi.find_each(win, [(None, pattern) for _, pattern in missing])
        fail(f"{len(missing)} controls missing, first {missing[0][1]!r}, a {atspi.role_names(missing[0][0])}"
             + (f"; there is {atspi.describe(other[0])}" if other[0] else ""))
    return found


def usable(obj):
    return obj is not None and {"showing", "enabled", "sensitive"} <= atspi.states(obj)


def reachable(objs):
    """The controls Tab stops at, in order: showing, enabled and focusable."""
    return [i for i in range(len(CONTROLS))
            if usable(objs[i]) and "focusable" in atspi.states(objs[i])]


def focus(i, why):
    return atspi.wait_for_focus(win, *CONTROLS[i], why)


def walk_focus(why):
    """Tab from the focused control to the last reachable one, Shift+Tab back to the
    first, then Tab back to the start: every step lands on the next reachable control."""
    objs = read()
    order = reachable(objs)
    here = [i for i in order if "focused" in atspi.states(objs[i])]
    if not here:
        fail(f"{why}: the focus is on none of {[objs[i].name for i in order]}")
    start = order.index(here[0])
    steps = ([("Tab", i) for i in order[start + 1:]]
             + [("shift+Tab", i) for i in reversed(order[:-1])]
             + [("Tab", i) for i in order[1:start + 1]])
    for keys, i in steps:
        key(keys)
        focus(i, f"after {keys} {why}")
    return order


def faces(objs):
    """The six dice as (face or None while blank, held)."""
    dice = []
    for n in DICE:
        m = re.fullmatch(rf"Die {n}(?:, blank| shows ([1-6]))", objs[n].name)
        if m is None:
            fail(f"die {n} reads {atspi.describe(objs[n])}")
        held = "checked" in atspi.states(objs[n])
        dice.append((int(m.group(1)) if m.group(1) else None, held))
    return dice


def check_sheet(objs, rolled):
    """Categories are push buttons, enabled exactly while they can be claimed (after a
    roll, and open), and then with a press action (Qt lists none on a disabled button).
    Dice that take presses have an action; pips and HOLD pictures are not objects."""
    for i in SHEET:
        obj = objs[i]
        claimable = rolled and obj.name.endswith(", open")
        switches = {"enabled", "sensitive"} & atspi.states(obj)
        if len(switches) != (2 if claimable else 0):
            fail(f"{'' if claimable else 'not '}claimable, but reads {atspi.describe(obj)}")
        if claimable and "press" not in [a.lower() for a in atspi.actions(obj)]:
            fail(f"a category without a press action: {atspi.describe(obj)}")
    for n in DICE:
        if usable(objs[n]) and not atspi.actions(objs[n]):
            fail(f"die {n} has no action: {atspi.describe(objs[n])}")
    extra = atspi.find_all(win, None, r"(?i).*\b(pip|hold)\b.*")
    if extra:
        fail(f"parts of the dice read as objects: {[o.name for o in extra]}")


def roll(count):
    """Space on the focused Roll; returns the dice once Roll counts the roll."""
    key("space")
    atspi.find(win, BUTTON, rf"Roll, {count} of 5 rolls used")
    objs = read()
    dice = faces(objs)
    if None in [face for face, _ in dice]:
        fail(f"roll {count} left a die blank: {[objs[n].name for n in DICE]}")
    # The description lists the six faces, in order, whatever words it puts around them.
    digits = iter(re.findall(r"[1-6]", objs[ROLL].description or ""))
    if not all(str(face) in digits for face, _ in dice):
        fail(f"Roll's description does not list the faces {dice}: {objs[ROLL].description!r}")
    return dice


def toggle(n, press, held):
    key(press)
    atspi.wait_until(f"die {n} {'' if held else 'un'}checked",
                     lambda: faces(read())[n - 1][1] == held)


def turn(number):
    """Roll, hold die k, roll again (four times more in the first turn), claim."""
    press = "space" if number % 2 else "Return"  # both keys press a die and a category
    objs = read()
    focus(ROLL, f"at the start of turn {number}")
    if not objs[ROLL].name.startswith("Roll, 0 of"):
        fail(f"turn {number} starts with {objs[ROLL].name}")
    if any(face is not None or held for face, held in faces(objs)):
        fail(f"turn {number} starts with dice {[objs[n].name for n in DICE]}")
    check_sheet(objs, rolled=False)
    if any(usable(objs[i]) for i in (RESTART, EXIT)):
        fail("Restart or Exit is shown during the game")
    if number == 1:
        order = walk_focus("before the first roll")
        if order[0] != ROLL or any(i in SHEET or i in (RESTART, EXIT) for i in order):
            fail(f"before the first roll Tab stops at {[CONTROLS[i][1] for i in order]}")

    roll(1)
    check_sheet(read(), rolled=True)
    k = (number - 1) % 6 + 1
    for n in range(1, k + 1):
        key("Tab")
        focus(n, f"on the way to die {k}")
    toggle(k, press, held=True)
    if number == 1:
        toggle(k, "Return" if press == "space" else "space", held=False)
        toggle(k, press, held=True)
    face = faces(read())[k - 1][0]
    for n in range(k - 1, -1, -1):
        key("shift+Tab")
        focus(n, f"on the way back to Roll from die {k}")

    rolls = 5 if number == 1 else 2
    for count in range(2, rolls + 1):
        dice = roll(count)
        if dice[k - 1] != (face, True):
            fail(f"held die {k} showed {face} and now reads {dice[k - 1]}")
    if rolls == 5:
        objs = read()
        if usable(objs[ROLL]):
            fail(f"Roll is still enabled after the fifth roll: {atspi.describe(objs[ROLL])}")
        focus(1, "after the fifth roll")
        order = walk_focus("after the fifth roll")
        if ROLL in order or set(DICE) - set(order):
            fail(f"after the fifth roll Tab stops at {[CONTROLS[i][1] for i in order]}")
        first_die = 1
    else:
        first_die = 0  # from Roll, through the six dice

    objs = read()
    target = next(i for i in SHEET if objs[i].name.endswith(", open"))
    for i in [*range(first_die + 1, 7), target]:
        key("Tab")
        focus(i, f"on the way to {CATEGORIES[target - 7]}")
    before = objs[target].name
    key(press)

    def claimed():
        objs = read()
        return objs if objs[target].name != before else None

    objs = atspi.wait_until(f"{before} to change once claimed", claimed)
    print(f"turn {number}: held die {k}, {objs[target].name}, {objs[GRAND].name}")
    return objs


def finish(objs):
    """The rating message names the grand total; Enter closes it, the focus goes to
    Restart, and Enter there starts a fresh game."""
    total = int(objs[GRAND].name.rsplit(" ", 1)[1])
    app = win.getApplication()
    box = atspi.find(app, (pyatspi.ROLE_ALERT, pyatspi.ROLE_DIALOG), ".*", timeout=10)
    words = " ".join(atspi.text(obj) for obj in atspi.objects(box))
    if not re.search(rf"\b{total}\b", words):
        fail(f"the rating message does not name the grand total {total}: {words!r}")
    print(f"rating ({box.getRoleName()}): {words!r}")
    key("Return")
    atspi.wait_until("the rating message to close",
                     lambda: not atspi.find_all(app, (pyatspi.ROLE_ALERT, pyatspi.ROLE_DIALOG)))
    atspi.activate_window()
    focus(RESTART, "once the rating message is closed")
    order = walk_focus("at the end of the game")
    if order != [RESTART, EXIT]:
        fail(f"at the end Tab stops at {[CONTROLS[i][1] for i in order]}")
    # The whole sheet by the arrow keys: left of Restart, then down every row and total.
    key("Left")
    for i, (roles, pattern) in enumerate(REVIEW):
        if i:
            key("Down")
        atspi.wait_for_focus(win, roles, pattern, "reviewing the sheet")
    for _ in range(3):
        if "focused" in atspi.states(read()[RESTART]):
            break
        key("Tab")
    focus(RESTART, "after the review")

    key("Return")
    fresh = [(BUTTON, category_name(c, "0", "open")) for c in CATEGORIES] + [
        (TEXT_ROLES, rf"{which} total: 0") for which in ("Upper", "Lower", "Grand")]
    atspi.wait_until("a fresh game after Restart",
                     lambda: None not in atspi.find_each(win, fresh),
                     seen=lambda: f"it reads {[o.name for o in read()[SHEET[0]:]]}")
    focus(ROLL, "in the fresh game")
    atspi.find(win, BUTTON, r"Roll, 0 of 5 rolls used")
    return total


focus(ROLL, "when the game starts")
for number in range(1, 41):  # Quorbel may stay open a turn or two
    objs = turn(number)
    if all(objs[i].name.endswith(", closed") for i in SHEET):
        break
else:
    fail("forty turns and the sheet is still open")
print(f"a whole game by keyboard: {number} turns, grand total {finish(objs)}")
