#!/usr/bin/env bash
# A flood of remote saves: Quillory on a 3840×2160 Xvfb with picom, 200 `quillory --action save`
# sent within about 2 s, and a stroke drawn while they are being taken. Prints the files
# written against the saves asked for (and the failures the log names), how long until the
# last was written, the process's peak resident memory (VmHWM), and whether the stroke showed
# on the screen while files were still being written: how long after the drag, and how many
# files were written by then. The last picture must show the stroke too.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
quillory=${1:-$root/build/quillory}
requests=${BENCH_REQUESTS:-200}

# shellcheck source=bench/processes.sh
source "$root/bench/processes.sh"

shots=$(mktemp -d)
trap 'stop_all; rm -rf "${home:-}" "$shots"' EXIT
# The screenshot folder, as a bookmark of the older kind: its path, device and inode.
bookmark=$(printf '{"path":"%s","device":"%s","inode":"%s"}' "$shots" \
    "$(stat -c %d "$shots")" "$(stat -c %i "$shots")" | base64 -w0)
start_quillory 3840x2160 yes "<key>pz.screenshotBookmark</key><data>$bookmark</data>"
xsetroot -solid '#336699'
sleep 1
rss_mib() { awk -v key="$2:" '$1 == key { printf "%.0f", $2 / 1024 }' "/proc/$1/status"; }
files() { find "$shots" -name '*.png' | wc -l; }
pixel() { # image x y: the colour there, as "#RRGGBB"; the image "screen" is the screen
    if [ "$1" = screen ]; then
        import -window root -crop "1x1+$2+$3" -depth 8 txt:-
    else
        convert "$1" -crop "1x1+$2+$3" -depth 8 txt:-
    fi 2>/dev/null | grep -oE '#[0-9A-Fa-f]{6}' | head -1
}
near_red() { # "#RRGGBB": the pen's first colour, 255,59,48
    [[ $1 =~ ^#[0-9A-Fa-f]{6}$ ]] || return 1
    local r=$((16#${1:1:2})) g=$((16#${1:3:2})) b=$((16#${1:5:2}))
    ((r > 235 && g > 39 && g < 79 && b > 28 && b < 68))
}
before=$(rss_mib "$app" VmRSS)

# The senders yield to this loop (nice), so that all of them are started at once; each then
# hands its request over as the two cores allow.
start=$(date +%s.%N)
senders=()
for ((i = 0; i < requests; i++)); do
    nice -n 10 "$quillory" --action save >/dev/null 2>&1 &
    senders+=($!)
done
sent=$(echo "$(date +%s.%N) - $start" | bc)
wait "${senders[@]}" || true
delivered=$(echo "$(date +%s.%N) - $start" | bc)

# A stroke across the middle of the screen while the saves are taken.
xdotool mousemove 1200 1080 mousedown 1
for ((x = 1200; x <= 2600; x += 40)); do xdotool mousemove "$x" 1080; done
xdotool mouseup 1
dragged=$(date +%s.%N)
shown=no
for ((tries = 0; tries < 100; tries++)); do
    if near_red "$(pixel screen 1900 1080)"; then
        shown=yes
        break
    fi
    sleep 0.1
done
stroke_ms=$(echo "($(date +%s.%N) - $dragged) * 1000" | bc | cut -d. -f1)
written_then=$(files)
deadline=$(($(date +%s) + 600))
while (($(files) + $(grep -c "could not be saved\|No image of the screen" "$home/log" || true) < requests)) &&
    (($(date +%s) < deadline)); do
    sleep 0.5
done
done_s=$(echo "$(date +%s.%N) - $start" | bc)
last=$(find "$shots" -name '*.png' -printf '%T@ %p\n' | sort -n | tail -1 | cut -d' ' -f2-)
last_pixel=$(pixel "$last" 1900 1080)

printf 'saves asked for:        %d (all started within %.1f s, all handed over %.1f s after the first)\n' \
    "$requests" "$sent" "$delivered"
printf 'files written:          %d of %d, %d failures in the log; all done %.1f s after the first\n' \
    "$(files)" "$requests" "$(grep -c "could not be saved\|No image of the screen" "$home/log" || true)" "$done_s"
printf 'peak resident memory:   %d MiB (VmHWM; %d MiB before the flood)\n' \
    "$(rss_mib "$app" VmHWM)" "$before"
printf 'stroke drawn meanwhile: %s, on the screen %d ms after the drag, with %d of %d files written\n' \
    "$shown" "$stroke_ms" "$written_then" "$requests"
printf 'the last picture shows it: %s\n' "$(near_red "$last_pixel" && echo yes || echo "no ($last_pixel)")"
