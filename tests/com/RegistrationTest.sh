#!/usr/bin/env bash
# regsvr32 registers QV_ColorListBox.ocx (class, ProgID, control keys, verbs, type library,
# the two property pages) and
# unregistering leaves none of it behind.
#   RegistrationTest.sh WINE OCX
set -uo pipefail
wine=$1
ocx=$2
clsid='{4A59219E-6CDD-43B9-8A4A-7A6856806ACF}'
libid='{449C7D49-06CA-42D4-B2AC-9FFC3ED661D9}'
general_page='{977006A5-B030-4E9E-A743-6058593C7B85}'
check_page='{7C5EE055-44D9-47F8-A0A0-1D68C3EBBBDD}'
classes='HKLM\Software\Classes'
failures=0

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# The value of a key (its default value without a name), or nothing when it is absent.
value() { # key [name]
  local args=(/ve)
  [ $# -gt 1 ] && args=(/v "$2")
  "$wine" reg query "$1" "${args[@]}" 2>/dev/null | tr -d '\r' |
    awk -F'    ' 'NF >= 4 { print $4 }'
}

expect_value() { # key name|"" expected
  local got
  if [ -n "$2" ]; then got=$(value "$1" "$2"); else got=$(value "$1"); fi
  [ "$got" = "$3" ] || fail "$1 ${2:-(default)}: got '$got', expected '$3'"
}

expect_absent() { # key
  "$wine" reg query "$1" >/dev/null 2>&1 && fail "$1 is still there"
}

dir=$(dirname "$ocx")
name=$(basename "$ocx")
cd "$dir" || exit 1
path=$("$wine" winepath -w "$ocx" 2>/dev/null | tr -d '\r')

"$wine" regsvr32 /s "$name" || fail "regsvr32 exited $?"
expect_value "$classes\\QV_ColorListBox.ColorListBox\\CLSID" "" "$clsid"
expect_value "$classes\\CLSID\\$clsid\\InprocServer32" "" "$path"
expect_value "$classes\\CLSID\\$clsid\\InprocServer32" ThreadingModel Apartment
expect_value "$classes\\CLSID\\$clsid\\ProgID" "" QV_ColorListBox.ColorListBox
expect_value "$classes\\CLSID\\$clsid\\ToolboxBitmap32" "" "$path, 1"
expect_value "$classes\\CLSID\\$clsid\\Version" "" 1.0
expect_value "$classes\\CLSID\\$clsid\\TypeLib" "" "$libid"
expect_value "$classes\\CLSID\\$clsid\\MiscStatus\\1" "" 131473
"$wine" reg query "$classes\\CLSID\\$clsid\\Control" >/dev/null 2>&1 || fail "no Control key"
# The verbs the object lists, as containers read them from the registry.
for verb in "0|&Edit,0,3" "-1|&Show,0,1" "-4|&Activate,0,1" "-5|&Activate in Place,0,1" \
  "-3|&Hide,0,1" "-7|&Properties...,0,2"; do
  expect_value "$classes\\CLSID\\$clsid\\Verb\\${verb%%|*}" "" "${verb#*|}"
done
"$wine" reg query "$classes\\TypeLib\\$libid\\1.0" >/dev/null 2>&1 || fail "type library not registered"
for page in "$general_page ppgGeneral" "$check_page ppgCheck"; do
  set -- $page
  expect_value "$classes\\CLSID\\$1" "" "$2"
  expect_value "$classes\\CLSID\\$1\\InprocServer32" "" "$path"
  expect_value "$classes\\CLSID\\$1\\InprocServer32" ThreadingModel Apartment
done

"$wine" regsvr32 /s /u "$name" || fail "regsvr32 /u exited $?"
for key in "$classes\\CLSID\\$clsid" "$classes\\QV_ColorListBox.ColorListBox" \
  "$classes\\TypeLib\\$libid" "HKCU\\Software\\Classes\\CLSID\\$clsid" \
  "$classes\\CLSID\\$general_page" "$classes\\CLSID\\$check_page"; do
  expect_absent "$key"
done

# Unregistering what is not registered is no error.
"$wine" regsvr32 /s /u "$name" || fail "a second regsvr32 /u exited $?"

[ "$failures" -eq 0 ] && echo "registration: all checks passed"
exit $((failures > 0))
