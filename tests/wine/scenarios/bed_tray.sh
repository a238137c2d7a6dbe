#!/usr/bin/env bash
# timeout: 360
# The stand-in shell's notification area with Wine's Shell_NotifyIcon: add, modify and delete
# with the answers Windows gives, tooltips kept whole, the owner called back on a request and
# on a real click, and bad records or unknown messages answered without harm.
source "$(dirname "$0")/../lib/bed.sh"

bed_init
bed_shell_start

owner_log=$BED_RUN/owner.log
bed_start owner "$BED_PROBE_EXE" notify-owner "$owner_log"
probe wait LunaNotifyOwner 30 >/dev/null || fail "the icon owner did not start"
owner=$(probe find LunaNotifyOwner)

check_eq "NIM_ADD succeeds" 1 "$(probe copydata-hex LunaNotifyOwner 0 "$(bed_hex '桌面时钟')" 65537)"
check_eq "NIM_ADD of the same icon fails" 0 \
    "$(probe copydata-hex LunaNotifyOwner 0 "$(bed_hex x)" 65537)"
check_eq "the tooltip arrives in full" "桌面时钟" "$(bed_shell tip 65537)"
check "the add is logged with owner, id, flags, message, icon and tooltip" grep -qF \
    "tray add owner=$owner id=65537 flags=0x7 msg=0x1500 icon=32x32x32 result=1 tip=桌面时钟" \
    "$BED_SHELL_LOG"

tip=$'2004年2月5日\n7:5:03\n甲申年'
check_eq "NIM_MODIFY succeeds" 1 "$(probe copydata-hex LunaNotifyOwner 1 "$(bed_hex "$tip")" 65537)"
check_eq "the new tooltip keeps its line breaks" "$tip" "$(bed_shell tip 65537)"
check_eq "tray lists the icon" \
    "owner=$owner id=65537 msg=0x1500 flags=0x7 icon=1 hidden=0 alive=1 tip=2004年2月5日\\n7:5:03\\n甲申年" \
    "$(bed_shell tray)"
long=$(printf '农%.0s' {1..40}) # 120 bytes of UTF-8, 80 of GBK: cut to 63 bytes by the owner
probe copydata-hex LunaNotifyOwner 1 "$(bed_hex "$long")" 65537 >/dev/null
check_eq "a tooltip is cut where the 64-byte field ends (31 GBK characters)" \
    "$(printf '农%.0s' {1..31})" "$(bed_shell tip 65537)"

read -r ix iy iw ih <<<"$(bed_shell icon-rect 65537)"
check_eq "the icon sits in the notification area" "16 16" "$iw $ih"
check_eq "tray-callback is accepted" ok "$(bed_shell tray-callback 65537 WM_RBUTTONUP)"
check "the owner hears WM_RBUTTONUP with the pointer on the icon" \
    bed_wait_file_line "$owner_log" \
    "^callback id=65537 event=0x205 cursor=$((ix + iw / 2)),$((iy + ih / 2))$" 10
check "tray-callback refuses what is no mouse message" not bed_shell tray-callback 65537 0x100
check "tray-callback refuses an unknown icon" not bed_shell tray-callback 4242 WM_RBUTTONUP
probe mouse-click $((ix + 8)) $((iy + 8)) right
check "a real right click on the icon reaches the owner: button down" \
    bed_wait_file_line "$owner_log" "event=0x204" 10
check "and button up" bed_wait_file_line "$owner_log" "event=0x205 cursor=$((ix + 8)),$((iy + 8))" 10

# Bad input to the taskbar: short records, unknown codes, stray messages.
check_eq "a record shorter than Wine's is refused" 0 \
    "$(probe copydata-hex Shell_TrayWnd 0 "$(bed_hex 'short')")"
check_eq "an unknown NIM_ code is refused" 0 \
    "$(probe copydata-hex Shell_TrayWnd 77 "$(head -c 960 /dev/zero | od -An -v -tx1 | tr -d ' \n')")"
le32() { printf '%02x%02x%02x%02x' $(($1 & 255)) $((($1 >> 8) & 255)) $((($1 >> 16) & 255)) \
    $((($1 >> 24) & 255)); }
# record_hex OWNER ID FLAGS WIDTH HEIGHT PLANES BPP: the fixed 960 bytes of Wine's record.
record_hex() {
    printf '%s%s%s%s%0*d%s%s%s%s' "$(le32 "$1")" "$(le32 "$2")" "$(le32 "$3")" "$(le32 0)" \
        $((928 * 2)) 0 "$(le32 "$4")" "$(le32 "$5")" "$(le32 "$6")" "$(le32 "$7")"
}
check_eq "a record claiming a 65535x65535 icon adds an icon without one" 1 \
    "$(probe copydata-hex Shell_TrayWnd 0 "$(record_hex 1 2 2 65535 65535 1 32)00ff")"
check_eq "a record claiming more icon bits than it carries adds an icon without one" 1 \
    "$(probe copydata-hex Shell_TrayWnd 0 "$(record_hex 1 3 2 32 32 1 32)00ff")"
check_match "both are listed without an icon" "id=2 msg=0x0 flags=0x2 icon=0.*id=3 msg=0x0 flags=0x2 icon=0" \
    "$(bed_shell tray | tr '\n' ' ')"
for msg in 0x0464 0x1400 0x7FFF 0xC123 WM_COMMAND; do
    probe send Shell_TrayWnd "$msg" 1 2 >/dev/null
    probe send Shell_TrayWnd/TrayNotifyWnd "$msg" 1 2 >/dev/null
    probe send LunaShellControl "$msg" 1 2 >/dev/null
done
probe copydata-hex LunaShellControl 0x4C53513F "$(bed_hex '   ')" >/dev/null
probe copydata-hex LunaShellControl 0x4C53513F "" >/dev/null
check "the shell survives bad records and unknown messages" bed_shell ping
check "unknown requests are refused" not bed_shell frobnicate
check "taskbar commands are logged" grep -q "^taskbar command id=1 code=0$" "$BED_SHELL_LOG"

check_eq "NIM_DELETE succeeds" 1 "$(probe copydata-hex LunaNotifyOwner 2 "" 65537)"
check_eq "NIM_DELETE of a removed icon fails" 0 "$(probe copydata-hex LunaNotifyOwner 2 "" 65537)"
check "the icon is gone" not bed_shell_says 'id=65537' tray
probe post LunaNotifyOwner WM_CLOSE
check "the icon owner ends on WM_CLOSE" bed_wait_exit owner 10
shot=$(bed_screenshot tray)
check "the taskbar is still drawn" test "$(bed_pixel "$shot" 500 760)" = "212 208 200"

bed_finish
