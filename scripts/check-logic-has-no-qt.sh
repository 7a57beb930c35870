#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The alkynes authors
# SPDX-License-Identifier: GPL-3.0-or-later

# The exercise logic must build without any toolkit: fails when a source file
# of one of the folders named on the command line (the logic libraries, as
# CMake registered them) includes a Qt header.
#   check-logic-has-no-qt.sh FOLDER...
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
if [ "$#" -eq 0 ]; then
  echo "usage: $0 FOLDER..." >&2
  exit 2
fi
found=0
for dir in "$@"; do
  if [ ! -d "$root/$dir" ]; then
    echo "No such folder: $dir" >&2
    exit 2
  fi
  if grep -rnE '^\s*#\s*include\s*[<"](Q[A-Za-z]|qt[A-Za-z0-9]*/|Qt[A-Za-z]+/|q[a-z]+\.h)' \
      --include='*.h' --include='*.hpp' --include='*.cpp' --include='*.cc' "$root/$dir"; then
    found=1
  fi
done
if [ "$found" -ne 0 ]; then
  echo "A logic folder includes a Qt header (listed above)." >&2
  exit 1
fi
echo "No Qt header in the logic folders: $*"
