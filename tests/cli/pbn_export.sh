#!/usr/bin/env bash
# velk-cli export --format pbn: the demo session's deals with their results as PBN ScoreTables,
# read back with a reader of its own; every line's scores and match points must agree with what
# matchpoints lists.
set -euo pipefail
source "$(dirname "$0")/preamble.bash" "$@"

"$cli" demo d >/dev/null 2>&1 || fail "demo"
f=d/demo_1.dba
"$cli" export "$f" --format pbn out.pbn 2>err.txt && fail "exported without hands"
grep -qx "zitting 1 heeft geen spelverdelingen: gebruik eerst velk-cli hands deal of hands import" err.txt \
  || fail "no hands: $(cat err.txt)"
"$cli" hands deal "$f" --seed 5 2>/dev/null || fail "deal"
"$cli" hands show "$f" --format json >hands.json 2>/dev/null || fail "show"
"$cli" matchpoints "$f" --format csv >mp.csv 2>/dev/null || fail "matchpoints"
"$cli" export "$f" --session 1 --format pbn out.pbn 2>err.txt || fail "export: $(cat err.txt)"

python3 - out.pbn mp.csv hands.json <<'PY' || fail "the PBN results do not agree"
import csv, json, re, sys
text = open(sys.argv[1], encoding="utf-8", newline="").read()
mp = {(m["group"], int(m["board"]), int(m["pair"])): m for m in csv.DictReader(open(sys.argv[2]))}
hands = {b["board"]: b for b in json.load(open(sys.argv[3]))["boards"]}
games = [g for g in re.split(r"\r\n\r\n", text.split("% EXPORT\r\n", 1)[1]) if g.strip()]
assert len(games) == 2 * 14, len(games)
lines = 0
for game in games:
    tags = dict(re.findall(r'^\[(\w+) "((?:[^"\\]|\\.)*)"\]', game, re.M))
    board, group = int(tags["Board"]), tags["Section"]
    h = hands[board]
    assert tags["Deal"] == h["deal"] and tags["Dealer"] == h["dealer"] and tags["Vulnerable"] == h["vulnerable"]
    assert tags["OptimumScore"] == "NS %d" % h["par"]["score"], (tags["OptimumScore"], h["par"])
    assert tags["Scoring"] == "MP"
    assert tags["ScoreTable"] == r"PairId_NS\\2R;PairId_EW\\2R;Contract\\5L;Result\\2R;Score_NS\\5R;MP_NS\\5R;MP_EW\\5R"
    rows = game.split("[ScoreTable", 1)[1].split("\r\n")[1:]
    for row in filter(None, rows):
        ns, ew, contract, result, score, mp_ns, mp_ew = row.split()
        a, b = mp[(group, board, int(ns))], mp[(group, board, int(ew))]
        assert a["direction"] == "NZ" and b["direction"] == "OW", row
        if a["code"] == "N":
            assert int(score) == int(a["score"]), (row, a)
        if mp_ns != "-":
            assert round(float(mp_ns) * 10) == int(a["mp"]), (row, a)
        if mp_ew != "-":
            assert round(float(mp_ew) * 10) == int(b["mp"]), (row, b)
        if result != "-":
            assert 0 <= int(result) <= 13 and re.fullmatch(r"[1-7](NT|S|H|D|C)X{0,2}", contract), row
        lines += 1
# Every table that played a board with a score: the North-South records of the list.
assert lines == sum(1 for m in mp.values() if m["direction"] == "NZ" and m["code"] not in ("", "0")), lines
PY
echo ok
