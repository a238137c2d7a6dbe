# Helpers of the reminder page, festival dialog and conversion dialog scenarios. Sourced
# after bed.sh and hook_helpers.bash.
#
# lunavis runs from a copy in the run folder, so the files it writes beside itself
# ("res\Reminder.rem", and by default "res\Solar.rem" and "res\Lunch.rem" beside
# "res\back.png") stay in this run and never touch the build tree.

SHEET='#32770[时钟备忘录系统设定]'
REMINDER_PAGE="$SHEET/#32770[备忘录设定]"
CALENDAR_PAGE="$SHEET/#32770[日历设定]"
FESTIVAL_DIALOG='#32770[重要节日设定]'
CONVERT_DIALOG='#32770[岚溪工作室(日历转换)]'
STUDIO_CAPTION='岚溪工作室'
EDITORS_APP=""

# editors_install [FOLDER]: copies lunavis, lunahook and the default background into
# FOLDER (default $BED_RUN/app) and remembers it as the program's folder.
editors_install() {
    EDITORS_APP=${1:-$BED_RUN/app}
    mkdir -p "$EDITORS_APP/res"
    cp "$BED_WIN64/app/lunavis.exe" "$BED_WIN64/app/$BED_HOOK_DLL" "$EDITORS_APP/" ||
        fail "cannot copy lunavis"
    cp "$BED_WIN64/app/res/back.png" "$EDITORS_APP/res/" || fail "cannot copy back.png"
}

# editors_start [NAME]: starts the installed lunavis and waits until it has hooked the shell.
editors_start() {
    local name=${1:-lunavis}
    bed_start "$name" "$EDITORS_APP/lunavis.exe"
    wait_subclassed "$ALL_SUBCLASSED" || fail "lunavis did not subclass the shell's windows"
    LUNAVIS_WINDOW[$name]=$(probe find "$MAIN_WINDOW")
}

# Ends lunavis the way the clock menu does.
editors_stop() { lunavis_exit "${1:-lunavis}" || fail "lunavis did not end"; }

# open_sheet_page INDEX: opens the settings sheet from the main window (UM_SHOWMAIN) and
# selects a page: 0 clock, 1 reminder, 2 calendar, 3 system.
open_sheet_page() {
    probe post "$MAIN_WINDOW" UM_SHOWMAIN >/dev/null
    probe wait "$SHEET" 20 >/dev/null || fail "the settings sheet did not open"
    probe sheet-page "$SHEET" "$1" >/dev/null || fail "cannot select page $1"
}

# close_sheet: Cancel, then wait until the sheet has gone.
close_sheet() {
    probe click "$SHEET/@IDCANCEL" >/dev/null
    probe wait-gone "$SHEET" 20 >/dev/null || fail "the settings sheet did not close"
}

# open_from_calendar_page BUTTON-ID DIALOG: opens the festival (IDC_CALENDAR_FESTIVALS) or
# conversion (IDC_CALENDAR_CONVERT) dialog from the calendar page of an open sheet.
open_from_calendar_page() {
    probe sheet-page "$SHEET" 2 >/dev/null || fail "cannot select the calendar page"
    probe wait "$CALENDAR_PAGE" 10 >/dev/null || fail "no calendar page"
    probe click "$CALENDAR_PAGE/@$1" >/dev/null
    probe wait "$2" 20 >/dev/null || fail "$2 did not open"
}

# control_text PATH: the control's text, line breaks as \r and \n.
control_text() { probe texts "${1%/@*}" "${1##*/@}" "${1##*/@}" | cut -f2-; }

# is_enabled PATH: prints 1 or 0.
is_enabled() { probe enabled "$1" 2>/dev/null | tr -d '\r'; }

# items PATH: the entries of a list or combo box, one a line.
items() { probe items "$1"; }

# msgbox_is TITLE TEXT: a message box with this title shows this text.
msgbox_is() { [[ "$(probe msgbox "$1" 2>/dev/null)" == "$2" ]]; }

# close_msgbox TITLE BUTTON-ID: presses a button of the message box, waits until it is gone.
close_msgbox() {
    probe click "#32770[$1]/@$2" >/dev/null || fail "cannot press button $2 of the message box"
    probe wait-gone "#32770[$1]" 10 >/dev/null || fail "the message box did not close"
}

# GBK file as UTF-8 with its NULs shown as '.', CR as '\r' and LF as '\n'.
file_view() {
    iconv -f GBK -t UTF-8 "$1" | sed -z 's/\r/\\r/g; s/\n/\\n/g' | tr '\0' '.'
}
