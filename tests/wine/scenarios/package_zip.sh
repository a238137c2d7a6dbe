#!/usr/bin/env bash
# timeout: 180
# The win64 ZIP as a user gets it: it holds exactly the program, the library, the default
# background, the read-me and the licence; unpacked into the user's own programs folder of a
# fresh account, lunavis.exe runs from there against the stand-in shell, hooks it, shows its
# icon, points BackImage at its own res folder, and leaves the shell clean when it ends.
source "$(dirname "$0")/../lib/bed.sh"
source "$(dirname "$0")/hook_helpers.bash"

zip=$(ls "$BED_WIN64"/lunavis-*-win64.zip 2>/dev/null | sort -V | tail -n 1)
[[ -n "$zip" ]] || skip "no ZIP package in $BED_WIN64 (cmake --build --preset win64 --target package)"
top=$(basename "$zip" .zip)

listing=$(unzip -Z1 "$zip" | grep -v '/$' | sort)
expected=$(printf '%s\n' "$top/LICENSE.txt" "$top/README.txt" "$top/$BED_HOOK_DLL" \
    "$top/lunavis.exe" "$top/res/back.png" | sort)
check_eq "the ZIP holds exactly the program's files" "$expected" "$listing"

bed_init
local_appdata=$(find "$BED_PREFIX/drive_c/users" -mindepth 3 -maxdepth 3 -type d \
    -path '*/AppData/Local' ! -path '*/Public/*' | head -n 1)
[[ -n "$local_appdata" ]] || fail "the prefix has no user folder AppData/Local"
programs=$local_appdata/Programs
mkdir -p "$programs"
unzip -q "$zip" -d "$programs" || fail "cannot unpack $zip"
folder=$programs/$top

readme=$folder/README.txt
check_eq "the read-me starts with a UTF-8 byte order mark" "efbbbf" "$(head -c 3 "$readme" | od -An -tx1 | tr -d ' \n')"
check "the read-me has Windows line ends throughout" \
    test "$(grep -c $'\r$' "$readme")" -eq "$(wc -l <"$readme")"
check "the read-me is in Chinese and English" grep -q '选择安装包' "$readme"
version=${top#lunavis-}
check "the read-me names its version" grep -q "lunavis ${version%-win64} (win64)" "$readme"
check "the licence has Windows line ends" grep -q $'^MIT License\r$' "$folder/LICENSE.txt"

bed_shell_start
LUNAVIS=$folder/lunavis.exe
lunavis_start_hooked
check_eq "the unpacked lunavis hooks the shell" "$ALL_SUBCLASSED" "$(bed_shell subclassed)"
check "its notification icon is up" tray_has_icon
check_eq "the icon's first tip" "桌面时钟" "$(bed_shell tip $TRAY_ICON_ID)"
check_eq "lunahook is pinned in the shell" "loaded=1 count=-1 pinned=1" \
    "$(bed_shell module "$BED_HOOK_DLL")"
backimage=$(bed_reg_query 'HKCU\software\wendrix\clock' BackImage | grep BackImage)
want="$(bed_wine winepath -w "$folder" 2>/dev/null | tr -d '\r')\\res\\back.png"
check_eq "BackImage names the unpacked res\\back.png" "$want" \
    "$(sed -E 's/^ *BackImage +REG_SZ +//' <<<"$backimage")"
shot=$(bed_screenshot unpacked)
check "lunahook's picture is on the desktop" test "$(bed_pixel "$shot" 600 400)" != "58 110 165"

lunavis_exit
check_exited_cleanly
bed_finish
