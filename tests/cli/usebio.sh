#!/usr/bin/env bash
# velk-cli export --format usebio: the demo session written as USEBIO 1.2 and read back with
# Python's own XML reader; every pair, traveller line and total must agree with what results and
# matchpoints list.
set -euo pipefail
source "$(dirname "$0")/preamble.bash" "$@"

"$cli" demo d >/dev/null 2>&1 || fail "demo"
f=d/demo_1.dba
"$cli" results "$f" --format csv >results.csv 2>/dev/null || fail "results"
"$cli" matchpoints "$f" --format csv >mp.csv 2>/dev/null || fail "matchpoints"
"$cli" export "$f" --session 1 --format usebio out.xml 2>err.txt || fail "export: $(cat err.txt)"

python3 - out.xml results.csv mp.csv <<'PY' || fail "USEBIO file does not agree"
import csv, sys
import xml.etree.ElementTree as ET

root = ET.parse(sys.argv[1]).getroot()
results = list(csv.DictReader(open(sys.argv[2], encoding="utf-8")))
mp = list(csv.DictReader(open(sys.argv[3])))
assert root.tag == "USEBIO" and root.get("Version") == "1.2", root.attrib
assert root.find("CLUB/CLUB_NAME").text == "Demo"
event = root.find("EVENT")
assert event.get("EVENT_TYPE") == "MP_PAIRS"
assert event.find("BOARD_SCORING_METHOD").text == "MATCH_POINTS"
assert event.find("BOARDS_PLAYED").text == "14"
sections = event.findall("SESSION/SECTION")
assert [s.get("SECTION_ID") for s in sections] == ["A", "B"]

records = {(m["group"], int(m["board"]), int(m["pair"])): m for m in mp}
for section in sections:
    g = section.get("SECTION_ID")
    pairs = {p.find("PAIR_NUMBER").text: p for p in section.findall("PARTICIPANTS/PAIR")}
    rows = [r for r in results if r["group"] == g]
    assert len(pairs) == len(rows) == 8, (g, len(pairs))
    totals = {n: 0.0 for n in pairs}
    lines = 0
    for board in section.findall("BOARD"):
        b = int(board.find("BOARD_NUMBER").text)
        for line in board.findall("TRAVELLER_LINE"):
            lines += 1
            ns, ew = line.find("NS_PAIR_NUMBER").text, line.find("EW_PAIR_NUMBER").text
            nsr, ewr = records[(g, b, int(ns))], records[(g, b, int(ew))]
            assert nsr["direction"] == "NZ" and ewr["direction"] == "OW", (g, b, ns, ew)
            score = line.find("SCORE")
            if nsr["code"] in "EN":
                assert int(score.text) == int(nsr["score"]) == -int(ewr["score"]), (g, b, ns)
                contract = line.find("CONTRACT").text
                assert contract == "PASS" or contract[0] in "1234567", contract
            else:
                assert score is None and line.find("CONTRACT") is None, (g, b, ns, nsr["code"])
            for side, rec, pair in (("NS", nsr, ns), ("EW", ewr, ew)):
                points = float(line.find(side + "_MATCH_POINTS").text)
                assert abs(points - int(rec["mp"]) / 10) < 1e-9, (g, b, pair, points, rec["mp"])
                totals[pair] += points
    # Every table that reported a result is on a traveller: each North-South record with a code.
    expected = sum(1 for m in mp if m["group"] == g and m["direction"] == "NZ" and m["code"] not in "@O")
    assert lines == expected, (g, lines, expected)
    for r in rows:
        p = pairs[r["grpnr"]]
        names = " - ".join(n.text for n in p.findall("PLAYER/PLAYER_NAME"))
        assert names == r["name"], (names, r["name"])
        assert [c.text for c in p.findall("PLAYER/CLUB_ID_NUMBER")] == [r["clubnr"]] * 2
        assert abs(float(p.find("TOTAL_SCORE").text) - float(r["points"])) < 0.05, r
        assert abs(totals[r["grpnr"]] - float(r["points"])) < 1e-6, (r, totals[r["grpnr"]])
        pct = float(r["percentage"]) + float(r["correction"])
        assert abs(float(p.find("PERCENTAGE").text) - pct) < 0.006, r
        assert p.find("PLACE").text == r["rank"], r
        assert p.find("BOARDS_PLAYED").text == r["boards"], r
print("ok")
PY

# Names with markup characters are escaped, the file stays well-formed.
grep -q '<NS_MATCH_POINTS>' out.xml || fail "no match points"

# Without computed match points there is nothing to export, and nothing is written.
"$cli" new fresh.dba --pairs 8 --groups 1 --tables 4 --yes >/dev/null 2>&1 || fail "new"
if "$cli" export fresh_1.dba --format usebio none.xml 2>err.txt; then fail "export without match points"; fi
[ ! -e none.xml ] || fail "file written without match points"
grep -q "geen matchpunten berekend" err.txt || fail "message: $(cat err.txt)"
if "$cli" export "$f" --format csv x.xml 2>/dev/null; then fail "format csv accepted"; fi
echo ok
