# SPDX-FileCopyrightText: 2026 The alkynes authors
# SPDX-License-Identifier: GPL-3.0-or-later

# cmake -DFILE=<id.metainfo.xml> -P ValidateMetainfo.cmake
# Runs `appstreamcli validate --pedantic --no-net` on the program's AppStream
# metadata: errors and warnings fail, information and pedantic notes pass.
# Then checks what software centres show beyond the format.  Skipped when
# the tool is not installed.
cmake_minimum_required(VERSION 3.25)

find_program(VALIDATOR appstreamcli)
if(NOT VALIDATOR)
  message("SKIPPED: appstreamcli is not installed (Debian package appstream)")
  return()
endif()
execute_process(COMMAND ${VALIDATOR} validate --pedantic --no-net ${FILE}
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
message("${out}${err}")
if(NOT rc EQUAL 0 OR "\n${out}${err}" MATCHES "\n[EW]: ")
  message(FATAL_ERROR "appstreamcli rejects ${FILE} (exit code ${rc})")
endif()

file(READ ${FILE} meta)
foreach(expected
    "<project_license>GPL-3.0-or-later</project_license>"
    "<name xml:lang=\"el\">Παρασκευές αλκινίων</name>"
    "<summary xml:lang=\"el\">"
    "<screenshot type=\"default\">"
    "<release version=\"1.0.0.0\" date=\""
    "<content_rating type=\"oars-1.1\"")
  string(FIND "${meta}" "${expected}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "${FILE} lacks ${expected}")
  endif()
endforeach()
