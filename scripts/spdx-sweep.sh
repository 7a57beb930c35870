#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The alkynes authors
# SPDX-License-Identifier: GPL-3.0-or-later

# Gives every file of the repository that states no copyright and licence
# yet the project's SPDX header, in the file's own comment syntax:
#   SPDX-FileCopyrightText: 2026 The alkynes authors
#   SPDX-License-Identifier: GPL-3.0-or-later
# Files that have one already are left alone, so running it again changes
# nothing.  Files that take no comment (pictures, the Debian changelog and
# copyright, types reuse does not know) get a <file>.license beside them.
#
#   scripts/spdx-sweep.sh [FILE...]   default: every file git tracks or
#                                     would track (not the ignored ones)
# Then `reuse lint` tells whether the whole tree complies.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
if ! command -v reuse >/dev/null; then
  echo "spdx-sweep.sh: reuse is not installed (Debian package reuse)" >&2
  exit 1
fi

annotate=(reuse annotate --copyright "The alkynes authors" --year 2026
          --license GPL-3.0-or-later --template compact --skip-existing)

if [ "$#" -gt 0 ]; then
  files=("$@")
else
  mapfile -t files < <(git ls-files --cached --others --exclude-standard)
fi

# The comment style of a file whose name does not tell reuse (or tells it
# wrongly), "license" for a .license file beside it, or nothing: reuse's
# own choice.
style_of() {
  local path="$1"
  case "$path" in
    *.desktop.in | *.cmake.in | *.sh.in | *.py.in) echo python ;;
    *.xml.in | *.html.in | *.svg.in) echo html ;;
    *.h.in | *.cpp.in | *.rc.in | *.c.in) echo c ;;
    *.ts) echo html ;;  # Qt Linguist catalogues are XML, not TypeScript
    *.supp | .clang-format | */.clang-format) echo python ;;
    packaging/copyright.in | */changelog.in | *.1) echo license ;;
    *.in) echo license ;;
    *) if [ "$(head -c 2 "$path")" = "#!" ]; then echo python; fi ;;
  esac
}

states() {
  grep -qs 'SPDX-License-Identifier:' "$1" || grep -qs 'SPDX-License-Identifier:' "$1.license"
}

declare -A by_style=()
for path in "${files[@]}"; do
  case "$path" in
    LICENSE | LICENSES/* | .reuse/* | *.license) continue ;;  # licences and their records
  esac
  if [ ! -f "$path" ] || states "$path"; then
    continue  # deleted, a folder, or stated already
  fi
  style="$(style_of "$path")"
  by_style[${style:-auto}]+="$path"$'\n'
done

for style in "${!by_style[@]}"; do
  mapfile -t group < <(printf '%s' "${by_style[$style]}")
  case "$style" in
    license) "${annotate[@]}" --force-dot-license "${group[@]}" ;;
    auto) "${annotate[@]}" --skip-unrecognised "${group[@]}" ;;
    *) "${annotate[@]}" --style "$style" "${group[@]}" ;;
  esac
  # What reuse skipped as unrecognised gets a .license.
  for path in "${group[@]}"; do
    if ! states "$path"; then
      "${annotate[@]}" --force-dot-license "$path"
    fi
  done
done
