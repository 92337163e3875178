# Sourced by the benchmark scripts: the processes they start, stopped on exit, and a process's
# CPU time. `pids` collects what to stop.
tick_ms=$((1000 / $(getconf CLK_TCK)))

pids=()
stop_all() {
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    pids=()
}
trap stop_all EXIT

cpu_ms() { # pid: user + system time so far (fields 14 and 15; the name holds no blank)
    awk -v tick="$tick_ms" '{ print ($14 + $15) * tick }' "/proc/$1/stat"
}

# Starts a private X server of `size` (WxH), picom where `compositor` is yes, a session bus and
# Quillory in a new HOME whose preferences hold the entries given (past the first run, the help
# card put away); waits until it has started. Sets home and app, and exports the session.
start_quillory() { # size, compositor (yes|no), more preference entries
    home=$(mktemp -d)
    Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 "$1"x24 3>"$home/display" &
    pids+=($!)
    while [ ! -s "$home/display" ]; do sleep 0.1; done
    export DISPLAY=:$(cat "$home/display")
    if [ "$2" = yes ]; then
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
${3:-}</dict></plist>
PLIST
    # Exported: `quillory --action` finds the running one through them.
    export HOME=$home XDG_CONFIG_HOME=$home/.config XDG_RUNTIME_DIR=$home QT_QPA_PLATFORM=xcb \
        QT_ACCESSIBILITY=0 NO_AT_BRIDGE=1 DBUS_SESSION_BUS_ADDRESS=$(head -1 "$home/bus")
    "$quillory" >"$home/log" 2>&1 &
    app=$!
    pids+=($app)
    until grep -qs "Quillory started" "$home/log"; do sleep 0.1; done
}
