#!/usr/bin/env bash
# A Windows set up in English: a prefix created under en_US.UTF-8 (code page 1252 and that
# system's own font settings) and no font stored yet. The overlay's default font is a face
# with Latin and Chinese glyphs alike: the grid's day numbers are digits, not one box each.
# timeout: 300
BED_LANG=en_US.UTF-8
BED_OWN_PREFIX=1
source "$(dirname "$0")/../lib/bed.sh"
source "$(dirname "$0")/desktop_helpers.bash"
bed_require app/lunavis.exe "hook/$BED_HOOK_DLL"
bed_init

desk_reg_fields desktopStyle=2 desktopBackColor=0x404040 clockColor=0xFFFFFF \
    calendarColor=0x00FFFF showSeconds=1
bed_shell_start
desk_attach
check "the overlay names its default face" bed_debug_log_has '^default font face: .'
shot=$(bed_screenshot default-font)

# The grid's yellow in the upper quarter of a day's cell (its number), as the points of its
# shape from its own top left corner: every box looks the same wherever it is drawn.
number_mask() {
    read -r x y w h <<<"$(desk_cell_of "$1")"
    desk_pixels "$shot" "$x" "$y" "$w" $((h / 4)) | awk -v w="$w" "($DESK_YELLOW)"' {
        x[n] = (NR - 1) % w; y[n++] = int((NR - 1) / w) }
        END { l = t = 9999; for (i = 0; i < n; i++) { if (x[i] < l) l = x[i]; if (y[i] < t) t = y[i] }
              for (i = 0; i < n; i++) print x[i] - l, y[i] - t }'
}
# Two single-digit days of this month, neither of them today (drawn in blue).
month=$(date +%Y-%m)
days=(2 3)
[[ $(date +%-d) == [23] ]] && days=(5 6)
first=$(number_mask "$month-0${days[0]}") second=$(number_mask "$month-0${days[1]}")
check "day ${days[0]} is drawn" test "$(wc -l <<<"$first")" -gt 10
check "days ${days[0]} and ${days[1]} differ: digits, not boxes" test "$first" != "$second"
bed_finish
