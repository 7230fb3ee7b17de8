#!/usr/bin/env bash
# Compares the window's reactions of a revision with those of the work tree:
#   bench/compare.sh REV [ROUNDS, default 5] [RUNS per round, default 200]
# Builds REV's window_bench (in a worktree of its own under build-compare/) and the work
# tree's, both RelWithDebInfo as the program is built, then runs them in turn, ROUNDS times
# each, alternating, so that a machine loaded by something else slows both alike. Prints for
# each case the median of the rounds' medians of both, and their ratio (work tree / REV).
# Figures only: nothing here passes or fails on time.
set -euo pipefail
cd "$(dirname "$0")/.."
rev="${1:?usage: bench/compare.sh REV [ROUNDS] [RUNS]}"
rounds="${2:-5}"
runs="${3:-200}"
top="$PWD/build-compare"
mkdir -p "$top"
sha=$(git rev-parse --short "$rev^{commit}")

build() { # source folder, build folder
    cmake -S "$1" -B "$2" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build "$2" --target window_bench >/dev/null
}
if [[ ! -d "$top/src-$sha" ]]; then
    git worktree add --detach "$top/src-$sha" "$sha" >/dev/null 2>&1
fi
build "$top/src-$sha" "$top/build-$sha"
build . "$top/build-work"

export QT_QPA_PLATFORM=offscreen
out="$top/results"
rm -rf "$out" && mkdir -p "$out"
for ((r = 0; r < rounds; r++)); do
    "$top/build-$sha/bench/window_bench" "$runs" 2>/dev/null >"$out/base.$r"
    "$top/build-work/bench/window_bench" "$runs" 2>/dev/null >"$out/work.$r"
done

# The median over the rounds of each case's median (column 3).
medians() {
    cat "$out/$1".* | awk '$1 != "case" { print $1, $3 }' | sort -k1,1 -k2,2g |
        awk '{ v[$1] = v[$1] " " $2; n[$1]++ }
             END { for (c in v) { split(substr(v[c], 2), a, " "); print c, a[int((n[c] + 1) / 2)] } }' |
        sort
}
printf '%-28s %12s %12s %7s\n' "case" "$sha (us)" "work (us)" "ratio"
# In the benchmark's own order of cases.
join <(medians base) <(medians work) |
    awk -v order="$(awk '$1 != "case" { print $1 }' "$out/work.0" | tr '\n' ' ')" '
        { base[$1] = $2; work[$1] = $3 }
        END { n = split(order, c, " ")
              for (i = 1; i <= n; i++) if (c[i] in base)
                  printf "%-28s %12.1f %12.1f %7.2f\n", c[i], base[c[i]], work[c[i]],
                         (base[c[i]] > 0 ? work[c[i]] / base[c[i]] : 0) }'
