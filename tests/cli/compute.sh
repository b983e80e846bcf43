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

# A damaged list is said to be so, and nothing is listed.
cp club_1_mp1.dat good.dat
head -c 20 good.dat >club_1_mp1.dat
if "$cli" matchpoints club_1.dba --format csv >out.txt 2>err.txt; then fail "damaged list listed"; fi
[ "$(cat err.txt)" = "matchpunten van zitting 1 niet te lezen: club_1_mp1.dat is beschadigd" ] \
  || fail "damaged list: $(cat err.txt)"
[ ! -s out.txt ] || fail "damaged list printed $(cat out.txt)"
cp good.dat club_1_mp1.dat

# Two groups computed one at a time: the list keeps the other group's lines, and only the
# computation that gave codes writes the score file, the previous one kept as its backup.
mkdir two && cd two
"$cli" new club.dba --pairs 16 --groups 2 --tables 8 --neuberg niet >/dev/null 2>err.txt || fail "new: $(cat err.txt)"
"$cli" session club_1.dba set --session 1 --boards 2 --rounds 2 --boardgroups 2 --length 1 >/dev/null 2>err.txt \
  || fail "session: $(cat err.txt)"
rm -f club_1.sco club_1.~sc
# Group B's table 4 did not play board 1.
python3 "$here/make_score_file.py" club_1.SCO 16 2 8 \
  1,1,1,5,420 1,1,2,6,400 1,1,3,7,400 1,1,4,8,-50 1,2,1,5,100 1,2,2,6,110 1,2,3,7,120 1,2,4,8,130 \
  2,1,1,5,200 2,1,2,6,100 2,1,3,7,50 2,2,1,5,-100 2,2,2,6,-200 2,2,3,7,300 2,2,4,8,300
cp club_1.SCO scores.before
cp club_1.sma schedules.before
cp club_1.~sm schedules.backup
"$cli" compute club_1.dba --groups A >/dev/null 2>err.txt || fail "compute A: $(cat err.txt)"
[ ! -e club_1.~sc ] || fail "group A wrote the score file"
"$cli" matchpoints club_1.dba --format csv >a.csv 2>err.txt || fail "matchpoints A: $(cat err.txt)"
[ "$(wc -l <a.csv)" -eq 17 ] || fail "group A lines $(wc -l <a.csv)"
grep -qx "A,1,1,NZ,N,420,0,60" a.csv || fail "group A board 1 pair 1"
"$cli" compute club_1.dba --groups B >/dev/null 2>err.txt || fail "compute B: $(cat err.txt)"
cmp -s club_1.~sc scores.before || fail "the score file's backup is not the file before"
cmp -s club_1.SCO scores.before && fail "the codes given were not written"
"$cli" matchpoints club_1.dba --format csv >ab.csv 2>err.txt || fail "matchpoints A and B: $(cat err.txt)"
[ "$(wc -l <ab.csv)" -eq 33 ] || fail "lines $(wc -l <ab.csv)"
[ "$(head -17 ab.csv)" = "$(cat a.csv)" ] || fail "group A's lines changed"
grep -q "^B,1,4,NZ,O," ab.csv || fail "absent pair 4: $(grep '^B,1,4,' ab.csv)"
grep -qx "B,1,1,NZ,N,200,0,40" ab.csv || fail "group B board 1 pair 1: $(grep '^B,1,1,' ab.csv)"
# A damaged list cannot keep group A's lines when only B is computed: said, and B's lines written.
head -c 30 club_1_mp1.dat >damaged.dat && cp damaged.dat club_1_mp1.dat
"$cli" compute club_1.dba --groups B >/dev/null 2>err.txt || fail "compute B over a damaged list: $(cat err.txt)"
grep -qxF "matchpunten van zitting 1 niet te lezen: club_1_mp1.dat is beschadigd: alleen de berekende groepen staan in de nieuwe lijst" err.txt \
  || fail "damaged list not said: $(cat err.txt)"
"$cli" matchpoints club_1.dba --format csv >b.csv 2>err.txt || fail "matchpoints B: $(cat err.txt)"
[ "$(wc -l <b.csv)" -eq 17 ] && [ "$(grep -c '^B,' b.csv)" -eq 16 ] || fail "group B alone: $(cat b.csv)"

# The schedules are read, never written.
cmp -s club_1.sma schedules.before && cmp -s club_1.~sm schedules.backup || fail "schedule file written"
cd ..

# Without a competition file there is nothing to compute.
if "$cli" compute missing.dba 2>/dev/null; then fail "missing file accepted"; fi
echo ok
