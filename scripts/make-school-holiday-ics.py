#!/usr/bin/env python3
"""Writes the shipped school-holiday calendars, one iCalendar file per state,
from the JSON files of the school-holiday data (first and last day inclusive;
DTEND of an all-day event is the day after the last).

    scripts/make-school-holiday-ics.py DATA_FOLDER data/school-holidays

The data is ODbL-licensed: every file carries the attribution."""

import datetime
import json
import sys
from pathlib import Path

# Code -> file name, as src/calendar/Regions.h names them.
FILES = {
    "BW": "baden-wuerttemberg", "BY": "bayern", "BE": "berlin", "BB": "brandenburg",
    "HB": "bremen", "HH": "hamburg", "HE": "hessen", "MV": "mecklenburg-vorpommern",
    "NI": "niedersachsen", "NW": "nordrhein-westfalen", "RP": "rheinland-pfalz",
    "SL": "saarland", "SN": "sachsen", "ST": "sachsen-anhalt", "SH": "schleswig-holstein",
    "TH": "thueringen",
}
ATTRIBUTION = ("Enthält Informationen der OpenHolidays API (openholidaysapi.org), "
               "verfügbar unter der Open Database License (ODbL) v1.0.")
LICENCE_URL = "https://opendatacommons.org/licenses/odbl/1-0/"


def fold(line):
    """Lines of at most 75 octets, continued with a blank (RFC 5545, 3.1)."""
    data = line.encode("utf-8")
    out, start, limit = [], 0, 75
    while len(data) - start > limit:
        end = start + limit
        while (data[end] & 0xC0) == 0x80:  # never inside a UTF-8 sequence
            end -= 1
        out.append(data[start:end].decode("utf-8"))
        start, limit = end, 74
    out.append(data[start:].decode("utf-8"))
    return "\r\n ".join(out)


def escape(text):
    return text.replace("\\", "\\\\").replace(";", "\\;").replace(",", "\\,")


def calendar(state):
    code = state["code"].lower()
    lines = [
        "BEGIN:VCALENDAR", "VERSION:2.0", "PRODID:-//Haldenau//Schichtkalender Schulferien//DE",
        "CALSCALE:GREGORIAN", "X-WR-CALNAME:" + escape("Schulferien " + state["state"]),
        "X-SOURCE-ATTRIBUTION:" + escape(ATTRIBUTION), "X-SOURCE-LICENSE:" + LICENCE_URL,
    ]
    for p in sorted(state["periods"], key=lambda p: p["first"]):
        first = datetime.date.fromisoformat(p["first"])
        end = datetime.date.fromisoformat(p["last"]) + datetime.timedelta(days=1)
        lines += [
            "BEGIN:VEVENT",
            "UID:%s-schulferien-%s@de.haldenau.Schichtkalender" % (first.strftime("%Y%m%d"), code),
            "DTSTAMP:20260101T000000Z",
            "DTSTART;VALUE=DATE:" + first.strftime("%Y%m%d"),
            "DTEND;VALUE=DATE:" + end.strftime("%Y%m%d"),
            "SUMMARY:" + escape(p["name"]),
            "TRANSP:TRANSPARENT",
            "END:VEVENT",
        ]
    lines.append("END:VCALENDAR")
    return "".join(fold(l) + "\r\n" for l in lines)


def main():
    source, target = Path(sys.argv[1]), Path(sys.argv[2])
    for code, name in FILES.items():
        state = json.loads((source / (code + ".json")).read_text(encoding="utf-8"))
        (target / ("schulferien-%s.ics" % name)).write_bytes(calendar(state).encode("utf-8"))


if __name__ == "__main__":
    main()
