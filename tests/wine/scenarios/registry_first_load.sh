#!/usr/bin/env bash
# First start on a clean account: loading the settings creates the four product keys,
# empty except for BackImage (the executable's folder followed by res\back.png) and the
# placement of a new installation (DeskTopFit 1, 填充), every DisplaySettings field keeps
# its default, and no font can be read yet.
source "$(dirname "$0")/../lib/bed.sh"
bed_require tests/tools/regprobe/regprobe.exe
bed_init

regprobe() { bed_wine "$BED_WIN64/tests/tools/regprobe/regprobe.exe" "$@" | tr -d '\r'; }

out=$(regprobe load)
field() { grep -m1 "^$1=" <<<"$out" | cut -d= -f2-; }

for pair in yearDigits=4 showWeekday=1 showDate=1 hour12=0 showSeconds=1 dateOrder=1 \
    bkDisplayStyle=4 reminderExact=1 showSolarFestivals=1 showLunarFestivals=1 \
    showSolarTerms=1 showOwnSolarFestivals=0 showOwnLunarFestivals=0 timeSeparator= \
    dateSeparator= amPm=1 reminderBackColor=0xFFFFFF clockColor=0x000000 \
    calendarColor=0x000000 autoStart=0 desktopStyle=0 desktopBackColor=0x000000; do
    check_eq "default ${pair%%=*}" "${pair#*=}" "$(field "${pair%%=*}")"
done
for key in calender clock reminder; do
    check_eq "no $key font on a clean account" fail "$(field "font.$key")"
done

export_file=$BED_RUN/wendrix.reg
bed_reg_export 'HKEY_CURRENT_USER\software\wendrix' "$export_file" || fail "reg export failed"
keys=$(grep '^\[' "$export_file" | tr 'A-Z' 'a-z' | LC_ALL=C sort | tr '\n' ' ')
check_eq "the product keys exist" \
    '[hkey_current_user\software\wendrix\clock\calender] [hkey_current_user\software\wendrix\clock\display] [hkey_current_user\software\wendrix\clock\reminder] [hkey_current_user\software\wendrix\clock] [hkey_current_user\software\wendrix] ' \
    "$keys"
values=$(grep '^"' "$export_file" | cut -d= -f1 | LC_ALL=C sort | tr '\n' ' ')
check_eq "BackImage and DeskTopFit are the only values" '"BackImage" "DeskTopFit" ' "$values"
check_match "a new installation fills the screen" 'DeskTopFit +REG_DWORD +0x1' \
    "$(bed_reg_query 'HKCU\software\wendrix\clock\Display' DeskTopFit)"

exe_folder=$(bed_winpath "$BED_WIN64/tests/tools/regprobe")
check_eq "BackImage beside the executable" "$exe_folder\\res\\back.png" \
    "$(regprobe backimage | cut -d= -f2-)"

# A second start finds BackImage and leaves it alone.
bed_reg_add 'HKCU\software\wendrix\clock' BackImage REG_SZ 'D:\pics\sea.bmp'
regprobe load >/dev/null
check_eq "an existing BackImage stays" 'D:\pics\sea.bmp' "$(regprobe backimage | cut -d= -f2-)"

bed_finish
