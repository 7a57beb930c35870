#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The alkynes authors
# SPDX-License-Identifier: GPL-3.0-or-later

# Writes the seeds of both fuzz targets into DIR and hands each target its
# own once: a target aborts on any broken promise or board invariant.
#   replay-seeds.sh NUMBER_READING_FUZZ WINDOW_MODEL_FUZZ DIR
set -euo pipefail
source "$(dirname "$0")/seeds.sh"
rm -rf "$3"
mkdir -p "$3/number" "$3/window"
write_number_seeds "$3/number"
write_window_seeds "$3/window"
"$1" "$3"/number/*
"$2" "$3"/window/*
