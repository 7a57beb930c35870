#!/usr/bin/env bash
# Builds the libFuzzer target for the coefficient reading with clang and runs
# it.  Usage: fuzz/run.sh [seconds]   (default 600)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="$root/build-fuzz"
mkdir -p "$out/corpus"
clang++ -std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
  -I"$root" "$root/fuzz/NumberReadingFuzz.cpp" "$root/coefficients/NumberReading.cpp" \
  -o "$out/number_reading_fuzz"
for seed in "1" "2.5" "  3 " "&H1F" "&o17" "1.5D2" "-0.5" "1e5" "2,5" "abc"; do
  printf '%s' "$seed" > "$out/corpus/seed-$(printf '%s' "$seed" | md5sum | cut -c1-8)"
done
"$out/number_reading_fuzz" -max_total_time="${1:-600}" -max_len=4096 "$out/corpus"
