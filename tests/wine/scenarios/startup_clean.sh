#!/usr/bin/env bash
# timeout: 300
# Start-up on a clean account: lunavis hooks the desktop view, the list view and the
# taskbar clock, the hook library writes its log lines in order and subclasses the three
# windows inside the shell's process (and stays pinned there), BackImage is written, the
# notification icon shows "桌面时钟", the main window stays hidden, and the About box opens
# centred from the system menu and from UM_HELP.
source "$(dirname "$0")/../lib/bed.sh"
source "$(dirname "$0")/hook_helpers.bash"
bed_require "$LUNAVIS" "app/$BED_HOOK_DLL" app/res/back.png
bed_init
bed_shell_start
check_eq "nothing is subclassed before lunavis" "$NONE_SUBCLASSED" "$(bed_shell subclassed)"

lunavis_start_hooked
hex='[0-9A-F]+'
log_in_order "StartHook's log lines" \
    "桌面窗口已经找到:$hex" \
    "桌面钩子函数勾连成功,返回钩子:$hex" \
    "钩子函数勾连前的桌面句柄:$hex,返回钩子:$hex" \
    "视图窗口已经找到:$hex" \
    "视图钩子函数勾连成功,返回钩子:$hex" \
    "钩子函数勾连前的视图句柄:$hex,返回钩子:$hex" \
    "时钟窗口已经找到:$hex" \
    "时钟钩子函数勾连前的时钟句柄:$hex,返回钩子:$hex"
log_in_order "the list view's first-time lines" \
    "" "第一次替换视图窗口过程" "视图窗口过程替代成功,替代前的窗口过程:$hex" "" \
    "传入的视图窗口句柄$hex,DLL进程原先获得的句柄$hex"
log_in_order "the desktop view's first-time lines" \
    "第一次替换目的窗口过程" "目的窗口过程替代成功,替代后的窗口过程:$hex" "" \
    "传入的窗口句柄$hex,DLL进程原先获得的句柄$hex"
check "the clock's first-time lines" log_has "^目的窗口过程替代成功$"

windows=$(bed_shell windows)
defview=$(grep '^defview=' <<<"$windows" | cut -d= -f2)
listview=$(grep '^listview=' <<<"$windows" | cut -d= -f2)
clock=$(grep '^clock=' <<<"$windows" | cut -d= -f2)
check "the desktop view found is the shell's" log_has "^桌面窗口已经找到:${defview#0x}$"
check "the list view found is the shell's" log_has "^视图窗口已经找到:${listview#0x}$"
check "the clock found is the shell's" log_has "^时钟窗口已经找到:${clock#0x}$"
check_eq "lunahook is pinned in the shell" "loaded=1 count=-1 pinned=1" \
    "$(bed_shell module "$BED_HOOK_DLL")"

exe_folder=$(bed_winpath "$BED_WIN64/app")
check_match "BackImage names res\\back.png beside lunavis" \
    "BackImage +REG_SZ +$(sed 's/[\\.]/\\&/g' <<<"$exe_folder")\\\\res\\\\back\\.png" \
    "$(bed_reg_query 'HKCU\software\wendrix\clock' BackImage)"
check_eq "the icon's first tip" "桌面时钟" "$(bed_shell tip $TRAY_ICON_ID)"
check_match "the icon calls back with UM_TRAYICON" "msg=$(printf '0x%X' "$UM_TRAYICON")" \
    "$(bed_shell tray)"
check_eq "the main window stays hidden" 0 "$(probe visible "$MAIN_WINDOW")"

about='#32770[关于 lunavis]'
centred() {
    local left top right bottom
    read -r left top right bottom <<<"$(probe rect "$about")"
    [[ $left -eq $(((1024 - (right - left)) / 2)) && $top -eq $(((768 - (bottom - top)) / 2)) ]]
}
for how in "UM_HELP:UM_HELP" "system menu:WM_SYSCOMMAND $IDM_ABOUTBOX"; do
    read -r message wparam <<<"${how#*:}"
    probe post "$MAIN_WINDOW" "$message" ${wparam:+"$wparam"} >/dev/null
    check "About box from ${how%%:*}" probe wait "$about" 10
    check "About box from ${how%%:*} is centred" centred
    check_match "About box text" "星窗时钟备忘录2\\.0 版 " "$(probe children "$about")"
    probe press "$about/@IDOK" >/dev/null
    check "About box closes with 确定" probe wait-gone "$about" 10
done

check "lunavis still runs" bed_alive lunavis
lunavis_exit
check_exited_cleanly
bed_finish
