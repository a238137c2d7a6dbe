#!/usr/bin/env bash
# timeout: 300
# The reminder page, opened by UM_REMINDER (the clock menu's "备忘录(&REMINDER)"): adding,
# deleting and saving reminders (one with a line break), the sorted list, the button states,
# hand-typed combo box texts (a number in range is taken, anything else refused with a
# message), the saved file and the list after reopening, "File Create error!" when the
# "res" folder is missing (Save stays on), a stale temporary file of a killed save left
# alone, the export to a calendar file with the user's festivals, and the reminder font
# written under the reminder key by Apply.
source "$(dirname "$0")/../lib/bed.sh"
source "$(dirname "$0")/hook_helpers.bash"
source "$(dirname "$0")/reminder_editors.bash"
bed_require "$LUNAVIS" "app/$BED_HOOK_DLL" app/res/back.png
bed_init
bed_shell_start
editors_install
editors_start
rem=$EDITORS_APP/res/Reminder.rem

# buttons: "add delete save" as 1 and 0.
buttons() {
    echo "$(is_enabled "$REMINDER_PAGE/@$IDC_REMINDER_ADD")" \
        "$(is_enabled "$REMINDER_PAGE/@$IDC_REMINDER_DELETE")" \
        "$(is_enabled "$REMINDER_PAGE/@$IDC_REMINDER_SAVE")"
}
list() { items "$REMINDER_PAGE/@$IDC_REMINDER_LIST" | paste -sd'|'; }
list_is() { [[ "$(list)" == "$1" ]]; }
page_shown() { [[ "$(probe visible "$REMINDER_PAGE" 2>/dev/null | tr -d '\r')" == 1 ]]; }

# add_reminder MONTH-ROW DAY-ROW HOUR-ROW MINUTE-ROW TEXT: chooses the time, types the text
# and presses "加入".
add_reminder() {
    probe select "$REMINDER_PAGE/@$IDC_REMINDER_MONTH" "$1" >/dev/null &&
        probe select "$REMINDER_PAGE/@$IDC_REMINDER_DAY" "$2" >/dev/null &&
        probe select "$REMINDER_PAGE/@$IDC_REMINDER_HOUR" "$3" >/dev/null &&
        probe select "$REMINDER_PAGE/@$IDC_REMINDER_MINUTE" "$4" >/dev/null &&
        probe set-text "$REMINDER_PAGE/@$IDC_REMINDER_TEXT" "$5" >/dev/null &&
        probe click "$REMINDER_PAGE/@$IDC_REMINDER_ADD" >/dev/null || fail "cannot add a reminder"
}

# ---- UM_REMINDER opens the sheet on the reminder page
probe post "$MAIN_WINDOW" UM_REMINDER >/dev/null
probe wait "$SHEET" 20 >/dev/null || fail "UM_REMINDER did not open the settings sheet"
check "the reminder page is the one shown" wait_until 10 page_shown
check_eq "without a file the list is empty" "" "$(list)"
check_eq "month items ' 1' to '12' in number order" " 1| 2| 3| 4| 5| 6| 7| 8| 9|10|11|12" \
    "$(items "$REMINDER_PAGE/@$IDC_REMINDER_MONTH" | paste -sd'|')"
check_eq "minute items 0 to 59" "60 | 0|59" \
    "$(items "$REMINDER_PAGE/@$IDC_REMINDER_MINUTE" | awk 'NR == 1 { f = $0 } { l = $0 } END { print NR, "|" f "|" l }')"
check_eq "the first item of each combo box is chosen" " 1| 1| 0| 0" \
    "$(for id in "$IDC_REMINDER_MONTH" "$IDC_REMINDER_DAY" "$IDC_REMINDER_HOUR" \
        "$IDC_REMINDER_MINUTE"; do control_text "$REMINDER_PAGE/@$id"; done | paste -sd'|')"
check_eq "after opening: add, delete and save are off" "0 0 0" "$(buttons)"

# ---- adding: month 2, day 5, hour 7, minute 5 with 开会
add_reminder 1 4 7 5 开会
check "the item is the blank-padded stamp followed by the text" \
    wait_until 10 list_is " 2/ 5  7: 5开会"
check_eq "the editor is cleared" "" "$(control_text "$REMINDER_PAGE/@$IDC_REMINDER_TEXT")"
check_eq "the new item is selected" "0  2/ 5  7: 5开会" \
    "$(probe selected "$REMINDER_PAGE/@$IDC_REMINDER_LIST")"
check_eq "after adding: add, delete and save are on" "1 1 1" "$(buttons)"

add_reminder 11 0 8 30 $'第一行\r\n第二行'
add_reminder 1 4 7 5 删我
check "12/1 sorts after 2/5, equal stamps in the order added" wait_until 10 list_is \
    ' 2/ 5  7: 5开会| 2/ 5  7: 5删我|12/ 1  8:30第一行\r\n第二行'

# ---- deleting the selected item selects the first
probe select "$REMINDER_PAGE/@$IDC_REMINDER_LIST" 1 >/dev/null
check_eq "a selected item shows its text in the editor" "删我" \
    "$(control_text "$REMINDER_PAGE/@$IDC_REMINDER_TEXT")"
probe click "$REMINDER_PAGE/@$IDC_REMINDER_DELETE" >/dev/null
check "the selected item is deleted" wait_until 10 list_is \
    ' 2/ 5  7: 5开会|12/ 1  8:30第一行\r\n第二行'
check_eq "the first item is selected" "0  2/ 5  7: 5开会" \
    "$(probe selected "$REMINDER_PAGE/@$IDC_REMINDER_LIST")"

# ---- hand-typed times
probe set-text "$REMINDER_PAGE/@$IDC_REMINDER_MONTH" 13 >/dev/null
probe set-text "$REMINDER_PAGE/@$IDC_REMINDER_TEXT" 不该加入 >/dev/null
probe click "$REMINDER_PAGE/@$IDC_REMINDER_ADD" >/dev/null
check "month 13 is refused with a message" \
    wait_until 10 msgbox_is "$STUDIO_CAPTION" "“月”须为 1 到 12 之间的数字，请重新选择。"
close_msgbox "$STUDIO_CAPTION" IDOK
check_eq "nothing was added" ' 2/ 5  7: 5开会|12/ 1  8:30第一行\r\n第二行' "$(list)"
check_eq "the text stays in the editor" "不该加入" \
    "$(control_text "$REMINDER_PAGE/@$IDC_REMINDER_TEXT")"
probe set-text "$REMINDER_PAGE/@$IDC_REMINDER_MONTH" " 3 " >/dev/null
probe set-text "$REMINDER_PAGE/@$IDC_REMINDER_MINUTE" 7 >/dev/null
probe set-text "$REMINDER_PAGE/@$IDC_REMINDER_TEXT" 手填 >/dev/null
probe click "$REMINDER_PAGE/@$IDC_REMINDER_ADD" >/dev/null
check "typed numbers in range are taken" wait_until 10 list_is \
    ' 2/ 5  7: 5开会| 3/ 5  7: 7手填|12/ 1  8:30第一行\r\n第二行'

# ---- saving
probe click "$REMINDER_PAGE/@$IDC_REMINDER_SAVE" >/dev/null
check "Reminder.rem is written" wait_until 10 test -s "$rem"
check_eq "after saving: add and save are off, delete is on" "0 1 0" "$(buttons)"
check_eq "three 100-byte records, the line break's LF written as CR LF" 301 "$(stat -c %s "$rem")"
zeros() { printf '.%.0s' $(seq "$1"); }
view=$(file_view "$rem")
check_eq "the records in list order, zero-filled" \
    " 2/ 5  7: 5开会$(zeros 85) 3/ 5  7: 7手填$(zeros 85)12/ 1  8:30第一行\\r\\r\\n第二行$(zeros 75)" \
    "$view"
check "no temporary file is left" test -z "$(ls "$EDITORS_APP/res" | grep -v -e '^back.png$' -e '^Reminder.rem$')"

# ---- reopening shows the saved list, line break included
close_sheet
probe post "$MAIN_WINDOW" UM_REMINDER >/dev/null
probe wait "$SHEET" 20 >/dev/null || fail "the sheet did not open again"
check "the saved reminders come back" wait_until 10 list_is \
    ' 2/ 5  7: 5开会| 3/ 5  7: 7手填|12/ 1  8:30第一行\r\n第二行'
probe select "$REMINDER_PAGE/@$IDC_REMINDER_LIST" 2 >/dev/null
bed_screenshot reminder-page >/dev/null
check_eq "the line break reaches the editor" '第一行\r\n第二行' \
    "$(control_text "$REMINDER_PAGE/@$IDC_REMINDER_TEXT")"
check_eq "showing a text counts as a change: add is on, and so is Apply" "1 1" \
    "$(is_enabled "$REMINDER_PAGE/@$IDC_REMINDER_ADD") $(is_enabled "$SHEET/@$ID_APPLY_NOW")"

# ---- UM_REMINDER while the sheet shows another page brings it to the reminder page
probe sheet-page "$SHEET" 0 >/dev/null
page_hidden() { [[ "$(probe visible "$REMINDER_PAGE" 2>/dev/null | tr -d '\r')" == 0 ]]; }
wait_until 5 page_hidden || fail "the clock page did not come up"
probe post "$MAIN_WINDOW" UM_REMINDER >/dev/null
check "UM_REMINDER turns the open sheet to the reminder page" wait_until 10 page_shown
check_eq "and opens no second sheet" 1 "$(probe toplevel | grep -c 'text=时钟备忘录系统设定')"

# ---- saving without a "res" folder
mv "$EDITORS_APP/res" "$EDITORS_APP/res.away"
probe select "$REMINDER_PAGE/@$IDC_REMINDER_LIST" 0 >/dev/null
probe click "$REMINDER_PAGE/@$IDC_REMINDER_DELETE" >/dev/null
wait_until 10 list_is ' 3/ 5  7: 7手填|12/ 1  8:30第一行\r\n第二行'
probe click "$REMINDER_PAGE/@$IDC_REMINDER_SAVE" >/dev/null
check "a missing folder gives File Create error!" \
    wait_until 10 msgbox_is "$STUDIO_CAPTION" "File Create error!"
check_match "the message box has OK and Cancel" "id=1 .*id=2 " \
    "$(probe msgbox-buttons "$STUDIO_CAPTION" | paste -sd' ')"
close_msgbox "$STUDIO_CAPTION" IDOK
check_eq "Save stays on: the changes are not saved" "0 1 1" "$(buttons)"
check_eq "the list is unchanged" ' 3/ 5  7: 7手填|12/ 1  8:30第一行\r\n第二行' "$(list)"
check "no folder was created" test ! -e "$EDITORS_APP/res"
mv "$EDITORS_APP/res.away" "$EDITORS_APP/res"

# ---- the temporary file of an older version's save that was killed is neither in the way
# nor read: the save goes through its own temporary file
printf 'stale' >"$EDITORS_APP/res/Reminder.re~"
probe click "$REMINDER_PAGE/@$IDC_REMINDER_DELETE" >/dev/null
probe click "$REMINDER_PAGE/@$IDC_REMINDER_SAVE" >/dev/null
saved_one() { [[ "$(buttons)" == "0 1 0" ]]; }
check "the save goes through" wait_until 10 saved_one
check_eq "one record, its line break widened" 101 "$(stat -c %s "$rem")"
check_eq "the stale file is left alone" "stale" "$(cat "$EDITORS_APP/res/Reminder.re~")"
check "no temporary file of its own is left" \
    test -z "$(ls "$EDITORS_APP/res" | grep -v -e '^back.png$' -e '^Reminder.rem$' -e '^Reminder.re~$')"
rm "$EDITORS_APP/res/Reminder.re~"

# ---- the export: the list and the user's festivals as a calendar file where the user says,
# written through the safe save
solar=$EDITORS_APP/res/Solar.rem
for text in ' 1 1自家节' FFFF; do
    printf '%s' "$text" | iconv -f UTF-8 -t GBK >"$BED_RUN/.record" || fail "cannot encode $text"
    head -c $((30 - $(stat -c %s "$BED_RUN/.record"))) /dev/zero >>"$BED_RUN/.record"
    cat "$BED_RUN/.record" >>"$solar"
done
probe click "$REMINDER_PAGE/@$IDC_REMINDER_EXPORT" >/dev/null
save_dialog=$(probe wait-owned "$SHEET" 20 | cut -d' ' -f1)
[[ -n "$save_dialog" ]] || fail "the save dialog did not open"
probe set-text "$save_dialog/@$cmb13/ComboBox/Edit" "$(bed_winpath "$BED_RUN/export.ics")" \
    >/dev/null || fail "no file name box"
probe press "$save_dialog/@IDOK" >/dev/null
probe wait-gone "$save_dialog" 10 >/dev/null || fail "the save dialog did not close"
exported() { grep -q 'END:VCALENDAR' "$BED_RUN/export.ics" 2>/dev/null; }
check "the export writes the calendar file" wait_until 10 exported
check "with the user's festival" grep -q '自家节' "$BED_RUN/export.ics"
check "no temporary file beside it" test -z "$(ls "$BED_RUN" | grep '^export\.ics\.~')"
rm "$solar"

# ---- the reminder font: chosen in the font dialog, written and sent by Apply
probe click "$REMINDER_PAGE/@$IDC_REMINDER_FONT" >/dev/null
font_dialog=$(probe wait-owned "$SHEET" 20 | cut -d' ' -f1)
[[ -n "$font_dialog" ]] || fail "the font dialog did not open"
probe select "$font_dialog/@$cmb1" 0 >/dev/null
probe select "$font_dialog/@$cmb3" 0 >/dev/null
face=$(control_text "$font_dialog/@$cmb1")
probe click "$font_dialog/@IDOK" >/dev/null
probe wait-gone "$font_dialog" 10 >/dev/null || fail "the font dialog did not close"
check_eq "choosing a font switches Apply on" 1 "$(is_enabled "$SHEET/@$ID_APPLY_NOW")"
probe click "$SHEET/@$ID_APPLY_NOW" >/dev/null
font_written() {
    bed_reg_query 'HKCU\software\wendrix\clock\reminder' UnderLine | grep -q REG_DWORD
}
check "Apply writes the font group under the reminder key" wait_until 10 font_written
check_match "the face name chosen" "FontName +REG_SZ +$face" \
    "$(bed_reg_query 'HKCU\software\wendrix\clock\reminder' FontName)"
close_sheet
editors_stop
bed_finish
