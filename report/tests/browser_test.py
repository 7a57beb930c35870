#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 The alkynes authors
# SPDX-License-Identifier: GPL-3.0-or-later
"""The class report opened in a real browser: writes the files of a class
of four students whose checks are known (in the record's file format, with
three lines that are no statement), has the program write the report, lets
Chromium render it headless, and reads the figures back from the rendered
DOM.  The page must render with no message on the browser's console (its
security policy makes anything it tried to fetch one), and the CSV table
must hold the same figures.

Usage: browser_test.py PROGRAM [--screenshot PNG]
"""

import argparse
import csv
import html
import io
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import uuid

BASE = "http://www.school.example/alkynes"
FORMULAS = ["CH4", "H2", "CaC2", "Ca(OH)2", "ClCH2CH2Cl", "NaCl", "H2O", "CH3CH2CHCl2", "NaCl",
            "H2O", "CH3CH2CCl2CH3", "NaCl", "H2O"]
BOXES = [range(0, 3), range(3, 7), range(7, 12), range(12, 17), range(17, 22)]  # by reaction


def statement(login, name, minute, attempt, score, seconds, right=range(13), wrong=None,
              boxes=None):
    """A check as the recorder writes it (see README, "The record's file"):
    the blanks `right` hold their compounds, `wrong` maps blanks to wrong
    ones; `boxes` maps boxes to how they were judged, the others empty."""
    blanks = [{"placed": (wrong or {}).get(s, FORMULAS[s] if s in right else None),
               "right": s in right} for s in range(13)]
    actor = {"objectType": "Agent", "account": {"homePage": "http://www.school.example/",
                                                "name": login}}
    if name:
        actor["name"] = name
    return {
        "id": str(uuid.uuid4()),
        "actor": actor,
        "verb": {"id": "http://adlnet.gov/expapi/verbs/answered", "display": {"el": "απάντησε"}},
        "object": {"objectType": "Activity", "id": BASE},
        "result": {
            "score": {"scaled": score / 100, "raw": score, "min": 0, "max": 100},
            "success": score == 100,
            "duration": "PT%dM%dS" % divmod(seconds, 60),
            "extensions": {BASE + "/try": attempt, BASE + "/blanks": blanks,
                           BASE + "/coefficients": [{"typed": "2", "judged": (boxes or {}).get(
                               j, "empty")} for j in range(22)],
                           BASE + "/methods": [False, False, False]},
        },
        "context": {"revision": "1.0.0.0", "platform": "alkynes", "language": "el",
                    "extensions": {BASE + "/host": "lab-pc07"}},
        "timestamp": "2026-11-02T10:%02d:00.000+02:00" % minute,
    }


def boxes(reactions, judged):
    return {j: judged for r in reactions for j in BOXES[r]}


RIGHT = boxes(range(5), "right")
ANNA, CHRIS, DORA = "Άννα Κωνσταντίνου", "Χρήστος Δημητρίου", "Δώρα Ε."
# The class: who checked what, and when (minutes after 10:00).
CLASS = {
    "anna": [statement("anna", ANNA, 0, 1, 20, 60, right={0, 1, 2, 3}, wrong={4: "NaCl"}),
             statement("anna", ANNA, 3, 2, 56, 240, boxes=boxes([0], "wrong")),
             statement("anna", ANNA, 7, 3, 100, 425, boxes=RIGHT)],
    "babis": [statement("babis", "", 1, 1, 0, 30, right=set(), wrong={0: "H2", 1: "CH4"}),
              statement("babis", "", 5, 2, 36, 290, right=range(8), wrong={10: "NaCl"})],
    "chris": [statement("chris", CHRIS, 2, 1, 90, 120,
                        boxes={**boxes(range(4), "right"), **boxes([4], "wrong")})],
    "dora": [statement("dora", DORA, 1, 1, 44, 50, right=range(10), wrong={10: "CH3CH2CHCl2"}),
             statement("dora", DORA, 4, 2, 100, 130, boxes=RIGHT),
             statement("dora", DORA, 6, 1, 100, 40, boxes=RIGHT),
             statement("dora", DORA, 8, 2, 100, 70, boxes=RIGHT)],
}
# Lines that are no statement: one cut short, one corrupt, one of another verb.
BAD = {"anna": lambda line: line[:200], "babis": lambda line: "}{ not json",
       "chris": lambda line: line.replace("verbs/answered", "verbs/attempted")}

# What the page must show, worked out by hand from the class above.
STUDENTS = [[ANNA, "anna", "3", "20", "100", "100", "7:05"],
            ["babis", "babis", "2", "0", "36", "36", "—"],
            [CHRIS, "chris", "1", "90", "90", "90", "—"],
            [DORA, "dora", "4", "44", "100", "100", "2:10"]]
HISTOGRAM = {"30–39": "1", "90–99": "1", "100": "2"}  # every other range 0
TRIES = [["1", "5", "50,8"], ["2", "4", "73,0"], ["3", "1", "100,0"]]
BLANKS = {0: ["90%", "H2 (10%)"], 1: ["90%", "CH4 (10%)"], 4: ["80%", "NaCl (10%)"],
          10: ["60%", "CH3CH2CHCl2 (10%)"], 12: ["60%", "—"]}
COEFFICIENTS = {0: ["2", "50%", "10%", "40%"], 21: ["2", "40%", "10%", "50%"]}


def text(markup):
    return html.unescape(re.sub(r"<[^>]*>", "", markup)).strip()


def table(dom, name):
    """The rows below the header of the rendered table `name`, as cell texts."""
    body = re.search(r'<table id="%s">(.*?)</table>' % name, dom, re.S)
    rows = re.findall(r"<tr>(.*?)</tr>", body.group(1) if body else "", re.S)
    return [[text(cell) for cell in re.findall(r"<t[dh][^>]*>(.*?)</t[dh]>", row, re.S)]
            for row in rows[1:]]


def chromium(args, profile):
    command = ["chromium", "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic",
               "--no-first-run", "--disable-background-networking", "--disable-component-update",
               "--disable-sync", "--user-data-dir=" + profile, "--enable-logging=stderr",
               "--v=0"] + args
    return subprocess.run(command, capture_output=True, text=True, timeout=120)


def check(condition, message):
    if not condition:
        raise AssertionError(message)
    print("ok -", message)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("program")
    parser.add_argument("--screenshot")
    args = parser.parse_args()
    if shutil.which("chromium") is None:
        print("chromium is not installed: skipped")
        return 77
    with tempfile.TemporaryDirectory() as temp:
        folder = os.path.join(temp, "class")
        os.mkdir(folder)
        for login, checks in CLASS.items():
            lines = [json.dumps(s, ensure_ascii=False) for s in checks]
            if login in BAD:
                lines.insert(1, BAD[login](lines[0]))
            with open(os.path.join(folder, login + ".jsonl"), "w", encoding="utf-8") as f:
                f.write("\n".join(lines) + "\n")
        page = os.path.join(temp, "report.html")
        env = dict(os.environ, DISPLAY="", WAYLAND_DISPLAY="", QT_QPA_PLATFORM="xcb")
        subprocess.run([args.program, "--report", folder, "-o", page], check=True, env=env)
        table_csv = subprocess.run([args.program, "--report", folder, "--csv"], check=True,
                                   env=env, capture_output=True).stdout.decode("utf-8")

        rendered = chromium(["--dump-dom", "file://" + page], os.path.join(temp, "profile"))
        dom = rendered.stdout
        check(rendered.returncode == 0 and "<h1>" in dom,
              "Chromium renders the page (status %d)" % rendered.returncode)
        console = [line for line in rendered.stderr.splitlines() if ":CONSOLE" in line]
        check(not console, "nothing on the browser's console: no error, nothing fetched %s"
              % console)
        check("4 μαθητές, 10 έλεγχοι, στις 2/11/2026." in text(dom), "the summary line")
        students = table(dom, "students")
        check(students == STUDENTS, "the students' checks, first, best and last grade and time "
              "to 100: %s" % students)
        # Each bar of the histogram: its count, then its range.
        bars = {label: count for count, label in re.findall(
            r'<g class="bin"[^>]*>.*?<text[^>]*>(.*?)</text><text[^>]*>(.*?)</text></g>', dom)}
        ranges = ["%d–%d" % (b, b + 9) for b in range(0, 100, 10)] + ["100"]
        check(bars == {r: HISTOGRAM.get(r, "0") for r in ranges},
              "the histogram of the best grades: %s" % bars)
        tries = table(dom, "tries")
        check(tries == TRIES, "the grade by try: %s" % tries)
        blanks = table(dom, "blanks")
        check(len(blanks) == 13 and all(blanks[s][3:] == BLANKS[s] for s in BLANKS),
              "each blank's share right and most frequent wrong compound: %s"
              % [blanks[s] for s in BLANKS if s < len(blanks)])
        boxes_ = table(dom, "coefficients")
        check(len(boxes_) == 22 and all(boxes_[j][2:] == COEFFICIENTS[j] for j in COEFFICIENTS),
              "each coefficient's share right, wrong and empty: %s"
              % [boxes_[j] for j in COEFFICIENTS if j < len(boxes_)])
        check("παραλείφθηκαν 3 γραμμές" in text(dom),
              "the three bad lines are counted in a footnote")

        rows = list(csv.reader(io.StringIO(table_csv)))[1:]
        check([r[:6] for r in rows] == [[s[1], s[0] if s[0] != s[1] else ""] + s[2:6]
                                        for s in STUDENTS]
              and [r[6] for r in rows] == ["425", "", "", "130"],
              "the CSV table holds the same figures: %s" % rows)

        if args.screenshot:
            shot = chromium(["--screenshot=" + os.path.abspath(args.screenshot),
                             "--window-size=1000,1500", "--hide-scrollbars", "file://" + page],
                            os.path.join(temp, "profile2"))
            check(shot.returncode == 0 and os.path.exists(args.screenshot),
                  "a screenshot in %s" % args.screenshot)
    print("browser test passed")
    return 0


if __name__ == "__main__":
    try:
        sys.exit(main())
    except AssertionError as failure:
        print("FAIL -", failure, file=sys.stderr)
        sys.exit(1)
