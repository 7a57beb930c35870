# SPDX-FileCopyrightText: 2026 The alkynes authors
# SPDX-License-Identifier: GPL-3.0-or-later

# cmake -DFILE=<id.metainfo.xml> -P ValidateMetainfo.cmake
# Runs `appstreamcli validate --pedantic --no-net` on the program's AppStream
# metadata: errors and warnings fail, information and pedantic notes pass.
# Then checks what software centres show beyond the format.  Skipped when
# the tool is not installed.
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/Validate.cmake)

alkynes_validate(appstreamcli appstream "\n[EW]: " validate --pedantic --no-net)

alkynes_expect_texts(
  "<project_license>GPL-3.0-or-later</project_license>"
  "<name xml:lang=\"el\">Παρασκευές αλκινίων</name>"
  "<summary xml:lang=\"el\">"
  "<screenshot type=\"default\">"
  "<release version=\"1.0.0.0\" date=\""
  "<content_rating type=\"oars-1.1\"")
