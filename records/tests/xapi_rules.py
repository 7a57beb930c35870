#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 The alkynes authors
# SPDX-License-Identifier: GPL-3.0-or-later
"""The rules of xAPI 1.0.3 (Part Two) that a provider's statement must
follow, as far as they touch what this program writes: the properties of
the statement, Agent, Verb, Activity, Result, Score and Context (2.4),
their formatting (2.2: no nulls outside extensions, no other properties,
keys in their case, numbers not strings), extensions (4.1), language maps
(4.2), UUIDs (4.4), timestamps (2.4.7, 4.5) and durations (4.6).
Properties the program never writes are allowed unchecked.

problems(statement) lists every rule a parsed statement breaks.  Run as
`xapi_rules.py RECORD_SAMPLES` (the program printing the statements), it
holds those statements against the rules, once sure that the rules catch
statements that break them.
"""

import copy
import datetime
import json
import re
import subprocess
import sys


def rule(what, test):
    """A rule of one value: `test` tells whether a value follows it."""
    test.what = what
    return test


def text(what, pattern=r"(?s).*"):
    regex = re.compile(pattern)
    return rule(what, lambda v: isinstance(v, str) and regex.fullmatch(v) is not None)


class Obj:
    """A JSON object of these properties and no others, the ones named in
    `required` among them; `whole` is a rule of the object as a whole."""

    def __init__(self, required="", whole=None, **properties):
        self.required, self.whole, self.properties = required.split(), whole, properties


ANY = rule("anything", lambda v: True)
LRS = rule("left to the LRS (a provider does not set it)", lambda v: False)
STRING = text("a string")
NUMBER = rule("a JSON number", lambda v: isinstance(v, (int, float)) and not isinstance(v, bool))
BOOLEAN = rule("a boolean", lambda v: isinstance(v, bool))
UUID = text("a UUID in its standard form (variant 2 of RFC 4122)", r"[0-9a-fA-F]{8}-"
            r"[0-9a-fA-F]{4}-[1-8][0-9a-fA-F]{3}-[89abAB][0-9a-fA-F]{3}-[0-9a-fA-F]{12}")
# An absolute IRI (RFC 3987): a scheme, a colon, then no space or
# character IRIs exclude.
IRI = text("an IRI with a scheme", r"[A-Za-z][A-Za-z0-9+.-]*:[^\s<>\"{}|\\^`]+")
# An IRL: an IRI that locates, here http(s) with a host.
IRL = text("an IRL", r"https?://[^\s/?#<>\"{}|\\^`]+(/[^\s<>\"{}|\\^`]*)?")
# The langtag production of RFC 5646, private use and grandfathered tags
# left out.
LANGUAGE = text("an RFC 5646 language tag",
                r"[A-Za-z]{2,3}(-[A-Za-z]{3}){0,3}(-[A-Za-z]{4})?(-([A-Za-z]{2}|[0-9]{3}))?"
                r"(-([A-Za-z0-9]{5,8}|[0-9][A-Za-z0-9]{3}))*"
                r"(-[0-9A-WY-Za-wy-z](-[A-Za-z0-9]{2,8})+)*(-x(-[A-Za-z0-9]{1,8})+)?")
# ISO 8601:2004 4.4.3.2, the format with designators (never the alternative
# format of 4.4.3.3); only the lowest order component has a fraction;
# weeks stand alone.
DURATION = text("an ISO 8601 duration",
                r"P(?!$)(\d+(\.\d+)?Y$|\d+Y)?(\d+(\.\d+)?M$|\d+M)?(\d+(\.\d+)?D$|\d+D)?"
                r"(T(?=\d)(\d+(\.\d+)?H$|\d+H)?(\d+(\.\d+)?M$|\d+M)?(\d+(\.\d+)?S)?)?|P\d+W")
# RFC 3339, the profile of ISO 8601 the timestamp should follow, with its
# time zone and the milliseconds kept (4.5).
RFC3339 = text("an RFC 3339 timestamp",
               r"\d{4}-\d{2}-\d{2}T\d{2}:\d{2}:\d{2}\.\d{3,}(Z|[+-]\d{2}:\d{2})")


def past(stamp):
    """A real moment, and none a provider must not use: a future one."""
    try:
        moment = datetime.datetime.fromisoformat(stamp.replace("Z", "+00:00"))
    except ValueError:
        return False
    return moment <= datetime.datetime.now(datetime.timezone.utc) + datetime.timedelta(seconds=5)


def in_order(score):
    numbers = {k: v for k, v in score.items() if NUMBER(v)}
    low, high = numbers.get("min", float("-inf")), numbers.get("max", float("inf"))
    return low < high and low <= numbers.get("raw", low) <= high


LANGUAGE_MAP = rule("a language map", lambda v: isinstance(v, dict) and bool(v) and all(
    LANGUAGE(tag) and STRING(words) for tag, words in v.items()))
EXTENSIONS = rule("an object keyed by IRIs", lambda v: isinstance(v, dict) and all(map(IRI, v)))
AGENT = Obj(whole=rule("exactly one inverse functional identifier", lambda agent: sum(
                key in agent for key in ("mbox", "mbox_sha1sum", "openid", "account")) == 1),
            objectType=text("Agent", "Agent"), name=STRING, mbox=text("a mailto IRI", "mailto:.+"),
            mbox_sha1sum=ANY, openid=ANY,
            account=Obj("homePage name", homePage=IRL, name=text("a name", r"(?s).+")))
# The object is an Activity here, so the context may hold its revision and
# platform.
ACTIVITY = Obj("id", objectType=text("Activity, this program's object", "Activity"), id=IRI,
               definition=Obj(name=LANGUAGE_MAP, description=LANGUAGE_MAP, type=IRI,
                              moreInfo=IRL, extensions=EXTENSIONS, **dict.fromkeys(
                                  "interactionType correctResponsesPattern choices scale "
                                  "source target steps".split(), ANY)))
SCORE = Obj(whole=rule("min below max, raw within them", in_order),
            scaled=rule("a number within -1 and 1", lambda v: NUMBER(v) and -1 <= v <= 1),
            raw=NUMBER, min=NUMBER, max=NUMBER)
STATEMENT = Obj(
    "actor verb object", id=UUID, actor=AGENT, object=ACTIVITY,
    verb=Obj("id display", id=IRI, display=LANGUAGE_MAP),  # display: should, for all
    result=Obj(score=SCORE, success=BOOLEAN, completion=BOOLEAN, response=STRING,
               duration=DURATION, extensions=EXTENSIONS),
    context=Obj(registration=UUID, revision=STRING, platform=STRING, language=LANGUAGE,
                extensions=EXTENSIONS, instructor=ANY, team=ANY, contextActivities=ANY,
                statement=ANY),
    timestamp=rule("an RFC 3339 timestamp with milliseconds and its zone, not in the future",
                   lambda v: RFC3339(v) and past(v)),
    stored=LRS, version=LRS, authority=ANY, attachments=ANY)


def walk(where, value, shape, found):
    if value is None:  # extensions' values are never walked
        found.append("%s: null is not allowed outside extensions" % where)
    elif not isinstance(shape, Obj):
        if not shape(value):
            found.append("%s: must be %s: %.80r" % (where, shape.what, value))
    elif not isinstance(value, dict):
        found.append("%s: must be a JSON object" % where)
    else:
        found += ["%s: %s is required" % (where, key) for key in shape.required if key not in value]
        for key, item in value.items():
            if key in shape.properties:
                walk(where + "." + key, item, shape.properties[key], found)
            else:
                found.append("%s: property %r is not allowed (2.2: no others, keys in their case)"
                             % (where, key))
        if shape.whole is not None and not shape.whole(value):
            found.append("%s: must hold %s" % (where, shape.whole.what))


def problems(statement):
    """Every rule of xAPI 1.0.3 the statement (parsed JSON) breaks."""
    found = []
    walk("statement", statement, STATEMENT, found)
    return found


# Each way of breaking a good statement, which the rules must catch.
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
    statements = [json.loads(line) for line in out.decode("utf-8").splitlines()]
    failures = ["statement %d: %s" % (n, problem) for n, s in enumerate(statements, 1)
                for problem in problems(s)]
    if len(statements) != 12:
        failures.append("expected 12 statements, got %d" % len(statements))
    for what, breakage in BREAKAGES:
        broken = copy.deepcopy(statements[0])
        breakage(broken)
        if not problems(broken):
            failures.append("the rules miss a statement with %s" % what)
    for failure in failures:
        print("FAIL -", failure)
    print("%d statements (scores %s) and %d broken ones held against the rules" % (
        len(statements), [s["result"]["score"]["raw"] for s in statements], len(BREAKAGES)))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
