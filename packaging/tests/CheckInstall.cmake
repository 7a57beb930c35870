# SPDX-FileCopyrightText: 2026 The alkynes authors
# SPDX-License-Identifier: GPL-3.0-or-later

# cmake -DBUILD_DIR=<build> -DPREFIX=<dir> -DAPP_ID=<id> -DEXECUTABLE=<name>
#       -DICON_SIZES=<n;n;...> -P CheckInstall.cmake
# Installs the build into a fresh prefix with `cmake --install` and checks
# the installed program: the executable, its desktop entry pointing at it
# and at its icon, the AppStream metadata launching that entry, and one
# PNG icon of the right size for each size of the icon theme.
cmake_minimum_required(VERSION 3.25)

file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${rc}):\n${out}${err}")
endif()

set(binary ${PREFIX}/bin/${EXECUTABLE})
if(NOT EXISTS ${binary} OR IS_DIRECTORY ${binary})
  message(FATAL_ERROR "the program was not installed as ${binary}")
endif()
file(READ ${binary} elf LIMIT 4 HEX)
if(NOT elf STREQUAL "7f454c46")
  message(FATAL_ERROR "${binary} is not an executable (starts with ${elf})")
endif()

set(desktop ${PREFIX}/share/applications/${APP_ID}.desktop)
set(metainfo ${PREFIX}/share/metainfo/${APP_ID}.metainfo.xml)
foreach(f ${desktop} ${metainfo})
  if(NOT EXISTS ${f})
    message(FATAL_ERROR "missing ${f}")
  endif()
endforeach()
file(READ ${desktop} entry)
foreach(expected "Exec=${EXECUTABLE}" "Icon=${APP_ID}")
  string(FIND "\n${entry}" "\n${expected}\n" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "${desktop} lacks '${expected}'")
  endif()
endforeach()
file(READ ${metainfo} meta)
if(NOT meta MATCHES "<id>${APP_ID}</id>"
   OR NOT meta MATCHES "<launchable type=\"desktop-id\">${APP_ID}\\.desktop</launchable>")
  message(FATAL_ERROR "${metainfo} does not name ${APP_ID} and its desktop entry")
endif()

# PNG: 8-byte signature, then the IHDR chunk whose data begins with the
# width and height as 32-bit big-endian numbers (bytes 16 to 23).
foreach(size IN LISTS ICON_SIZES)
  set(icon ${PREFIX}/share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
  if(NOT EXISTS ${icon})
    message(FATAL_ERROR "missing icon ${icon}")
  endif()
  file(READ ${icon} signature LIMIT 8 HEX)
  file(READ ${icon} dims OFFSET 16 LIMIT 8 HEX)
  string(SUBSTRING ${dims} 0 8 w)
  string(SUBSTRING ${dims} 8 8 h)
  math(EXPR w "0x${w}")
  math(EXPR h "0x${h}")
  if(NOT signature STREQUAL "89504e470d0a1a0a" OR NOT w EQUAL size OR NOT h EQUAL size)
    message(FATAL_ERROR "${icon} is not a ${size} x ${size} PNG (${signature}, ${w} x ${h})")
  endif()
endforeach()
message("installed and checked under ${PREFIX}")
