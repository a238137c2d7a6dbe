#!/usr/bin/env bash
# timeout: 240
# The notification icon's callback: the icon starts with the tip "桌面时钟"; a hover sets
# the tip to the date, the time (no leading zeros but the seconds') and today's calendar
# text, cut to 63 bytes on a character boundary; the timer does not refresh it, the next
# hover does. Left, middle and double clicks and a right button going down do nothing; a
# right click opens the clock menu.
source "$(dirname "$0")/../lib/bed.sh"
source "$(dirname "$0")/hook_helpers.bash"
source "$(dirname "$0")/menu_helpers.bash"
bed_require "$LUNAVIS" "app/$BED_HOOK_DLL" tests/tools/winprobe/menureader.dll tools/lunacal/lunacal.exe
bed_init
bed_shell_start
lunavis_start_hooked
app_pid=$(probe pid "$MAIN_WINDOW" | cut -d' ' -f1)
modifies() { shell_log_count '^tray modify '; }
tip() { bed_shell tip "$TRAY_ICON_ID"; }
gbk_bytes() { printf '%s' "$1" | iconv -f UTF-8 -t GBK | wc -c; }

check_eq "the first tip" "桌面时钟" "$(tip)"
check_eq "no tip change before a hover" 0 "$(modifies)"

# Moving the pointer onto the icon is itself a hover (the stand-in shell passes real mouse
# moves over the icon on): after the first hover the pointer leaves the icon, and later
# callbacks are posted to the main window as the shell posts them.
settled_modifies() {
    local before now
    before=$(modifies)
    for _ in $(seq 1 20); do
        sleep 1 # deliberate: a quiet second without a modify is what settles the count
        now=$(modifies)
        [[ "$now" == "$before" ]] && break
        before=$now
    done
    echo "$now"
}
callback() { probe post "$MAIN_WINDOW" UM_TRAYICON "$TRAY_ICON_ID" "$1" >/dev/null; }

# --- a hover
today=$(date +%F)
bed_shell tray-callback "$TRAY_ICON_ID" WM_MOUSEMOVE >/dev/null
modifies_are() { (($(modifies) $1 $2)); }
check "a hover modifies the icon" wait_until 10 modifies_are '>=' 1
probe move-cursor 100 100 >/dev/null
hovers=$(settled_modifies)
check_match "the modify sends message, icon and tip again" \
    "flags=0x7 msg=$(printf '0x%X' "$UM_TRAYICON") icon=32x32x32 result=1 tip=" \
    "$(grep '^tray modify ' "$BED_SHELL_LOG")"
hovered=$(tip)
line1=$(sed -n 1p <<<"$hovered")
line2=$(sed -n 2p <<<"$hovered")
[[ "$(date +%F)" == "$today" ]] || skip "the date changed during the hover"
check_eq "the first line is today's date" "$(date -d "$today" +%Y年%-m月%-d日)" "$line1"
check_match "the second line is the time, only the seconds with two digits" \
    '^([1-9]|1[0-9]|2[0-3]|0):([1-5]?[0-9]):[0-5][0-9]$' "$line2"
hour=${line2%%:*}
calendar=$(bed_wine "$BED_WIN64/tools/lunacal/lunacal.exe" "$today" "$hour" |
    iconv -f GBK -t UTF-8 | tr -d '\r')
check_match "the calendar text begins with a line break and the lunar year" $'^\n农历:' "$calendar"
# The whole text, cut to 63 GBK bytes; an incomplete last character is dropped.
whole=$(printf '%s\n%s%s' "$line1" "$line2" "$calendar")
expected=$(printf '%s' "$whole" | iconv -f UTF-8 -t GBK | head -c 63 |
    iconv -c -f GBK -t UTF-8 2>/dev/null)
check_eq "the tip is the date, the time and GetDate's text, cut to 63 bytes" "$expected" "$hovered"
check "the tip holds at most 63 bytes" test "$(gbk_bytes "$hovered")" -le 63
if (($(gbk_bytes "$whole") > 63)); then
    check "a cut text keeps 62 or 63 bytes" test "$(gbk_bytes "$hovered")" -ge 62
fi

# --- the timer leaves the tip alone; the next hover refreshes it
check "the timer does not refresh the tip" not wait_until 3 modifies_are '!=' "$hovers"
callback 0x200
check "the next hover refreshes it" wait_until 10 modifies_are '==' $((hovers + 1))
check "with the time of that hover" test "$(sed -n 2p <<<"$(tip)")" != "$line2"

# --- clicks that do nothing
for event in 0x201 0x202 0x203 0x204 0x207 0x208; do
    callback "$event"
done
check "left, middle and double clicks open no menu" no_menu_opens 2
check_eq "they leave the tip alone" $((hovers + 1)) "$(modifies)"
check_eq "they open no window of lunavis" "" "$(visible_windows_of "$app_pid")"
check "lunavis runs on" bed_alive lunavis

# --- a right click
right_click_icon
check "a right click opens the clock menu" probe menu-wait 10
probe menu-close >/dev/null
probe menu-gone 10 >/dev/null || fail "the menu did not close"

lunavis_exit || fail "lunavis did not end"
check_exited_cleanly
bed_finish
