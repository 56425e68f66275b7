#!/usr/bin/env bash
# Runs host scenarios through qvcontainer with the library registered, reading pixels from
# the in-place window and again from the control's view object, and compares each
# transcript with the host harness's own golden transcript of the same scenario: the
# control in a real OLE container must tell the same story. qvcontainer's exit status also
# says whether every reference came back and the library can unload.
#   ContainerScenarioTest.sh WINE OCX CONTAINER SCENARIO_DIR NAME...
set -uo pipefail
wine=$1
ocx=$2
container=$3
scenarios=$4
shift 4
failures=0

ocx_dir=$(dirname "$ocx")
ocx_name=$(basename "$ocx")
(cd "$ocx_dir" && "$wine" regsvr32 /s "$ocx_name") || {
  echo "FAIL: regsvr32 exited $?"
  exit 1
}
trap '(cd "$ocx_dir" && "$wine" regsvr32 /s /u "$ocx_name")' EXIT

out=$(mktemp -d)
cd "$scenarios" || exit 1
for name in "$@"; do
  for mode in window --drawn; do
    flag=$([ "$mode" = --drawn ] && echo --drawn)
    "$wine" "$container" run "$name.qvs" $flag --out "$out" >"$out/$name.out" 2>"$out/$name.err"
    code=$?
    if [ "$code" -ne 0 ] || ! cmp -s "$out/$name.out" "$name.out"; then
      echo "FAIL: $name ($mode, exit $code)"
      cat "$out/$name.err"
      diff "$out/$name.out" "$name.out" | head -20
      failures=$((failures + 1))
    else
      echo "ok: $name ($mode): $(cat "$out/$name.err")"
    fi
  done
done
rm -rf "$out"
exit $((failures > 0))
