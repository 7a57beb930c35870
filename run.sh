#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The alkynes authors
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what building and running the program needs (only what is
# missing), builds the program alone, and opens the exercise window.  The
# test suite and its tools are test.sh's business.
set -euo pipefail
source "$(dirname "$0")/scripts/setup.sh"
ROOT="$(alkynes_root)"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "run.sh: no display (neither DISPLAY nor WAYLAND_DISPLAY is set)." >&2
  echo "The exercise is a desktop window; start it from a graphical session." >&2
  echo "To build and run the tests without a display, use ./test.sh." >&2
  exit 1
fi

alkynes_install_packages "${ALKYNES_PROGRAM_PACKAGES[@]}"
mapfile -t options < <(alkynes_program_options build)
alkynes_build build "$ALKYNES_PROGRAM_TARGET" -DALKYNES_WERROR=ON "${options[@]}"

PROGRAM="$ROOT/build/app/alkynes"
if [ ! -x "$PROGRAM" ]; then
  echo "run.sh: the program was not built ($PROGRAM is missing)." >&2
  exit 1
fi
exec "$PROGRAM"
