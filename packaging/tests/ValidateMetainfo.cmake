# cmake -DFILE=<id.metainfo.xml> -P ValidateMetainfo.cmake
# Runs `appstreamcli validate --no-net` on the program's AppStream metadata;
# it must validate (infos and pedantic notes are allowed).  Skipped when the
# tool is not installed.
cmake_minimum_required(VERSION 3.25)

find_program(VALIDATOR appstreamcli)
if(NOT VALIDATOR)
  message("SKIPPED: appstreamcli is not installed (Debian package appstream)")
  return()
endif()
execute_process(COMMAND ${VALIDATOR} validate --no-net ${FILE}
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
message("${out}${err}")
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "appstreamcli does not validate ${FILE} (exit code ${rc})")
endif()
