#!/usr/bin/env bash
# Reads the import table of every program and DLL in a folder tree and fails
# when one imports a function that Windows XP lacks (every binary, the
# compiler's runtime DLLs included) or, unless exempt, one that Windows 95 or
# NT 4 lacks, or when a binary imports a DLL that it must find on first use.
#
# Usage: check_imports.sh <objdump> <folder> <XP function list>
#                         <95 and NT 4 function list> <exemption list>
#                         <late DLL list> [suite binary ...] [-- runtime DLL ...]
# The exemption list names binaries (paths below the folder, wildcards
# allowed) that are not checked against the 95 and NT 4 list, each with its
# reason. The suite's own binaries must all be present and none may be
# exempt; the runtime DLLs given after "--" must all be present. The late DLL
# list names binaries, each followed by the DLLs it must not import.
set -u
objdump=$1 folder=$2 xp_list=$3 old_list=$4 exemptions=$5 late_list=$6
shift 6

names() { sed -e 's/#.*//' -e 's/[[:space:]]//g' "$1" | grep -v '^$'; }
# The late DLL list's lines, comments and blank lines left out.
late_lines() { sed -e 's/#.*//' "$1" | grep -v '^[[:space:]]*$'; }
mapfile -t exempt < <(names "$exemptions")

is_exempt() {
  local pattern
  for pattern in "${exempt[@]}"; do
    # shellcheck disable=SC2053 # the pattern is a wildcard on purpose
    [[ $1 == $pattern ]] && return 0
  done
  return 1
}

faults=0
fault() {
  echo "$1"
  faults=$((faults + 1))
}

runtime=0
for binary in "$@"; do
  if [ "$binary" = -- ]; then
    runtime=1
  elif [ ! -f "$folder/$binary" ]; then
    fault "$binary is missing from $folder"
  elif [ "$runtime" = 0 ] && is_exempt "$binary"; then
    fault "suite binary $binary must not be exempt"
  fi
done

checked=0 skipped=0
while IFS= read -r -d '' path; do
  binary=${path#"$folder"/}
  checked=$((checked + 1))
  check_old=1
  if is_exempt "$binary"; then
    skipped=$((skipped + 1))
    check_old=0
  fi
  # The import tables: "DLL Name: X" heads each DLL's lines "<vma> <hint> <name>".
  found=$(set -o pipefail; "$objdump" -p "$path" | awk -v xp_list="$xp_list" -v old_list="$old_list" \
                                       -v check_old="$check_old" -v binary="$binary" '
    function read_list(file, into,    line) {
      while ((getline line < file) > 0) {
        sub(/#.*/, "", line); gsub(/[ \t\r]/, "", line)
        if (line != "") into[line] = 1
      }
    }
    BEGIN { read_list(xp_list, xp); read_list(old_list, old) }
    /^The Import Tables/ { inside = 1; next }
    /^The Export Tables/ || /^PE File Base Relocations/ || /^The Function Table/ { inside = 0 }
    inside && /DLL Name:/ { dll = $3; next }
    inside && dll != "" && NF == 3 && $1 ~ /^[0-9a-f]+$/ && $2 ~ /^[0-9]+$/ {
      if ($3 in xp)
        print binary " imports " dll "!" $3 ", which Windows XP lacks"
      else if (check_old && ($3 in old))
        print binary " imports " dll "!" $3 ", which Windows 95 or NT 4 lacks"
    }')
  if [ $? != 0 ]; then
    fault "$binary: cannot read its import table"
  fi
  if [ -n "$found" ]; then
    printf '%s\n' "$found"
    faults=$((faults + $(printf '%s\n' "$found" | wc -l)))
  fi
done < <(find "$folder" -type f \( -iname '*.exe' -o -iname '*.dll' \) -print0 | sort -z)

# The DLLs some binaries find on first use must not be in their import tables.
late_checked=0
while read -r binary dlls; do
  late_checked=$((late_checked + 1))
  if [ ! -f "$folder/$binary" ]; then
    fault "$binary (late DLL list) is missing from $folder"
    continue
  fi
  imported=$("$objdump" -p "$folder/$binary" | awk '/DLL Name:/ { print tolower($3) }')
  for dll in $dlls; do
    if printf '%s\n' "$imported" | grep -qxF "$(printf '%s' "$dll" | tr '[:upper:]' '[:lower:]')"; then
      fault "$binary imports $dll, which it must find on first use (see $late_list)"
    fi
  done
done < <(late_lines "$late_list")

echo "$checked binaries checked against the Windows XP list, $skipped of them exempt from" \
     "the Windows 95 and NT 4 list, $late_checked against their late DLLs; $faults faults"
if [ "$checked" -eq 0 ]; then
  echo "no binaries found in $folder"
  exit 2
fi
[ "$faults" -eq 0 ]
