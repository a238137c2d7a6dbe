#!/usr/bin/env bash
# Refuses scenario code that cannot fail or waits blindly:
# - a wait whose condition holds "$(...)": the shell expands it once, before the wait starts,
#   so the wait polls a constant (put the condition in a function);
# - a fixed sleep in a scenario: wait for a condition instead. A sleep that is itself the
#   point (the moment of a crash) says so in a comment starting "# deliberate:";
# - a wait for the real clock to turn (bed_wait_clock_turns, desk_wait_second_below, as
#   there were): fake the clock instead (BED_FAKETIME, bed_faketime_set, desk_next_minute)
#   and run the tick when it must have had its chance (desk_tick);
# - a control, command or private message given as a number where the headers name it
#   (lib/ids.sh reads the names): in a window path (`/@1069`), as a WM_COMMAND, a menu item to
#   choose, a message box button or a private message (0x1400-0x16FF); "# deliberate:" again
#   for a number that is the point;
# - an id name that no header defines any more (a removed or renamed control).
set -uo pipefail
dir=$(cd "$(dirname "$0")" && pwd)
status=0
files=("$dir"/scenarios/*.sh "$dir"/scenarios/*.bash "$dir"/lib/bed.sh)

constant=$(grep -nE 'wait_until[^|;]*"\$\(' "${files[@]}" | grep -vE 'wait_until [0-9]+ eval ')
if [[ -n "$constant" ]]; then
    echo "lint: these waits poll a value computed once, before they start:"
    sed 's/^/    /' <<<"$constant"
    status=1
fi

sleeps=$(grep -nE '(^|[;&|(]|then|do)[[:space:]]*sleep[[:space:]]' "$dir"/scenarios/*.sh \
    "$dir"/scenarios/*.bash | grep -v '# deliberate:')
if [[ -n "$sleeps" ]]; then
    echo "lint: fixed sleeps in scenarios (wait for a condition instead):"
    sed 's/^/    /' <<<"$sleeps"
    status=1
fi

clock=$(grep -nE '\b(bed_wait_clock_turns|desk_wait_second_below)\b' "${files[@]}")
if [[ -n "$clock" ]]; then
    echo "lint: waits for the real clock (fake it: BED_FAKETIME, desk_next_minute, desk_tick):"
    sed 's/^/    /' <<<"$clock"
    status=1
fi

word="(\"[^\"]*\"|'[^']*'|[^ ]+)" # one argument, quoted or not
raw=(
    '/@[0-9]'
    '(WM_COMMAND|menu-choose|choose_from_clock_menu|open_from_calendar_page) +[0-9]'
    "(close_msgbox|sheet_msgbox_answer) +$word +[0-9]"
    "probe (post|send) +$word +0x1[4-6][0-9A-Fa-f]{2}\\b"
)
raw_ids=$(IFS='|' && grep -nE "${raw[*]}" "${files[@]}" | grep -v '# deliberate:')
if [[ -n "$raw_ids" ]]; then
    echo "lint: numbers where the headers name the id (use the name, see lib/ids.sh):"
    sed 's/^/    /' <<<"$raw_ids"
    status=1
fi

BED_SOURCE_DIR=$(cd "$dir/../.." && pwd)
source "$dir/lib/ids.sh"
used=$(grep -ohE '\b((IDC|IDD|IDM|IDS|IDR|IDI|DLG|UM|CD)_[A-Z0-9_]+|k(Menu|Taskbar)[A-Za-z]+|kTrayIconId)\b' \
    "${files[@]}" | sort -u)
unknown=$(comm -23 <(echo "$used") <(printf '%s\n' "${BED_ID_NAMES[@]}" | sort -u))
if [[ -n "$unknown" ]]; then
    echo "lint: ids that no header defines:"
    sed 's/^/    /' <<<"$unknown"
    status=1
fi

((status == 0)) && echo "lint: the scenarios wait for conditions and name their ids"
exit $status
