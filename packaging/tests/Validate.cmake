# SPDX-FileCopyrightText: 2026 The alkynes authors
# SPDX-License-Identifier: GPL-3.0-or-later

# What the validation scripts of the packaging share: running a Debian
# validator on a file, and looking for the lines the program relies on.

# Runs TOOL with ARGS and FILE, and fails when it exits non-zero or prints a
# line matching FAILING (its errors and warnings).  A macro, so that a
# missing tool ends the calling script as skipped.
macro(alkynes_validate tool package failing)
  find_program(VALIDATOR ${tool})
  if(NOT VALIDATOR)
    message("SKIPPED: ${tool} is not installed (Debian package ${package})")
    return()
  endif()
  execute_process(COMMAND ${VALIDATOR} ${ARGN} ${FILE}
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  message("${out}${err}")
  if(NOT rc EQUAL 0 OR "\n${out}${err}" MATCHES "${failing}")
    message(FATAL_ERROR "${tool} rejects ${FILE} (exit code ${rc})")
  endif()
endmacro()

# Fails unless FILE holds each of the texts after it, each at the start of
# a line when LINES is given.
function(alkynes_expect_texts)
  cmake_parse_arguments(PARSE_ARGV 0 E "LINES" "" "")
  file(READ ${FILE} content)
  foreach(expected IN LISTS E_UNPARSED_ARGUMENTS)
    if(E_LINES)
      string(FIND "\n${content}" "\n${expected}\n" at)
    else()
      string(FIND "${content}" "${expected}" at)
    endif()
    if(at EQUAL -1)
      message(FATAL_ERROR "${FILE} lacks '${expected}'")
    endif()
  endforeach()
endfunction()
