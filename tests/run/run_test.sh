#!/usr/bin/env bash
# Checks ./run.sh from outside: the demo's files and backups, KyReplace as a
# filter from standard input to standard output, and an unknown program.
# Every output goes to a file, never a pipe that a Wine helper could keep open.
#   run_test.sh ROOT BUILD --win32|--win64
# BUILD is the build folder run.sh is expected to run; --win64 is passed on
# to run.sh, --win32 means run.sh chooses by itself.
set -u
root=$1
build=$2
width=()
[ "$3" = --win64 ] && width=(--win64)
out=$(mktemp -d)
failures=0
passes=0
trap 'rm -rf "$out"' EXIT

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
same_bytes() { cmp -s "$1" <(printf "$2"); }

"$root/run.sh" "${width[@]}" --demo </dev/null >"$out/demo.out" 2>"$out/demo.err"
demo_rc=$?
demo=$build/demo
check "the demo exits with 0" [ $demo_rc -eq 0 ]
check "the demo ran this build" grep -q "in $(basename "$build")/demo" "$out/demo.out"
check "the demo reports its totals" grep -q "Made 5 replacements in 3 files" "$out/demo.out"
check "the demo shows a file before and after" grep -q "^goodbye from a file with LF line ends" "$out/demo.out"
check "CR LF file replaced" same_bytes "$demo/dos.txt" 'goodbye world\r\nsay goodbye twice: goodbye\r\n'
check "CR LF file backed up" same_bytes "$demo/dos.txt.bak" 'hello world\r\nsay hello twice: hello\r\n'
check "LF file keeps its line ends" same_bytes "$demo/unix.txt" 'goodbye from a file with LF line ends\nno greeting here\n'
check "subfolder file replaced" same_bytes "$demo/sub/nested.txt" 'goodbye in a subfolder\n'
check "subfolder file backed up" same_bytes "$demo/sub/nested.txt.bak" 'hello in a subfolder\n'
check "unchanged file has no backup" [ ! -e "$demo/plain.txt.bak" ]
check "unchanged file as it was" same_bytes "$demo/plain.txt" 'nothing to change\r\n'
check "binary file as it was" same_bytes "$demo/data.bin" 'hello\0\001\002binary\0'

printf 'hello there\nsay hello\n' >"$out/in.txt"
"$root/run.sh" "${width[@]}" KyReplace -NV -phello -qbye <"$out/in.txt" >"$out/filter.out" 2>"$out/filter.err"
filter_rc=$?
check "the filter exits with 0" [ $filter_rc -eq 0 ]
check "the filter writes the replaced text" same_bytes "$out/filter.out" 'bye there\nsay bye\n'

"$root/run.sh" "${width[@]}" NoSuchTool </dev/null >"$out/none.out" 2>"$out/none.err"
none_rc=$?
check "an unknown program exits non-zero" [ $none_rc -ne 0 ]
check "an unknown program is named" grep -q 'no program "NoSuchTool"' "$out/none.err"
check "the programs are listed" grep -qx '  KyReplace' "$out/none.err"

if [ $failures -ne 0 ]; then
  for f in "$out"/*.out "$out"/*.err; do echo "--- $(basename "$f")"; cat "$f"; done
fi
echo "$passes passed, $failures failed"
[ $failures -eq 0 ]
