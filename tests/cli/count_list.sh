#!/usr/bin/env bash
# velk-cli report --kind 38: the count list of one group lists the group --groups names (a range
# or "*" each group in it, as the other lists take --groups), group A without --groups.
set -euo pipefail
source "$(dirname "$0")/preamble.bash" "$@"

"$cli" demo demo >/dev/null 2>&1 || fail "demo failed"
file=$(ls demo/*.dba | head -1)
"$cli" results "$file" --format csv >results.csv || fail "results failed"

"$cli" report "$file" --kind 38 --groups B >b.txt 2>err.txt || fail "report B failed: $(cat err.txt)"
[ ! -s err.txt ] || fail "report B said: $(cat err.txt)"
[ "$(grep -c '^G r o e p : ' b.txt)" -eq 1 ] || fail "not one group: $(grep '^G r o e p' b.txt)"
grep -qx 'G r o e p : B    Zitting : 1' b.txt || fail "no heading of group B: $(head -4 b.txt)"
grep -q 'G r o e p : A' b.txt && fail "group A listed"
# The demo's session is dated the day it is made.
grep -qxE 'Tellijst van Matchpunten         Datum : [0-3][0-9]-[01][0-9]-20[0-9]{2}' b.txt ||
  fail "title: $(head -2 b.txt)"

# Every pair row of group B: its number, total, percentage, rank and name are the results of B.
python3 - b.txt results.csv <<'PY' || fail "the rows are not group B's results"
import csv, re, sys
rows = [l for l in open(sys.argv[1], encoding="utf-8").read().split("\n") if re.match(r"^ {2}\d ", l)]
want = [r for r in csv.DictReader(open(sys.argv[2], encoding="utf-8")) if r["group"] == "B"]
assert len(rows) == len(want) == 8, (len(rows), len(want))
for line, r in zip(rows, want):
    tail = "%7.1f%8.2f%4d  %s" % (float(r["points"]), float(r["percentage"]), int(r["rank"]), r["name"])
    assert line.startswith("%3d   " % int(r["grpnr"])), line
    assert line.endswith(tail), (line, tail)
PY

# Without --groups group A, as the score entry window opens on it; A-B and "*" list both in order.
"$cli" report "$file" --kind 38 >a.txt || fail "report without --groups failed"
[ "$(grep '^G r o e p : ' a.txt)" = "G r o e p : A    Zitting : 1" ] || fail "without --groups: $(grep '^G r o e p' a.txt)"
cmp -s a.txt b.txt && fail "group A and group B are the same list"
for groups in A-B '*'; do
  "$cli" report "$file" --kind 38 --groups "$groups" >both.txt || fail "report $groups failed"
  [ "$(grep '^G r o e p : ' both.txt | tr '\n' '|')" = "G r o e p : A    Zitting : 1|G r o e p : B    Zitting : 1|" ] ||
    fail "--groups $groups: $(grep '^G r o e p' both.txt)"
  # Group B's table in it is the one listed alone.
  diff <(sed -n '/^G r o e p : B/,$p' both.txt) <(sed -n '/^G r o e p : B/,$p' b.txt) >/dev/null ||
    fail "--groups $groups: group B differs"
done

# A group that is no letter is refused with the selection's message, nothing listed.
status=0
"$cli" report "$file" --kind 38 --groups 3 >out.txt 2>err.txt || status=$?
[ "$status" -eq 1 ] || fail "--groups 3: status $status"
[ ! -s out.txt ] || fail "--groups 3 listed: $(head -3 out.txt)"
grep -q '^Groep  is geen geldige waarde' err.txt || fail "--groups 3 said: $(cat err.txt)"
echo ok
