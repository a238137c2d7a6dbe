#!/usr/bin/env bash
# timeout: 300
# The win64 installer, run silently as an ordinary user would run it: it installs into
# %LOCALAPPDATA%\Programs\lunavis with a Start-menu shortcut and an entry in the user's
# programs list. Its uninstaller ends a running lunavis cleanly (the shell is unhooked, the
# icon removed), removes the autostart value only when it starts this copy, and removes the
# program but keeps the user's reminders and festivals, which a new installation finds
# again; with /PURGE it removes them, the settings and the folder too.
source "$(dirname "$0")/../lib/bed.sh"
source "$(dirname "$0")/hook_helpers.bash"

setup=$(ls "$BED_WIN64"/lunavis-*-win64-setup.exe 2>/dev/null | sort -V | tail -n 1)
[[ -n "$setup" ]] || skip "no installer in $BED_WIN64 (cmake --build --preset win64 --target package)"

bed_init
user_dir=$(find "$BED_PREFIX/drive_c/users" -mindepth 1 -maxdepth 1 -type d ! -name Public |
    head -n 1)
[[ -n "$user_dir" ]] || fail "the prefix has no user folder"
dir=$user_dir/AppData/Local/Programs/lunavis
shortcut="$user_dir/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/lunavis.lnk"
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\lunavis'
run_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Run'
user_run_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
settings_key='HKCU\software\wendrix\clock'

install() {
    bed_start "setup$1" "$setup" /S
    bed_wait_exit "setup$1" 120 || fail "the installer did not finish"
}

# The uninstaller copies itself away and goes on from there; its last step removes its entry.
uninstall() {
    local name=$1
    shift
    bed_start "$name" "$dir/uninstall.exe" /S "$@"
    wait_until 120 not bed_reg_key_exists "$uninstall_key" || fail "the uninstaller did not finish"
}

reg_has_value() { bed_wine reg query "$1" /v "$2" >/dev/null 2>&1; }
reg_value() { bed_reg_query "$1" "$2" | sed -nE "s/^ *$2 +REG_[A-Z_]+ +//p"; }

install 1
for f in lunavis.exe "$BED_HOOK_DLL" res/back.png README.txt LICENSE.txt uninstall.exe; do
    check "installed: $f" test -f "$dir/$f"
done
check "the Start-menu shortcut" test -f "$shortcut"
win_dir=$(bed_wine winepath -w "$dir" 2>/dev/null | tr -d '\r')
check_eq "the programs list names the folder" "$win_dir" "$(reg_value "$uninstall_key" InstallLocation)"
check_eq "the programs list has the uninstaller" "\"$win_dir\\uninstall.exe\"" \
    "$(reg_value "$uninstall_key" UninstallString)"
version=${setup##*/lunavis-}
check_eq "the programs list has the version" "${version%-win64-setup.exe}" \
    "$(reg_value "$uninstall_key" DisplayVersion)"

# Running, with the user's data beside it and autostart pointing at this copy.
bed_shell_start
LUNAVIS=$dir/lunavis.exe
lunavis_start_hooked
for record in "Reminder.rem 100  1/ 1  8: 0new year" "Solar.rem 30  1 1ours" "Lunch.rem 30  1 1lunar"; do
    read -r file size text <<<"$record"
    printf '%s' "$text" >"$dir/res/$file"
    truncate -s "$size" "$dir/res/$file"
done
bed_reg_add "$run_key" DeskTop REG_SZ "$win_dir\\lunavis.exe"
bed_reg_add "$user_run_key" DeskTop REG_SZ "\"$win_dir\\lunavis.exe\""

uninstall uninstall1
check_exited_cleanly
check "the uninstaller's ending ran EndHook" log_has '^恢复视图进程$'
for f in lunavis.exe "$BED_HOOK_DLL" res/back.png README.txt LICENSE.txt uninstall.exe; do
    check "removed: $f" test ! -e "$dir/$f"
done
check "the shortcut is removed" test ! -e "$shortcut"
for f in Reminder.rem Solar.rem Lunch.rem; do
    check "kept: res/$f" test -f "$dir/res/$f"
done
check "the machine's autostart value naming this copy is removed" not reg_has_value "$run_key" DeskTop
check "so is the user's, quoted" not reg_has_value "$user_run_key" DeskTop
check "the settings are kept" bed_reg_key_exists "$settings_key"

# A new installation finds the data; autostart of another copy is none of its business.
reminders=$(md5sum <"$dir/res/Reminder.rem")
printf 'old' >"$dir/lunahook.dll" # the first release's library, left beside the reminders
install 2
check_eq "the reminders survive a new installation" "$reminders" "$(md5sum <"$dir/res/Reminder.rem")"
check "an earlier version's library is cleared away" test ! -e "$dir/lunahook.dll"
check "this version's library is installed" test -f "$dir/$BED_HOOK_DLL"
other='C:\elsewhere\lunavis.exe'
bed_reg_add "$run_key" DeskTop REG_SZ "$other"
bed_reg_add "$user_run_key" DeskTop REG_SZ "\"$other\""
uninstall uninstall2 /PURGE
check "with /PURGE the folder is gone" wait_until 10 test ! -e "$dir"
check "with /PURGE the settings are gone" not bed_reg_key_exists "$settings_key"
check_eq "another copy's autostart value stays" "$other" "$(reg_value "$run_key" DeskTop)"
check_eq "in both places" "\"$other\"" "$(reg_value "$user_run_key" DeskTop)"
bed_finish
