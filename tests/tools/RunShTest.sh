#!/usr/bin/env bash
# run.sh against stand-ins for dpkg, apt-get, cmake and qvhost: what it prints itself and
# the package manager's output stay off standard output, the package check holds on a
# machine with a second architecture, and usage gives the documented exit statuses.
set -uo pipefail
RUN_SH=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/stub" "$work/build/release/apps/qvhost"
cp "$RUN_SH" "$work/run.sh" && chmod +x "$work/run.sh"
touch "$work/build/release/CMakeCache.txt"
stub() { printf '#!/bin/sh\n%s\n' "$2" >"$work/stub/$1"; chmod +x "$work/stub/$1"; }
stub qvhost 'echo "> transcript"'
mv "$work/stub/qvhost" "$work/build/release/apps/qvhost/qvhost"
stub apt-get 'echo "apt-get $*"; echo "apt-get $*" >>"$(dirname "$0")/apt.log"'
stub cmake 'echo "[1/1] cmake $*"'
# dpkg -s is ambiguous with two instances of a package; only the native architecture is told.
stub dpkg '[ "$1" = --print-architecture ] && echo amd64 && exit 0; echo "ambiguous package name" >&2; exit 2'
failures=0
expect() { # what, condition...
  local what=$1; shift
  if "$@"; then echo "ok: $what"; else echo "FAILED: $what"; failures=$((failures + 1)); fi
}
run() { (cd "$work" && PATH="$work/stub:$PATH" ./run.sh "$@" 2>"$work/stderr"); }

# Every package missing: the install runs, and its output goes to standard error.
stub dpkg-query 'exit 1'
out=$(run qvhost run x.qvs)
expect "only the transcript on standard output" [ "$out" = "> transcript" ]
expect "the install chatter on standard error" grep -q "apt-get install" "$work/stderr"

# Each package installed for the native architecture and for i386 as well: nothing to do.
rm -f "$work/stub/apt.log"
stub dpkg-query 'printf "ii |amd64\nii |i386\n"'
run qvhost run x.qvs >/dev/null
expect "no install when native packages are there beside foreign ones" [ ! -e "$work/stub/apt.log" ]
# Only the foreign instance installed: the native one is installed.
stub dpkg-query 'printf "ii |i386\n"'
run qvhost run x.qvs >/dev/null
expect "install when only the foreign architecture has the package" [ -e "$work/stub/apt.log" ]

run >/dev/null
expect "no command: exit status 2" [ $? -eq 2 ]
out=$(run --help)
status=$?
expect "--help: exit status 0" [ $status -eq 0 ]
expect "--help: usage on standard output" grep -q "run.sh test" <<<"$out"
expect "usage: the commands and nothing of the script" \
  eval '[ "$(tail -n 1 <<<"$out")" = "$(grep "^#   ./run.sh fuzz" "$RUN_SH" | sed "s/^# //")" ]'

# rebaseline runs the tests' build of qvhost; a script it fails on keeps its golden file
# whole, the others are replaced, and the run reports the failure.
mkdir -p "$work/build/debug/apps/qvhost" "$work/tests/scenarios" "$work/docs"
touch "$work/build/debug/CMakeCache.txt"
stub qvhost '[ "$1" = demo ] && mkdir -p "$4" && echo picture >"$4/demo-form.png" && exit 0
case "$2" in *broken*) echo "> half"; exit 134 ;; esac; echo "> new"'
mv "$work/stub/qvhost" "$work/build/debug/apps/qvhost/qvhost"
echo "> old" >"$work/tests/scenarios/broken.out"
echo "> old" >"$work/tests/scenarios/fine.out"
touch "$work/tests/scenarios/broken.qvs" "$work/tests/scenarios/fine.qvs"
run rebaseline >/dev/null
status=$?
expect "rebaseline: a failed script is reported" [ $status -ne 0 ]
expect "rebaseline: its golden file is left whole" [ "$(cat "$work/tests/scenarios/broken.out")" = "> old" ]
expect "rebaseline: the others are replaced" [ "$(cat "$work/tests/scenarios/fine.out")" = "> new" ]
expect "rebaseline: the pictures are replaced" [ "$(cat "$work/docs/demo-form.png")" = picture ]
expect "rebaseline: nothing half-written is left" [ -z "$(ls "$work/tests/scenarios" | grep partial)" ]
exit $((failures > 0))
