#!/usr/bin/env bash
# Official holidays on the desktop, on 1 October 2026 (国庆节): the month grid shows the
# 休 badge in the cell of 1 October (today, still blue) and the 班 badge in the cell of the
# make-up Saturday, 10 October, and neither in the cell of an ordinary day; the notification
# tip ends with the line "国庆节 放假". The user's Holidays.txt beside the background adds a
# year (whose notice reaches into 2026): the desktop marks its day, and its bad line is
# named once in the debug log and once in a message of lunavis.
# timeout: 240
BED_FAKETIME=${BED_FAKETIME:-"2026-10-01 10:00:00"}
source "$(dirname "$0")/../lib/bed.sh"
source "$(dirname "$0")/desktop_helpers.bash"
source "$(dirname "$0")/hook_helpers.bash"
bed_require app/lunavis.exe "hook/$BED_HOOK_DLL"
bed_init

data=$BED_RUN/data
mkdir -p "$data"
printf '%s\r\n' '[2027] 测试用的安排' '2026-10-20 休 元旦' '2026-10-3x 休 元旦' |
    iconv -f UTF-8 -t GBK >"$data/Holidays.txt"
desk_reg_defaults 2 0x404040 "$data/back.bmp" # a solid background
bed_shell_start
desk_attach
check "lunavis names the bad line" wait_until 20 probe msgbox lunavis
check_match "in its message" '第3行' "$(probe msgbox lunavis)"
probe click '#32770[lunavis]/@IDOK' >/dev/null || fail "cannot close the message"
probe wait-gone '#32770[lunavis]' 10 >/dev/null || fail "the message stayed open"
check_eq "the desktop logs the bad line once" 1 "$(bed_debug_log | grep -c '^Holidays.txt 第3行：')"

off='$1 == 214 && $2 == 48 && $3 == 49' # the 休 badge
work='$1 == 72 && $2 == 84 && $3 == 104' # the 班 badge
blue='$3 > 180 && $1 < 60 && $2 < 60'
badges_drawn() {
    local shot
    shot=$(bed_screenshot holidays) || return 1
    (($(desk_count_where "$shot" $(desk_cell_of 2026-10-01) "$off") > 20))
}
check "the 休 badge in the cell of 1 October" wait_until 20 badges_drawn
shot=$BED_RUN/holidays.png
check "the 班 badge in the cell of Saturday 10 October" \
    test "$(desk_count_where "$shot" $(desk_cell_of 2026-10-10) "$work")" -gt 20
check_eq "no badge in the cell of Thursday 15 October" 0 \
    "$(desk_count_where "$shot" $(desk_cell_of 2026-10-15) "($off) || ($work)")"
check "the user's year marks 20 October" \
    test "$(desk_count_where "$shot" $(desk_cell_of 2026-10-20) "$off")" -gt 20
check_eq "no 班 badge on a day off" 0 "$(desk_count_where "$shot" $(desk_cell_of 2026-10-01) "$work")"
check "today's blue stays on the marked day" \
    test "$(desk_count_where "$shot" $(desk_cell_of 2026-10-01) "$blue")" -gt 20

bed_shell tray-callback "$TRAY_ICON_ID" WM_MOUSEMOVE >/dev/null
tip_has_holiday() { [[ "$(bed_shell tip "$TRAY_ICON_ID")" == *$'\n国庆节 放假' ]]; }
check "the tip ends with the holiday line" wait_until 20 tip_has_holiday
bed_finish
