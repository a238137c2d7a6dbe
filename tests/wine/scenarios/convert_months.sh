#!/usr/bin/env bash
# timeout: 300
# The calendar conversion dialog, opened from the calendar page: January 1900, February and
# March 2004 and October 1902 checked cell by cell (day numbers, blank cells, lunar day
# names, month labels, festivals and solar terms), the lunar year and month boxes, the title
# line without a double hour, the 休 and 班 marks of October 2026, the note on how far the
# holiday data goes, the end of the range, and Enter and Esc.
source "$(dirname "$0")/../lib/bed.sh"
source "$(dirname "$0")/hook_helpers.bash"
source "$(dirname "$0")/reminder_editors.bash"
bed_require "$LUNAVIS" "app/$BED_HOOK_DLL" app/res/back.png
bed_init
bed_shell_start
editors_install
editors_start

DAY_NAMES=(初一 初二 初三 初四 初五 初六 初七 初八 初九 初十 十一 十二 十三 十四 十五
    十六 十七 十八 十九 二十 甘一 甘二 甘三 甘四 甘五 甘六 甘七 甘八 甘九 三十)
BLANK='         '

# show_month YEAR MONTH: chooses the month in the year and month boxes.
show_month() {
    probe select "$CONVERT_DIALOG/@$IDC_CONVERT_YEAR" $(($1 - 1900)) >/dev/null || fail "no year $1"
    probe select "$CONVERT_DIALOG/@$IDC_CONVERT_MONTH" $(($2 - 1)) >/dev/null || fail "no month $2"
}

# read_grid: NUMBER[k] and LABEL[k] of the 37 cells, as the dialog shows them now.
read_grid() {
    local id text
    NUMBER=()
    LABEL=()
    while IFS=$'\t' read -r id text; do
        if ((id <= IDC_CONVERT_DAY_LAST)); then
            NUMBER[id - IDC_CONVERT_DAY_FIRST]=$text
        else
            LABEL[id - IDC_CONVERT_LABEL_FIRST]=$text
        fi
    done < <(probe texts "$CONVERT_DIALOG" "$IDC_CONVERT_DAY_FIRST" "$IDC_CONVERT_DAY_LAST"
        probe texts "$CONVERT_DIALOG" "$IDC_CONVERT_LABEL_FIRST" "$IDC_CONVERT_LABEL_LAST")
    ((${#NUMBER[@]} == 37 && ${#LABEL[@]} == 37)) || fail "could not read the grid"
}

# check_layout WHAT FIRST-CELL DAYS: day d in cell FIRST-CELL + d - 1, every other cell blank.
check_layout() {
    local what=$1 first=$2 days=$3 k d bad=""
    for ((k = 0; k < 37; k++)); do
        d=$((k - first + 1))
        if ((d >= 1 && d <= days)); then
            [[ "${NUMBER[k]}" == "$(printf '%2d' "$d")" ]] || bad+=" number$k=[${NUMBER[k]}]"
        else
            [[ "${NUMBER[k]}" == "$BLANK" && "${LABEL[k]}" == "$BLANK" ]] ||
                bad+=" cell$k=[${NUMBER[k]}|${LABEL[k]}]"
        fi
    done
    check_eq "$what: day numbers from cell $first, blank cells blank" "" "$bad"
}

# check_labels WHAT FIRST-CELL EXPECTED...: the label of each day, in order. An expected
# label "~REGEX" is matched as an extended regular expression.
check_labels() {
    local what=$1 first=$2 d=1 want got bad=""
    shift 2
    for want in "$@"; do
        got=${LABEL[first + d - 1]}
        if [[ "$want" == "~"* ]]; then
            [[ "$got" =~ ^${want#\~}$ ]] || bad+=" day$d=[$got]"
        else
            [[ "$got" == "$want" ]] || bad+=" day$d=[$got]"
        fi
        d=$((d + 1))
    done
    check_eq "$what: the label of every day" "" "$bad"
}

# term NAME: a solar-term label with its time on the first line.
term() { echo "~[0-9]{1,2}:[0-9]{1,2}:[0-9]{1,2}\\\\n$1"; }

open_sheet_page 2
open_from_calendar_page "$IDC_CALENDAR_CONVERT" "$CONVERT_DIALOG"
today_year=$(date +%Y)
today_month=$(date +%-m)
check_eq "the year box shows this year" "$today_year" \
    "$(control_text "$CONVERT_DIALOG/@$IDC_CONVERT_YEAR")"
check_eq "the month box shows this month" "$(printf '%2d月' "$today_month")" \
    "$(control_text "$CONVERT_DIALOG/@$IDC_CONVERT_MONTH")"
check_eq "the year box lists 1900 to 2099" "1900 2099 200" \
    "$(items "$CONVERT_DIALOG/@$IDC_CONVERT_YEAR" | awk 'NR == 1 { f = $0 } { l = $0 } END { print f, l, NR }')"
check_eq "the lunar year box lists 1899 to 2098" "1899 2098 200" \
    "$(items "$CONVERT_DIALOG/@$IDC_CONVERT_LUNAR_YEAR" | awk 'NR == 1 { f = $0 } { l = $0 } END { print f, l, NR }')"
check_eq "the month boxes list ' 1月' to '12月'" " 1月|12月|12" \
    "$(items "$CONVERT_DIALOG/@$IDC_CONVERT_LUNAR_MONTH" | awk 'NR == 1 { f = $0 } { l = $0 } END { print f "|" l "|" NR }')"

# ---- January 1900: the 1st is lunar 1899-12-1 (a 30-day month), a Monday.
show_month 1900 1
read_grid
check_eq "January 1900: lunar year 1899" "1899" \
    "$(control_text "$CONVERT_DIALOG/@$IDC_CONVERT_LUNAR_YEAR")"
check_eq "January 1900: lunar month 12" "12月" \
    "$(control_text "$CONVERT_DIALOG/@$IDC_CONVERT_LUNAR_MONTH")"
check_eq "January 1900: the title names the 1st without a double hour" \
    "农历:己亥[猪]年丁丑月甲戌日" "$(control_text "$CONVERT_DIALOG/@$IDC_CONVERT_TITLE")"
check_layout "January 1900" 1 31
expected=()
for d in $(seq 1 30); do expected+=("${DAY_NAMES[d - 1]}"); done
expected+=(1月小)       # the 31st starts lunar month 1 ...
expected[0]=元旦        # ... but festivals come before month labels: 1 January,
expected[3]=黑人日
expected[24]=世界麻风病日
expected[7]=腊八节      # 12-8,
expected[22]=小年       # 12-23,
expected[29]=除夕       # 12-30 (the 12th month has 30 days)
expected[30]=春节       # and 1-1
expected[5]='~2:0:5\\n小寒'
expected[19]=$(term 大寒)
check_labels "January 1900" 1 "${expected[@]}"
bed_screenshot convert-1900-01 >/dev/null

# ---- February 2004: the 1st is a Sunday and lunar 1-11; lunar month 2 (30 days) starts on
# the 20th.
show_month 2004 2
read_grid
check_eq "February 2004: lunar year 2004" "2004" \
    "$(control_text "$CONVERT_DIALOG/@$IDC_CONVERT_LUNAR_YEAR")"
check_eq "February 2004: lunar month 1" " 1月" \
    "$(control_text "$CONVERT_DIALOG/@$IDC_CONVERT_LUNAR_MONTH")"
check_layout "February 2004 (cells of January 1900 blanked)" 0 29
expected=()
for d in $(seq 1 19); do expected+=("${DAY_NAMES[d + 9]}"); done
expected+=(2月大)
for d in $(seq 21 29); do expected+=("${DAY_NAMES[d - 20]}"); done
expected[1]=世界湿地日
expected[4]=元宵节      # 1-15
expected[6]=国际声援南非日
expected[9]=国际气象节
expected[13]=情人节
expected[3]=$(term 立春)
expected[18]=$(term 雨水)
check_labels "February 2004" 0 "${expected[@]}"

# ---- March 2004: the 1st is a Monday and lunar 2-11; the leap 2nd month (29 days) starts on
# the 21st.
show_month 2004 3
read_grid
check_eq "March 2004: lunar month 2" " 2月" \
    "$(control_text "$CONVERT_DIALOG/@$IDC_CONVERT_LUNAR_MONTH")"
check_layout "March 2004" 1 31
expected=()
for d in $(seq 1 20); do expected+=("${DAY_NAMES[d + 9]}"); done
expected+=(闰2月小)
for d in $(seq 22 31); do expected+=("${DAY_NAMES[d - 21]}"); done
expected[7]=妇女节
expected[11]=植树节
expected[14]=消费者权益日
expected[4]=$(term 惊蛰)
expected[19]=$(term 春分)
check_labels "March 2004" 1 "${expected[@]}"
bed_screenshot convert-2004-03 >/dev/null

# ---- October 1902 touches three lunar months: both later month starts carry month labels,
# and the label of the month between them says its length.
show_month 1902 10
read_grid
first=$(date -d 1902-10-01 +%w)
check_layout "October 1902" "$first" 31
starts=()
for ((d = 1; d <= 31; d++)); do
    label=${LABEL[first + d - 1]}
    [[ "$label" =~ ^(闰)?[0-9]{1,2}月[大小]$ ]] && starts+=("$d:$label")
done
check_eq "October 1902: two month labels" 2 "${#starts[@]}"
if ((${#starts[@]} == 2)); then
    a=${starts[0]%%:*}
    b=${starts[1]%%:*}
    length=$((b - a))
    check_match "October 1902: the middle lunar month is as long as its label says" \
        "^$length:(闰)?[0-9]{1,2}月$([[ $length == 30 ]] && echo 大 || echo 小)$" \
        "$length:${starts[0]#*:}"
    # Between and after the starts the days count up from 初二 (festivals and terms aside).
    bad=""
    for ((d = 1; d <= 31; d++)); do
        label=${LABEL[first + d - 1]}
        ((d == a || d == b)) && continue
        if ((d > a)); then
            n=$((d > b ? d - b : d - a))
            want=${DAY_NAMES[n]}
            [[ "$label" == "$want" || "$label" =~ (节|日|\\n) ]] || bad+=" day$d=[$label]"
        fi
    done
    check_eq "October 1902: lunar days count on from each month start" "" "$bad"
fi
check_eq "October 1902: national day on the 1st" 国庆节 "${LABEL[first]}"
check_match "October 1902: the 24th's solar term comes before 联合国日" \
    "^(联合国日|[0-9:]+\\\\n霜降)$" "${LABEL[first + 23]}"

# ---- October 2026: the official days off and the make-up Saturday are marked; 2099 has no
# notice, and the dialog says how far the data goes.
show_month 2026 10
read_grid
first=$(date -d 2026-10-01 +%w)
check_eq "October 2026: 1st off, 8th plain, 10th a make-up workday" " 1休| 8|10班" \
    "${NUMBER[first]}|${NUMBER[first + 7]}|${NUMBER[first + 9]}"
check_eq "October 2026: how far the data goes" "节假日安排已收录至 2026 年；2026 年随程序提供" \
    "$(control_text "$CONVERT_DIALOG/@$IDC_CONVERT_HOLIDAY_NOTE")"
bed_screenshot convert-2026-10 >/dev/null

# ---- the end of the range: the 1st of February 2099 lies in lunar year 2099, which the
# lunar year box does not list.
show_month 2099 2
check_eq "February 2099: the lunar year box shows nothing" "" \
    "$(control_text "$CONVERT_DIALOG/@$IDC_CONVERT_LUNAR_YEAR")"
check_match "February 2099: the days are still shown" "^ 1$" \
    "$(control_text "$CONVERT_DIALOG/@$((IDC_CONVERT_DAY_FIRST + $(date -d 2099-02-01 +%w)))")"
check_eq "February 2099: no holiday data, said" "2099 年无节假日安排；节假日安排已收录至 2026 年" \
    "$(control_text "$CONVERT_DIALOG/@$IDC_CONVERT_HOLIDAY_NOTE")"

# ---- Enter does nothing; Esc closes the dialog.
probe send "$CONVERT_DIALOG" WM_COMMAND IDOK >/dev/null # answered once handled
check "Enter leaves the dialog open" probe find "$CONVERT_DIALOG"
probe post "$CONVERT_DIALOG" WM_COMMAND IDCANCEL >/dev/null
check "Esc closes it" probe wait-gone "$CONVERT_DIALOG" 10
check "the sheet is still open" probe find "$SHEET"
close_sheet
editors_stop
bed_finish
