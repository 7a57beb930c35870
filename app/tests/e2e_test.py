#!/usr/bin/python3
"""End-to-end test: the real program on a real X server, driven with real X
input (xdotool) and judged only from what is on the screen.

Starts its own Xvfb on a free display (-displayfd), starts the built program,
finds its window by title, and plays: the starting position, drags onto both
halves of reaction 0, the coefficient boxes of a filled reaction, a check with
its red badge, a wrong piece sent back by the check, removal by double click,
a release outside the window, the help box, the about window and the exit.

Usage: e2e_test.py PROGRAM [--scale N]
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

GREEN = (0, 255, 0)
RED = (255, 0, 0)
WHITE = (255, 255, 255)
YELLOW = (255, 255, 0)


def need_tools():
    missing = [t for t in ("Xvfb", "xdotool", "import") if shutil.which(t) is None]
    if missing:
        raise Failure("missing tools: %s (install xvfb, xdotool, imagemagick)"
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


class App:
    def __init__(self, program, scale):
        self.program = program
        self.scale = scale
        self.xvfb = None
        self.proc = None
        self.env = None

    # --- processes ---------------------------------------------------------

    def start_x(self):
        w, h = 1280 * self.scale, 1024 * self.scale
        self.xvfb, display = xvfb.start_xvfb(w, h)
        self.env = dict(os.environ)
        self.env["DISPLAY"] = display
        self.env.pop("WAYLAND_DISPLAY", None)
        self.env["QT_QPA_PLATFORM"] = "xcb"
        if self.scale != 1:
            self.env["QT_SCALE_FACTOR"] = str(self.scale)
        self.screen_w, self.screen_h = w, h

    def start_program(self):
        self.proc = subprocess.Popen([self.program], env=self.env,
                                     stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
        self.wid = self.find_window("^%s$" % TITLE, timeout=20)
        time.sleep(0.5)
        self.locate()

    def stop(self):
        xvfb.stop(self.proc, self.xvfb)

    # --- X helpers ---------------------------------------------------------

    def xdotool(self, *args):
        return xvfb.xdotool(self.env, *args)

    def find_window(self, name, timeout=10):
        return xvfb.find_window(self.env, name, timeout, self.proc)

    def geometry(self, wid):
        values = {}
        for line in self.xdotool("getwindowgeometry", "--shell", wid).splitlines():
            key, _, value = line.partition("=")
            values[key] = int(value)
        return values["X"], values["Y"], values["WIDTH"], values["HEIGHT"]

    def locate(self):
        x, y, w, h = self.geometry(self.wid)
        s = self.scale
        if w != CLIENT_W * s:
            raise Failure("window is %d pixels wide, expected %d" % (w, CLIENT_W * s))
        self.win = (x, y, w, h)
        # The client area is the part below the menu bar.
        self.ox, self.oy = x, y + h - CLIENT_H * s
        self.menu_top = y

    def px(self, tx, ty):
        return (self.ox + tx / TWIPS_PER_PIXEL * self.scale,
                self.oy + ty / TWIPS_PER_PIXEL * self.scale)

    def press_return(self, wid):
        """Gives `wid` the keyboard focus and presses Return in it."""
        self.xdotool("windowfocus", "--sync", wid)
        self.xdotool("key", "Return")

    def settle(self):
        time.sleep(0.25)

    def shot(self):
        self.settle()
        return Screen(self.env)

    def move(self, tx, ty):
        x, y = self.px(tx, ty)
        self.xdotool("mousemove", int(x), int(y))

    def drag(self, start, end, steps=12):
        """Press at `start` (twips), move there in steps, release."""
        self.move(*start)
        self.xdotool("mousedown", 1)
        sx, sy = start
        ex, ey = end
        for i in range(1, steps + 1):
            self.move(sx + (ex - sx) * i / steps, sy + (ey - sy) * i / steps)
            time.sleep(0.02)
        self.xdotool("mouseup", 1)
        self.settle()

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

    def has_piece(self, screen, pos):
        return self.dark_share(screen, (pos[0], pos[1], PIECE_W, PIECE_H)) > 0.03

    def menu_items(self, screen):
        """The x centres of the menu bar's items, found from its text."""
        x0, _, w, _ = self.win
        band_top = self.menu_top
        band_bottom = int(self.oy)
        columns = []
        for x in range(x0, x0 + w):
            dark = any(sum(screen.at(x, y)) < 300 for y in range(band_top, band_bottom))
            columns.append(dark)
        items = []
        start = None
        gap = 0
        for i, dark in enumerate(columns + [False] * 20):
            if dark:
                if start is None:
                    start = i
                gap = 0
                end = i
            elif start is not None:
                gap += 1
                if gap > 7 * self.scale:
                    items.append((x0 + (start + end) / 2.0))
                    start = None
        return items

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


def run(program, scale):
    app = App(program, scale)
    try:
        app.start_x()
        app.start_program()
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

        # A release outside the window leaves no stranded piece.
        before = app.shot()
        cell = CELLS[0]
        grab = (cell[0] + PIECE_W / 2, cell[1] + PIECE_H / 2)
        outside = (-1200, 4000)  # left of the window
        app.drag(grab, outside)
        after = app.shot()
        diff = 0
        for y in range(0, CLIENT_H * scale, 3):
            for x in range(0, CLIENT_W * scale, 3):
                if before.at(app.ox + x, app.oy + y) != after.at(app.ox + x, app.oy + y):
                    diff += 1
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
    finally:
        app.stop()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("program")
    parser.add_argument("--scale", type=int, default=1)
    args = parser.parse_args()
    try:
        need_tools()
        run(args.program, args.scale)
    except Failure as failure:
        print("FAIL -", failure, file=sys.stderr)
        return 1
    print("e2e passed at scale %d" % args.scale)
    return 0


if __name__ == "__main__":
    sys.exit(main())
