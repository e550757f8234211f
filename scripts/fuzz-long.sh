#!/usr/bin/env bash
# Runs fuzz targets for a long time each, nice'd, growing a work corpus seeded from fuzz/corpus/.
#   scripts/fuzz-long.sh [seconds per target, default 600] [target ...]   (default: every target)
# FUZZ_JOBS targets run side by side (default 1); FUZZ_MERGE=1 adds the inputs that reach new code
# to fuzz/corpus/<target> afterwards. Findings are kept as build-fuzz/findings/<target>-crash-*.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${FUZZ_BUILD_DIR:-build-fuzz}
seconds=${1:-600}
shift || true
scripts/fuzz-build.sh
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for bin in "$build"/fuzz/fuzz_*; do targets+=("${bin##*/fuzz_}"); done
fi
work="$build/corpus"
findings="$build/findings"
logs="$build/fuzz-logs"
mkdir -p "$work" "$findings" "$logs"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

run_one() {
  local name=$1
  mkdir -p "$work/$name" "fuzz/corpus/$name"
  # libFuzzer measures wall-clock time, which a nice'd run on a busy machine loses to others for
  # seconds at a time. So inputs over 1 s are only kept (slow-unit-*, timeout-* past 120 s) and timed
  # again afterwards at normal priority; only those still over 1 s count as hangs.
  nice -n 19 "$build/fuzz/fuzz_$name" -max_total_time="$seconds" -timeout=120 -report_slow_units=1 \
    -print_final_stats=1 \
    -artifact_prefix="$findings/$name-" "$work/$name" "fuzz/corpus/$name" >"$logs/$name.log" 2>&1 || true
  for unit in "$findings/$name"-slow-unit-* "$findings/$name"-timeout-*; do
    [ -f "$unit" ] || continue
    ms=$("$build/fuzz/fuzz_$name" "$unit" 2>&1 | sed -n 's/^Executed .* in \([0-9]*\) ms$/\1/p')
    if [ -n "$ms" ] && [ "$ms" -le 1000 ]; then
      echo "timed again: $(basename "$unit") takes $ms ms" >>"$logs/$name.log"
      rm -f "$unit"
    else
      echo "hang: $(basename "$unit") takes ${ms:-over 120000} ms" >>"$logs/$name.log"
      mv "$unit" "$findings/$name-hang-${unit##*-}"
    fi
  done
  if [ "${FUZZ_MERGE:-0}" = 1 ]; then
    "$build/fuzz/fuzz_$name" -merge=1 "fuzz/corpus/$name" "$work/$name" >>"$logs/$name.log" 2>&1 || true
  fi
}

jobs=${FUZZ_JOBS:-1}
for name in "${targets[@]}"; do
  while [ "$(jobs -rp | wc -l)" -ge "$jobs" ]; do wait -n; done
  run_one "$name" &
done
wait

printf '%-20s %12s %8s %6s %6s %8s  %s\n' target executions exec/s cov ft slowest findings
for name in "${targets[@]}"; do
  log="$logs/$name.log"
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
  cov=$(grep -o 'cov: [0-9]*' "$log" | tail -1 | cut -d' ' -f2)
  ft=$(grep -o 'ft: [0-9]*' "$log" | tail -1 | cut -d' ' -f2)
  slowest=$(sed -n 's/^stat::slowest_unit_time_sec: *//p' "$log" | tail -1)
  found=$(find "$findings" -name "$name-*" | wc -l)
  printf '%-20s %12s %8s %6s %6s %7ss  %s\n' "$name" "${runs:-?}" "${rate:-?}" "${cov:-?}" "${ft:-?}" "${slowest:-?}" "$found"
done
