#!/usr/bin/env bash
# Times the command line's batch: `kordal --pdf OUTDIR` over N section files (default 100),
# half rectangles and half ribbed slabs with moments from light to beyond the limit, built as
# the program is built (RelWithDebInfo, -O2). Prints the wall time of each run and their median.
#   bench/batch.sh [files, default 100] [runs, default 5]
# Figures only: nothing here passes or fails on time.
set -euo pipefail
cd "$(dirname "$0")/.."
files="${1:-100}"
runs="${2:-5}"
dir=build-bench

cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$dir" --target kordal >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/in"
for ((i = 0; i < files; i++)); do
    shape=$([ $((i % 2)) -eq 0 ] && echo rectangle || echo ribbed-slab)
    msd=$((50 + i * 9))
    cat >"$work/in/section-$i.kordal" <<EOF
{"format": "kordal-section", "version": 1, "shape": "$shape",
 "rectangle": {"b_mm": 400, "h_mm": 500, "a_mm": 45, "ap_mm": 40, "Msd_kNm": $msd,
  "concrete": "C25/30", "tension_steel": "A500", "compression_steel": "A500",
  "tension_bars": {"count": 6, "diameter_mm": 32}, "compression_bars": {"count": 4, "diameter_mm": 16}},
 "ribbed_slab": {"b_mm": 600, "h_mm": 500, "bw_mm": 200, "hf_mm": 100, "a_mm": 45, "ap_mm": 40,
  "Msd_kNm": $msd, "concrete": "C30/37", "tension_steel": "A500", "compression_steel": "A400",
  "tension_bars": {"count": 5, "diameter_mm": 25}, "compression_bars": {"count": 2, "diameter_mm": 12}}}
EOF
done

# No display: the batch must not need one.
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
export XDG_RUNTIME_DIR="$work"

times=()
for ((r = 0; r < runs; r++)); do
    rm -rf "$work/out"
    start=$(date +%s%N)
    "$dir/ui/kordal" --pdf "$work/out" "$work"/in/*.kordal
    end=$(date +%s%N)
    written=$(find "$work/out" -name '*.pdf' | wc -l)
    ms=$(((end - start) / 1000000))
    times+=("$ms")
    echo "run $((r + 1)): $written PDFs from $files files in $ms ms"
done
median=$(printf '%s\n' "${times[@]}" | sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }')
echo "median: $median ms for $files sheets ($(du -sh "$work/out" | cut -f1) of PDF)"
