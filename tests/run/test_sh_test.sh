#!/usr/bin/env bash
# Checks ./test.sh from outside, on a throwaway tree of its own (the script,
# a copy of the build's prefix and a ctest file of two small tests), so that
# the suite running this check keeps its prefix and its server:
#   - a server of the prefix left running by a console program started
#     without a display is ended before the tests start, so the front-end
#     case that needs the display passes, and helpers left behind by a
#     server ended alone are ended too;
#   - Wine's helpers ran during the run, and no process of the prefix
#     survives it.
# With "--list PREFIX FILE" it only writes the command lines of the
# prefix's processes into FILE (the throwaway suite's second test).
set -u

# The processes of the prefix, known by their environment.
prefix_processes() {
  local prefix=$1 file dir exe
  for file in $(grep -lsxzF "WINEPREFIX=$prefix" /proc/[0-9]*/environ); do
    dir=${file%/environ}
    exe=$(readlink "$dir/exe" 2>/dev/null) || continue
    case ${exe##*/} in
      wine | wine64 | wine-preloader | wine64-preloader | wineserver*)
        echo "${dir#/proc/} $(tr '\0' ' ' 2>/dev/null <"$dir/cmdline")" ;;
    esac
  done
}

if [ "${1:-}" = --list ]; then
  prefix_processes "$2" >"$3"
  exit 0
fi

# test_sh_test.sh ROOT BUILD --win32|--win64: the build's own test.sh run
# (--win64 is passed on to it).
root=$1
build=$2
bin=$build/bin
width=()
[ "${3:-}" = --win64 ] && width=(--win64)
self=$(cd "$(dirname "$0")" && pwd)/$(basename "$0")
work=$(mktemp -d "$build/test-sh-check.XXXXXX")
# The throwaway tree's build folder has the name of the build under test.
work_build=$work/$(basename "$build")
prefix=$work_build/wineprefix
cleanup() {
  # Whatever the outcome, nothing of the throwaway prefix stays.
  WINEPREFIX=$prefix wineserver -k </dev/null >/dev/null 2>&1
  WINEPREFIX=$prefix wineserver -w </dev/null >/dev/null 2>&1
  rm -rf "$work"
}
trap cleanup EXIT

failures=0
passes=0
check() { # description, then a command that must succeed
  local what=$1
  shift
  if "$@"; then
    echo "ok: $what"
    passes=$((passes + 1))
  else
    echo "FAILED: $what"
    failures=$((failures + 1))
  fi
}

mkdir -p "$work_build" "$work/cmake"
cp "$root/test.sh" "$work/"
cp -a "$root/cmake/wine-host.sh" "$root/cmake/wine64" "$work/cmake/"
cp -a --reflink=auto "$build/wineprefix" "$prefix"
cat >"$work_build/CTestTestfile.cmake" <<EOF
add_test(gui_mode "wine" "$bin/KyConTool_test.exe" "--gtest_filter=GuiMode.HandsBackTheCommandLine")
set_tests_properties(gui_mode PROPERTIES WORKING_DIRECTORY "$bin")
add_test(helpers "bash" "$self" "--list" "$prefix" "$work/during.txt")
EOF

# A persistent server and a console program of the suite, both started
# without a display, as a user might leave them; the server's pid is
# written to the file.
leave_server() {
  (
    unset DISPLAY
    export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    wineserver -f -p </dev/null >/dev/null 2>&1 &
    echo $! >"$1"
    for _ in $(seq 300); do
      dir=$(readlink "/proc/$!/cwd" 2>/dev/null) && [ -S "$dir/socket" ] && break
      sleep 0.1
    done
    wine "$bin/KyFind.exe" </dev/null >/dev/null 2>&1
  )
}
running() { readlink "/proc/$1/exe" >/dev/null 2>&1; }

# First helpers whose server was ended alone, by its pid (as test.sh once
# did): no server reaches them any more. Then a server still running.
leave_server "$work/orphaning.pid"
kill "$(cat "$work/orphaning.pid")"
for _ in $(seq 50); do
  running "$(cat "$work/orphaning.pid")" || break
  sleep 0.2
done
orphans=$(prefix_processes "$prefix" | cut -d' ' -f1)
# The check below of their end proves nothing unless they were there.
check "helpers left without a server run before test.sh" [ -n "$orphans" ]
for pid in $orphans; do
  check "the helper $pid left without a server runs before test.sh" running "$pid"
done
leave_server "$work/stale.pid"
stale=$(cat "$work/stale.pid")
check "the stale server runs before test.sh" running "$stale"

"$work/test.sh" "${width[@]}" >"$work/test.out" 2>&1
rc=$?
log=$work_build/Testing/Temporary/LastTest.log
check "test.sh exits with 0" [ $rc -eq 0 ]
check "the front-end case ran and passed" grep -q "\[       OK \] GuiMode.HandsBackTheCommandLine" "$log"
check "the stale server is gone" eval '! running "$stale"'
for pid in $orphans; do
  check "the helper $pid left without a server is gone" eval "! running $pid"
done
check "Wine's helpers ran during the run" grep -q "services.exe" "$work/during.txt"
check "the run's own server ran during it" grep -q "wineserver" "$work/during.txt"
left=$(prefix_processes "$prefix")
check "no process of the prefix survives the run" [ -z "$left" ]

if [ $failures -ne 0 ]; then
  echo "--- test.sh"
  cat "$work/test.out"
  echo "--- processes during the run"
  cat "$work/during.txt" 2>/dev/null
  echo "--- processes left"
  echo "$left"
  echo "--- ctest log"
  cat "$log" 2>/dev/null
fi
echo "$passes passed, $failures failed"
[ $failures -eq 0 ]
