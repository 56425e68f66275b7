#!/usr/bin/env bash
# The Windows build under Wine, for run.sh (which installs the packages first).
#   RunWindowsTests.sh test [CTEST ARGS...]   build, make a fresh prefix, run the tests
#   RunWindowsTests.sh qvhost ARGS...         qvhost.exe under that prefix
#   RunWindowsTests.sh gdi-compare            the same drawings on both GDIs, compared
# QV_WINE_ARCH=win32 or win64 chooses the build; unset, the 32-bit build is used where the
# kernel runs 32-bit programs and the 64-bit build elsewhere.
set -euo pipefail
cd "$(dirname "$0")/../.."

log() { printf '[run.sh] %s\n' "$*" >&2; }

# The 32-bit Wine needs a kernel that runs 32-bit programs (ia32 emulation).
runs_32bit_wine() { wine --version >/dev/null 2>&1; }

arch=${QV_WINE_ARCH:-}
if [ -z "$arch" ]; then
  if runs_32bit_wine; then
    arch=win32
  else
    log "this kernel runs no 32-bit programs: testing the 64-bit build instead"
    arch=win64
  fi
fi
case "$arch" in
  win32) preset=windows wine=wine ;;
  win64) preset=windows64 wine=/usr/lib/wine/wine64 && export WINELOADER=$wine ;;
  *) log "QV_WINE_ARCH must be win32 or win64, not $arch"; exit 2 ;;
esac
build_dir=build/$preset
export WINEPREFIX=$PWD/$build_dir/wineprefix WINEARCH=$arch WINEDEBUG=${QV_WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
# Code page 932 for the Windows programs (set for them only, so our own messages stay as
# the user reads them).
in_japanese() { LC_ALL=ja_JP.UTF-8 "$@"; }

check_wine() {
  local out
  if ! out=$("$wine" --version 2>&1); then
    log "$wine does not run here: $out"
    [ "$arch" = win32 ] && log "this kernel runs no 32-bit programs; QV_WINE_ARCH=win64 tests the 64-bit build"
    exit 1
  fi
}

build() {
  # From the tests' own build: the pixel comparison's drawing with our GDI, and the type
  # library's generator, which the cross build runs here instead of its own under Wine (a
  # kernel without 32-bit support runs no 32-bit generator).
  [ -f build/debug/CMakeCache.txt ] || cmake --preset debug >&2
  cmake --build --preset debug --target qv_gdi_dump qv_idlgen >&2
  cmake --preset "$preset" -DQV_IDLGEN="$PWD/build/debug/src/com/idl/qv_idlgen" >/dev/null
  cmake --build --preset "$preset" >&2
}

# Runs one step of setting Wine up with its chatter kept in the build folder; a failed step
# says which it was and shows the end of what it printed.
wine_step() { # what command...
  local what=$1 log_file=$build_dir/wine-setup.log status=0
  shift
  "$@" >>"$log_file" 2>&1 || status=$?
  [ $status -eq 0 ] && return 0
  log "$what failed (exit $status); the end of $log_file:"
  tail -n 20 "$log_file" >&2
  exit 1
}

fresh_prefix() {
  rm -rf "$WINEPREFIX" "$build_dir/wine-setup.log"
  mkdir -p "$WINEPREFIX"
  wine_step "creating the Wine prefix" in_japanese "$wine" wineboot --init
  wine_step "loading tests/windows/ClassicSettings.reg" \
    in_japanese "$wine" regedit /S 'Z:\'"$(pwd | tr / '\\')"'\tests\windows\ClassicSettings.reg'
  wine_step "waiting for the wine server" wineserver -w
}

# One wine server for the whole run, so that each test program starts in well under a second.
start_wineserver() {
  wine_step "starting the wine server" in_japanese wineserver -p
  wine_step "starting Wine in the prefix" in_japanese "$wine" wineboot
}

command=${1:-test}
[ $# -gt 0 ] && shift
check_wine
build
trap 'wineserver -k 2>/dev/null || true' EXIT
case "$command" in
  test)
    start=$SECONDS
    fresh_prefix
    start_wineserver
    log "prefix ready in $((SECONDS - start)) s"
    in_japanese ctest --preset "$preset" "$@"
    ;;
  qvhost)
    [ -d "$WINEPREFIX" ] || fresh_prefix
    start_wineserver
    qvhost=$build_dir/apps/qvhost/qvhost.exe
    [ -f "$qvhost" ] || { log "qvhost.exe was not built"; exit 1; }
    in_japanese "$wine" "$qvhost" "$@"
    ;;
  gdi-compare)
    [ -d "$WINEPREFIX" ] || fresh_prefix
    start_wineserver
    # The test of the Windows build, with its table printed whether it passes or not.
    in_japanese ctest --preset "$preset" -R '^windows\.gdi_compare$' -V
    ;;
  *)
    log "unknown command: $command"
    exit 2
    ;;
esac
