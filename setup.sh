#!/usr/bin/env bash
# Sets up a fresh Debian machine (as root) and builds everything:
# installs what is missing, creates the Wine prefix inside the build tree,
# configures and builds with all cores. Run again, it only rebuilds what
# changed.
#
#   ./setup.sh          the 32-bit build (build/), which is what ships; on a
#                       host that runs no 32-bit program also the 64-bit
#                       build (build-win64/) that the tests run on there
#   ./setup.sh --win64  on a host that runs both: the 64-bit build as well
set -euo pipefail
cd "$(dirname "$0")"
ky_root=$PWD
# shellcheck source=cmake/wine-host.sh
. "$ky_root/cmake/wine-host.sh"

fail() {
  echo "setup: $*" >&2
  exit 1
}

want=""
case "${1:-}" in
  "") ;;
  --win64) want=--win64 ;;
  *) echo "usage: ./setup.sh [--win64]" >&2
     exit 2 ;;
esac

# mingw-w64-i686-dev holds the thread library's static archive and the DLL
# start-up code that src/StaticRuntime rebuilds libwinpthread-1.dll from;
# fonts-wine holds Wine's own fonts, among them the symbol font that draws
# the buttons of window captions; libc6:i386 is the 32-bit C library whose
# loader tells whether this host runs 32-bit programs.
base_packages=(cmake ninja-build g++-mingw-w64-i686-posix mingw-w64-i686-dev mingw-w64-tools
               binutils-mingw-w64-i686 fonts-wine xvfb xauth googletest imagemagick libc6:i386)
wine32_packages=(wine wine32:i386)
# Debian's wine64 alone: its "wine" wrapper would start the 32-bit loader
# whenever wine32 is installed, so the scripts call the 64-bit loader by
# name (cmake/wine64).
win64_packages=(g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev binutils-mingw-w64-x86-64 wine64)

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

lists_updated=0
install_packages() {
  local missing=() p
  for p in "$@"; do
    installed "$p" || missing+=("$p")
  done
  [ ${#missing[@]} -gt 0 ] || return 0
  echo "setup: installing ${missing[*]}"
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
    lists_updated=0
  fi
  export DEBIAN_FRONTEND=noninteractive
  if [ $lists_updated = 0 ]; then
    # A list that fails to download (a mirror caught mid-sync) is not fatal:
    # the install below says whether what is needed could be found.
    apt-get update -qq || echo "setup: some package lists could not be read"
    lists_updated=1
  fi
  if ! apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null; then
    # The 32-bit packages must match their 64-bit twins' versions; when the
    # security list of one architecture is missing they cannot, so try once
    # more with the main archive alone.
    echo "setup: retrying the install from the main archive only"
    local only_main
    only_main=$(mktemp -d)
    awk 'BEGIN { RS = ""; ORS = "\n\n" } !/debian-security/' /etc/apt/sources.list.d/*.sources \
      > "$only_main/main.sources"
    apt-get install -y -qq --no-install-recommends -o Dir::Etc::sourceparts="$only_main" \
      "${missing[@]}" >/dev/null || fail "could not install ${missing[*]}"
    rm -rf "$only_main"
  fi
}

install_packages "${base_packages[@]}"
if ky_host_runs_32bit; then
  echo "setup: this host runs 32-bit programs: the tests run on the 32-bit build"
  install_packages "${wine32_packages[@]}"
  if [ "$want" = --win64 ]; then
    install_packages "${win64_packages[@]}"
  fi
else
  echo "setup: this host runs no 32-bit programs (/lib/ld-linux.so.2 does not start):" \
       "the 32-bit build is built and checked, the tests run on the 64-bit build under 64-bit Wine"
  install_packages "${win64_packages[@]}"
fi

# The prefix of the build the tests run on, inside that build's folder.
prepare_prefix() {
  mkdir -p "$ky_build"
  local log=$ky_build/wineboot.log
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "setup: creating the Wine prefix $ky_build_name/wineprefix"
    local rc=0
    wine wineboot -i </dev/null >"$log" 2>&1 || rc=$?
    wineserver -w </dev/null >/dev/null 2>&1 || rc=$?
    # The 64-bit wineboot complains of the 32-bit helpers it cannot start
    # (syswow64); the prefix is usable once its registry is written.
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
      local why="wineboot made no prefix (exit code $rc)"
      if [ "$ky_width" = 64 ] && [ ! -x "$ky_wine64_loader" ]; then
        why="this machine runs no 32-bit programs and the 64-bit Wine loader is missing ($ky_wine64_loader)"
      elif [ "$ky_width" = 32 ] && ! command -v wine >/dev/null 2>&1; then
        why="Wine is not installed"
      fi
      echo "setup: the last lines of $log:" >&2
      tail -n 5 "$log" >&2
      fail "could not create the Wine prefix in $ky_build_name/: $why"
    fi
  fi
  # No crash debugger in the prefix: a crashing test must end, not wait in winedbg.
  local debugger_key='HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug'
  if [ ! -f "$WINEPREFIX/.no-crash-debugger" ]; then
    # Deleting fails when the value is not there; what counts is that it is gone.
    wine reg delete "$debugger_key" /v Debugger /f </dev/null >/dev/null 2>&1 || :
    if wine reg query "$debugger_key" /v Debugger </dev/null >/dev/null 2>&1; then
      fail "could not remove the crash debugger from the prefix in $ky_build_name/"
    fi
    wineserver -w </dev/null >/dev/null 2>&1 || :
    touch "$WINEPREFIX/.no-crash-debugger"
  fi
  # No window manager runs under Xvfb: Wine would wait two seconds for one each
  # time a managed top-level window is hidden, so the prefix's windows are left
  # unmanaged.
  if [ ! -f "$WINEPREFIX/.unmanaged-windows" ]; then
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f \
      </dev/null >/dev/null 2>&1 || fail "could not set up the prefix's windows (wine reg add)"
    wineserver -w </dev/null >/dev/null 2>&1 || :
    touch "$WINEPREFIX/.unmanaged-windows"
  fi

  # This Wine build does not read the fonts of fonts-wine from its data folder:
  # the prefix's font folder gets the symbol font that draws the caption
  # buttons (only it, so that no other text changes its font).
  local symbol_font=/usr/share/wine/fonts/marlett.ttf
  local prefix_fonts=$WINEPREFIX/drive_c/windows/Fonts
  if [ -f "$symbol_font" ] && [ -d "$prefix_fonts" ] && [ ! -f "$prefix_fonts/marlett.ttf" ]; then
    cp "$symbol_font" "$prefix_fonts/"
  fi
}

# build FOLDER TOOLCHAIN [cmake options...]
build() {
  local folder=$1 toolchain=$2
  shift 2
  if [ ! -f "$folder/build.ninja" ]; then
    cmake -S "$ky_root" -B "$folder" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$ky_root/cmake/$toolchain" \
          -DCMAKE_BUILD_TYPE=Release "$@"
  fi
  cmake --build "$folder" -j "$(nproc)"
}

if ky_host_runs_32bit; then
  ky_choose_build ""
  prepare_prefix
  build "$ky_build32" mingw-i686.cmake
  if [ "$want" = --win64 ]; then
    ky_choose_build --win64
    prepare_prefix
    echo "setup: building the 64-bit build ($ky_build_name/)"
    build "$ky_build64" mingw-x86_64.cmake -DKY_SHIPPED_BUILD="$ky_build32"
  fi
else
  ky_choose_build --win64
  prepare_prefix
  # What ships is built here too, and its import tables are checked by the
  # 64-bit build's tests; its own test programs could not run here.
  echo "setup: building the 32-bit build (build/), which is what ships"
  build "$ky_build32" mingw-i686.cmake -DKY_TESTS=OFF
  echo "setup: building the 64-bit build ($ky_build_name/)"
  build "$ky_build64" mingw-x86_64.cmake -DKY_SHIPPED_BUILD="$ky_build32"
fi
