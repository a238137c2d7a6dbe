# Helpers of the settings sheet scenarios (sourced after lib/bed.sh and desktop_helpers.bash):
# the sheet and its pages as window paths, ticking and typing that waits until the page has
# taken it, answering the font, colour and file dialogs, and reading registry values.

SHEET='#32770[时钟备忘录系统设定]'
SHEET_CLOCK="$SHEET/#32770[时钟设定]"
SHEET_REMINDER="$SHEET/#32770[备忘录设定]"
SHEET_CALENDAR="$SHEET/#32770[日历设定]"
SHEET_SYSTEM="$SHEET/#32770[系统设定]"
SHEET_OK="$SHEET/@IDOK"
SHEET_CANCEL="$SHEET/@IDCANCEL"
SHEET_APPLY="$SHEET/@$ID_APPLY_NOW"

# Pixel conditions for desk_count_where ($1 red, $2 green, $3 blue).
SHEET_RED='$1 > 180 && $2 < 90 && $3 < 90'
SHEET_GREEN='$1 < 90 && $2 > 180 && $3 < 90'
SHEET_WHITE='$1 > 200 && $2 > 200 && $3 > 200'

KEY_CLOCK='HKCU\software\wendrix\clock'
KEY_DISPLAY='HKCU\software\wendrix\clock\Display'
KEY_CALENDER='HKCU\software\wendrix\clock\calender'
KEY_RUN='HKLM\Software\Microsoft\Windows\CurrentVersion\Run'
KEY_USER_RUN='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'

# sheet_attach [PROGRAM]: starts lunavis (default: the build's) on whatever the registry
# holds and waits until it has hooked the stand-in shell (desk_attach also waits for clock
# text, which needs a visible colour).
sheet_attach() {
    local before
    before=$(desk_count_subclassed)
    bed_start lunavis "${1:-app/lunavis.exe}"
    wait_until 30 desk_subclassed_more_than "$before" || fail "the list view was not subclassed"
    probe wait "$DESK_MAIN" 10 >/dev/null || fail "no lunavis main window"
}

# A window exists before its dialog procedure has set it up; it is shown after. Reads wait
# for that.
sheet_shown() { probe visible "$1" >/dev/null 2>&1; }

# sheet_open: the main window's UM_SHOWMAIN opens the sheet on its clock page; waits until
# the sheet is shown (and so centred) with its page.
sheet_open() {
    probe post "$DESK_MAIN" UM_SHOWMAIN >/dev/null || fail "no lunavis main window"
    probe wait "$SHEET_CLOCK" 20 >/dev/null || fail "the settings sheet did not open"
    wait_until 20 sheet_shown "$SHEET" || fail "the settings sheet was not shown"
    wait_until 10 sheet_shown "$SHEET_CLOCK" || fail "the clock page was not shown"
}

# sheet_page INDEX PAGE-PATH: selects a page (created on first selection) and waits until it
# is shown.
sheet_page() {
    probe sheet-page "$SHEET" "$1" >/dev/null || fail "page $1 could not be selected"
    probe wait "$2" 10 >/dev/null || fail "page $1 did not appear"
    wait_until 10 sheet_shown "$2" || fail "page $1 was not shown"
}

# sheet_close OK|CANCEL: presses the button and waits until the sheet is gone.
sheet_close() {
    local button=$SHEET_OK
    [[ $1 == CANCEL ]] && button=$SHEET_CANCEL
    probe press "$button" >/dev/null || fail "no $1 button"
    probe wait-gone "$SHEET" 20 >/dev/null || fail "the sheet did not close on $1"
}

sheet_apply_enabled() { [[ $(probe enabled "$SHEET_APPLY" | tr -d '\r') == 1 ]]; }

# sheet_apply: presses Apply and waits until the sheet has disabled it again.
sheet_apply() {
    probe press "$SHEET_APPLY" >/dev/null || fail "no Apply button"
    wait_until 10 not sheet_apply_enabled || fail "Apply stayed enabled"
}

# sheet_state PATH: the check state of a button (0, 1, 2).
sheet_state() { probe checked "$1" | tr -d '\r'; }
sheet_enabled() { probe enabled "$1" | tr -d '\r'; }
sheet_visible() { probe visible "$1" | tr -d '\r'; }

# sheet_press PATH STATE: clicks a check box or radio button, as the mouse would, and waits
# until it shows STATE.
sheet_press() {
    probe press "$1" >/dev/null || fail "no button $1"
    wait_until 5 sheet_state_is "$1" "$2" || bed_failed "$1 did not become $2"
}
sheet_state_is() { [[ $(sheet_state "$1") == "$2" ]]; }

# sheet_type PATH TEXT: types into an edit box, character by character.
sheet_type() { probe type "$1" "$2" >/dev/null || bed_failed "typing [$2] into $1"; }

# sheet_mouse_click PATH: a real click in the middle of the control (through the X server, so
# a disabled control gets nothing).
sheet_mouse_click() {
    local left top right bottom
    read -r left top right bottom <<<"$(probe rect "$1" | tr -d '\r')"
    probe mouse-click $(((left + right) / 2)) $(((top + bottom) / 2)) >/dev/null
}

# sheet_dialog: the modal dialog the sheet's page opened; prints its handle.
sheet_dialog() {
    local line
    line=$(probe wait-owned "$SHEET" 10) || fail "no dialog opened"
    echo "${line%% *}"
}

sheet_dialog_done() { probe wait-gone "$1" 10 >/dev/null || fail "the dialog did not close"; }

# sheet_choose_font BUTTON FACE STYLE SIZE: the font dialog opened by BUTTON, answered OK.
sheet_choose_font() {
    local dialog
    probe click "$1" >/dev/null || fail "no button $1"
    dialog=$(sheet_dialog)
    probe select-string "$dialog/@$cmb1" "$2" >/dev/null || fail "no font $2"
    probe select-string "$dialog/@$cmb2" "$3" >/dev/null || fail "no style $3"
    probe select-string "$dialog/@$cmb3" "$4" >/dev/null || fail "no size $4"
    probe press "$dialog/@IDOK" >/dev/null
    sheet_dialog_done "$dialog"
}

# sheet_choose_color BUTTON R G B: the colour dialog opened by BUTTON, answered OK.
sheet_choose_color() {
    local dialog
    probe click "$1" >/dev/null || fail "no button $1"
    dialog=$(sheet_dialog)
    probe set-text "$dialog/@$COLOR_RED" "$2" >/dev/null
    probe set-text "$dialog/@$COLOR_GREEN" "$3" >/dev/null
    probe set-text "$dialog/@$COLOR_BLUE" "$4" >/dev/null
    probe press "$dialog/@IDOK" >/dev/null
    sheet_dialog_done "$dialog"
}

# sheet_choose_file BUTTON UNIX-PATH: the open-file dialog opened by BUTTON, answered with
# the file's path.
sheet_choose_file() {
    local dialog
    probe click "$1" >/dev/null || fail "no button $1"
    dialog=$(sheet_dialog)
    probe set-text "$dialog/@$cmb13/ComboBox/Edit" "$(bed_winpath "$2")" >/dev/null ||
        fail "no file name box"
    probe press "$dialog/@IDOK" >/dev/null
    sheet_dialog_done "$dialog"
}

# sheet_cancel_dialog BUTTON: the dialog opened by BUTTON, answered Cancel.
sheet_cancel_dialog() {
    local dialog
    probe click "$1" >/dev/null || fail "no button $1"
    dialog=$(sheet_dialog)
    probe press "$dialog/@IDCANCEL" >/dev/null
    sheet_dialog_done "$dialog"
}

# sheet_reg KEY VALUE: the value's data as `reg query` shows it ("0x1", a text), or
# "<absent>".
sheet_reg() {
    local line
    line=$(bed_reg_query "$1" "$2" | grep -E "^ +$2 +REG_") || {
        echo "<absent>"
        return
    }
    sed -E "s/^ +$2 +REG_[A-Z_]+ *//" <<<"$line"
}

# sheet_region_same SHOT-A SHOT-B "X Y W H": no pixel of the region differs.
sheet_region_same() { (($(desk_diff "$1" "$2" $3) == 0)); }

# sheet_height PNG "X Y W H" CONDITION: rows spanned by the pixels that fit (0 for none).
sheet_height() {
    local -a r=($2)
    desk_pixels "$1" "${r[@]}" | awk -v w="${r[2]}" "$3"' { y = int((NR - 1) / w)
        if (!n++) { t = b = y } if (y < t) t = y; if (y > b) b = y }
        END { print n ? b - t + 1 : 0 }'
}

# sheet_install FOLDER: copies lunavis and lunahook into FOLDER (a program installed
# elsewhere than the build tree); prints the copy's lunavis.exe.
sheet_install() {
    mkdir -p "$1/res" &&
        cp "$BED_WIN64/app/lunavis.exe" "$BED_WIN64/app/$BED_HOOK_DLL" "$1/" &&
        cp "$BED_WIN64/app/res/back.png" "$1/res/" || fail "cannot copy lunavis to $1"
    echo "$1/lunavis.exe"
}

# sheet_msgbox_is TITLE TEXT-REGEX: a message box of that title shows a matching text.
sheet_msgbox_is() { [[ "$(probe msgbox "$1" 2>/dev/null | tr -d '\r')" =~ $2 ]]; }

# sheet_msgbox_answer TITLE BUTTON-ID: presses a button of the message box, waits until it
# is gone.
sheet_msgbox_answer() {
    probe click "#32770[$1]/@$2" >/dev/null || fail "no button $2 in the message box $1"
    probe wait-gone "#32770[$1]" 10 >/dev/null || fail "the message box $1 did not close"
}

# sheet_reg_key_exists KEY
sheet_reg_key_exists() { bed_wine reg query "$1" >/dev/null 2>&1; }
