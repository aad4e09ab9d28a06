#!/usr/bin/env bash
# Runs every test under Wine (and Xvfb when there is no display); arguments
# go to ctest, so "./test.sh -L KyStd" runs one library's tests.
set -u
cd "$(dirname "$0")"
build=$PWD/build
export WINEPREFIX=$build/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

started=()
cleanup() {
  for pid in "${started[@]}"; do kill "$pid" 2>/dev/null; done
  for pid in "${started[@]}"; do wait "$pid" 2>/dev/null; done
}
trap cleanup EXIT

if [ -z "${DISPLAY:-}" ]; then
  n=99
  while [ -e /tmp/.X$n-lock ] || [ -e /tmp/.X11-unix/X$n ]; do n=$((n + 1)); done
  Xvfb :$n -screen 0 1280x1024x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
  started+=($!)
  export DISPLAY=:$n
fi

# A persistent server started apart from ctest, so Wine's helper processes
# never hold ctest's output pipes open.
wineserver -f -p </dev/null >/dev/null 2>&1 &
started+=($!)
wine wineboot </dev/null >/dev/null 2>&1

# The test programs share one prefix, and with it the registry settings they
# change (such as the database folder), so they run one after another.
(cd "$build" && ctest --output-on-failure "$@")
rc=$?
exit $rc
