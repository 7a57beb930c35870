#!/usr/bin/env bash
# Installs what is missing, builds, and opens the exercise window.
set -euo pipefail
source "$(dirname "$0")/scripts/setup.sh"
ROOT="$(alkynes_root)"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "run.sh: no display (neither DISPLAY nor WAYLAND_DISPLAY is set)." >&2
  echo "The exercise is a desktop window; start it from a graphical session." >&2
  echo "To build and run the tests without a display, use ./test.sh." >&2
  exit 1
fi

alkynes_install_packages
alkynes_build build -DALKYNES_WERROR=ON

PROGRAM="$ROOT/build/app/alkynes"
if [ ! -x "$PROGRAM" ]; then
  echo "run.sh: the program was not built ($PROGRAM is missing)." >&2
  exit 1
fi
exec "$PROGRAM"
