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
mkdir -p "$out/corpus"
clang++ -std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
  -I"$root" "$root/fuzz/NumberReadingFuzz.cpp" "$root/coefficients/NumberReading.cpp" \
  "$root/coefficients/tests/NumberOracle.cpp" -o "$out/number_reading_fuzz"
for seed in "1" "2.5" "  3 " "&H1F" "&o17" "1.5D2" "-0.5" "1e5" "2,5" "abc"; do
  printf '%s' "$seed" > "$out/corpus/seed-$(printf '%s' "$seed" | md5sum | cut -c1-8)"
done
if [[ " $targets " == *" number "* ]]; then
  "$out/number_reading_fuzz" -max_total_time="$seconds" -max_len=4096 "$out/corpus"
fi

if [[ " $targets " == *" window "* ]]; then
  # The logic libraries are built by their own CMake files, instrumented.
  cmake -S "$root/fuzz" -B "$out/window" -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$out/window" --parallel 2 --target window_model_fuzz
  source "$root/fuzz/window-seeds.sh"
  mkdir -p "$out/window-corpus"
  write_window_seeds "$out/window-corpus"
  # Run in the build folder: with -jobs, libFuzzer writes its log there.
  cd "$out"
  "$out/window/window_model_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
    -artifact_prefix="$out/window-" "$@" "$out/window-corpus"
fi
exit
}
