#!/usr/bin/env bash
# Runs one scenario through qvhost.exe under Wine and compares its transcript with the
# golden file of the Linux run: every line that is not a pixel line must be the same, and
# the pixel lines must be the same as the golden file's or, where a Windows golden of
# pixel lines exists (tests/scenarios/windows/NAME.pixels), as that one's.
#   CompareScenario.sh WINE QVHOST_EXE SCRIPT GOLDEN OUT_DIR [WINDOWS_PIXELS]
set -euo pipefail
wine=$1 qvhost=$2 script=$3 golden=$4 out_dir=$5 pixels=${6:-}
mkdir -p "$out_dir"
actual=$out_dir/transcript.out
if ! "$wine" "$qvhost" run "$script" --out "$out_dir" >"$actual" 2>"$out_dir/stderr.txt"; then
  echo "qvhost.exe failed:"; cat "$out_dir/stderr.txt"; exit 1
fi
is_pixel='^[^ ]*\.pixel '
status=0
if ! diff -u --label golden --label windows <(grep -av "$is_pixel" "$golden") \
    <(grep -av "$is_pixel" "$actual"); then
  echo "lines other than pixels differ from $golden"; status=1
fi
expected_pixels=$golden
[ -n "$pixels" ] && [ -f "$pixels" ] && expected_pixels=$pixels
if ! diff -u --label expected --label windows <(grep -a "$is_pixel" "$expected_pixels") \
    <(grep -a "$is_pixel" "$actual"); then
  echo "pixel lines differ from $expected_pixels"; status=1
fi
exit $status
