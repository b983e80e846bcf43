#!/usr/bin/env python3
"""Match points, totals, percentages and ranks of a pairs session computed from the stored
scores and the schedule, following the club's rules (Neuberg with one decimal, no Topintegraal),
and compared with what velk-cli results printed.

Usage: independent_results.py RUN   reads RUN.scores, RUN.schedule and RUN.csv. A board a table did
not play keeps its full top either way: the pairs who played it are factored up by Neuberg. RUN
"yes" (an arbitral score for the board) gives the table that did not play it 50 % each, and the
board counts as played for them; RUN "no" leaves it out of their boards. The "yes" run finds that
table in no.scores, where compute marked it 'O'."""
import csv
import sys

PAIRS = 8           # per group, all active
BOARDS = 14
PER_ROUND = 2
FRAG2 = [55, 60, 65]
FRAG3 = [50, 55, 60, 65, 70]
NORMAL = {5, 14}    # 'E', 'N'
FIXED_PCT = {1, 2}  # 'A', 'B'
NOT_PLAYED = {0, 15, 19}

run = sys.argv[1]
arbitral = run == "yes"
ARBITRAL_PCT = 50

# Seats from the schedule: (group, board) -> list of (ns row, ew row).
tables = {}
for line in open(run + ".schedule"):
    g, rnd, table, ns, ew, letter = line.split()
    if letter == "-" or ns == "0" or ew == "0":
        continue
    gi = ord(g) - ord("A")
    first = (ord(letter) - ord("A")) * PER_ROUND + 1
    for b in range(first, first + PER_ROUND):
        tables.setdefault((g, b), []).append((int(ns) - gi * PAIRS, int(ew) - gi * PAIRS))

# Records typed in: (group, board, row) -> (score, code, east-west).
def read_scores(name):
    out = {}
    for line in open(name + ".scores"):
        w = line.split()
        out[(w[0], int(w[1]), int(w[2]))] = (int(w[5]), int(w[7]), int(w[8]))
    return out


records = {}
absent = {}  # the 'O' records compute gave, with their sides
unplayed_table = {k for k, (_, code, _) in read_scores("no").items() if code == 15} if arbitral else set()
for key, (score, code, flags) in read_scores(run).items():
    if key in unplayed_table:
        # compute gave the table that did not play the arbitral score
        assert (score, code) == (ARBITRAL_PCT, 1), ("arbitral record", key, score, code)
        absent[key] = bool(flags & 8)
        continue
    if code == 15:
        absent[key] = bool(flags & 8)
    if code in NOT_PLAYED:
        continue  # the program's own unplayed codes are derived below, not read
    records[key] = (score, code, bool(flags & 8) != bool(flags & 1))
assert not arbitral or unplayed_table, "no unplayed table in the no run"


def round_tenths(h, top):
    return (h + (4 if h > 50 * top else 6)) // 10


tenths = {}
played = {}
for (g, b), seats in tables.items():
    top = 6  # the full top, whatever the answer
    sides = {False: [], True: []}
    for ns, ew in seats:
        for row, east in ((ns, False), (ew, True)):
            rec = records.get((g, b, row))
            if rec is None:
                # an unplayed table, on the pair's own side: the average as arbitral score, else 'O'
                rec = (ARBITRAL_PCT, 1, east) if arbitral else (0, 15, east)
                assert absent.get((g, b, row)) == east, ("unplayed record", g, b, row)
            assert rec[2] == east, (g, b, row, rec)
            sides[east].append((row, rec))
    for east, entries in sides.items():
        normal = [(row, s) for row, (s, code, _) in entries if code in NORMAL]
        fixed = [(row, s, code) for row, (s, code, _) in entries if code not in NORMAL]
        own = len(normal)
        total = max(own, min(own + len(fixed), top // 2 + 1))
        for row, s in normal:
            v = sum(2 if o < s else 1 if o == s else 0 for r2, o in normal if r2 != row)
            if own == 1:
                h = 60 * top
            elif own == 2:
                h = FRAG2[v] * top
            elif own == 3 and total - 3 > 6:
                h = FRAG3[v] * top
            else:
                h = (v + 1) * total * 100 // own - 100
            tenths[(g, row)] = tenths.get((g, row), 0) + round_tenths(h, top)
            played[(g, row)] = played.get((g, row), 0) + 1
        for row, s, code in fixed:
            h = s * top if code in FIXED_PCT else 0
            tenths[(g, row)] = tenths.get((g, row), 0) + round_tenths(h, top)
            if code not in NOT_PLAYED:
                played[(g, row)] = played.get((g, row), 0) + 1

pct = {}
for key, t in tenths.items():
    pct[key] = t / 10 * 100 / 6 / played[key]
assert all(t > 0 for t in tenths.values())

rows = list(csv.DictReader(open(run + ".csv", encoding="utf-8")))
assert len(rows) == 16, len(rows)
for r in rows:
    key = (r["group"], int(r["grpnr"]))
    group = [p for k, p in pct.items() if k[0] == key[0]]
    rank = 1 + sum(p > pct[key] + 1e-9 for p in group)
    want = (tenths[key] / 10, round(pct[key], 2), played[key], rank)
    got = (float(r["points"]), float(r["percentage"]), int(r["boards"]), int(r["rank"]))
    assert abs(got[0] - want[0]) < 1e-6 and abs(got[1] - want[1]) < 0.006 and got[2:] == want[2:], (key, got, want)
    assert int(r["comprank"]) == rank and r["total"] == r["percentage"], r
    assert r["status"] == ("-1" if played[key] < BOARDS else "1"), r
print("independent results agree:", run)
