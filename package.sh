#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The alkynes authors
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the Debian package of the program into build/ and prints its path
# (build/alkynes_<version>_<architecture>.deb).  Installs what building it
# needs, builds only what the package holds (not the tests), in build/ as
# run.sh does.  CMake options go to the configure step, for example a
# school's own maintainer and names:
#   ./package.sh -DALKYNES_PACKAGE_CONTACT="Μαρία Νικολάου <alkynes@myschool.gr>"
set -euo pipefail
source "$(dirname "$0")/scripts/setup.sh"
ROOT="$(alkynes_root)"

alkynes_install_packages "${ALKYNES_PROGRAM_PACKAGES[@]}" "${ALKYNES_PACKAGE_PACKAGES[@]}"
mapfile -t options < <(alkynes_program_options build)
alkynes_build build alkynes_package_files -DALKYNES_WERROR=ON "${options[@]}" "$@"

version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$ROOT/build/CMakeCache.txt")"
rm -f "$ROOT"/build/alkynes_*.deb
(cd "$ROOT/build" && cpack -G DEB >/dev/null)
deb=("$ROOT"/build/alkynes_"$version"_*.deb)
if [ ! -f "${deb[0]}" ]; then
  echo "package.sh: cpack made no package in $ROOT/build" >&2
  exit 1
fi
echo "${deb[0]}"
