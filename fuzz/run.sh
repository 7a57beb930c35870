#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The alkynes authors
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the libFuzzer targets with clang and runs them one after the other:
# the coefficient reading, then the window model (fuzz/WindowModelFuzz.cpp).
#   fuzz/run.sh [seconds] [targets] [libFuzzer options of the window model]
# seconds: for each target (default 600); targets: "number", "window" or
# both (the default, "number window"); e.g. on one core for half an hour:
#   fuzz/run.sh 1800 window -jobs=1 -workers=1
set -euo pipefail
# The braces make bash read the whole script before running it: bash reads
# a script as it goes, and an edit during a half-hour run would otherwise
# make the running copy go on at a wrong offset.
{
seconds="${1:-600}"
targets="${2:-number window}"
shift "$(($# < 2 ? $# : 2))"
root="$(cd "$(dirname "$0")/.." && pwd)"
out="$root/build-fuzz"
# The program's own CMake build, instrumented for libFuzzer and with the
# address and undefined-behaviour sanitizers; only the fuzz targets and
# what they link are built.
cmake -S "$root" -B "$out" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DALKYNES_FUZZ=ON -DALKYNES_SANITIZE=ON -DALKYNES_BUILD_GUI=OFF -DALKYNES_BUILD_BENCH=OFF \
  >/dev/null
cmake --build "$out" --parallel 2 --target number_reading_fuzz window_model_fuzz
source "$root/fuzz/seeds.sh"
mkdir -p "$out/corpus" "$out/window-corpus"
write_number_seeds "$out/corpus"
write_window_seeds "$out/window-corpus"
# Run in the build folder: with -jobs, libFuzzer writes its log there.
cd "$out"
if [[ " $targets " == *" number "* ]]; then
  "$out/fuzz/number_reading_fuzz" -max_total_time="$seconds" -max_len=4096 "$out/corpus"
fi
if [[ " $targets " == *" window "* ]]; then
  "$out/fuzz/window_model_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
    -artifact_prefix="$out/window-" "$@" "$out/window-corpus"
fi
exit
}
