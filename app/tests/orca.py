# SPDX-FileCopyrightText: 2026 The alkynes authors
# SPDX-License-Identifier: GPL-3.0-or-later
"""The Orca screen reader on the real program, as a student has it: under a
private Xvfb with openbox, a private session and accessibility bus,
speech-dispatcher speaking into a null sound card, and Debian's own Orca
with its default settings, started before the program (which then finds a
screen reader running and switches its accessibility on by itself).  What
Orca says is read, in order, from the "SPEECH OUTPUT" lines of its debug
log.  Everything they read or write (settings, logs, sockets) lives in a
private home and runtime folder that goes with the run.
"""

import os
import re
import shutil
import subprocess
import time

import xvfb
from a11y_test import Session
from xvfb import Failure

ORCA = "/usr/bin/orca"
SPEECH_DISPATCHER = "/usr/bin/speech-dispatcher"


class Missing(Exception):
    """What this machine lacks for running Orca: the test is skipped."""


# Orca 43 opens its debug log as a fully buffered file: what it said would
# show up in blocks of several kilobytes, long after it was said.  Orca runs
# the user's orca-customizations.py at start-up, after opening the log; this
# one makes the log line-buffered and changes nothing else.
CUSTOMIZATIONS = """\
from orca import debug

if debug.debugFile is not None:
    debug.debugFile.reconfigure(line_buffering=True)
"""

# speech-dispatcher's own settings: its modules as installed (espeak-ng when
# it is there), ALSA for the sound, and ALSA's default device a null one.
SPEECHD_CONF = """\
LogLevel 3
AudioOutputMethod "alsa"
"""
ASOUNDRC = """\
pcm.!default { type null }
ctl.!default { type hw card 0 }
"""

# "SPEECH OUTPUT: 'text'" and the voice: "{'established': False}", or a
# named voice before it, " voice=uppercase".  A text of several lines goes
# on in lines indented by 18 spaces, below the time stamp.
SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*)' ?(?:voice=\S+ ?)?\{.*\}$", re.DOTALL)
GOES_ON = " " * 18


class Speech:
    """What Orca has said so far, read from its debug log as it grows: each
    utterance one string, in the order spoken.  `alive` fails when Orca or
    the program has ended."""

    def __init__(self, log, alive):
        self.log, self.alive = log, alive
        self.said = []
        self._offset = 0
        self._rest = b""
        self._open = None  # an utterance whose lines have not all come yet

    def read(self):
        try:
            with open(self.log, "rb") as f:
                f.seek(self._offset)
                data = f.read()
        except FileNotFoundError:
            return self.said
        self._offset += len(data)
        lines = (self._rest + data).split(b"\n")
        self._rest = lines.pop()
        for raw in lines:
            line = raw.decode("utf-8", "replace")
            if self._open is not None and line.startswith(GOES_ON):
                self._open += "\n" + line[len(GOES_ON):]
            else:
                self._open = line if "SPEECH OUTPUT: '" in line else None
            found = SPOKEN.search(self._open) if self._open is not None else None
            if found:
                self.said.append(found.group(1).strip())
                self._open = None
        return self.said

    def mark(self):
        """Where the speech stands now: what is said afterwards is
        `since(mark)`."""
        return len(self.read())

    def since(self, mark):
        return self.read()[mark:]

    def wait_for(self, wanted, what, mark, timeout=10):
        """Waits until Orca has said, after `mark`, something for which
        `wanted(text)` is true; returns the index of that utterance."""
        deadline = time.time() + timeout
        while True:
            said = self.read()
            found = next((i for i in range(mark, len(said)) if wanted(said[i])), None)
            if found is not None:
                return found
            if time.time() > deadline:
                raise Failure("Orca never said %s; it said %s" % (what, said[mark:]))
            self.alive()
            time.sleep(0.1)

    def quiet(self, seconds=1.0, timeout=15):
        """Waits until Orca has said nothing new for `seconds`."""
        deadline = time.time() + timeout
        count, since = len(self.read()), time.time()
        while time.time() < deadline and time.time() - since < seconds:
            time.sleep(0.1)
            if len(self.read()) != count:
                count, since = len(self.said), time.time()


class OrcaSession(Session):
    """The a11y test's session (Xvfb, the buses, the program) with openbox,
    speech-dispatcher and Orca besides."""

    def __init__(self, program, orca_log=None):
        super().__init__(program)
        self.orca_log = orca_log
        self.speech = None
        self.orca = None

    def start(self):
        missing = [tool for tool in (ORCA, SPEECH_DISPATCHER) if not os.access(tool, os.X_OK)]
        missing += [] if shutil.which("openbox") else ["openbox"]
        if missing:
            raise Missing("missing: %s (install orca, speech-dispatcher, openbox)"
                          % ", ".join(missing))
        self.start_desktop()
        self.private_home()
        self.procs.append(xvfb.start_openbox(self.env))
        self.start_speech_dispatcher()
        self.start_orca()
        # Orca has told org.a11y.Status that a screen reader runs: the
        # program switches its bridge on by itself, as on a student's desktop.
        self.start_program(force_bridge=False)

    def private_home(self):
        home = os.path.join(self.runtime, "home")
        self.env.update(HOME=home, XDG_CONFIG_HOME=os.path.join(home, "config"),
                        XDG_DATA_HOME=os.path.join(home, "data"),
                        XDG_CACHE_HOME=os.path.join(home, "cache"),
                        LANG="C.UTF-8", LANGUAGE="", LC_ALL="")
        for name in ("XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"):
            os.makedirs(self.env[name])
        self.env.pop("SPEECHD_ADDRESS", None)
        self.write(os.path.join(home, ".asoundrc"), ASOUNDRC)

    @staticmethod
    def write(path, text):
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "w", encoding="utf-8") as f:
            f.write(text)

    def spawn(self, argv, log):
        with open(os.path.join(self.runtime, log), "wb") as out:
            proc = subprocess.Popen(argv, env=self.env, stdout=out, stderr=subprocess.STDOUT,
                                    stdin=subprocess.DEVNULL)
        self.procs.append(proc)
        return proc

    def read_log(self, name):
        try:
            with open(os.path.join(self.runtime, name), encoding="utf-8", errors="replace") as f:
                return f.read()
        except FileNotFoundError:
            return ""

    def start_speech_dispatcher(self):
        """speech-dispatcher on the socket where Orca's client looks for it
        ($XDG_RUNTIME_DIR/speech-dispatcher/speechd.sock), so that the client
        never starts one of its own."""
        conf = os.path.join(self.env["XDG_CONFIG_HOME"], "speech-dispatcher")
        self.write(os.path.join(conf, "speechd.conf"), SPEECHD_CONF)
        for sub in ("modules", "clients"):
            os.symlink(os.path.join("/etc/speech-dispatcher", sub), os.path.join(conf, sub))
        socket = os.path.join(self.runtime, "speech-dispatcher", "speechd.sock")
        os.makedirs(os.path.dirname(socket))
        logs = os.path.join(self.runtime, "speechd-logs")
        os.makedirs(logs)
        proc = self.spawn([SPEECH_DISPATCHER, "--run-single", "--timeout", "0", "--config-dir",
                           conf, "--socket-path", socket, "--log-dir", logs, "--pid-file",
                           os.path.join(self.runtime, "speechd.pid")], "speechd.out")
        deadline = time.time() + 20
        while not os.path.exists(socket):
            if proc.poll() is not None or time.time() > deadline:
                raise Failure("speech-dispatcher did not start: %s" % self.read_log("speechd.out"))
            time.sleep(0.1)

    def start_orca(self):
        prefs = os.path.join(self.env["XDG_DATA_HOME"], "orca")
        self.write(os.path.join(prefs, "orca-customizations.py"), CUSTOMIZATIONS)
        log = self.orca_log or os.path.join(self.runtime, "orca-debug.out")
        if os.path.exists(log):
            os.remove(log)  # a log of an earlier run would be read as this one's
        self.speech = Speech(log, self.alive)
        self.orca = self.spawn([ORCA, "--user-prefs", prefs, "--debug-file", log], "orca.out")
        # Orca is ready once it has said that it runs ("Screen reader on.").
        deadline = time.time() + 60
        while not self.speech.read():
            if self.orca.poll() is not None:
                said = self.read_log("orca.out")
                if "already running" in said:
                    raise Missing("another Orca runs for this user: %s" % said.strip())
                raise Failure("Orca ended at start-up: %s" % said)
            if time.time() > deadline:
                raise Failure("Orca said nothing within a minute of starting")
            time.sleep(0.2)

    def alive(self):
        if self.orca is not None and self.orca.poll() is not None:
            raise Failure("Orca ended: %s" % self.read_log("orca.out"))
        if self.proc is not None and self.proc.poll() is not None:
            raise Failure("the program ended")
