#!/usr/bin/env bash
# Writes the module definition of the rebuilt thread library: every name the
# compiler's own libwinpthread-1.dll exports, data marked as such from the
# symbol types of the static archive it is rebuilt from.
#
# Usage: thread_runtime_def.sh <objdump> <nm> <compiler's DLL> <static archive> <output .def>
set -euo pipefail
objdump=$1 nm=$2 dll=$3 archive=$4 out=$5

exports=$("$objdump" -p "$dll" |
  awk '/Ordinal\/Name Pointer. Table/ { inside = 1; next }
       inside && /^[ \t]*\[/ { print $NF }
       inside && /^[ \t]*$/ { inside = 0 }')
if [ -z "$exports" ]; then
  echo "no exports found in $dll" >&2
  exit 1
fi
# Data symbols of the archive (types B, D, R), without the leading underscore of i686 names.
data=$("$nm" -g --defined-only "$archive" | awk 'NF == 3 && $2 ~ /^[BDR]$/ { sub(/^_/, "", $3); print $3 }')

{
  echo "LIBRARY libwinpthread-1.dll"
  echo "EXPORTS"
  while IFS= read -r name; do
    if grep -qxF "$name" <<<"$data"; then
      echo "  $name DATA"
    else
      echo "  $name"
    fi
  done <<<"$exports"
} >"$out.tmp"
mv "$out.tmp" "$out"
