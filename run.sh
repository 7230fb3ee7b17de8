#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it.
# Without a display (no DISPLAY or WAYLAND_DISPLAY) the program runs on a virtual screen
# instead: the script waits for its window, saves a screenshot of the screen (the main
# window with the About box that greets the user), ends the program and prints the file.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
ensure_packages scripts/packages.txt

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target kordal -j "$(nproc)"
program="$PWD/build/ui/kordal"

if [[ -n "${DISPLAY:-}" || -n "${WAYLAND_DISPLAY:-}" ]]; then
    exec "$program"
fi

shot="$(mktemp -d /tmp/kordal.XXXXXX)/kordal.png"
export KORDAL_PROGRAM="$program" KORDAL_SHOT="$shot"
xvfb-run -a -s "-screen 0 1366x768x24" bash -c '
    "$KORDAL_PROGRAM" &
    pid=$!
    for _ in $(seq 100); do
        xwininfo -root -tree 2>/dev/null | grep -q "About Kordal" && break
        kill -0 "$pid" 2>/dev/null || { echo "kordal ended before its window showed" >&2; exit 1; }
        sleep 0.2
    done
    sleep 1 # let both windows paint
    import -window root "$KORDAL_SHOT"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
'
echo "Screenshot: $shot"
