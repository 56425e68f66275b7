#!/usr/bin/env bash
# Compares the pixel dumps of our GDI and the system's, case by case, and checks each count
# of differing pixels against the table of known differences (a case missing from the table
# must be identical). Prints one line per case; exit 1 when a count is not the known one,
# a case is in one dump only, or the table names a case that neither dump has.
#   CompareDumps.sh SOFT_DUMP WINDOWS_DUMP KNOWN_DIFFERENCES
set -euo pipefail
soft=$1 system=$2 known=$3
awk -v known_file="$known" '
  BEGIN {
    while ((getline line < known_file) > 0) {
      if (line ~ /^#/ || line ~ /^[ \t]*$/) continue
      split(line, field, " ")
      expected[field[1]] = field[2]
    }
  }
  { sub(/\r$/, "") }  # the Windows program writes CR LF
  FNR == 1 { file++ }
  $1 == "case" { name = $2; row = 0; names[name] = 1; seen[file, name] = 1; next }
  { for (i = 1; i <= NF; i++) pixel[file, name, row, i] = $i; width[name] = NF; row++; height[name] = row }
  END {
    failed = 0
    for (name in names) {
      want = (name in expected) ? expected[name] : 0
      if (!seen[1, name] || !seen[2, name]) {
        printf "%-30s only in the %s dump FAILED\n", name, seen[1, name] ? "first" : "second"
        failed = 1
        continue
      }
      count = 0
      for (y = 0; y < height[name]; y++)
        for (x = 1; x <= width[name]; x++)
          if (pixel[1, name, y, x] != pixel[2, name, y, x]) count++
      status = (count == want) ? "ok" : "CHANGED"
      if (count != want) failed = 1
      printf "%-30s %5d differing pixels (known: %d) %s\n", name, count, want, status
    }
    for (name in expected)
      if (!(name in names)) {
        printf "%-30s is in the table but was not drawn FAILED\n", name
        failed = 1
      }
    exit failed
  }' "$soft" "$system" | sort
exit "${PIPESTATUS[0]}"
