#!/usr/bin/env bash
# Runs every test under Wine (and Xvfb when there is no display); arguments
# go to ctest, so "./test.sh -L KyStd" runs one library's tests.
#
# It tests the build this host runs: the 32-bit build (build/), which is what
# ships, wherever the host runs 32-bit programs, else the 64-bit build of the
# same sources (build-win64/) under 64-bit Wine. "./test.sh --win64 [ctest
# arguments]" tests the 64-bit build on a host that runs both (after
# "./setup.sh --win64"). The first line says which build is tested.
#
# A run does not depend on what ran before it: a server of the prefix still
# running (a program started by hand, say, without a display) is ended first;
# and it leaves nothing behind: every process of the prefix is ended
# afterwards, and the run fails if one survives.
set -u
cd "$(dirname "$0")"
ky_root=$PWD
# shellcheck source=cmake/wine-host.sh
. "$ky_root/cmake/wine-host.sh"
ky_choose_build "${1:-}"
[ $ky_switch_taken = 0 ] || shift
build=$ky_build
if [ ! -f "$build/CTestTestfile.cmake" ] || [ ! -f "$WINEPREFIX/system.reg" ]; then
  if [ "$ky_width" = 64 ] && ky_host_runs_32bit; then
    echo "test.sh: no 64-bit build yet: run ./setup.sh --win64 first" >&2
  else
    echo "test.sh: no build yet in $ky_build_name/: run ./setup.sh first" >&2
  fi
  exit 2
fi
echo "test.sh: testing $(ky_describe_build)"

# The processes of this prefix (Wine's loader and server, every Windows
# program and helper), known by their environment; nothing outside matches.
prefix_processes() {
  local file dir exe
  for file in $(grep -lsxzF "WINEPREFIX=$WINEPREFIX" /proc/[0-9]*/environ); do
    dir=${file%/environ}
    exe=$(readlink "$dir/exe" 2>/dev/null) || continue
    case ${exe##*/} in
      wine | wine64 | wine-preloader | wine64-preloader | wineserver*) echo "${dir#/proc/}" ;;
    esac
  done
}

# Ends every process of this prefix and its server ("wineserver -k" reaches
# only the server of $WINEPREFIX), then waits until the server is gone.
# Helpers whose server was ended alone (as earlier versions of this script
# did) no server reaches any more: they are ended by their ids.
end_prefix() {
  wineserver -k </dev/null >/dev/null 2>&1
  wineserver -w </dev/null >/dev/null 2>&1
  local left
  left=$(prefix_processes)
  [ -z "$left" ] || kill -KILL $left 2>/dev/null
}

# Waits up to ten seconds for the prefix's processes to go; false, with
# their names on standard error, when some stay.
prefix_gone() {
  local left
  for _ in $(seq 50); do
    left=$(prefix_processes)
    [ -z "$left" ] && return 0
    sleep 0.2
  done
  echo "test.sh: processes of $WINEPREFIX still running:" >&2
  for pid in $left; do
    echo "  $pid $(tr '\0' ' ' 2>/dev/null <"/proc/$pid/cmdline")" >&2
  done
  return 1
}

started=()
finish() {
  local rc=$?
  end_prefix
  for pid in "${started[@]}"; do kill "$pid" 2>/dev/null; done
  for pid in "${started[@]}"; do wait "$pid" 2>/dev/null; done
  prefix_gone || rc=1
  exit $rc
}
trap finish EXIT
trap 'exit 130' INT TERM

end_prefix
prefix_gone || exit 1

# A virtual screen when there is no display: Xvfb picks a free display
# number itself (two runs starting together cannot take the same one) and
# names it once it accepts clients, before any Wine program starts.
if [ -z "${DISPLAY:-}" ]; then
  display_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$display_file" </dev/null \
    >/dev/null 2>&1 &
  started+=($!)
  for _ in $(seq 300); do
    [ -s "$display_file" ] && break
    sleep 0.1
  done
  display=$(head -n 1 "$display_file")
  rm -f "$display_file"
  if [ -z "$display" ]; then
    echo "test.sh: could not start a virtual screen (Xvfb)" >&2
    exit 1
  fi
  export DISPLAY=:$display
fi

# Run as root, the tests run without root's right to read and write any
# file (which Windows users do not have either), so a folder without
# permissions is unreadable to them as it is to anyone else.
as_user=()
if [ "$(id -u)" = 0 ] && command -v setpriv >/dev/null; then
  as_user=(setpriv --bounding-set=-dac_override,-dac_read_search
           --inh-caps=-dac_override,-dac_read_search --)
fi

# A persistent server started apart from ctest, so Wine's helper processes
# never hold ctest's output pipes open. It is up once its socket is in its
# folder; only then may a Wine program start, or that program would start a
# server of its own.
"${as_user[@]}" wineserver -f -p </dev/null >/dev/null 2>&1 &
server=$!
started+=($server)
for _ in $(seq 300); do
  dir=$(readlink "/proc/$server/cwd" 2>/dev/null) && [ -S "$dir/socket" ] && break
  kill -0 "$server" 2>/dev/null || break
  sleep 0.1
done
"${as_user[@]}" wine wineboot </dev/null >/dev/null 2>&1

# The test programs share one prefix, and with it the registry settings they
# change (such as the database folder), so they run one after another.
(cd "$build" && "${as_user[@]}" ctest --output-on-failure "$@")
rc=$?
echo "test.sh: tested $(ky_describe_build)"
exit $rc
