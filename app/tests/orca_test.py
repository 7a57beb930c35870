#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The alkynes authors
# SPDX-License-Identifier: GPL-3.0-or-later
"""What a blind student hears: the real Orca on the real program, played
from the keyboard alone and judged only by what Orca said (orca.py).

The student finds the tiles and slots by ear: a key, then what Orca said,
and so on.  Checked in order: the keys taught once at the start, a pick-up
heard with the formula carried, a carry given back, a drop heard with the
formula placed, a replacement with what went back, a removal heard as an
empty blank, a check heard with its grade, a restart, and then a whole game
to 100%, the boxes of each reaction heard as they appear; never "push button
return".  The keys of the whole game are counted.

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
from a11y_test import (MENU, RIGHT_COEFFICIENTS, RIGHT_COMPOUND, SLOTS, TILES, box_name, check,
                       need_pyatspi, slot_places, slot_prefix)
from xvfb import Failure

SKIPPED = 77

# What Orca says as the focus reaches a button: its name and role ("push
# button" in Orca 43, "button" in Orca 48); and any other focus: a link, a
# text.
FOCUS = re.compile(r"^(.*?) (?:push )?button\b")
FOCUS_ANY = re.compile(r"^(.*?) (?:push button|button|link|read only text|text)\.?$")
ABOUT = "Παρασκευές αλκινίων, 2014"
HINT = "Με Tab ή τα βέλη πηγαίνετε"
EMPTY = "κενή"


def slot_name(s, holds):
    return slot_prefix(*slot_places()[s]) + holds


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

    def press(self, key, wanted, what, timeout=15):
        """Presses `key` and waits until Orca says something for which
        `wanted(text)` holds; returns that."""
        mark = self.speech.mark()
        self.session.key(key)
        self.keys += 1
        said = self.speech.said
        i = self.session.hear(wanted, what, mark, timeout)
        for text in said[mark:i + 1]:
            focus = FOCUS.match(text)
            if focus:
                self.focus = focus.group(1)
        return said[i]

    def type(self, text):
        self.session.type(text)
        self.keys += len(text)

    def move(self, key):
        """A focus key: waits for the new stop Orca reads."""
        return self.press(key, FOCUS.match, "the focus after %s" % key)

    def on_tile(self):
        return self.focus in TILES

    def learn_palette(self):
        """Finds where each compound rests (the palette is shuffled at every
        start): along the tiles to the first slot, then back over all nine."""
        while not self.on_tile():
            self.move("Up")
        while self.on_tile():
            self.move("Right")
        self.palette = {}
        for cell in reversed(range(9)):
            self.move("Left")
            self.palette[self.focus] = cell
        check(sorted(self.palette) == sorted(TILES),
              "walking the palette, Orca reads the nine tiles by their formulas (%s)"
              % sorted(self.palette))

    def go_to_tile(self, formula):
        while not self.on_tile():
            self.move("Up")
        while self.focus != formula:
            self.move("Right" if self.palette[formula] > self.palette[self.focus] else "Left")

    def pick_up(self, k):
        """Picks up compound k; Orca says what is carried and where to."""
        self.go_to_tile(TILES[k])
        carried = "Κρατάτε: " + TILES[k]
        return self.press("space", lambda t: t.startswith(carried), repr(carried))

    def drop(self, s, k, key="space"):
        """Puts the carried compound k down in slot s, the focused one."""
        placed = slot_name(s, TILES[k])
        return self.press(key, lambda t: t.startswith(placed) and not FOCUS.match(t),
                          repr(placed))

    def menu(self, item, heard, what):
        """Runs a menu item from the keyboard: Alt, Right to the item, Enter,
        once Orca has been quiet for a second.  (Qt hands each key to Orca
        first, over the bus; an Alt pressed while Orca is still busy with a
        check run from a coefficient box was seen to open the menu bar and
        close it again at once.)"""
        self.speech.quiet(1.0)
        self.press("alt", lambda t: t in (MENU[0], MENU[0] + "."), "the first menu item")
        for name in MENU[1:item + 1]:
            self.press("Right", lambda t, name=name: t in (name, name + "."), repr(name))
        return self.press("Return", heard, what)


def hear_the_start(student):
    """The focused tile and the keys at the start, then the first focus
    key."""
    speech = student.speech
    i = student.session.hear(lambda t: HINT in t, "the keys taught at the start", 0, 30)
    said = speech.said
    read = [m.group(1) for m in map(FOCUS.match, said[:i]) if m and m.group(1) in TILES]
    check(read and said[i].startswith(read[-1] + ". "),
          "at the start Orca reads the focused tile, then the tile and the keys: %r (before: %s)"
          % (said[i], said[:i]))
    student.focus = read[-1]
    # The first key on the board only shows the focus ring; it moves
    # nothing and Orca says nothing of the board.
    mark = speech.mark()
    student.session.key("Right")
    student.keys += 1
    speech.quiet(1.5)
    moved = [t for t in speech.since(mark) if FOCUS.match(t)]
    print("note - the first focus key: Orca said %s" % speech.since(mark), flush=True)
    if moved:
        student.focus = FOCUS.match(moved[-1]).group(1)


def hear_the_moves(student):
    """A carry given back, a drop, a replacement, a removal, a check and a
    restart."""
    wrong, right = 0, RIGHT_COMPOUND[0]
    student.learn_palette()
    said = student.pick_up(wrong)
    check(said.startswith("Κρατάτε: %s. %s. κενό →" % (TILES[wrong], slot_name(0, EMPTY))),
          "a pick-up is heard with the formula carried, the blank it went to and the blank's "
          "equation: %r" % said)
    said = student.press("Escape", lambda t: "γύρισε στην παλέτα" in t, "the carry given back")
    check(said.startswith("Το %s γύρισε στην παλέτα" % TILES[wrong]),
          "Escape is heard as the tile going back to the palette: %r" % said)

    student.pick_up(wrong)
    said = student.drop(0, wrong)
    check(said.rstrip(".") == slot_name(0, TILES[wrong]), "a drop is heard with the formula placed: %r"
          % said)
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
    said = student.menu(MENU.index("Έλεγχος"), lambda t: t.startswith("Βαθμός "), "a grade")
    check(re.match(r"^Βαθμός \d+%\. Μία ένωση γύρισε στην παλέτα\.", said) is not None,
          "a check is heard with its grade and what went back: %r" % said)
    said = student.menu(MENU.index("Απ' την αρχή"), lambda t: t.startswith("Απ' την αρχή"),
                        "the restart")
    check("όλες οι θέσεις είναι κενές" in said, "a restart is heard as a new board: %r" % said)


def play_a_whole_game(student):
    """From a new board to 100%, counting the keys."""
    start = student.keys
    student.learn_palette()
    walked = student.keys - start
    for s, k in enumerate(RIGHT_COMPOUND):
        student.pick_up(k)
        said = student.drop(s, k, ("space", "Return")[s % 2])
        r, n = slot_places()[s]
        if n + 1 == SLOTS[r]:
            boxes = "Εμφανίστηκαν οι συντελεστές της αντίδρασης %d" % (r + 1)
            check(boxes in said, "the last blank of reaction %d: its boxes are heard as they "
                  "appear: %r" % (r + 1, said))
    for r, texts in enumerate(RIGHT_COEFFICIENTS):
        for n, text in enumerate(texts):
            name = box_name(r, n)
            while not (student.focus or "").startswith(name):
                student.focus = student.press("Tab", lambda t: t.startswith("Συντελεστής"),
                                              "a box")
            student.type(text)
            student.focus = None
    print("ok - Tab reaches every box by its name and the coefficients are typed", flush=True)
    said = student.menu(MENU.index("Έλεγχος"), lambda t: t.startswith("Βαθμός "), "a grade")
    check(said.startswith("Βαθμός 100%"), "the whole game ends heard at 100%%: %r" % said)
    played = student.keys - start
    print("ok - a whole game to 100%% took %d keys, %d of them walking the palette by ear"
          % (played, walked), flush=True)
    return played


def hear_the_about_window(student):
    """Its text read as it opens, its links in reading order."""
    said = student.menu(MENU.index("Περί..."), lambda t: t.startswith(ABOUT + " dialog"),
                        "the about window")
    check("Χημικός" in said and "φύλλο εργασίας" in said,
          "the about window is read as it opens, its credit and its notice: %r" % said)
    mark = student.speech.mark()
    for _ in range(4):
        student.press("Tab", FOCUS_ANY.match, "the focus in the about window")
    student.speech.quiet(1.0)
    links = [re.sub(r" link\.?$", "", t) for t in student.speech.since(mark)
             if re.search(r" link\.?$", t)]
    check(len(links) == 3 and links[0].endswith("Χημικός") and
          links[1:] == ["Έμβλημα του σχολείου", "Λογότυπο του κατασκευαστή"],
          "after the notice Tab reads its links in reading order: %s" % links)
    mark = student.speech.mark()
    student.session.key("Escape")
    student.speech.quiet(1.5)
    print("note - the about window closed: Orca said %s" % student.speech.since(mark), flush=True)


def run(session):
    session.start()
    student = Student(session)
    hear_the_start(student)
    hear_the_moves(student)
    play_a_whole_game(student)
    hear_the_about_window(student)
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
        if args.keys is not None:
            session.start()
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
