#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The alkynes authors
# SPDX-License-Identifier: GPL-3.0-or-later

# check-run-set-up.sh SCRATCH_DIR: run.sh installs only what building and
# running the program needs, and builds only the program.
#  1. None of the test suite's packages is among the program's packages.
#  2. Configured in SCRATCH_DIR the way run.sh configures a new build folder,
#     with GoogleTest, Benchmark and Python hidden from CMake, the project
#     configures, and building the program compiles no test or benchmark.
#  3. Every installed file that this configure and this build use (compilers,
#     tools, CMake packages, libraries) belongs to one of the program's
#     packages, to a package they depend on, or to an essential package.
# Exits with 77 (skipped) away from Debian, where dpkg and apt are missing.
set -euo pipefail
source "$(dirname "$0")/../setup.sh"
root="$(alkynes_root)"
scratch="$1"
if ! command -v dpkg-query >/dev/null || ! command -v apt-cache >/dev/null; then
  echo "dpkg and apt-cache are needed"
  exit 77
fi
status=0

for tool in "${ALKYNES_TEST_PACKAGES[@]}"; do
  if printf '%s\n' "${ALKYNES_PROGRAM_PACKAGES[@]}" | grep -qx -- "$tool"; then
    echo "FAIL: run.sh installs $tool, a tool of the test suite"
    status=1
  fi
done

rm -rf "$scratch"
if ! cmake -S "$root" -B "$scratch" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
       "${ALKYNES_PROGRAM_OPTIONS[@]}" -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON \
       -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON -DCMAKE_DISABLE_FIND_PACKAGE_Python3=ON \
       >"$scratch.log" 2>&1; then
  cat "$scratch.log"
  echo "FAIL: the program's configure needs a package of the test suite"
  exit 1
fi
commands="$(ninja -C "$scratch" -t commands "$ALKYNES_PROGRAM_TARGET")"
if grep -E '/tests/|/bench/|gtest|benchmark' <<<"$commands"; then
  echo "FAIL: building $ALKYNES_PROGRAM_TARGET builds the commands above (tests or benchmarks)"
  status=1
fi

# The installed files in use: CMake's own tools (compiler, linker, ...), the
# CMake packages found, and every absolute path in the build commands that
# is a file.  (Libraries that a find module found but nothing links are
# not in use.)
mapfile -t used < <(
  {
    sed -n 's/^CMAKE_[A-Z_]*:FILEPATH=\(\/.*\)$/\1/p' "$scratch/CMakeCache.txt"
    sed -n 's/^[A-Za-z0-9_]*_DIR:PATH=\(\/.*\)$/\1/p' "$scratch/CMakeCache.txt" |
      while read -r dir; do ls "$dir"/*[Cc]onfig.cmake 2>/dev/null || true; done
    grep -oE '(^|[ ="])/usr/[^ ":;]+' <<<"$commands" | sed 's/^[ ="]//'
  } | sort -u | while read -r path; do [ -f "$path" ] && echo "$path"; done)

mapfile -t brought < <(
  apt-cache depends --recurse --installed --no-recommends --no-suggests --no-conflicts \
    --no-breaks --no-replaces --no-enhances "${ALKYNES_PROGRAM_PACKAGES[@]}" 2>/dev/null |
    sed -n 's/^ *\(|\?\(Pre\)\?Depends: \)\?\([a-z0-9][a-z0-9+.-]*\)\(:[a-z0-9]*\)\?$/\3/p' |
    sort -u)
declare -A ok=()
for pkg in "${brought[@]}"; do ok[$pkg]=1; done

for path in "${used[@]}"; do
  owner="$(dpkg-query -S "$path" 2>/dev/null || dpkg-query -S "$(readlink -f "$path")" 2>/dev/null ||
           true)"
  owner="${owner%%: *}"
  owner="${owner%%:*}"
  owner="${owner%%,*}"
  if [ -z "$owner" ]; then
    continue  # not from a package (made by the build, or by alternatives)
  fi
  if [ -z "${ok[$owner]:-}" ] &&
     [ "$(dpkg-query -W -f='${Essential}' "$owner" 2>/dev/null)" != "yes" ]; then
    echo "FAIL: the program's build uses $path of $owner, which run.sh does not install"
    status=1
  fi
done
echo "checked ${#used[@]} files in use against ${#brought[@]} packages"
exit "$status"
