#!/usr/bin/env bash
# velk-cli pages: the per-pair pages of the two-group demo session, parsed back with Python's own
# HTML parser; every pair's rows, running totals, total and percentage must agree with results
# and matchpoints. Headless Chromium renders one page when it is installed.
set -euo pipefail
source "$(dirname "$0")/preamble.bash" "$@"

"$cli" demo d >/dev/null 2>&1 || fail "demo"
f=d/demo_1.dba
"$cli" results "$f" --format csv >results.csv 2>/dev/null || fail "results"
"$cli" matchpoints "$f" --format csv >mp.csv 2>/dev/null || fail "matchpoints"
"$cli" pages "$f" --groups '*' web 2>err.txt || fail "pages: $(cat err.txt)"
grep -qx "Bewaren Matchpunten is gelukt voor alle paren van Groep : At/mB" err.txt || fail "message: $(cat err.txt)"
grep -qx " tevens Paarnamen.htm bewaard" err.txt || fail "second line: $(cat err.txt)"
[ "$(ls web | wc -l)" -eq 17 ] || fail "pages: $(ls web)"

PYTHONDONTWRITEBYTECODE=1 PYTHONPATH="$here" python3 - web results.csv mp.csv <<'PY' || fail "pages do not agree"
import csv, os, sys
from page_cells import Cells

folder = sys.argv[1]
results = list(csv.DictReader(open(sys.argv[2], encoding="utf-8")))
mp = {(m["group"], int(m["board"]), int(m["pair"])): m for m in csv.DictReader(open(sys.argv[3]))}

for r in results:
    g, n = r["group"], int(r["grpnr"])
    raw = open(os.path.join(folder, "MPPaar%s%d.htm" % (g, n)), "rb").read()
    page = Cells()
    page.feed(raw.decode("iso-8859-1"))
    assert page.meta == "text/html; charset=iso-8859-1", page.meta
    rows = page.rows
    assert rows[2][0] == "G r o e p :%s     Zitting : 1" % g, rows[2]
    assert rows[2][1] == "TopPunt per Spel =6", rows[2]
    assert rows[3] == ["Paar %d: %s" % (n, r["name"])], rows[3]
    boards, total, played = 0, 0.0, 0
    for row in rows[4:-1]:
        if row[0].startswith("Ronde") or row[0] == "Spel":
            continue
        b = int(row[0])
        rec = mp[(g, b, n)]
        assert row[1] == rec["direction"], (g, n, b, row)
        assert float(row[3]) == int(rec["mp"]) / 10, (g, n, b, row, rec)
        boards += 1
        total += int(rec["mp"]) / 10
        if rec["code"] not in "@O":
            played += 1
        if row[4]:
            # The running total and percentage after each round: match points over a top of 6.
            running, pct = row[4].replace("%", "").split()
            assert abs(float(running) - total) < 0.05, (row, total)
            assert abs(float(pct) - total * 100 / 6 / played) < 0.006, (row, total, played)
    assert boards == 14 - (1 if g == "B" and mp[(g, 5, n)]["code"] in "@O" else 0) or boards == 14, boards
    closing = rows[-1]
    assert closing[0] == "Totaal" and closing[1] == "Punten Procenten  :", closing
    value, pct = closing[2].replace("%", "").split()
    assert abs(float(value) - float(r["points"])) < 0.05, (closing, r)
    assert abs(float(pct) - (float(r["percentage"]) + float(r["correction"]))) < 0.006, (closing, r)
    assert abs(total - float(r["points"])) < 1e-6, (total, r)

names = open(os.path.join(folder, "ParenNamen.htm"), "rb").read().decode("iso-8859-1").splitlines()
assert names[0] == '{var line_array=["Paren",', names[0]
assert names[-1] == "];}", names[-1]
# No "&" in the demo's names: the first word twice.
assert names[1] == '"Jansen  & Jansen ",', names[1]
assert len(names) == 2 + 16
print("ok")
PY

# One page rendered by headless Chromium, when it is there.
browser=$(command -v chromium || command -v chromium-browser || true)
if [ -n "$browser" ]; then
  timeout 60 "$browser" --headless --no-sandbox --disable-gpu --screenshot="$PWD/page.png" \
    --window-size=700,900 "file://$PWD/web/MPPaarA1.htm" >chromium.log 2>&1 || fail "chromium: $(tail -5 chromium.log)"
  [ -s page.png ] || fail "no screenshot"
else
  echo "chromium not installed: the page is not rendered" >&2
fi
echo ok
