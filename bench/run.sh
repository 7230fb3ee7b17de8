#!/usr/bin/env bash
# Builds the benchmarks as the program is built (RelWithDebInfo, -O2) and prints one table: the engine's design times,
# the window's reactions (refresh after a field, class change, tab switch, bar dialog) and
# the start-up time and peak memory against a bare Qt program of the same kind.
#   bench/run.sh [start-up runs, default 20]
# Figures only: nothing here passes or fails on time.
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-20}"
dir=build-bench

# -O2 as run.sh and the package build it. At -O3 GCC 12 turns the design's branches into
# code that takes several times as long (200 ns instead of 25 for a ribbed slab).
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$dir" --target engine_bench window_bench startup_bench floor_bench >/dev/null
export QT_QPA_PLATFORM=offscreen

echo "== Engine: a design (CalcDesignValues + Calculate), and the checks of the chosen bars and links (ns)"
"$dir/bench/engine_bench" --benchmark_format=console 2>/dev/null |
    grep -E '^(Rectangle|RibbedSlab|Capacity|Serviceability|Shear)' |
    awk '{ printf "%-44s %8s %s\n", $1, $2, $3 }'

echo
echo "== Window, offscreen (from the key or click to the end of its repaint)"
"$dir/bench/window_bench" 500 2>/dev/null

# Median wall time (ms) and median peak resident memory (kB) of a program's whole run.
startup() {
    local program="$1" i times=() rss=()
    for ((i = 0; i < runs; i++)); do
        local start end
        start=$(date +%s%N)
        /usr/bin/time -f '%M' -o "$dir/rss.txt" "$program" >/dev/null 2>&1
        end=$(date +%s%N)
        times+=("$(((end - start) / 1000))")
        rss+=("$(tail -n 1 "$dir/rss.txt")")
    done
    local t m
    t=$(printf '%s\n' "${times[@]}" | sort -g | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] / 1000 }')
    m=$(printf '%s\n' "${rss[@]}" | sort -g | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }')
    echo "$t $m"
}

echo
echo "== Start-up to the main window and the About box painted, then closed ($runs runs, medians)"
read -r ours_ms ours_kb < <(startup "$dir/bench/startup_bench")
read -r floor_ms floor_kb < <(startup "$dir/bench/floor_bench")
printf '%-28s %10s %12s\n' "program" "time_ms" "peak_rss_kB"
printf '%-28s %10s %12s\n' "kordal" "$ours_ms" "$ours_kb"
printf '%-28s %10s %12s\n' "bare QMainWindow + QDialog" "$floor_ms" "$floor_kb"
awk -v a="$ours_ms" -v b="$floor_ms" -v c="$ours_kb" -v d="$floor_kb" \
    'BEGIN { printf "%-28s %10.2f %12.2f\n", "ratio to the floor", (b > 0 ? a / b : 0), c / d }'
