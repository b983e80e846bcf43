#!/usr/bin/env bash
# velk-cli report writes the season lists: the demo competition copied as competitions 1-3 of a
# season (every pair's total three times its competition result), the summer drives and the slams.
set -euo pipefail
source "$(dirname "$0")/preamble.bash" "$@"

"$cli" demo d >/dev/null 2>&1 || fail "demo"
for n in 2 3; do cp d/demo_1.dba "d/demo_$n.dba"; done
"$cli" results d/demo_1.dba --format csv >results.csv 2>/dev/null || fail "results"

"$cli" report d/demo_3.dba --kind 6 --competitions 1-3 >year.txt 2>err.txt || fail "report 6: $(cat err.txt)"
python3 - year.txt results.csv <<'PY' || fail "year totals"
import csv, sys
lines = open(sys.argv[1], encoding="utf-8").read().splitlines()
results = list(csv.DictReader(open(sys.argv[2], encoding="utf-8")))
assert lines[1].startswith("T O T A A L  per J A A R op plaats"), lines[1]
assert lines[3].startswith("Competitie: " + " " * 31 + " 1" + " " * 10 + " 2"), lines[3]
rows = lines[8:]
assert len(rows) == 16, rows
totals = [float(r.split()[-2]) for r in rows]
assert totals == sorted(totals, reverse=True), totals
by_club = {int(r[:4]): r for r in rows}
for r in results:
    # The competition result is the cumulative percentage after the session: three of them.
    row = by_club[int(r["clubnr"])]
    assert row[7:39].rstrip() == r["name"], (row, r)
    assert abs(float(row.split()[-2]) - 3 * float(r["total"])) < 0.011, (row, r)
    place = 1 + sum(1 for o in results if float(o["total"]) > float(r["total"]))
    assert int(row.split()[-1]) == place, (row, place)
print("ok")
PY

"$cli" report d/demo_3.dba --kind 5 --competitions 2-3 >byclub.txt 2>/dev/null || fail "report 5"
[ "$(sed -n '9p' byclub.txt | cut -c1-4)" = "   1" ] || fail "by club number: $(sed -n 9p byclub.txt)"
[ "$(tail -n +9 byclub.txt | wc -l)" -eq 16 ] || fail "rows: $(cat byclub.txt)"

"$cli" report d/demo_3.dba --kind 17 --yes --drives 2 >drives.txt 2>err.txt || fail "report 17: $(cat err.txt)"
grep -q "^ZomerDrive: *1 *2 *$" drives.txt || fail "drives: $(cat drives.txt)"
if "$cli" report d/demo_3.dba --kind 17 --drives 2 >/dev/null 2>err.txt; then fail "drives without Ja"; fi
grep -qx "Zijn er afzondelijk zomerdrives gespeeld ?" err.txt || fail "question: $(cat err.txt)"

"$cli" report d/demo_3.dba --kind 20 >slams.txt 2>err.txt || fail "report 20: $(cat err.txt)"
grep -q "^C o m p e t i t i e : 1 t.e.m.3$" slams.txt || fail "slams: $(cat slams.txt)"
"$cli" report d/demo_3.dba --kind 20 --html >slams.htm 2>/dev/null || fail "report 20 html"
grep -q '<TABLE ID="table_1" BORDER="1" CELLSPACING="1" CELLPADDING="4">' slams.htm || fail "slam table"

# A competition file missing from the season: the question, and "Nee" ends the list.
rm d/demo_2.dba
if "$cli" report d/demo_3.dba --kind 5 --competitions 1-3 >/dev/null 2>err.txt; then fail "missing file"; fi
grep -qx "Geen Competitie bestand demo_2.dba" err.txt || fail "message: $(cat err.txt)"
echo ok
