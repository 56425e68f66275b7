#!/usr/bin/env bash
# The VBScript example of the README is the script the tests run.
#   ReadmeExampleTest.sh README SCRIPT
set -euo pipefail
example=$(awk '/^```vbscript$/ { inside = 1; next } /^```$/ { inside = 0 } inside' "$1")
if [ "$example" != "$(cat "$2")" ]; then
  echo "FAIL: the README's VBScript example differs from $2"
  diff <(printf '%s\n' "$example") "$2" || true
  exit 1
fi
echo "the README's example is $2"
