#!/usr/bin/env bash
# Hand-edited values on the real registry: wrong types, texts too long for their buffers and
# an overlong BackImage are treated as missing, so the defaults stand; well-formed values
# (written with their terminator, as reg add does) are read.
source "$(dirname "$0")/../lib/bed.sh"
bed_require tests/tools/regprobe/regprobe.exe
bed_init

regprobe() { bed_wine "$BED_WIN64/tests/tools/regprobe/regprobe.exe" "$@" | tr -d '\r'; }
field() { grep -m1 "^$1=" <<<"$2" | cut -d= -f2-; }
display='HKCU\software\wendrix\clock\Display'
clock='HKCU\software\wendrix\clock'

regprobe load >/dev/null
bed_reg_add "$display" DisPlayYear REG_SZ 2
bed_reg_add "$display" DisPlayStyle REG_DWORD 0x103
bed_reg_add "$display" DisPlaySecond REG_BINARY 00
bed_reg_add "$display" DateSeparator REG_SZ -
bed_reg_add "$display" TimeSparator REG_SZ ''
bed_reg_add "$display" DaySparator REG_DWORD 0
bed_reg_add "$clock" FontColor REG_DWORD 0x0000ff
long_path="C:\\$(printf 'p%.0s' {1..300})\\back.bmp"
bed_reg_add "$clock" BackImage REG_SZ "$long_path"
regprobe writefont reminder Arial 100 400 0 0 0 >/dev/null
bed_reg_add 'HKCU\software\wendrix\clock\reminder' FontName REG_SZ \
    'A face name much longer than thirty-one bytes'

out=$(regprobe load)
check_eq "DisPlayYear of the wrong type is ignored" 4 "$(field yearDigits "$out")"
check_eq "DisPlayStyle takes the low byte" 3 "$(field dateOrder "$out")"
check_eq "DisPlaySecond of the wrong size is ignored" 1 "$(field showSeconds "$out")"
check_eq "a terminated separator reads" - "$(field dateSeparator "$out")"
check_eq "an empty separator stays empty" '' "$(field timeSeparator "$out")"
check_eq "DaySparator 0" 0 "$(field amPm "$out")"
check_eq "clock colour" 0x0000FF "$(field clockColor "$out")"
check_eq "an overlong FontName fails that font" fail "$(field font.reminder "$out")"
exe_folder=$(bed_winpath "$BED_WIN64/tests/tools/regprobe")
check_eq "an overlong BackImage is replaced by the default" "$exe_folder\\res\\back.png" \
    "$(regprobe backimage | cut -d= -f2-)"

bed_finish
