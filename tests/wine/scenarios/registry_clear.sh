#!/usr/bin/env bash
# Clearing the registry removes the product keys under software\wendrix and the DeskTop
# autostart value, and nothing else.
source "$(dirname "$0")/../lib/bed.sh"
bed_require tests/tools/regprobe/regprobe.exe
bed_init

regprobe() { bed_wine "$BED_WIN64/tests/tools/regprobe/regprobe.exe" "$@" | tr -d '\r'; }
run='HKLM\Software\Microsoft\Windows\CurrentVersion\Run'
key_present() { bed_wine reg query "$1" >/dev/null 2>&1; }
key_absent() { ! key_present "$1"; }

regprobe load >/dev/null
regprobe writefont clock Arial 100 400 0 0 0 >/dev/null
regprobe writefont calender Arial 100 400 0 0 0 >/dev/null
bed_reg_add 'HKCU\software\wendrix\clock\Display' DisPlayYear REG_DWORD 2
bed_reg_add 'HKCU\software\keepme' Value REG_SZ kept
bed_reg_add "$run" DeskTop REG_SZ 'C:\luna\lunavis.exe'
bed_reg_add "$run" Other REG_SZ 'C:\other.exe'
check "the product keys exist before" key_present 'HKCU\software\wendrix\clock\Display'

check_eq "clear runs" cleared "$(regprobe clear)"

check "software\\wendrix is gone" key_absent 'HKCU\software\wendrix'
check "another key under software stays" key_present 'HKCU\software\keepme'
run_values=$(bed_reg_query "$run")
check_eq "DeskTop is gone" "" "$(grep DeskTop <<<"$run_values")"
check_match "other autostart values stay" 'Other +REG_SZ' "$(grep Other <<<"$run_values")"

# Clearing again finds nothing and fails quietly.
check_eq "clearing twice is harmless" cleared "$(regprobe clear)"

bed_finish
