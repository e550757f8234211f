#!/usr/bin/env bash
# Builds the fuzz targets and runs each briefly on its seed corpus ($FUZZ_SMOKE_SECONDS, default 15),
# as many side by side as there are cores. New inputs go to a scratch folder, so the corpus in the
# repository stays as it is.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${FUZZ_BUILD_DIR:-build-fuzz}
seconds=${FUZZ_SMOKE_SECONDS:-15}
scripts/fuzz-build.sh
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

smoke() {
  local name=$1
  mkdir -p "$scratch/$name"
  # A generous time limit per input: CI machines are shared; the long runs hold the 1 s limit.
  if "$build/fuzz/fuzz_$name" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
      -artifact_prefix="$scratch/$name-" "$scratch/$name" "fuzz/corpus/$name" >"$scratch/$name.log" 2>&1; then
    touch "$scratch/$name.ok"
  fi
}

names=()
for bin in "$build"/fuzz/fuzz_*; do names+=("${bin##*/fuzz_}"); done
for name in "${names[@]}"; do
  while [ "$(jobs -rp | wc -l)" -ge "$(nproc)" ]; do wait -n || true; done
  smoke "$name" &
done
wait

status=0
for name in "${names[@]}"; do
  log="$scratch/$name.log"
  if [ -e "$scratch/$name.ok" ]; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    cov=$(grep -o 'cov: [0-9]*' "$log" | tail -1)
    printf 'fuzz-smoke: %-20s ok  %8s runs  %s\n' "$name" "$runs" "$cov"
  else
    printf 'fuzz-smoke: %-20s FAILED\n' "$name"
    tail -40 "$log"
    for a in "$scratch/$name"-*; do
      if [ -f "$a" ]; then echo "input: $(basename "$a")"; od -An -c "$a" | head -8; fi
    done
    status=1
  fi
done
exit $status
