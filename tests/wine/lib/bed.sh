# The Wine test bed: a bash library that scenario scripts source.
#
# It gives each run its own X server, its own Wine prefix (Chinese locale, code page 936,
# drive E: linked to a folder of the run, no crash dialog) and helpers to start Windows
# programs, probe their windows, wait for conditions, read logs and the registry, and take
# screenshots. On exit it stops exactly what it started. See tests/wine/README.md.
#
# Environment (set by CTest; defaults let a scenario run by hand from the source tree):
#   LUNA_WIN64_DIR     the 64-bit Windows build tree (default: build/win64)
#   LUNA_NATIVE_DIR    the native build tree, whose portable tools run on the host
#                      (default: build/native)
#   LUNA_WINE_WORK     this run's work folder, emptied at start (default: build/wine-work/<name>)
#   LUNA_WINE_TIMEOUT  seconds after which the run stops itself (default: 300)
#   BED_KEEP=1         keep the prefix of a passing run (a failing run always keeps it)
#   BED_USE_DISPLAY=1  use $DISPLAY instead of a private Xvfb (the demo on a desktop)
#
# Real-desktop conditions (set them before bed_init):
#   BED_LANG           locale of every Wine process (default zh_CN.UTF-8: code page 936;
#                      en_US.UTF-8 gives 1252, zh_TW.UTF-8 950, hi_IN.UTF-8 65001)
#   BED_OWN_PREFIX=1   the prefix is created under BED_LANG itself (a template per locale),
#                      as on a Windows installed in that language, instead of one created
#                      under zh_CN.UTF-8 and run under BED_LANG
#   BED_SCREEN         the screen's size, WxH (default 1024x768)
#   BED_DPI            the screen's DPI (LogPixels) for every Wine process (default 96)
#   BED_FAKETIME       "YYYY-MM-DD hh:mm:ss": every Wine process runs with libfaketime at this
#                      moment from bed_init on; bed_faketime_set jumps all of them at once
#   BED_LOCALE_FILES=1 compile BED_LANG's C library locale for the run (once per work root)
#                      when the machine lacks it: without it Wine's Unix side is ASCII, so
#                      file names and command lines with other characters are mangled

set -uo pipefail

BED_LIB_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
BED_SOURCE_DIR=$(cd "$BED_LIB_DIR/../../.." && pwd)
source "$BED_LIB_DIR/ids.sh" # the programs' ids, by their C++ names
BED_NAME=$(basename "$0" .sh)
BED_WINE64=${BED_WINE64:-/usr/lib/wine/wine64}
BED_WINESERVER=${BED_WINESERVER:-/usr/lib/wine/wineserver}
BED_WIN64=$(cd "${LUNA_WIN64_DIR:-$BED_SOURCE_DIR/build/win64}" 2>/dev/null && pwd ||
    echo "${LUNA_WIN64_DIR:-$BED_SOURCE_DIR/build/win64}")
BED_NATIVE=$(cd "${LUNA_NATIVE_DIR:-$BED_SOURCE_DIR/build/native}" 2>/dev/null && pwd ||
    echo "${LUNA_NATIVE_DIR:-$BED_SOURCE_DIR/build/native}")
BED_WORK=${LUNA_WINE_WORK:-$BED_SOURCE_DIR/build/wine-work/$BED_NAME}
BED_TIMEOUT=${LUNA_WINE_TIMEOUT:-300}
BED_SHELL_EXE=$BED_WIN64/tests/tools/shell/lunashell.exe
BED_PROBE_EXE=$BED_WIN64/tests/tools/winprobe/winprobe.exe
# The hook library's file name carries its version (lunahook-1.1.1.dll); the build writes it.
BED_HOOK_DLL=$(tr -d '\r\n' <"$BED_WIN64/lunahook.name" 2>/dev/null)
BED_HOOK_DLL=${BED_HOOK_DLL:-lunahook.dll}
BED_SKIP=77
# Bump when the recipe of the template prefix changes.
BED_TEMPLATE_RECIPE=2

BED_RUN=""          # this run's folder ($BED_WORK); logs, screenshots, drive E:
BED_PREFIX=""       # this run's WINEPREFIX
BED_E_DIR=""        # what e:\ is
BED_DISPLAY=""
BED_XVFB_PID=""
BED_GUARD_PID=""
BED_SHELL_LOG=""
BED_FAILURES=0
declare -A BED_PIDS=()
declare -A BED_COMMANDS=() # NAME -> its program and arguments, quoted, for a second start
declare -A BED_RESTARTS=()
BED_LANG=${BED_LANG:-zh_CN.UTF-8}
BED_SCREEN=${BED_SCREEN:-1024x768}
BED_DPI=${BED_DPI:-}
BED_FAKETIME=${BED_FAKETIME:-}
BED_LOCALE_FILES=${BED_LOCALE_FILES:-}
BED_FAKETIME_FILE=""  # the offset every faked Wine process reads its time from

# ---------------------------------------------------------------- reporting

bed_note() { printf 'bed: %s\n' "$*" >&2; }

# Records a failed check and goes on.
bed_failed() {
    printf 'FAIL: %s\n' "$*"
    BED_FAILURES=$((BED_FAILURES + 1))
}

# Ends the scenario at once as failed.
fail() {
    printf 'FAIL: %s\n' "$*"
    exit 1
}

# Ends the scenario as skipped (CTest shows it as skipped, not failed).
skip() {
    printf 'SKIP: %s\n' "$*"
    exit "$BED_SKIP"
}

# check DESCRIPTION COMMAND...: runs the command (in a subshell: start programs outside
# check) and records a failure when it fails; the command's output is shown only then.
check() {
    local what=$1 out
    shift
    if out=$("$@" 2>&1); then
        printf 'ok: %s\n' "$what"
    else
        bed_failed "$what"
        [[ -n "$out" ]] && printf '%s\n' "$out" | sed 's/^/    /'
    fi
    return 0
}

# not COMMAND...: succeeds when the command fails (for check, wait_until).
not() { ! "$@"; }

# check_eq DESCRIPTION EXPECTED ACTUAL
check_eq() {
    if [[ "$2" == "$3" ]]; then
        printf 'ok: %s\n' "$1"
    else
        bed_failed "$1: expected [$2], got [$3]"
    fi
}

# check_match DESCRIPTION EXTENDED-REGEX ACTUAL
check_match() {
    if [[ "$3" =~ $2 ]]; then
        printf 'ok: %s\n' "$1"
    else
        bed_failed "$1: [$3] does not match /$2/"
    fi
}

# The last line of a scenario: exit status from the checks.
bed_finish() {
    if ((BED_FAILURES > 0)); then
        printf '%s: %d check(s) failed\n' "$BED_NAME" "$BED_FAILURES"
        exit 1
    fi
    printf '%s: passed\n' "$BED_NAME"
    exit 0
}

# ---------------------------------------------------------------- waiting

# wait_until SECONDS COMMAND...: polls the command every 0.2 s until it succeeds.
wait_until() {
    local deadline=$((SECONDS + $1))
    shift
    while true; do
        bed_restart_unstarted
        "$@" >/dev/null 2>&1 && return 0
        ((SECONDS >= deadline)) && return 1
        sleep 0.2
    done
}

# bed_wait_file_line FILE EXTENDED-REGEX SECONDS: a line of a UTF-8 file matches.
bed_wait_file_line() { wait_until "$3" grep -qE -- "$2" "$1"; }

# ---------------------------------------------------------------- processes

# Alive means: exists and is not a zombie.
bed_pid_alive() {
    local state
    state=$(ps -o stat= -p "$1" 2>/dev/null) || return 1
    [[ -n "$state" && "$state" != Z* ]]
}

bed_pid_gone() { ! bed_pid_alive "$1"; }

# bed_prefix_pids [PREFIX]: every Wine process (loader, preloader, server) that runs with
# this run's prefix (or the one given), Wine's own services included.
bed_prefix_pids() {
    local prefix=${1:-$BED_PREFIX} env pid exe
    [[ -n "$prefix" ]] || return 0
    # One grep over every environment (NUL-separated entries) instead of one per process.
    for env in $(grep -lszxF "WINEPREFIX=$prefix" /proc/[0-9]*/environ); do
        pid=${env#/proc/}
        pid=${pid%/environ}
        exe=$(readlink "/proc/$pid/exe" 2>/dev/null) || continue
        [[ "$exe" == */wine* ]] && bed_pid_alive "$pid" && echo "$pid"
    done
    return 0
}

# bed_start NAME PROGRAM ARGS...: starts a Windows program in the background. PROGRAM is a
# path (Unix or relative to the 64-bit build tree). Its output goes to $BED_RUN/NAME.out.
bed_start() {
    local name=$1 program=$2
    shift 2
    [[ -f "$program" ]] || program=$BED_WIN64/$program
    [[ -f "$program" ]] || fail "no program $program"
    BED_COMMANDS[$name]=$(printf '%q ' "$program" "$@")
    BED_RESTARTS[$name]=0
    bed_launch "$name" "$program" "$@"
}

bed_launch() {
    local name=$1
    shift
    # env execs the loader, so that $! is the Wine process itself.
    bed_env_vars
    env "${BED_ENV[@]}" "$BED_WINE64" "$@" >"$BED_RUN/$name.out" 2>&1 &
    BED_PIDS[$name]=$!
}

# Now and then (about one start in two thousand, more often under load) Wine cannot map a
# new process: its loader falls back to start.exe, which prints "ShellExecuteEx" failed on
# standard output and ends. The program never ran, so starting it again is safe.
BED_UNSTARTED_MARK=ShellExecuteEx

# bed_restart_unstarted: a background program that ended that way is started again (twice
# at most). Every wait_until poll calls it, so the wait after a start covers the start.
bed_restart_unstarted() {
    local name out
    for name in "${!BED_COMMANDS[@]}"; do
        out=$BED_RUN/$name.out
        [[ -s "$out" ]] && ((BED_RESTARTS[$name] < 2)) || continue
        grep -q "$BED_UNSTARTED_MARK" "$out" 2>/dev/null && bed_pid_gone "${BED_PIDS[$name]}" ||
            continue
        BED_RESTARTS[$name]=$((BED_RESTARTS[$name] + 1))
        echo "bed: Wine could not start $name; starting it again" >&2
        eval "bed_launch $name ${BED_COMMANDS[$name]}"
    done
}

bed_pid() { echo "${BED_PIDS[$1]:-}"; }

bed_alive() {
    local pid=${BED_PIDS[$1]:-}
    [[ -n "$pid" ]] && bed_pid_alive "$pid"
}

# bed_wait_exit NAME SECONDS: waits until the program has ended.
bed_wait_exit() {
    local pid=${BED_PIDS[$1]:-}
    [[ -n "$pid" ]] || return 0
    wait_until "$2" bed_pid_gone "$pid"
}

# bed_kill NAME [SIGNAL]: ends a program started with bed_start (default SIGKILL, as a crash).
bed_kill() {
    local pid=${BED_PIDS[$1]:-}
    [[ -n "$pid" ]] || return 0
    kill "-${2:-KILL}" "$pid" 2>/dev/null
    wait_until 10 bed_pid_gone "$pid"
}

# bed_env_vars: BED_ENV becomes the variables of every Wine process: the bed's locale and,
# where set, its faked clock.
bed_env_vars() {
    BED_ENV=(LANG="$BED_LANG" LC_ALL="$BED_LANG")
    if [[ -n "$BED_FAKETIME_FILE" ]]; then
        # NO_FAKE_STAT: file times stay real, or Wine finds its prefix outdated and spends a
        # minute updating it at the first start.
        BED_ENV+=(LD_PRELOAD="$BED_FAKETIME_LIB" FAKETIME_TIMESTAMP_FILE="$BED_FAKETIME_FILE"
            FAKETIME_NO_CACHE=1 NO_FAKE_STAT=1)
    fi
}

# bed_env COMMAND...: runs a command in the foreground with those variables.
bed_env() {
    bed_env_vars
    env "${BED_ENV[@]}" "$@"
}

# bed_wine ARGS...: runs the 64-bit Wine loader in the foreground with the bed's locale.
# A program that Wine could not start (see BED_UNSTARTED_MARK) is run again, twice at most;
# its output is passed on once it has ended.
bed_wine() {
    local out=${BED_RUN:-/tmp}/.wine-out.$BASHPID status try
    for try in 1 2 3; do
        bed_env "$BED_WINE64" "$@" >"$out" 2>"$out.err"
        status=$?
        ((status != 0 && try < 3)) && grep -q "$BED_UNSTARTED_MARK" "$out" "$out.err" || break
        echo "bed: Wine could not start $1; running it again" >&2
    done
    cat "$out"
    cat "$out.err" >&2
    rm -f "$out" "$out.err"
    return "$status"
}

# bed_faketime_set "YYYY-MM-DD hh:mm:ss": every Wine process of the run (BED_FAKETIME set)
# jumps to this local moment at once, and its clock runs on from there. They all read one
# offset from real time, so they always agree with each other.
bed_faketime_set() {
    local target
    [[ -n "$BED_FAKETIME_FILE" ]] || fail "bed_faketime_set needs BED_FAKETIME"
    target=$(date -d "$1" +%s) || fail "bad moment '$1'"
    printf '%+d\n' "$((target - $(date +%s)))" >"$BED_FAKETIME_FILE.new" &&
        mv -f "$BED_FAKETIME_FILE.new" "$BED_FAKETIME_FILE"
}

# bed_now [+FORMAT]: the bed's clock now, as `date` prints it: the faked one with BED_FAKETIME.
bed_now() {
    local offset=0
    [[ -n "$BED_FAKETIME_FILE" ]] && offset=$(<"$BED_FAKETIME_FILE")
    date -d "@$(($(date +%s) + offset))" "${1:-+%F %T}"
}

# probe COMMAND ARGS...: runs winprobe (see `probe help`). Non-ASCII arguments are passed
# hex-encoded, since Wine's command line would mangle them; output is UTF-8.
probe() {
    local args=() a hex
    for a in "$@"; do
        if LC_ALL=C grep -q '[^ -~]' <<<"$a"; then
            hex=$(printf '%s' "$a" | od -An -v -tx1 | tr -d ' \n')
            args+=("%u8:$hex")
        else
            args+=("$a")
        fi
    done
    bed_wine "$BED_PROBE_EXE" "${args[@]}"
}

# ---------------------------------------------------------------- paths, files, logs

# A Unix path as Windows sees it (drive Z: is the Unix root).
bed_winpath() {
    local p
    p=$(realpath -m "$1")
    printf 'Z:%s\n' "${p//\//\\}"
}

# The bytes of a text in hexadecimal (for `probe copydata-hex`).
bed_hex() { printf '%s' "$1" | od -An -v -tx1 | tr -d ' \n'; }

# Prints a GBK text file (as our Windows programs write them) as UTF-8 with LF line ends.
bed_gbk_text() {
    [[ -f "$1" ]] || return 1
    iconv -c -f GBK -t UTF-8 "$1" | tr -d '\r'
}

# The hook library's debug log (e:\lunadebug.txt) as UTF-8.
bed_debug_log() { bed_gbk_text "$BED_E_DIR/lunadebug.txt"; }

# bed_debug_log_has EXTENDED-REGEX: a line of the debug log matches.
bed_debug_log_has() { bed_debug_log | grep -qE -- "$1"; }

# bed_wait_debug_log EXTENDED-REGEX SECONDS
bed_wait_debug_log() { wait_until "$2" bed_debug_log_has "$1"; }

# ---------------------------------------------------------------- registry

# bed_reg_query KEY [VALUE]: `reg query` in the prefix, as UTF-8.
# Under load reg.exe now and then ends without printing a value that is there, in more
# ways than a failed start (seen with the value written long before and read unchanged
# after), so a query that fails or prints nothing is asked twice more before it counts as
# absent.
bed_reg_query() {
    local args=("$1") out try
    (($# > 1)) && args+=(/v "$2")
    for try in 1 2 3; do
        if out=$(bed_wine reg query "${args[@]}" 2>/dev/null) && [[ -n "$out" ]]; then
            printf '%s\n' "$out" | iconv -c -f GBK -t UTF-8 | tr -d '\r'
            return 0
        fi
    done
    return 1
}

# bed_reg_export KEY FILE: exports a key (and its subkeys) as a UTF-8 .reg text.
bed_reg_export() {
    local tmp="$BED_RUN/.export.$$.reg"
    rm -f "$tmp"
    bed_wine reg export "$1" "$(bed_winpath "$tmp")" /y >/dev/null 2>&1 || return 1
    iconv -f UTF-16 -t UTF-8 "$tmp" | tr -d '\r' >"$2"
    rm -f "$tmp"
}

# bed_reg_key_exists KEY
bed_reg_key_exists() { bed_reg_query "$1" >/dev/null; }

# bed_reg_add KEY VALUE TYPE DATA
# A write that failed is tried twice more, for the same reason.
bed_reg_add() {
    local try
    for try in 1 2 3; do
        bed_wine reg add "$1" /v "$2" /t "$3" /d "$4" /f >/dev/null 2>&1 && return 0
    done
    return 1
}

# ---------------------------------------------------------------- screen

# bed_screenshot NAME: saves the whole screen as $BED_RUN/NAME.png and prints the path.
bed_screenshot() {
    local file="$BED_RUN/$1.png"
    DISPLAY=$BED_DISPLAY import -window root "$file" 2>/dev/null || return 1
    echo "$file"
}

# bed_pixel PNG X Y: prints the pixel's colour as "R G B" (decimal).
bed_pixel() {
    convert "$1" -crop "1x1+$2+$3" -depth 8 rgb:- 2>/dev/null | od -An -v -tu1 |
        awk '{ printf "%d %d %d\n", $1, $2, $3 }'
}

# ---------------------------------------------------------------- the stand-in shell

# bed_shell_start [OPTIONS...]: starts lunashell (options: --no-defview --no-listview
# --no-clock --active-desktop --workerw --win11-24h2 --one-thread --other-tool --wide-item)
# and waits until its windows exist.
bed_shell_start() {
    BED_SHELL_LOG=$BED_RUN/shell.log
    rm -f "$BED_SHELL_LOG"
    bed_start shell "$BED_SHELL_EXE" --log "$(bed_winpath "$BED_SHELL_LOG")" "$@"
    bed_wait_file_line "$BED_SHELL_LOG" '^ready' 60 || fail "the stand-in shell did not start"
}

# bed_shell REQUEST...: asks the running stand-in shell (ping, windows, subclassed, procs,
# module NAME, tray, tip ID, icon-rect ID, tray-callback ID MSG, items, other-tool,
# other-tool-restore, layout, repaint, quit).
bed_shell() { probe shell "$@"; }

# bed_shell_says REGEX REQUEST...: the shell's reply matches, e.g.
#   wait_until 30 bed_shell_says 'view=1' subclassed
bed_shell_says() {
    local pattern=$1 reply
    shift
    reply=$(bed_shell "$@" 2>/dev/null) && [[ "$reply" =~ $pattern ]]
}

# ---------------------------------------------------------------- set-up and teardown

# bed_require FILE...: skips the scenario unless these exist in the 64-bit build tree.
bed_require() {
    local f
    for f in "$@"; do
        [[ -f "$BED_WIN64/$f" ]] || skip "$f is not built in $BED_WIN64"
    done
}

bed_start_xvfb() {
    local fdfile="$BED_RUN/xvfb.display"
    if [[ "${BED_USE_DISPLAY:-0}" == 1 && -n "${DISPLAY:-}" ]]; then
        BED_DISPLAY=$DISPLAY # the caller's own screen (the demo)
        return
    fi
    # -displayfd: the server itself takes the first free display number (it creates the
    # /tmp/.X<N>-lock atomically), so parallel runs never pick the same one.
    Xvfb -displayfd 3 -screen 0 "${BED_SCREEN}x24" -nolisten tcp -noreset 3>"$fdfile" \
        >"$BED_RUN/xvfb.log" 2>&1 &
    BED_XVFB_PID=$!
    wait_until 20 test -s "$fdfile" || fail "Xvfb did not start (see $BED_RUN/xvfb.log)"
    BED_DISPLAY=:$(tr -dc '0-9' <"$fdfile")
    export DISPLAY=$BED_DISPLAY
}

# The template prefix shared by all runs of this work root, built once (under a lock) and
# rebuilt when Wine or the recipe changes.
bed_template() {
    local root tpl stamp lock
    root=$(dirname "$BED_WORK")
    tpl="$root/.prefix-template"
    [[ -z ${BED_OWN_PREFIX:-} ]] || tpl="$tpl-${BED_LANG%%.*}"
    stamp="$("$BED_WINE64" --version 2>/dev/null) recipe $BED_TEMPLATE_RECIPE"
    mkdir -p "$root"
    exec {lock}>"$tpl.lock"
    flock -w 600 "$lock" || fail "could not lock the template prefix"
    if [[ ! -f "$tpl/.bed-stamp" || "$(cat "$tpl/.bed-stamp")" != "$stamp" ]]; then
        bed_note "preparing the template prefix (once per build tree)"
        rm -rf "$tpl" "$tpl.new"
        (
            exec {lock}>&- # Wine's processes must not hold the lock
            export WINEPREFIX="$tpl.new"
            # One template for every locale of the runs, unless the run wants its own.
            [[ -n ${BED_OWN_PREFIX:-} ]] || BED_LANG=zh_CN.UTF-8
            bed_wine wineboot -i >"$BED_RUN/wineboot.log" 2>&1
            bed_wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD \
                /d 0 /f >>"$BED_RUN/wineboot.log" 2>&1
            # Xvfb has no window manager: Wine would wait 2 s for one each time it hides or
            # destroys a window it lets a manager handle.
            bed_wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f \
                >>"$BED_RUN/wineboot.log" 2>&1
            # Wine's own services would linger for a minute; the server saves the registry
            # when it stops.
            "$BED_WINESERVER" -k
            timeout 30 "$BED_WINESERVER" -w
            bed_remove_server_dir "$WINEPREFIX"
        )
        [[ -f "$tpl.new/system.reg" ]] || fail "wineboot failed (see $BED_RUN/wineboot.log)"
        echo "$stamp" >"$tpl.new/.bed-stamp"
        mv "$tpl.new" "$tpl"
    fi
    BED_TEMPLATE=$tpl
    BED_TEMPLATE_LOCK=$lock
}

# bed_locale: with BED_LOCALE_FILES, BED_LANG's locale compiled into the work root (under
# the template's lock) and LOCPATH pointing there, unless the machine has it already.
bed_locale() {
    [[ -n "$BED_LOCALE_FILES" ]] || return 0
    local have want dir
    want=$(tr 'A-Z' 'a-z' <<<"${BED_LANG/UTF-8/utf8}")
    have=$(locale -a 2>/dev/null | tr 'A-Z' 'a-z')
    grep -qxF "$want" <<<"$have" && return 0
    command -v localedef >/dev/null || skip "localedef is not installed"
    dir=$(dirname "$BED_WORK")/.locales
    if [[ ! -d "$dir/$BED_LANG" ]]; then
        mkdir -p "$dir"
        localedef -i "${BED_LANG%%.*}" -f "${BED_LANG#*.}" "$dir/$BED_LANG.new" >/dev/null 2>&1
        [[ -d "$dir/$BED_LANG.new" ]] || fail "could not compile the locale $BED_LANG"
        mv "$dir/$BED_LANG.new" "$dir/$BED_LANG"
    fi
    export LOCPATH=$dir
}

# Copies the template: program files are hard links (Wine only reads them), everything
# else (registry, ini files, links) is a real copy, so runs never change the template.
bed_copy_template() {
    cp -al "$BED_TEMPLATE" "$BED_PREFIX" || fail "could not copy the template prefix"
    find "$BED_PREFIX" -type f -links +1 ! -iname '*.dll' ! -iname '*.exe' ! -iname '*.sys' \
        ! -iname '*.drv' ! -iname '*.nls' ! -iname '*.ocx' ! -iname '*.cpl' ! -iname '*.acm' \
        ! -iname '*.tlb' ! -iname '*.ax' ! -iname '*.ds' ! -iname '*.fon' ! -iname '*.ttf' \
        -print0 | while IFS= read -r -d '' f; do
        cp -p "$f" "$f.bed-copy" && mv -f "$f.bed-copy" "$f"
    done
    rm -f "$BED_PREFIX/.bed-stamp"
    exec {BED_TEMPLATE_LOCK}>&- # releases the lock
}

# Debian's Wine keeps the server socket in a temporary folder named in $WINEPREFIX/wineserver.
bed_remove_server_dir() {
    local file="$1/wineserver" dir
    [[ -f "$file" ]] || return 0
    dir=/tmp/$(tr -dc 'A-Za-z0-9_.-' <"$file")
    [[ "$dir" == /tmp/wine-?* && -d "$dir" ]] && rm -rf "$dir"
    rm -f "$file"
}

bed_start_guard() {
    # In a session of its own, so that it outlives a kill of the run's process group.
    setsid "$BED_LIB_DIR/guard.sh" "$$" "$BED_TIMEOUT" "$BED_PREFIX" "$BED_XVFB_PID" \
        "$BED_WINESERVER" >>"$BED_RUN/guard.log" 2>&1 &
    BED_GUARD_PID=$!
}

# bed_init: everything a scenario needs before it starts programs. Call it once, after
# bed_require.
bed_init() {
    local tool
    for tool in "$BED_WINE64" "$BED_WINESERVER"; do
        [[ -x "$tool" ]] || skip "Wine is not installed ($tool)"
    done
    for tool in Xvfb import convert iconv flock; do
        command -v "$tool" >/dev/null || skip "$tool is not installed"
    done
    bed_require tests/tools/shell/lunashell.exe tests/tools/winprobe/winprobe.exe

    rm -rf "$BED_WORK"
    mkdir -p "$BED_WORK" || fail "cannot create $BED_WORK"
    BED_RUN=$(cd "$BED_WORK" && pwd)
    BED_PREFIX=$BED_RUN/prefix
    BED_E_DIR=$BED_RUN/e
    mkdir -p "$BED_E_DIR"
    trap bed_teardown EXIT
    trap 'exit 143' TERM
    trap 'exit 130' INT

    export WINEDEBUG=-all WINEARCH=win64 WINEDLLOVERRIDES="mscoree,mshtml="
    bed_start_xvfb
    bed_template
    bed_locale
    export WINEPREFIX=$BED_PREFIX
    bed_copy_template
    ln -sfn "$BED_E_DIR" "$BED_PREFIX/dosdevices/e:"
    if [[ -n "$BED_FAKETIME" ]]; then
        BED_FAKETIME_LIB=$(dpkg -L libfaketime 2>/dev/null | grep -m1 'libfaketimeMT\.so\.1$')
        [[ -n "$BED_FAKETIME_LIB" ]] || skip "libfaketime is not installed"
        BED_FAKETIME_FILE=$BED_RUN/faketime
        bed_faketime_set "$BED_FAKETIME"
    fi
    if [[ -n "$BED_DPI" ]]; then
        bed_wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$BED_DPI" \
            /f >/dev/null 2>&1 || fail "could not set the DPI"
        bed_wine reg add 'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts' \
            /v LogPixels /t REG_DWORD /d "$BED_DPI" /f >/dev/null 2>&1 ||
            fail "could not set the DPI"
    fi
    bed_start_guard
    bed_note "run folder $BED_RUN, display $BED_DISPLAY, $BED_SCREEN, ${BED_DPI:-96} dpi, $BED_LANG${BED_FAKETIME:+, clock at $BED_FAKETIME}"
}

bed_dump_diagnostics() {
    local f
    echo "---- diagnostics of $BED_NAME (run folder $BED_RUN)"
    for f in "$BED_RUN"/*.out "$BED_RUN"/*.log; do
        [[ -s "$f" && "$f" != */xvfb.log ]] || continue
        echo "-- tail of $f"
        tail -n 25 "$f" | iconv -c -f UTF-8 -t UTF-8
    done
    if [[ -s "$BED_E_DIR/lunadebug.txt" ]]; then
        echo "-- tail of e:\\lunadebug.txt"
        bed_debug_log | tail -n 25
    fi
}

bed_teardown() {
    local code=$? pid name waited
    trap - EXIT TERM INT
    [[ -n "$BED_RUN" ]] || exit "$code"
    ((code == 143)) && echo "FAIL: $BED_NAME was stopped (time limit of $BED_TIMEOUT s, or a signal)"
    if ((code != 0 && code != BED_SKIP)) && [[ -n "$BED_XVFB_PID" ]]; then
        bed_screenshot failure >/dev/null && echo "screenshot at failure: $BED_RUN/failure.png"
        bed_dump_diagnostics
    fi
    echo "teardown at ${SECONDS}s, exit status $code" >>"$BED_RUN/teardown.log"
    for name in "${!BED_PIDS[@]}"; do
        kill -TERM "${BED_PIDS[$name]}" 2>/dev/null
    done
    if [[ -n "$BED_PREFIX" && -d "$BED_PREFIX" ]]; then
        WINEPREFIX=$BED_PREFIX "$BED_WINESERVER" -k 2>/dev/null
        WINEPREFIX=$BED_PREFIX timeout 15 "$BED_WINESERVER" -w 2>/dev/null
        # Anything of this prefix that outlived the server goes the hard way.
        for pid in $(bed_prefix_pids); do
            kill -KILL "$pid" 2>/dev/null
        done
        bed_remove_server_dir "$BED_PREFIX"
        echo "wine stopped at ${SECONDS}s" >>"$BED_RUN/teardown.log"
    fi
    for name in "${!BED_PIDS[@]}"; do
        kill -KILL "${BED_PIDS[$name]}" 2>/dev/null
    done
    if [[ -n "$BED_XVFB_PID" ]]; then
        kill -TERM "$BED_XVFB_PID" 2>/dev/null
        waited=0
        while bed_pid_alive "$BED_XVFB_PID" && ((waited < 25)); do
            sleep 0.2
            waited=$((waited + 1))
        done
        kill -KILL "$BED_XVFB_PID" 2>/dev/null
    fi
    [[ -n "$BED_GUARD_PID" ]] && kill -TERM "$BED_GUARD_PID" 2>/dev/null
    wait 2>/dev/null
    echo "done at ${SECONDS}s" >>"$BED_RUN/teardown.log"
    if ((code == 0)) && [[ "${BED_KEEP:-0}" != 1 ]]; then
        rm -rf "$BED_PREFIX"
    fi
    exit "$code"
}
