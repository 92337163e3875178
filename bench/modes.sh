#!/usr/bin/env bash
# Prints what the presenter's modes cost on a 3840×2160 screen with a compositor (picom):
# Quillory's CPU time while the pointer rests and while it moves at 250 Hz, for the laser
# pointer, the spotlight and fading ink (drawing as it moves), against plain drawing; and how
# long the zoom takes from the key to its first painted frame, at 1920×1080 and 3840×2160.
# CPU time is the process's user + system time from /proc/PID/stat, in clock ticks.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
quillory=${1:-$root/build/quillory}
seconds=${BENCH_SECONDS:-8}
rate=250

# shellcheck source=bench/processes.sh
source "$root/bench/processes.sh"

moves=()
for ((i = 0; i < seconds * rate; i++)); do
    if ((i % 400 < 200)); then
        moves+=(mousemove_relative 6 2 sleep 0.004)
    else
        moves+=(mousemove_relative -- -6 -2 sleep 0.004)
    fi
done

run_case() { # name, actions before, whether the button is held while moving
    start_quillory 3840x2160 yes
    xdotool mousemove 1200 900
    for action in $2; do "$quillory" --action "$action"; done
    sleep 1.5
    local before after start end rest
    before=$(cpu_ms "$app")
    sleep 5
    after=$(cpu_ms "$app")
    rest=$((after - before))
    [ "$3" = held ] && xdotool mousedown 1
    before=$(cpu_ms "$app")
    start=$(date +%s.%N)
    xdotool "${moves[@]}"
    end=$(date +%s.%N)
    after=$(cpu_ms "$app")
    [ "$3" = held ] && xdotool mouseup 1
    # What goes on after the moves: the trail and the ink fade, then nothing.
    sleep 4.5
    local tail_before tail_after
    tail_before=$(cpu_ms "$app")
    sleep 5
    tail_after=$(cpu_ms "$app")
    local elapsed per_second
    elapsed=$(echo "$end - $start" | bc -l)
    per_second=$(echo "($after - $before) / $elapsed" | bc -l)
    printf '| %s | %d ms | %.0f ms (%.0f %% of a core) | %.0f moves/s | %d ms |\n' "$1" "$rest" \
        "$per_second" "$(echo "$per_second / 10" | bc -l)" \
        "$(echo "$seconds * $rate / $elapsed" | bc -l)" $((tail_after - tail_before))
    stop_all
    rm -rf "$home"
}

zoom_case() { # screen size
    start_quillory "$1" yes
    xdotool mousemove 1200 900
    "$quillory" --action pen
    sleep 1
    local shown=()
    for i in 1 2 3 4 5; do
        xdotool key z
        until [ "$(grep -c "Zoom shown" "$home/log")" -ge "$i" ]; do sleep 0.05; done
        shown+=("$(grep "Zoom shown" "$home/log" | tail -1 | grep -oE '[0-9]+ ms' | head -1)")
        xdotool key z
        sleep 0.5
    done
    printf '| %s | %s |\n' "$1" "${shown[*]}"
    stop_all
    rm -rf "$home"
}

echo "3840×2160, picom; CPU per second of motion at ${rate} Hz ($seconds s of moves)"
echo
echo "| mode | CPU, 5 s at rest | CPU per second of motion | pointer | CPU, 5 s after it faded |"
echo "|---|---|---|---|---|"
run_case "pen, drawing" "pen" held
run_case "laser pointer" "laser" free
run_case "spotlight" "spotlight" free
run_case "fading ink, drawing" "pen fade" held
echo
echo "| screen | zoom: from the key to the first painted frame, five times |"
echo "|---|---|"
zoom_case 1920x1080
zoom_case 3840x2160
