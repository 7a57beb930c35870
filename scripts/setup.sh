# SPDX-FileCopyrightText: 2026 The alkynes authors
# SPDX-License-Identifier: GPL-3.0-or-later

# Shared set-up of run.sh, test.sh and package.sh: the Debian packages each
# needs, installing those that are missing, and configuring and building
# into a build folder.  Sourced, not run.

# What building and running the program needs; run.sh installs only these.
# (qt6-tools-dev and qt6-l10n-tools: lrelease compiles the Greek catalogue
# of Qt's own texts into the program; xdg-utils opens its web links.)
ALKYNES_PROGRAM_PACKAGES=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-svg-dev qt6-tools-dev qt6-l10n-tools libgl-dev
  fonts-liberation fonts-dejavu-core xdg-utils
)

# What the test suite needs besides; test.sh installs both lists.
ALKYNES_TEST_PACKAGES=(
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xdotool x11-utils imagemagick python3 openbox
  at-spi2-core dbus python3-pyatspi gir1.2-atspi-2.0
  clang libclang-rt-14-dev
  desktop-file-utils appstream dpkg-dev file lintian reuse
)

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
  echo "Installing missing packages: ${missing[*]}"
  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    sudo=(sudo)
  fi
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
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
