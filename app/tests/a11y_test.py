#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The alkynes authors
# SPDX-License-Identifier: GPL-3.0-or-later
"""End-to-end accessibility test: the real program under a private Xvfb with
a private accessibility bus, judged only from what a screen reader reads
through AT-SPI and driven only with X key events (xdotool).

Usage:
  a11y_test.py PROGRAM    the window, its menu, the about window's links, the
                          board's tree (nothing revealing the answer), a whole
                          game from the keyboard up to 100%, and what a screen
                          reader hears meanwhile (the focus, a slot's new
                          content, the grade)
  a11y_test.py PROGRAM --dump [--keys "Tab Tab space"]
                          prints the accessibility tree (role, name,
                          description, states), after sending the keys one by
                          one and printing the focused object after each

Runs under Debian's /usr/bin/python3, which has pyatspi (python3-pyatspi);
started by another interpreter without it, the script starts itself again
under /usr/bin/python3.
"""

import argparse
import importlib.util
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

import xvfb
from xvfb import Failure

SYSTEM_PYTHON = "/usr/bin/python3"
LAUNCHER = "/usr/libexec/at-spi-bus-launcher"

TITLE = "Παρασκευές αλκινίων"
ABOUT_TITLE = "Παρασκευές αλκινίων, 2014"
MENU = ["Βοήθεια", "Έλεγχος", "Απ' την αρχή", "Φύλλο εργασίας", "|", "Περί...", "Έξοδος"]

# Compound k's tile, named by its formula with every element symbol and atom
# count apart so that speech reads it symbol by symbol.
TILES = ["H 2 O", "Cl C H 2 C H 2 Cl", "Ca C 2", "C H 3 C H 2 C Cl 2 C H 3",
         "C H 3 C H 2 C H Cl 2", "C H 4", "Ca (O H) 2", "H 2", "Na Cl"]
# What a sighted student never reads on a tile, so no name may say it.
SUBSTANCES = ["νερό", "διχλωροαιθάνιο", "ανθρακασβέστιο", "καρβίδιο", "διχλωροβουτάνιο",
              "διχλωροπροπάνιο", "μεθάνιο", "υδροξείδιο", "υδρογόνο", "χλωριούχο",
              "water", "dichloro", "carbide", "methane", "hydroxide", "hydrogen", "chloride"]

# Slots per reaction, left to right, and the answer key: the compound of
# each slot and each reaction's coefficients box by box (the same key as
# the unit tests' fixture).
SLOTS = [2, 2, 3, 3, 3]
RIGHT_COMPOUND = [5, 7, 2, 6, 1, 8, 0, 4, 8, 0, 3, 8, 0]
RIGHT_COEFFICIENTS = [["2", "1", "3"], ["1", "2", "1", "1"], ["1", "2", "1", "2", "2"],
                      ["1", "2", "1", "2", "2"], ["1", "2", "1", "2", "2"]]
EMPTY = "κενή"
SLOT_NAME = re.compile(r"^Αντίδραση \d+, θέση \d+: ")


def slot_prefix(r, n):
    """The start of the name of place n (from 0) of reaction r (from 0)."""
    return "Αντίδραση %d, θέση %d: " % (r + 1, n + 1)


def box_name(r, n):
    return "Συντελεστής της θέσης %d της αντίδρασης %d" % (n + 1, r + 1)


def slot_places():
    """(reaction, place) of every slot, in slot order."""
    return [(r, n) for r, count in enumerate(SLOTS) for n in range(count)]


def check(condition, message):
    if not condition:
        raise Failure(message)
    print("ok -", message, flush=True)


def need_pyatspi():
    """Makes sure this interpreter has pyatspi, without importing it yet
    (it must see the bus addresses first)."""
    if importlib.util.find_spec("pyatspi") is not None:
        return
    if os.path.realpath(sys.executable) != os.path.realpath(SYSTEM_PYTHON) and \
            os.path.exists(SYSTEM_PYTHON):
        # pyenv or a virtual environment first in PATH hides Debian's modules.
        os.execv(SYSTEM_PYTHON, [SYSTEM_PYTHON] + sys.argv)
    raise Failure("pyatspi is missing (install python3-pyatspi and gir1.2-atspi-2.0)")


def need_tools():
    missing = [t for t in ("Xvfb", "xdotool", "dbus-daemon", "dbus-send")
               if shutil.which(t) is None]
    if not os.access(LAUNCHER, os.X_OK):
        missing.append(LAUNCHER)
    if missing:
        raise Failure("missing tools: %s (install xvfb, xdotool, dbus, at-spi2-core)"
                      % ", ".join(missing))


# --- the accessibility tree ------------------------------------------------


def roles():
    """AT-SPI's roles (`roles().PUSH_BUTTON`).  A role is compared by what
    it is, never by the name AT-SPI gives it, which changes between its
    releases: a push button reads "push button" in at-spi 2.46 (Debian 12)
    and "button" in 2.56 (Debian 13)."""
    from gi.repository import Atspi
    return Atspi.Role


class Node:
    """What a screen reader reads of one accessible object."""

    def __init__(self, acc, depth):
        import pyatspi
        self.acc = acc
        self.depth = depth
        self.role = acc.getRole()
        self.role_name = acc.getRoleName()
        self.name = acc.name or ""
        self.description = acc.description or ""
        self.states = {pyatspi.stateToString(s) for s in acc.getState().getStates()}

    @property
    def focused(self):
        return "focused" in self.states

    def __str__(self):
        text = "%s %r" % (self.role_name, self.name)
        if self.description:
            text += " (%s)" % self.description
        return text + " [%s]" % " ".join(sorted(self.states))


def walk(acc, depth=0):
    """Every object under `acc` (itself included), parents first.  Objects
    that vanish while being read (a closed window, a hidden box) are left
    out."""
    try:
        node = Node(acc, depth)
        children = [acc.getChildAtIndex(i) for i in range(acc.childCount)]
    except Exception:  # noqa: BLE001  gone from the bus meanwhile
        return
    yield node
    if depth < 40:
        for child in children:
            if child is not None:
                yield from walk(child, depth + 1)


def dump(acc, out=sys.stdout):
    for node in walk(acc):
        print("  " * node.depth + str(node), file=out)


def identity(node):
    return None if node is None else (node.role, node.name)


def focused_node(nodes):
    """The innermost focused object: a focused control inside a focused
    window, not the window."""
    return max((n for n in nodes if n.focused), key=lambda n: n.depth, default=None)


class Ears:
    """What a screen reader hears of the program: the focus moving and names
    changing, as (event, role, name) in the order they came.  The events
    reach this script through the GLib main context, which `hear` runs."""

    EVENTS = ("focus:", "object:property-change:accessible-name")

    def __init__(self):
        import pyatspi
        self.pyatspi = pyatspi
        self.heard = []
        for event in self.EVENTS:
            pyatspi.Registry.registerEventListener(self.on_event, event)
        self.hear(0.5)  # the program learns that someone listens

    def on_event(self, event):
        try:
            self.heard.append((event.type, event.source.getRole(), event.source.name or ""))
        except Exception:  # noqa: BLE001  gone from the bus meanwhile
            pass

    def hear(self, seconds):
        from gi.repository import GLib
        context = GLib.MainContext.default()
        deadline = time.time() + seconds
        while time.time() < deadline:
            while context.pending():
                context.iteration(False)
            time.sleep(0.02)

    def heard_that(self, wanted, what, session, timeout=5):
        """Waits until an event satisfying `wanted` has been heard."""
        def probe():
            self.hear(0.1)
            return next((h for h in self.heard if wanted(*h)), None)
        return session.wait_for(probe, "a screen reader to hear %s" % what, timeout)

    def stop(self):
        for event in self.EVENTS:
            self.pyatspi.Registry.deregisterEventListener(self.on_event, event)


# --- the session: X, the buses, the program --------------------------------


class Session:
    """Xvfb, a private D-Bus session bus with the AT-SPI bus behind it, and
    the program, all in a private runtime folder that goes with them."""

    def __init__(self, program):
        self.program = program
        self.procs = []
        self.runtime = None
        self.app = None
        self.proc = None

    def start(self):
        self.start_desktop()
        self.start_program()

    def start_desktop(self):
        """Xvfb, the private session bus and the accessibility bus; this
        script's pyatspi reads that bus afterwards."""
        need_tools()
        self.runtime = tempfile.mkdtemp(prefix="alkynes-a11y-")
        os.chmod(self.runtime, 0o700)
        xproc, display = xvfb.start_xvfb(1280, 1024)
        self.procs.append(xproc)

        env = dict(os.environ)
        for name in ("WAYLAND_DISPLAY", "DBUS_SESSION_BUS_ADDRESS", "AT_SPI_BUS_ADDRESS",
                     "SESSION_MANAGER", "DESKTOP_SESSION", "XDG_CURRENT_DESKTOP"):
            env.pop(name, None)
        env["DISPLAY"] = display
        # There is no user session here (root in a container): no
        # /run/user/0, no session bus, no accessibility bus.  A private
        # XDG_RUNTIME_DIR holds the accessibility bus's socket
        # ($XDG_RUNTIME_DIR/at-spi/bus_*) and Qt's runtime files, and is
        # removed with the run.
        env["XDG_RUNTIME_DIR"] = self.runtime
        # The records of its checks go to a folder of the run's own.
        env["XDG_DATA_HOME"] = os.path.join(self.runtime, "data")
        env["XDG_CONFIG_DIRS"] = os.path.join(self.runtime, "etc")
        # A fake browser: links and the worksheet go through xdg-open, which
        # here only writes down the address it was given.
        bindir = os.path.join(self.runtime, "bin")
        os.mkdir(bindir)
        self.opened = os.path.join(self.runtime, "opened.txt")
        opener = os.path.join(bindir, "xdg-open")
        with open(opener, "w", encoding="utf-8") as f:
            f.write('#!/bin/sh\nprintf "%%s\\n" "$1" >> "%s"\n' % self.opened)
        os.chmod(opener, 0o755)
        env["PATH"] = bindir + os.pathsep + env.get("PATH", "")
        self.env = env

        # A session bus of our own: at-spi-bus-launcher registers
        # org.a11y.Bus on it and answers GetAddress with the address of the
        # accessibility bus it starts; that bus starts at-spi2-registryd
        # when the first client asks for the registry.
        read_fd, write_fd = os.pipe()
        self.procs.append(subprocess.Popen(
            ["dbus-daemon", "--session", "--nofork", "--nopidfile",
             "--print-address=%d" % write_fd],
            pass_fds=(write_fd,), env=env, stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL))
        os.close(write_fd)
        env["DBUS_SESSION_BUS_ADDRESS"] = xvfb.read_line(read_fd, "dbus-daemon")
        self.procs.append(subprocess.Popen([LAUNCHER, "--launch-immediately"], env=env,
                                           stdout=subprocess.DEVNULL,
                                           stderr=subprocess.DEVNULL))
        # This script's libatspi reads the bus from AT_SPI_BUS_ADDRESS.  The
        # program must not get it: Qt 6.4's bridge, given the address that
        # way, connects but never registers the application; it has to ask
        # org.a11y.Bus on the session bus itself.
        address = self.a11y_address()
        os.environ.update({k: env[k] for k in ("DISPLAY", "XDG_RUNTIME_DIR",
                                               "DBUS_SESSION_BUS_ADDRESS")})
        os.environ["AT_SPI_BUS_ADDRESS"] = address
        import pyatspi
        # Generous: the sanitizer build answers slowly.
        pyatspi.setTimeout(10000, 20000)

    def start_program(self, force_bridge=True):
        """Starts the program and waits for its window and its place on the
        accessibility bus; the keyboard's input goes to its window."""
        import pyatspi
        app_env = dict(self.env)
        app_env["QT_QPA_PLATFORM"] = "xcb"
        if force_bridge:
            # Qt switches its AT-SPI bridge on only when org.a11y.Status
            # says a screen reader runs; these force it on.
            app_env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
            app_env["QT_ACCESSIBILITY"] = "1"
        # Its messages go to a file: a pipe nobody reads fills up (Qt 6.8
        # warns about every question a screen reader asks of an object gone
        # with a closed dialog), and the program would stop at its next
        # message, with a screen reader waiting on it.
        self.log = os.path.join(self.runtime, "program.log")
        with open(self.log, "wb") as log:
            self.proc = subprocess.Popen([self.program], env=app_env, stdout=subprocess.DEVNULL,
                                         stderr=log)
        try:
            self.wid = xvfb.find_window(self.env, "^%s$" % TITLE, timeout=30, proc=self.proc)
        except Failure as failure:
            raise Failure("%s%s" % (failure, self.program_said())) from None
        if self.wid is None:
            raise Failure("the window %r did not appear" % TITLE)
        self.app = self.find_app(pyatspi)
        self.key_focus(self.wid)

    def program_said(self):
        with open(self.log, encoding="utf-8", errors="replace") as log:
            return log.read()[-4000:]

    def a11y_address(self, timeout=20):
        deadline = time.time() + timeout
        while time.time() < deadline:
            owned = subprocess.run(
                ["dbus-send", "--session", "--print-reply=literal",
                 "--dest=org.freedesktop.DBus", "/org/freedesktop/DBus",
                 "org.freedesktop.DBus.NameHasOwner", "string:org.a11y.Bus"],
                env=self.env, capture_output=True, text=True).stdout
            if "true" in owned:
                reply = subprocess.run(
                    ["dbus-send", "--session", "--print-reply=literal", "--dest=org.a11y.Bus",
                     "/org/a11y/bus", "org.a11y.Bus.GetAddress"],
                    env=self.env, capture_output=True, text=True).stdout.strip()
                if reply:
                    return reply
            time.sleep(0.1)
        raise Failure("at-spi-bus-launcher did not offer an accessibility bus")

    def find_app(self, pyatspi, timeout=30):
        deadline = time.time() + timeout
        while time.time() < deadline:
            desktop = pyatspi.Registry.getDesktop(0)
            for i in range(desktop.childCount):
                app = desktop.getChildAtIndex(i)
                try:
                    if app is not None and app.get_process_id() == self.proc.pid:
                        return app
                except Exception:  # noqa: BLE001  an application leaving the bus
                    pass
            if self.proc.poll() is not None:
                raise Failure("the program ended early: %s" % self.program_said())
            time.sleep(0.2)
        raise Failure("the program did not appear on the accessibility bus")

    def stop(self):
        xvfb.stop(self.proc, *reversed(self.procs))
        if self.runtime is not None:
            shutil.rmtree(self.runtime, ignore_errors=True)

    # --- reading ------------------------------------------------------------

    def nodes(self):
        return list(walk(self.app))

    def focused(self):
        return focused_node(walk(self.app))

    def focused_menu_item(self):
        focus = self.focused()
        return focus if focus is not None and focus.role == roles().MENU_ITEM else None

    def window(self, title, timeout=10):
        """The top-level window of the program titled `title`."""
        return self.wait_for(lambda: next((n for n in walk(self.app) if n.depth == 1 and
                                           n.name == title), None),
                             "a window titled %r" % title, timeout)

    def wait_for(self, probe, what, timeout=5):
        """Polls `probe` until it returns something true and returns that."""
        deadline = time.time() + timeout
        while True:
            value = probe()
            if value:
                return value
            if time.time() > deadline:
                raise Failure("timed out waiting for %s" % what)
            if self.proc.poll() is not None:
                raise Failure("the program ended while waiting for %s" % what)
            time.sleep(0.1)

    def opened_urls(self):
        try:
            with open(self.opened, encoding="utf-8") as f:
                return f.read().split()
        except FileNotFoundError:
            return []

    # --- the keyboard -------------------------------------------------------

    def key_focus(self, wid):
        xvfb.xdotool(self.env, "windowfocus", "--sync", wid)
        time.sleep(0.2)

    def key(self, *keys):
        """Presses and releases each key in turn, as the student would."""
        for k in keys:
            xvfb.xdotool(self.env, "key", "--delay", "40", k)
            time.sleep(0.05)

    def type(self, text):
        xvfb.xdotool(self.env, "type", "--delay", "60", text)

    def focus_on(self, wanted, what, key="Tab", limit=60):
        """Presses `key` until the focused object satisfies `wanted`, reading
        the focus from the tree after each press; returns that object."""
        seen = []
        focus = self.focused()
        for _ in range(limit):
            if focus is not None and wanted(focus):
                return focus
            seen.append(focus.name if focus is not None else None)
            before = focus
            self.key(key)
            # Wait for the focus to move (it may stay, at the end of a chain).
            deadline = time.time() + 1.5
            while True:
                focus = self.focused()
                if identity(focus) != identity(before) or time.time() > deadline:
                    break
                time.sleep(0.05)
        raise Failure("%d presses of %s never focused %s; the focus went through %s"
                      % (limit, key, what, seen))

    def menu_command(self, item):
        """Runs a menu item from the keyboard: Alt highlights the first
        item, Right moves along the bar, Return runs the highlighted one."""
        self.key("alt")
        self.wait_for(self.focused_menu_item, "Alt to highlight a menu item")
        self.focus_on(lambda f: f.role == roles().MENU_ITEM and f.name == MENU[item],
                      "the menu item %r" % MENU[item], key="Right", limit=len(MENU) + 1)
        self.key("Return")


# --- the checks ------------------------------------------------------------


def check_window_and_menu(session):
    nodes = session.nodes()
    check(len(nodes) > 1, "the program's accessibility tree can be read (%d objects)" % len(nodes))
    frames = [n.name for n in nodes if n.depth == 1 and n.role == roles().FRAME]
    check(frames == [TITLE], "the main window is a frame titled %r" % TITLE)
    bars = [n for n in nodes if n.role == roles().MENU_BAR]
    items = [[n.name for n in walk(bar.acc) if n.role == roles().MENU_ITEM] for bar in bars]
    check(items == [MENU], "the window has one menu bar, its items %s (read %s)" % (MENU, items))
    # Alt highlights the first item, Right the next one, Escape leaves.
    for key, name in (("alt", MENU[0]), ("Right", MENU[1])):
        session.key(key)
        focus = session.wait_for(lambda name=name: (f := session.focused_menu_item()) and
                                 f.name == name and f, "%s to highlight %r" % (key, name))
        print("ok - %s highlights the menu item %r" % (key, focus.name), flush=True)
    session.key("Escape")
    session.wait_for(lambda: session.focused_menu_item() is None, "Escape to leave the menu")


# The about window's links in their tab order after the notice: what each
# is called and how the student opens it (both keys are tried).
ABOUT_LINKS = [("the credit line", lambda n: n.name.startswith("Δρ. ") and
                n.name.endswith(", Χημικός"), "space"),
               ("the emblem", lambda n: n.name == "Έμβλημα του σχολείου", "Return"),
               ("the maker's logo", lambda n: n.name == "Λογότυπο του κατασκευαστή", "KP_Enter")]


def check_about_links(session):
    session.menu_command(MENU.index("Περί..."))
    session.window(ABOUT_TITLE)
    focus = session.wait_for(lambda: session.focused(), "a focus in the about window")
    check(focus.role == roles().PUSH_BUTTON and focus.name == "OK",
          "the about window opens with the focus on OK (focus: %s)" % focus)
    opened = []
    for what, named, key in ABOUT_LINKS:
        link = session.focus_on(lambda f, named=named: f.role == roles().LINK and named(f),
                                "the link of %s" % what, limit=8)
        check(link.description != "", "%s is a link named %r with a description (%r)"
              % (what, link.name, link.description))
        session.key(key)
        opened = session.wait_for(lambda n=len(opened): (urls := session.opened_urls())[n:] and
                                  urls, "%s to open a page" % what)
        check(opened[-1].startswith("http://"), "%s on %s opens %s" % (key, what, opened[-1]))
    check(len(set(opened)) == 3, "the three links open three different pages")
    session.key("Escape")
    session.wait_for(lambda: not any(n.depth == 1 and n.name == ABOUT_TITLE
                                     for n in session.nodes()), "the about window to close")
    print("ok - Escape closes the about window")
    # With no window manager here, nothing gives the main window the input
    # back once the about window has gone; a desktop would.
    session.key_focus(session.wid)


def check_board_tree(session):
    nodes = session.nodes()
    tiles = [n for n in nodes if n.role == roles().PUSH_BUTTON and n.name in TILES]
    check(sorted(t.name for t in tiles) == sorted(TILES),
          "the palette shows nine buttons named by their formulas (read %s)"
          % [t.name for t in tiles])
    check({t.description for t in tiles} == {""},
          "no tile repeats a description of the keys, which are taught once (%r)"
          % {t.description for t in tiles})
    slots = [n for n in nodes if SLOT_NAME.match(n.name)]
    check(sorted(n.name for n in slots) == sorted(slot_prefix(r, n) + EMPTY
                                                  for r, n in slot_places()),
          "13 objects are named as the empty slots (%s)" % [n.name for n in slots])
    equations = {n.name for n in nodes if n.role == roles().IMAGE}
    check(all(n.description in equations for n in slots),
          "every slot's description is its equation as the board shows it, nothing more")
    said = " ".join(n.name + " " + n.description for n in nodes).lower()
    check(not [w for w in SUBSTANCES if w in said],
          "no name or description names a substance (%s)"
          % [w for w in SUBSTANCES if w in said])
    check(not [n for n in nodes if n.name.endswith("%")], "no grade is read before a check")


def put(session, tile, prefix, drop="space"):
    """Carries the tile named `tile` to the slot whose name starts with
    `prefix` and presses `drop` there.  The tiles come before the slots in
    reading order, so Shift+Tab finds a tile sooner."""
    session.focus_on(lambda f: f.role == roles().PUSH_BUTTON and f.name == tile,
                     "the tile %r" % tile, key="shift+Tab")
    session.key("space")
    session.focus_on(lambda f: f.name.startswith(prefix), "the slot %r" % prefix)
    session.key(drop)


def holding(session, name):
    return session.wait_for(lambda: any(n.name == name for n in session.nodes()),
                            "an object named %r" % name)


def play_by_keyboard(session):
    ears = Ears()

    def heard(kind, name, what):
        ears.heard_that(lambda event, role, said: kind in event and said == name, what, session)
        print("ok - a screen reader hears %s" % what, flush=True)

    # The first slot: Escape ends a carry with nothing placed, Delete and
    # BackSpace take a placed tile out again.
    prefix, tile = slot_prefix(0, 0), TILES[RIGHT_COMPOUND[0]]
    put(session, tile, prefix, drop="Escape")
    heard("focus", tile, "the focus reach the tile %r" % tile)
    heard("focus", prefix + EMPTY, "the focus reach the slot %r" % (prefix + EMPTY))
    time.sleep(0.5)
    names = [n.name for n in session.nodes()]
    check(prefix + EMPTY in names and sorted(set(TILES) & set(names)) == sorted(TILES),
          "Escape drops a carried tile back on the palette, not in the slot")
    for remove in ("Delete", "BackSpace"):
        put(session, tile, prefix)
        holding(session, prefix + tile)
        heard("accessible-name", prefix + tile, "the slot's new content %r" % tile)
        session.focus_on(lambda f: f.name == prefix + tile, "the filled slot %r" % prefix)
        session.key(remove)
        holding(session, prefix + EMPTY)
        print("ok - %s on a filled slot empties it" % remove, flush=True)

    for s, compound in enumerate(RIGHT_COMPOUND):
        prefix, drop = slot_prefix(*slot_places()[s]), ("space", "Return")[s % 2]
        put(session, TILES[compound], prefix, drop)
        holding(session, prefix + TILES[compound])
        print("ok - %s puts %r into %r" % (drop, TILES[compound], prefix), flush=True)
    for r, texts in enumerate(RIGHT_COEFFICIENTS):
        for n, text in enumerate(texts):
            box = session.focus_on(lambda f, name=box_name(r, n): f.name == name,
                                   "the box %r" % box_name(r, n))
            session.type(text)
            session.wait_for(lambda: box.acc.queryText().getText(0, -1) == text,
                             "%r to read %r" % (box.name, text))
        print("ok - the coefficients %s are typed into reaction %d" % (texts, r + 1), flush=True)

    session.menu_command(MENU.index("Έλεγχος"))
    badge = session.wait_for(lambda: next((n for n in session.nodes() if n.name == "100%"), None),
                             "a grade of 100%")
    check(badge.role in (roles().LABEL, roles().STATIC),
          "after Έλεγχος the grade badge reads 100%% as static text (%s)" % badge)
    heard("accessible-name", "100%", "the new grade")
    ears.stop()
    names = [n.name for n in session.nodes()]
    check(all(slot_prefix(r, n) + TILES[RIGHT_COMPOUND[s]] in names
              for s, (r, n) in enumerate(slot_places())),
          "the check leaves every compound in its slot")


def run(session):
    session.start()
    check_window_and_menu(session)
    check_about_links(session)
    check_board_tree(session)
    play_by_keyboard(session)
    session.menu_command(MENU.index("Έξοδος"))
    try:
        status = session.proc.wait(10)
    except subprocess.TimeoutExpired:
        raise Failure("Έξοδος from the keyboard did not end the program")
    check(status == 0, "Έξοδος from the keyboard ends the program with status 0")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("program")
    parser.add_argument("--dump", action="store_true")
    parser.add_argument("--keys", default="")
    args = parser.parse_args()
    session = Session(os.path.abspath(args.program))
    try:
        need_pyatspi()  # before anything starts: may run the script again
        if not args.dump:
            run(session)
            print("a11y passed")
            return 0
        session.start()
        for k in args.keys.split():
            session.key(k)
            time.sleep(0.3)
            print("%-12s -> %s" % (k, session.focused() or "(no focus)"))
        dump(session.app)
        return 0
    except Failure as failure:
        print("FAIL -", failure, file=sys.stderr)
        return 1
    finally:
        session.stop()


if __name__ == "__main__":
    sys.exit(main())
