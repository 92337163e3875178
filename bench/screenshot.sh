#!/usr/bin/env bash
# Runs bench_screenshot on Xvfb screens of 1920x1080 and 3840x2160.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bench=${1:-$root/build/bench/bench_screenshot}
xvfb=
trap '[ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null' EXIT
for size in 1920x1080 3840x2160; do
    display=:$((90 + RANDOM % 100))
    Xvfb "$display" -screen 0 "${size}x24" -nolisten tcp -noreset &
    xvfb=$!
    sleep 1
    # A session bus of its own for the portal row, where the bench stands in for the portal.
    DISPLAY=$display QT_QPA_PLATFORM=xcb dbus-run-session -- "$bench" 2>&1 | grep -v '^ALSA' || true
    kill "$xvfb"
    wait "$xvfb" 2>/dev/null || true
    xvfb=
done
