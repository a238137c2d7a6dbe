#!/usr/bin/env bash
# timeout: 360
# The shell restarts under a running lunavis: the new shell's "TaskbarCreated" makes the same
# lunavis add its icon again and hook the new windows. Then the next version is unpacked over
# the running one the way the installer does it (the library in use moved aside, the new
# files written): its library has another file name and its hook code other offsets. The old
# version exits, the new one starts: the shell, which keeps the old library, lives on and
# the new version draws.
source "$(dirname "$0")/../lib/bed.sh"
source "$(dirname "$0")/hook_helpers.bash"
NEXT=tests/tools/upgrade/next
bed_require "$LUNAVIS" "app/$BED_HOOK_DLL" "$NEXT/lunavis.exe"
next_dll=$(cd "$BED_WIN64/$NEXT" && ls lunahook-*.dll)
[[ "$next_dll" != "$BED_HOOK_DLL" ]] || fail "the next version's library has this version's name"

# The offsets of a library's exports (StartHook, EndHook, GetDate).
export_offsets() { x86_64-w64-mingw32-objdump -p "$1" | awk '/\+base\[/ { print $(NF - 2) }'; }
if command -v x86_64-w64-mingw32-objdump >/dev/null; then
    check "the next version's hook code lies at other offsets" \
        test "$(export_offsets "$BED_WIN64/app/$BED_HOOK_DLL" | tr '\n' ' ')" != \
        "$(export_offsets "$BED_WIN64/$NEXT/$next_dll" | tr '\n' ' ')"
fi

bed_init
desktop_is_plain() { [[ "$(bed_pixel "$(bed_screenshot "$1")" 600 400)" == "58 110 165" ]]; }

# This version, installed into a folder of its own.
app=$BED_RUN/programs/lunavis
mkdir -p "$app/res"
cp "$BED_WIN64/app/lunavis.exe" "$BED_WIN64/app/$BED_HOOK_DLL" "$app/" || fail "cannot install"
cp "$BED_WIN64/app/res/back.png" "$app/res/"
LUNAVIS=$app/lunavis.exe

bed_shell_start
lunavis_start_hooked old
check "the desktop is drawn" wait_until 15 not desktop_is_plain first

# ---- the shell dies and a new one starts
bed_kill shell
bed_shell_start
check "the same lunavis lives on" bed_alive old
check "its icon is back in the new notification area" wait_until 30 tray_has_icon
check "the new shell's three windows are subclassed" wait_subclassed "$ALL_SUBCLASSED"
check "lunavis logged the restart" log_has 'TaskbarCreated'
check "the desktop is drawn again" wait_until 20 not desktop_is_plain restarted
LUNAVIS_WINDOW[old]=$(probe find "$MAIN_WINDOW")

# ---- the next version over the running one, as the installer writes it
mv "$app/$BED_HOOK_DLL" "$BED_RUN/moved-aside.tmp" # in use by the shell: moved, not deleted
mv "$app/lunavis.exe" "$BED_RUN/moved-aside-exe.tmp"
cp "$BED_WIN64/$NEXT/lunavis.exe" "$BED_WIN64/$NEXT/$next_dll" "$app/" || fail "cannot upgrade"
cp "$BED_WIN64/$NEXT/res/back.png" "$app/res/"
lunavis_exit old
check_exited_cleanly old

lunavis_start_hooked new
check "the shell lives on with the new version" bed_alive shell
check_eq "the new version's library is a module of its own in the shell" \
    "loaded=1 count=-1 pinned=1" "$(bed_shell module "$next_dll")"
check_eq "the old one stays there, pinned" "loaded=1 count=-1 pinned=1" \
    "$(bed_shell module "$BED_HOOK_DLL")"
check "the new version draws" wait_until 20 not desktop_is_plain upgraded
probe send Progman/SHELLDLL_DefView/SysListView32 WM_SIZE 0 0 >/dev/null
check "the shell lives on after more messages" bed_alive shell
lunavis_exit new
check_exited_cleanly new
bed_finish
