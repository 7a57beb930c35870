#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The alkynes authors
# SPDX-License-Identifier: GPL-3.0-or-later

# lintian.sh DIR: lintian's verdict on the one Debian package in DIR.  Any
# error or warning fails; information and pedantic tags are shown and pass.
# Exits with 77 (the test is skipped) where lintian is not installed.
set -euo pipefail
if ! command -v lintian >/dev/null; then
  echo "lintian is not installed (Debian package lintian)"
  exit 77
fi
shopt -s nullglob
debs=("$1"/*.deb)
if [ "${#debs[@]}" -ne 1 ]; then
  echo "expected one .deb in $1, found ${#debs[@]}" >&2
  exit 1
fi
exec lintian --display-info --pedantic --fail-on error,warning "${debs[0]}"
