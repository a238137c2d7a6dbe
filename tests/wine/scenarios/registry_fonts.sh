#!/usr/bin/env bash
# The font value group: a 10.5-point font is stored as FontSize 10 and read back as lfHeight -13 at 96 dpi; a GBK face name survives; a missing
# Charset makes only that font fail; Bolt is never read.
source "$(dirname "$0")/../lib/bed.sh"
bed_require tests/tools/regprobe/regprobe.exe
bed_init

regprobe() { bed_wine "$BED_WIN64/tests/tools/regprobe/regprobe.exe" "$@" | tr -d '\r'; }
field() { grep -m1 "^$1=" <<<"$2" | cut -d= -f2-; }
clock='HKCU\software\wendrix\clock'

regprobe load >/dev/null
regprobe writefont clock Arial 105 700 0 0 1 || fail "writefont clock"
regprobe writefont calender hex:CBCECCE5 120 400 134 1 0 || fail "writefont calender"
regprobe writefont reminder Tahoma 90 400 0 0 0 || fail "writefont reminder"

query=$(bed_reg_query "$clock")
check_match "FontSize stored in whole points" 'FontSize +REG_DWORD +0xa$' "$(grep 'FontSize ' <<<"$query")"
check_match "and the tenths beside it" 'FontSizeTenths +REG_DWORD +0x69$' \
    "$(grep FontSizeTenths <<<"$query")"
check_match "Bolt set for weight 700" 'Bolt +REG_DWORD +0x1$' "$(grep Bolt <<<"$query")"
check_match "UnderLine stored as 1" 'UnderLine +REG_DWORD +0x1$' "$(grep UnderLine <<<"$query")"
check_match "GBK face name stored" 'FontName +REG_SZ +宋体$' \
    "$(bed_reg_query 'HKCU\software\wendrix\clock\calender' FontName | grep FontName)"

font=$(regprobe font clock)
check_eq "clock font reads back" ok "$(field font.clock "$font")"
check_eq "10.5 points at 96 dpi" -14 "$(field clock.lfHeight "$font")"
check_eq "weight" 700 "$(field clock.lfWeight "$font")"
check_eq "underline" 1 "$(field clock.lfUnderline "$font")"
check_eq "face" Arial "$(field clock.lfFaceName "$font")"
font=$(regprobe font calender | iconv -f GBK -t UTF-8)
check_eq "12 points at 96 dpi" -16 "$(field calender.lfHeight "$font")"
check_eq "charset" 134 "$(field calender.lfCharSet "$font")"
check_eq "italic" 1 "$(field calender.lfItalic "$font")"
check_eq "GBK face reads back" 宋体 "$(field calender.lfFaceName "$font")"

bed_wine reg delete "$clock" /v Charset /f >/dev/null 2>&1 || fail "reg delete Charset"
bed_wine reg delete 'HKCU\software\wendrix\clock\reminder' /v Bolt /f >/dev/null 2>&1
out=$(regprobe load)
check_eq "missing Charset fails the clock font" fail "$(field font.clock "$out")"
check_eq "the calendar font still loads" ok "$(field font.calender "$out")"
check_eq "the reminder font loads without Bolt" ok "$(field font.reminder "$out")"
check_eq "reminder size" -12 "$(field reminder.lfHeight "$out")"

bed_finish
