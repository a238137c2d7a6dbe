#!/usr/bin/env bash
# The update of the holiday data from the internet, on 1 January 2027, a year no shipped
# notice covers. A local HTTP server on 127.0.0.1 serves 2027 in the per-year JSON form of
# the public data sets; the registry's address list names a missing file first, then it,
# and the update is on. lunavis fetches at start, tries the addresses in order, stores the
# year in Holidays.txt and the desktop marks today 休. Then a server that answers garbage:
# "立即更新" on the calendar page says in words that nothing usable came, and the data stays.
# Last, a server that never answers: lunavis ends at once all the same.
# HTTPS is not served here: Wine has no certificate our server could present that it trusts.
# timeout: 300
BED_FAKETIME=${BED_FAKETIME:-"2027-01-01 10:00:00"}
unset http_proxy https_proxy HTTP_PROXY HTTPS_PROXY all_proxy ALL_PROXY # 127.0.0.1 directly
source "$(dirname "$0")/../lib/bed.sh"
source "$(dirname "$0")/desktop_helpers.bash"
source "$(dirname "$0")/hook_helpers.bash"
source "$(dirname "$0")/reminder_editors.bash"
bed_require app/lunavis.exe "hook/$BED_HOOK_DLL"
bed_init

data=$BED_RUN/data
www=$BED_RUN/www
mkdir -p "$data" "$www"
off='$1 == 214 && $2 == 48 && $3 == 49' # the 休 badge
cat >"$www/2027.json" <<'JSON'
{"$schema":"x","year":2027,"papers":["国务院办公厅关于2027年部分节假日安排的通知"],"days":[
{"name":"元旦","date":"2027-01-01","isOffDay":true},{"name":"元旦","date":"2027-01-02","isOffDay":true},
{"name":"元旦","date":"2027-01-03","isOffDay":true},{"name":"春节","date":"2027-02-14","isOffDay":false}]}
JSON

# serve MODE: a server on a free port of 127.0.0.1 that ends by itself after four minutes;
# "files" serves $www, "garbage" answers every request with bytes that are no JSON, "hang"
# never answers. Each request is one line of $BED_RUN/MODE.log. Sets SERVER_PID and PORT.
serve() {
    local log=$BED_RUN/$1.log
    timeout 240 python3 -u - "$1" "$www" >"$log" 2>&1 <<'PY' &
import functools, http.server, sys, time
mode, root = sys.argv[1], sys.argv[2]
class Handler(http.server.SimpleHTTPRequestHandler):
    def do_GET(self):
        if mode == "files":
            return super().do_GET()
        if mode == "hang":
            print("request", self.requestline, flush=True)
            time.sleep(200)
            return
        body = b"\x00\xff{garbage" * 40
        self.send_response(200)
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)
    def log_request(self, code="-", size="-"):
        print("request", self.requestline, int(code), flush=True)
    def log_message(self, fmt, *args):
        pass
server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(Handler, directory=root))
print("port", server.server_address[1], flush=True)
server.serve_forever()
PY
    SERVER_PID=$!
    BED_PIDS[server-$1]=$SERVER_PID # the teardown stops it too, should the run end early
    bed_wait_file_line "$log" '^port [0-9]+$' 20 || fail "the $1 server did not start"
    PORT=$(sed -n 's/^port //p' "$log")
}
stop_server() { kill "$SERVER_PID" && wait "$SERVER_PID" 2>/dev/null; }
badge_on_today() {
    local shot
    shot=$(bed_screenshot desktop) || return 1
    (($(desk_count_where "$shot" $(desk_cell_of 2027-01-01) "$off") > 20))
}

serve files
urls="http://127.0.0.1:$PORT/missing/{year}.json;http://127.0.0.1:$PORT/{year}.json"
desk_reg_defaults 2 0x404040 "$data/back.bmp" \
    '[HKEY_CURRENT_USER\software\wendrix\clock\calender]' '"HolidayUpdate"=dword:00000001' \
    "\"HolidayUpdateUrls\"=\"$urls\""
bed_shell_start
desk_attach

check "the desktop marks today 休 once the year is fetched" wait_until 60 badge_on_today
check_eq "Holidays.txt holds the year, fetched today" \
    "[2027] 国务院办公厅关于2027年部分节假日安排的通知（联网获取 2027-01-01）" \
    "$(bed_gbk_text "$data/Holidays.txt" | head -1)"
check_eq "the addresses were tried in order, each year once: 2027, then 2028" \
    "/missing/2027.json 404|/2027.json 200|/missing/2028.json 404|/2028.json 404" \
    "$(sed -n 's/^request GET \([^ ]*\) HTTP[^ ]* \([0-9]*\)$/\1 \2/p' "$BED_RUN/files.log" | paste -sd'|')"
check "the outcome is logged" bed_debug_log_has '节假日联网更新：2027 年：已添加.*2028 年：没有取得'
check_eq "the update day is noted" "2027-01-01" \
    "$(bed_reg_query 'HKCU\software\wendrix\clock\calender' HolidayUpdateDay |
        sed -n 's/.*REG_SZ[[:space:]]*//p')"
stop_server

# ---- a server that answers garbage: told in words, the data kept
serve garbage
bed_reg_add 'HKCU\software\wendrix\clock\calender' HolidayUpdateUrls REG_SZ \
    "http://127.0.0.1:$PORT/{year}.json"
stored=$(md5sum <"$data/Holidays.txt")
open_sheet_page 2
probe wait "$CALENDAR_PAGE" 10 >/dev/null || fail "no calendar page"
check_eq "the page shows the update ticked" 1 \
    "$(probe checked "$CALENDAR_PAGE/@$IDC_CALENDAR_HOLIDAY_UPDATE" | tr -d '\r')"
probe click "$CALENDAR_PAGE/@$IDC_CALENDAR_HOLIDAY_UPDATE_NOW" >/dev/null
report_says() { [[ "$(probe msgbox lunavis 2>/dev/null | tr -d '\r')" == *"$1"* ]]; }
check "立即更新 says nothing usable came" wait_until 60 report_says \
    '2027 年：没有取得可用的数据（不是 UTF-8 编码的 JSON），已有数据未改动。'
close_msgbox lunavis IDOK
check_eq "Holidays.txt is as it was" "$stored" "$(md5sum <"$data/Holidays.txt")"
check "the desktop still marks today 休" badge_on_today
stop_server

# ---- exit while the fetch waits for a server that never answers (with four addresses a
# fetch that ran its course would take over a minute of time-outs)
serve hang
bed_reg_add 'HKCU\software\wendrix\clock\calender' HolidayUpdateUrls REG_SZ \
    "$(printf "http://127.0.0.1:$PORT/%s/{year}.json;" a b c d)"
probe click "$CALENDAR_PAGE/@$IDC_CALENDAR_HOLIDAY_UPDATE_NOW" >/dev/null
bed_wait_file_line "$BED_RUN/hang.log" '^request GET /a/2027.json' 30 || fail "no request"
close_sheet
probe post "$MAIN_WINDOW" UM_EXIT >/dev/null
check "lunavis ends without waiting for the fetch" bed_wait_exit lunavis 20
check_eq "the server got the first request only" 1 "$(grep -c '^request' "$BED_RUN/hang.log")"
stop_server
bed_finish
