#!/usr/bin/env bash
# velk-cli demo: a two-group session made, scored and computed; its results are checked against
# match points computed here from the stored scores and the schedule alone.
set -euo pipefail
source "$(dirname "$0")/preamble.bash" "$@"

"$cli" demo yes >yes.txt 2>err.txt || fail "demo: $(cat err.txt)"
head -1 yes.txt | grep -qx "Demo, zitting 1: 14 spellen, schema 7r-8p-howell-4t.ws0" || fail "title: $(head -1 yes.txt)"
grep -qx "Groep A" yes.txt && grep -qx "Groep B" yes.txt || fail "groups: $(cat yes.txt)"
grep -qx "Rang  Paar  Naam                       Punten  Procent  Spellen" yes.txt || fail "heading"
[ "$(grep -cE '^ +[0-9]+ +[0-9]+ ' yes.txt)" -eq 16 ] || fail "pair lines: $(cat yes.txt)"
grep -qx "Ongespeeld spel: 5 in Groep: B" err.txt || fail "unplayed board not reported: $(cat err.txt)"

# A fixed seed: the same session every time.
"$cli" demo again >again.txt 2>/dev/null || fail "second demo"
[ "$(sed '$d' yes.txt)" = "$(sed '$d' again.txt)" ] || fail "results differ between runs"
cmp -s yes/demo_1.sco again/demo_1.sco || fail "score files differ between runs"

# A folder that holds files is left alone.
if "$cli" demo yes >/dev/null 2>err.txt; then fail "non-empty folder accepted"; fi
grep -qx "map is niet leeg: yes" err.txt || fail "message: $(cat err.txt)"

# "Nee" to the arbitral question keeps the full top on the short board.
"$cli" demo no --no >no.txt 2>/dev/null || fail "demo --no"

for run in yes no; do
  f="$run/demo_1.dba"
  "$cli" results "$f" --format csv >"$run.csv" 2>/dev/null || fail "results $run"
  "$cli" scores show "$f" >"$run.scores" 2>/dev/null || fail "scores show $run"
  "$cli" schedule show "$f" >"$run.schedule" 2>/dev/null || fail "schedule show $run"
done
# The "yes" run finds the table that did not play board 5 in the "no" run's scores.
for run in yes no; do
  python3 "$here/independent_results.py" "$run" || fail "independent computation ($run)"
done

# Both answers give the pairs who played the board their share of the full top.
grep -q '^B,1,.*,53.10,' yes.csv && grep -q '^B,1,.*,53.10,' no.csv || fail "de Wit - Dijkstra: $(grep '^B,1,' yes.csv no.csv)"

# matchpoints lists what compute stored and results summed, whatever it is asked now.
for run in yes no; do
  "$cli" matchpoints "$run/demo_1.dba" --format csv --no >"$run.mp" 2>/dev/null || fail "matchpoints $run"
  python3 - "$run.mp" "$run.csv" <<'PY' || fail "matchpoints $run do not add up to the results"
import csv, sys
mp = list(csv.DictReader(open(sys.argv[1])))
results = list(csv.DictReader(open(sys.argv[2])))
assert len(mp) == 2 * 14 * 8, len(mp)
for r in results:
    tenths = sum(int(m["mp"]) for m in mp if m["group"] == r["group"] and m["pair"] == r["grpnr"] and int(m["mp"]) > -10000)
    assert abs(tenths / 10 - float(r["points"])) < 1e-6, (r["group"], r["grpnr"], tenths, r["points"])
PY
done
echo ok
