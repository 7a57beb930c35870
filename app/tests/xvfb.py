# SPDX-FileCopyrightText: 2026 The alkynes authors
# SPDX-License-Identifier: GPL-3.0-or-later
"""What the end-to-end tests share: a private X server on a free display,
a window manager on it, xdotool calls on it, finding a window by title and
stopping child processes.  Run as a program, it runs a command on such a
screen (the window tests on X: e2e.placing_touch).
"""

import os
import shutil
import signal
import subprocess
import tempfile
import time


class Failure(Exception):
    pass


def read_line(fd, what, timeout=20):
    """Reads one line a child writes to the pipe `fd` (its display number,
    its bus address), or fails after `timeout` seconds."""
    data = b""
    deadline = time.time() + timeout
    while not data.endswith(b"\n"):
        if time.time() > deadline:
            raise Failure("%s did not report in time" % what)
        chunk = os.read(fd, 256)
        if not chunk:
            raise Failure("%s ended before reporting" % what)
        data += chunk
    os.close(fd)
    return data.decode().strip()


def start_xvfb(width, height):
    """Starts Xvfb on a display it chooses itself (-displayfd), so parallel
    runs never collide.  Returns the process and the DISPLAY value."""
    read_fd, write_fd = os.pipe()
    proc = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_fd), "-screen", "0", "%dx%dx24" % (width, height),
         "-noreset", "-nolisten", "tcp"],
        pass_fds=(write_fd,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_fd)
    try:
        number = read_line(read_fd, "Xvfb")
    except Failure:
        stop(proc)
        raise
    return proc, ":" + number


def private_home(env, prefix="alkynes-test-"):
    """Gives the program under test folders of its own for its records
    ($XDG_DATA_HOME) and for the system-wide setting ($XDG_CONFIG_DIRS),
    so that a test never writes into the user's data, nor reads the
    machine's /etc/xdg/alkynes.  Returns the folder; remove_home ends it."""
    home = tempfile.mkdtemp(prefix=prefix)
    env["XDG_DATA_HOME"] = os.path.join(home, "data")
    env["XDG_CONFIG_DIRS"] = os.path.join(home, "etc")
    return home


def remove_home(home):
    if home is not None:
        shutil.rmtree(home, ignore_errors=True)


def stop(*procs):
    """Ends the given processes (None is skipped): SIGTERM, then SIGKILL."""
    for p in procs:
        if p is not None and p.poll() is None:
            p.send_signal(signal.SIGTERM)
            try:
                p.wait(5)
            except subprocess.TimeoutExpired:
                p.kill()
                p.wait()


def xdotool(env, *args):
    return subprocess.run(["xdotool", *map(str, args)], env=env, check=True,
                          capture_output=True, text=True).stdout


def find_window(env, name, timeout=10, proc=None):
    """The id of the last visible window whose title matches the regular
    expression `name`, or None after `timeout` seconds.  Fails at once when
    `proc`, the program that should show it, has ended."""
    deadline = time.time() + timeout
    while time.time() < deadline:
        out = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", name],
                             env=env, capture_output=True, text=True).stdout.split()
        if out:
            return out[-1]
        if proc is not None and proc.poll() is not None:
            err = proc.stderr.read().decode() if proc.stderr else ""
            raise Failure("the program ended early: %s" % err)
        time.sleep(0.1)
    return None


def start_openbox(env, timeout=10):
    """Starts the openbox window manager on the display of `env` and waits
    until it manages the screen (it has set _NET_SUPPORTING_WM_CHECK on the
    root window).  Returns the process."""
    proc = subprocess.Popen(["openbox", "--sm-disable"], env=env,
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    deadline = time.time() + timeout
    while time.time() < deadline:
        out = subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], env=env,
                             capture_output=True, text=True).stdout
        if "window id" in out:
            return proc
        if proc.poll() is not None:
            raise Failure("openbox ended before managing the screen")
        time.sleep(0.1)
    stop(proc)
    raise Failure("openbox did not manage the screen in time")


if __name__ == "__main__":
    # xvfb.py WIDTHxHEIGHT COMMAND...: runs COMMAND on a private X screen of
    # that size, managed by openbox, and exits with its status.
    import sys
    server, display = start_xvfb(*map(int, sys.argv[1].split("x")))
    env = dict(os.environ, DISPLAY=display)
    wm = None
    try:
        wm = start_openbox(env)
        sys.exit(subprocess.run(sys.argv[2:], env=env).returncode)
    finally:
        stop(wm, server)
