# Shared set-up of run.sh and test.sh: installs the Debian packages the
# program and its tests need (only those that are missing), then configures
# and builds into a build folder.  Sourced, not run.

# Everything the build, the program and the test suite need.
ALKYNES_PACKAGES=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-svg-dev libgl-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation fonts-dejavu-core
  xvfb xdotool x11-utils imagemagick
  desktop-file-utils appstream dpkg-dev file python3
)

alkynes_root() {
  cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd
}

# Installs the packages of ALKYNES_PACKAGES that are not installed yet.
alkynes_install_packages() {
  local missing=()
  local pkg
  for pkg in "${ALKYNES_PACKAGES[@]}"; do
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

# Configures (first time only) and builds the folder $1 with the CMake
# options that follow.  The build itself is incremental.
alkynes_build() {
  local dir="$1"
  shift
  local root
  root="$(alkynes_root)"
  if [ ! -f "$root/$dir/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$root/$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
  else
    cmake "$root/$dir" "$@" >/dev/null
  fi
  cmake --build "$root/$dir" --parallel "$(nproc)"
}
