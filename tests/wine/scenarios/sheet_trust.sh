#!/usr/bin/env bash
# The settings sheet as a user can trust it: a second UM_SHOWMAIN while it is open brings
# it forward and opens no second sheet; the About box (UM_HELP) opens owned by the sheet,
# above it and centred, and the sheet works again once it is closed; reminders added and not
# saved are asked about when the sheet closes: Cancel keeps it open, Yes saves them as
# "保存" does, No (here through the close box) drops them.
# timeout: 300
source "$(dirname "$0")/../lib/bed.sh"
source "$(dirname "$0")/desktop_helpers.bash"
source "$(dirname "$0")/sheet_helpers.bash"
bed_require app/lunavis.exe "app/$BED_HOOK_DLL"
bed_init
bed_shell_start
program=$(sheet_install "$BED_RUN/app")
rem=$BED_RUN/app/res/Reminder.rem
sheet_attach "$program"

ABOUT='#32770[关于 lunavis]'
QUESTION=岚溪工作室
sheets() { probe toplevel | grep -c 'text=时钟备忘录系统设定'; }
# The line number of a window in the z-order (1 = topmost).
z_rank() { probe toplevel | grep -n "^$1 " | cut -d: -f1; }

# ---- one sheet: a second request, then the About box; the posted messages are handled in
# order, so once the About box is up the second UM_SHOWMAIN has been handled too
sheet_open
sheet_handle=$(probe find "$SHEET" | tr -d '\r')
probe post "$DESK_MAIN" UM_SHOWMAIN >/dev/null
probe post "$DESK_MAIN" UM_HELP >/dev/null
about=$(probe wait "$ABOUT" 20 | tr -d '\r') || fail "the About box did not open"
check_eq "a second UM_SHOWMAIN opened no second sheet" 1 "$(sheets)"
check_match "the About box is owned by the sheet" "^$about " "$(probe wait-owned "$SHEET" 10)"
check "the About box lies above the sheet" test "$(z_rank "$about")" -lt "$(z_rank "$sheet_handle")"
read -r left top right bottom <<<"$(probe rect "$ABOUT" | tr -d '\r')"
check "the About box is centred" test $(((left + right) / 2 - 512)) -ge -2 -a \
    $(((left + right) / 2 - 512)) -le 2 -a $(((top + bottom) / 2 - 384)) -ge -2 -a \
    $(((top + bottom) / 2 - 384)) -le 2
bed_screenshot about-above-sheet >/dev/null
probe press "$ABOUT/@IDOK" >/dev/null
probe wait-gone "$ABOUT" 10 >/dev/null || fail "the About box did not close"
sheet_close OK
check_eq "after the sheet closed, still no sheet" 0 "$(sheets)"

# ---- unsaved reminders when the sheet closes
add_reminder() {
    probe select "$SHEET_REMINDER/@$IDC_REMINDER_MONTH" "$1" >/dev/null &&
        probe select "$SHEET_REMINDER/@$IDC_REMINDER_DAY" "$2" >/dev/null &&
        probe set-text "$SHEET_REMINDER/@$IDC_REMINDER_TEXT" "$3" >/dev/null &&
        probe click "$SHEET_REMINDER/@$IDC_REMINDER_ADD" >/dev/null || fail "cannot add a reminder"
}
listed() { [[ $(probe send "$SHEET_REMINDER/@$IDC_REMINDER_LIST" 0x18B | tr -d '\r') == "$1" ]]; }
asked() { sheet_msgbox_is "$QUESTION" '备忘录已经修改，但还没有保存'; }

sheet_open
sheet_page 1 "$SHEET_REMINDER"
add_reminder 2 9 开会
wait_until 10 listed 1 || fail "the reminder was not added"
probe press "$SHEET_OK" >/dev/null
check "OK asks about the unsaved reminder" wait_until 20 asked
bed_screenshot unsaved-question >/dev/null
check_match "Yes, No and Cancel" "id=6 .*id=7 .*id=2 " \
    "$(probe msgbox-buttons "$QUESTION" | paste -sd' ')"
sheet_msgbox_answer "$QUESTION" IDCANCEL
check "Cancel keeps the sheet open" probe find "$SHEET"
check "nothing saved yet" test ! -e "$rem"
probe press "$SHEET_OK" >/dev/null
wait_until 20 asked || fail "the second OK did not ask"
sheet_msgbox_answer "$QUESTION" IDYES
check "Yes: the sheet closes" probe wait-gone "$SHEET" 20
check_eq "and the reminder is saved as 保存 saves it" " 3/10  0: 0开会" \
    "$(iconv -f GBK -t UTF-8 "$rem" | tr -d '\0')"

sheet_open
sheet_page 1 "$SHEET_REMINDER"
wait_until 10 listed 1 || fail "the saved reminder was not listed"
add_reminder 4 0 不要
wait_until 10 listed 2 || fail "the reminder was not added"
before=$(md5sum <"$rem")
probe post "$SHEET" WM_SYSCOMMAND 0xF060 >/dev/null # the close box
check "the close box asks too" wait_until 20 asked
sheet_msgbox_answer "$QUESTION" IDNO
check "No: the sheet closes" probe wait-gone "$SHEET" 20
check_eq "and the file is as it was" "$before" "$(md5sum <"$rem")"

sheet_open
sheet_page 1 "$SHEET_REMINDER"
check "the dropped reminder is gone" wait_until 10 listed 1
sheet_close CANCEL

bed_finish
