# SPDX-FileCopyrightText: 2026 The alkynes authors
# SPDX-License-Identifier: GPL-3.0-or-later

# Installation and packages of the program: the executable, its desktop
# entry, AppStream metadata, icons, manual page, changelog and copyright
# (Linux and other freedesktop systems), the icon and version record of the
# executable (Windows), and a Debian package made with CPack (./package.sh,
# or `cpack -G DEB` in the build directory).
#
# Included from the top-level CMakeLists.txt after the `alkynes` executable
# (which defines the application id) and the `content` library (the icon's
# drawing) are defined, and after info/ (which defines the school's names
# and hosts).

include(GNUInstallDirs)

set(ALKYNES_EXECUTABLE alkynes)
string(REGEX REPLACE "^www\\." "" _alkynes_mail_domain "${ALKYNES_SCHOOL_HOST}")
string(REGEX REPLACE ":[0-9]+$" "" _alkynes_mail_domain "${_alkynes_mail_domain}")
set(ALKYNES_PACKAGE_CONTACT "${ALKYNES_AUTHOR} <alkynes@${_alkynes_mail_domain}>" CACHE STRING
    "Maintainer of the Debian package: name <e-mail>")
if(NOT ALKYNES_PACKAGE_CONTACT MATCHES "^[^<>]*[^<> ] <[^<>@ ]+@[^<>@ ]+\\.[^<>@ ]+>$")
  message(FATAL_ERROR
    "ALKYNES_PACKAGE_CONTACT must read 'Name <e-mail>', not '${ALKYNES_PACKAGE_CONTACT}'")
endif()
# Where the school's web server offers the picture of the exercise window
# (docs/screenshot.png) to software centres, relative to its root.
set(ALKYNES_SCREENSHOT_PATH "Lessons/04RIZAZARADA/Chemistry/Tessarine/QX/alkynes.png")

set(_alkynes_packaging_dir ${CMAKE_CURRENT_LIST_DIR})
set(_alkynes_packaging_out ${CMAKE_BINARY_DIR}/packaging)
# Installed directories are rwxr-xr-x whatever the umask of the build.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# The executable.
install(TARGETS ${ALKYNES_EXECUTABLE} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# The window icon rendered from its drawing, at the sizes of the icon theme
# (and as the 32 x 32 .ico of the Windows executable).
add_executable(alkynes_render_icons ${_alkynes_packaging_dir}/RenderIcons.cpp)
target_link_libraries(alkynes_render_icons PRIVATE content)

set(ALKYNES_ICON_SIZES 16 32 48 64 128 256)
set(_alkynes_icon_dir ${_alkynes_packaging_out}/icons)
set(_alkynes_icons "")
foreach(size IN LISTS ALKYNES_ICON_SIZES)
  list(APPEND _alkynes_icons ${_alkynes_icon_dir}/${size}x${size}/apps/${ALKYNES_APP_ID}.png)
endforeach()
set(_alkynes_ico_args "")
if(WIN32)
  set(ALKYNES_ICO_FILE ${_alkynes_packaging_out}/alkynes.ico)
  set(_alkynes_ico_args --ico ${ALKYNES_ICO_FILE})
endif()
add_custom_command(
  OUTPUT ${_alkynes_icons} ${ALKYNES_ICO_FILE}
  COMMAND alkynes_render_icons ${_alkynes_icon_dir} ${ALKYNES_APP_ID} ${_alkynes_ico_args}
  DEPENDS alkynes_render_icons
  COMMENT "Rendering the program's icon"
  VERBATIM)
add_custom_target(alkynes_icons ALL DEPENDS ${_alkynes_icons} ${ALKYNES_ICO_FILE})
# Everything the packages install; ./package.sh builds this, not the tests.
add_custom_target(alkynes_package_files)
add_dependencies(alkynes_package_files ${ALKYNES_EXECUTABLE} alkynes_icons)

if(WIN32)
  # Icon and version record of the executable: version from the project,
  # and a comment that names the program a worksheet for an introduction to
  # organic chemistry.
  string(REPLACE "\"" "\"\"" ALKYNES_RC_SCHOOL_NAME "${ALKYNES_SCHOOL_NAME}")
  string(REPLACE "\"" "\"\"" ALKYNES_RC_TITLE "${ALKYNES_TITLE}")
  if(NOT DEFINED PROJECT_VERSION_TWEAK OR PROJECT_VERSION_TWEAK STREQUAL "")
    set(PROJECT_VERSION_TWEAK 0)
  endif()
  configure_file(${_alkynes_packaging_dir}/alkynes.rc.in ${_alkynes_packaging_out}/alkynes.rc @ONLY)
  set_source_files_properties(${_alkynes_packaging_out}/alkynes.rc PROPERTIES
    OBJECT_DEPENDS ${ALKYNES_ICO_FILE})
  target_sources(${ALKYNES_EXECUTABLE} PRIVATE ${_alkynes_packaging_out}/alkynes.rc)
  add_dependencies(${ALKYNES_EXECUTABLE} alkynes_icons)
endif()

if(UNIX AND NOT APPLE)
  # The desktop entry, the AppStream metadata and the themed icons.
  foreach(var ALKYNES_AUTHOR ALKYNES_SCHOOL_HOST ALKYNES_TITLE)
    string(REPLACE "&" "&amp;" value "${${var}}")
    string(REPLACE "<" "&lt;" value "${value}")
    string(REPLACE ">" "&gt;" value "${value}")
    set(_xml_${var} "${value}")
  endforeach()
  set(ALKYNES_DESKTOP_FILE ${_alkynes_packaging_out}/${ALKYNES_APP_ID}.desktop)
  set(ALKYNES_METAINFO_FILE ${_alkynes_packaging_out}/${ALKYNES_APP_ID}.metainfo.xml)
  configure_file(${_alkynes_packaging_dir}/alkynes.desktop.in ${ALKYNES_DESKTOP_FILE} @ONLY)
  block()
    set(ALKYNES_AUTHOR "${_xml_ALKYNES_AUTHOR}")
    set(ALKYNES_SCHOOL_HOST "${_xml_ALKYNES_SCHOOL_HOST}")
    set(ALKYNES_TITLE "${_xml_ALKYNES_TITLE}")
    configure_file(${_alkynes_packaging_dir}/alkynes.metainfo.xml.in ${ALKYNES_METAINFO_FILE} @ONLY)
  endblock()

  install(FILES ${ALKYNES_DESKTOP_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${ALKYNES_METAINFO_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  foreach(size IN LISTS ALKYNES_ICON_SIZES)
    install(FILES ${_alkynes_icon_dir}/${size}x${size}/apps/${ALKYNES_APP_ID}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
  endforeach()

  # The manual page and the changelog, compressed as Debian ships them:
  # gzip -9 without the file's name and time in the header, so that the
  # same sources give the same package.  The copyright file and the list
  # of authors it names as they are.
  find_program(ALKYNES_GZIP gzip REQUIRED)
  set(_alkynes_doc ${_alkynes_packaging_out}/doc)
  configure_file(${_alkynes_packaging_dir}/changelog.in ${_alkynes_doc}/changelog @ONLY)
  configure_file(${_alkynes_packaging_dir}/alkynes.1 ${_alkynes_doc}/alkynes.1 COPYONLY)
  configure_file(${_alkynes_packaging_dir}/copyright.in ${_alkynes_doc}/copyright @ONLY)
  set(_alkynes_docs "")
  foreach(doc changelog alkynes.1)
    add_custom_command(
      OUTPUT ${_alkynes_doc}/${doc}.gz
      COMMAND ${ALKYNES_GZIP} -9 --no-name --keep --force ${_alkynes_doc}/${doc}
      DEPENDS ${_alkynes_doc}/${doc}
      VERBATIM)
    list(APPEND _alkynes_docs ${_alkynes_doc}/${doc}.gz)
  endforeach()
  add_custom_target(alkynes_docs ALL DEPENDS ${_alkynes_docs})
  add_dependencies(alkynes_package_files alkynes_docs)
  install(FILES ${_alkynes_doc}/alkynes.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${_alkynes_doc}/changelog.gz ${_alkynes_doc}/copyright
                ${PROJECT_SOURCE_DIR}/AUTHORS
          DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${ALKYNES_EXECUTABLE})
endif()

# The Debian package.  Its dependencies are the shared libraries the
# executable really needs (found by dpkg-shlibdeps), the Liberation fonts
# that stand in for the window's typefaces, xdg-utils, which hands the
# program's web links to the browser, and Qt's platform plugins (loaded at
# run time, so invisible to dpkg-shlibdeps, and only recommended by Qt).
# Its description is in English, as Debian's are (translations go through
# Debian's description translation project), with a Greek paragraph for the
# teachers who install it.
set(CPACK_PACKAGE_NAME ${ALKYNES_EXECUTABLE})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "${ALKYNES_SCHOOL_NAME}")
set(CPACK_PACKAGE_CONTACT "${ALKYNES_PACKAGE_CONTACT}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "organic chemistry exercise in Greek: the preparations of alkynes")
set(CPACK_PACKAGE_DESCRIPTION [=[
A worksheet for an introduction to organic chemistry, for Greek-speaking
secondary-school students. The student drags compounds with the mouse into
the blanks of five chemical equations, types their coefficients and asks
for a check, which grades the attempt out of 100, sends wrongly placed
compounds back and empties wrong coefficients.

The equations show three ways of preparing acetylene and the alkynes: the
pyrolysis of methane, the hydrolysis of calcium carbide and the
dehydrohalogenation of dichloroalkanes with an alcoholic solution of a base.

Στα ελληνικά: άσκηση οργανικής χημείας για μαθητές του λυκείου. Ο μαθητής
σύρει τις ενώσεις στις θέσεις πέντε χημικών εξισώσεων παρασκευής αλκινίων,
συμπληρώνει τους συντελεστές και επιλέγει «Έλεγχος»: το πρόγραμμα
βαθμολογεί την προσπάθεια με άριστα το 100.
]=])
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "http://${ALKYNES_SCHOOL_HOST}/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# fonts-dejavu-core: on a minimal system fontconfig's "sans-serif", which the
# menu bar and message boxes use, is otherwise Liberation Mono.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-liberation2 | fonts-liberation, fonts-dejavu-core, xdg-utils, qt6-qpa-plugins")
include(CPack)

if(ALKYNES_BUILD_TESTS AND UNIX AND NOT APPLE)
  set(_alkynes_checks ${_alkynes_packaging_dir}/tests)
  add_test(NAME packaging.desktop_entry_validates
    COMMAND ${CMAKE_COMMAND} -DFILE=${ALKYNES_DESKTOP_FILE}
            -P ${_alkynes_checks}/ValidateDesktopEntry.cmake)
  add_test(NAME packaging.metainfo_validates
    COMMAND ${CMAKE_COMMAND} -DFILE=${ALKYNES_METAINFO_FILE}
            -P ${_alkynes_checks}/ValidateMetainfo.cmake)
  add_test(NAME packaging.install_tree
    COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${CMAKE_BINARY_DIR}
            -DPREFIX=${_alkynes_packaging_out}/test-install
            -DAPP_ID=${ALKYNES_APP_ID} -DEXECUTABLE=${ALKYNES_EXECUTABLE}
            "-DICON_SIZES=${ALKYNES_ICON_SIZES}"
            -P ${_alkynes_checks}/CheckInstall.cmake)
  add_test(NAME packaging.debian_package
    COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${CMAKE_BINARY_DIR}
            -DOUT_DIR=${_alkynes_packaging_out}/test-deb
            -DPACKAGE=${ALKYNES_EXECUTABLE} -DVERSION=${PROJECT_VERSION}
            -P ${_alkynes_checks}/CheckDebianPackage.cmake)
  set_tests_properties(packaging.desktop_entry_validates packaging.metainfo_validates
                       packaging.install_tree packaging.debian_package
    PROPERTIES LABELS packaging SKIP_REGULAR_EXPRESSION "SKIPPED: ")
  # Installing writes install_manifest.txt into the build directory: one at a time.
  set_tests_properties(packaging.install_tree packaging.debian_package
    PROPERTIES RESOURCE_LOCK alkynes_install TIMEOUT 300)
  set_tests_properties(packaging.debian_package PROPERTIES FIXTURES_SETUP alkynes_deb)

  # The sources' licensing, as reuse judges it; run.sh, whose packages and
  # build leave out the test suite's tools; and the package that
  # packaging.debian_package built, as lintian judges it (not for a
  # sanitizer build, which is never shipped).  Exit code 77: the tool
  # needed is not installed.
  add_test(NAME packaging.reuse_lint COMMAND ${_alkynes_checks}/reuse-lint.sh ${PROJECT_SOURCE_DIR})
  add_test(NAME packaging.run_sh_builds_only_the_program
    COMMAND ${PROJECT_SOURCE_DIR}/scripts/tests/check-run-set-up.sh
            ${_alkynes_packaging_out}/test-run-build)
  set_tests_properties(packaging.reuse_lint packaging.run_sh_builds_only_the_program
    PROPERTIES LABELS packaging SKIP_RETURN_CODE 77 TIMEOUT 300)
  if(NOT ALKYNES_SANITIZE)
    add_test(NAME packaging.lintian
      COMMAND ${_alkynes_checks}/lintian.sh ${_alkynes_packaging_out}/test-deb)
    set_tests_properties(packaging.lintian PROPERTIES
      LABELS packaging SKIP_RETURN_CODE 77 TIMEOUT 300 FIXTURES_REQUIRED alkynes_deb)
  endif()
endif()
