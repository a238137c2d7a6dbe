#!/usr/bin/env bash
# How often the desktop's one-second tick misses or doubles a second 0, and whether every
# minute's reminders are still shown exactly once. Runs lunavis against the stand-in shell
# under Wine for MINUTES minutes (default 60) of faked time, with one reminder due in each
# of 50 minutes, closes every reminder box as it comes and prints the figures:
#
#   bench/tick_minutes.sh [MINUTES]        (from the source tree, after building native and win64)
#
# A tick that missed a minute's second 0 is what lost that minute's reminders before the
# tick checked every minute that has begun ("tick: 1 minute(s) from ... checked at" in the
# debug log); a second 0 sampled twice is what showed a box twice ("tick:
# second 0 of ... sampled again").
MINUTES=${1:-60}
export LUNA_WINE_TIMEOUT=$((MINUTES * 60 + 600))
export LUNA_WINE_WORK=${LUNA_WINE_WORK:-$PWD/build/wine-work/tick_minutes}
BED_FAKETIME=${BED_FAKETIME:-"2027-02-16 08:58:00"}
source "$(dirname "$0")/../tests/wine/lib/bed.sh"
source "$(dirname "$0")/../tests/wine/scenarios/desktop_helpers.bash"
bed_require app/lunavis.exe hook/lunahook.dll
bed_init

data=$BED_RUN/data
mkdir -p "$data"
# The reminders fall due in the minutes 3 to 52 after the faked start (the attachment
# takes up to a minute or two on a busy machine).
start=$(date -d "$BED_FAKETIME" +%s)
due=()
for i in $(seq 3 52); do
    stamp=$(printf '%2d/%2d %2d:%2d' $(date -d "@$((start / 60 * 60 + i * 60))" '+%-m %-d %-H %-M'))
    due+=("$stamp")
    printf '%s' "$stamp 第${i}分钟" | iconv -f UTF-8 -t GBK >"$BED_RUN/.record"
    head -c $((100 - $(stat -c %s "$BED_RUN/.record"))) /dev/zero >>"$BED_RUN/.record"
    cat "$BED_RUN/.record" >>"$data/Reminder.rem"
done
desk_reg_defaults 2 0x404040 "$data/back.bmp"
bed_shell_start
desk_attach

end=$(($(date +%s) + MINUTES * 60))
shown=()
while (($(date +%s) < end)); do
    if text=$(probe msgbox Reminder 2>/dev/null | tr -d '\r') && [[ -n "$text" ]]; then
        shown+=("${text:0:11}")
        probe click '#32770[Reminder]/@IDOK' >/dev/null
        wait_until 10 not probe msgbox Reminder
    else
        sleep 1
    fi
done

log=$(bed_debug_log)
late=$(grep -cE '^tick: 1 minute\(s\) from [0-9:]+ checked at [0-9:]+$' <<<"$log")
doubled=$(grep -cE '^tick: second 0 of [0-9:]+ sampled again$' <<<"$log")
twice=$(printf '%s\n' "${shown[@]}" | sort | uniq -d | wc -l)
missing=0
for stamp in "${due[@]}"; do
    printf '%s\n' "${shown[@]}" | grep -qxF -- "$stamp" || missing=$((missing + 1))
done
echo "minutes run:                            $MINUTES (faked start $BED_FAKETIME)"
echo "minutes whose second 0 no tick sampled: $late"
echo "second 0 sampled twice:                 $doubled"
echo "reminders due: ${#due[@]}, boxes shown: ${#shown[@]}, shown twice: $twice, never shown: $missing"
grep -E '^tick: ' <<<"$log" | sed 's/^/  /'
bed_finish
