#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The alkynes authors
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what is missing, builds, and runs the whole test suite headless:
# first the normal build, then the whole suite again built with the address,
# leak and undefined-behaviour sanitizers, the randomized event test at its
# full count of 10^6 events, then the Debian 13 round (scripts/debian13.sh):
# the normal suite built and run in a Debian 13 root, and the package made
# here installed with apt on a clean Debian 13, its window opened.  Each
# round says how long it took.
#
#   ALKYNES_SKIP_SANITIZE=1 ./test.sh   skips the sanitizer round
#   ALKYNES_SKIP_DEBIAN13=1 ./test.sh   skips the Debian 13 round
set -euo pipefail
source "$(dirname "$0")/scripts/setup.sh"
ROOT="$(alkynes_root)"

packages=("${ALKYNES_PROGRAM_PACKAGES[@]}" "${ALKYNES_TEST_PACKAGES[@]}")
if [ "${ALKYNES_SKIP_DEBIAN13:-0}" != "1" ]; then
  packages+=("${ALKYNES_DEBIAN13_PACKAGES[@]}")
fi
alkynes_install_packages "${packages[@]}"

export QT_QPA_PLATFORM=offscreen
status=0

# The Debian 13 root is made, or brought up to date, while the rounds here
# build: it waits on the network and the disk, they on the processors.
if [ "${ALKYNES_SKIP_DEBIAN13:-0}" != "1" ]; then
  if [ "$(id -u)" -ne 0 ]; then
    sudo -v  # asked here: the root is made in the background, as root
  fi
  mkdir -p "$ROOT/build"
  "$ROOT/scripts/debian13.sh" root >"$ROOT/build/debian13-root.out" 2>&1 &
  root_job=$!
  trap 'kill "$root_job" 2>/dev/null || true' EXIT
fi

# The tests and benchmarks are switched on explicitly: run.sh may have
# configured build/ for the program alone.
echo "== Build and test (build/) =="
TIMEFORMAT="-- build/: %0R s (processor time: %0U s user, %0S s system)"
time {
  alkynes_build build all -DALKYNES_WERROR=ON -DALKYNES_BUILD_TESTS=ON -DALKYNES_BUILD_BENCH=ON
  ctest --test-dir "$ROOT/build" --output-on-failure --parallel "$(nproc)" || status=1
}

if [ "${ALKYNES_SKIP_SANITIZE:-0}" != "1" ]; then
  echo "== Sanitizer build and test (build-asan/) =="
  TIMEFORMAT="-- build-asan/: %0R s (processor time: %0U s user, %0S s system)"
  time {
    alkynes_build build-asan all -DALKYNES_WERROR=ON -DALKYNES_SANITIZE=ON -DALKYNES_BUILD_GUI=ON
    ALKYNES_RANDOM_EVENTS=1000000 ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
      LSAN_OPTIONS="suppressions=$ROOT/scripts/lsan.supp" \
      UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
      ctest --test-dir "$ROOT/build-asan" --output-on-failure --parallel "$(nproc)" || status=1
  }
fi

if [ "${ALKYNES_SKIP_DEBIAN13:-0}" != "1" ]; then
  echo "== Debian 13 (build/debian13-root, build-debian13/) =="
  if wait "$root_job"; then
    cat "$ROOT/build/debian13-root.out"
    TIMEFORMAT="-- Debian 13: %0R s (processor time: %0U s user, %0S s system)"
    time "$ROOT/scripts/debian13.sh" || status=1
  else
    cat "$ROOT/build/debian13-root.out"
    status=1
  fi
fi

exit "$status"
