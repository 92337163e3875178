#!/usr/bin/env bash
# Prints Quillory's drawing CPU time per 1,000 pointer moves in headless sway, on the native
# layer-shell surface against the XWayland window (bench_wayland.cpp says how). Builds the
# benchmark in the given build folder (build/ by default) first.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
nice cmake --build "$build" --target bench_wayland -- -j1 >/dev/null
cd "$build"
exec "$build/bench/bench_wayland"  # BENCH_ROUNDS=3 for three rounds
