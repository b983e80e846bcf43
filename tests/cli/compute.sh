#!/usr/bin/env bash
# velk-cli compute, results and matchpoints on a small session made from scratch.
set -euo pipefail
source "$(dirname "$0")/preamble.bash" "$@"

"$cli" new club.dba --pairs 8 --groups 1 --tables 4 --neuberg niet >/dev/null 2>err.txt || fail "new: $(cat err.txt)"
"$cli" session club_1.dba set --session 1 --boards 3 --rounds 3 --boardgroups 3 --length 1 >/dev/null 2>err.txt \
  || fail "session: $(cat err.txt)"

# Pairs 1..4 sit North-South against 5..8 on all three boards.
python3 "$here/make_score_file.py" club_1.SCO 8 3 8 \
  1,1,1,5,420 1,1,2,6,400 1,1,3,7,400 1,1,4,8,-50 \
  1,2,1,5,100 1,2,2,6,110 1,2,3,7,120 1,2,4,8,130 \
  1,3,1,5,-600 1,3,2,6,-600 1,3,3,7,-600 1,3,4,8,-600

if "$cli" compute club_1.dba --groups C 2>err.txt; then fail "group C accepted"; fi
"$cli" compute club_1.dba --groups A 2>err.txt || fail "compute: $(cat err.txt)"
[ -e club_1.~db ] || fail "no backup of the competition file"

"$cli" results club_1.dba --format csv >results.csv 2>err.txt || fail "results: $(cat err.txt)"
python3 - results.csv <<'PY' || fail "results: $(cat results.csv)"
import csv, sys
rows = list(csv.DictReader(open(sys.argv[1], encoding="utf-8")))
assert len(rows) == 8
# Top 6 over 3 boards: 10 match points are 55.56 %, 9 are 50 %, 8 are 44.44 %.
want = {1: (9, 50.00, 3), 2: (8, 44.44, 7), 3: (10, 55.56, 1), 4: (9, 50.00, 3),
        5: (9, 50.00, 3), 6: (10, 55.56, 1), 7: (8, 44.44, 7), 8: (9, 50.00, 3)}
for r in rows:
    p = int(r["grpnr"])
    points, pct, rank = want[p]
    assert float(r["points"]) == points, r
    assert r["percentage"] == "%.2f" % pct and r["total"] == "%.2f" % pct, r
    assert int(r["rank"]) == rank and int(r["comprank"]) == rank, r
    assert r["status"] == "1" and r["boards"] == "3" and r["substitutes"] == "0", r
PY

"$cli" matchpoints club_1.dba --format csv >mp.csv 2>err.txt || fail "matchpoints: $(cat err.txt)"
[ "$(head -1 mp.csv)" = "group,board,pair,direction,code,score,flags,mp" ] || fail "header $(head -1 mp.csv)"
grep -qx "A,1,1,NZ,N,420,0,60" mp.csv || fail "board 1 pair 1: $(grep '^A,1,1,' mp.csv)"
grep -qx "A,1,2,NZ,N,400,0,30" mp.csv || fail "board 1 pair 2"
grep -qx "A,1,8,OW,N,50,8,60" mp.csv || fail "board 1 pair 8"
grep -qx "A,3,5,OW,N,600,8,30" mp.csv || fail "board 3 pair 5"
[ "$(wc -l <mp.csv)" -eq 25 ] || fail "lines $(wc -l <mp.csv)"

# Without a competition file there is nothing to compute.
if "$cli" compute missing.dba 2>/dev/null; then fail "missing file accepted"; fi
echo ok
