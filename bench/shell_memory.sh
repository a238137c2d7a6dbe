#!/usr/bin/env bash
# The stand-in shell's memory (RssAnon of its process) before lunavis starts, while the
# library is attached and after 退出, at 1024x768 and 3840x2160 (or the sizes given), and
# the shell's CPU time per clock tick while attached. Prints figures; asserts nothing.
#
#   bench/shell_memory.sh [WxH ...]        (needs build/native and build/win64; a minute a size)
#   BENCH_STYLE=jpeg bench/shell_memory.sh 3840x2160   a 4000x3000 JPEG filling the screen
#   BENCH_STYLE=bmp  bench/shell_memory.sh 3840x2160   the same picture as a BMP
#
# Each size runs in its own test bed (tests/wine/lib/bed.sh with BED_SCREEN).
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/.." && pwd)

if [[ -z "${SHELL_MEMORY_ONE:-}" ]]; then
    sizes=("$@")
    ((${#sizes[@]})) || sizes=(1024x768 3840x2160)
    printf '%-10s %10s %10s %10s %10s %12s\n' screen before-kB attached-kB after-kB kept-kB tick-ms
    for size in "${sizes[@]}"; do
        SHELL_MEMORY_ONE=1 BED_SCREEN=$size \
            LUNA_WINE_WORK=${LUNA_WINE_WORK_ROOT:-$root/build/wine-work}/shell_memory_$size \
            bash "$0" 2>/dev/null | grep '^figures ' | cut -d' ' -f2-
    done
    exit 0
fi

source "$root/tests/wine/lib/bed.sh"
source "$root/tests/wine/scenarios/desktop_helpers.bash"
bed_require app/lunavis.exe "hook/$BED_HOOK_DLL"
bed_init
W=${BED_SCREEN%x*}
H=${BED_SCREEN#*x}

# The stand-in shell's own Linux process (bed_start may run it under a wrapper).
shell_pid() {
    local pid
    for pid in $(bed_prefix_pids); do
        grep -qa 'lunashell\.exe' "/proc/$pid/cmdline" && echo "$pid" && return
    done
}
rss() { awk '/^RssAnon:/ { print $2 }' "/proc/$SHELL_PID/status"; }
# CPU time of all the shell's threads, in nanoseconds.
cpu_ns() { cat /proc/"$SHELL_PID"/task/*/schedstat | awk '{ n += $1 } END { printf "%d", n }'; }
# Waits until RssAnon has not moved by more than 256 kB for two seconds.
settle() {
    local a b
    a=$(rss)
    for _ in $(seq 1 20); do
        sleep 2
        b=$(rss)
        ((b - a < 256 && a - b < 256)) && break
        a=$b
    done
}
clock_drawn() {
    local shot
    shot=$(bed_screenshot .clock) || return 1
    (($(desk_count_where "$shot" $((2 * W / 3)) 0 $((W / 3)) $((H / 18)) "$DESK_WHITE") > 20))
}

# The background of a new installation: the picture beside lunavis, filling the screen
# (BENCH_STYLE=solid: a solid colour instead; BENCH_STYLE=jpeg or bmp: a 4000x3000 photo of
# that format, the same picture in both, to compare what the decoded picture leaves behind).
fill='[HKEY_CURRENT_USER\software\wendrix\clock\Display]' fit='"DeskTopFit"=dword:00000001'
case ${BENCH_STYLE:-default} in
solid) desk_reg_defaults 2 0x404040 "$BED_RUN/none.bmp" ;;
jpeg | bmp)
    photo=$BED_RUN/photo.${BENCH_STYLE/jpeg/jpg}
    out=$photo
    [[ $photo == *.bmp ]] && out=BMP3:$photo
    convert -size 4000x3000 gradient:'#204060'-'#d0a070' -fill '#f0e0c0' \
        -draw 'circle 2900,800 2900,1200' -fill '#304020' -draw 'rectangle 0,2200 4000,3000' \
        -attenuate 0.3 +noise Gaussian -quality 90 -type TrueColor "$out" ||
        fail "cannot make the photo"
    desk_reg_defaults 0 0 "$photo" "$fill" "$fit"
    ;;
*) desk_reg_defaults 0 0 "$BED_WIN64/app/res/back.png" "$fill" "$fit" ;;
esac
bed_shell_start
SHELL_PID=$(shell_pid)
[[ -n $SHELL_PID ]] || fail "no shell process"
settle
before=$(rss)
bed_start lunavis app/lunavis.exe
wait_until 60 bed_shell_says 'view=1' subclassed || fail "not attached"
wait_until 30 clock_drawn || fail "no clock"
settle
attached=$(rss)
# CPU time of the shell over ten seconds of one tick a second (seconds shown), less the
# same span idle after the exit.
c0=$(cpu_ns)
sleep 10
c1=$(cpu_ns)
probe post "$DESK_MAIN" UM_EXIT >/dev/null
bed_wait_exit lunavis 30 || fail "lunavis did not exit"
settle
after=$(rss)
c2=$(cpu_ns)
sleep 10
c3=$(cpu_ns)
tick=$(awk -v a=$((c1 - c0)) -v b=$((c3 - c2)) 'BEGIN { printf "%.2f", (a - b) / 1e6 / 10 }')
echo "figures $BED_SCREEN $before $attached $after $((after - before)) $tick" |
    awk '{ printf "figures %-10s %10s %10s %10s %10s %12s\n", $2, $3, $4, $5, $6, $7 }'
bed_finish
