#!/usr/bin/env bash
# Builds and runs the benchmark program once and prints a compact table (name, time, items/s)
# as Markdown for the README. Extra arguments go to vx11_bench (e.g. --benchmark_filter=Dxf).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DVX11_BENCH=ON >/dev/null
cmake --build "$build" --target vx11_bench >/dev/null
json=$(mktemp)
trap 'rm -f "$json"' EXIT
"$build/bin/vx11_bench" --benchmark_format=json --benchmark_out="$json" --benchmark_out_format=json "$@" >/dev/null
python3 - "$json" <<'PY'
import json, sys
doc = json.load(open(sys.argv[1]))
ctx = doc["context"]
print(f"{ctx.get('host_name', '?')}: {ctx['num_cpus']} CPUs at {ctx['mhz_per_cpu']} MHz, "
      f"load average {', '.join(f'{x:.2f}' for x in ctx.get('load_avg', []))}, {ctx['date']}")
print()
print("| benchmark | time | items/s |")
print("|---|---:|---:|")
def show_time(ns):
    for unit, scale in (("s", 1e9), ("ms", 1e6), ("µs", 1e3)):
        if ns >= scale:
            return f"{ns / scale:.3g} {unit}"
    return f"{ns:.3g} ns"
to_ns = {"ns": 1, "us": 1e3, "ms": 1e6, "s": 1e9}
for b in doc["benchmarks"]:
    if b.get("run_type") == "aggregate":
        continue
    ns = b["real_time"] * to_ns[b["time_unit"]]
    rate = b.get("items_per_second")
    print(f"| {b['name']} | {show_time(ns)} | {f'{rate:,.0f}' if rate else '-'} |")
PY
