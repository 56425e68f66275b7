#!/usr/bin/env bash
# Draws the cases with both GDIs and compares the dumps against the table of known
# differences (the CTest test of the Windows build, also behind ./run.sh gdi-compare).
#   RunCompare.sh OUT_DIR SOFT_DUMPER KNOWN_DIFFERENCES WINDOWS_COMMAND...
set -euo pipefail
out=$1 soft=$2 known=$3
shift 3
here=$(dirname "$0")
if [ ! -x "$soft" ]; then
  echo "our GDI's dump program $soft is missing: build it with" \
    "'cmake --build --preset debug --target qv_gdi_dump'" >&2
  exit 1
fi
mkdir -p "$out"
"$soft" >"$out/soft.txt"
"$@" >"$out/windows.txt"
"$here/CompareDumps.sh" "$out/soft.txt" "$out/windows.txt" "$known"
