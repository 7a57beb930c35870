# SPDX-FileCopyrightText: 2026 The alkynes authors
# SPDX-License-Identifier: GPL-3.0-or-later
"""The rules of xAPI 1.0.3 (Part Two, Experience API Data) that a
statement of a Learning Record Provider must follow, as far as they touch
what this program writes: the statement's properties (2.4), the Agent and
its account (2.4.2), the Verb (2.4.3), the Activity (2.4.4), the Result
and Score (2.4.5), the Context (2.4.6), the timestamp (2.4.7, 4.5), the
formatting requirements (2.2: no nulls outside extensions, case of keys,
numbers not strings, IRIs with a scheme), extensions (4.1), language maps
(4.2), UUIDs (4.4) and durations (4.6).

problems(statement) lists every rule a parsed statement breaks."""

import datetime
import re

UUID = re.compile(r"^[0-9a-fA-F]{8}-[0-9a-fA-F]{4}-[1-8][0-9a-fA-F]{3}-[89abAB][0-9a-fA-F]{3}-"
                  r"[0-9a-fA-F]{12}$")
# An absolute IRI (RFC 3987): a scheme, a colon, then no space or
# character IRIs exclude.
IRI = re.compile(r"^[A-Za-z][A-Za-z0-9+.-]*:[^\s<>\"{}|\\^`]+$")
# An IRL: an IRI that locates, here http(s) with a host.
IRL = re.compile(r"^https?://[^\s/?#<>\"{}|\\^`]+(/[^\s<>\"{}|\\^`]*)?$")
# RFC 5646 language tag (langtag production, with private use and
# grandfathered tags left out).
LANGUAGE = re.compile(
    r"^[A-Za-z]{2,3}(-[A-Za-z]{3}){0,3}(-[A-Za-z]{4})?(-([A-Za-z]{2}|[0-9]{3}))?"
    r"(-([A-Za-z0-9]{5,8}|[0-9][A-Za-z0-9]{3}))*(-[0-9A-WY-Za-wy-z](-[A-Za-z0-9]{2,8})+)*"
    r"(-x(-[A-Za-z0-9]{1,8})+)?$")
# ISO 8601:2004 4.4.3.2 durations, the format with designators (the
# alternative format of 4.4.3.3 must not be used); only the lowest order
# component may have a fraction; weeks stand alone.
DURATION = re.compile(
    r"^P(?!$)(\d+(\.\d+)?Y$|\d+Y)?(\d+(\.\d+)?M$|\d+M)?(\d+(\.\d+)?D$|\d+D)?"
    r"(T(?=\d)(\d+(\.\d+)?H$|\d+H)?(\d+(\.\d+)?M$|\d+M)?(\d+(\.\d+)?S)?)?$|^P\d+W$")
# RFC 3339, the profile of ISO 8601 the timestamp should follow, with the
# time zone it should include.
TIMESTAMP = re.compile(r"^\d{4}-\d{2}-\d{2}T\d{2}:\d{2}:\d{2}(\.\d+)?(Z|[+-]\d{2}:\d{2})$")

STATEMENT_KEYS = {"id", "actor", "verb", "object", "result", "context", "timestamp", "stored",
                  "authority", "version", "attachments"}
AGENT_KEYS = {"objectType", "name", "mbox", "mbox_sha1sum", "openid", "account"}
IFIS = ("mbox", "mbox_sha1sum", "openid", "account")
ACTIVITY_KEYS = {"objectType", "id", "definition"}
DEFINITION_KEYS = {"name", "description", "type", "moreInfo", "extensions", "interactionType",
                   "correctResponsesPattern", "choices", "scale", "source", "target", "steps"}
RESULT_KEYS = {"score", "success", "completion", "response", "duration", "extensions"}
SCORE_KEYS = {"scaled", "raw", "min", "max"}
CONTEXT_KEYS = {"registration", "instructor", "team", "contextActivities", "revision",
                "platform", "language", "statement", "extensions"}


class Checker:
    def __init__(self):
        self.found = []

    def fail(self, where, rule):
        self.found.append("%s: %s" % (where, rule))

    def keys(self, where, obj, allowed):
        if not isinstance(obj, dict):
            self.fail(where, "must be a JSON object")
            return False
        for key in obj:
            if key not in allowed:
                self.fail(where, "property %r is not allowed (2.2: additional properties, "
                                 "case of keys)" % key)
        return True

    def string(self, where, value):
        if not isinstance(value, str):
            self.fail(where, "must be a string")
            return False
        return True

    def iri(self, where, value):
        if self.string(where, value) and not IRI.match(value):
            self.fail(where, "must be an IRI with a scheme: %r" % value)

    def irl(self, where, value):
        if self.string(where, value) and not IRL.match(value):
            self.fail(where, "must be an IRL: %r" % value)

    def number(self, where, value):
        # JSON numbers only: no strings (2.2), and a boolean is no number.
        if isinstance(value, bool) or not isinstance(value, (int, float)):
            self.fail(where, "must be a number")
            return False
        return True

    def language_map(self, where, value):
        if not isinstance(value, dict) or not value:
            self.fail(where, "must be a language map")
            return
        for tag, text in value.items():
            if not LANGUAGE.match(tag):
                self.fail(where, "key %r is no RFC 5646 language tag" % tag)
            self.string("%s[%s]" % (where, tag), text)

    def extensions(self, where, value):
        if not isinstance(value, dict):
            self.fail(where, "must be an object")
            return
        for key in value:
            self.iri("%s key" % where, key)

    def no_nulls(self, where, value):
        if value is None:
            self.fail(where, "null is not allowed outside extensions (2.2)")
        elif isinstance(value, dict):
            for key, item in value.items():
                if key != "extensions":
                    self.no_nulls("%s.%s" % (where, key), item)
        elif isinstance(value, list):
            for i, item in enumerate(value):
                self.no_nulls("%s[%d]" % (where, i), item)

    def agent(self, where, agent):
        if not self.keys(where, agent, AGENT_KEYS):
            return
        if "objectType" in agent and agent["objectType"] != "Agent":
            self.fail(where, "objectType must be Agent")
        ifis = [key for key in IFIS if key in agent]
        if len(ifis) != 1:
            self.fail(where, "exactly one inverse functional identifier, not %s" % ifis)
        if "name" in agent:
            self.string(where + ".name", agent["name"])
        if "mbox" in agent and not str(agent["mbox"]).startswith("mailto:"):
            self.fail(where + ".mbox", "must be a mailto IRI")
        if "account" in agent:
            account = agent["account"]
            if self.keys(where + ".account", account, {"homePage", "name"}):
                if "homePage" not in account or "name" not in account:
                    self.fail(where + ".account", "homePage and name are required")
                else:
                    self.irl(where + ".account.homePage", account["homePage"])
                    if self.string(where + ".account.name", account["name"]) \
                            and not account["name"]:
                        self.fail(where + ".account.name", "must not be empty")

    def verb(self, verb):
        if not self.keys("verb", verb, {"id", "display"}):
            return
        if "id" not in verb:
            self.fail("verb", "id is required")
        else:
            self.iri("verb.id", verb["id"])
        if "display" in verb:
            self.language_map("verb.display", verb["display"])
        else:
            self.fail("verb", "display should be used by all statements (2.4.3)")

    def activity(self, activity):
        if not self.keys("object", activity, ACTIVITY_KEYS):
            return
        if activity.get("objectType", "Activity") != "Activity":
            self.fail("object.objectType", "must be Activity for an activity")
        if "id" not in activity:
            self.fail("object", "id is required")
        else:
            self.iri("object.id", activity["id"])
        definition = activity.get("definition")
        if definition is not None and self.keys("object.definition", definition,
                                                DEFINITION_KEYS):
            for key in ("name", "description"):
                if key in definition:
                    self.language_map("object.definition." + key, definition[key])
            if "type" in definition:
                self.iri("object.definition.type", definition["type"])
            if "moreInfo" in definition:
                self.irl("object.definition.moreInfo", definition["moreInfo"])
            if "extensions" in definition:
                self.extensions("object.definition.extensions", definition["extensions"])

    def result(self, result):
        if not self.keys("result", result, RESULT_KEYS):
            return
        score = result.get("score")
        if score is not None and self.keys("result.score", score, SCORE_KEYS):
            numbers = {k: score[k] for k in SCORE_KEYS if k in score
                       and self.number("result.score." + k, score[k])}
            if "scaled" in numbers and not -1 <= numbers["scaled"] <= 1:
                self.fail("result.score.scaled", "must lie within -1 and 1")
            if "min" in numbers and "max" in numbers and not numbers["min"] < numbers["max"]:
                self.fail("result.score", "min must be less than max")
            if "raw" in numbers:
                if "min" in numbers and numbers["raw"] < numbers["min"]:
                    self.fail("result.score.raw", "must not be below min")
                if "max" in numbers and numbers["raw"] > numbers["max"]:
                    self.fail("result.score.raw", "must not be above max")
        for key in ("success", "completion"):
            if key in result and not isinstance(result[key], bool):
                self.fail("result." + key, "must be a boolean")
        if "response" in result:
            self.string("result.response", result["response"])
        if "duration" in result and self.string("result.duration", result["duration"]) \
                and not DURATION.match(result["duration"]):
            self.fail("result.duration", "must be an ISO 8601 duration: %r" % result["duration"])
        if "extensions" in result:
            self.extensions("result.extensions", result["extensions"])

    def context(self, context, object_is_activity):
        if not self.keys("context", context, CONTEXT_KEYS):
            return
        for key in ("revision", "platform"):
            if key in context:
                self.string("context." + key, context[key])
                if not object_is_activity:
                    self.fail("context." + key, "only when the object is an Activity")
        if "language" in context and self.string("context.language", context["language"]) \
                and not LANGUAGE.match(context["language"]):
            self.fail("context.language", "must be an RFC 5646 language tag")
        if "registration" in context and not UUID.match(str(context["registration"])):
            self.fail("context.registration", "must be a UUID")
        if "extensions" in context:
            self.extensions("context.extensions", context["extensions"])

    def timestamp(self, value):
        if not self.string("timestamp", value):
            return
        match = TIMESTAMP.match(value)
        if not match:
            self.fail("timestamp", "must be an ISO 8601 (RFC 3339) timestamp with its time "
                                   "zone: %r" % value)
            return
        fraction = match.group(1)
        if fraction is None or len(fraction) < 4:
            self.fail("timestamp", "must keep the milliseconds (4.5)")
        try:
            moment = datetime.datetime.fromisoformat(value.replace("Z", "+00:00"))
        except ValueError:
            self.fail("timestamp", "is no real moment: %r" % value)
            return
        if moment > datetime.datetime.now(datetime.timezone.utc) + datetime.timedelta(seconds=5):
            self.fail("timestamp", "a provider must not use a future time (2.4.7)")


def problems(statement):
    """Every rule of xAPI 1.0.3 the statement (parsed JSON) breaks."""
    c = Checker()
    if not c.keys("statement", statement, STATEMENT_KEYS):
        return c.found
    c.no_nulls("statement", statement)
    for required in ("actor", "verb", "object"):
        if required not in statement:
            c.fail("statement", "%s is required" % required)
    if "id" in statement and not (isinstance(statement["id"], str)
                                  and UUID.match(statement["id"])):
        c.fail("id", "must be a UUID in its standard form (variant 2 of RFC 4122)")
    if "stored" in statement:
        c.fail("stored", "is set by the LRS")
    if "version" in statement:
        c.fail("version", "is not recommended for a provider to set")
    if "actor" in statement:
        c.agent("actor", statement["actor"])
    if "verb" in statement:
        c.verb(statement["verb"])
    obj = statement.get("object")
    is_activity = isinstance(obj, dict) and obj.get("objectType", "Activity") == "Activity"
    if obj is not None:
        if is_activity:
            c.activity(obj)
        else:
            c.fail("object", "this program's object is an Activity")
    if "result" in statement:
        c.result(statement["result"])
    if "context" in statement:
        c.context(statement["context"], is_activity)
    if "timestamp" in statement:
        c.timestamp(statement["timestamp"])
    return c.found
