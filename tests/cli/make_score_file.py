#!/usr/bin/env python3
"""Writes a score file (.sco) straight from the record layout, for the CLI tests.

usage: make_score_file.py OUT PAIRS BOARDS PERGROUP "g,b,ns,ew,score" ...
One session; each table gives North-South `score` and East-West its complement.
"""
import struct
import sys


def short_string(text, capacity):
    raw = text.encode("cp1252")[:capacity]
    return bytes([len(raw)]) + raw + b"\0" * (capacity - len(raw))


def record(score=0, direction=0, code=0, flags=0):
    return short_string("", 6) + short_string("", 4) + struct.pack("<hBBB", score, direction, code, flags)


out, pairs, boards, per_group = sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), int(sys.argv[4])
records = [record() for _ in range(pairs * boards + 1)]
for table in sys.argv[5:]:
    g, b, ns, ew, score = (int(v) for v in table.split(","))
    base = ((g - 1) * boards + (b - 1)) * per_group
    records[base + ns] = record(score, 0, ord("N") - 64, 0)
    records[base + ew] = record(-score, 1, ord("N") - 64, 8)
with open(out, "wb") as f:
    f.write(struct.pack("<hh", boards, 1))
    f.write(b"".join(records))
