#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 The alkynes authors
# SPDX-License-Identifier: GPL-3.0-or-later

"""End-to-end tests for the classroom, under the openbox window manager,
with real X input and judged from screenshots (the helpers of e2e_test.py).

  click    --click-to-place on a 1280x1024 screen: a click holds a tile,
           the next puts it into a blank or in place of a placed tile, a
           drag still places, and a whole game is played with clicks alone
           up to 100%.
  full     a 1920x1080 screen: F11 fills it with the exercise at the largest
           zoom that fits, centred on white, sharp, its menu bar and drops
           working at that zoom; F11 and Escape give the window back as it
           was; --fullscreen starts on the whole screen.

Usage: placing_test.py PROGRAM click|full
"""

import sys
import time

import e2e_test
from e2e_test import (CELLS, GRADE, PIECE_H, PIECE_W, RED, WHITE, App, Failure, check,
                      slot_drop, slot_piece)

FRAME0 = (60, 1260, 15135, 1875)  # the first reaction frame, red bordered
FRAME_FILL = (255, 255, 192)
SCALE_W, SCALE_H = 15240, 9975
WHOLE = (0, 0, 1920, 1080)


def centre(rect):
    l, t, w, h = rect
    return l + w / 2, t + h / 2


def cell_centre(c):
    return centre((CELLS[c][0], CELLS[c][1], PIECE_W, PIECE_H))


class ClickingApp(App):
    """Places a tile with two clicks where App drags it."""

    def click(self, spot, settle=True):
        self.move(*spot)
        self.xdotool("click", 1)
        if settle:
            self.settle()

    def drag(self, start, end, steps=12, settle=True):
        self.click(start, False)
        self.click(end, settle)


def lifted(app, screen, c):
    """How much of the white gap right of palette cell c (0 to 3) a tile held
    where it was clicked covers, whichever compound the shuffle put there."""
    l, t = CELLS[c]
    gap = CELLS[c + 1][0] - (l + PIECE_W)
    return 1 - app.fraction(screen, (l + PIECE_W + gap * 0.2, t + PIECE_H * 0.3, gap * 0.6,
                                     PIECE_H * 0.4), WHITE)


def shows(app, test, timeout=5):
    """Whether a screenshot within `timeout` seconds passes `test`: on a
    loaded machine the window repaints late."""
    deadline = time.time() + timeout
    while not test(app.shot()):
        if time.time() > deadline:
            return False
    return True


def click_game(app):
    # The window manager gives the new window the focus in its own time,
    # and the pointer comes onto the window before the first click.
    app.xdotool("windowactivate", "--sync", app.wid)
    app.move(7000, 2900)
    time.sleep(1)
    e2e_test.check_start(app)

    app.click(cell_centre(0))
    check(shows(app, lambda s: lifted(app, s, 0) > 0.5),
          "a click on a tile holds it, lifted off its cell")
    app.click(slot_drop(0))
    check(shows(app, lambda s: app.holds(s, 0) and lifted(app, s, 0) < 0.1),
          "the next click on the blank of slot 0 puts the tile there, and none is held")

    def slot0(screen):
        l, t, w, h = slot_piece(0)
        (x0, y0), (x1, y1) = app.px(l, t), app.px(l + w, t + h)
        return [screen.at(x, y) for y in range(int(y0), int(y1), 2)
                for x in range(int(x0), int(x1), 2)]

    was = slot0(app.shot())
    app.drag(cell_centre(1), centre(slot_piece(0)))
    check(shows(app, lambda s: app.holds(s, 0) and slot0(s) != was),
          "a click on the placed tile puts the held one in its place")
    App.drag(app, cell_centre(4), slot_drop(1))
    check(shows(app, lambda s: app.holds(s, 1)), "a drag with the button held still places")

    app.click_menu(2)  # Απ' την αρχή
    e2e_test.whole_game(app)


def find_board(app, screen):
    """Sets the App's origin and zoom from the red border of the first
    frame; returns the border's row and outer left column."""
    x = app.screen_w // 2
    top = next((y for y in range(app.screen_h) if e2e_test.close(screen.at(x, y), RED, 2)),
               None)
    if top is None:
        raise Failure("no reaction frame on the screen")
    row = top + 12
    reds = [x for x in range(app.screen_w) if e2e_test.close(screen.at(x, row), RED, 2)]
    f = (reds[-1] + 1 - reds[0]) / FRAME0[2]  # pixels per twip
    app.zoom = round(f * e2e_test.TWIPS_PER_PIXEL, 2)
    app.ox, app.oy = reds[0] - FRAME0[0] * f, top - FRAME0[1] * f
    return row, reds[0]


def settles(app, wanted, message, key=None, size_only=False):
    """Presses `key`, then checks that the window's geometry (or its size)
    becomes `wanted` within five seconds: the window manager takes its time."""
    if key:
        app.xdotool("key", key)
    n = 2 if size_only else 0
    deadline = time.time() + 5
    while app.geometry(app.wid)[n:] != wanted[n:] and time.time() < deadline:
        time.sleep(0.1)
    time.sleep(0.5)
    got = app.geometry(app.wid)
    check(got[n:] == wanted[n:], "%s (%s)" % (message, got))


def full_screen(app):
    normal, normal_zoom = app.geometry(app.wid), app.zoom
    settles(app, WHOLE, "F11 fills the 1920x1080 screen", "F11")
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
    check(e2e_test.close(edge[0], WHITE, 2) and all(e2e_test.close(c, RED, 2) for c in edge[1:-1])
          and e2e_test.close(edge[-1], FRAME_FILL, 2),
          "the frame's %d-pixel border is sharp: no blended pixel at its edges" % border)

    app.win, app.menu_top = WHOLE, 0
    app.drag(cell_centre(0), slot_drop(0))
    check(app.holds(app.shot(), 0), "a drag places into slot 0 at the zoom of the screen")
    app.click_menu(1)  # Έλεγχος
    check(app.fraction(app.checked_shot(), GRADE, RED) > 0.2,
          "the menu bar works on the whole screen: the check shows its badge")

    settles(app, normal, "F11 again gives the window back as it was", "F11")
    app.locate()
    check(app.zoom == normal_zoom and app.fraction(app.checked_shot(), GRADE, RED) > 0.2,
          "at its zoom, still showing the grade")
    settles(app, WHOLE, "F11 once more fills the screen", "F11")
    settles(app, normal, "Escape gives the window back too", "Escape")
    app.click_menu(6)  # Έξοδος
    check(app.proc.wait(10) == 0, "Έξοδος ends the program")

    app.options = ["--fullscreen"]
    app.start_program(locate=False)
    settles(app, WHOLE, "--fullscreen starts on the whole screen")
    settles(app, normal, "Escape then shows the normal window", "Escape", size_only=True)


def main():
    what = sys.argv[2] if len(sys.argv) == 3 else None
    if what not in ("click", "full"):
        sys.exit(__doc__)
    if what == "click":
        app = ClickingApp(sys.argv[1], 1, options=["--click-to-place"], wm=True)
    else:
        app = App(sys.argv[1], 1, screen=WHOLE[2:], wm=True)
    try:
        e2e_test.need_tools()
        app.start_x()
        app.start_program()
        click_game(app) if what == "click" else full_screen(app)
    except Failure as failure:
        print("FAIL -", failure, file=sys.stderr)
        return 1
    finally:
        app.stop()
    print("placing e2e passed: %s" % what)
    return 0


if __name__ == "__main__":
    sys.exit(main())
