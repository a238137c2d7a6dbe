#!/usr/bin/env bash
# timeout: 480
# A run of the bed leaves nothing behind: not when it ends normally, not when it runs past
# its time limit (it is stopped and still tears down), not when it is killed outright (its
# guard cleans up). Each case runs a small inner scenario beside this one.
source "$(dirname "$0")/../lib/bed.sh"

bed_init

inner=$BED_RUN/inner.sh
cat >"$inner" <<INNER
source "$BED_LIB_DIR/bed.sh"
bed_init
echo "inner xvfb=\$BED_XVFB_PID display=\$BED_DISPLAY prefix=\$BED_PREFIX"
# "slow": one long wait, which the time limit must cut short (no shell: on a busy machine
# its start alone can take much of the limit)
[[ "\${1:-}" == slow ]] && wait_until 600 false
bed_shell_start
echo "inner shell started"
# "hang": wait to be stopped (short sleeps, so none outlives the run for long)
while [[ "\${1:-}" == hang ]]; do sleep 1; done # deliberate: hangs until stopped
bed_finish
INNER
inner_work=$(dirname "$BED_RUN")/${BED_NAME}-inner

# inner_facts OUTPUT: "XVFB DISPLAY PREFIX" as the inner run printed them.
inner_facts() {
    grep '^inner ' "$1" | tr '=' ' ' | awk '{ print $3, $5, $7 }'
}

# inner_gone XVFB DISPLAY PREFIX: nothing of that run is alive, its display is free.
inner_gone() {
    [[ -n "$3" && -z "$(bed_prefix_pids "$3")" ]] || return 1
    bed_pid_alive "$1" && return 1
    [[ ! -e "/tmp/.X${2#:}-lock" ]]
}

# ---- a normal end
LUNA_WINE_WORK=$inner_work LUNA_WINE_TIMEOUT=120 bash "$inner" >"$BED_RUN/normal.out" 2>&1
check_eq "the inner run passes" 0 "$?"
read -r xvfb display prefix <<<"$(inner_facts "$BED_RUN/normal.out")"
check "it reported its Xvfb and prefix" test -n "$prefix"
check "after a normal end nothing of it is alive" inner_gone "$xvfb" "$display" "$prefix"
check "the prefix of a passing run is removed" test ! -e "$prefix"

# ---- past its time limit
started=$SECONDS
LUNA_WINE_WORK=$inner_work LUNA_WINE_TIMEOUT=20 bash "$inner" slow >"$BED_RUN/slow.out" 2>&1
status=$?
check_eq "a run past its limit ends with status 143" 143 "$status"
check "it ends soon after the limit" test $((SECONDS - started)) -lt 80
check "it says why" grep -q "FAIL: inner was stopped" "$BED_RUN/slow.out"
check "it leaves a screenshot of the moment" test -s "$inner_work/failure.png"
check "it keeps the prefix of the failed run for inspection" test -d "$inner_work/prefix"
read -r xvfb display prefix <<<"$(inner_facts "$BED_RUN/slow.out")"
check "after being stopped nothing of it is alive" inner_gone "$xvfb" "$display" "$prefix"

# ---- killed outright
LUNA_WINE_WORK=$inner_work LUNA_WINE_TIMEOUT=120 bash "$inner" hang >"$BED_RUN/killed.out" 2>&1 &
inner_pid=$!
wait_until 120 grep -q '^inner shell started' "$BED_RUN/killed.out" || fail "the inner run did not start"
read -r xvfb display prefix <<<"$(inner_facts "$BED_RUN/killed.out")"
kill -KILL "$inner_pid"
wait "$inner_pid" 2>/dev/null
check "after it is killed its guard stops what it had started" \
    wait_until 60 inner_gone "$xvfb" "$display" "$prefix"

rm -rf "$inner_work"
bed_finish
