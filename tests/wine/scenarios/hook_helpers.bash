# Helpers of the start-up, exit and hook scenarios: lunavis against the stand-in shell.
# Sourced after bed.sh.

LUNAVIS=app/lunavis.exe
MAIN_WINDOW='#32770[桌面备忘录]'
TRAY_ICON_ID=$kTrayIconId
ALL_SUBCLASSED="desktop=1 view=1 clock=1"
NONE_SUBCLASSED="desktop=0 view=0 clock=0"

# lunavis_start [NAME]: starts lunavis under NAME (default lunavis).
lunavis_start() { bed_start "${1:-lunavis}" "$LUNAVIS"; }

# log_has EXTENDED-REGEX: a line of the debug log matches. (Reads the whole log first: a
# "grep -q" that stops early would fail the pipeline under pipefail.)
log_has() {
    local log
    log=$(bed_debug_log)
    grep -qE -- "$1" <<<"$log"
}

# log_count EXTENDED-REGEX: how many lines of the debug log match.
log_count() {
    local log
    log=$(bed_debug_log)
    grep -cE -- "$1" <<<"$log"
}

subclassed_is() { [[ "$(bed_shell subclassed)" == "$1" ]]; }

# Waits until the shell reports the given subclass state.
wait_subclassed() { wait_until "${2:-30}" subclassed_is "$1"; }

declare -A LUNAVIS_WINDOW=() # main window of each started lunavis, by name

tray_has_icon() { bed_shell tray | grep -q "id=$TRAY_ICON_ID .*alive=1"; }
tray_is_empty() { [[ -z "$(bed_shell tray)" ]]; }
# No icon of this window is left (a killed owner's icon stays, as on Windows, until the
# shell notices that its owner has gone).
tray_has_no_icon_of() { ! bed_shell tray | grep -q "^owner=$1 id=$TRAY_ICON_ID "; }

# lunavis_running_hooked [NAME]: started, shell hooked, icon shown.
lunavis_start_hooked() {
    lunavis_start "${1:-lunavis}"
    wait_subclassed "$ALL_SUBCLASSED" || fail "lunavis did not subclass the shell's windows"
    wait_until 20 tray_has_icon || fail "lunavis did not add its notification icon"
    LUNAVIS_WINDOW[${1:-lunavis}]=$(probe find "$MAIN_WINDOW")
}

# The lines of the debug log that follow the first line matching a pattern.
log_after() { bed_debug_log | sed -n "/$1/,\$p"; }

# log_in_order DESCRIPTION LINE...: the lines occur in the debug log in this order (other
# lines, from the other process, may come between them).
log_in_order() {
    local what=$1 line next=0 n=0 found
    shift
    mapfile -t log < <(bed_debug_log)
    for line in "$@"; do
        found=""
        while ((next < ${#log[@]})); do
            if [[ "${log[next]}" =~ ^$line$ ]]; then
                found=1
                next=$((next + 1))
                break
            fi
            next=$((next + 1))
        done
        if [[ -z "$found" ]]; then
            bed_failed "$what: no line /$line/ in order (after line $n)"
            return
        fi
        n=$next
    done
    printf 'ok: %s\n' "$what"
}

# Ends lunavis the way the clock menu's "退出(&EXIT)" does and waits for the process.
lunavis_exit() {
    probe post "$MAIN_WINDOW" UM_EXIT >/dev/null
    bed_wait_exit "${1:-lunavis}" 20
}

# After ExitPath: process gone, icon removed, the shell's own procedures back.
check_exited_cleanly() {
    local name=${1:-lunavis}
    check "$name: the process has ended" bed_wait_exit "$name" 20
    local window=${LUNAVIS_WINDOW[$name]:-}
    if [[ -n "$window" ]]; then
        check "$name: the notification icon is removed" wait_until 10 tray_has_no_icon_of "$window"
    else
        check "$name: the notification icon is removed" wait_until 10 tray_is_empty
    fi
    check_eq "$name: the shell's windows have their own procedures back" "$NONE_SUBCLASSED" \
        "$(bed_shell subclassed)"
    check "the stand-in shell lives on" bed_alive shell
}
