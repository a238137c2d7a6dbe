#!/usr/bin/env bash
# timeout: 240
# The timed shutdown, armed on the system page for the current minute, fires at the next
# tick of lunavis's timer: it unhooks the shell (EndHook, once) and asks Windows to power
# off. Under Wine that request (ExitWindowsEx hands it to Wine's own wineboot) ends the
# whole Wine session of the prefix: the windows are told the session ends and the programs
# end (Wine's own services may stay). lunavis's
# WM_ENDSESSION runs ExitPath, whose second EndHook finds nothing left to do. The stand-in
# shell, which lunavis never ends, ends with the session: that is how the power-off request
# shows here. After it nothing is asked of Wine any more (it would start the prefix anew).
source "$(dirname "$0")/../lib/bed.sh"
source "$(dirname "$0")/hook_helpers.bash"
source "$(dirname "$0")/menu_helpers.bash"
bed_require "$LUNAVIS" "app/$BED_HOOK_DLL"
bed_init
bed_shell_start
lunavis_start_hooked

# Armed and applied within one minute: start early enough in it.
early_in_minute() { (($(date +%-S) <= 40)); }
wait_until 30 early_in_minute || fail "the clock does not move"
probe post "$MAIN_WINDOW" UM_SHOWMAIN >/dev/null
probe wait "$SETTINGS_SHEET" 20 >/dev/null || fail "the settings sheet did not open"
probe sheet-page "$SETTINGS_SHEET" 3 >/dev/null || fail "cannot select the system page"
probe wait "$SYSTEM_PAGE" 10 >/dev/null || fail "no system page"
probe press "$SYSTEM_PAGE/@$IDC_SYSTEM_SHUTDOWN" >/dev/null
wait_until 10 probe checked "$SYSTEM_PAGE/@$IDC_SYSTEM_SHUTDOWN" || fail "定时关机 is not ticked"
check "ticking 定时关机 shows the hour list" wait_until 10 probe visible "$SYSTEM_PAGE/@$IDC_SYSTEM_HOURS"
armed_at=$(date +%H:%M)
probe select "$SYSTEM_PAGE/@$IDC_SYSTEM_HOURS" "$((10#${armed_at%:*}))" >/dev/null || fail "cannot pick the hour"
probe select "$SYSTEM_PAGE/@$IDC_SYSTEM_MINUTES" "$((10#${armed_at#*:}))" >/dev/null || fail "cannot pick the minute"
check "the shell is still hooked while the sheet is open" \
    test "$(bed_shell subclassed)" == "$ALL_SUBCLASSED"
check_eq "nothing was unhooked before the shutdown was armed" 0 \
    "$(log_count '^卸载时钟钩子函数:')"
probe click "$SETTINGS_SHEET/@IDOK" >/dev/null
applied_at=$(date +%H:%M)
[[ "$applied_at" == "$armed_at" ]] || skip "the minute ended while the shutdown was armed"

check "the shutdown unhooks the shell within seconds of OK" \
    wait_until 15 log_has '^卸载时钟钩子函数:[0-9A-F]+$'
log_in_order "EndHook restored every window, then removed the hooks" \
    "恢复桌面进程" "恢复视图进程" "clock  prevwndproc handle:[0-9A-F]+" "结束时钟勾连" \
    "恢复时钟进程" "开始卸载钩子“" "卸载桌面钩子函数:[0-9A-F]+" "结束桌面时钟2" \
    "视图卸载钩子函数:[0-9A-F]+" "卸载时钟钩子函数:[0-9A-F]+"
check "the taskbar laid itself out with its own clock again" \
    bed_wait_file_line "$BED_SHELL_LOG" '^clock size-answer=0x[1-9A-F]' 10

check "the end of the session ends lunavis" bed_wait_exit lunavis 90
check "the power-off request ends the Wine session: the stand-in shell ends too" \
    bed_wait_exit shell 90
check_eq "lunavis's WM_ENDSESSION ran ExitPath: EndHook a second time" 2 \
    "$(log_count '^开始卸载钩子“$')"
check_eq "the shutdown fired once: the hooks were removed once" 1 \
    "$(log_count '^卸载时钟钩子函数:')"
check_eq "the view was restored once" 1 "$(log_count '^恢复视图进程$')"
bed_finish
