#!/usr/bin/env python3
"""Writes a small competition file (.dba) straight from the record layouts, for the CLI tests.

usage: make_competition_file.py OUT [--pairs N] [--sessions N] [--per-competition N]
                                    [--removed-session B] [--truncate N]
"""
import argparse
import struct


def short_string(text, capacity):
    raw = text.encode("cp1252")[:capacity]
    return bytes([len(raw)]) + raw + b"\0" * (capacity - len(raw))


def config_record(pairs, per_competition):
    head = short_string("Bridgeclub Één", 32)
    head += struct.pack("<hhhh", pairs, 2, per_competition, pairs // 2)
    head += struct.pack("<dd", 55.0, 45.5)
    head += struct.pack("<HHHHh", 0, 2, 0, 2, 6)
    assert len(head) == 67
    rec = head + short_string("MS Sans Serif", 32)
    rec += struct.pack("<HHHHHHH", (10 << 8) | 10, 20, 300, 200, 50, 60, 0)
    for i in range(5):
        rec += short_string("Regel %d" % (i + 1), 32)
    rec += bytes(range(1, 34))  # 279..311, kept as read
    rec += short_string("Courier New", 32)
    rec += struct.pack("<Hh", 0x40, 0x1234)
    rec += struct.pack("<16h", *([0, 2] + [0] * 14))
    rec += struct.pack("<16h", *([2] + [0] * 15))
    rec += struct.pack("<16h", *([5, 3] + [0] * 14))
    assert len(rec) == 445
    return rec


def main():
    p = argparse.ArgumentParser()
    p.add_argument("out")
    p.add_argument("--pairs", type=int, default=4)
    p.add_argument("--sessions", type=int, default=2)
    p.add_argument("--per-competition", type=int, default=6)
    p.add_argument("--removed-session", type=int, default=0)
    p.add_argument("--truncate", type=int, default=0)
    a = p.parse_args()

    data = config_record(a.pairs, a.per_competition)
    data += struct.pack("<16h", *range(100, 116))
    data += struct.pack("<hhBh", 2026, 0, ord("C"), 0) + short_string("club.dba", 48) + struct.pack("<h", 0)
    per_group = max(a.pairs // 2, 1)
    for n in range(1, a.pairs + 1):
        group = "AB"[(n - 1) // per_group] if (n - 1) // per_group < 2 else "C"
        name = "Paar %d \"é\"" % n
        data += struct.pack("<hhBh", n, 100 + n, ord(group), (n - 1) % per_group + 1)
        data += short_string(name, 48) + struct.pack("<h", n)
    data += struct.pack("<h", a.sessions)
    for b in range(1, a.sessions + 1):
        number = 0 if b == a.removed_session else b
        rec = struct.pack("<hhhhhBBhh", 1, number, 24, 6, 6, 1, 4, per_group // 2, per_group)
        rec += short_string("0%d-03-2026" % b, 12)
        rec += struct.pack("<16h", *([per_group, per_group] + [0] * 14))
        rec += struct.pack("<h", 0) + bytes(18)
        rec += struct.pack("<16h", *([per_group // 2] * 2 + [0] * 14))
        assert len(rec) == 113
        data += rec
        for i in range(a.pairs + 1):
            data += struct.pack("<hhffffbBhh", 0, 0, 10.0 * b + i, 50.25, 0.0, 0.0, 1, 24, i, i)
    if a.truncate:
        data = data[: len(data) - a.truncate]
    with open(a.out, "wb") as f:
        f.write(data)


if __name__ == "__main__":
    main()
