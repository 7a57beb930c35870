#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The alkynes authors
# SPDX-License-Identifier: GPL-3.0-or-later
"""What a blind student hears: the real Orca on the real program, played
from the keyboard alone and judged only by what Orca said (orca.py).

The student finds the tiles and slots by ear: a key, then what Orca said,
and so on.  Checked in order: the focused tile and the keys taught at the
start, the first Tab, a pick-up heard with the formula carried, a drop
heard with the formula placed, a replacement, a removal heard as an empty
blank, a check heard with its grade, a restart, the focus heard again on
the board once the help box and the about window close, and a whole game to
100% with each reaction's boxes heard as they appear and reached with F6
(F6 with none shown heard too; the game's keys counted); the keys taught
only once, never "push button return".

Usage:
  orca_test.py PROGRAM             the test
  orca_test.py PROGRAM --keys "Tab space ..." [--log FILE]
                                   presses the keys one by one and prints
                                   what Orca said after each (FILE keeps
                                   Orca's whole debug log)

Exits with 77 (skipped) where Orca, speech-dispatcher or openbox is missing.
"""

import argparse
import os
import re
import sys

import orca
from a11y_test import (MENU, RIGHT_COEFFICIENTS, RIGHT_COMPOUND, SLOT_NAME, SLOTS, TILES, box_name,
                       check, need_pyatspi, slot_places, slot_prefix)
from xvfb import Failure

SKIPPED = 77

# What Orca says as the focus reaches a button: its name and role ("push
# button" in Orca 43, "button" in Orca 48).
FOCUS = re.compile(r"^(.*?) (?:push )?button\b")
ABOUT = "Παρασκευές αλκινίων, 2014"
HINT = "Με Tab ή τα βέλη πηγαίνετε"
EMPTY = "κενή"


def slot_name(s, holds):
    return slot_prefix(*slot_places()[s]) + holds


def on_board(text):
    """The stop of the board Orca read, if `text` reads one."""
    focus = FOCUS.match(text)
    return focus and (focus.group(1) in TILES or SLOT_NAME.match(focus.group(1)))


class Student:
    """Presses keys and listens, as a student with Orca does: each key, then
    what Orca says to it.  Keeps where the focus is (from what Orca said)
    and how many keys were pressed."""

    def __init__(self, session):
        self.session = session
        self.speech = session.speech
        self.keys = 0
        self.focus = None      # the name Orca last read for the focus
        self.palette = {}      # the formula of each tile -> its cell

    def press(self, key, wanted, what):
        """Presses `key` and waits until Orca says something for which
        `wanted(text)` holds; returns that."""
        mark = self.speech.mark()
        self.session.key(key)
        self.keys += 1
        i = self.speech.wait_for(wanted, what, mark, 15)
        for focus in map(FOCUS.match, self.speech.said[mark:i + 1]):
            self.focus = focus.group(1) if focus else self.focus
        return self.speech.said[i]

    def move(self, key):
        """A focus key: waits for the new stop Orca reads."""
        return self.press(key, FOCUS.match, "the focus after %s" % key)

    def learn_palette(self):
        """Finds where each compound rests (the palette is shuffled at every
        start): along the tiles to the first slot, then back over all nine."""
        while self.focus not in TILES:
            self.move("Up")
        while self.focus in TILES:
            self.move("Right")
        self.palette = {}
        for cell in reversed(range(9)):
            self.move("Left")
            self.palette[self.focus] = cell
        check(sorted(self.palette) == sorted(TILES),
              "walking the palette, Orca reads the nine tiles by their formulas (%s)"
              % sorted(self.palette))

    def pick_up(self, k):
        """Picks up compound k; Orca says what is carried and where to."""
        while self.focus not in TILES:
            self.move("Up")
        while self.focus != TILES[k]:
            self.move("Right" if self.palette[TILES[k]] > self.palette[self.focus] else "Left")
        carried = "Κρατάτε: " + TILES[k]
        return self.press("space", lambda t: t.startswith(carried), repr(carried))

    def drop(self, s, k, key="space"):
        """Puts the carried compound k down in slot s, the focused one."""
        placed = slot_name(s, TILES[k])
        return self.press(key, lambda t: t.startswith(placed) and not FOCUS.match(t),
                          repr(placed))

    def menu(self, item, heard):
        """Runs a menu item from the keyboard (Alt, Right to the item, Enter)
        once Orca has been quiet for a second, and returns what Orca said
        that starts with `heard`.  (Qt hands each key to Orca first, over the
        bus; an Alt pressed while Orca was still busy with a check run from
        a coefficient box was seen to open the menu bar and close it again.)"""
        self.speech.quiet(1.0)
        for key, name in zip(["alt"] + ["Right"] * item, MENU):
            self.press(key, lambda t, name=name: t in (name, name + "."), repr(name))
        return self.press("Return", lambda t: t.startswith(heard), repr(heard))


def hear_the_start(student):
    """The focused tile and the keys at the start; the first Tab only shows
    where the focus is."""
    speech = student.speech
    i = speech.wait_for(lambda t: HINT in t, "the keys taught at the start", 0, 30)
    read = [m.group(1) for m in map(FOCUS.match, speech.said[:i]) if m and m.group(1) in TILES]
    check(read and speech.said[i].startswith(read[-1] + ". "),
          "at the start Orca reads the focused tile, then the tile and the keys: %r (before: %s)"
          % (speech.said[i], speech.said[:i]))
    student.focus = read[-1]
    mark = speech.mark()
    student.session.key("Tab")
    student.keys += 1
    speech.quiet(1.5)
    check(not [t for t in speech.since(mark) if on_board(t) and not t.startswith(student.focus)],
          "the first Tab moves the focus nowhere: Orca names no other stop (%s)"
          % speech.since(mark))


def hear_the_moves(student):
    """A pick-up, a drop, a replacement, a removal, a check and a restart."""
    wrong, right = 0, RIGHT_COMPOUND[0]
    student.learn_palette()
    said = student.pick_up(wrong)
    check(said.startswith("Κρατάτε: %s. %s. κενό →" % (TILES[wrong], slot_name(0, EMPTY))),
          "a pick-up is heard with the formula carried, the blank it went to and the blank's "
          "equation: %r" % said)
    said = student.drop(0, wrong)
    check(said.rstrip(".") == slot_name(0, TILES[wrong]),
          "a drop is heard with the formula placed: %r" % said)
    student.pick_up(right)
    student.move("Left")  # the carry went to the first empty slot, the next one
    said = student.drop(0, right, "Return")
    check(said.rstrip(".") == "%s. Το %s γύρισε στην παλέτα" % (slot_name(0, TILES[right]),
                                                                 TILES[wrong]),
          "a replacement is heard with what went back: %r" % said)
    said = student.press("Delete", lambda t: t.startswith(slot_name(0, EMPTY)) and
                         not FOCUS.match(t), "the removal")
    check(said.startswith(slot_name(0, EMPTY) + ". Το %s γύρισε" % TILES[right]),
          "a removal is heard as an empty blank: %r" % said)
    student.pick_up(wrong)
    student.drop(0, wrong)
    said = student.menu(MENU.index("Έλεγχος"), "Βαθμός ")
    check(re.match(r"^Βαθμός \d+%\. Μία ένωση γύρισε στην παλέτα\.", said) is not None,
          "a check is heard with its grade and what went back: %r" % said)
    said = student.menu(MENU.index("Απ' την αρχή"), "Απ' την αρχή")
    check("όλες οι θέσεις είναι κενές" in said, "a restart is heard as a new board: %r" % said)


def hear_the_dialogs(student):
    """The help box and the about window, each read as it opens; closed,
    Orca reads the board's focused stop again."""
    for item, opened, text, close in (("Βοήθεια", "alert Βοήθεια", "Σύρετε", "Return"),
                                      ("Περί...", ABOUT + " dialog", "Χημικός", "Escape")):
        mark = student.speech.mark()
        student.menu(MENU.index(item), opened)
        student.speech.wait_for(lambda t, text=text: text in t, "the text of %s" % item, mark)
        said = student.press(close, on_board, "the board's focused stop once %s closed" % item)
        print("ok - %s is read as it opens; closed, Orca reads the board's focused stop again: %r"
              % (item, said), flush=True)


def type_coefficients(student, r):
    """F6 from the reaction's last blank to its first box, the coefficients
    typed with Tab between the boxes, F6 back to the board."""
    for n, text in enumerate(RIGHT_COEFFICIENTS[r]):
        name = box_name(r, n)
        said = student.press("F6" if n == 0 else "Tab", lambda t: t.startswith("Συντελεστής"),
                             "a box")
        check(said.startswith(name), "%s reaches %r: %r" % ("F6" if n == 0 else "Tab", name,
                                                             said))
        student.session.type(text)
        student.keys += len(text)
    said = student.press("F6", on_board, "the board again")
    check(SLOT_NAME.match(FOCUS.match(said).group(1)) is not None,
          "F6 in a box goes back to a blank of the board: %r" % said)


def play_a_whole_game(student):
    """From a new board to 100%, counting the keys."""
    start = student.keys
    student.learn_palette()
    walked = student.keys - start
    said = student.press("F6", lambda t: t.startswith("Δεν υπάρχουν ακόμη συντελεστές"),
                         "F6 with no box shown")
    for s, k in enumerate(RIGHT_COMPOUND):
        student.pick_up(k)
        said = student.drop(s, k, ("space", "Return")[s % 2])
        r, n = slot_places()[s]
        if n + 1 == SLOTS[r]:
            boxes = "Εμφανίστηκαν οι συντελεστές της αντίδρασης %d, με F6" % (r + 1)
            check(boxes in said, "the last blank of reaction %d: its boxes are heard as they "
                  "appear, with the key that goes to them: %r" % (r + 1, said))
            type_coefficients(student, r)
    print("ok - F6 reaches each reaction's boxes by their names, the coefficients are typed "
          "and F6 goes back to the blanks", flush=True)
    said = student.menu(MENU.index("Έλεγχος"), "Βαθμός ")
    check(said.startswith("Βαθμός 100%"), "the whole game ends heard at 100%%: %r" % said)
    print("ok - a whole game to 100%% took %d keys, %d of them walking the palette by ear"
          % (student.keys - start, walked), flush=True)


def run(session):
    student = Student(session)
    hear_the_start(student)
    hear_the_moves(student)
    hear_the_dialogs(student)
    play_a_whole_game(student)
    said = session.speech.read()
    check(sum(HINT in t for t in said) == 1, "the keys are taught once, not with every stop")
    check(not [t for t in said if "button return" in t],
          "no stop is read with its key binding (\"push button return\")")


def explore(session, keys):
    session.speech.quiet()
    print("at start:", session.speech.said)
    for key in keys:
        mark = session.speech.mark()
        session.key(key)
        session.speech.quiet(0.8)
        print("%-12s -> %s" % (key, session.speech.since(mark)), flush=True)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("program")
    parser.add_argument("--keys")
    parser.add_argument("--log")
    args = parser.parse_args()
    session = orca.OrcaSession(os.path.abspath(args.program), args.log)
    try:
        need_pyatspi()
        session.start()
        if args.keys is not None:
            explore(session, args.keys.split())
            return 0
        run(session)
    except orca.Missing as missing:
        print("SKIP -", missing)
        return SKIPPED
    except Failure as failure:
        print("FAIL -", failure, file=sys.stderr)
        return 1
    finally:
        session.stop()
    print("orca passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
