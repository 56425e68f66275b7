#!/usr/bin/env bash
# The comparison of two pixel dumps against the table of known differences: each row of
# the table below gives two dumps, a table, and whether the comparison must pass.
#   CompareDumpsTest.sh COMPARE_DUMPS_SH
set -uo pipefail
compare=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Dumps of two 2 x 1 cases, "a" and "b"; "~" separates lines. The Windows program writes CR LF.
two_cases='case a 2 1~000000 ffffff~case b 2 1~ffffff ffffff'
b_one_off='case a 2 1~000000 ffffff~case b 2 1~ffffff 000000'
b_two_off='case a 2 1~000000 ffffff~case b 2 1~000000 000000'
b_one_off_crlf=$(printf '%s' "$b_one_off" | sed 's/~/\r~/g')
only_a='case a 2 1~000000 ffffff'

failures=0
check() {  # NAME SOFT WINDOWS TABLE WANTED_STATUS
  printf '%s\n' "$2" | tr '~' '\n' >"$work/soft.txt"
  printf '%s\n' "$3" | tr '~' '\n' >"$work/windows.txt"
  printf '%s\n' "$4" | tr '~' '\n' >"$work/known.txt"
  "$compare" "$work/soft.txt" "$work/windows.txt" "$work/known.txt" >"$work/out.txt"
  local status=$?
  if [ "$status" -ne "$5" ]; then
    echo "FAILED: $1 (exit $status, wanted $5)"
    cat "$work/out.txt"
    failures=$((failures + 1))
  fi
}

check "identical dumps, empty table" "$two_cases" "$two_cases" "# none" 0
check "a known difference of one pixel" "$two_cases" "$b_one_off" "b 1 reason" 0
check "an unknown difference" "$two_cases" "$b_one_off" "# none" 1
check "a count that grew" "$two_cases" "$b_two_off" "b 1 reason" 1
check "a count that shrank" "$two_cases" "$b_one_off" "b 2 reason" 1
check "a known difference that went away" "$two_cases" "$two_cases" "b 1 reason" 1
check "carriage returns are not pixels" "$two_cases" "$b_one_off_crlf" "b 1 reason" 0
check "a case the system did not draw" "$two_cases" "$only_a" "# none" 1
check "a case the table names that nobody drew" "$two_cases" "$two_cases" "c 0 reason" 1

[ "$failures" -eq 0 ] && echo "all comparisons as expected"
exit "$failures"
