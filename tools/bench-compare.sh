#!/usr/bin/env bash
# Speed of the calculations, old engines against the current ones, in one run: builds
# the benchmarks of this tree twice (Release), once over the engines of BASE and once
# over the current ones, runs the two alternately and prints a table of the medians
# (CPU time) with the ratio old / new.
#   tools/bench-compare.sh [BASE] [ROUNDS]
#   BASE    a commit (default: the last commit before the engines were reworked)
#   ROUNDS  alternating rounds of each program (default 3), each of 5 repetitions
set -euo pipefail
cd "$(dirname "$0")/.."

base=${1:-4bb125d}
rounds=${2:-3}
out=build-bench
rm -rf "$out/base-src"
mkdir -p "$out/base-src" "$out/results"

# The old engines with today's benchmark programs, so both measure the same cases.
git archive "$base" | tar -x -C "$out/base-src"
rm -rf "$out/base-src/bench"
cp -r bench "$out/base-src/bench"

configure() {
    cmake -S "$1" -B "$2" -DCMAKE_BUILD_TYPE=Release -DKORVANE_BUILD_UI=OFF >/dev/null
    cmake --build "$2" -j"$(nproc)" --target bench_slope bench_pile >/dev/null
}
configure "$out/base-src" "$out/base"
configure . "$out/new"

rm -f "$out"/results/*.json
for round in $(seq 1 "$rounds"); do
    for side in base new; do
        for program in bench_slope bench_pile; do
            "$out/$side/bench/$program" --benchmark_repetitions=5 \
                --benchmark_format=json >"$out/results/$side-$program-$round.json"
        done
    done
done

python3 - "$out/results" <<'PY'
import glob, json, os, statistics, sys
times = {}
for path in sorted(glob.glob(os.path.join(sys.argv[1], "*.json"))):
    side = os.path.basename(path).split("-")[0]
    for b in json.load(open(path))["benchmarks"]:
        if b.get("run_type") == "aggregate":
            continue
        scale = {"ns": 1e-3, "us": 1.0, "ms": 1e3}[b["time_unit"]]
        times.setdefault(b["run_name"], {}).setdefault(side, []).append(b["cpu_time"] * scale)
print("| benchmark | old (µs) | new (µs) | old / new |")
print("|---|---:|---:|---:|")
for name, sides in times.items():
    old = statistics.median(sides["base"])
    new = statistics.median(sides["new"])
    ratio = old / new
    shown = f"{ratio:,.0f}" if ratio >= 100 else f"{ratio:.2f}"
    print(f"| `{name}` | {old:,.2f} | {new:,.3f} | {shown}× |")
PY
