#!/usr/bin/env bash
# Prints how often Quillory wakes while nothing happens: the main thread's context switches
# (each one is a sleep that ended) and those of all its threads, over 10 s at rest after a
# stroke, in each mode, with and without a compositor. A process that only reacts to events
# wakes about never; a timer of its own shows as its rate times ten.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
quillory=${1:-$root/build/quillory}
seconds=${BENCH_SECONDS:-10}

# shellcheck source=bench/processes.sh
source "$root/bench/processes.sh"

switches() { # pid, thread or all: voluntary + involuntary context switches so far
    local files=("/proc/$1/task/$1/status")
    [ "$2" = all ] && files=(/proc/"$1"/task/*/status)
    awk '/ctxt_switches/ { total += $2 } END { print total }' "${files[@]}"
}

run_case() { # name, compositor (yes/no), actions after the stroke, keys after them
    start_quillory 1920x1080 "$2"
    xdotool mousemove 400 400 mousedown 1 mousemove 600 420 mousemove 800 440 mouseup 1
    for action in $3; do "$quillory" --action "$action"; done
    for key in ${4:-}; do xdotool key "$key" && sleep 0.2; done
    xdotool mousemove 900 500
    sleep 2
    local main_before all_before main_after all_after
    main_before=$(switches "$app" main)
    all_before=$(switches "$app" all)
    sleep "$seconds"
    main_after=$(switches "$app" main)
    all_after=$(switches "$app" all)
    printf '| %s | %s | %d | %d |\n' "$1" "$2" $((main_after - main_before)) \
        $((all_after - all_before))
    stop_all
    rm -rf "$home"
}

echo "Wake-ups over $seconds s at rest (context switches of the main thread, of all threads)"
echo
echo "| mode | compositor | main thread | all threads |"
echo "|---|---|---|---|"
for compositor in yes no; do
    run_case "drawing" "$compositor" ""
    run_case "laser pointer" "$compositor" "laser"
    run_case "fading ink" "$compositor" "fade"
    run_case "pointer mode" "$compositor" "pointer"
    run_case "hidden" "$compositor" "" "Escape Escape"
done
