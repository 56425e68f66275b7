#!/usr/bin/env bash
# Replays the inputs kept in fuzz/regressions/TARGET, then runs the libFuzzer targets of
# build/fuzz over their corpora and prints, per target, the
# executions and the failures found. Inputs that fail are kept in build/fuzz/crashes/TARGET.
#   fuzz/run_fuzzers.sh [TARGET] [SECONDS]   TARGET: script, bag, image, api (default all)
# Exit status 1 when any target found a failure.
set -euo pipefail
cd "$(dirname "$0")/.."

ALL_TARGETS=(script bag image api)
BIN=build/fuzz/fuzz
WORK=build/fuzz

# Stack traces of failures name functions and lines when a symbolizer is at hand.
symbolizer=$(command -v llvm-symbolizer-15 || command -v llvm-symbolizer || true)
[ -z "$symbolizer" ] || export ASAN_SYMBOLIZER_PATH=$symbolizer

targets=("${ALL_TARGETS[@]}")
seconds=30
for arg in "$@"; do
  if [[ $arg =~ ^[0-9]+$ ]]; then seconds=$arg
  else targets=("${arg#fuzz_}")
  fi
done

# The seeds of a target: its own small inputs, and the scripts and pictures of the tests.
seed_files() { # target
  find "fuzz/corpus/$1" -type f 2>/dev/null
  case $1 in
    script) ls tests/scenarios/*.qvs tests/scenarios/bad/*.qvs apps/qvhost/demo/*.qvs ;;
    image) find tests resources -name '*.png' -o -name '*.bmp' ;;
  esac
}

run_target() { # target
  local target=$1 exe="$BIN/fuzz_$1"
  local corpus="$WORK/corpus/$1" crashes="$WORK/crashes/$1" log="$WORK/logs/fuzz_$1.log"
  [ -x "$exe" ] || { echo "fuzz_$target: not built ($exe)"; return 1; }
  mkdir -p "$corpus" "$crashes" "$(dirname "$log")"
  seed_files "$target" | while read -r seed; do cp -n "$seed" "$corpus/" 2>/dev/null || true; done
  local dict=()
  [ ! -f "fuzz/$target.dict" ] || dict=(-dict="fuzz/$target.dict")
  # Inputs that once failed must pass before anything new is tried.
  if [ -d "fuzz/regressions/$target" ]; then
    "$exe" fuzz/regressions/"$target"/* >"$log" 2>&1 || {
      echo "fuzz_$target: a kept regression input fails again (log: $log)"
      return 1
    }
  fi
  local before
  before=$(find "$crashes" -type f | wc -l)
  # One job at a time in a child process, so that a failure is kept and the run goes on.
  "$exe" -fork=1 -ignore_crashes=1 -ignore_timeouts=1 -ignore_ooms=1 -timeout=10 \
    -rss_limit_mb=2048 -max_total_time="$seconds" -artifact_prefix="$crashes/" \
    "${dict[@]}" "$corpus" >"$log" 2>&1 || true
  local executions failures
  executions=$(grep -oE '^#[0-9]+' "$log" | tail -n 1 | tr -d '#')
  failures=$(($(find "$crashes" -type f | wc -l) - before))
  echo "fuzz_$target: ${executions:-0} executions, $failures failures in ${seconds} s (log: $log)"
  [ "$failures" -eq 0 ] || {
    find "$crashes" -type f -newer "$log.start" -printf '  %p\n' 2>/dev/null || true
    return 1
  }
}

status=0
for target in "${targets[@]}"; do
  case " ${ALL_TARGETS[*]} " in
    *" $target "*) ;;
    *) echo "unknown fuzz target: $target (one of: ${ALL_TARGETS[*]})" >&2; exit 2 ;;
  esac
  mkdir -p "$WORK/logs" && touch "$WORK/logs/fuzz_$target.log.start"
  run_target "$target" || status=1
done
exit $status
