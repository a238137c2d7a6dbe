#!/usr/bin/python3
"""lunacal ics, read back with Debian's python3-icalendar: every lunar reminder lands on the
days `lunacal export` gives for its lunar date (by the rules for missing dates), every
Gregorian one is a yearly event from its first day in the window, each with an alarm at its
minute, texts intact; festivals are all-day events without alarms.
Usage: ics_check.py LUNACAL WORKDIR"""
import datetime
import os
import subprocess
import sys

import icalendar

lunacal, work = sys.argv[1], sys.argv[2]
os.makedirs(work, exist_ok=True)
failures = []


def check(what, ok):
    if not ok:
        failures.append(what)
        print("FAIL:", what)


def rem_file(path, texts, size=100):
    """Records of `size` bytes, GBK, NUL-padded, text mode (LF written as CR LF)."""
    data = b""
    for text in texts:
        raw = text.encode("gbk")
        assert len(raw) <= size
        data += raw + b"\0" * (size - len(raw))
    with open(path, "wb") as f:
        f.write(data.replace(b"\n", b"\r\n"))


long_text = "很长的提醒" * 8 + "12345678"  # 88 bytes in GBK: folded in the file
gregorian = [(" 2/29  7:30", "闰日"), (" 5/ 1  9: 0", "劳动,节;\\反斜"), ("12/31 23:59", long_text),
             (" 2/31  8: 0", "没有这一天")]
lunar = [(6, True, 10, 8, 0, "闰六月生日"), (12, False, 30, 20, 0, "除夕"),
         (1, False, 1, 0, 5, "春节\r\n拜年"), (4, False, 30, 12, 0, "四月三十")]
rem_file(os.path.join(work, "Reminder.rem"), [s + t for s, t in gregorian])
rem_file(os.path.join(work, "LunarReminder.rem"),
         ["%2d%s%2d %2d:%2d%s" % (m, "L" if leap else "/", d, h, mi, t)
          for m, leap, d, h, mi, t in lunar])

rem_file(os.path.join(work, "Solar.rem"), [" 5 4青年节", "FFFF"], 30)
rem_file(os.path.join(work, "Lunch.rem"), ["1230除夕夜", "FFFF"], 30)

first, last = datetime.date(2025, 1, 1), datetime.date(2034, 12, 31)
ics = subprocess.run([lunacal, "ics", "--years", "10", "--from", "2025-01-01"] +
                     [os.path.join(work, f) for f in
                      ("Reminder.rem", "LunarReminder.rem", "Solar.rem", "Lunch.rem")],
                     check=True, capture_output=True).stdout
check("lines end in CR LF", b"\n" not in ics.replace(b"\r\n", b""))
check("no line longer than 75 octets", max(len(l) for l in ics.split(b"\r\n")) <= 75)
cal = icalendar.Calendar.from_ical(ics)
events = list(cal.walk("VEVENT"))

# The days of the lunar calendar, from lunacal export.
days = {}
leap_months = set()
export = subprocess.run([lunacal, "export", "2024-01-01", "2036-12-31"], check=True,
                        capture_output=True, text=True).stdout
for line in export.splitlines():
    f = line.split("\t")
    date = datetime.date.fromisoformat(f[0])
    ly, lm, ld, leap, length = (int(x) for x in f[1:6])
    days[date] = (ly, lm, ld, leap, length)
    if leap:
        leap_months.add((ly, lm))


def expected_days(m, leap, d):
    out = []
    for date, (ly, lm, ld, isleap, length) in days.items():
        if not first <= date <= last or lm != m:
            continue
        want_leap = leap and (ly, m) in leap_months
        if isleap == want_leap and ld == min(d, length):
            out.append(date)
    return sorted(out)


def text_of(event, key):
    return str(event.get(key, ""))


def alarm_at_start(event):
    alarms = list(event.walk("VALARM"))
    return (len(alarms) == 1 and alarms[0].decoded("TRIGGER") == datetime.timedelta(0)
            and str(alarms[0].get("ACTION")) == "DISPLAY")


for m, leap, d, h, mi, text in lunar:
    summary = text.split("\r\n")[0]
    mine = [e for e in events if text_of(e, "SUMMARY") == summary]
    starts = sorted(e.decoded("DTSTART") for e in mine)
    want = [datetime.datetime.combine(day, datetime.time(h, mi)) for day in expected_days(m, leap, d)]
    check("lunar %s: %d events on the days of lunacal export" % (summary, len(want)),
          starts == want and len(want) >= 9)
    check("lunar %s: no repetition rule, an alarm at its minute" % summary,
          all("RRULE" not in e and alarm_at_start(e) for e in mine))
    if "\r\n" in text:
        check("a text with a line break keeps it in the description",
              all(text_of(e, "DESCRIPTION") == text.replace("\r\n", "\n") for e in mine))
check("leap 6th month of 2025 falls on 2025-08-03",
      datetime.datetime(2025, 8, 3, 8, 0) in
      [e.decoded("DTSTART") for e in events if text_of(e, "SUMMARY") == "闰六月生日"])

for stamp, text in gregorian:
    mine = [e for e in events if text_of(e, "SUMMARY") == text]
    if text == "没有这一天":
        check("a day no year has gives no event", not mine)
        continue
    month, day = int(stamp[0:2]), int(stamp[3:5])
    hour, minute = int(stamp[6:8]), int(stamp[9:11])
    year = next(y for y in range(2025, 2035)
                if (month, day) != (2, 29) or y % 4 == 0)
    check("gregorian %s: one yearly event from its first day" % text,
          len(mine) == 1 and mine[0].decoded("DTSTART") ==
          datetime.datetime(year, month, day, hour, minute))
    if mine:
        rule = mine[0].get("RRULE")
        check("gregorian %s: yearly until the window's last day" % text,
              rule is not None and rule.get("FREQ") == ["YEARLY"] and
              rule.get("UNTIL") == [datetime.datetime(2034, 12, 31, 23, 59, 59)])
        check("gregorian %s: alarm at its minute" % text, alarm_at_start(mine[0]))
festival = [e for e in events if text_of(e, "SUMMARY") == "青年节"]
check("a Gregorian festival: one yearly all-day event without an alarm",
      len(festival) == 1 and festival[0].decoded("DTSTART") == datetime.date(2025, 5, 4) and
      "RRULE" in festival[0] and not list(festival[0].walk("VALARM")))
eve = sorted(e.decoded("DTSTART") for e in events if text_of(e, "SUMMARY") == "除夕夜")
check("a lunar festival: all-day events on the days of lunacal export",
      eve == expected_days(12, False, 30))
check("every event has its own UID", len({text_of(e, "UID") for e in events}) == len(events))

print("%d events checked" % len(events))
sys.exit(1 if failures else 0)
