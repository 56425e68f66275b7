#!/usr/bin/env bash
# Runs VBScript files through a script host with the library registered: the system's own
# (cscript) or ours (qv_script_host.exe, which connects scripts to events). cscript exits
# 0 even when a script fails at run time, so each script ends with WScript.Quit and its
# number of failures, and prints "passed" last when it had none: a script that stops
# half-way prints nothing. Message boxes are logged, not shown. Scripts are passed by
# relative path: cscript reads a leading / as a switch.
#   ScriptTest.sh WINE OCX HOST SCRIPT...   (HOST: cscript, or the path of a host program)
set -uo pipefail
wine=$1
ocx=$2
host=$3
shift 3
failures=0
[ $# -gt 0 ] || { echo "FAIL: no scripts to run"; exit 1; }
[ "$host" = cscript ] || host=$(realpath "$host")  # each script runs in its own folder

ocx_dir=$(dirname "$ocx")
ocx_name=$(basename "$ocx")
(cd "$ocx_dir" && "$wine" regsvr32 /s "$ocx_name") || {
  echo "FAIL: regsvr32 exited $?"
  exit 1
}
trap '(cd "$ocx_dir" && "$wine" regsvr32 /s /u "$ocx_name")' EXIT

run_script() { # name
  if [ "$host" = cscript ]; then
    "$wine" cscript //nologo "$1"
  else
    "$wine" "$host" "$1"
  fi
}

for path in "$@"; do
  script=$(basename "$path")
  output=$(cd "$(dirname "$path")" && QV_MSGBOX=log run_script "$script" 2>&1 | tr -d '\r')
  code=$?
  # The script's own verdict is its last line: "passed" (and exit code 0).
  if [ "$code" -ne 0 ] || [ "$(tail -n 1 <<<"$output")" != "passed" ]; then
    echo "FAIL: $script (exit $code)"
    echo "$output"
    failures=$((failures + 1))
  else
    echo "ok: $script"
  fi
done
exit $((failures > 0))
