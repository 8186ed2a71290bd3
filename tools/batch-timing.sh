#!/usr/bin/env bash
# Times korvane-calc --batch on ROWS generated rows (default 100000) of each
# calculator, inputs varied row by row around the forms' defaults, first on one
# thread, then on every core; checks that both answers are the same bytes.
#   tools/batch-timing.sh [KORVANE_CALC] [ROWS]
set -euo pipefail
calc=${1:-build/cli/korvane-calc}
rows=${2:-100000}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# One CSV per calculator; awk's own arithmetic, so every machine writes the same file.
generate() {
    awk -v calc="$1" -v rows="$rows" 'BEGIN {
        split("C30 C35 C40 C45 C50 C55", grade, " ")
        split("HPB235 HRB335 HRB400", rebar, " ")
        if (calc == "circular") print "h,beta,phi,c,a,F,H,concrete,rebar"
        if (calc == "polyline") print "h,beta,phi1,c1,theta2,F,H,concrete,rebar"
        if (calc == "combined") print "nx,nz,h,d,H,M,NG,phi,bearingLayer,pileType,concrete"
        if (calc == "highcap") print "nx,nz,h,d,H,M,NG,phi,l0,bearingLayer,pileType,concrete"
        for (i = 0; i < rows; ++i) {
            g = grade[i % 6 + 1]; r = rebar[i % 3 + 1]
            if (calc == "circular")
                printf "%g,%g,%g,%g,%g,%g,%g,%s,%s\n", 4 + (i % 9) * 0.5, 35 + i % 30, 8 + i % 15,
                       10 + (i % 23) * 0.7, 1 + (i % 7) * 0.5, 800 + (i % 50) * 20, 100 + i % 120, g, r
            if (calc == "polyline")
                printf "%g,%g,%g,%g,%g,%g,%g,%s,%s\n", 4 + (i % 9) * 0.5, 40 + i % 25, 8 + i % 15,
                       10 + (i % 23) * 0.7, 30 + i % 30, 5000 + (i % 50) * 200, 300 + i % 400, g, r
            if (calc == "combined")
                printf "%d,%d,%g,%g,%g,%g,%g,%d,%d,%d,%s\n", 1 + i % 12, 1 + i % 30, 10 + i % 20,
                       0.4 + (i % 9) * 0.1, 1000 + i % 20000, 10000 + (i % 997) * 900,
                       100000 + (i % 991) * 300, 10 + i % 30, i % 3, i % 2, g
            if (calc == "highcap")
                printf "%d,%d,%g,%g,%g,%g,%g,%d,%g,%d,%d,%s\n", 1 + i % 30, 1 + i % 25, 10 + i % 60,
                       0.4 + (i % 9) * 0.1, 1000 + i % 20000, 10000 + (i % 997) * 500,
                       100000 + (i % 991) * 700, i % 46, (i % 21) * 0.5, i % 2, (i + 1) % 2, g
        }
    }'
}

printf '%-10s %10s %14s %14s %8s\n' calculator rows "1 thread (s)" "$(nproc) cores (s)" computed
for name in circular polyline combined highcap; do
    generate "$name" >"$work/$name.csv"
    start=$(date +%s.%N)
    "$calc" "$name" --threads 1 --batch "$work/$name.csv" --out "$work/$name.one.csv" 2>"$work/$name.one.log" || true
    middle=$(date +%s.%N)
    "$calc" "$name" --batch "$work/$name.csv" --out "$work/$name.all.csv" 2>"$work/$name.all.log" || true
    end=$(date +%s.%N)
    cmp -s "$work/$name.one.csv" "$work/$name.all.csv" || { echo "$name: answers differ" >&2; exit 1; }
    computed=$(grep -c ',已计算' "$work/$name.one.csv" || true)
    printf '%-10s %10d %14.2f %14.2f %8d\n' "$name" "$rows" "$(awk -v a="$start" -v b="$middle" 'BEGIN { print b - a }')" \
        "$(awk -v a="$middle" -v b="$end" 'BEGIN { print b - a }')" "$computed"
done
