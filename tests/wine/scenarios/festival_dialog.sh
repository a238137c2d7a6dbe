#!/usr/bin/env bash
# timeout: 420
# The festival definition dialog, opened from the calendar page, with the background picture
# in a folder of its own: the lists come from Solar.rem and Lunch.rem in that folder (an end
# record in the middle and a cut-off record included), Add and Delete act on the ticked
# lists, items never exceed their 30-byte record nor end inside a character, Save writes
# both files with their end records, Exit drops unsaved changes, the saved lists come back
# when the dialog opens again, and the saved festival is on the desktop after the next
# start. The cut-off record is reported when the dialog opens and Solar.rem is kept as
# Solar.rem.bak before anything is saved over it. Without BackImage the files beside the
# executable ("res\", where the next start puts BackImage) are used; where even they cannot
# be written, "File Create error!" says so.
source "$(dirname "$0")/../lib/bed.sh"
source "$(dirname "$0")/hook_helpers.bash"
source "$(dirname "$0")/desktop_helpers.bash"
source "$(dirname "$0")/reminder_editors.bash"
bed_require "$LUNAVIS" "app/$BED_HOOK_DLL" app/res/back.png
bed_init

pictures=$BED_RUN/pictures
mkdir -p "$pictures"
solar=$pictures/Solar.rem
lunar=$pictures/Lunch.rem
bg='64 64 64'

# record FILE SIZE TEXT: appends one record, the text in GBK padded with NULs to SIZE.
record() {
    local tmp=$BED_RUN/.record
    printf '%s' "$3" | iconv -f UTF-8 -t GBK >"$tmp" || fail "cannot encode $3"
    head -c $(($2 - $(stat -c %s "$tmp"))) /dev/zero >>"$tmp"
    cat "$tmp" >>"$1"
}
record "$solar" 30 " 5 1劳动节"
record "$solar" 30 FFFF
record "$solar" 30 " 6 6六六"
printf ' 7 7cut' >>"$solar" # a trailing piece shorter than a record
{   # 25 letters and the first byte of a two-byte character: 30 bytes without a NUL
    printf ' 1 2%s' "$(printf 'a%.0s' $(seq 25))"
    printf '\xb0'
} >"$lunar"
record "$lunar" 30 FFFF

desk_reg_defaults 2 0x404040 "$pictures/back.bmp" showOwnSolarFestivals=1 showOwnLunarFestivals=1
bed_shell_start
editors_install
editors_start
wait_until 20 desk_clock_drawn || fail "no clock text on the desktop"
read -r _ _ _ caltext_before <<<"$(desk_bbox "$(bed_screenshot before)" $DESK_CALTEXT "$bg")"

list() { items "$FESTIVAL_DIALOG/@$1" | paste -sd'|'; }
both_lists() { echo "$(list "$IDC_FESTIVAL_SOLAR_LIST") / $(list "$IDC_FESTIVAL_LUNAR_LIST")"; }
buttons() { # "add delete save"
    echo "$(is_enabled "$FESTIVAL_DIALOG/@$IDC_FESTIVAL_ADD")" \
        "$(is_enabled "$FESTIVAL_DIALOG/@$IDC_FESTIVAL_DELETE")" \
        "$(is_enabled "$FESTIVAL_DIALOG/@$IDC_FESTIVAL_SAVE")"
}
selected() { probe selected "$FESTIVAL_DIALOG/@$1" | cut -d' ' -f1; }
ticked() { probe checked "$FESTIVAL_DIALOG/@$1" 2>/dev/null | tr -d '\r'; }
zeros() { printf '.%.0s' $(seq "$1"); }

open_festivals() {
    open_sheet_page 2
    open_from_calendar_page "$IDC_CALENDAR_FESTIVALS" "$FESTIVAL_DIALOG"
}

# ---- opening: the files of the picture's folder
solar_original=$(md5sum <"$solar")
open_festivals
msgbox_matches() { [[ "$(probe msgbox "$1" 2>/dev/null | tr -d '\r')" =~ $2 ]]; }
check "the cut-off record is reported, with the backup's name" wait_until 20 msgbox_matches \
    "$STUDIO_CAPTION" 'Solar\.rem 有一部分无法读取.*原文件已另存为 .*pictures\\Solar\.rem\.bak'
close_msgbox "$STUDIO_CAPTION" IDOK
check_eq "the backup is the original file" "$solar_original" "$(md5sum <"$solar.bak")"
check_eq "the solar list: records before and after the end record, no cut-off piece" \
    " 5 1劳动节| 6 6六六" "$(list "$IDC_FESTIVAL_SOLAR_LIST")"
check_eq "the lunar list: a record ending inside a character loses that byte" \
    " 1 2$(printf 'a%.0s' $(seq 25))" "$(list "$IDC_FESTIVAL_LUNAR_LIST")"
check_eq "the last item of each list is selected" "1 0" \
    "$(selected "$IDC_FESTIVAL_SOLAR_LIST") $(selected "$IDC_FESTIVAL_LUNAR_LIST")"
check_eq "阳历操作 ticked, 阴历操作 not" "1 0" \
    "$(ticked "$IDC_FESTIVAL_SOLAR_CHECK") $(ticked "$IDC_FESTIVAL_LUNAR_CHECK")"
check_eq "add and save off, delete on" "0 1 0" "$(buttons)"
check_eq "month items ' 1' to '12', day items ' 1' to '31'" "12 | 1|12 31 | 1|31" \
    "$(for id in "$IDC_FESTIVAL_MONTH" "$IDC_FESTIVAL_DAY"; do
        items "$FESTIVAL_DIALOG/@$id" |
            awk 'NR == 1 { f = $0 } { l = $0 } END { printf "%d |%s|%s ", NR, f, l }'
    done | sed 's/ $//')"

# ---- adding today's solar festival
month=$(date +%-m)
day=$(date +%-d)
key=$(printf '%2d%2d' "$month" "$day")
probe select "$FESTIVAL_DIALOG/@$IDC_FESTIVAL_MONTH" $((month - 1)) >/dev/null
probe select "$FESTIVAL_DIALOG/@$IDC_FESTIVAL_DAY" $((day - 1)) >/dev/null
probe set-text "$FESTIVAL_DIALOG/@$IDC_FESTIVAL_TEXT" 今日自定 >/dev/null
check_eq "a change of text or date switches add on" "1 1 0" "$(buttons)"
probe click "$FESTIVAL_DIALOG/@$IDC_FESTIVAL_ADD" >/dev/null
list_is() { [[ "$(list "$1")" == "$2" ]]; }
check "the item is appended to the solar list" \
    wait_until 10 list_is "$IDC_FESTIVAL_SOLAR_LIST" " 5 1劳动节| 6 6六六|${key}今日自定"
check_eq "after adding: add off, save on" "0 1 1" "$(buttons)"
check_eq "the text stays in its field" 今日自定 "$(control_text "$FESTIVAL_DIALOG/@$IDC_FESTIVAL_TEXT")"

# ---- both ticked: a long text is cut to fit the record at a character boundary
probe press "$FESTIVAL_DIALOG/@$IDC_FESTIVAL_LUNAR_CHECK" >/dev/null
lunar_ticked() { [[ "$(ticked "$IDC_FESTIVAL_LUNAR_CHECK")" == 1 ]]; }
wait_until 5 lunar_ticked || fail "cannot tick 阴历操作"
probe set-text "$FESTIVAL_DIALOG/@$IDC_FESTIVAL_TEXT" 一二三四五六七八九十百千万亿兆 >/dev/null
probe click "$FESTIVAL_DIALOG/@$IDC_FESTIVAL_ADD" >/dev/null
long="${key}一二三四五六七八九十百千万"
check "the same item goes into both lists" \
    wait_until 10 list_is "$IDC_FESTIVAL_LUNAR_LIST" " 1 2$(printf 'a%.0s' $(seq 25))|$long"
check_eq "solar list" " 5 1劳动节| 6 6六六|${key}今日自定|$long" "$(list "$IDC_FESTIVAL_SOLAR_LIST")"

# ---- deleting with both ticked removes the selected item of each list
probe select "$FESTIVAL_DIALOG/@$IDC_FESTIVAL_SOLAR_LIST" 0 >/dev/null
probe select "$FESTIVAL_DIALOG/@$IDC_FESTIVAL_LUNAR_LIST" 0 >/dev/null
probe click "$FESTIVAL_DIALOG/@$IDC_FESTIVAL_DELETE" >/dev/null
check "delete removes the solar selection" \
    wait_until 10 list_is "$IDC_FESTIVAL_SOLAR_LIST" " 6 6六六|${key}今日自定|$long"
check_eq "and the lunar selection" "$long" "$(list "$IDC_FESTIVAL_LUNAR_LIST")"
probe send "$FESTIVAL_DIALOG" WM_COMMAND "$IDC_FESTIVAL_DELETE" >/dev/null # answered once handled
check_eq "without selections a second delete removes nothing" \
    " 6 6六六|${key}今日自定|$long / $long" "$(both_lists)"

# ---- saving
probe click "$FESTIVAL_DIALOG/@$IDC_FESTIVAL_SAVE" >/dev/null
saved() { [[ "$(buttons)" == "0 1 0" ]]; }
check "save switches itself off" wait_until 10 saved
check_eq "Solar.rem: 30-byte records in list order, then the end record" \
    " 6 6六六$(zeros 22)${key}今日自定$(zeros 18)${long}FFFF$(zeros 26)" "$(file_view "$solar")"
check_eq "Lunch.rem" "${long}FFFF$(zeros 26)" "$(file_view "$lunar")"
check_eq "nothing written beside the executable" back.png "$(ls "$EDITORS_APP/res")"

# ---- neither ticked: Add changes no list but switches save on; Exit drops the change
probe press "$FESTIVAL_DIALOG/@$IDC_FESTIVAL_SOLAR_CHECK" >/dev/null
probe press "$FESTIVAL_DIALOG/@$IDC_FESTIVAL_LUNAR_CHECK" >/dev/null
unticked() {
    [[ "$(ticked "$IDC_FESTIVAL_SOLAR_CHECK") $(ticked "$IDC_FESTIVAL_LUNAR_CHECK")" == "0 0" ]]
}
wait_until 5 unticked || fail "cannot untick the check boxes"
probe set-text "$FESTIVAL_DIALOG/@$IDC_FESTIVAL_TEXT" 不加 >/dev/null
probe click "$FESTIVAL_DIALOG/@$IDC_FESTIVAL_ADD" >/dev/null
save_on() { [[ "$(is_enabled "$FESTIVAL_DIALOG/@$IDC_FESTIVAL_SAVE")" == 1 ]]; }
check "save is on again" wait_until 10 save_on
check_eq "no list changed" " 6 6六六|${key}今日自定|$long / $long" "$(both_lists)"
probe press "$FESTIVAL_DIALOG/@$IDC_FESTIVAL_SOLAR_CHECK" >/dev/null
probe set-text "$FESTIVAL_DIALOG/@$IDC_FESTIVAL_TEXT" 未保存 >/dev/null
probe click "$FESTIVAL_DIALOG/@$IDC_FESTIVAL_ADD" >/dev/null
wait_until 10 list_is "$IDC_FESTIVAL_SOLAR_LIST" " 6 6六六|${key}今日自定|$long|${key}未保存"
bed_screenshot festival-dialog >/dev/null
probe click "$FESTIVAL_DIALOG/@$IDC_FESTIVAL_EXIT" >/dev/null
check "退出 closes the dialog" probe wait-gone "$FESTIVAL_DIALOG" 10

probe click "$CALENDAR_PAGE/@$IDC_CALENDAR_FESTIVALS" >/dev/null
probe wait "$FESTIVAL_DIALOG" 20 >/dev/null || fail "the dialog did not open again"
check_eq "reopened: the saved lists, without the unsaved item" \
    " 6 6六六|${key}今日自定|$long / $long" "$(both_lists)"
probe post "$FESTIVAL_DIALOG" WM_COMMAND IDCANCEL >/dev/null
check "Esc closes it too" probe wait-gone "$FESTIVAL_DIALOG" 10
close_sheet

# ---- the next start of lunavis shows the saved festival of today on the desktop
lines=$(bed_debug_log | wc -l)
editors_stop
freed=$(bed_debug_log | tail -n +"$((lines + 1))")
check_eq "the first run's hook held the old files (3 solar entries with FFFF)" 3 \
    "$(grep -c 'm_SelfMerrySolar\[' <<<"$freed")"
editors_start
wait_until 20 desk_clock_drawn || fail "no clock text after the restart"
shot=$(bed_screenshot after)
read -r _ _ _ caltext_after <<<"$(desk_bbox "$shot" $DESK_CALTEXT "$bg")"
check "the calendar text gains the festival line ($caltext_before, then $caltext_after)" \
    test "$caltext_after" -gt $((caltext_before + 10))
lines=$(bed_debug_log | wc -l)
editors_stop
freed=$(bed_debug_log | tail -n +"$((lines + 1))")
check_eq "the hook loaded the saved files (4 solar entries with FFFF)" 4 \
    "$(grep -c 'm_SelfMerrySolar\[' <<<"$freed")"

# ---- without BackImage the files beside the executable are used, as the next start would
bed_wine reg delete 'HKCU\software\wendrix\clock' /v BackImage /f >/dev/null 2>&1
editors_start
bed_wine reg delete 'HKCU\software\wendrix\clock' /v BackImage /f >/dev/null 2>&1
before=$(md5sum "$solar" "$lunar")
open_festivals
check_eq "no BackImage: the lists of res\\, none yet" " / " "$(both_lists)"
probe set-text "$FESTIVAL_DIALOG/@$IDC_FESTIVAL_TEXT" 程序旁 >/dev/null
probe click "$FESTIVAL_DIALOG/@$IDC_FESTIVAL_ADD" >/dev/null
wait_until 10 list_is "$IDC_FESTIVAL_SOLAR_LIST" " 1 1程序旁"
# Where even that folder is missing, the user is told and Save stays on.
mv "$EDITORS_APP/res" "$EDITORS_APP/res.away"
probe click "$FESTIVAL_DIALOG/@$IDC_FESTIVAL_SAVE" >/dev/null
check "a save that cannot write says so" \
    wait_until 10 msgbox_is "$STUDIO_CAPTION" "File Create error!"
close_msgbox "$STUDIO_CAPTION" IDOK
check_eq "and Save stays on" "0 1 1" "$(buttons)"
mv "$EDITORS_APP/res.away" "$EDITORS_APP/res"
probe click "$FESTIVAL_DIALOG/@$IDC_FESTIVAL_SAVE" >/dev/null
check "saved" wait_until 10 saved
check_eq "the picture's folder was not touched" "$before" "$(md5sum "$solar" "$lunar")"
check_eq "Solar.rem beside the executable" " 1 1程序旁$(zeros 20)FFFF$(zeros 26)" \
    "$(file_view "$EDITORS_APP/res/Solar.rem")"
check_eq "and Lunch.rem" "FFFF$(zeros 26)" "$(file_view "$EDITORS_APP/res/Lunch.rem")"
probe click "$FESTIVAL_DIALOG/@$IDC_FESTIVAL_EXIT" >/dev/null
probe wait-gone "$FESTIVAL_DIALOG" 10 >/dev/null
close_sheet
editors_stop
bed_finish
