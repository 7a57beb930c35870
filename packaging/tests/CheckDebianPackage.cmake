# SPDX-FileCopyrightText: 2026 The alkynes authors
# SPDX-License-Identifier: GPL-3.0-or-later

# cmake -DBUILD_DIR=<build> -DOUT_DIR=<dir> -DPACKAGE=<name> -DVERSION=<v>
#       -P CheckDebianPackage.cmake
# Builds the Debian package with CPack and checks its control fields and
# contents: dependencies found from the executable's shared libraries plus
# the fonts and xdg-utils, and the installed files under /usr.  Skipped
# where the Debian tools are missing.
cmake_minimum_required(VERSION 3.25)

find_program(DPKG_DEB dpkg-deb)
find_program(DPKG_SHLIBDEPS dpkg-shlibdeps)
if(NOT DPKG_DEB OR NOT DPKG_SHLIBDEPS)
  message("SKIPPED: dpkg-deb and dpkg-shlibdeps are needed (Debian packages dpkg, dpkg-dev)")
  return()
endif()
get_filename_component(bin_dir ${CMAKE_COMMAND} DIRECTORY)
find_program(CPACK cpack HINTS ${bin_dir} NO_DEFAULT_PATH)
if(NOT CPACK)
  find_program(CPACK cpack REQUIRED)
endif()

file(REMOVE_RECURSE ${OUT_DIR})
execute_process(COMMAND ${CPACK} --config ${BUILD_DIR}/CPackConfig.cmake -G DEB -B ${OUT_DIR}
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cpack failed (${rc}):\n${out}${err}")
endif()
file(GLOB debs ${OUT_DIR}/${PACKAGE}_*.deb)
list(LENGTH debs count)
if(NOT count EQUAL 1)
  message(FATAL_ERROR "expected one ${PACKAGE}_*.deb in ${OUT_DIR}, found: ${debs}")
endif()

execute_process(COMMAND ${DPKG_DEB} -f ${debs} Package Version Depends
  OUTPUT_VARIABLE fields RESULT_VARIABLE rc)
message("${fields}")
string(REGEX MATCH "Depends: ([^\n]*)" _ "${fields}")
set(depends "${CMAKE_MATCH_1}")
foreach(expected "Package: ${PACKAGE}" "Version: ${VERSION}")
  string(FIND "${fields}" "${expected}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the package lacks '${expected}'")
  endif()
endforeach()
# From the shared libraries: the C library and Qt's widgets; added by hand:
# the fonts, xdg-utils and Qt's platform plugins.
foreach(needed "libc6" "libqt6widgets6" "libqt6gui6" "libstdc++6"
               "fonts-liberation2 | fonts-liberation" "fonts-dejavu-core" "xdg-utils"
               "qt6-qpa-plugins")
  string(FIND "${depends}" "${needed}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "Depends lacks '${needed}': ${depends}")
  endif()
endforeach()

execute_process(COMMAND ${DPKG_DEB} -c ${debs} OUTPUT_VARIABLE listing)
foreach(path "./usr/bin/${PACKAGE}" "./usr/share/applications/" "./usr/share/metainfo/"
             "./usr/share/icons/hicolor/256x256/apps/" "./usr/share/man/man1/${PACKAGE}.1.gz"
             "./usr/share/doc/${PACKAGE}/copyright" "./usr/share/doc/${PACKAGE}/changelog.gz")
  string(FIND "${listing}" "${path}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the package does not hold ${path}:\n${listing}")
  endif()
endforeach()
