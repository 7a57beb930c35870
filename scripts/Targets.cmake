# SPDX-FileCopyrightText: 2026 The alkynes authors
# SPDX-License-Identifier: GPL-3.0-or-later

# What the link check (scripts/check-links.py) reads of the build: every
# target of the project with its folder, its sources and its links, as CMake
# holds them once the whole project is configured.  Written to
# <build>/targets.tsv, one row a fact:
#   <target> TAB type TAB <TYPE> TAB <folder relative to the sources>
#   <target> TAB source TAB <absolute path>
#   <target> TAB link TAB <target> TAB PUBLIC|PRIVATE|INTERFACE
#
# Included from the top-level CMakeLists.txt, which calls
# alkynes_write_targets() once every folder is added.

function(_alkynes_targets_below dir out)
  get_property(targets DIRECTORY "${dir}" PROPERTY BUILDSYSTEM_TARGETS)
  get_property(subdirs DIRECTORY "${dir}" PROPERTY SUBDIRECTORIES)
  foreach(sub IN LISTS subdirs)
    _alkynes_targets_below("${sub}" more)
    list(APPEND targets ${more})
  endforeach()
  set(${out} ${targets} PARENT_SCOPE)
endfunction()

# Whether `target` is one that Qt made of a target's resources (an object
# library linked into it, from Qt 6.8 for static libraries): part of the
# target it was made for, not a folder's library of its own.
function(_alkynes_made_by_qt target out)
  get_target_property(resource ${target} _qt_resource_name)
  if(resource)
    set(${out} TRUE PARENT_SCOPE)
  else()
    set(${out} FALSE PARENT_SCOPE)
  endif()
endfunction()

# The links of `target` to other targets of this project, each with how it
# was declared: PUBLIC links stand in both link properties, PRIVATE ones in
# LINK_LIBRARIES alone (a static library repeats them as $<LINK_ONLY:...>
# in its interface), INTERFACE ones in INTERFACE_LINK_LIBRARIES alone.
function(_alkynes_links target out)
  get_target_property(own ${target} LINK_LIBRARIES)
  get_target_property(interface ${target} INTERFACE_LINK_LIBRARIES)
  foreach(list own interface)
    if(NOT ${list})
      set(${list} "")
    endif()
  endforeach()
  set(rows "")
  foreach(link IN LISTS own interface)
    if(link MATCHES "^\\$<" OR link MATCHES "::" OR NOT TARGET ${link} OR link IN_LIST seen)
      continue()
    endif()
    list(APPEND seen ${link})
    _alkynes_made_by_qt(${link} qt)
    if(qt)
      continue()
    endif()
    if(link IN_LIST own AND link IN_LIST interface)
      set(how PUBLIC)
    elseif(link IN_LIST own)
      set(how PRIVATE)
    else()
      set(how INTERFACE)
    endif()
    string(APPEND rows "${target}\tlink\t${link}\t${how}\n")
  endforeach()
  set(${out} "${rows}" PARENT_SCOPE)
endfunction()

function(alkynes_write_targets)
  _alkynes_targets_below("${PROJECT_SOURCE_DIR}" targets)
  set(rows "")
  foreach(target IN LISTS targets)
    get_target_property(type ${target} TYPE)
    _alkynes_made_by_qt(${target} qt)
    if(qt OR NOT type MATCHES
             "^(EXECUTABLE|STATIC_LIBRARY|SHARED_LIBRARY|OBJECT_LIBRARY|INTERFACE_LIBRARY)$")
      continue()
    endif()
    get_target_property(dir ${target} SOURCE_DIR)
    file(RELATIVE_PATH folder "${PROJECT_SOURCE_DIR}" "${dir}")
    string(APPEND rows "${target}\ttype\t${type}\t${folder}\n")
    get_target_property(sources ${target} SOURCES)
    foreach(source IN LISTS sources)
      if(source MATCHES "^\\$<" OR NOT source)
        continue()
      endif()
      cmake_path(ABSOLUTE_PATH source BASE_DIRECTORY "${dir}" NORMALIZE)
      string(APPEND rows "${target}\tsource\t${source}\n")
    endforeach()
    _alkynes_links(${target} links)
    string(APPEND rows "${links}")
  endforeach()
  file(WRITE "${CMAKE_BINARY_DIR}/targets.tsv" "${rows}")
endfunction()
