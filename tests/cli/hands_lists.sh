#!/usr/bin/env bash
# The hands wherever a board is listed: report kind 44 (hands, double dummy, par and the
# traveller), the per-pair pages' links to the hands page, and the deals in the USEBIO export.
# Two hand-made deals, one suit per seat, whose tricks and par are worked by hand.
set -euo pipefail
source "$(dirname "$0")/preamble.bash" "$@"

"$cli" demo d >/dev/null 2>&1 || fail "demo"
f=d/demo_1.dba

# Without hands: the list says so and shows nothing, the pages link nothing, USEBIO has no deals.
"$cli" report "$f" --kind 44 --groups A >out.txt 2>err.txt && fail "list 44 without hands"
grep -qx "Geen spelverdelingen voor deze zitting" err.txt || fail "no hands: $(cat err.txt)"
[ -s out.txt ] && fail "list 44 without hands wrote: $(cat out.txt)"
"$cli" pages "$f" --groups A bare >/dev/null 2>&1 || fail "pages without hands"
[ -e bare/Spelverdelingen.htm ] && fail "a hands page without hands"
grep -q "Spelverdelingen.htm" bare/MPPaarA1.htm && fail "a link without hands"
"$cli" export "$f" --format usebio bare.xml 2>/dev/null || fail "usebio without hands"
grep -q "HANDSET" bare.xml && fail "deals in USEBIO without hands"

# Board 1: North all spades, East hearts, South diamonds, West clubs; board 2 turned a seat on.
cat >d/demo_1_hands1.pbn <<'PBN'
% PBN 2.1
[Board "1"]
[Deal "N:AKQJT98765432... .AKQJT98765432.. ..AKQJT98765432. ...AKQJT98765432"]

[Board "2"]
[Deal "N:.AKQJT98765432.. ..AKQJT98765432. ...AKQJT98765432 AKQJT98765432..."]
PBN

"$cli" report "$f" --kind 44 --groups A --range 1-1 >list.txt 2>err.txt || fail "list 44: $(cat err.txt)"
# The hand side of board 1: each declarer takes all 13 tricks where he or his partner holds
# the trumps and none elsewhere; North-South bid the grand slam in spades first. West's long
# clubs push the table and East to the right.
python3 - list.txt <<'PY' || fail "board 1 of list 44"
import sys
lines = open(sys.argv[1], encoding="utf-8").read().split("\n")
start = lines.index("Spel 1   Gever: Noord   Kwetsbaar: niemand")
want = [
    "Spel 1   Gever: Noord   Kwetsbaar: niemand",
    "",
    "                              ♠ A H V B 10 9 8 7 6 5 4 3 2",
    "                              ♥ -",
    "                              ♦ -",
    "                              ♣ -",
    "♠ -                                       ♠ -",
    "♥ -                               N       ♥ A H V B 10 9 8 7 6 5 4 3 2",
    "♦ -                             W   O     ♦ -",
    "♣ A H V B 10 9 8 7 6 5 4 3 2      Z       ♣ -",
    "                              ♠ -",
    "                              ♥ -",
    "                              ♦ A H V B 10 9 8 7 6 5 4 3 2",
    "                              ♣ -",
    "",
    "      SA  ♠  ♥  ♦  ♣",
    "   N   0 13  0 13  0",
    "   O   0  0 13  0 13",
    "   Z   0 13  0 13  0",
    "   W   0  0 13  0 13",
    "Par: 1510 (NZ)  7♠ NZ",
    "",
]
got = lines[start:start + len(want)]
assert got == want, "\n".join(got)
PY
grep -q "DoubleDummyTricks" d/demo_1_hands1.pbn || fail "the analysis was not stored"

# The traveller of board 1 in group A: one line per table, as matchpoints lists it.
"$cli" matchpoints "$f" --format csv >mp.csv 2>/dev/null || fail "matchpoints"
python3 - list.txt mp.csv <<'PY' || fail "the traveller of board 1"
import csv, re, sys
text = open(sys.argv[1], encoding="utf-8").read()
assert "  NZ  OW | Contract | Slagen | Score NZ | M.P. NZ | M.P. OW |" in text
rows = [l for l in text.split("\n") if re.match(r"^ +\d+ +\d+ \| ", l)]
mp = {(m["group"], int(m["board"]), int(m["pair"])): m for m in csv.DictReader(open(sys.argv[2]))}
ns = [m for m in mp.values() if m["group"] == "A" and m["board"] == "1" and m["direction"] == "NZ"
      and m["code"] not in ("", "0")]
assert len(rows) == len(ns), (rows, ns)
for row in rows:
    cells = [c.strip() for c in row.split("|")]
    pairs = cells[0].split()
    a, b = mp[("A", 1, int(pairs[0]))], mp[("A", 1, int(pairs[1]))]
    assert round(float(cells[4]) * 10) == int(a["mp"]), (row, a)
    assert round(float(cells[5]) * 10) == int(b["mp"]), (row, b)
PY

# HTML as the other lists.
"$cli" report "$f" --kind 44 --groups A --range 1-2 --format html --output l.htm 2>/dev/null || fail "html"
grep -q "&#9824; A H V B 10 9 8 7 6 5 4 3 2" l.htm || fail "html hands"

# The pages: boards 1 and 2 link to their anchors in the hands page beside them, board 3 not.
"$cli" pages "$f" --groups A pg >/dev/null 2>&1 || fail "pages"
[ -e pg/Spelverdelingen.htm ] || fail "no hands page"
grep -q '<A NAME="spel1"></A>' pg/Spelverdelingen.htm || fail "no anchor of board 1"
grep -q '<A NAME="spel2"></A>' pg/Spelverdelingen.htm || fail "no anchor of board 2"
cat pg/MPPaarA*.htm >all.htm
grep -q '<A HREF="Spelverdelingen.htm#spel1">1</A>' all.htm || fail "no link to board 1"
grep -q 'Spelverdelingen.htm#spel3' all.htm && fail "a link to board 3, which has no hands"

# USEBIO: the two deals, a suit an element, after the session.
"$cli" export "$f" --format usebio out.xml 2>/dev/null || fail "usebio"
python3 - out.xml <<'PY' || fail "USEBIO deals"
import sys
import xml.etree.ElementTree as ET
event = ET.parse(sys.argv[1]).getroot().find("EVENT")
boards = event.findall("HANDSET/BOARD")
assert [b.find("BOARD_NUMBER").text for b in boards] == ["1", "2"]
assert [b.find("DEALER").text for b in boards] == ["N", "E"]
hands = {h.find("DIRECTION").text: h for h in boards[0].findall("HAND")}
assert list(hands) == ["N", "E", "S", "W"]
assert hands["N"].find("SPADES").text == "AKQJT98765432" and not hands["N"].find("CLUBS").text
assert hands["W"].find("CLUBS").text == "AKQJT98765432"
assert [c.tag for c in hands["N"] if c.tag != "DIRECTION"] == ["CLUBS", "DIAMONDS", "HEARTS", "SPADES"]
PY
echo ok
