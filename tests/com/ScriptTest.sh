#!/usr/bin/env bash
# Runs every VBScript in the scripts folder through the system's script host (cscript)
# with the library registered. cscript exits 0 even when a script fails at run time, so
# each script ends with WScript.Quit and its number of failures, and prints "passed"
# last when it had none: a script that stops half-way prints nothing. Message boxes are
# logged, not shown. Scripts are passed by relative path: cscript reads a leading / as a switch.
#   ScriptTest.sh WINE OCX SCRIPT_DIR
set -uo pipefail
wine=$1
ocx=$2
scripts=$3
failures=0

ocx_dir=$(dirname "$ocx")
ocx_name=$(basename "$ocx")
(cd "$ocx_dir" && "$wine" regsvr32 /s "$ocx_name") || {
  echo "FAIL: regsvr32 exited $?"
  exit 1
}
trap '(cd "$ocx_dir" && "$wine" regsvr32 /s /u "$ocx_name")' EXIT

cd "$scripts" || exit 1
for script in *.vbs; do
  output=$(QV_MSGBOX=log "$wine" cscript //nologo "$script" 2>&1 | tr -d '\r')
  code=${PIPESTATUS[0]}
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
