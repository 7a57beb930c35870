#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 The alkynes authors
# SPDX-License-Identifier: GPL-3.0-or-later

"""End-to-end test: the real program on a real X server, driven with real X
input (xdotool) and judged only from what is on the screen.

Starts its own Xvfb on a free display (-displayfd), starts the built program,
finds its window by title, and plays: the starting position, drags onto both
halves of reaction 0, the coefficient boxes of a filled reaction, a check with
its red badge, a wrong piece sent back by the check, removal by double click,
a release outside the window, a drag that overshoots the window and comes
back, the help box, the about window and the exit.

On a screen smaller than the window (--screen), the window must come up
shrunk to fit with its top-left corner, menu bar and grade badge on the
screen, and a whole game is played there instead of the short one: every
compound found and placed and every coefficient typed, up to 100%.

Usage: e2e_test.py PROGRAM [--scale N] [--screen WxH] [--zoom Z]
  --scale N     the device pixel ratio (QT_SCALE_FACTOR)
  --screen WxH  the X screen's size in device pixels (1280x1024 times N)
  --zoom Z      passed to the program as --scale Z
"""

import argparse
import os
import shutil
import subprocess
import sys
import time

import xvfb
from xvfb import Failure

TITLE = "Παρασκευές αλκινίων"
ABOUT_TITLE = "Παρασκευές αλκινίων, 2014"
HELP_TITLE = "Βοήθεια"
TWIPS_PER_PIXEL = 15.0
CLIENT_W, CLIENT_H = 1016, 665

# Geometry of the window, in twips (client area, y downwards).
PIECE_W, PIECE_H = 2235, 435
CELLS = [(390, 130), (2955, 130), (5520, 130), (8085, 130), (10650, 130),
         (903, 695), (3981, 695), (7059, 695), (10137, 695)]
REACTION0 = (1560, 1380, 11850, 1110)
SLOT0 = (2340, 1682.5)
SLOT1 = (10880, 1682.5)
BOXES0 = [(1860, 1740), (7800, 1740), (10380, 1740)]
BOX_W, BOX_H = 435, 330
GRADE = (13620, 300, 1305, 585)

# The whole exercise: each reaction picture, its slots left to right, and
# its coefficient boxes; the compound of each slot and the coefficients.
REACTIONS = [(1560, 1380, 11850, 1110), (1560, 3360, 11850, 1110), (120, 5640, 14970, 1110),
             (120, 6840, 14970, 1110), (120, 8040, 14970, 1110)]
SLOTS_OF = [[0, 1], [2, 3], [4, 5, 6], [7, 8, 9], [10, 11, 12]]
BOXES = [[(1860, 1740), (7800, 1740), (10380, 1740)],
         [(1800, 3720), (4860, 3720), (7800, 3720), (10380, 3720)],
         [(360, 6000), (3480, 6000), (6360, 6000), (8940, 6000), (12060, 6000)],
         [(360, 7200), (3480, 7200), (6360, 7200), (8940, 7200), (12060, 7200)],
         [(360, 8400), (3420, 8400), (6360, 8400), (8940, 8400), (12060, 8400)]]
RIGHT_COMPOUND = [5, 7, 2, 6, 1, 8, 0, 4, 8, 0, 3, 8, 0]
RIGHT_COEFFICIENTS = [["2", "1", "3"], ["1", "2", "1", "1"], ["1", "2", "1", "2", "2"],
                      ["1", "2", "1", "2", "2"], ["1", "2", "1", "2", "2"]]
MIDDLE_SLOT_END = 11880
# The last two slots of reactions 2 to 4 take compounds 8 and 0 in either
# order.
PARTNER = {5: 6, 6: 5, 8: 9, 9: 8, 11: 12, 12: 11}
PAIR_COMPOUNDS = (8, 0)
# Where a placed piece lies: its left edge from the picture's left (first
# slot) or its right edge's gap to the picture's right (last slot), and the
# left edge of a middle slot's piece; its top below the picture's top.
SNAP = {2: (780, 295), 3: (770, 265)}
MIDDLE_PIECE_LEFT = MIDDLE_SLOT_END - PIECE_W - 190
PIECE_DROP = 1110 / 2 - PIECE_H / 2 - 35

GREEN = (0, 255, 0)
RED = (255, 0, 0)
WHITE = (255, 255, 255)
YELLOW = (255, 255, 0)


def need_tools():
    missing = [t for t in ("Xvfb", "xdotool", "import", "xwininfo") if shutil.which(t) is None]
    if missing:
        raise Failure("missing tools: %s (install xvfb, xdotool, imagemagick, x11-utils)"
                      % ", ".join(missing))


class Screen:
    """A screenshot of the root window as RGB triples."""

    def __init__(self, env):
        data = subprocess.run(["import", "-window", "root", "-depth", "8", "ppm:-"],
                              env=env, check=True, capture_output=True).stdout
        # P6 <w> <h> <max>\n<data>
        parts = []
        pos = 0
        while len(parts) < 4:
            while data[pos:pos + 1].isspace():
                pos += 1
            start = pos
            while not data[pos:pos + 1].isspace():
                pos += 1
            parts.append(data[start:pos])
        pos += 1
        if parts[0] != b"P6":
            raise Failure("unexpected screenshot format")
        self.w, self.h = int(parts[1]), int(parts[2])
        self.pixels = data[pos:]

    def at(self, x, y):
        i = (int(y) * self.w + int(x)) * 3
        return tuple(self.pixels[i:i + 3])


def close(c, target, tol=40):
    return all(abs(a - b) <= tol for a, b in zip(c, target))


def reaction_of(s):
    return next(r for r, slots in enumerate(SLOTS_OF) if s in slots)


def slot_drop(s):
    """A spot on the reaction picture that a drop sends to slot s, above the
    placed pieces and the coefficient boxes."""
    r = reaction_of(s)
    l, t, w, _ = REACTIONS[r]
    slots = SLOTS_OF[r]
    x = l + w / 4
    if s == slots[-1]:
        x = l + 3 * w / 4 if len(slots) == 2 else (MIDDLE_SLOT_END + l + w) / 2
    elif s != slots[0]:
        x = (l + w / 2 + MIDDLE_SLOT_END) / 2
    return x, t + 150


def slot_piece(s):
    """The rectangle of a piece placed in slot s."""
    r = reaction_of(s)
    l, t, w, _ = REACTIONS[r]
    slots = SLOTS_OF[r]
    left, right = SNAP[len(slots)]
    x = l + left
    if s == slots[-1]:
        x = l + w - PIECE_W - right
    elif s != slots[0]:
        x = MIDDLE_PIECE_LEFT
    return x, t + PIECE_DROP, PIECE_W, PIECE_H


class App:
    """The program on its own X server.  `options` are more of its command
    line options; with `wm`, openbox manages the screen."""

    def __init__(self, program, scale, screen=None, zoom=None, options=(), wm=False):
        self.program = program
        self.scale = scale
        self.screen_size = screen or (1280 * scale, 1024 * scale)
        self.zoom_option = zoom
        self.options = list(options)
        self.wm = wm
        self.xvfb = None
        self.openbox = None
        self.proc = None
        self.env = None
        self.home = None

    # --- processes ---------------------------------------------------------

    def start_x(self):
        w, h = self.screen_size
        self.xvfb, display = xvfb.start_xvfb(w, h)
        self.env = dict(os.environ)
        self.env["DISPLAY"] = display
        self.env.pop("WAYLAND_DISPLAY", None)
        self.env["QT_QPA_PLATFORM"] = "xcb"
        self.home = xvfb.private_home(self.env, "alkynes-e2e-")
        if self.scale != 1:
            self.env["QT_SCALE_FACTOR"] = str(self.scale)
        self.screen_w, self.screen_h = w, h
        if self.wm:
            self.openbox = xvfb.start_openbox(self.env)

    def start_program(self, locate=True):
        command = [self.program] + self.options
        if self.zoom_option is not None:
            command += ["--scale", str(self.zoom_option)]
        self.proc = subprocess.Popen(command, env=self.env,
                                     stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
        self.wid = self.find_window("^%s$" % TITLE, timeout=20)
        time.sleep(0.5)
        if locate:
            self.locate()

    def stop(self):
        xvfb.stop(self.proc, self.openbox, self.xvfb)
        xvfb.remove_home(self.home)

    # --- X helpers ---------------------------------------------------------

    def xdotool(self, *args):
        return xvfb.xdotool(self.env, *args)

    def find_window(self, name, timeout=10):
        return xvfb.find_window(self.env, name, timeout, self.proc)

    def geometry(self, wid):
        """Where the window lies on the screen, its frame not counted.  From
        xwininfo: under a window manager xdotool counts the frame's offset
        twice."""
        out = subprocess.run(["xwininfo", "-id", str(wid)], env=self.env, check=True,
                             capture_output=True, text=True).stdout
        values = {}
        for line in out.splitlines():
            key, _, value = line.strip().partition(":")
            values[key] = value.strip()
        return (int(values["Absolute upper-left X"]), int(values["Absolute upper-left Y"]),
                int(values["Width"]), int(values["Height"]))

    def locate(self):
        x, y, w, h = self.geometry(self.wid)
        s = self.scale
        # The window's zoom, in hundredths, from its width: the client area
        # is 1016 pixels wide at zoom 1, rounded to whole pixels.
        self.zoom = round(w / s / CLIENT_W, 2)
        if w != int(CLIENT_W * self.zoom + 0.5) * s:
            raise Failure("window is %d pixels wide: no zoom in hundredths gives that" % w)
        self.win = (x, y, w, h)
        # The client area is the part below the menu bar.
        self.ox, self.oy = x, y + h - int(CLIENT_H * self.zoom + 0.5) * s
        self.menu_top = y

    def px(self, tx, ty):
        f = self.zoom * self.scale / TWIPS_PER_PIXEL
        return self.ox + tx * f, self.oy + ty * f

    def twips(self, x, y):
        f = self.zoom * self.scale / TWIPS_PER_PIXEL
        return (x - self.ox) / f, (y - self.oy) / f

    def outside(self, distance):
        """A screen point `distance` pixels out of the window: beside it
        where there is room, else below it, else to its left."""
        x, y, w, h = self.win
        for spot in ((x + w + distance, y + h // 2), (x + w // 2, y + h + distance),
                     (x - distance, y + h // 2)):
            if self.on_screen(*spot):
                return spot
        raise Failure("no room on the screen outside the window")

    def press_return(self, wid):
        """Gives `wid` the keyboard focus and presses Return in it."""
        self.xdotool("windowfocus", "--sync", wid)
        self.xdotool("key", "Return")

    def settle(self):
        time.sleep(0.25)

    def shot(self):
        self.settle()
        return Screen(self.env)

    def checked_shot(self):
        """The screen once a check has shown its badge and the window has
        stopped changing: on a loaded machine the repaint may lag."""
        last = None
        deadline = time.time() + 10
        while time.time() < deadline:
            screen = self.shot()
            if (last is not None and screen.pixels == last.pixels
                    and self.fraction(screen, GRADE, RED) > 0.2):
                return screen
            last = screen
        raise Failure("the check showed no badge")

    def move(self, tx, ty):
        x, y = self.px(tx, ty)
        self.xdotool("mousemove", int(x), int(y))

    def drag(self, start, end, steps=12, settle=True):
        """Press at `start` (twips), move there in steps, release."""
        self.move(*start)
        self.xdotool("mousedown", 1)
        self.glide(start, end, steps)
        self.xdotool("mouseup", 1)
        if settle:
            self.settle()

    def glide(self, start, end, steps):
        sx, sy = start
        ex, ey = end
        for i in range(1, steps + 1):
            self.move(sx + (ex - sx) * i / steps, sy + (ey - sy) * i / steps)
            time.sleep(0.02)

    def double_click(self, tx, ty):
        self.move(tx, ty)
        self.xdotool("click", "--repeat", 2, "--delay", 80, 1)
        self.settle()

    # --- what the screen shows ---------------------------------------------

    def fraction(self, screen, rect, colour, tol=40):
        """Share of the pixels of a twips rectangle close to `colour`."""
        l, t, w, h = rect
        x0, y0 = self.px(l, t)
        x1, y1 = self.px(l + w, t + h)
        hits = total = 0
        for y in range(int(y0) + 1, int(y1) - 1):
            for x in range(int(x0) + 1, int(x1) - 1):
                total += 1
                hits += close(screen.at(x, y), colour, tol)
        return hits / max(total, 1)

    def dark_share(self, screen, rect):
        """Share of dark (text) pixels in the middle band of a rectangle."""
        l, t, w, h = rect
        return self.fraction(screen, (l + w * 0.2, t + h * 0.3, w * 0.6, h * 0.4),
                             (0, 0, 0), tol=90)

    def changed_pixels(self, before, after):
        """How many pixels of the client area, every third row and column,
        differ between two screenshots."""
        diff = 0
        right, bottom = self.px(CLIENT_W * TWIPS_PER_PIXEL, CLIENT_H * TWIPS_PER_PIXEL)
        for y in range(int(self.oy), int(bottom), 3):
            for x in range(int(self.ox), int(right), 3):
                diff += before.at(x, y) != after.at(x, y)
        return diff

    def has_piece(self, screen, pos):
        return self.dark_share(screen, (pos[0], pos[1], PIECE_W, PIECE_H)) > 0.03

    def holds(self, screen, s):
        """Slot s shows a tile: a formula on its blank."""
        return self.has_piece(screen, slot_piece(s)[:2])

    def on_screen(self, x, y):
        return 0 <= x < self.screen_size[0] and 0 <= y < self.screen_size[1]

    def badge_width(self, screen):
        """The red pixels of the grade badge's row just below its top border,
        above its white caption: its width, which grows with the digits."""
        l, t, w, _ = GRADE
        x0, y = self.px(l - 3000, t)
        x1, _ = self.px(l + w, t)
        y = int(y) + max(2, int(3 * self.zoom * self.scale))
        return sum(close(screen.at(x, y), RED) for x in range(int(x0), int(x1) + 1))

    def menu_items(self, screen):
        """The x centres of the menu bar's seven items, found from its text:
        the runs of columns with ink, split at the six widest gaps (the
        gaps between items are wider than those between words)."""
        x0, _, w, _ = self.win
        band_top = self.menu_top
        band_bottom = int(self.oy)
        runs = []
        for x in range(x0, x0 + w):
            if any(sum(screen.at(x, y)) < 500 for y in range(band_top, band_bottom)):
                if runs and runs[-1][1] == x - 1:
                    runs[-1][1] = x
                else:
                    runs.append([x, x])
        if len(runs) < 7:
            return [(a + b) / 2.0 for a, b in runs]
        gaps = sorted(range(1, len(runs)), key=lambda i: runs[i][0] - runs[i - 1][1])[-6:]
        bounds = [0] + sorted(gaps) + [len(runs)]
        return [(runs[a][0] + runs[b - 1][1]) / 2.0 for a, b in zip(bounds, bounds[1:])]

    def click_menu(self, index):
        items = self.menu_items(self.shot())
        if len(items) != 7:
            raise Failure("expected 7 menu items, found %d" % len(items))
        y = (self.menu_top + self.oy) / 2.0
        self.xdotool("mousemove", int(items[index]), int(y))
        self.xdotool("click", 1)
        self.settle()


def check(condition, message):
    if not condition:
        raise Failure(message)
    print("ok -", message)


def check_placement(app):
    """The whole window on the screen where it fits, and at least its
    top-left corner, menu bar and client area's top-left where it does not:
    there is no window manager to move it."""
    x, y, w, h = app.win
    sw, sh = app.screen_size
    check(app.on_screen(x, y), "the window's top-left corner (%d, %d) is on the screen" % (x, y))
    check(x + w <= sw and y + h <= sh,
          "the whole window (%dx%d at zoom %.2f) fits the %dx%d screen" % (w, h, app.zoom, sw, sh))
    check(abs(x + w / 2.0 - sw / 2.0) <= 1 and abs(y + h / 2.0 - sh / 2.0) <= 1,
          "the window is centred on the screen")
    items = app.menu_items(app.shot())
    check(len(items) == 7 and all(app.on_screen(i, app.menu_top) for i in items),
          "the seven menu items are on the screen")


def check_start(app):
    screen = app.shot()
    # The starting position: nine tiles, no boxes, no badge.
    for i, (l, t) in enumerate(CELLS):
        share = app.fraction(screen, (l, t, PIECE_W, PIECE_H), GREEN)
        check(share > 0.4, "palette cell %d shows a green tile (%.0f%%)" % (i, share * 100))
        check(app.has_piece(screen, (l, t)), "palette cell %d carries a formula" % i)
    for j, (l, t) in enumerate(BOXES0):
        white = app.fraction(screen, (l, t, BOX_W, BOX_H), WHITE, tol=10)
        check(white < 0.3, "coefficient box %d is hidden at start" % j)
    check(app.fraction(screen, GRADE, RED) < 0.01, "no grade badge at start")
    check(not app.has_piece(screen, SLOT0) and not app.has_piece(screen, SLOT1),
          "both slots of reaction 0 are empty")


def check_overshoot(app):
    """A drag that overshoots the window and comes back: press on a tile,
    jump 30 pixels outside the window (beside it where there is room, else
    below it) and over the menu bar, come back onto the rightmost slot of
    reaction 2, release: the slot holds the tile."""
    x, _, w, _ = app.win
    s = 6
    outside = app.outside(30 * app.scale)
    menu = (x + w // 2, (app.menu_top + app.oy) / 2)
    cell = CELLS[0]
    grab = (cell[0] + PIECE_W / 2, cell[1] + PIECE_H / 2)
    app.move(*grab)
    app.xdotool("mousedown", 1)
    app.glide(grab, slot_drop(s), 8)
    for spot in (outside, menu):
        app.xdotool("mousemove", int(spot[0]), int(spot[1]))
        time.sleep(0.05)
    app.move(*slot_drop(s))
    app.xdotool("mouseup", 1)
    screen = app.shot()
    check(app.holds(screen, s), "a drag out of the window and back onto slot %d places the tile" % s)
    app.click_menu(2)  # Απ' την αρχή
    check(not app.holds(app.shot(), s), "the restart empties slot %d again" % s)


def short_game(app, scale):
    # A release outside the window leaves no stranded piece.
    before = app.shot()
    cell = CELLS[0]
    grab = (cell[0] + PIECE_W / 2, cell[1] + PIECE_H / 2)
    outside = app.twips(*app.outside(80 * scale))
    app.drag(grab, outside)
    diff = app.changed_pixels(before, app.shot())
    check(diff == 0, "a release outside the window leaves the board as it was (%d)" % diff)

    # A drag onto each half of reaction 0 snaps into its slot.
    l, t, w, h = REACTION0
    app.drag(grab, (l + w * 0.25, t + h * 0.8))
    screen = app.shot()
    check(app.has_piece(screen, SLOT0), "a drop on the left half fills slot 0")
    check(not app.has_piece(screen, SLOT1), "slot 1 is still empty")
    white = app.fraction(screen, (BOXES0[0][0], BOXES0[0][1], BOX_W, BOX_H), WHITE, tol=10)
    check(white < 0.3, "boxes stay hidden while the reaction is not filled")

    app.drag(grab, (l + w * 0.75, t + h * 0.2))
    screen = app.shot()
    check(app.has_piece(screen, SLOT1), "a drop on the right half fills slot 1")
    for j, (bl, bt) in enumerate(BOXES0):
        white = app.fraction(screen, (bl, bt, BOX_W, BOX_H), WHITE, tol=10)
        check(white > 0.3, "filling reaction 0 shows coefficient box %d" % j)

    # Removal by double click.
    app.double_click(SLOT1[0] + PIECE_W / 2, SLOT1[1] + PIECE_H / 2)
    screen = app.shot()
    check(not app.has_piece(screen, SLOT1), "a double click takes the piece out of slot 1")
    white = app.fraction(screen, (BOXES0[0][0], BOXES0[0][1], BOX_W, BOX_H), WHITE, tol=10)
    check(white < 0.3, "the removal hides the reaction's boxes")

    # Both slots with one compound: at least one of them is wrong.
    app.drag(grab, (l + w * 0.75, t + h * 0.5))
    bx, by = BOXES0[0]
    app.move(bx + BOX_W / 2, by + BOX_H / 2)
    app.xdotool("click", 1)
    app.xdotool("type", "--delay", 50, "2")
    app.click_menu(1)  # Έλεγχος
    screen = app.shot()
    check(app.fraction(screen, GRADE, RED) > 0.2, "the check shows the red grade badge")
    kept = app.has_piece(screen, SLOT0) + app.has_piece(screen, SLOT1)
    check(kept <= 1, "the check sends the wrong piece back to the palette")



def whole_game(app):
    """Plays the exercise to the end with the mouse and the keyboard, judged
    from the screen only.  The palette is shuffled, so which tile is which
    compound is found out as a student might: each round puts into every
    empty slot a tile that may belong there and asks for a check, which
    sends the wrong ones back.  A fixed slot keeps only its own compound;
    the two slots of a pair keep compounds 8 and 0 in either order."""
    def need(s):
        return set(PAIR_COMPOUNDS) if s in PARTNER else {RIGHT_COMPOUND[s]}

    candidates = {c: set(range(len(CELLS))) for c in range(len(CELLS))}
    board = {}  # slot -> the cell whose tile it holds
    widths = []
    for _ in range(12):
        tries = []
        for s in range(len(RIGHT_COMPOUND)):
            if s in board:
                continue
            used = [board[t] for t in tries]
            options = [c for c in candidates
                       if candidates[c] & need(s) and c != board.get(PARTNER.get(s))]
            sure = [c for c in options if candidates[c] <= need(s)]
            c = (sure or [c for c in options if c not in used] or options)[0]
            board[s] = c
            tries.append(s)
            cell = CELLS[c]
            app.drag((cell[0] + PIECE_W / 2, cell[1] + PIECE_H / 2), slot_drop(s), steps=4,
                     settle=False)
        app.click_menu(1)  # Έλεγχος
        screen = app.checked_shot()
        widths.append(app.badge_width(screen))
        for s in tries:
            if app.holds(screen, s):
                candidates[board[s]] &= need(s)
            else:
                candidates[board[s]] -= need(s)
                del board[s]
        for s in board:
            if not app.holds(screen, s):
                raise Failure("slot %d lost its right tile" % s)
        # A cell known to hold one compound holds it alone; so do the two
        # cells known to hold the pairs' compounds.
        changed = True
        while changed:
            changed = False
            groups = [{c} for c, left in candidates.items() if len(left) == 1]
            pair = [c for c, left in candidates.items() if left and left <= set(PAIR_COMPOUNDS)]
            if len(pair) == 2:
                groups.append(set(pair))
            for group in groups:
                taken = set().union(*(candidates[c] for c in group))
                for other in candidates:
                    if other not in group and candidates[other] & taken:
                        candidates[other] -= taken
                        changed = True
        if len(board) == len(RIGHT_COMPOUND):
            break
    check(len(board) == len(RIGHT_COMPOUND),
          "every slot holds a right compound after %d checks" % len(widths))

    # Every reaction is filled: its boxes are shown, empty.
    for r, boxes in enumerate(BOXES):
        for n, (bl, bt) in enumerate(boxes):
            app.move(bl + BOX_W / 2, bt + BOX_H / 2)
            app.xdotool("click", 1)
            app.xdotool("type", "--delay", 20, RIGHT_COEFFICIENTS[r][n])
    app.click_menu(1)  # Έλεγχος
    screen = app.checked_shot()
    for s in range(len(RIGHT_COMPOUND)):
        check(app.holds(screen, s), "slot %d keeps its compound" % s)
    for r, boxes in enumerate(BOXES):
        kept = all(app.fraction(screen, (bl, bt, BOX_W, BOX_H), RED) > 0.02 for bl, bt in boxes)
        check(kept, "the check keeps the coefficients of reaction %d" % r)
    badge = app.badge_width(screen)
    l, t, w, h = GRADE
    check(app.on_screen(*app.px(l, t)) and app.on_screen(*app.px(l + w, t + h)),
          "the grade badge is on the screen")
    check(badge > max(widths) and app.fraction(screen, GRADE, RED) > 0.2,
          "the badge is wider than every grade before it: it reads 100%% (%d > %d pixels)"
          % (badge, max(widths)))


def run(program, scale, screen=None, zoom=None):
    app = App(program, scale, screen, zoom)
    try:
        app.start_x()
        app.start_program()
        small = app.screen_size != (1280 * scale, 1024 * scale)
        check_placement(app)
        check_start(app)
        check_overshoot(app)
        if small:
            whole_game(app)
        else:
            short_game(app, scale)

        # Help: a message box titled Βοήθεια.
        app.click_menu(0)
        box = app.find_window("^%s$" % HELP_TITLE, timeout=5)
        check(box is not None, "Βοήθεια opens a message box with that title")
        app.press_return(box)
        app.settle()
        check(app.find_window("^%s$" % HELP_TITLE, timeout=1) is None, "OK closes the help box")

        # About: the about window, centred on the screen.
        app.click_menu(5)
        about = app.find_window("^%s$" % ABOUT_TITLE, timeout=5)
        check(about is not None, "Περί... opens the about window")
        time.sleep(0.5)
        ax, ay, aw, ah = app.geometry(about)
        cx, cy = ax + aw / 2.0, ay + ah / 2.0
        check(abs(cx - app.screen_w / 2.0) <= 2 * scale and abs(cy - app.screen_h / 2.0) <= 2 * scale,
              "the about window is centred on the screen (%d, %d)" % (cx, cy))
        app.press_return(about)
        app.settle()
        check(app.find_window("^%s$" % ABOUT_TITLE, timeout=1) is None,
              "OK closes the about window")

        # Exit: the process ends with status 0.
        app.click_menu(6)
        try:
            status = app.proc.wait(10)
        except subprocess.TimeoutExpired:
            raise Failure("Έξοδος did not end the program")
        check(status == 0, "Έξοδος ends the program with exit status 0")
        if zoom is not None and app.zoom < float(zoom):
            said = app.proc.stderr.read().decode()
            check("--scale %g" % app.zoom in said,
                  "the program says on stderr that --scale %s became %g" % (zoom, app.zoom))
    finally:
        app.stop()


def screen_size(text):
    w, _, h = text.partition("x")
    return int(w), int(h)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("program")
    parser.add_argument("--scale", type=int, default=1)
    parser.add_argument("--screen", type=screen_size)
    parser.add_argument("--zoom")
    args = parser.parse_args()
    try:
        need_tools()
        run(args.program, args.scale, args.screen, args.zoom)
    except Failure as failure:
        print("FAIL -", failure, file=sys.stderr)
        return 1
    print("e2e passed at scale %d%s" % (args.scale,
                                        " on %dx%d" % args.screen if args.screen else ""))
    return 0


if __name__ == "__main__":
    sys.exit(main())
