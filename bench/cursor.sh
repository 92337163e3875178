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
    local home display
    home=$(mktemp -d)
    Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 1920x1080x24 3>"$home/display" &
    pids+=($!)
    while [ ! -s "$home/display" ]; do sleep 0.1; done
    display=:$(cat "$home/display")
    export DISPLAY=$display
    if [ "$1" = picom ]; then
        picom --backend xrender --config /dev/null >/dev/null 2>&1 &
        pids+=($!)
        sleep 0.5
    fi
    dbus-daemon --session --nofork --print-address=1 >"$home/bus" 2>/dev/null &
    pids+=($!)
    while [ ! -s "$home/bus" ]; do sleep 0.1; done
    mkdir -p "$home/.config/quillory"
    cat >"$home/.config/quillory/preferences.plist" <<PLIST
<?xml version="1.0" encoding="UTF-8"?>
<plist version="1.0"><dict><key>FirstTimeMenu</key><true/><key>pz.infoMessageHidden</key><true/>
<key>CursorHighlight</key><$2/></dict></plist>
PLIST
    HOME=$home XDG_CONFIG_HOME=$home/.config XDG_RUNTIME_DIR=$home QT_QPA_PLATFORM=xcb \
        QT_ACCESSIBILITY=0 NO_AT_BRIDGE=1 DBUS_SESSION_BUS_ADDRESS=$(head -1 "$home/bus") \
        "$quillory" >"$home/log" 2>&1 &
    local app=$!
    pids+=($app)
    until grep -qs "Quillory started" "$home/log"; do sleep 0.1; done
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
