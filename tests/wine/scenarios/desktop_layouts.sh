#!/usr/bin/env bash
# timeout: 420
# The desktop layouts of the Windows versions, one stand-in shell after the other: classic
# (SHELLDLL_DefView under Progman), Windows 8 to 11 23H2 (under a top-level WorkerW, an
# empty WorkerW above it) and Windows 11 24H2 (under Progman again, with the wallpaper's
# WorkerW as Progman's child). In each, StartHook and lunavis's own lookup find the desktop
# view and the list view, the desktop is drawn, the icons stay visible and the exit
# restores the shell. An Active Desktop is refused.
source "$(dirname "$0")/../lib/bed.sh"
source "$(dirname "$0")/hook_helpers.bash"
bed_require "$LUNAVIS" "app/$BED_HOOK_DLL"
bed_init

desktop_is_plain() { [[ "$(bed_pixel "$(bed_screenshot "$1")" 600 400)" == "58 110 165" ]]; }
# The icons' labels are white; the first column of icons lies in the top-left corner.
icons_visible() {
    local shot
    shot=$(bed_screenshot "$1-icons") || return 1
    (($(convert "$shot" -crop 90x300+0+0 +repage -depth 8 rgb:- | od -An -v -tu1 -w3 |
        awk '$1 == 255 && $2 == 255 && $3 == 255 { n++ } END { print n + 0 }') > 20))
}

next_shell() {
    if bed_alive shell; then
        bed_shell quit >/dev/null
        bed_wait_exit shell 20 || fail "the stand-in shell did not quit"
    fi
    rm -f "$BED_E_DIR/lunadebug.txt"
    bed_shell_start "$@"
}

for layout in classic --workerw --win11-24h2; do
    name=${layout#--}
    if [[ "$layout" == classic ]]; then next_shell; else next_shell "$layout"; fi
    case $layout in
    classic) check "$name: the desktop view is under Progman" probe find Progman/SHELLDLL_DefView ;;
    --workerw) check "$name: the desktop view is not under Progman" \
        not probe find Progman/SHELLDLL_DefView ;;
    --win11-24h2) check "$name: Progman holds the desktop view and the wallpaper's WorkerW" \
        probe find Progman/WorkerW ;;
    esac

    lunavis_start_hooked "$name"
    windows=$(bed_shell windows)
    defview=$(grep '^defview=' <<<"$windows" | cut -d= -f2)
    listview=$(grep '^listview=' <<<"$windows" | cut -d= -f2)
    check "$name: StartHook found the desktop view" log_has "^桌面窗口已经找到:${defview#0x}$"
    check "$name: StartHook found the list view" log_has "^视图窗口已经找到:${listview#0x}$"
    check "$name: lunahook's picture is on the desktop" wait_until 15 not desktop_is_plain "$name"
    check "$name: the icons stay visible over it" icons_visible "$name"
    lunavis_exit "$name"
    check_exited_cleanly "$name"
    bed_shell repaint >/dev/null
    check "$name: the plain desktop is back" wait_until 10 desktop_is_plain "$name-after"
done

next_shell --workerw --active-desktop
lunavis_start active
check "Active Desktop under WorkerW is refused" wait_until 20 probe msgbox '岚溪创作室'
probe press '#32770[岚溪创作室]/@IDOK' >/dev/null
check "lunavis ends" bed_wait_exit active 20
check_eq "nothing is subclassed" "$NONE_SUBCLASSED" "$(bed_shell subclassed)"
bed_finish
