#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 The alkynes authors
# SPDX-License-Identifier: GPL-3.0-or-later

"""End-to-end tests for the classroom: tiles placed with clicks instead of a
drag, and the exercise on the whole screen.  The real program under its own
Xvfb with the openbox window manager, real X input from xdotool, judged
only from screenshots, with the helpers of e2e_test.py.

  click    --click-to-place on a 1280x1024 screen: a click holds a tile
           (shown lifted, following the pointer), the next click puts it
           into a blank, replaces a placed tile or sends it back, Escape
           sends it back, a drag still places, and a whole game is played
           with clicks alone up to 100%.
  full     a 1920x1080 screen: F11 fills it with the exercise at the largest
           zoom that fits, centred on white, sharp, its menu bar and drops
           working at that zoom; F11 and Escape give the window back where
           and as large as it was; --fullscreen starts on the whole screen.

Usage: placing_test.py PROGRAM click|full
"""

import argparse
import sys
import time

import e2e_test
from e2e_test import (CELLS, GRADE, PIECE_H, PIECE_W, RED, WHITE, App, Failure, check,
                      slot_drop, slot_piece)

FRAME0 = (60, 1260, 15135, 1875)  # the first reaction frame, red bordered
FRAME_FILL = (255, 255, 192)
SCALE_W, SCALE_H = 15240, 9975


def centre(rect):
    l, t, w, h = rect
    return l + w / 2, t + h / 2


def cell_centre(c):
    return centre((CELLS[c][0], CELLS[c][1], PIECE_W, PIECE_H))


class ClickingApp(App):
    """Places a tile with two clicks where App drags it: one on the tile,
    one where it goes."""

    def drag(self, start, end, steps=12, settle=True):
        self.move(*start)
        self.xdotool("click", 1)
        self.move(*end)
        self.xdotool("click", 1)
        if settle:
            self.settle()


def lifted(app, screen, c):
    """How much of the gap right of palette cell c (0 to 3) is covered,
    white while no tile is held over it: a tile held where it was clicked
    lies over it, its green or the letters of its formula, whichever
    compound the shuffle put there."""
    l, t = CELLS[c]
    gap = CELLS[c + 1][0] - (l + PIECE_W)
    return 1 - app.fraction(screen, (l + PIECE_W + gap * 0.2, t + PIECE_H * 0.3, gap * 0.6,
                                     PIECE_H * 0.4), WHITE)


def click_at(app, spot):
    app.move(*spot)
    app.xdotool("click", 1)
    app.settle()


def shows(app, test, timeout=5):
    """Whether a screenshot within `timeout` seconds passes `test`: on a
    loaded machine the window repaints late."""
    deadline = time.time() + timeout
    while not test(app.shot()):
        if time.time() > deadline:
            return False
    return True


def click_game(program):
    app = ClickingApp(program, 1, options=["--click-to-place"], wm=True)
    try:
        app.start_x()
        app.start_program()
        # The window manager gives the new window the focus in its own time,
        # and the pointer comes onto the window before the first click.
        app.xdotool("windowactivate", "--sync", app.wid)
        app.move(7000, 2900)
        time.sleep(1)
        e2e_test.check_start(app)
        before = app.shot()

        def slot_pixels(screen):
            l, t, w, h = slot_piece(0)
            x0, y0 = app.px(l, t)
            x1, y1 = app.px(l + w, t + h)
            return [screen.at(x, y) for y in range(int(y0), int(y1), 2)
                    for x in range(int(x0), int(x1), 2)]

        click_at(app, cell_centre(0))
        check(shows(app, lambda s: lifted(app, s, 0) > 0.5),
              "a click on a tile holds it, lifted off its cell")
        hover = (4000, 2800)  # the pale frame below reaction 0
        app.move(*hover)
        around = (hover[0] + 160, hover[1] - PIECE_H * 0.3, PIECE_W - 200, PIECE_H * 0.6)
        check(shows(app, lambda s: app.fraction(s, around, FRAME_FILL) < 0.1),
              "the held tile follows the pointer")

        click_at(app, slot_drop(0))
        check(shows(app, lambda s: app.holds(s, 0) and lifted(app, s, 0) < 0.1),
              "the next click on the blank of slot 0 puts the tile there, and none is held")

        was = slot_pixels(app.shot())
        click_at(app, cell_centre(1))
        click_at(app, centre(slot_piece(0)))
        check(shows(app, lambda s: app.holds(s, 0) and slot_pixels(s) != was),
              "a click on the placed tile puts the held one in its place")

        placed = app.shot()
        click_at(app, cell_centre(2))
        click_at(app, (7000, 2900))  # the bare frame
        check(shows(app, lambda s: app.changed_pixels(placed, s) == 0),
              "a click on the bare window sends the held tile back")
        click_at(app, cell_centre(3))
        check(shows(app, lambda s: lifted(app, s, 3) > 0.5), "a click holds the tile of cell 3")
        app.xdotool("key", "Escape")  # which also shows the keyboard's focus ring
        check(shows(app, lambda s: lifted(app, s, 3) < 0.1
                    and slot_pixels(s) == slot_pixels(placed)),
              "Escape sends the held tile back")

        App.drag(app, cell_centre(4), slot_drop(1))
        check(shows(app, lambda s: app.holds(s, 1)), "a drag with the button held still places")

        app.click_menu(2)  # Απ' την αρχή
        check(shows(app, lambda s: app.changed_pixels(before, s) > 0),
              "the restart reshuffles the palette")
        e2e_test.whole_game(app)

        app.click_menu(6)  # Έξοδος
        check(app.proc.wait(10) == 0, "Έξοδος ends the program")
    finally:
        app.stop()


def find_board(app, screen):
    """Where the board lies on the screen and at what size, from the red
    border of its first frame: sets the App's origin and zoom.  Returns the
    border's row and outer left column."""
    x = app.screen_w // 2
    top = next((y for y in range(app.screen_h) if e2e_test.close(screen.at(x, y), RED, 2)),
               None)
    if top is None:
        raise Failure("no reaction frame on the screen")
    row = top + 12
    reds = [x for x in range(app.screen_w) if e2e_test.close(screen.at(x, row), RED, 2)]
    left, right = reds[0], reds[-1] + 1
    f = (right - left) / FRAME0[2]  # pixels per twip
    app.zoom = round(f * e2e_test.TWIPS_PER_PIXEL, 2)
    app.ox = left - FRAME0[0] * f
    app.oy = top - FRAME0[1] * f
    return row, left


def settled_geometry(app, wanted, timeout=5):
    """The window's geometry once it is `wanted`, or as it is after
    `timeout` seconds: the window manager takes its time."""
    deadline = time.time() + timeout
    while True:
        geometry = app.geometry(app.wid)
        if geometry == wanted or time.time() > deadline:
            return geometry
        time.sleep(0.1)


def full_screen(program):
    app = App(program, 1, screen=(1920, 1080), wm=True)
    try:
        app.start_x()
        app.start_program()
        normal = app.geometry(app.wid)
        normal_zoom = app.zoom

        app.xdotool("key", "F11")
        whole = settled_geometry(app, (0, 0, 1920, 1080))
        check(whole == (0, 0, 1920, 1080), "F11 fills the 1920x1080 screen (%s)" % (whole,))
        time.sleep(0.5)
        screen = app.shot()
        row, left = find_board(app, screen)
        f = app.zoom / e2e_test.TWIPS_PER_PIXEL
        width, height = SCALE_W * f, SCALE_H * f
        check(app.zoom > 1.4, "the exercise is enlarged to zoom %.2f" % app.zoom)
        check(abs(app.ox - (1920 - width) / 2) <= 1.5, "it is centred across the screen")
        bottom = 1080 - (app.oy + height)
        check(0 <= bottom <= 8, "it is as tall as the screen holds (%.1f pixels spare)" % bottom)
        sides = [screen.at(x, y) for y in range(int(app.oy), int(app.oy + height), 7)
                 for x in (int(app.ox) - 3, int(app.ox + width) + 2, 5, 1914)]
        check(all(e2e_test.close(c, WHITE, 2) for c in sides),
              "the rest of the screen is the window's white")
        border = max(1, round(3 * app.zoom))
        edge = [screen.at(x, row) for x in range(left - 1, left + border + 1)]
        check(e2e_test.close(edge[0], WHITE, 2)
              and all(e2e_test.close(c, RED, 2) for c in edge[1:-1])
              and e2e_test.close(edge[-1], FRAME_FILL, 2),
              "the frame's %d-pixel border is sharp: no blended pixel at its edges" % border)

        app.win = (0, 0, 1920, 1080)
        app.menu_top = 0
        app.drag(cell_centre(0), slot_drop(0))
        check(app.holds(app.shot(), 0), "a drag places into slot 0 at the zoom of the screen")
        app.click_menu(1)  # Έλεγχος
        check(app.fraction(app.checked_shot(), GRADE, RED) > 0.2,
              "the menu bar works on the whole screen: the check shows its badge")

        app.xdotool("key", "F11")
        back = settled_geometry(app, normal)
        check(back == normal, "F11 again gives the window back as it was (%s)" % (back,))
        time.sleep(0.5)
        app.locate()
        check(app.zoom == normal_zoom and app.fraction(app.checked_shot(), GRADE, RED) > 0.2,
              "at its zoom, still showing the grade")

        app.xdotool("key", "F11")
        settled_geometry(app, (0, 0, 1920, 1080))
        time.sleep(0.5)
        app.xdotool("key", "Escape")
        back = settled_geometry(app, normal)
        check(back == normal, "Escape gives the window back too (%s)" % (back,))
        app.click_menu(6)  # Έξοδος
        check(app.proc.wait(10) == 0, "Έξοδος ends the program")

        app.options = ["--fullscreen"]
        app.proc = None
        app.start_program(locate=False)
        whole = settled_geometry(app, (0, 0, 1920, 1080))
        check(whole == (0, 0, 1920, 1080), "--fullscreen starts on the whole screen")
        app.xdotool("key", "Escape")
        x, y, w, h = settled_geometry(app, normal)
        check((w, h) == normal[2:], "Escape then shows the normal window (%dx%d)" % (w, h))
    finally:
        app.stop()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("program")
    parser.add_argument("what", choices=("click", "full"))
    args = parser.parse_args()
    try:
        e2e_test.need_tools()
        click_game(args.program) if args.what == "click" else full_screen(args.program)
    except Failure as failure:
        print("FAIL -", failure, file=sys.stderr)
        return 1
    print("placing e2e passed: %s" % args.what)
    return 0


if __name__ == "__main__":
    sys.exit(main())
