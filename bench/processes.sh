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
