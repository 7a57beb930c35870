# SPDX-FileCopyrightText: 2026 The alkynes authors
# SPDX-License-Identifier: GPL-3.0-or-later

# Shared set-up of run.sh, test.sh and package.sh: the Debian packages each
# needs, installing those that are missing, and configuring and building
# into a build folder.  Sourced, not run.
#
# The lists name the packages as the Debian releases in
# ALKYNES_DEBIAN_RELEASES call them, and every name is the same on each:
# where a package's name carries a version that differs between them, the
# list names the package that Debian keeps for following it (libclang-rt-dev
# is the runtime of clang's default version: 14 on Debian 12, 19 on
# Debian 13).  A name that one day differs goes into a table by
# ALKYNES_DEBIAN_RELEASE.  Installing on another system stops with a
# message rather than guess its names.
ALKYNES_DEBIAN_RELEASES=(12 13)

# The Debian release this machine runs ("12", "13"), from /etc/os-release;
# empty on a system that is not Debian or has no number (testing, sid).
alkynes_debian_release() {
  (
    . /etc/os-release 2>/dev/null || exit 0
    if [ "${ID:-}" = debian ]; then
      echo "${VERSION_ID:-}"
    fi
  )
}
ALKYNES_DEBIAN_RELEASE="$(alkynes_debian_release)"

# What building and running the program needs; run.sh installs only these.
# (qt6-tools-dev and qt6-l10n-tools: lrelease compiles the Greek catalogue
# of Qt's own texts into the program; xdg-utils opens its web links;
# nlohmann-json3-dev writes and reads the learning record.)
ALKYNES_PROGRAM_PACKAGES=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-svg-dev qt6-tools-dev qt6-l10n-tools libgl-dev nlohmann-json3-dev
  fonts-liberation fonts-dejavu-core xdg-utils
)

# What the test suite needs besides; test.sh installs both lists.
# (openbox: the window manager of the end-to-end tests; orca,
# speech-dispatcher and a voice: what a screen-reader user hears; chromium: a
# real browser rendering the class report; clang and its sanitizer runtime:
# fuzz/run.sh; git: reuse lint leaves out what git ignores.)
ALKYNES_TEST_PACKAGES=(
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xdotool x11-utils imagemagick python3 openbox
  at-spi2-core dbus python3-pyatspi gir1.2-atspi-2.0
  orca speech-dispatcher speech-dispatcher-espeak-ng
  chromium
  clang libclang-rt-dev
  desktop-file-utils appstream dpkg-dev file lintian reuse git
)

# What test.sh's Debian 13 round needs besides (scripts/debian13.sh): a
# Debian 13 root made with the archive's keys, entered in namespaces of its
# own; the X server, xdotool and ImageMagick of this machine (in the lists
# above) look at the window of the program installed there.
ALKYNES_DEBIAN13_PACKAGES=(mmdebstrap debian-archive-keyring util-linux iproute2)

# What making the Debian package needs besides the program's own:
# dpkg-shlibdeps finds the package's library dependencies, and CPack runs
# `file` on what it packs.
ALKYNES_PACKAGE_PACKAGES=(dpkg-dev file)

# How run.sh and package.sh configure a new build folder and what they
# build in it: the program alone, neither the test suite nor the benchmarks
# (so GoogleTest and Benchmark are not needed).
ALKYNES_PROGRAM_OPTIONS=(-DALKYNES_BUILD_TESTS=OFF -DALKYNES_BUILD_BENCH=OFF)
ALKYNES_PROGRAM_TARGET=alkynes

alkynes_root() {
  cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd
}

# Installs those of the packages named on the command line that are not
# installed yet.
alkynes_install_packages() {
  local missing=()
  local pkg
  for pkg in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$pkg")
    fi
  done
  if [ "${#missing[@]}" -eq 0 ]; then
    return 0
  fi
  if [[ " ${ALKYNES_DEBIAN_RELEASES[*]} " != *" $ALKYNES_DEBIAN_RELEASE "* ]]; then
    local system releases="${ALKYNES_DEBIAN_RELEASES[*]}"
    system="$( (. /etc/os-release 2>/dev/null && echo "$PRETTY_NAME") || uname -sr)"
    echo "These packages are missing: ${missing[*]}" >&2
    echo "Their names are those of Debian ${releases// / and }; this is $system." >&2
    echo "Install them, or what this system calls them, and run this again." >&2
    return 1
  fi
  echo "Installing missing packages: ${missing[*]}"
  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    sudo=(sudo)
  fi
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get -o DPkg::Lock::Timeout=600 install -y -qq \
    --no-install-recommends \
    "${missing[@]}"
}

# alkynes_build DIR TARGET [CMAKE OPTION...]: configures the folder DIR
# (the first time from scratch, later only with the options given) and
# builds TARGET in it ("all" for everything).  The build is incremental.
alkynes_build() {
  local dir="$1"
  local target="$2"
  shift 2
  local root
  root="$(alkynes_root)"
  if [ ! -f "$root/$dir/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$root/$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
  else
    cmake "$root/$dir" "$@" >/dev/null
  fi
  cmake --build "$root/$dir" --parallel "$(nproc)" --target "$target"
}

# The options for configuring DIR for the program alone: the program's
# options when DIR is new, none when it exists (a folder that test.sh
# configured keeps its tests; only the program is built in it).
alkynes_program_options() {
  local dir="$1"
  if [ ! -f "$(alkynes_root)/$dir/CMakeCache.txt" ]; then
    printf '%s\n' "${ALKYNES_PROGRAM_OPTIONS[@]}"
  fi
}
