#!/usr/bin/env bash
# Prints the CPU time Quillory uses with the cursor highlight on and off, in an Xvfb of its
# own, without and with a compositor: first while the pointer rests, then while it moves at
# 250 Hz (one xdotool process, paced moves). CPU time is the process's user + system time from
# /proc/PID/stat, in clock ticks (10 ms each here).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
quillory=${1:-$root/build/quillory}
seconds=${BENCH_SECONDS:-10}
rate=250

# shellcheck source=bench/processes.sh
source "$root/bench/processes.sh"

# One xdotool call paced to `rate` moves a second, to and fro across the screen's middle.
# Relative moves, as a mouse makes them: xdotool's absolute move is a warp, which the X server
# reports to no one watching the pointer's device.
moves=()
for ((i = 0; i < seconds * rate; i++)); do
    if ((i % 200 < 100)); then
        moves+=(mousemove_relative 3 1 sleep 0.004)
    else
        moves+=(mousemove_relative -- -3 -1 sleep 0.004)
    fi
done

run_case() { # compositor (none|picom), highlight (true|false)
    local compositor=no
    [ "$1" = picom ] && compositor=yes
    start_quillory 1920x1080 "$compositor" "<key>CursorHighlight</key><$2/>"
    # The overlay follows the pointer too: put it away, so only the highlight is measured.
    xdotool mousemove 600 400 && sleep 0.3 && xdotool key Escape && sleep 0.3 && xdotool key Escape
    sleep 2

    local before after start end
    before=$(cpu_ms "$app")
    sleep "$seconds"
    after=$(cpu_ms "$app")
    local rest=$((after - before))
    before=$(cpu_ms "$app")
    start=$(date +%s.%N)
    xdotool "${moves[@]}"
    end=$(date +%s.%N)
    after=$(cpu_ms "$app")
    printf '| %s | %s | %d ms | %d ms in %.1f s (%.0f moves/s) |\n' "$1" \
        "$([ "$2" = true ] && echo on || echo off)" "$rest" $((after - before)) \
        "$(echo "$end - $start" | bc)" "$(echo "$seconds * $rate / ($end - $start)" | bc -l)"
    stop_all
    rm -rf "$home"
}

echo "| compositor | highlight | CPU, ${seconds} s at rest | CPU, ${seconds} s of moves at ${rate} Hz |"
echo "|---|---|---|---|"
for compositor in none picom; do
    for highlight in true false; do
        run_case "$compositor" "$highlight"
    done
done
