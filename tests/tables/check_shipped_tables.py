"""Reads the shipped .dbf tables with dbfread and compares them field by field with their CSV sources.

Usage: check_shipped_tables.py <data/tables> <build/share/vx11>
"""
import csv
import sys
from decimal import Decimal
from pathlib import Path

import dbfread

TABLES = ["din6888", "dwelle", "wst1base", "vx3wstyp", "printout"]
FIELD_COUNTS = {"din6888": 12, "dwelle": 3, "wst1base": 13, "vx3wstyp": 8, "printout": 9}


def rows(path):
    with open(path, encoding="utf-8", newline="") as f:
        return list(csv.reader(f))


def check(name, sources, built):
    problems = []
    fields = rows(sources / f"{name}.fields")[1:]
    source = rows(sources / f"{name}.csv")
    path = built / f"{name}.dbf"
    raw = path.read_bytes()
    if raw[29] != 0x02:
        problems.append(f"language driver {raw[29]:#x}, not code page 850")
    table = dbfread.DBF(str(path), encoding="cp850", char_decode_errors="strict")
    if len(table.fields) != FIELD_COUNTS[name]:
        problems.append(f"{len(table.fields)} fields")
    for got, (fname, ftype, width, decimals) in zip(table.fields, fields):
        if (got.name, got.type, got.length, got.decimal_count) != (fname, ftype, int(width), int(decimals)):
            problems.append(f"field {got.name} {got.type}({got.length},{got.decimal_count})")
    records = list(table)
    if len(records) != len(source) - 1:
        problems.append(f"{len(records)} records, CSV has {len(source) - 1}")
    for number, (record, line) in enumerate(zip(records, source[1:]), start=1):
        for (fname, ftype, _, _), text in zip(fields, line):
            value = record[fname]
            if ftype == "C":
                ok = value == text
            elif ftype == "N":
                ok = (value is None and text == "") or (value is not None and Decimal(str(value)) == Decimal(text))
            elif ftype == "L":
                ok = value == (text == "T")
            else:
                ok = False
            if not ok:
                problems.append(f"record {number} {fname}: {value!r} against {text!r}")
    return problems


def main():
    sources, built = Path(sys.argv[1]), Path(sys.argv[2])
    failed = False
    for name in TABLES:
        problems = check(name, sources, built)
        print(f"{name}: {'ok' if not problems else '; '.join(problems[:10])}")
        failed = failed or bool(problems)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
