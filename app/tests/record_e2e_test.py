#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 The alkynes authors
# SPDX-License-Identifier: GPL-3.0-or-later

"""End-to-end test of the learning record: the real program on a real X
server under openbox, played with the mouse (xdotool).  A game of two
checks into a class folder (--results-dir): the class file must hold two
statements with the grades the screen showed (read from the blanks kept and
the badge's width), their blanks and tries, following the xAPI rules.
Then one check each into the user's own file, the system-wide setting's
folder, nowhere (enabled=false, --no-record) and a missing folder.

Usage: record_e2e_test.py PROGRAM
"""

import json
import os
import pwd
import re
import shutil
import socket
import stat
import subprocess
import sys

import e2e_test as e2e
from xvfb import Failure

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)),
                                "..", "..", "records", "tests"))
from xapi_rules import problems  # noqa: E402

POINTS = [5, 5, 5, 5] + [4] * 9  # the marks of each blank kept
LOGIN = pwd.getpwuid(os.getuid()).pw_name


def check(app, slots=(), cell_of=None):
    """Drags the tile of cell `cell_of(s)` into each of the blanks `slots`,
    chooses «Έλεγχος» and reads the screen: the blanks kept, the grade they
    make and the badge's width."""
    for s in slots:
        cell = e2e.CELLS[cell_of(s)]
        app.drag((cell[0] + e2e.PIECE_W / 2, cell[1] + e2e.PIECE_H / 2), e2e.slot_drop(s),
                 steps=4, settle=False)
    app.click_menu(1)
    screen = app.checked_shot()
    kept = {s for s in range(13) if app.holds(screen, s)}
    return kept, sum(POINTS[s] for s in kept), app.badge_width(screen)


def start(app, options, setting=None):
    """Starts the program with these options and this system-wide setting."""
    config = os.path.join(app.home, "etc", "alkynes")
    shutil.rmtree(config, ignore_errors=True)
    if setting is not None:
        os.makedirs(config)
        with open(os.path.join(config, "alkynes.conf"), "w", encoding="utf-8") as f:
            f.write("[records]\n" + setting)
    app.options = options
    app.start_program()


def finish(app):
    """Chooses «Έξοδος»; returns what the program said."""
    app.click_menu(6)
    try:
        status = app.proc.wait(20)
    except subprocess.TimeoutExpired:
        raise Failure("Έξοδος did not end the program")
    e2e.check(status == 0, "the program ends with status 0")
    return app.proc.stderr.read().decode()


def one_check(app, options, setting=None):
    start(app, options, setting)
    check(app)
    return finish(app)


def statements(path):
    with open(path, encoding="utf-8") as f:
        return [json.loads(line) for line in f.read().splitlines()]


def extension(statement, name, part="result"):
    return statement[part]["extensions"][statement["object"]["id"] + "/" + name]


def seconds(duration):
    h, m, s = re.fullmatch(r"PT(?:(\d+)H)?(?:(\d+)M)?([\d.]+)S", duration).groups()
    return int(h or 0) * 3600 + int(m or 0) * 60 + float(s)


def two_checks(app):
    folder = os.path.join(app.home, "class")
    os.mkdir(folder)
    start(app, ["--results-dir", folder])
    kept1, grade1, badge1 = check(app, range(13), lambda s: s % 9)
    e2e.check(len(kept1) < 13, "the first check sends wrong tiles back (%d kept)" % len(kept1))
    kept2, grade2, badge2 = check(app, [s for s in range(13) if s not in kept1],
                                  lambda s: (s + 4) % 9)
    e2e.check(kept1 <= kept2, "the second check keeps what the first kept")
    digits1, digits2 = len(str(grade1)), len(str(grade2))
    e2e.check(abs(badge1 - badge2) <= 1 if digits1 == digits2 else
              (badge1 < badge2) == (digits1 < digits2),
              "the badges showed %d%% and %d%% (%d and %d pixels wide)"
              % (grade1, grade2, badge1, badge2))
    said = finish(app)

    path = os.path.join(folder, LOGIN + ".jsonl")
    e2e.check(os.path.exists(path), "the class folder holds %s.jsonl" % LOGIN)
    e2e.check(stat.S_IMODE(os.stat(path).st_mode) == 0o640, "its mode is 0640")
    records = statements(path)
    e2e.check(len(records) == 2, "it holds two statements")
    for n, (record, grade, kept) in enumerate(zip(records, (grade1, grade2), (kept1, kept2)), 1):
        e2e.check(record["result"]["score"]["raw"] == grade,
                  "statement %d has the grade shown, %d" % (n, grade))
        e2e.check(extension(record, "try") == n, "statement %d is try %d" % (n, n))
        right = {s for s, blank in enumerate(extension(record, "blanks")) if blank["right"]}
        e2e.check(right == kept, "statement %d has right the blanks the check kept" % n)
        e2e.check(not problems(record), "statement %d follows the xAPI rules %s"
                  % (n, problems(record)))
    e2e.check(all(blank["placed"] for blank in extension(records[0], "blanks")),
              "the first statement names the compound of every blank")
    e2e.check(records[0]["actor"]["account"]["name"] == LOGIN, "the actor is the login")
    e2e.check(extension(records[0], "host", "context") == socket.gethostname(),
              "the host is the machine's name")
    durations = [seconds(r["result"]["duration"]) for r in records]
    e2e.check(0 < durations[0] < durations[1] < 600,
              "the durations grow through the attempt: %s" % durations)
    e2e.check("alkynes:" not in said, "the program said nothing: %r" % said)


def elsewhere(app):
    own = os.path.join(app.home, "data", "alkynes", "results.jsonl")
    one_check(app, [])
    e2e.check(len(statements(own)) == 1 and stat.S_IMODE(os.stat(own).st_mode) == 0o600,
              "without options the check goes to $XDG_DATA_HOME/alkynes/results.jsonl, 0600")
    shared = os.path.join(app.home, "shared")
    os.mkdir(shared)
    one_check(app, [], "folder=%s\n" % shared)
    e2e.check(len(statements(os.path.join(shared, LOGIN + ".jsonl"))) == 1,
              "the system-wide setting's folder= takes the check")
    one_check(app, [], "enabled=false\nfolder=%s\n" % shared)
    one_check(app, ["--no-record"])
    e2e.check(len(statements(own)) == 1
              and len(statements(os.path.join(shared, LOGIN + ".jsonl"))) == 1,
              "enabled=false and --no-record keep nothing")
    said = one_check(app, ["--results-dir", os.path.join(app.home, "gone")])
    e2e.check("δεν γράφονται" in said and "ο φάκελος δεν υπάρχει" in said and "χάνεται" in said,
              "a missing class folder is told on stderr, and so is the check it lost: %r"
              % said)


def main():
    app = e2e.App(sys.argv[1], 1, wm=True)
    try:
        e2e.need_tools()
        if shutil.which("openbox") is None:
            raise Failure("missing tool: openbox")
        app.start_x()
        two_checks(app)
        elsewhere(app)
        print("record e2e passed")
        return 0
    except Failure as failure:
        print("FAIL -", failure, file=sys.stderr)
        return 1
    finally:
        app.stop()


if __name__ == "__main__":
    sys.exit(main())
