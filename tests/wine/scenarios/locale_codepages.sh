#!/usr/bin/env bash
# Any display language: the same program runs under the ANSI code pages 936, 1252, 950 and
# 65001 (one bed run each, 1252 in a prefix created under en_US itself, installed into a
# folder with Chinese characters in its name, the clock faked to one moment). Under every
# code page it starts, finds its reminders and festivals there, and shows the tooltip, the
# clock menu, the settings sheet's captions and page texts and a message box exactly as
# under 936; its calendar text, month grid and reminder panel are pixel-identical to the
# 936 run's, and a reminder saved there is byte-identical to the one saved under 936.
# timeout: 600
source "$(dirname "$0")/../lib/bed.sh"
source "$(dirname "$0")/desktop_helpers.bash"
source "$(dirname "$0")/hook_helpers.bash"
source "$(dirname "$0")/menu_helpers.bash"
bed_require app/lunavis.exe "app/$BED_HOOK_DLL" app/res/back.png

declare -A LOCALE_OF=([936]=zh_CN.UTF-8 [1252]=en_US.UTF-8 [950]=zh_TW.UTF-8 [65001]=hi_IN.UTF-8)
PAGES=(时钟设定 备忘录设定 日历设定 系统设定)
SHEET='#32770[时钟备忘录系统设定]'
REMINDER_PAGE="$SHEET/#32770[备忘录设定]"
STUDIO_CAPTION='岚溪创作室'

# ================================================================ one code page
if [[ -n "${LOCALE_CP:-}" ]]; then
    BED_FAKETIME="2027-02-16 10:20:00"
    BED_LOCALE_FILES=1
    bed_init
    out=$BED_RUN/result
    mkdir -p "$out"
    # record FILE SIZE TEXT: appends one record: the text in GBK, padded with NULs.
    record() {
        local tmp=$BED_RUN/.record
        printf '%s' "$3" | iconv -f UTF-8 -t GBK >"$tmp" || fail "cannot encode $3"
        head -c $(($2 - $(stat -c %s "$tmp"))) /dev/zero >>"$tmp"
        cat "$tmp" >>"$1"
    }
    app="$BED_RUN/桌面 农历"
    mkdir -p "$app/res"
    cp "$BED_WIN64/app/lunavis.exe" "$BED_WIN64/app/$BED_HOOK_DLL" "$app/" || fail "cannot copy"
    cp "$BED_WIN64/app/res/back.png" "$app/res/" || fail "cannot copy back.png"
    record "$app/res/Reminder.rem" 100 " 2/20 8: 0 中文提醒"
    record "$app/res/Solar.rem" 30 " 216自定阳历"
    record "$app/res/Solar.rem" 30 "FFFF"
    # No BackImage: lunavis takes res\back.png of its own folder, and the data files there.
    desk_reg_lines '' desktopStyle=2 desktopBackColor=0x404040 showSeconds=1 \
        showOwnSolarFestivals=1 >"$BED_RUN/settings.reg" || fail "cannot write the settings"
    desk_reg_import "$BED_RUN/settings.reg"
    # Wine writes the code page in effect into the registry when it starts.
    acp=$(bed_wine reg query 'HKLM\System\CurrentControlSet\Control\Nls\CodePage' /v ACP |
        tr -d '\r' | awk '$1 == "ACP" { print $3 }')
    check_eq "the ANSI code page" "$LOCALE_CP" "$acp"
    bed_shell_start

    # Wine's command line cannot carry the folder's name under every locale: winprobe
    # starts it.
    probe start "$app/lunavis.exe" >/dev/null || fail "cannot start lunavis from $app"
    wait_subclassed "$ALL_SUBCLASSED" || fail "lunavis did not subclass the shell's windows"
    wait_until 20 desk_clock_drawn || fail "no clock text on the desktop"
    wait_until 20 tray_has_icon || fail "no notification icon"
    check "the reminder file of the program's folder is read" not log_has '^Open Reminder File fail!!$'

    # ---- the desktop panels, cut out for the comparison with 936
    shot=$(bed_screenshot desktop)
    for panel in CALTEXT GRID REMINDER; do
        region=DESK_$panel
        convert "$shot" -crop "$(awk '{ print $3 "x" $4 "+" $1 "+" $2 }' <<<"${!region}")" \
            +repage "$out/$panel.png"
    done
    red='$1 > 180 && $2 < 60 && $3 < 60'
    check "the reminder is on the desktop" test "$(desk_count_where "$shot" $DESK_REMINDER "$red")" -gt 50

    # ---- the tooltip: first the icon's own, then the moment and the calendar text
    check_eq "the first tooltip" "桌面时钟" "$(bed_shell tip "$TRAY_ICON_ID")"
    bed_shell tray-callback "$TRAY_ICON_ID" WM_MOUSEMOVE >/dev/null
    tip_refreshed() { [[ "$(bed_shell tip "$TRAY_ICON_ID")" == 2027年2月16日* ]]; }
    check "the tooltip shows the date" wait_until 10 tip_refreshed
    # Without its time line (the seconds run on), for the comparison with 936.
    bed_shell tip "$TRAY_ICON_ID" | sed '2d' >"$out/tip.txt"

    # ---- the clock menu
    open_clock_menu >/dev/null
    check_eq "the clock menu" "$(expected_clock_menu)" "$(probe menu-items | tr -d '\r')"
    probe menu-close >/dev/null
    probe menu-gone 10 >/dev/null || fail "the clock menu stayed open"

    # ---- a message box: a second instance is refused
    probe start "$app/lunavis.exe" >/dev/null || fail "cannot start a second lunavis"
    msgbox_text() { probe msgbox "$STUDIO_CAPTION" 2>/dev/null | tr -d '\r'; }
    msgbox_shown() { [[ -n "$(msgbox_text)" ]]; }
    check "a message box" wait_until 20 msgbox_shown
    check_eq "the message box's text" "该程序已经有一个实例在运行" "$(msgbox_text)"
    probe msgbox "$STUDIO_CAPTION" | tr -d '\r' >"$out/msgbox.txt"
    probe click "#32770[$STUDIO_CAPTION]/@IDOK" >/dev/null ||
        probe click "#32770[$STUDIO_CAPTION]/@IDCANCEL" >/dev/null
    probe wait-gone "#32770[$STUDIO_CAPTION]" 10 >/dev/null || fail "the message box stayed"

    # ---- the settings sheet: every page by its caption, with the texts it shows
    probe post "$MAIN_WINDOW" UM_SHOWMAIN >/dev/null
    probe wait "$SHEET" 20 >/dev/null || fail "the settings sheet did not open"
    for i in "${!PAGES[@]}"; do
        probe sheet-page "$SHEET" "$i" >/dev/null
        check "page ${PAGES[i]}" probe wait "$SHEET/#32770[${PAGES[i]}]" 10
        probe children "$SHEET/#32770[${PAGES[i]}]" | tr -d '\r' |
            sed 's/^0x[0-9a-fA-F]* //' >"$out/page$i.txt"
    done
    check "the system page's button" grep -q '更改背景图片' "$out/page3.txt"
    bed_screenshot sheet >/dev/null
    check_eq "the reminder list" " 2/20 8: 0 中文提醒" \
        "$(probe items "$REMINDER_PAGE/@$IDC_REMINDER_LIST" | tr -d '\r')"

    # ---- a reminder saved
    probe sheet-page "$SHEET" 1 >/dev/null
    probe select "$REMINDER_PAGE/@$IDC_REMINDER_MONTH" 2 >/dev/null &&
        probe select "$REMINDER_PAGE/@$IDC_REMINDER_DAY" 4 >/dev/null &&
        probe select "$REMINDER_PAGE/@$IDC_REMINDER_HOUR" 7 >/dev/null &&
        probe select "$REMINDER_PAGE/@$IDC_REMINDER_MINUTE" 5 >/dev/null &&
        probe set-text "$REMINDER_PAGE/@$IDC_REMINDER_TEXT" "开会 in 会议室" >/dev/null &&
        probe click "$REMINDER_PAGE/@$IDC_REMINDER_ADD" >/dev/null || fail "cannot add a reminder"
    two_items() { (($(probe items "$REMINDER_PAGE/@$IDC_REMINDER_LIST" | wc -l) == 2)); }
    check "the reminder is added" wait_until 10 two_items
    probe click "$REMINDER_PAGE/@$IDC_REMINDER_SAVE" >/dev/null
    saved() { (($(stat -c %s "$app/res/Reminder.rem") == 200)); }
    check "the reminders are saved in the program's folder" wait_until 10 saved
    cp "$app/res/Reminder.rem" "$out/Reminder.rem"

    # ---- a background picture whose path GBK cannot hold is refused, not stored mangled
    if [[ $LOCALE_CP == 1252 ]]; then
        mkdir -p "$BED_RUN/그림"
        cp "$app/res/back.png" "$BED_RUN/그림/back.png"
        probe sheet-page "$SHEET" 3 >/dev/null
        probe click "$SHEET/#32770[系统设定]/@$IDC_SYSTEM_BITMAP" >/dev/null || fail "no picture button"
        dialog=$(probe wait-owned "$SHEET" 10) || fail "no file dialog"
        dialog=${dialog%% *}
        probe set-text "$dialog/@$cmb13/ComboBox/Edit" "$(bed_winpath "$BED_RUN/그림/back.png")" \
            >/dev/null || fail "no file name box"
        probe press "$dialog/@IDOK" >/dev/null
        probe wait-gone "$dialog" 10 >/dev/null || fail "the file dialog stayed"
        refused() { [[ "$(probe msgbox lunavis 2>/dev/null | tr -d '\r')" == 图片的路径含有无法保存的字符* ]]; }
        check "a picture path with Korean characters is refused" wait_until 20 refused
        probe click "#32770[lunavis]/@IDOK" >/dev/null ||
            probe click "#32770[lunavis]/@IDCANCEL" >/dev/null
        probe wait-gone "#32770[lunavis]" 10 >/dev/null || fail "the message box stayed"
        check_eq "and nothing waits to be applied" 0 \
            "$(probe enabled "$SHEET/@$ID_APPLY_NOW" | tr -d '\r')"
    fi
    probe click "$SHEET/@IDCANCEL" >/dev/null
    probe wait-gone "$SHEET" 20 >/dev/null || fail "the settings sheet did not close"

    # ---- the festivals were found: detaching frees their copies, each with its line
    probe post "$MAIN_WINDOW" UM_EXIT >/dev/null
    wait_subclassed "$NONE_SUBCLASSED" || fail "lunavis did not detach"
    check "the festival file of the program's folder was read" log_has 'm_SelfMerrySolar\[0\]'
    bed_finish
fi

# ================================================================ all code pages
mkdir -p "$BED_WORK"
failed=0
for cp in 936 1252 950 65001; do
    printf -- '---- code page %s (%s)\n' "$cp" "${LOCALE_OF[$cp]}"
    # 1252 runs in a prefix created under its own locale, as on an English Windows.
    own=""
    [[ $cp == 1252 ]] && own=1
    if ! LOCALE_CP=$cp BED_LANG=${LOCALE_OF[$cp]} BED_OWN_PREFIX=$own LUNA_WINE_WORK=$BED_WORK/cp$cp \
        LUNA_WINE_TIMEOUT=200 bash "$0" 2>&1 | sed "s/^/[$cp] /"; then
        failed=1
    fi
done
((failed == 0)) || bed_failed "a code page's own checks failed (see above)"

ref=$BED_WORK/cp936/result
for cp in 1252 950 65001; do
    res=$BED_WORK/cp$cp/result
    for panel in CALTEXT GRID REMINDER; do
        diff=$(compare -metric AE "$ref/$panel.png" "$res/$panel.png" null: 2>&1 || true)
        check_eq "$cp: $panel pixel-identical to 936" 0 "$diff"
    done
    for file in tip.txt msgbox.txt page0.txt page1.txt page2.txt page3.txt; do
        check "$cp: $file as under 936" cmp "$ref/$file" "$res/$file"
    done
    check "$cp: the saved reminders byte-identical to 936's" cmp "$ref/Reminder.rem" "$res/Reminder.rem"
done
bed_finish
