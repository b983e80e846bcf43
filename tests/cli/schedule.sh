#!/usr/bin/env bash
# velk-cli schedule: a library schedule read into every group of a session, shown, and checked.
set -euo pipefail
source "$(dirname "$0")/preamble.bash" "$@"

"$cli" new club.dba --pairs 24 --groups 2 --tables 12 >/dev/null 2>&1 || fail "new"
"$cli" session club_1.dba new --boards 24 --rounds 5 --boardgroups 6 --length 4 >/dev/null 2>&1 \
  || fail "session new"

# Both groups get the 6-table Mitchell; group B's tables and pairs are shifted by 6 and 12.
"$cli" schedule read club_1.dba --groups '*' "$schemas/5r-12p-mitchell-6t.ws0" 2>err.txt \
  || fail "read: $(cat err.txt)"
grep -q "Lees Schema, Openen van" err.txt || fail "no opening message"
"$cli" schedule show club_1.dba >show.txt 2>/dev/null || fail "show"
[ "$(wc -l <show.txt)" -eq 60 ] || fail "show gave $(wc -l <show.txt) lines"
grep -qx "A 1 1 1 7 A" show.txt || fail "group A, round 1, table 1"
grep -qx "B 1 7 13 19 A" show.txt || fail "group B, round 1, table 7: $(grep '^B 1 7 ' show.txt)"
grep -qx "B 5 12 18 19 D" show.txt || fail "group B, round 5, table 12: $(grep '^B 5 12 ' show.txt)"
[ -f club_1.~sm ] || fail "no backup of the schedule file"

# A schedule of the wrong size leaves the session as it was.
cp club_1.sma before.sma
if "$cli" schedule read club_1.dba --groups A "$schemas/5r-6p-howell-3t-shared.ws0" 2>err.txt; then
  fail "a 6-pair schedule read into 12 pairs"
fi
grep -q "Ongeldig aantal: paren..spelgroepen" err.txt || fail "mismatch: $(cat err.txt)"
cmp -s before.sma club_1.sma || fail "a refused schedule changed the file"
if "$cli" schedule read club_1.dba --groups C "$schemas/5r-12p-mitchell-6t.ws0" 2>/dev/null; then
  fail "group C accepted"
fi

# The editor's checks on a library file and on a broken one.
"$cli" schedule check "$schemas/7r-8p-howell-4t.ws0" >out.txt 2>err.txt || fail "check: $(cat err.txt)"
grep -q "Schema correct" out.txt || fail "check output: $(cat out.txt)"
printf '\x01\x04\x02\x02\x01\x01\x02A\x02\x01\x03B' >broken.ws0
if "$cli" schedule check broken.ws0 >out.txt 2>err.txt; then
  fail "a pair at two tables passed"
fi
grep -q "1 : speelt al op andere tafel" err.txt || fail "check message: $(cat err.txt)"
head -c 7 "$schemas/7r-8p-howell-4t.ws0" >short.ws0
if "$cli" schedule check short.ws0 2>err.txt >/dev/null; then
  fail "a truncated schedule passed"
fi
grep -q "Schemalist niet correct" err.txt || fail "short file message: $(cat err.txt)"
echo ok
