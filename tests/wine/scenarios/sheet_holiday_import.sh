#!/usr/bin/env bash
# The dialog "导入放假安排" on 1 January 2027, a year no shipped notice covers: the calendar
# page says where the years come from; a notice pasted into the dialog is read and shown
# month by month, and on OK stored in Holidays.txt of the data folder, after which the
# desktop marks today (元旦) with the 休 badge and the page names the import. A notice
# with a wrong weekday is refused with its sentence quoted and cannot be stored; a year
# that has data is replaced only after the user agrees.
# timeout: 300
BED_FAKETIME=${BED_FAKETIME:-"2027-01-01 10:00:00"}
source "$(dirname "$0")/../lib/bed.sh"
source "$(dirname "$0")/desktop_helpers.bash"
source "$(dirname "$0")/hook_helpers.bash"
source "$(dirname "$0")/reminder_editors.bash"
bed_require app/lunavis.exe "hook/$BED_HOOK_DLL"
bed_init

data=$BED_RUN/data
mkdir -p "$data"
desk_reg_defaults 2 0x404040 "$data/back.bmp" # a solid background; the data folder is $data
bed_shell_start
desk_attach

IMPORT='#32770[导入放假安排]'
off='$1 == 214 && $2 == 48 && $3 == 49' # the 休 badge
notice='国务院办公厅关于2027年部分节假日安排的通知
一、元旦：1月1日（周五）至3日（周日）放假，共3天。
二、春节：2月5日（农历除夕、周五）至13日（周六）放假调休，共9天。2月14日（周日）上班。'

badge_on_today() {
    local shot
    shot=$(bed_screenshot desktop) || return 1
    (($(desk_count_where "$shot" $(desk_cell_of 2027-01-01) "$off") > 20))
}
page_text() { probe text "$CALENDAR_PAGE/@$1" | tr -d '\r'; }
dialog_text() { probe text "$IMPORT/@$1" | tr -d '\r'; }
message_says() { [[ "$(dialog_text "$IDC_HOLIDAY_MESSAGE")" == *"$1"* ]]; }
status_says() { [[ "$(page_text "$IDC_CALENDAR_HOLIDAY_STATUS")" == *"$1"* ]]; }
open_import() {
    probe click "$CALENDAR_PAGE/@$IDC_CALENDAR_HOLIDAY_IMPORT" >/dev/null
    probe wait "$IMPORT" 20 >/dev/null || fail "the import dialog did not open"
}
paste_and_read() {
    probe set-text "$IMPORT/@$IDC_HOLIDAY_PASTE" "$1" >/dev/null || fail "cannot paste"
    probe click "$IMPORT/@$IDC_HOLIDAY_READ" >/dev/null
}

check "no 休 badge before the import" not badge_on_today
open_sheet_page 2
probe wait "$CALENDAR_PAGE" 10 >/dev/null || fail "no calendar page"
check "the page names the shipped years" wait_until 10 status_says '2008-2026 年随程序提供'

# ---- a notice with a wrong weekday: quoted, nothing to store
open_import
paste_and_read "${notice/1月1日（周五）/1月1日（周四）}"
check "the sentence with the wrong weekday is quoted" wait_until 10 message_says \
    '“1月1日（周四）至3日（周日）放假，共3天”'
check_eq "nothing can be stored" 0 "$(probe enabled "$IMPORT/@IDOK" | tr -d '\r')"

# ---- the notice as published: preview, OK, stored, on the desktop
paste_and_read "$notice"
check "the notice is read" wait_until 10 message_says '读到 2027 年的放假安排'
check_match "the preview shows the months" '1月  1日-3日 休 元旦.*2月  5日-13日 休 春节；14日 班 春节' \
    "$(dialog_text "$IDC_HOLIDAY_PREVIEW" | tr '\n' ' ')"
bed_screenshot import-dialog >/dev/null # to look at
probe press "$IMPORT/@IDOK" >/dev/null
check "the dialog closes" probe wait-gone "$IMPORT" 20
check_eq "Holidays.txt holds the year, with where it came from" \
    "[2027] 国务院办公厅关于2027年部分节假日安排的通知（导入 2027-01-01）|2027-01-01 休 元旦" \
    "$(bed_gbk_text "$data/Holidays.txt" | head -2 | paste -sd'|')"
check "the desktop marks today 休" wait_until 20 badge_on_today
check "the page names the import" wait_until 10 status_says '2027 年导入于 2027-01-01'

# ---- the year again: replaced only with the user's yes
stored=$(md5sum <"$data/Holidays.txt")
open_import
paste_and_read "${notice/共9天。2月14日（周日）上班。/共9天。}"
wait_until 10 message_says '读到 2027 年' || fail "the shorter notice was not read"
probe press "$IMPORT/@IDOK" >/dev/null
msgbox_says() { [[ "$(probe msgbox "$1" 2>/dev/null | tr -d '\r')" == *"$2"* ]]; }
check "replacing asks first" wait_until 10 msgbox_says "lunavis" '已有 2027 年的放假安排（导入于 2027-01-01）'
close_msgbox "lunavis" IDNO
check_eq "no: the file is as it was" "$stored" "$(md5sum <"$data/Holidays.txt")"
probe press "$IMPORT/@IDOK" >/dev/null
wait_until 10 msgbox_says "lunavis" '已有 2027 年' || fail "no question the second time"
close_msgbox "lunavis" IDYES
check "yes: the dialog closes" probe wait-gone "$IMPORT" 20
check "the make-up day is gone from the file" not grep -q '2027-02-14' "$data/Holidays.txt"
bed_finish
