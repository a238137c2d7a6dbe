#!/usr/bin/env bash
# Watches one test-bed run from outside. When the run has used up its time it is asked to
# stop (its own teardown then runs); when the run has vanished without tearing down (killed),
# this stops what it had started: the programs of its Wine prefix and its Xvfb.
#
#   guard.sh RUN_PID SECONDS WINEPREFIX XVFB_PID WINESERVER
set -u
run=$1 limit=$2 prefix=$3 xvfb=$4 wineserver=$5

alive() {
    local state
    state=$(ps -o stat= -p "$1" 2>/dev/null) || return 1
    [[ -n "$state" && "$state" != Z* ]]
}

# The Wine processes (loader, preloader, server) that run with this prefix.
prefix_pids() {
    local env pid exe
    for env in $(grep -lszxF "WINEPREFIX=$prefix" /proc/[0-9]*/environ); do
        pid=${env#/proc/}
        pid=${pid%/environ}
        exe=$(readlink "/proc/$pid/exe" 2>/dev/null) || continue
        [[ "$exe" == */wine* ]] && echo "$pid"
    done
}

# The run's helper processes (subshells, sleeps, probes) below it, but not its X server,
# its Wine programs (the teardown wants them) or this guard.
helpers_of() {
    local child exe
    for child in $(ps -o pid= --ppid "$1" 2>/dev/null); do
        [[ "$child" == "$$" || "$child" == "$xvfb" ]] && continue
        exe=$(readlink "/proc/$child/exe" 2>/dev/null)
        [[ "$exe" == */wine* ]] && continue
        helpers_of "$child"
        echo "$child"
    done
}

started=$SECONDS
while alive "$run"; do
    if ((SECONDS - started >= limit)); then
        echo "guard: the run took longer than $limit s; stopping it"
        kill -TERM "$run" 2>/dev/null
        # Bash acts on the signal only once its current command is done: end that command.
        for pid in $(helpers_of "$run"); do
            kill -TERM "$pid" 2>/dev/null
        done
        for _ in $(seq 1 150); do
            alive "$run" || exit 0
            sleep 0.2
        done
        echo "guard: the run did not stop; cleaning up after it"
        kill -KILL "$run" 2>/dev/null
        break
    fi
    sleep 1
done

# The run is gone and did not stop us, so it did not tear down.
echo "guard: cleaning up after run $run"
WINEPREFIX=$prefix timeout 15 "$wineserver" -k 2>/dev/null
for pid in $(prefix_pids); do
    kill -KILL "$pid" 2>/dev/null
done
[[ -n "$xvfb" ]] && kill -TERM "$xvfb" 2>/dev/null
exit 0
