# SPDX-FileCopyrightText: 2026 The alkynes authors
# SPDX-License-Identifier: GPL-3.0-or-later

# cmake -DFILE=<entry.desktop> -P ValidateDesktopEntry.cmake
# Runs desktop-file-validate on the program's desktop entry: errors and
# warnings fail, hints pass.  Skipped when the tool is not installed.
cmake_minimum_required(VERSION 3.25)

find_program(VALIDATOR desktop-file-validate)
if(NOT VALIDATOR)
  message("SKIPPED: desktop-file-validate is not installed (Debian package desktop-file-utils)")
  return()
endif()
execute_process(COMMAND ${VALIDATOR} ${FILE}
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
message("${out}${err}")
if(NOT rc EQUAL 0 OR "${out}${err}" MATCHES "(error|warning):")
  message(FATAL_ERROR "desktop-file-validate rejects ${FILE} (exit code ${rc})")
endif()

# What the program relies on beyond the format: names in English and
# Greek, and one main category (Education) with Chemistry under it.
file(READ ${FILE} entry)
foreach(expected "Version=1.4" "Type=Application" "Name=Preparations of alkynes"
                 "Name[el]=Παρασκευές αλκινίων" "Terminal=false"
                 "Categories=Education;Chemistry;")
  string(FIND "\n${entry}" "\n${expected}\n" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "${FILE} lacks the line '${expected}'")
  endif()
endforeach()
