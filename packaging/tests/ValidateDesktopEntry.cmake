# SPDX-FileCopyrightText: 2026 The alkynes authors
# SPDX-License-Identifier: GPL-3.0-or-later

# cmake -DFILE=<entry.desktop> -P ValidateDesktopEntry.cmake
# Runs desktop-file-validate on the program's desktop entry: errors and
# warnings fail, hints pass.  Skipped when the tool is not installed.
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/Validate.cmake)

alkynes_validate(desktop-file-validate desktop-file-utils "(error|warning):")

# What the program relies on beyond the format: names in English and
# Greek, and one main category (Education) with Chemistry under it.
alkynes_expect_texts(LINES "Version=1.4" "Type=Application" "Name=Preparations of alkynes"
                     "Name[el]=Παρασκευές αλκινίων" "Terminal=false"
                     "Categories=Education;Chemistry;")
