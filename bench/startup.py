#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 The alkynes authors
# SPDX-License-Identifier: GPL-3.0-or-later

"""Start-up time, peak memory and idle CPU of the exercise, measured side by
side with a minimal Qt Widgets program of the same window size with a menu
bar, on a private Xvfb.

Both programs quit as soon as their first frame is painted
(ALKYNES_QUIT_AFTER_FIRST_FRAME), so the wall time of a run is the time from
process start to the first frame; the peak resident memory comes from the
kernel's accounting of the finished child.

Usage: bench/startup.py BUILD_DIR [RUNS]    (build the target `bench` first)
"""

import os
import statistics
import subprocess
import sys
import time


def start_xvfb():
    read_fd, write_fd = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_fd), "-screen", "0", "1280x1024x24",
                             "-noreset", "-nolisten", "tcp"], pass_fds=(write_fd,),
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_fd)
    number = b""
    while not number.endswith(b"\n"):
        chunk = os.read(read_fd, 16)
        if not chunk:
            raise SystemExit("Xvfb did not start")
        number += chunk
    os.close(read_fd)
    return xvfb, ":" + number.decode().strip()


def run_once(program, env):
    start = time.perf_counter()
    proc = subprocess.Popen([program], env=env, stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL)
    _, status, usage = os.wait4(proc.pid, 0)
    elapsed = time.perf_counter() - start
    if status != 0:
        raise SystemExit("%s ended with status %d" % (program, status))
    return elapsed * 1000.0, usage.ru_maxrss / 1024.0  # ms, MiB


def idle_cpu(program, env, seconds=10):
    proc = subprocess.Popen([program], env=env, stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL)
    time.sleep(3)  # start-up and first paint

    def ticks():
        with open("/proc/%d/stat" % proc.pid) as f:
            fields = f.read().rsplit(")", 1)[1].split()
        return int(fields[11]) + int(fields[12])  # utime + stime

    before = ticks()
    time.sleep(seconds)
    after = ticks()
    proc.terminate()
    proc.wait()
    return (after - before) * 1000.0 / os.sysconf("SC_CLK_TCK")


def main():
    build = sys.argv[1] if len(sys.argv) > 1 else "build"
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 20
    programs = {"alkynes": os.path.join(build, "app", "alkynes"),
                "minimal": os.path.join(build, "bench", "minimal_window")}
    for path in programs.values():
        if not os.access(path, os.X_OK):
            raise SystemExit("%s is missing: cmake --build %s --target bench" % (path, build))
    xvfb, display = start_xvfb()
    try:
        env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb",
                   ALKYNES_QUIT_AFTER_FIRST_FRAME="1")
        env.pop("WAYLAND_DISPLAY", None)
        results = {name: [] for name in programs}
        for name, path in programs.items():  # warm the file cache
            run_once(path, env)
        for _ in range(runs):
            for name, path in programs.items():
                results[name].append(run_once(path, env))
        print("%-8s %12s %12s %14s" % ("program", "median ms", "min ms", "peak RSS MiB"))
        medians = {}
        for name, samples in results.items():
            times = [t for t, _ in samples]
            rss = max(m for _, m in samples)
            medians[name] = (statistics.median(times), rss)
            print("%-8s %12.1f %12.1f %14.1f" % (name, statistics.median(times), min(times), rss))
        t_ratio = medians["alkynes"][0] / medians["minimal"][0]
        m_ratio = medians["alkynes"][1] / medians["minimal"][1]
        print("start-up ratio %.2f (target <= 1.2), memory ratio %.2f (target <= 1.2)"
              % (t_ratio, m_ratio))
        idle_env = dict(env)
        idle_env.pop("ALKYNES_QUIT_AFTER_FIRST_FRAME")
        print("idle CPU over 10 s: %.0f ms (target 0)" % idle_cpu(programs["alkynes"], idle_env))
    finally:
        xvfb.terminate()
        xvfb.wait()


if __name__ == "__main__":
    main()
