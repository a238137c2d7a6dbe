#!/usr/bin/env bash
# timeout: 300
# winprobe's commands against windows whose state is known: lookups and their exit codes,
# texts, message boxes (the stand-in shell shows one for contradicting options), WM_COPYDATA
# from a file, input, and usage errors.
source "$(dirname "$0")/../lib/bed.sh"

bed_init
bed_shell_start

# ---- lookups and exit codes
probe find NoSuchClass 2>/dev/null
check_eq "a missing window is exit status 1" 1 "$?"
probe find 'Progman/@' 2>/dev/null
check_eq "a malformed path is a usage error" 2 "$?"
probe frobnicate 2>/dev/null
check_eq "an unknown command is a usage error" 2 "$?"
probe send Progman 2>/dev/null
check_eq "too few arguments is a usage error" 2 "$?"
probe send Progman WM_NOSUCH 2>/dev/null
check_eq "an unknown message name is a usage error" 2 "$?"
started=$SECONDS
probe wait NoSuchClass 2 2>/dev/null
check_eq "wait gives up with status 1" 1 "$?"
check "and gives up on time" test $((SECONDS - started)) -lt 30
check "help lists the command groups" bed_wait_file_line <(probe help) "^Stand-in shell:$" 1

check_eq "class names compare without case" "$(probe find Progman)" "$(probe find pROGMAN)"
check_eq "a title narrows the search" "$(probe find Progman)" "$(probe find 'Progman[Program Manager]')"
check "a wrong title finds nothing" not probe find 'Progman[Program]'
check_eq "a handle starts a path" "$(probe find Progman/SHELLDLL_DefView)" \
    "$(probe find "$(probe find Progman)/SHELLDLL_DefView")"
check_eq "a control id finds a child" "$(probe find Progman/SHELLDLL_DefView/SysListView32)" \
    "$(probe find Progman/SHELLDLL_DefView/@1)" # deliberate: a number as control id
check_eq "class prints the class" "TrayClockWClass" \
    "$(probe class Shell_TrayWnd/TrayNotifyWnd/TrayClockWClass)"
check_match "children lists the clock with its class and visibility" \
    "^0x[0-9A-F]+ id=0 class=TrayClockWClass visible=1 text=[0-2][0-9]:[0-5][0-9]$" \
    "$(probe children Shell_TrayWnd/TrayNotifyWnd)"
check_match "toplevel lists the shell's windows with their process" \
    "class=Progman visible=1 text=Program Manager pid=[0-9]+" "$(probe toplevel)"
check_eq "visible and enabled" "1 1" "$(probe visible Progman) $(probe enabled Progman)"
check "the hidden control window is not visible" not probe visible LunaShellControl
check_match "the clock shows the time" "^[0-2][0-9]:[0-5][0-9]$" \
    "$(probe text Shell_TrayWnd/TrayNotifyWnd/TrayClockWClass)"
probe move-cursor 300 200
check_eq "the pointer goes where it is sent" "300 200" "$(probe cursor)"

# ---- WM_COPYDATA from a file: a notification record straight to the taskbar
record=$BED_RUN/record.bin
{
    printf '\x01\x00\x00\x00\x2a\x00\x00\x00\x04\x00\x00\x00\x00\x00\x00\x00'
    printf 'T\x00i\x00p\x00'
    head -c $((960 - 22)) /dev/zero
} >"$record"
check_eq "copydata sends a file's bytes" 1 "$(probe copydata Shell_TrayWnd 0 "$record")"
check_eq "the record arrived whole" "Tip" "$(bed_shell tip 42)"
check "copydata refuses a missing file" not probe copydata Shell_TrayWnd 0 "$BED_RUN/none.bin"

# ---- message boxes
bed_shell quit >/dev/null
bed_wait_exit shell 20 || fail "the shell did not quit"
bed_start badopt "$BED_SHELL_EXE" --no-defview --workerw
check "the message box appears" probe wait '#32770[lunashell]' 30
check_eq "msgbox prints its text" \
    "--no-defview cannot be combined with --active-desktop or --workerw" "$(probe msgbox lunashell)"
check_eq "msgbox without a title takes the topmost box" "$(probe msgbox lunashell)" "$(probe msgbox)"
check_match "msgbox-buttons lists the OK button" "id=1 class=Button visible=1" \
    "$(probe msgbox-buttons lunashell)"
check "press pushes the button" probe press '#32770[lunashell]/@IDOK'
check "the box goes away" probe wait-gone '#32770[lunashell]' 20
check "and the program ends" bed_wait_exit badopt 20
check "msgbox fails when there is none" not probe msgbox lunashell

bed_finish
