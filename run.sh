#!/usr/bin/env bash
# One entry point for users, developers and CI: installs what is missing,
# configures, builds and runs.
#   ./run.sh demo            the sample form
#   ./run.sh test            build and run every test
#   ./run.sh test windows    cross-build for 32-bit Windows and run its tests under Wine
#   ./run.sh gdi-compare     draw the same cases with our GDI and the system's (Wine), count differences
#   ./run.sh qvhost-windows ARGS...  the host harness built for Windows, under Wine
#   ./run.sh bench [--check [--factor F] [--short]]  run the benchmarks, or check bench/targets.json
#   ./run.sh qvhost ARGS...  the host harness
#   ./run.sh rebaseline      regenerate the golden scenario transcripts and docs/ pictures
#   ./run.sh fuzz [TARGET] [SECONDS]  run one libFuzzer target or all (default 30 s each)
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(cmake ninja-build g++ pkg-config libgtest-dev libgmock-dev libbenchmark-dev libc6-dev libfreetype-dev libfontconfig-dev libpng-dev fonts-ipafont-gothic fonts-dejavu-core nlohmann-json3-dev libsdl2-dev xvfb xauth xdotool)

# The Windows build and its tests only: the cross compiler, widl, 32-bit Wine, a display.
WINDOWS_PACKAGES=(g++-mingw-w64-i686 mingw-w64-tools libwine-dev:i386 wine wine32:i386 xvfb xauth locales)
# The 64-bit build (QV_WINE_ARCH=win64), for kernels that run no 32-bit programs.
WINDOWS64_PACKAGES=(g++-mingw-w64-x86-64 wine64)

# The fuzz build only: clang and libFuzzer.
FUZZ_PACKAGES=(clang-15 libfuzzer-15-dev)

# What run.sh itself prints, the package manager's output included, goes to standard error,
# so that standard output carries only what the command run prints (a transcript, say).
log() { printf '[run.sh] %s\n' "$*" >&2; }

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"
  elif command -v sudo >/dev/null 2>&1; then sudo "$@"
  else log "need root (or sudo) to run: $*"; exit 1
  fi
}

usage() { awk 'NR > 1 && !/^#/ { exit } NR > 1 { sub(/^# ?/, ""); print }' "$0"; }

# Installed for the native architecture (or for all): on a machine with a second
# architecture a name alone is ambiguous, and only the native package builds our code.
# A name with an architecture (wine32:i386) is checked for that one.
is_installed() { # package[:arch]
  local name=${1%%:*} arch
  arch=$(dpkg --print-architecture)
  [ "$name" != "$1" ] && arch=${1#*:}
  dpkg-query -W -f='${db:Status-Abbrev}|${Architecture}\n' "$name" 2>/dev/null |
    grep -qE "^ii \|($arch|all)\$"
}

install_missing() { # packages...
  local missing=()
  for p in "$@"; do
    is_installed "$p" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  log "installing: ${missing[*]}"
  as_root apt-get update >&2
  as_root env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y --no-install-recommends "${missing[@]}" >&2
}

# Wine runs the Windows builds under the Japanese locale (code page 932). Both builds' tools
# are installed: the 64-bit one is used where the kernel runs no 32-bit programs.
install_windows() {
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    log "adding the i386 architecture"
    as_root dpkg --add-architecture i386
  fi
  install_missing "${PACKAGES[@]}" "${WINDOWS_PACKAGES[@]}" "${WINDOWS64_PACKAGES[@]}"
  if ! locale -a 2>/dev/null | grep -qix 'ja_JP.utf8'; then
    log "generating the ja_JP.UTF-8 locale"
    as_root localedef -i ja_JP -f UTF-8 ja_JP.UTF-8 >&2
  fi
}

build() { # preset
  local preset=$1
  install_missing "${PACKAGES[@]}"
  if [ ! -f "build/$preset/CMakeCache.txt" ]; then
    cmake --preset "$preset" >&2
  fi
  cmake --build --preset "$preset" >&2
}

QVHOST=build/release/apps/qvhost/qvhost

cmd=${1:-}
[ $# -gt 0 ] && shift
case "$cmd" in
  demo)
    build release
    "$QVHOST" demo "$@"
    ;;
  test)
    if [ "${1:-}" = windows ]; then
      shift
      install_windows
      exec tests/windows/RunWindowsTests.sh test "$@"
    fi
    build debug
    ctest --preset debug "$@"
    ;;
  bench)
    build release
    if [ "${1:-}" = --check ]; then
      shift
      exec build/release/bench/qv_bench_check build/release/bench/qv_bench bench/targets.json "$@"
    fi
    build/release/bench/qv_bench "$@"
    ;;
  qvhost)
    build release
    exec "$QVHOST" "$@"
    ;;
  gdi-compare)
    install_windows
    exec tests/windows/RunWindowsTests.sh gdi-compare
    ;;
  qvhost-windows)
    install_windows
    exec tests/windows/RunWindowsTests.sh qvhost "$@"
    ;;
  rebaseline)
    # The build the tests use, so the golden files are what the tests compare with. Each file
    # is written aside and moved into place whole once qvhost succeeded, so a failed or
    # interrupted run leaves the old file as it was.
    build debug
    qvhost_debug=build/debug/apps/qvhost/qvhost
    work=$(mktemp -d)
    trap 'rm -rf "$work"; rm -f tests/scenarios/*.out.partial tests/scenarios/soft/*.out.partial docs/*.png.partial' EXIT
    failed=0
    for script in tests/scenarios/*.qvs tests/scenarios/soft/*.qvs; do
      log "rebaseline $script"
      golden=${script%.qvs}.out
      if "$qvhost_debug" run "$script" --out "$work/out" >"$golden.partial"; then
        mv "$golden.partial" "$golden"
      else
        log "qvhost failed on $script; its golden transcript is left as it was"
        failed=1
      fi
    done
    "$qvhost_debug" demo --headless --out "$work/docs" >/dev/null
    for picture in "$work"/docs/*.png; do
      cp "$picture" "docs/$(basename "$picture").partial"
      mv "docs/$(basename "$picture").partial" "docs/$(basename "$picture")"
    done
    git --no-pager diff --stat -- tests/scenarios docs >&2 || true
    exit $failed
    ;;
  fuzz)
    install_missing "${FUZZ_PACKAGES[@]}"
    build fuzz
    fuzz/run_fuzzers.sh "$@"
    ;;
  --help | -h | help)
    usage
    ;;
  *)
    [ -z "$cmd" ] || log "unknown command: $cmd"
    usage >&2
    exit 2
    ;;
esac
