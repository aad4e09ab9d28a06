#!/usr/bin/env bash
# Runs one program of the suite under the build's Wine prefix:
#   ./run.sh [--win64] [--screenshot FILE.png] PROGRAM [ARGS...]
#   ./run.sh [--win64] --demo
# It runs the build this host runs, as test.sh does: the 32-bit build
# (build/) wherever the host runs 32-bit programs, else the 64-bit build
# (build-win64/) under 64-bit Wine; --win64 picks the 64-bit build on a host
# that runs both.
# PROGRAM is a name in the build's bin folder, with or without ".exe"; the arguments pass
# through untouched, standard input, output and error are the program's own,
# and the exit code is the program's. Without a display a program runs on a
# virtual screen of its own; for a windowed program a picture of the screen
# is saved once its first window shows (into the build's test-artifacts/run/
# unless --screenshot names the file).
set -u
ky_root=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=cmake/wine-host.sh
. "$ky_root/cmake/wine-host.sh"
ky_choose_build "${1:-}"
[ $ky_switch_taken = 0 ] || shift
build=$ky_build
bin=$build/bin

fail() {
  echo "run.sh: $*" >&2
  exit 2
}

started=()
own_server=""
cleanup() {
  # A server this run started ends with the prefix's processes it served
  # (Wine's helpers among them); a server that was running before (the
  # tests', say) is left alone.
  if [ -n "$own_server" ] && kill -0 "$own_server" 2>/dev/null; then
    wineserver -k </dev/null >/dev/null 2>&1
    wineserver -w </dev/null >/dev/null 2>&1
  fi
  for pid in "${started[@]}"; do kill "$pid" 2>/dev/null; done
  for pid in "${started[@]}"; do wait "$pid" 2>/dev/null; done
}
trap cleanup EXIT
trap 'exit 130' INT TERM

list_programs() {
  echo "Programs in $ky_build_name/bin:" >&2
  for f in "$bin"/*.exe; do
    [ -e "$f" ] && echo "  $(basename "$f" .exe)" >&2
  done
}

check_ready() {
  local setup="./setup.sh"
  [ "$ky_width" = 64 ] && ky_host_runs_32bit && setup="./setup.sh --win64"
  [ -d "$bin" ] || fail "no build yet in $ky_build_name/: run $setup first"
  command -v wine >/dev/null 2>&1 || fail "Wine is not installed: run $setup first"
  [ -f "$WINEPREFIX/system.reg" ] || fail "no Wine prefix in $ky_build_name/: run $setup first"
}

# The same Wine settings the tests use (set by ky_choose_build), and a
# persistent server started apart from the program, so that no Wine helper
# holds the program's output open. It serves the prefix once it listens on
# a socket of its own; it exits at once when the prefix has a server already
# (whose socket is in the same folder).
start_wine() {
  wineserver -f -p </dev/null >/dev/null 2>&1 &
  local server=$!
  started+=($server)
  for _ in $(seq 300); do
    kill -0 "$server" 2>/dev/null || return 0
    if find "/proc/$server/fd" -lname 'socket:*' 2>/dev/null | grep -q .; then
      own_server=$server
      return 0
    fi
    sleep 0.1
  done
}

is_windowed() {
  "$ky_objdump" -p "$1" 2>/dev/null | grep -q '^Subsystem.*Windows GUI'
}

start_display() {
  local n=99
  while [ -e /tmp/.X$n-lock ] || [ -e /tmp/.X11-unix/X$n ]; do n=$((n + 1)); done
  Xvfb :$n -screen 0 1280x1024x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
  started+=($!)
  export DISPLAY=:$n
  for _ in $(seq 50); do
    [ -e /tmp/.X11-unix/X$n ] && return 0
    sleep 0.1
  done
  fail "could not start a virtual screen (Xvfb)"
}

# Waits (up to 60 s, while the program runs) for anything to show on the
# screen, then saves a picture of it.
take_screenshot() {
  local pid=$1 file=$2 probe
  probe=$(mktemp --suffix=.png)
  for _ in $(seq 120); do
    kill -0 "$pid" 2>/dev/null || break
    if import -window root "$probe" 2>/dev/null &&
       [ "$(identify -format '%[fx:standard_deviation>0]' "$probe" 2>/dev/null)" = 1 ]; then
      sleep 1
      mkdir -p "$(dirname "$file")"
      import -window root "$file" 2>/dev/null && echo "run.sh: screenshot saved as $file" >&2
      break
    fi
    sleep 0.5
  done
  rm -f "$probe"
}

run_program() {
  local shot=$1 name=$2
  shift 2
  local exe=$bin/${name%.exe}.exe
  if [ ! -f "$exe" ]; then
    echo "run.sh: no program \"$name\" in $ky_build_name/bin" >&2
    list_programs
    exit 2
  fi
  start_wine
  if is_windowed "$exe" && { [ -z "${DISPLAY:-}" ] || [ -n "$shot" ]; }; then
    [ -n "${DISPLAY:-}" ] || start_display
    [ -n "$shot" ] || shot=$build/test-artifacts/run/${name%.exe}-$(date +%Y%m%d-%H%M%S).png
    wine "$exe" "$@" &
    local pid=$!
    take_screenshot "$pid" "$shot"
    wait "$pid"
    return $?
  fi
  # A console program may make windows too (the benchmarks of the windowed
  # programs host their views): it gets a screen, not a picture.
  [ -n "${DISPLAY:-}" ] || start_display
  wine "$exe" "$@"
}

# The main job on a sample of its own: a replace with backups and result
# lines over a small folder, then each changed file before and after.
run_demo() {
  local demo=$build/demo
  rm -rf "$demo"
  mkdir -p "$demo/sub"
  printf 'hello world\r\nsay hello twice: hello\r\n' >"$demo/dos.txt"
  printf 'hello from a file with LF line ends\nno greeting here\n' >"$demo/unix.txt"
  printf 'nothing to change\r\n' >"$demo/plain.txt"
  printf 'hello in a subfolder\n' >"$demo/sub/nested.txt"
  printf 'hello\0\001\002binary\0' >"$demo/data.bin"
  echo "Replacing \"hello\" with \"goodbye\" in $ky_build_name/demo (backups kept as .bak):"
  local winroot
  winroot="Z:$(echo "$demo" | tr / '\\')"
  # "|+": every depth of subfolders. data.bin is not a .txt file and stays as it is.
  run_program "" KyReplace -NBV -phello -qgoodbye @! "$winroot\\*.txt|+" </dev/null
  local rc=$?
  echo
  for bak in "$demo"/*.bak "$demo"/sub/*.bak; do
    [ -e "$bak" ] || continue
    local file=${bak%.bak}
    echo "== ${file#"$build"/}: before"
    tr -d '\r' <"$bak"
    echo "== ${file#"$build"/}: after"
    tr -d '\r' <"$file"
  done
  return $rc
}

shot=""
case "${1:-}" in
  "") echo "usage: ./run.sh [--win64] [--screenshot FILE.png] PROGRAM [ARGS...] | ./run.sh [--win64] --demo" >&2
      exit 2 ;;
  --demo) check_ready; run_demo; exit $? ;;
  --screenshot)
    [ $# -ge 3 ] || fail "--screenshot needs a file name and a program"
    shot=$2
    shift 2 ;;
esac
check_ready
run_program "$shot" "$@"
