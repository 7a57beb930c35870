# Installation and packages of the program: the executable, its desktop
# entry, AppStream metadata and icons (Linux and other freedesktop systems),
# the icon and version record of the executable (Windows), and a Debian
# package made with CPack (`cpack -G DEB` in the build directory).
#
# Included from the top-level CMakeLists.txt after the `alkynes` executable
# and the `content` library (the icon's drawing) are defined, and after
# info/ (which defines the school's names and hosts).

include(GNUInstallDirs)

set(ALKYNES_EXECUTABLE alkynes)
set(ALKYNES_APP_ID "example.lykeio_orthalion.alkynes" CACHE STRING
    "Reverse-DNS identifier of the application (desktop entry, AppStream metadata, icon name)")
string(REGEX REPLACE "^www\\." "" _alkynes_mail_domain "${ALKYNES_SCHOOL_HOST}")
string(REGEX REPLACE ":[0-9]+$" "" _alkynes_mail_domain "${_alkynes_mail_domain}")
set(ALKYNES_PACKAGE_CONTACT "${ALKYNES_AUTHOR} <alkynes@${_alkynes_mail_domain}>" CACHE STRING
    "Maintainer of the Debian package: name <e-mail>")
if(NOT ALKYNES_APP_ID MATCHES "^[a-z][a-z0-9_]*(\\.[A-Za-z_][A-Za-z0-9_]*)+$")
  message(FATAL_ERROR "ALKYNES_APP_ID must be a reverse-DNS name such as org.example.alkynes")
endif()

set(_alkynes_packaging_dir ${CMAKE_CURRENT_LIST_DIR})
set(_alkynes_packaging_out ${CMAKE_BINARY_DIR}/packaging)

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

if(WIN32)
  # Icon and version record of the executable: version from the project,
  # and a comment that names the program a worksheet for an introduction to
  # organic chemistry.
  string(REPLACE "\"" "\"\"" ALKYNES_RC_SCHOOL_NAME "${ALKYNES_SCHOOL_NAME}")
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
  foreach(var ALKYNES_AUTHOR ALKYNES_SCHOOL_HOST)
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
    configure_file(${_alkynes_packaging_dir}/alkynes.metainfo.xml.in ${ALKYNES_METAINFO_FILE} @ONLY)
  endblock()

  install(FILES ${ALKYNES_DESKTOP_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${ALKYNES_METAINFO_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  foreach(size IN LISTS ALKYNES_ICON_SIZES)
    install(FILES ${_alkynes_icon_dir}/${size}x${size}/apps/${ALKYNES_APP_ID}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
  endforeach()
endif()

# The Debian package.  Its dependencies are the shared libraries the
# executable really needs (found by dpkg-shlibdeps), the Liberation fonts
# that stand in for the window's typefaces, xdg-utils, which hands the
# program's web links to the browser, and Qt's platform plugins (loaded at
# run time, so invisible to dpkg-shlibdeps, and only recommended by Qt).
set(CPACK_PACKAGE_NAME ${ALKYNES_EXECUTABLE})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "${ALKYNES_SCHOOL_NAME}")
set(CPACK_PACKAGE_CONTACT "${ALKYNES_PACKAGE_CONTACT}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Παρασκευές αλκινίων: φύλλο εργασίας για την εισαγωγή στην οργανική χημεία")
set(CPACK_PACKAGE_DESCRIPTION
    "Άσκηση οργανικής χημείας για μαθητές: ο μαθητής σύρει τις ενώσεις στις θέσεις πέντε χημικών εξισώσεων παρασκευής αλκινίων, συμπληρώνει τους συντελεστές και ζητά έλεγχο με βαθμό στα 100.")
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
endif()
