#!/usr/bin/env bash
# timeout: 300
# The stand-in shell's classic layout: the window tree lunahook looks up, the taskbar that
# FindWindow and Shell_NotifyIcon pick, two threads, nothing subclassed or hooked at start,
# and a screenshot with the plain desktop and the taskbar strip.
source "$(dirname "$0")/../lib/bed.sh"

bed_init
bed_shell_start

check "list view under SHELLDLL_DefView under Progman" \
    probe find Progman/SHELLDLL_DefView/SysListView32
check "clock under TrayNotifyWnd under Shell_TrayWnd" \
    probe find Shell_TrayWnd/TrayNotifyWnd/TrayClockWClass
check_match "the shell answers ping" "^lunashell [0-9]+$" "$(bed_shell ping)"
check_match "FindWindow(Shell_TrayWnd) finds the stand-in's taskbar, not Wine's own" \
    "tray=$(probe find Shell_TrayWnd)" "$(bed_shell windows)"
check_match "FindWindow(Progman) finds the stand-in's desktop" \
    "progman=$(probe find Progman)" "$(bed_shell windows)"
check_eq "nothing is subclassed at start" "desktop=0 view=0 clock=0" "$(bed_shell subclassed)"
check_match "the shell's own module counts as loaded" "^loaded=1" \
    "$(bed_shell module lunashell.exe)"
check_eq "lunahook is not loaded" "loaded=0 count=? pinned=0" "$(bed_shell module "$BED_HOOK_DLL")"
desktop_thread=$(probe pid Progman | cut -d' ' -f2)
taskbar_thread=$(probe pid Shell_TrayWnd | cut -d' ' -f2)
check "desktop and taskbar run on two threads" test "$desktop_thread" != "$taskbar_thread"
check_eq "the list view's text" "FolderView" "$(probe text Progman/SHELLDLL_DefView/SysListView32)"
check_eq "the desktop spans the screen above the taskbar" "0 0 1024 738" "$(probe rect Progman)"
check_eq "the taskbar is the bottom strip" "0 738 1024 768" "$(probe rect Shell_TrayWnd)"

check_eq "repaint is accepted" ok "$(bed_shell repaint)"
shot=$(bed_screenshot classic)
check "a screenshot is written" test -s "$shot"
check_eq "the desktop shows the plain desktop colour" "58 110 165" "$(bed_pixel "$shot" 600 400)"
check_eq "the taskbar strip has its own colour" "212 208 200" "$(bed_pixel "$shot" 500 760)"

bed_finish
