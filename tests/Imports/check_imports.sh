#!/usr/bin/env bash
# Reads the import table of every program and DLL in a folder tree and fails
# when one imports a function from the list of those Windows 95 or NT 4 lacks.
#
# Usage: check_imports.sh <objdump> <folder> <function list> <exemption list>
#                         [suite binary ...]
# The exemption list names binaries (paths below the folder, wildcards
# allowed) that are not checked, each with its reason; the suite's own
# binaries, given after it, must all be present and none may be exempt.
set -u
objdump=$1 folder=$2 list=$3 exemptions=$4
shift 4

names() { sed -e 's/#.*//' -e 's/[[:space:]]//g' "$1" | grep -v '^$'; }
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
for binary in "$@"; do
  if [ ! -f "$folder/$binary" ]; then
    echo "suite binary $binary is missing from $folder"
    faults=$((faults + 1))
  elif is_exempt "$binary"; then
    echo "suite binary $binary must not be exempt"
    faults=$((faults + 1))
  fi
done

checked=0 skipped=0
while IFS= read -r -d '' path; do
  binary=${path#"$folder"/}
  if is_exempt "$binary"; then
    skipped=$((skipped + 1))
    continue
  fi
  checked=$((checked + 1))
  # The import tables: "DLL Name: X" heads each DLL's lines "<vma> <hint> <name>".
  found=$("$objdump" -p "$path" | awk -v list="$list" -v binary="$binary" '
    BEGIN {
      while ((getline line < list) > 0) {
        sub(/#.*/, "", line); gsub(/[ \t\r]/, "", line)
        if (line != "") banned[line] = 1
      }
    }
    /^The Import Tables/ { inside = 1; next }
    /^The Export Tables/ || /^PE File Base Relocations/ || /^The Function Table/ { inside = 0 }
    inside && /DLL Name:/ { dll = $3; next }
    inside && dll != "" && NF == 3 && $1 ~ /^[0-9a-f]+$/ && $2 ~ /^[0-9]+$/ && ($3 in banned) {
      print binary " imports " dll "!" $3 ", which Windows 95 or NT 4 lacks"
    }')
  if [ "${PIPESTATUS[0]}" != 0 ]; then
    echo "$binary: cannot read its import table"
    faults=$((faults + 1))
  fi
  if [ -n "$found" ]; then
    printf '%s\n' "$found"
    faults=$((faults + $(printf '%s\n' "$found" | wc -l)))
  fi
done < <(find "$folder" -type f \( -iname '*.exe' -o -iname '*.dll' \) -print0 | sort -z)

echo "$checked binaries checked, $skipped exempt, $faults faults"
if [ "$checked" -eq 0 ]; then
  echo "no binaries found in $folder"
  exit 2
fi
[ "$faults" -eq 0 ]
