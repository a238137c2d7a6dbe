# Helpers of the desktop scenarios (sourced after tests/wine/lib/bed.sh): where the panels
# of the desktop picture lie on the bed's 1024x768 screen, settings and font records for
# WM_COPYDATA, pixel statistics of screenshot regions, and starting lunavis against the
# stand-in shell.

DESK_VIEW='Progman/SHELLDLL_DefView/SysListView32'
DESK_MAIN='#32770[桌面备忘录]'

# Panels for W = 1024, H = 768, as "X Y WIDTH HEIGHT".
DESK_CLOCK='682 0 342 42'        # (2W/3, 0)-(W, H/18)
DESK_CALTEXT='682 42 342 214'    # (2W/3, H/18)-(W, H/3)
DESK_REMINDER='341 0 341 256'    # (W/3, 0)-(2W/3, H/3)
DESK_GRID='341 256 683 456'      # (W/3, H/3)-(W, H), cut at the taskbar (y 712 on)
DESK_GRID_HEADER='341 281 683 75'
DESK_LEFT='0 80 341 620'         # the left third below the icons: background only
DESK_CELL_W=97                   # (2W/3)/7
DESK_ROW_H=75                    # (2W/3)/9

# ---------------------------------------------------------------- records

# desk_settings ARGS...: settingsrec of the native tree (tests/tools/settingsrec), which encodes
# DisplaySettings records and their registry values from the product's own table of fields.
desk_settings() {
    local tool=$BED_NATIVE/tests/tools/settingsrec/settingsrec
    [[ -x "$tool" ]] || { bed_note "settingsrec is not built in $BED_NATIVE"; return 1; }
    "$tool" "$@"
}

# The background fields of desk_reg_defaults: the records lunavis sends carry what it stored.
DESK_BACKGROUND=()

# desk_settings_hex [FIELD=VALUE ...]: a DisplaySettings record (96 bytes) in hexadecimal,
# the defaults of the control application with white clock text and yellow calendar text
# and the background of desk_reg_defaults.
desk_settings_hex() {
    desk_settings hex clockColor=0xFFFFFF calendarColor=0x00FFFF "${DESK_BACKGROUND[@]}" "$@"
}

desk_le32() {
    local v=$(($1 & 0xFFFFFFFF))
    printf '%02x%02x%02x%02x' $((v & 255)) $(((v >> 8) & 255)) $(((v >> 16) & 255)) \
        $(((v >> 24) & 255))
}

# desk_font_hex HEIGHT [FACE]: a LOGFONTA (60 bytes) of a GB2312 font in hexadecimal.
desk_font_hex() {
    local face=${2:-WenQuanYi Micro Hei} hex
    desk_le32 "$1"
    printf '%024d' 0 # width, escapement, orientation
    desk_le32 400
    printf '0000008600000000' # italic, underline, strikeout, charset 134, the rest 0
    hex=$(printf '%s' "$face" | od -An -v -tx1 | tr -d ' \n')
    printf '%s' "$hex"
    printf '%0*d\n' $((64 - ${#hex})) 0
}

# desk_send_settings [FIELD=VALUE ...]: CD_SETTINGS to the list view; prints its answer.
desk_send_settings() {
    probe copydata-hex "$DESK_VIEW" "$CD_SETTINGS" "$(desk_settings_hex "$@")" | tr -d '\r'
}

# ---------------------------------------------------------------- registry

desk_reg_clock() { bed_reg_add 'HKCU\software\wendrix\clock' "$1" "$2" "$3"; }

# desk_reg_import FILE: imports a .reg file with one Wine process (each `reg add` starts one:
# on a loaded machine that is seconds apiece).
desk_reg_import() {
    bed_wine reg import "$(bed_winpath "$1")" >/dev/null 2>&1 || fail "could not import $1"
}

# desk_reg_fields FIELD=VALUE ...: these DisplaySettings fields stored as lunavis stores them.
desk_reg_fields() {
    local file=$BED_RUN/fields.reg
    { printf 'REGEDIT4\n\n' && desk_settings reg "$@"; } >"$file" || fail "settingsrec reg $*"
    desk_reg_import "$file"
}

# desk_reg_lines BACKIMAGE-UNIX-PATH [FIELD=VALUE ...]: a .reg file of the settings every
# scenario starts from: the three fonts (clock 18, calender 10, reminder 11 points), white
# clock text, yellow calendar text, the fields given, and BackImage unless the path is empty.
desk_reg_lines() {
    local path font key
    printf 'REGEDIT4\n\n'
    desk_settings reg clockColor=0xFFFFFF calendarColor=0x00FFFF "${@:2}" || return 1
    for font in clock:18 calender:10 reminder:11; do
        key='HKEY_CURRENT_USER\software\wendrix\clock'
        [[ ${font%:*} == clock ]] || key="$key\\${font%:*}"
        printf '[%s]\n"FontName"="WenQuanYi Micro Hei"\n"FontSize"=dword:%08x\n' "$key" "${font#*:}"
        printf '"FontWeight"=dword:00000190\n"Charset"=dword:00000086\n"Italic"=dword:00000000\n'
        printf '"Bolt"=dword:00000000\n"UnderLine"=dword:00000000\n'
        if [[ ${font%:*} == clock && -n "$1" ]]; then
            path=$(bed_winpath "$1")
            printf '"BackImage"="%s"\n' "${path//\\/\\\\}"
        fi
        printf '\n'
    done
}

# desk_reg_defaults STYLE BACKCOLOR BACKIMAGE-UNIX-PATH [FIELD=VALUE | REG-LINE ...]: the
# settings every scenario starts from (desk_reg_lines) with this background and seconds shown,
# and the fields given, imported at once. A REG-LINE (a "[KEY]" line, then "\"Name\"=..."
# lines) goes into the same file as it stands.
desk_reg_defaults() {
    local file=$BED_RUN/defaults.reg arg fields=() lines=()
    DESK_BACKGROUND=(desktopStyle="$1" desktopBackColor="$2")
    for arg in "${@:4}"; do
        case $arg in
        \[* | \"*) lines+=("$arg") ;;
        *) fields+=("$arg") ;;
        esac
    done
    {
        desk_reg_lines "$3" desktopStyle="$1" desktopBackColor="$2" showSeconds=1 "${fields[@]}" &&
            printf '%s\n' "${lines[@]}"
    } >"$file" || fail "settingsrec could not write $file"
    desk_reg_import "$file"
}

# ---------------------------------------------------------------- lunavis

# desk_attach: starts lunavis, which hooks the stand-in shell, and waits until the list
# view is subclassed and the clock strip shows text.
# Each attachment in the same shell adds its own log line.
desk_attach() {
    local before
    before=$(desk_count_subclassed)
    bed_start lunavis app/lunavis.exe
    wait_until 30 desk_subclassed_more_than "$before" || fail "the list view was not subclassed"
    wait_until 20 desk_clock_drawn || fail "no clock text on the desktop"
}

desk_count_subclassed() { bed_debug_log 2>/dev/null | grep -c '^视图窗口过程替代成功'; }
desk_subclassed_more_than() { (($(desk_count_subclassed) > $1)); }

# desk_detach: lunavis exits through its own exit path (EndHook) and is gone.
desk_detach() {
    probe post "$DESK_MAIN" UM_EXIT >/dev/null || fail "no lunavis main window"
    bed_wait_exit lunavis 20 || fail "lunavis did not exit"
}

# The clock text is white in every scenario (desk_reg_defaults).
DESK_WHITE='$1 == 255 && $2 == 255 && $3 == 255'
DESK_YELLOW='$1 > 200 && $2 > 200 && $3 < 80'

desk_clock_drawn() {
    local shot
    shot=$(bed_screenshot .clock-probe) || return 1
    (($(desk_count_where "$shot" $DESK_CLOCK "$DESK_WHITE") > 20))
}

# ---------------------------------------------------------------- pixels

# desk_pixels PNG X Y W H: every pixel of the region as "R G B" lines.
desk_pixels() {
    convert "$1" -crop "${4}x${5}+${2}+${3}" +repage -depth 8 rgb:- 2>/dev/null |
        od -An -v -tu1 -w3 | awk '{ print $1, $2, $3 }'
}

# desk_count_other PNG X Y W H "R G B": pixels of the region that differ from the colour.
desk_count_other() {
    desk_pixels "$1" "$2" "$3" "$4" "$5" | awk -v c="$6" '$0 != c { n++ } END { print n + 0 }'
}

# desk_count_where PNG X Y W H AWK-CONDITION: pixels ($1 red, $2 green, $3 blue) that fit.
desk_count_where() {
    desk_pixels "$1" "$2" "$3" "$4" "$5" | awk "$6 { n++ } END { print n + 0 }"
}

# desk_bbox PNG X Y W H "R G B": "LEFT TOP RIGHT BOTTOM" (region coordinates) of the pixels
# that differ from the colour, or "none".
desk_bbox() {
    desk_pixels "$1" "$2" "$3" "$4" "$5" | awk -v c="$6" -v w="$4" '
        $0 != c { x = (NR - 1) % w; y = int((NR - 1) / w)
                  if (!n++) { l = r = x; t = b = y }
                  if (x < l) l = x; if (x > r) r = x; if (y < t) t = y; if (y > b) b = y }
        END { if (n) print l, t, r, b; else print "none" }'
}

# desk_diff PNG-A PNG-B X Y W H: how many pixels of the region differ between two shots.
# Large counts come rounded to six digits; -1 when a shot cannot be read.
desk_diff() {
    local region="[${5}x${6}+${3}+${4}]" count
    count=$(compare -metric AE "$1$region" "$2$region" null: 2>&1)
    [[ $count =~ ^[0-9.e+]+$ ]] || count=-1
    awk -v n="$count" 'BEGIN { printf "%d\n", n }'
}

# desk_cell_of DATE: "X Y W H" of the date's cell in the month grid of its month (below the
# title row and the weekday row). The rows are 75 pixels high, the title row a third of
# that, unless the month's weeks would then reach the taskbar (y 738): a six-week month
# shares the 482 rows from y 256 among its seven rows and the title row.
desk_cell_of() {
    local first day days k rows rh=$DESK_ROW_H month
    month=$(date -d "$1" +%Y-%m-01)
    first=$(date -d "$month" +%w)
    day=$(date -d "$1" +%-d)
    days=$(date -d "$month +1 month -1 day" +%-d)
    k=$((first + day - 1))
    rows=$(((first + days + 6) / 7 + 1))
    ((rows * rh + rh / 3 > 482)) && rh=$((3 * 482 / (3 * rows + 1)))
    echo $((341 + (k % 7) * DESK_CELL_W)) $((256 + rh / 3 + (k / 7 + 1) * rh)) $DESK_CELL_W "$rh"
}

# desk_today_cell: "X Y W H" of today's cell.
desk_today_cell() { desk_cell_of "$(bed_now +%F)"; }

# ---------------------------------------------------------------- the faked clock

# Right after a jump ahead Wine may count the list view's thread as hung (its last message
# seems that long ago) and refuse a send that gives up on hung windows, as winprobe's does,
# until the thread has taken its next message. The jumps wait for that.
desk_answers() { probe send "$DESK_VIEW" WM_NULL 0 0 >/dev/null 2>&1; }

# desk_next_minute: the faked clock (BED_FAKETIME) jumps to second 2 of the next minute, so
# that the checks that follow have the rest of that minute to themselves.
desk_next_minute() {
    bed_faketime_set "@$((($(bed_now +%s) / 60 + 1) * 60 + 2))"
    wait_until 10 desk_answers || fail "the list view does not answer after the jump"
}

# desk_later SECONDS: the faked clock jumps SECONDS ahead.
desk_later() {
    bed_faketime_set "@$(($(bed_now +%s) + $1))"
    wait_until 10 desk_answers || fail "the list view does not answer after the jump"
}

# desk_tick: the list view's tick runs at once (sent: it has run when this returns) and the
# shell repaints, so a screenshot then shows whatever the tick drew.
desk_tick() {
    probe send "$DESK_VIEW" WM_TIMER "$kViewTimerId" 0 >/dev/null || fail "the tick was not sent"
    bed_shell repaint >/dev/null
}
