#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 The alkynes authors
# SPDX-License-Identifier: GPL-3.0-or-later
"""Holds the statements the recorder writes against the rules of xAPI
1.0.3 (xapi_rules.py), after making sure the rules catch statements that
break them.

Usage: xapi_check.py RECORD_SAMPLES   (the program printing the statements)
"""

import copy
import json
import subprocess
import sys

from xapi_rules import problems

# Each way of breaking a good statement, and the rule that must catch it.
BREAKAGES = [
    ("no actor", lambda s: s.pop("actor")),
    ("no verb", lambda s: s.pop("verb")),
    ("no object", lambda s: s.pop("object")),
    ("two identifiers", lambda s: s["actor"].update(mbox="mailto:a@b.example")),
    ("no identifier", lambda s: s["actor"].pop("account")),
    ("account without homePage", lambda s: s["actor"]["account"].pop("homePage")),
    ("homePage no IRL", lambda s: s["actor"]["account"].update(homePage="school")),
    ("verb id without scheme", lambda s: s["verb"].update(id="adlnet.gov/expapi/verbs/answered")),
    ("display key no language", lambda s: s["verb"]["display"].update({"greek": "x"})),
    ("object id relative", lambda s: s["object"].update(id="/alkynes")),
    ("scaled beyond 1", lambda s: s["result"]["score"].update(scaled=1.5)),
    ("raw as a string", lambda s: s["result"]["score"].update(raw="56")),
    ("raw above max", lambda s: s["result"]["score"].update(raw=101)),
    ("min not below max", lambda s: s["result"]["score"].update(min=100)),
    ("success as a string", lambda s: s["result"].update(success="true")),
    ("duration in the alternative format", lambda s: s["result"].update(duration="PT00:01:05")),
    ("duration without T", lambda s: s["result"].update(duration="P5S")),
    ("duration with a fraction not last", lambda s: s["result"].update(duration="PT1.5M3S")),
    ("extension key no IRI", lambda s: s["result"]["extensions"].update({"try": 1})),
    ("timestamp without its zone", lambda s: s.update(timestamp="2026-12-09T19:52:12.345")),
    ("timestamp without milliseconds", lambda s: s.update(timestamp="2026-12-09T19:52:12+02:00")),
    ("timestamp in the future", lambda s: s.update(timestamp="2099-01-01T00:00:00.000Z")),
    ("id no UUID", lambda s: s.update(id="1234")),
    ("a null value", lambda s: s["context"].update(platform=None)),
    ("a key in another case", lambda s: s.update(Timestamp=s.pop("timestamp"))),
    ("an unknown property", lambda s: s["result"].update(grade=56)),
    ("stored set", lambda s: s.update(stored=s["timestamp"])),
    ("context language no tag", lambda s: s["context"].update(language="Greek language")),
]


def main():
    out = subprocess.run([sys.argv[1]], check=True, capture_output=True).stdout
    lines = out.decode("utf-8").splitlines()
    failures = 0
    statements = []
    for n, line in enumerate(lines, 1):
        statement = json.loads(line)
        statements.append(statement)
        for problem in problems(statement):
            print("FAIL - statement %d: %s" % (n, problem))
            failures += 1
    if len(statements) != 12:
        print("FAIL - expected 12 statements, got %d" % len(statements))
        failures += 1
    scores = [s["result"]["score"]["raw"] for s in statements]
    print("ok - %d statements, scores %s, follow the xAPI rules" % (len(statements), scores))
    for what, breakage in BREAKAGES:
        broken = copy.deepcopy(statements[0])
        breakage(broken)
        if not problems(broken):
            print("FAIL - the rules miss a statement with %s" % what)
            failures += 1
    print("ok - the rules catch %d broken statements" % len(BREAKAGES))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
