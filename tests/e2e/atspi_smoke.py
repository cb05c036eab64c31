"""What a screen reader finds on opening the game, and a roll by keyboard: the window,
Roll focused and pressable, six blank dice that read their faces after Space."""

import atspi

win = atspi.window()
# Qt's bridge presents a top-level window as a frame, or as a filler where it sees
# only a plain QWidget.
if atspi.role(win) not in ("frame", "filler"):
    atspi.fail(f"the window is a {atspi.role(win)}")

roll = atspi.find(win, "push button", r"Roll, 0 of 5 rolls used")
if "press" not in [a.lower() for a in atspi.actions(roll)]:
    atspi.fail(f"Roll has no press action: {atspi.describe(roll)}")
for n in range(1, 7):
    atspi.find(win, None, rf"Die {n}, blank")

atspi.wait_for_focus(win, "push button", r"Roll, .*", "when the window opens")
atspi.key("space")
atspi.find(win, "push button", r"Roll, 1 of 5 rolls used")
for n in range(1, 7):
    atspi.find(win, None, rf"Die {n} shows [1-6]")
print("the window, Roll and six rolled dice read as they should")
