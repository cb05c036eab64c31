"""A whole game by keys with a real screen reader listening, Orca: with no other key,
after Space on Roll it says the six faces and the rolls used, after a claim the
category's score and the grand total, at the end the rating; and it can read every
event the game sends. The faces, scores and totals it says are checked against the
window, read through AT-SPI. CTest runs it as e2e.orca; by hand:

    tests/e2e/atspi.sh build/default/src/qt/quorbel out tests/e2e/orca_game.py out

Orca speaks through a private speech-dispatcher whose one voice appends each utterance
as a line to OUT/orca_game.spoken.txt, read while the game runs; sound goes to libao's
null driver. Orca's log, OUT/orca_game.orca.log, is written in blocks: it is read for
errors once Orca has stopped."""

import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile

import pyatspi

import atspi
from atspi import fail, key

out = sys.argv[1]
spoken, orca_log = (os.path.join(out, f"orca_game.{n}") for n in ("spoken.txt", "orca.log"))
home = tempfile.mkdtemp(prefix="quorbel-orca.")
for name, text in {
    ".libao": "default_driver=null\n",
    ".config/speech-dispatcher/speechd.conf": f'AudioOutputMethod "libao"\nDefaultModule file\n'
    f'AddModule "file" "sd_generic" "file.conf"\nLogDir "{out}"\nDefaultLanguage "en"\n',
    # Whole utterances, one a line: no splitting after ". ".
    ".config/speech-dispatcher/modules/file.conf":
    f"GenericExecuteSynth \"echo \\'$DATA\\' >> {spoken}\"\n"
    'GenericLanguage "en" "en" "utf-8"\nAddVoice "en" "MALE1" "file"\nDefaultVoice "file"\n'
    'GenericDelimiters "~"\nGenericMaxChunkLength 100000\n',
    # Orca will not start while a process of ours named orca runs anywhere, in any session.
    "bin/pgrep": "#!/bin/sh\nexit 1\n",
}.items():
    os.makedirs(os.path.dirname(os.path.join(home, name)), exist_ok=True)
    with open(os.path.join(home, name), "w") as f:
        f.write(text)
os.chmod(os.path.join(home, "bin/pgrep"), 0o755)
for stale in (spoken, orca_log):
    if os.path.exists(stale):
        os.remove(stale)
env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=f"{home}/.config", XDG_DATA_HOME=f"{home}/data",
           XDG_CACHE_HOME=f"{home}/cache", PATH=f"{home}/bin:{os.environ['PATH']}")
with open(os.path.join(out, "orca_game.orca.out"), "w") as log:
    speechd = subprocess.Popen(["speech-dispatcher", "-s", "-t", "0", "-C",
                                f"{home}/.config/speech-dispatcher"],
                               env=env, stdout=log, stderr=log)
    # Debian's python3, whatever stands first on PATH. Never --replace: it ends all our Orcas.
    orca = subprocess.Popen(["/usr/bin/python3", "/usr/bin/orca", "-u", f"{home}/prefs",
                             "--debug-file", orca_log], env=env, stdout=log, stderr=log)


def said():
    try:
        with open(spoken, encoding="utf-8", errors="replace") as f:
            return [" ".join(line.split()) for line in f]
    except FileNotFoundError:
        return []


def heard(what, test, since, timeout=10.0):
    """Waits until a line Orca said after the first since lines passes test; returns its
    number among all that Orca said."""
    after = atspi.wait_until(what, lambda: next((n for n, s in enumerate(said(), 1)
                                                 if n > since and test(s)), None),
                             timeout, lambda: f"Orca said {said()[since:]}")
    return after - 1


def hear(what, test, since, timeout=10.0):
    """Waits until a line Orca said after the first since lines passes test; returns it."""
    n = heard(what, test, since, timeout)
    return said()[n]


def numbers(line):
    return [int(n) for n in re.findall(r"\d+", line)]


def runs_of_six(line):
    """Every six numbers in a row in line that could be the faces."""
    n = numbers(line)
    return [n[i:i + 6] for i in range(len(n) - 5) if all(1 <= f <= 6 for f in n[i:i + 6])]


def faces(win):
    names = [atspi.find(win, (pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_TOGGLE_BUTTON), rf"Die {n}\b.*").name
             for n in range(1, 7)]
    return [int(m.group(1)) if (m := re.search(rf"Die {n}\D*([1-6])", name)) else None
            for n, name in enumerate(names, 1)]


def roll(win, count):
    """Space on Roll: Orca says the six faces and how many rolls are used."""
    used = rf"\b{count} of 5\b" + ("|(?i:last roll|no rolls? left|spent)" if count == 5 else "")
    mark = len(said())
    key("space")
    line = hear(f"six faces and {count} of 5 rolls used after Space on Roll",
                lambda s: runs_of_six(s) and re.search(used, s), mark)
    if faces(win) not in runs_of_six(line):
        fail(f"roll {count}: Orca said {line!r}, the dice show {faces(win)}")
    print(f"roll {count}: {line}")


def claim(win, here=None):
    """Tab to the first open category (unless on one already), Space: Orca says where the
    focus went, then the category's score and the grand total."""
    for _ in range(0 if here else 30):
        key("Tab")
        here = atspi.wait_until("the focus", lambda: atspi.focused(win))
        if atspi.role(here) == pyatspi.ROLE_PUSH_BUTTON and "open" in here.name and "Roll" not in here.name:
            break
        here = None
    if not here:
        fail("thirty Tabs and no open category")
    before, category = here.name, re.split(r"[:,]", here.name)[0].strip()
    mark = len(said())
    key("space")
    after = atspi.wait_until(f"{category} to be claimed", lambda: here.name != before and here.name)
    score = numbers(after[len(category):])[0]
    grand = numbers(atspi.find(win, None, r"(?i)grand total\D*\d+").name)[-1]
    result = heard(f"{category}: {score} and the grand total {grand} after the claim",
                   lambda s: re.search(rf"(?i:{re.escape(category)})\D*\b{score}\b", s)
                   and re.search(rf"(?i)total\D{{0,3}}{grand}\b", s), mark)
    # The focus moves back to Roll first, so that the move does not cut the result off.
    # After the last claim the rating's box takes the focus instead.
    if atspi.find_all(win, pyatspi.ROLE_PUSH_BUTTON, r".*\bopen\b.*"):
        moved = heard("the focus back on Roll", lambda s: s.startswith("Roll"), mark)
        if moved > result:
            fail(f"Orca said the result before the focus move: {said()[mark:]}")
    print(f"claim: {said()[result]}")
    return grand


def turn_by_direct_keys(win):
    """The game's own keys: R rolls, 1 and 4 hold, R rolls again, C goes to Chance, where
    Orca says what entering would score, then Giant Straight's preview, the dice, the
    totals and the last result on request. The claim is left to the caller."""
    mark = len(said())
    key("r")
    hear("the roll after R", lambda s: "Rolled" in s and " 1 of 5" in s, mark)
    for die in (1, 4):
        mark = len(said())
        key(str(die))
        hear(f"die {die} held", lambda s: re.search(rf"\bDie {die} held\b", s), mark)
    mark = len(said())
    key("r")
    rolled = hear("the second roll", lambda s: "Rolled" in s and " 2 of 5" in s, mark)
    rolled = rolled[rolled.index("Rolled"):]  # Orca 43 says "notification" first
    dice = faces(win)
    if not re.search(rf"Rolled {dice[0]} held, {dice[1]}, {dice[2]}, {dice[3]} held,", rolled):
        fail(f"after holding dice 1 and 4 Orca said {rolled!r}, the dice show {dice}")
    previews = {"c": ("Chance", f"Would score {sum(dice)}"),
                "g": ("Giant Straight", "Would score 50" if sorted(dice) == [1, 2, 3, 4, 5, 6]
                      else "Would close with 0")}
    for letter in ("g", "c"):
        name, words = previews[letter]
        mark = len(said())
        key(letter)
        atspi.wait_for_focus(win, pyatspi.ROLE_PUSH_BUTTON, rf"{name}\b.*", f"after {letter}")
        print("preview: " + hear(f"{name}'s preview {words!r}", lambda s: words in s, mark))
    for letter, pattern in (("d", rf"Dice {dice[0]} held, {dice[1]}, .*2 of 5 rolls used"),
                            ("o", r"Upper total \d+, \d+ short of the bonus; lower total"),
                            ("w", re.escape(rolled))):
        mark = len(said())
        key(letter)
        print(f"{letter}: " + hear(f"{pattern!r} after {letter}", lambda s: re.search(pattern, s),
                                   mark))
    return atspi.focused(win)


try:
    win = atspi.window()
    hear("Orca to start", lambda s: "Screen reader on" in s, 0, timeout=30)
    # The game had the keyboard before Orca came: it leaves and comes back, as from another
    # window, and Orca reads where the focus is.
    root = subprocess.run(["xdotool", "search", "--maxdepth", "0", ""], capture_output=True,
                          text=True, check=True, timeout=10).stdout.split()[0]
    subprocess.run(["xdotool", "windowfocus", root], check=True, timeout=10)
    atspi.activate_window()
    hear("Orca to read Roll", lambda s: s.startswith("Roll"), 0)
    for turn in range(1, 41):  # Quorbel may stay open a turn or two
        atspi.wait_for_focus(win, pyatspi.ROLE_PUSH_BUTTON, r"Roll\b.*", f"at turn {turn}")
        if turn == 2:
            grand = claim(win, turn_by_direct_keys(win))
            continue
        for count in range(1, 6 if turn == 1 else 2):
            roll(win, count)
        mark = len(said())
        grand = claim(win)
        if not atspi.find_all(win, pyatspi.ROLE_PUSH_BUTTON, r".*\bopen\b.*"):
            break
    box = atspi.find(win.getApplication(), (pyatspi.ROLE_ALERT, pyatspi.ROLE_DIALOG), ".*", timeout=10)
    words = " ".join(" ".join(atspi.text(o) for o in atspi.objects(box)
                              if atspi.role(o) == pyatspi.ROLE_LABEL).split())
    first = re.split(r"[.!,;]", words)[0] or fail(f"the rating reads {atspi.describe(box)}")
    print("rating: " + hear(f"the rating {words!r}", lambda s: first in s, mark))
    key("Return")
    # F1 lists the keys, and Ctrl+Q quits from the list.
    atspi.activate_window()
    atspi.wait_for_focus(win, pyatspi.ROLE_PUSH_BUTTON, r"Restart\b.*", "after the rating")
    mark = len(said())
    key("F1")
    print("keys: " + hear("the key list's first row", lambda s: "1 to 6" in s, mark))
    key("ctrl+q")
    atspi.wait_until("the game to quit on Ctrl+Q", lambda: subprocess.run(
        ["xdotool", "getwindowname", os.environ["QUORBEL_WINDOW"]],
        capture_output=True).returncode != 0)
finally:
    for proc in (orca, speechd):  # SIGTERM: Orca writes out its log
        proc.send_signal(signal.SIGTERM)
        try:
            proc.wait(10)
        except subprocess.TimeoutExpired:
            proc.kill()
    shutil.rmtree(home, ignore_errors=True)
    try:
        with open(orca_log, encoding="utf-8", errors="replace") as f:
            errors = [line.strip() for line in f
                      if "Could not process" in line or "bad content" in line]
    except FileNotFoundError:
        errors = ["no log"]
    if errors:
        print(f"Orca's log has {len(errors)} errors, the first: {errors[:2]}", file=sys.stderr)

if errors:
    fail("Orca could not read what the game sent")
print(f"a whole game with Orca: {turn} turns, grand total {grand}, every event read")
