#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The alkynes authors
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what is missing, builds, and runs the whole test suite headless:
# first the normal build, then the whole suite again built with the address,
# leak and undefined-behaviour sanitizers, the randomized event test at its
# full count of 10^6 events.
#
#   ALKYNES_SKIP_SANITIZE=1 ./test.sh   skips the sanitizer round
set -euo pipefail
source "$(dirname "$0")/scripts/setup.sh"
ROOT="$(alkynes_root)"

alkynes_install_packages "${ALKYNES_PROGRAM_PACKAGES[@]}" "${ALKYNES_TEST_PACKAGES[@]}"

export QT_QPA_PLATFORM=offscreen
status=0

# The tests and benchmarks are switched on explicitly: run.sh may have
# configured build/ for the program alone.
echo "== Build and test (build/) =="
alkynes_build build all -DALKYNES_WERROR=ON -DALKYNES_BUILD_TESTS=ON -DALKYNES_BUILD_BENCH=ON
ctest --test-dir "$ROOT/build" --output-on-failure --parallel "$(nproc)" || status=1

if [ "${ALKYNES_SKIP_SANITIZE:-0}" != "1" ]; then
  echo "== Sanitizer build and test (build-asan/) =="
  alkynes_build build-asan all -DALKYNES_WERROR=ON -DALKYNES_SANITIZE=ON -DALKYNES_BUILD_GUI=ON
  ALKYNES_RANDOM_EVENTS=1000000 ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
    LSAN_OPTIONS="suppressions=$ROOT/scripts/lsan.supp" \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir "$ROOT/build-asan" --output-on-failure --parallel "$(nproc)" || status=1
fi

exit "$status"
