#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The alkynes authors
# SPDX-License-Identifier: GPL-3.0-or-later

# reuse-lint.sh SOURCE_DIR: every file of the sources states its copyright
# and licence, and every licence named has its text in LICENSES/ (the REUSE
# rules, checked by `reuse lint`).  Files git ignores, such as build
# folders, are not looked at.  Exits with 77 (the test is skipped) where
# reuse is not installed.
set -euo pipefail
if ! command -v reuse >/dev/null; then
  echo "reuse is not installed (Debian package reuse)"
  exit 77
fi
exec reuse --root "$1" lint
