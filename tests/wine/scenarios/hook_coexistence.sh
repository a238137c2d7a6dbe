#!/usr/bin/env bash
# timeout: 480
# lunahook among the other things in the shell. Another desktop tool subclasses the desktop
# view and the list view over lunavis: after 退出 lunavis's procedures stay in the chain as
# pass-throughs, the tool's subclass still gets messages and the list view answers, also
# once the tool has restored the procedures it saved; a second lunavis attaches cleanly. A
# desktop item named outside code page 936 passes the subclasses unchanged. A lunavis killed
# with its settings sheet open leaves no greyed clock menu to the next one. Garbage written
# into the shared section by another program neither kills the shell nor stops the drawing,
# nor keeps the shell subclassed after 退出.
source "$(dirname "$0")/../lib/bed.sh"
source "$(dirname "$0")/hook_helpers.bash"
source "$(dirname "$0")/menu_helpers.bash"
bed_require "$LUNAVIS" "app/$BED_HOOK_DLL" tests/tools/section_garbage/sectiongarbage.exe \
    tests/tools/winprobe/menureader.dll
bed_init
bed_shell_start --other-tool --wide-item

WIDE_NAME='한글😀' # Hangul and an emoji: no GBK form
desktop_is_plain() { [[ "$(bed_pixel "$(bed_screenshot "$1")" 600 400)" == "58 110 165" ]]; }
item_count() { bed_shell items | grep -c .; }
tool_messages() { bed_shell other-tool | sed -E 's/.* view=([0-9]+).*/\1/'; }
attachments() { log_count '^视图窗口过程替代成功'; }
# Messages that make the shell run its window procedures, the clock's command path included.
stir_shell() {
    bed_shell repaint >/dev/null
    probe send "$LIST_VIEW" WM_SIZE 0 0 >/dev/null
    probe send Shell_TrayWnd WM_SIZE 0 0 >/dev/null
    probe send "$CLOCK_WINDOW" WM_COMMAND "$kMenuShowMain" 0 >/dev/null # 显示主窗口
}

# ---- another tool subclasses over lunavis
lunavis_start_hooked first
check "the other tool subclasses over lunavis" \
    bed_wait_file_line "$BED_SHELL_LOG" '^other-tool subclassed' 20
probe type "$LIST_VIEW" '한' >/dev/null
check "type-to-select through both subclasses finds the item named outside GBK" \
    wait_until 10 eval 'bed_shell items | grep -qx "4 1 $WIDE_NAME"'
probe set-text "$LIST_VIEW" "$WIDE_NAME" >/dev/null
check_eq "the list view's text passes the subclasses unchanged" "$WIDE_NAME" \
    "$(probe text "$LIST_VIEW")"

lunavis_exit first
check "lunavis ends" bed_wait_exit first 20
check "its view procedure stays in the chain as a pass-through" \
    log_has '^视图窗口过程留作转发$'
before=$(tool_messages)
probe send "$LIST_VIEW" WM_SIZE 0 0 >/dev/null
check "the other tool's subclass still receives messages" test "$(tool_messages)" -gt "$before"
check_eq "the list view answers through both" 5 "$(item_count)"
bed_shell repaint >/dev/null
check "the plain desktop is back" wait_until 10 desktop_is_plain after-first
check_eq "the other tool restores what it saved" ok "$(bed_shell other-tool-restore)"
check_eq "the list view still answers" 5 "$(item_count)"
check "the shell lives on" bed_alive shell

# ---- a second lunavis, then killed with its settings sheet open
attached=$(attachments)
lunavis_start second
check "a second lunavis attaches cleanly" wait_until 30 eval '(($(attachments) > attached))'
check "it draws" wait_until 20 not desktop_is_plain second
probe post "$MAIN_WINDOW" UM_SHOWMAIN >/dev/null # the settings sheet
check "its settings sheet is open" probe wait "$SETTINGS_SHEET" 20
bed_kill second

attached=$(attachments)
lunavis_start third
check "a third lunavis attaches" wait_until 30 eval '(($(attachments) > attached))'
probe post "$CLOCK_WINDOW" UM_CLOCKMENU 0 $(((300 << 16) | 500)) >/dev/null
probe menu-wait 10 >/dev/null || bed_failed "the clock menu did not open"
check_eq "its clock menu is not greyed by the dead one's sheet" "$(expected_clock_menu)" \
    "$(probe menu-items)"
probe menu-close >/dev/null
probe menu-gone 10 >/dev/null

# ---- garbage in the shared section
hook_dll=$(bed_winpath "$BED_WIN64/app/$BED_HOOK_DLL")
for mode in "" windows; do
    what=${mode:-garbage}
    # shellcheck disable=SC2086 # no argument for the first mode
    check "sectiongarbage writes $what into the shared section" \
        bed_wine "$BED_WIN64/tests/tools/section_garbage/sectiongarbage.exe" "$hook_dll" $mode
    stir_shell
    check "$what: the shell lives on" bed_alive shell
    check "$what: the desktop is still drawn" wait_until 15 not desktop_is_plain "$what"
done
# 退出 after the garbage: each window is restored from what the shell saved itself.
restores=$(log_count '^恢复(桌面|视图|时钟)进程$')
lunavis_exit third
check "lunavis ends" bed_wait_exit third 20
check_eq "each of the three windows wrote its restore line" $((restores + 3)) \
    "$(log_count '^恢复(桌面|视图|时钟)进程$')"
check_eq "the shell's windows have their own procedures back" "$NONE_SUBCLASSED" \
    "$(bed_shell subclassed)"
check "the shell lives on at the end" bed_alive shell
bed_finish
