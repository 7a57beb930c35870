# SPDX-FileCopyrightText: 2026 The alkynes authors
# SPDX-License-Identifier: GPL-3.0-or-later

# The hardening that Debian gives the programs it packages (the flags of
# dpkg-buildflags with hardening=+all), for everything this build compiles
# and links: stack protector and stack clash protection, checked string and
# memory functions (_FORTIFY_SOURCE), and a relocation table made read-only
# once every symbol is bound at start-up (-z relro -z now).
#
# Included from the top-level CMakeLists.txt before the first target, after
# the sanitizer options.
option(ALKYNES_HARDEN "Compile and link with Debian's hardening flags" ON)
if(NOT ALKYNES_HARDEN)
  return()
endif()

add_compile_options(-fstack-protector-strong -fstack-clash-protection
                    -Wformat -Werror=format-security)
# The checked functions need the optimiser (glibc warns otherwise, which
# -Werror turns into an error), and AddressSanitizer brings its own checked
# versions of the same functions.  The -U keeps a _FORTIFY_SOURCE that came
# with CXXFLAGS from becoming a redefinition.
if(NOT ALKYNES_SANITIZE)
  set(optimised "$<CONFIG:Release,RelWithDebInfo,MinSizeRel>")
  add_compile_options("$<${optimised}:-U_FORTIFY_SOURCE>" "$<${optimised}:-D_FORTIFY_SOURCE=2>")
endif()
add_link_options(LINKER:-z,relro LINKER:-z,now)
