#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The alkynes authors
# SPDX-License-Identifier: GPL-3.0-or-later

# The Debian 13 (trixie) round of test.sh, and a way into its Debian 13 root
# for trying the program on Qt 6.8 and g++ 14 from a Debian 12 machine.
#
#   scripts/debian13.sh [round [DEB]]
#                                    the round: makes the root (the first
#                                    time), builds and runs the normal suite
#                                    there in build-debian13/, then installs
#                                    DEB (by default the one ./package.sh
#                                    makes on this machine) with apt in a
#                                    clean Debian 13 and opens its window
#   scripts/debian13.sh root         makes the root or installs in it what
#                                    the package lists gained since
#   scripts/debian13.sh shell        a shell in the root, in the source tree
#   scripts/debian13.sh run CMD...   runs CMD in the root, in the source tree
#   scripts/debian13.sh package DEB  installs DEB with apt in a clean
#                                    Debian 13 and opens the window
#
# The root is build/debian13-root (ALKYNES_DEBIAN13_ROOT names another, so
# that several source trees can share one), made once by mmdebstrap from the
# Debian archive this machine uses, with the program's and the test suite's
# packages that scripts/setup.sh names for Debian 13; a clean minimal root,
# build/debian13-base.tar, is kept beside it for the package's install.
#
# Every command runs in mount, PID and IPC namespaces of its own: the
# mounts of /proc, /sys, /dev, /dev/pts, /dev/shm, /tmp and the source tree
# are made there and never seen by the machine (so removing build/ never
# reaches into the machine's /dev), and they end with every process started
# there (D-Bus, Xvfb, AT-SPI) when the command ends, however it ends: on
# failure, on Ctrl-C, or when this script is killed (the namespaces' first
# process is killed with it).  Commands that do not install packages get a
# network namespace of their own too: an X server or a bus there cannot
# meet another one's on this machine.  Needs root; run as root, or it
# starts itself again with sudo.
set -euo pipefail
source "$(dirname "$0")/setup.sh"
ROOT="$(alkynes_root)"
CHROOT="${ALKYNES_DEBIAN13_ROOT:-$ROOT/build/debian13-root}"
BASE="$(dirname "$CHROOT")/debian13-base.tar"
INSTALL_ROOT="$ROOT/build/debian13-install"
BUILD=build-debian13
# The window's title, as the top CMakeLists.txt configures it.
TITLE="$(sed -n 's/^set(ALKYNES_TITLE "\(.*\)")$/\1/p' "$ROOT/CMakeLists.txt")"

# The Debian archive and security archive this machine's apt uses (the
# same hosts serve trixie), deb.debian.org's where none is found.
debian_archives() {
  local uris
  uris="$(cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list \
              /etc/apt/sources.list.d/*.sources 2>/dev/null |
            grep -oE '^[[:space:]]*(deb|URIs:)[[:space:]].*' |
            grep -oE '(https?|file)://[^[:space:]]+' | sed 's,/*$,,')" || true
  grep -m1 -E '/debian$' <<<"$uris" || echo http://deb.debian.org/debian
  grep -m1 -E '/debian-security$' <<<"$uris" || echo http://deb.debian.org/debian-security
}

# The clean minimal Debian 13, as a tar archive: made once.
make_base() {
  if [ -f "$BASE" ]; then
    return 0
  fi
  local archives
  mapfile -t archives < <(debian_archives)
  echo "Making a Debian 13 root from ${archives[0]} (mmdebstrap)"
  mkdir -p "$(dirname "$BASE")"
  rm -f "$BASE.tmp.tar"
  mmdebstrap --quiet --variant=apt --mode=root trixie "$BASE.tmp.tar" \
    "deb ${archives[0]} trixie main" "deb ${archives[0]} trixie-updates main" \
    "deb ${archives[1]} trixie-security main"
  mv "$BASE.tmp.tar" "$BASE"
}

# unpack DIR: DIR becomes a fresh copy of the clean root.
unpack() {
  local dir="$1"
  rm -rf "$dir" "$dir.tmp"
  mkdir -p "$dir.tmp"
  tar -C "$dir.tmp" -xf "$BASE"
  mv "$dir.tmp" "$dir"
}

# The root of the round: made from the clean one when missing; then, as
# setup.sh does on a machine, what the package lists name and the root
# lacks is installed (nothing when the lists did not change).
make_root() {
  make_base
  if [ ! -d "$CHROOT" ]; then
    unpack "$CHROOT"
  fi
  # (dpkg --configure -a: an install that was stopped half way is finished.)
  if ! enter --network "$CHROOT" bash -c 'dpkg --configure -a && source scripts/setup.sh &&
         alkynes_install_packages "${ALKYNES_PROGRAM_PACKAGES[@]}" "${ALKYNES_TEST_PACKAGES[@]}"' \
         >"$CHROOT.log" 2>&1; then
    tail -n 40 "$CHROOT.log"
    echo "debian13.sh: installing the packages in $CHROOT failed ($CHROOT.log)" >&2
    return 1
  fi
  grep -m1 '^Installing missing packages' "$CHROOT.log" || true
}

# enter [--network] DIR ARG...: runs ARG... in the root DIR, in new
# namespaces (see the top); enter DIR --open-window PNG: open_window there.
# unshare kills the namespaces' first process when it dies, and setpriv
# kills unshare when this script dies.
enter() {
  local net=(--net)
  if [ "$1" = --network ]; then
    net=()
    shift
  fi
  setpriv --pdeathsig KILL unshare --mount --pid --ipc --fork --kill-child "${net[@]}" \
    "$ROOT/scripts/debian13.sh" --in-namespace "${#net[@]}" "$@"
}

# In the namespaces: mounts what a program in DIR needs.
mount_root() {
  local dir="$1"
  mount -t proc proc "$dir/proc"
  mount --bind /sys "$dir/sys"
  mount --bind /dev "$dir/dev"
  mount --bind /dev/pts "$dir/dev/pts"
  mount --bind /dev/shm "$dir/dev/shm"
  mount -t tmpfs tmpfs "$dir/tmp"
  cp -L /etc/resolv.conf "$dir/etc/resolv.conf"
  # The source tree at its own path, and its git repository where that lies
  # outside it (a worktree's), so that git, and reuse through git, work.
  mkdir -p "$dir$ROOT"
  mount --bind "$ROOT" "$dir$ROOT"
  local git
  git="$(git -c safe.directory="*" -C "$ROOT" rev-parse --path-format=absolute \
           --git-common-dir 2>/dev/null)" || true
  if [ -n "$git" ] && [ -d "$git" ] && [[ "$git" != "$ROOT"/* ]]; then
    mkdir -p "$dir$git"
    mount --bind "$git" "$dir$git"
  fi
}

# In the namespaces: runs ARG... in the root DIR, in the source tree, with
# a clean environment that keeps only the program's and Qt's variables.
run_in() {
  local dir="$1"
  shift
  mount_root "$dir"
  # (git, run as root here, reads a tree that may be a user's.)
  local keep=(HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin
              LANG=C.UTF-8 TERM="${TERM:-dumb}"
              GIT_CONFIG_COUNT=1 GIT_CONFIG_KEY_0=safe.directory GIT_CONFIG_VALUE_0="*")
  local name
  for name in $(compgen -e); do
    case "$name" in
      ALKYNES_* | QT_* | ASAN_* | LSAN_* | UBSAN_* | CTEST_*) keep+=("$name=${!name}") ;;
    esac
  done
  local status=0
  chroot "$dir" /usr/bin/env -i "${keep[@]}" bash -c 'cd "$1" && shift && "$@"' - "$ROOT" "$@" ||
    status=$?
  return "$status"
}

# In the namespaces: starts the program installed in DIR on an X server of
# this machine (the root has none: it holds what the package brought and
# nothing else) and waits for its window, then takes a screenshot.
open_window() {
  local dir="$1"
  local shot="$2"
  mount_root "$dir"
  # On a display it chooses itself, stopped (so that it removes its lock
  # file from /tmp) before the namespaces end.
  local i display="" log="$dir/root/alkynes.log"
  rm -f "$dir/root/display"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$dir/root/display" \
    >/dev/null 2>&1 &
  XVFB=$!
  trap 'kill "$XVFB" 2>/dev/null && wait "$XVFB"' EXIT
  for i in $(seq 100); do
    display="$(cat "$dir/root/display")"
    if [ -n "$display" ]; then break; fi
    sleep 0.1
  done
  export DISPLAY=":$display"
  chroot "$dir" /usr/bin/env -i HOME=/root PATH=/usr/bin:/bin LANG=C.UTF-8 DISPLAY="$DISPLAY" \
    alkynes >"$log" 2>&1 &
  local program=$!
  local window=""
  for i in $(seq 300); do
    window="$(xdotool search --onlyvisible --name "^$TITLE\$" 2>/dev/null | tail -n1)" || true
    if [ -n "$window" ] || ! kill -0 "$program" 2>/dev/null; then break; fi
    sleep 0.1
  done
  if [ -z "$window" ]; then
    echo "FAIL: the installed program showed no window titled \"$TITLE\":"
    cat "$log"
    return 1
  fi
  # Painted: the board's pictures and texts have hundreds of colours, an
  # empty window one.
  local colours=0
  for i in $(seq 50); do
    import -window "$window" "$shot"
    colours="$(identify -format %k "$shot")"
    if [ "$colours" -ge 100 ]; then break; fi
    sleep 0.2
  done
  local size
  size="$(xdotool getwindowgeometry "$window" | sed -n 's/^ *Geometry: //p')"
  echo "The installed program's window \"$TITLE\" is open: $size, $colours colours ($shot)"
  if [ "$colours" -lt 100 ]; then
    echo "FAIL: the window shows nothing"
    return 1
  fi
}

# The package DEB, installed with apt in a clean Debian 13, opens its window.
check_package() {
  local deb
  deb="$(readlink -f "$1")"
  make_base
  unpack "$INSTALL_ROOT"
  cp "$deb" "$INSTALL_ROOT/root/"
  enter --network "$INSTALL_ROOT" bash -c 'apt-get update -qq &&
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$1" >/dev/null' \
    - "/root/$(basename "$deb")"
  enter "$INSTALL_ROOT" --open-window "$ROOT/build/debian13-window.png"
}

# timed WHAT COMMAND...: runs COMMAND and says how long WHAT took, on the
# clock and on the processors.
timed() {
  local TIMEFORMAT="-- Debian 13, $1: %0R s (processor time: %0U s user, %0S s system)"
  shift
  time "$@"
}

# Inside the namespaces, started by enter.
if [ "${1:-}" = --in-namespace ]; then
  isolated="$2"
  dir="$3"
  shift 3
  if [ "$isolated" != 0 ]; then
    ip link set lo up
  fi
  if [ "${1:-}" = --open-window ]; then
    open_window "$dir" "$2"
  else
    run_in "$dir" "$@"
  fi
  exit
fi

# The round installs the package that package.sh makes in build/, made
# first, as the user who runs the round.
if [ "${1:-round}" = round ] && [ -z "${2:-}" ]; then
  # (Its output goes on to stderr as it comes, the last line, the path, is
  # kept; tee /dev/stderr would open a log file that stderr writes to again,
  # from its start.)
  deb="$("$ROOT/package.sh" | {
    last=""
    while IFS= read -r line; do
      printf '%s\n' "$line" >&2
      last="$line"
    done
    printf '%s' "$last"
  })"
  set -- round "$deb"
fi
if [ "$(id -u)" -ne 0 ]; then
  exec sudo -E "$0" "$@"
fi

case "${1:-round}" in
  root)
    timed "the root" make_root
    ;;
  shell)
    make_root
    enter "$CHROOT" bash -i
    ;;
  run)
    shift
    make_root
    enter "$CHROOT" "$@"
    ;;
  package)
    check_package "$2"
    ;;
  round)
    status=0
    timed "the root" make_root
    # The normal suite's build, without the benchmarks (the suite runs
    # none) and without debugging information (nobody debugs in there; it
    # costs the build a tenth of its processor time).
    timed "build" enter "$CHROOT" bash -c "source scripts/setup.sh &&
      alkynes_build $BUILD all -DALKYNES_WERROR=ON -DALKYNES_BUILD_TESTS=ON -DALKYNES_BUILD_BENCH=OFF \
        -DCMAKE_CXX_FLAGS_RELWITHDEBINFO='-O2 -DNDEBUG'"
    QT_QPA_PLATFORM=offscreen timed "tests" enter "$CHROOT" \
      ctest --test-dir "$BUILD" --output-on-failure --parallel "$(nproc)" || status=1
    timed "the package" check_package "$2" || status=1
    exit "$status"
    ;;
  *)
    sed -n '5,18p' "$0" >&2
    exit 2
    ;;
esac
