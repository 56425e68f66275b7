#!/usr/bin/env bash
# One entry point for users, developers and CI: installs what is missing,
# configures, builds and runs.
#   ./run.sh demo            the sample form
#   ./run.sh test            build and run every test
#   ./run.sh bench [--check [--factor F] [--short]]  run the benchmarks, or check bench/targets.json
#   ./run.sh qvhost ARGS...  the host harness
#   ./run.sh rebaseline      regenerate the golden scenario transcripts
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(cmake ninja-build g++ pkg-config libgtest-dev libgmock-dev libbenchmark-dev libc6-dev libfreetype-dev libfontconfig-dev libpng-dev fonts-ipafont-gothic fonts-dejavu-core nlohmann-json3-dev)

log() { printf '[run.sh] %s\n' "$*" >&2; }

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"
  elif command -v sudo >/dev/null 2>&1; then sudo "$@"
  else log "need root (or sudo) to run: $*"; exit 1
  fi
}

install_missing() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  log "installing: ${missing[*]}"
  as_root apt-get update
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
}

build() { # preset
  local preset=$1
  install_missing
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
  rebaseline)
    build release
    for script in tests/scenarios/*.qvs; do
      log "rebaseline $script"
      "$QVHOST" run "$script" --out "$(mktemp -d)" >"${script%.qvs}.out" || true
    done
    git --no-pager diff --stat -- tests/scenarios || true
    ;;
  *)
    sed -n '2,9p' "$0" | sed 's/^# \{0,1\}//'
    [ -z "$cmd" ] || exit 2
    ;;
esac
