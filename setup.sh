#!/usr/bin/env bash
# Sets up a fresh Debian machine (as root) and builds everything:
# installs what is missing, creates the Wine prefix inside build/, configures
# and builds with all cores. Run again, it only rebuilds what changed.
set -euo pipefail
cd "$(dirname "$0")"
root=$PWD
build=$root/build

# mingw-w64-i686-dev holds the thread library's static archive and the DLL
# start-up code that src/StaticRuntime rebuilds libwinpthread-1.dll from;
# fonts-wine holds Wine's own fonts, among them the symbol font that draws
# the buttons of window captions.
packages=(cmake ninja-build g++-mingw-w64-i686-posix mingw-w64-i686-dev mingw-w64-tools
          binutils-mingw-w64-i686 wine wine32:i386 fonts-wine xvfb xauth googletest imagemagick)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
  fi
  export DEBIAN_FRONTEND=noninteractive
  # A list that fails to download (a mirror caught mid-sync) is not fatal:
  # the install below says whether what is needed could be found.
  apt-get update -qq || echo "setup: some package lists could not be read"
  if ! apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null; then
    # The 32-bit packages must match their 64-bit twins' versions; when the
    # security list of one architecture is missing they cannot, so try once
    # more with the main archive alone.
    echo "setup: retrying the install from the main archive only"
    only_main=$(mktemp -d)
    awk 'BEGIN { RS = ""; ORS = "\n\n" } !/debian-security/' /etc/apt/sources.list.d/*.sources \
      > "$only_main/main.sources"
    apt-get install -y -qq --no-install-recommends -o Dir::Etc::sourceparts="$only_main" \
      "${missing[@]}" >/dev/null
    rm -rf "$only_main"
  fi
fi

mkdir -p "$build"
export WINEPREFIX=$build/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "setup: creating the Wine prefix"
  wineboot -i </dev/null >/dev/null 2>&1 || true
  wineserver -w </dev/null >/dev/null 2>&1 || true
fi
# No crash debugger in the prefix: a crashing test must end, not wait in winedbg.
if [ ! -f "$WINEPREFIX/.no-crash-debugger" ]; then
  wine reg delete 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /f \
    </dev/null >/dev/null 2>&1 || true
  wineserver -w </dev/null >/dev/null 2>&1 || true
  touch "$WINEPREFIX/.no-crash-debugger"
fi
# No window manager runs under Xvfb: Wine would wait two seconds for one each
# time a managed top-level window is hidden, so the prefix's windows are left
# unmanaged.
if [ ! -f "$WINEPREFIX/.unmanaged-windows" ]; then
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f \
    </dev/null >/dev/null 2>&1 || true
  wineserver -w </dev/null >/dev/null 2>&1 || true
  touch "$WINEPREFIX/.unmanaged-windows"
fi

# This Wine build does not read the fonts of fonts-wine from its data folder:
# the prefix's font folder gets the symbol font that draws the caption
# buttons (only it, so that no other text changes its font).
symbol_font=/usr/share/wine/fonts/marlett.ttf
prefix_fonts=$WINEPREFIX/drive_c/windows/Fonts
if [ -f "$symbol_font" ] && [ -d "$prefix_fonts" ] && [ ! -f "$prefix_fonts/marlett.ttf" ]; then
  cp "$symbol_font" "$prefix_fonts/"
fi

if [ ! -f "$build/build.ninja" ]; then
  cmake -S "$root" -B "$build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" -DCMAKE_BUILD_TYPE=Release
fi
cmake --build "$build" -j "$(nproc)"
