#!/usr/bin/env python3
"""Random irregular evenings on the shipped movements, made, scored and computed through velk-cli
alone, then held against rules worked out here from the schedule and the typed scores, and every
match-point list held against what `results` and `matchpoints` say.

Usage: irregular_evenings.py VELK_CLI   (run in an empty scratch folder)

An evening: two or three groups on one movement; a group may be odd (one pair more than the
players, the highest pair empty, so a pair sits out every round) and may have a table that missed
a board or two. It is computed twice, answering Ja (--yes) and Nee to every question.

The rules (README, "Scoring rules"), computed here without the program:
- A board's top is the pairs compared minus 2 (all groups under "Topintegraal"), lowered by 2 for
  each table of a group that did not play it when the group keeps its marks: Neuberg off, or as
  many boards with a missing table as there are rounds (a sit-out); else the board keeps the full
  top and, with Ja, the table that missed it gets 'A' 50 % and counts it among its boards.
- "Paren": a pair's percentage is its match points over the tops of the boards it played; each
  side of a board adds up to its results x top / 2 (one top for the whole field under
  "Topintegraal"); a field with only a sit-out averages 50 %.
- "Butler", "Cross Imp": a board a pair did not play adds nothing to its total.

The lists (count lists 31 and 38, the pair's list 32, match points per board 34, frequencies 35,
the per-pair pages and the USEBIO export) must repeat, to the tenth, the match points that
`matchpoints` lists and the totals and percentages of `results`.
"""
import collections
import csv
import io
import os
import random
import re
import shutil
import subprocess
import sys
import xml.etree.ElementTree as ET

sys.dont_write_bytecode = True  # nothing written beside the sources
from page_cells import Cells  # noqa: E402

CLI = sys.argv[1]
SEED = 20261209

# Scores that every vulnerability allows: part scores made and penalties.
SCORES = [70, 80, 90, 100, 110, 110, 120, 130, 140, 140, 150, 170, 200, 300]

# (movement, pairs, rounds, board groups, boards a round)
HOWELLS = [
    ("5r-6p-howell-3t-shared.ws0", 6, 5, 5, (2, 3)),
    ("7r-8p-howell-4t.ws0", 8, 7, 7, (2, 3)),
    ("7r-10p-howell-5t.ws0", 10, 7, 7, (2, 3)),
    ("9r-10p-howell-5t.ws0", 10, 9, 9, (2,)),
]
MITCHELLS = [
    ("3r-6p-mitchell-3t.ws0", 6, 3, 3, (3, 4)),
    ("3r-8p-mitchell-4t.ws0", 8, 3, 4, (3,)),
    ("5r-10p-mitchell-5t.ws0", 10, 5, 5, (2, 3)),
    ("5r-12p-mitchell-6t.ws0", 12, 5, 6, (2,)),
]

# (form, Neuberg, Topintegraal, movements, lists checked, the groups' kinds): every form and
# Neuberg answer, with and without "Topintegraal". A kind is "sit-out" (an odd field), "missed"
# (a table missed a board or two), "both" or "full"; by default a sit-out, a missed board and,
# with a third group, one drawn.
EVENINGS = [
    ("paren", "niet", False, HOWELLS, True, None),
    ("paren", "1", False, HOWELLS, True, None),
    ("paren", "0", False, MITCHELLS, False, None),
    ("paren", "1", True, HOWELLS + MITCHELLS, True, None),
    ("paren", "niet", True, MITCHELLS, False, ("both", "missed")),
    ("paren", "0", True, HOWELLS, False, ("sit-out",)),
    ("butler", "1", False, HOWELLS + MITCHELLS, True, ("both", "missed")),
    ("crossimp", "niet", False, HOWELLS + MITCHELLS, False, None),
]

failures = []
seen = collections.Counter()  # what the evenings exercised


def fail(where, what):
    failures.append("%s: %s" % (where, what))


def run(args, stdin=None, where=""):
    seen["velk-cli runs"] += 1
    p = subprocess.run([CLI] + args, input=stdin, capture_output=True)
    if p.returncode != 0:
        sys.exit("FAIL: %s: velk-cli %s exited %d: %s" % (where, " ".join(args), p.returncode,
                                                           p.stderr.decode("utf-8", "replace")))
    return p.stdout.decode("utf-8")


def near(a, b, tolerance):
    return abs(a - b) <= tolerance + 1e-9


class Evening:
    """One session: its movement, groups, who sat where and what was typed."""

    def __init__(self, rng, number, form, neuberg, topintegraal, movements, kinds):
        self.name = "evening %d (%s, Neuberg %s%s)" % (number, form, neuberg,
                                                      ", Topintegraal" if topintegraal else "")
        self.form, self.neuberg, self.ti = form, neuberg, topintegraal
        self.movement, self.pairs, self.rounds, self.board_groups, lengths = rng.choice(movements)
        self.length = rng.choice(lengths)
        self.boards = self.board_groups * self.length
        self.groups = "AB" if rng.random() < 0.7 else "ABC"
        # A group with only a sit-out and one with a missed board, unless the kinds are given.
        kinds = list(kinds) if kinds else ["sit-out", "missed"] + [rng.choice(["full", "both", "missed"])]
        kinds = kinds[:len(self.groups)] + kinds[-1:] * (len(self.groups) - len(kinds))
        rng.shuffle(kinds)
        self.odd = {g: kind in ("sit-out", "both") for g, kind in zip(self.groups, kinds)}
        self.missing = {g: kind in ("missed", "both") for g, kind in zip(self.groups, kinds)}
        self.rng = rng

    def place(self, schedule_text):
        """Reads the session schedule and decides which tables play which boards, and the scores."""
        self.seats = {}  # (group, board) -> [(ns, ew, round)] in group numbering
        for line in schedule_text.splitlines():
            g, rnd, _table, ns, ew, letter = line.split()
            if letter == "-" or ns == "0" or ew == "0":
                continue
            gi = self.groups.index(g)
            ns, ew, rnd = int(ns) - gi * self.pairs, int(ew) - gi * self.pairs, int(rnd)
            first = (ord(letter) - ord("A")) * self.length + 1
            for b in range(first, first + self.length):
                self.seats.setdefault((g, b), []).append((ns, ew, rnd))
        rng = self.rng
        self.scores = {}  # (group, board, ns) -> North-South score
        self.missed = set()  # (group, board, ns): a table that did not play the board
        for g in self.groups:
            empty = self.pairs if self.odd[g] else 0
            real = [(b, ns, ew) for (h, b), seats in self.seats.items() if h == g
                    for ns, ew, _ in seats if empty not in (ns, ew)]
            # A board or two missed, never leaving a board with fewer than two tables.
            wanted = rng.choice((1, 2)) if self.missing[g] else 0
            for _ in range(50):
                if sum(1 for h, _b, _t in self.missed if h == g) == wanted:
                    break
                b, ns, _ew = rng.choice(real)
                left = [t for bb, t, _ in real if bb == b and (g, b, t) not in self.missed]
                if len(left) > 2:
                    self.missed.add((g, b, ns))
            if self.missing[g] and not self.missed_in(g):
                sys.exit("FAIL: %s: no board to miss in group %s" % (self.name, g))
            for b, ns, _ew in real:
                if (g, b, ns) not in self.missed:
                    self.scores[(g, b, ns)] = rng.choice(SCORES) * rng.choice((1, -1))

    def seat(self, g, b, k):
        """(opponent, North-South?) of pair k on board b, None when it has no seat there."""
        for ns, ew, _ in self.seats.get((g, b), []):
            if k in (ns, ew):
                return (ew, True) if k == ns else (ns, False)
        return None

    def missed_in(self, g):
        return any(h == g for h, _, _ in self.missed)

    def score_lines(self):
        return "".join("%s %d %d %d\n" % (g, b, ns, s) for (g, b, ns), s in sorted(self.scores.items()))


class Oracle:
    """What the rules say of an evening and one answer, from the schedule and the scores alone."""

    def __init__(self, ev, yes):
        self.ev, self.yes = ev, yes
        tables = ev.pairs // 2
        played = {}  # (group, board) -> tables that played it
        for (g, b), seats in ev.seats.items():
            played[(g, b)] = [(ns, ew) for ns, ew, _ in seats if (g, b, ns) in ev.scores]
        self.played = played
        missing = {(g, b): tables - len(played.get((g, b), [])) for g in ev.groups
                   for b in range(1, ev.boards + 1)}
        # A group keeps the marks of its missing tables with Neuberg off or a sit-out round.
        self.marked = {}
        for g in ev.groups:
            n = sum(1 for b in range(1, ev.boards + 1) if missing[(g, b)] > 0)
            self.marked[g] = ev.neuberg == "niet" or n >= ev.rounds
        lowered = {k: (v if self.marked[k[0]] else 0) for k, v in missing.items()}
        self.full_top = (len(ev.groups) if ev.ti else 1) * ev.pairs - 2
        self.top = {}
        for g in ev.groups:
            for b in range(1, ev.boards + 1):
                down = sum(lowered[(h, b)] for h in ev.groups) if ev.ti else lowered[(g, b)]
                self.top[(g, b)] = self.full_top - 2 * down
        # Pairs that missed a board of a full top: with Ja the average, 'A' 50 %.
        self.arbitral = set()
        for g, b, ns in ev.missed:
            if yes and not self.marked[g]:
                ew = next(e for n_, e, _ in ev.seats[(g, b)] if n_ == ns)
                self.arbitral |= {(g, b, ns), (g, b, ew)}
        # The boards each pair counts: those it played and those it got the average for.
        self.boards_of = {}
        for (g, b), tabs in played.items():
            for ns, ew in tabs:
                self.boards_of.setdefault((g, ns), []).append(b)
                self.boards_of.setdefault((g, ew), []).append(b)
        for g, b, k in self.arbitral:
            self.boards_of.setdefault((g, k), []).append(b)

    def real_pairs(self, g):
        return [k for k in range(1, self.ev.pairs + 1) if not (self.ev.odd[g] and k == self.ev.pairs)]

    def tops_of(self, g, k):
        return sum(self.top[(g, b)] for b in self.boards_of.get((g, k), []))

    def counts(self, g, b, k):
        return b in self.boards_of.get((g, k), [])


def read_csv(text):
    return list(csv.DictReader(io.StringIO(text)))


class Run:
    """One computed answer of an evening: the program's numbers and the checks on them."""

    def __init__(self, ev, yes, folder):
        self.ev, self.yes, self.folder = ev, yes, folder
        self.file = os.path.join(folder, "club_1.dba")
        self.where = "%s, %s (in %s)" % (ev.name, "Ja" if yes else "Nee", folder)
        self.oracle = Oracle(ev, yes)
        run(["compute", self.file, "--yes" if yes else "--no"], where=self.where)
        self.results = {(r["group"], int(r["grpnr"])): r
                        for r in read_csv(run(["results", self.file, "--format", "csv"], where=self.where))}
        self.mp = {(m["group"], int(m["board"]), int(m["pair"])): m
                   for m in read_csv(run(["matchpoints", self.file, "--format", "csv"], where=self.where))}

    def tenths(self, g, b, k):
        v = int(self.mp[(g, b, k)]["mp"])
        return v if v > -10000 else 0

    def points(self, g, k):
        return float(self.results[(g, k)]["points"])

    def pct(self, g, k):
        r = self.results[(g, k)]
        return float(r["percentage"]) + float(r["correction"])

    # ---- the rules

    def check_rules(self):
        ev, o, w = self.ev, self.oracle, self.where
        pairs_form = ev.form == "paren"
        for g in ev.groups:
            for k in o.real_pairs(g):
                for b in range(1, ev.boards + 1):
                    m = self.mp.get((g, b, k))
                    if m is None:
                        fail(w, "matchpoints has no line for group %s board %d pair %d" % (g, b, k))
                        continue
                    code = m["code"]
                    if (g, b, k) in o.arbitral:
                        if code != "A" or m["score"] != "50":
                            fail(w, "group %s board %d pair %d missed a board of full top: want A 50 %%, "
                                    "matchpoints has %s %s" % (g, b, k, code, m["score"]))
                    elif o.counts(g, b, k):
                        if code not in "EN":
                            fail(w, "group %s board %d pair %d played: code %s" % (g, b, k, code))
                    elif code not in "@OS":
                        fail(w, "group %s board %d pair %d did not play: code %s" % (g, b, k, code))
                    if not o.counts(g, b, k) and self.tenths(g, b, k) != 0:
                        fail(w, "group %s board %d pair %d did not play it yet has %s match points"
                             % (g, b, k, m["mp"]))
                    if (g, b, k) in o.arbitral and not pairs_form and self.tenths(g, b, k) != 0:
                        fail(w, "group %s board %d pair %d: 'A' 50 %% is worth %s tenths of an IMP, not 0"
                             % (g, b, k, m["mp"]))
                total = sum(self.tenths(g, b, k) for b in range(1, ev.boards + 1))
                r = self.results[(g, k)]
                if not near(total / 10, self.points(g, k), 0.005):
                    fail(w, "group %s pair %d: results points %s, match points add up to %.1f"
                         % (g, k, r["points"], total / 10))
                if int(r["boards"]) != len(o.boards_of.get((g, k), [])):
                    fail(w, "group %s pair %d: results boards %s, played %d"
                         % (g, k, r["boards"], len(o.boards_of.get((g, k), []))))
                if pairs_form:
                    want = 100.0 * total / 10 / o.tops_of(g, k)
                    if not near(float(r["percentage"]), want, 0.005):
                        fail(w, "group %s pair %d: results percentage %s, %.1f over the tops %d of its "
                                "boards is %.4f" % (g, k, r["percentage"], total / 10, o.tops_of(g, k), want))
        if pairs_form:
            self.check_sides()
            self.check_sit_out_average()

    def check_sides(self):
        """Each side of a board adds up to results x top / 2 over its comparison range."""
        ev, o = self.ev, self.oracle
        ranges = [ev.groups] if ev.ti else [g for g in ev.groups]
        unit = 0.5 if ev.neuberg == "0" else 0.05
        for groups in ranges:
            for b in range(1, ev.boards + 1):
                tops = {o.top[(g, b)] for g in groups}
                if len(tops) != 1:
                    fail(self.where, "board %d: the oracle has tops %s" % (b, tops))
                top = tops.pop()
                for side in ("NZ", "OW"):
                    rows = [(g, k) for g in groups for k in o.real_pairs(g)
                            if o.counts(g, b, k) and self.mp[(g, b, k)]["direction"] == side]
                    if self.few_results(rows, b, side, top):
                        continue
                    got = sum(self.tenths(g, b, k) for g, k in rows) / 10
                    want = len(rows) * top / 2
                    if not near(got, want, unit * len(rows)):
                        fail(self.where, "board %d side %s of group(s) %s: %d results of top %d should add "
                                         "up to %.1f, matchpoints add up to %.1f"
                             % (b, side, "".join(groups), len(rows), top, want, got))

    def few_results(self, rows, b, side, top):
        """With Neuberg on, a side with one or two compared results where tables are missing (or three
        with more than six missing) is scored from the published table for few results: 60 %, or
        55/60/65 % (50..70 %) of the top by its raw score, not factored up. Checked value by value;
        True when the side is such a side."""
        if self.ev.neuberg == "niet":
            return False
        normal = [(g, k) for g, k in rows if self.mp[(g, b, k)]["code"] in ("N", "E")]
        n, tables = len(normal), top // 2 + 1
        if not (n < tables and (n <= 2 or (n == 3 and tables - 3 > 6))):
            return False
        table = {1: [60], 2: [55, 60, 65], 3: [50, 55, 60, 65, 70]}[n] if n else []
        scores = [int(self.mp[(g, b, k)]["score"]) for g, k in normal]
        for (g, k), score in zip(normal, scores):
            raw = 2 * sum(1 for o in scores if o < score) + sum(1 for o in scores if o == score) - 1
            hundredths = table[min(raw, len(table) - 1)] * top
            want = (hundredths + (4 if hundredths > 50 * top else 6)) // 10
            if self.tenths(g, b, k) != want:
                fail(self.where, "board %d side %s: %d results of %d tables, group %s pair %d with raw "
                                 "score %d has %d tenths, the table for few results gives %d"
                     % (b, side, n, tables, g, k, raw, self.tenths(g, b, k), want))
        return True

    def check_sit_out_average(self):
        ev, o = self.ev, self.oracle
        ranges = [ev.groups] if ev.ti else [g for g in ev.groups]
        for groups in ranges:
            if any(ev.missed_in(g) for g in groups) or not any(ev.odd[g] for g in groups):
                continue
            pairs = [(g, k) for g in groups for k in o.real_pairs(g)]
            if len({o.tops_of(g, k) for g, k in pairs}) != 1:
                continue  # pairs that played different tops need not average 50 %
            mean = sum(float(self.results[p]["percentage"]) for p in pairs) / len(pairs)
            if not near(mean, 50.0, 0.01):
                fail(self.where, "group(s) %s with only a sit-out average %.3f %%, not 50 %%"
                     % ("".join(groups), mean))
            seen["sit-out average"] += 1

    # ---- the lists

    def report(self, kind, *extra):
        return run(["report", self.file, "--kind", str(kind)] + list(extra), where=self.where)

    def check_count_list(self, text, kind, groups):
        """Kinds 31 and 38: per pair the board groups, total, percentage and rank."""
        ev, w = self.ev, "%s, list %d" % (self.where, kind)
        lines = text.split("\n")
        heads = [i for i, l in enumerate(lines) if l.startswith("G r o e p : ")]
        if [lines[i][12] for i in heads] != list(groups):
            fail(w, "groups listed %s, want %s" % ([lines[i][12:13] for i in heads], list(groups)))
            return
        percentages = ev.form == "paren"
        n = ev.board_groups
        for block, start in enumerate(heads):
            g = lines[start][12]
            end = heads[block + 1] if block + 1 < len(heads) else len(lines)
            body = lines[start:end]
            if percentages and not any(l == "TopPnt per Spel =%3d" % self.oracle.full_top for l in body):
                fail(w, "group %s: no line 'TopPnt per Spel =%3d'" % (g, self.oracle.full_top))
            rows = [l for l in body if re.match(r"^[ \d]{3}   [ \d-]", l) and l[:3].strip().isdigit()]
            if len(rows) != ev.pairs:
                fail(w, "group %s: %d pair rows, want %d" % (g, len(rows), ev.pairs))
                continue
            for line in rows:
                k = int(line[0:3])
                where = "%s group %s pair %d" % (w, g, k)
                for i in range(n):
                    cell = line[6 + 7 * i:12 + 7 * i]
                    want = sum(self.tenths(g, b, k) for b in range(i * ev.length + 1, (i + 1) * ev.length + 1))
                    if float(cell) != want / 10:
                        fail(where, "boards %d-%d: list %s, matchpoints %.1f"
                             % (i * ev.length + 1, (i + 1) * ev.length, cell.strip(), want / 10))
                at = 6 + 7 * n
                total = float(line[at:at + 7])
                if not near(total, self.points(g, k), 0.05):
                    fail(where, "total: list %.1f, results %s" % (total, self.results[(g, k)]["points"]))
                at += 7
                if percentages:
                    pct = line[at:at + 8].strip()
                    if pct != self.results[(g, k)]["percentage"]:
                        fail(where, "percentage: list %s, results %s" % (pct, self.results[(g, k)]["percentage"]))
                    at += 8
                rank = int(line[at:at + 4])
                if rank != int(self.results[(g, k)]["rank"]):
                    fail(where, "rank: list %d, results %s" % (rank, self.results[(g, k)]["rank"]))
        seen["count list %d" % kind] += 1

    def check_pair_list(self, g, k):
        """Kind 32: the pair's boards round by round, running total and percentage, closing line."""
        ev, o = self.ev, self.oracle
        w = "%s, list 32 group %s pair %d" % (self.where, g, k)
        text = self.report(32, "--groups", g, "--range", str(k))
        running, tops, boards = 0, 0, 0
        closing = None
        for line in text.split("\n"):
            if line.startswith("Totaal Punten"):
                closing = line
                continue
            cells = line.split("|")
            if len(cells) < 4 or not cells[0].strip().isdigit():
                continue
            b = int(cells[0])
            m = self.mp[(g, b, k)]
            boards += 1
            if cells[1].strip() != m["direction"]:
                fail(w, "board %d: list %s, matchpoints %s" % (b, cells[1].strip(), m["direction"]))
            if float(cells[3]) != self.tenths(g, b, k) / 10:
                fail(w, "board %d: list %s match points, matchpoints %.1f"
                     % (b, cells[3].strip(), self.tenths(g, b, k) / 10))
            running += self.tenths(g, b, k)
            if o.counts(g, b, k):
                tops += o.top[(g, b)]
            if len(cells) > 4 and cells[4].strip():
                if not near(float(cells[4]), running / 10, 0.05):
                    fail(w, "after board %d: list total %s, matchpoints %.1f" % (b, cells[4].strip(), running / 10))
                if ev.form == "paren":
                    want = 100.0 * running / 10 / tops if tops else 0.0
                    if not near(float(cells[5].rstrip("%")), want, 0.05):
                        fail(w, "after board %d: list percentage %s, %.1f over the tops %d is %.2f"
                             % (b, cells[5].strip(), running / 10, tops, want))
        expected = sum(1 for b in range(1, ev.boards + 1) if ev.seat(g, b, k) is not None)
        if boards != expected:
            fail(w, "%d boards listed, the schedule seats the pair at %d" % (boards, expected))
        if closing is None:
            fail(w, "no closing line")
            return
        words = closing.split(":")[1].split()
        if not near(float(words[0]), self.points(g, k), 0.05):
            fail(w, "closing total %s, results %s" % (words[0], self.results[(g, k)]["points"]))
        if ev.form == "paren" and not near(float(words[1].rstrip("%")), self.pct(g, k), 0.05):
            fail(w, "closing percentage %s, results %.2f" % (words[1], self.pct(g, k)))
        seen["list 32"] += 1

    def board_blocks(self, text):
        """The lines of each board of a per-board list: (board, lines)."""
        out, current = [], None
        for line in text.split("\n"):
            match = re.match(r"^  Spel = +(\d+)$", line)
            if match:
                current = (int(match.group(1)), [])
                out.append(current)
            elif current is not None:
                current[1].append(line)
        return out

    def group_blocks(self, text):
        """The text of each group's block: (group, text); "Topintegraal" lists one block of all."""
        heads = [(m.start(), m.group(1)) for m in re.finditer(r"^G r o e p : ([A-P])    Zitting", text, re.M)]
        return [(g, text[at:heads[i + 1][0] if i + 1 < len(heads) else len(text)])
                for i, (at, g) in enumerate(heads)]

    def check_board_list(self):
        """Kind 34: per board and North-South pair its score, opponent and both match points."""
        ev = self.ev
        w = "%s, list 34" % self.where
        text = self.report(34, "--groups", "*", "--range", "1-%d" % ev.boards)
        blocks = self.group_blocks(text)
        if [g for g, _ in blocks] != list(ev.groups):
            fail(w, "groups listed %s" % [g for g, _ in blocks])
        for g, block in blocks:
            boards = self.board_blocks(block)
            if [b for b, _ in boards] != list(range(1, ev.boards + 1)):
                fail(w, "group %s: boards listed %s" % (g, [b for b, _ in boards]))
            for b, lines in boards:
                listed = set()
                for line in lines:
                    cells = line.split("|")
                    if len(cells) != 7 or not cells[0].strip().isdigit():
                        continue
                    ns, opp = int(cells[0]), int(cells[3])
                    listed.add(ns)
                    where = "%s group %s board %d pair %d" % (w, g, b, ns)
                    seat = ev.seat(g, b, ns)
                    if self.mp[(g, b, ns)]["code"] not in "@OS" and (seat is None or not seat[1]):
                        fail(where, "a score listed, yet the schedule does not seat the pair North-South")
                        continue
                    # A pair that did not play has its schedule opponent, if it has one.
                    if seat is not None and opp != seat[0]:
                        fail(where, "opponent %d, the schedule says %d" % (opp, seat[0]))
                    if float(cells[4]) != self.tenths(g, b, ns) / 10:
                        fail(where, "MP NZ: list %s, matchpoints %.1f" % (cells[4].strip(), self.tenths(g, b, ns) / 10))
                    ow = self.tenths(g, b, opp) / 10 if opp > 0 else 0.0
                    if float(cells[5]) != ow:
                        fail(where, "MP OW: list %s, matchpoints of %s %.1f"
                             % (cells[5].strip(), "pair %d" % opp if opp > 0 else "no opponent", ow))
                want = {ns for ns, _ew in self.oracle.played.get((g, b), [])}
                if not want <= listed:
                    fail(w, "group %s board %d: tables of pairs %s not listed" % (g, b, sorted(want - listed)))
        seen["list 34"] += 1

    def check_frequencies(self):
        """Kind 35: per board each table's scores, pairs and both match points and percentages."""
        ev, o = self.ev, self.oracle
        w = "%s, list 35" % self.where
        text = self.report(35, "--groups", "*", "--range", "1-%d" % ev.boards)
        if ev.ti:
            # "Topintegraal" compares the whole field: one table of every group.
            blocks = [(None, text)]
            if "\n  Zitting : 1\n" not in text or "G r o e p" in text:
                fail(w, "not one table of the whole field: %s" % text[:300])
        else:
            blocks = self.group_blocks(text)
            if [g for g, _ in blocks] != list(ev.groups):
                fail(w, "groups listed %s" % [g for g, _ in blocks])
        for g, block in blocks:
            groups = ev.groups if g is None else g
            for b, lines in self.board_blocks(block):
                # The tables that played the board, or got an arbitral score, as the list shows them.
                want = []
                for h in groups:
                    for ns, ew, _ in ev.seats.get((h, b), []):
                        if o.counts(h, b, ns):
                            want.append((h, ns, ew))
                rows = []
                for line in lines:
                    cells = line.split("|")
                    if len(cells) == 10 and cells[1].strip().isdigit():
                        rows.append(cells)
                if len(rows) != len(want):
                    fail(w, "board %d: %d rows, %d tables scored it" % (b, len(rows), len(want)))
                for cells in rows:
                    ns, ew = int(cells[1]), int(cells[6])
                    # Under "Topintegraal" the group is the one whose table has these pairs and
                    # this North-South match points.
                    match = [t for t in want if t[1:] == (ns, ew)
                             and float(cells[3]) == self.tenths(t[0], b, ns) / 10]
                    if not match:
                        cand = [t for t in want if t[1:] == (ns, ew)]
                        if not cand:
                            fail(w, "board %d: a row of pairs %d v %d that did not meet" % (b, ns, ew))
                            continue
                        h = cand[0][0]
                        fail("%s group %s board %d pair %d" % (w, h, b, ns), "MP NZ: list %s, matchpoints %.1f"
                             % (cells[3].strip(), self.tenths(h, b, ns) / 10))
                        continue
                    h = match[0][0]
                    want.remove(match[0])
                    where = "%s group %s board %d pairs %d v %d" % (w, h, b, ns, ew)
                    if float(cells[4]) != self.tenths(h, b, ew) / 10:
                        fail(where, "MP OW: list %s, matchpoints of pair %d %.1f"
                             % (cells[4].strip(), ew, self.tenths(h, b, ew) / 10))
                    if ev.form == "paren":
                        top = o.top[(h, b)]
                        for cell, pair in ((cells[7], ns), (cells[8], ew)):
                            pct = 100.0 * self.tenths(h, b, pair) / 10 / top
                            if not near(float(cell.strip().rstrip("%")), pct, 0.05):
                                fail(where, "percentage of pair %d: list %s, %.1f of the top %d is %.2f"
                                     % (pair, cell.strip(), self.tenths(h, b, pair) / 10, top, pct))
        seen["list 35"] += 1

    def check_pages(self):
        """The per-pair pages (kind 37): every board's match points, running and closing lines."""
        ev, o = self.ev, self.oracle
        folder = os.path.join(self.folder, "web")
        run(["pages", self.file, "--groups", "*", folder], where=self.where)
        for g in ev.groups:
            for k in o.real_pairs(g):
                w = "%s, page MPPaar%s%d.htm" % (self.where, g, k)
                path = os.path.join(folder, "MPPaar%s%d.htm" % (g, k))
                if not os.path.exists(path):
                    fail(w, "not written")
                    continue
                page = Cells()
                page.feed(open(path, "rb").read().decode("iso-8859-1"))
                if page.meta != "text/html; charset=iso-8859-1":
                    fail(w, "content type %s" % page.meta)
                rows = page.rows
                if ev.form == "paren" and rows[2][1] != "TopPunt per Spel =%d" % o.full_top:
                    fail(w, "heading %s, want top %d" % (rows[2][1], o.full_top))
                running, tops, boards = 0, 0, 0
                for row in rows[4:-1]:
                    if row[0].startswith("Ronde") or row[0] == "Spel":
                        continue
                    b = int(row[0])
                    boards += 1
                    mp = self.tenths(g, b, k)
                    if row[1] != self.mp[(g, b, k)]["direction"]:
                        fail(w, "board %d: %s, matchpoints %s" % (b, row[1], self.mp[(g, b, k)]["direction"]))
                    if float(row[3]) != mp / 10:
                        fail(w, "board %d: page %s match points, matchpoints %.1f" % (b, row[3], mp / 10))
                    running += mp
                    if o.counts(g, b, k):
                        tops += o.top[(g, b)]
                    if row[4]:
                        total, pct = row[4].replace("%", "").split()
                        if not near(float(total), running / 10, 0.05):
                            fail(w, "after board %d: page total %s, matchpoints %.1f" % (b, total, running / 10))
                        want = 100.0 * running / 10 / tops if tops else 0.0
                        if ev.form == "paren" and not near(float(pct), want, 0.005):
                            fail(w, "after board %d: page percentage %s, %.1f over the tops %d is %.3f"
                                 % (b, pct, running / 10, tops, want))
                expected = sum(1 for b in range(1, ev.boards + 1) if ev.seat(g, b, k) is not None)
                if boards != expected:
                    fail(w, "%d boards, the schedule seats the pair at %d" % (boards, expected))
                closing = rows[-1]
                if closing[0] != "Totaal":
                    fail(w, "closing row %s" % closing)
                    continue
                total, pct = closing[2].replace("%", "").split()
                if not near(float(total), self.points(g, k), 0.05):
                    fail(w, "closing total %s, results %s" % (total, self.results[(g, k)]["points"]))
                if ev.form == "paren" and not near(float(pct), self.pct(g, k), 0.005):
                    fail(w, "closing percentage %s, results %.2f" % (pct, self.pct(g, k)))
        seen["pages"] += 1

    def check_usebio(self):
        """USEBIO: every traveller line's match points and the participants' totals."""
        ev, o = self.ev, self.oracle
        w = "%s, USEBIO" % self.where
        out = os.path.join(self.folder, "usebio.xml")
        run(["export", self.file, "--format", "usebio", out], where=self.where)
        root = ET.parse(out).getroot()
        sections = root.findall("EVENT/SESSION/SECTION")
        if [s.get("SECTION_ID") for s in sections] != list(ev.groups):
            fail(w, "sections %s" % [s.get("SECTION_ID") for s in sections])
        for section in sections:
            g = section.get("SECTION_ID")
            totals = collections.Counter()
            lines = set()
            for board in section.findall("BOARD"):
                b = int(board.find("BOARD_NUMBER").text)
                for line in board.findall("TRAVELLER_LINE"):
                    ns, ew = int(line.find("NS_PAIR_NUMBER").text), int(line.find("EW_PAIR_NUMBER").text)
                    lines.add((b, ns))
                    for side, pair in (("NS", ns), ("EW", ew)):
                        element = line.find(side + "_MATCH_POINTS")
                        if element is None:
                            continue
                        if float(element.text) != self.tenths(g, b, pair) / 10:
                            fail(w, "group %s board %d pair %d: %s_MATCH_POINTS %s, matchpoints %.1f"
                                 % (g, b, pair, side, element.text, self.tenths(g, b, pair) / 10))
                        totals[pair] += self.tenths(g, b, pair)
            for b in range(1, ev.boards + 1):
                for ns, ew in o.played.get((g, b), []):
                    if (b, ns) not in lines:
                        fail(w, "group %s board %d: no traveller line of %d v %d" % (g, b, ns, ew))
            participants = {int(p.find("PAIR_NUMBER").text): p for p in section.findall("PARTICIPANTS/PAIR")}
            if sorted(participants) != o.real_pairs(g):
                fail(w, "group %s: participants %s" % (g, sorted(participants)))
            for k, p in participants.items():
                where = "%s group %s pair %d" % (w, g, k)
                if not near(float(p.find("TOTAL_SCORE").text), self.points(g, k), 0.05):
                    fail(where, "TOTAL_SCORE %s, results %s" % (p.find("TOTAL_SCORE").text,
                                                                self.results[(g, k)]["points"]))
                if totals[k] != round(self.points(g, k) * 10):
                    fail(where, "traveller lines add up to %.1f, results %s"
                         % (totals[k] / 10, self.results[(g, k)]["points"]))
                if ev.form == "paren" and not near(float(p.find("PERCENTAGE").text), self.pct(g, k), 0.005):
                    fail(where, "PERCENTAGE %s, results %.2f" % (p.find("PERCENTAGE").text, self.pct(g, k)))
                if p.find("BOARDS_PLAYED").text != self.results[(g, k)]["boards"]:
                    fail(where, "BOARDS_PLAYED %s, results %s" % (p.find("BOARDS_PLAYED").text,
                                                                  self.results[(g, k)]["boards"]))
        seen["usebio"] += 1

    def check_lists(self, rng):
        ev = self.ev
        self.check_count_list(self.report(31, "--groups", "*"), 31, ev.groups)
        self.check_count_list(self.report(38, "--groups", "B"), 38, "B")
        # A pair the evening was irregular for: one that missed a board or met the sit-out.
        touched = sorted({(g, k) for g, b, ns in ev.missed for k in (ns, ev.seat(g, b, ns)[0])} |
                         {(g, k) for g in ev.groups if ev.odd[g] for k in self.oracle.real_pairs(g)[:1]})
        self.check_pair_list(*rng.choice(touched))
        self.check_board_list()
        self.check_frequencies()
        self.check_pages()
        self.check_usebio()


def make(ev, folder):
    """The competition of an evening, its session, movement and scores, through velk-cli."""
    os.makedirs(folder)
    base = os.path.join(folder, "club.dba")
    args = ["new", base, "--pairs", str(ev.pairs * len(ev.groups)), "--groups", str(len(ev.groups)),
            "--tables", str(ev.pairs // 2 * len(ev.groups)), "--mode", ev.form, "--neuberg", ev.neuberg]
    run(args + (["--topintegraal"] if ev.ti else []), where=ev.name)
    file = os.path.join(folder, "club_1.dba")
    run(["session", file, "set", "--session", "1", "--boards", str(ev.boards), "--rounds", str(ev.rounds),
         "--boardgroups", str(ev.board_groups), "--length", str(ev.length)], where=ev.name)
    run(["schedule", "read", file, "--groups", "*", ev.movement], where=ev.name)
    ev.place(run(["schedule", "show", file], where=ev.name))
    run(["scores", "enter", file], stdin=ev.score_lines().encode(), where=ev.name)
    return file


def main():
    rng = random.Random(SEED)
    for number, (form, neuberg, ti, movements, lists, kinds) in enumerate(EVENINGS, 1):
        ev = Evening(rng, number, form, neuberg, ti, movements, kinds)
        ev.name += " on %s, %d boards, groups %s" % (
            ev.movement, ev.boards, " ".join(g + (" with a sit-out" if ev.odd[g] else "") for g in ev.groups))
        folder = "evening%d" % number
        make(ev, os.path.join(folder, "entered"))
        ev.name += ", missed %s" % sorted(ev.missed)
        for yes in (True, False):
            answer = os.path.join(folder, "ja" if yes else "nee")
            shutil.copytree(os.path.join(folder, "entered"), answer)
            r = Run(ev, yes, answer)
            r.check_rules()
            if lists:
                r.check_lists(rng)
            seen["arbitral 'A'"] += len(r.oracle.arbitral) > 0
            seen["lowered top"] += any(t < r.oracle.full_top for t in r.oracle.top.values())
    for what in ("sit-out average", "arbitral 'A'", "lowered top", "count list 31", "count list 38", "list 32",
                 "list 34", "list 35", "pages", "usebio"):
        if not seen[what]:
            failures.append("the evenings never exercised: %s" % what)
    if failures:
        shown = failures[:100]
        if len(failures) > len(shown):
            shown.append("... and %d more" % (len(failures) - len(shown)))
        print("\n".join("FAIL: " + f for f in shown), file=sys.stderr)
        sys.exit(1)
    print("ok: %d evenings, %s" % (len(EVENINGS), dict(seen)))


if __name__ == "__main__":
    main()
