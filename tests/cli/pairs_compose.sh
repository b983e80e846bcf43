#!/usr/bin/env bash
# velk-cli pairs compose: pair names from the members register, copied into the pair list.
set -euo pipefail
source "$(dirname "$0")/preamble.bash" "$@"
fixtures="$(cd "$here/../../../shared/fixtures/access" && pwd)"

"$cli" members import "$fixtures/Members.mdb" leden.dat >/dev/null 2>&1 || fail "members import"
"$cli" new club.dba --name "BC Test" --pairs 8 --groups 2 --tables 4 >/dev/null 2>&1 || fail "new"
names() { "$cli" dump club_1.dba | python3 -c '
import json, sys
print("|".join(p["Naam"] for p in json.load(sys.stdin)["PairList"][1:]))'; }
before="$(names)"

# A player used twice: nothing is written.
printf '1 101 102\n2 103 101\n' | "$cli" pairs compose club_1.dba leden.dat >out.txt 2>err.txt \
  && fail "a player used twice was accepted"
grep -q "^Speler2 komt alvoor!" err.txt || fail "message: $(cat err.txt)"
[ "$(names)" = "$before" ] || fail "pair list changed by a refused run"

printf '1 101 102\n2 111 112\n# the second group\n5 117 119\n6 108 113\n' \
  | "$cli" pairs compose club_1.dba leden.dat >out.txt 2>err.txt || fail "compose: $(cat err.txt)"
[ "$(names)" = "Jansen Jan & Berg van der Annemarie|Mulder René & Smit Zoë|PaarA3|PaarA4|Kuipers Inès & Hoekstra Noël|Hof van 't Kees & Brouwer Lotte|PaarB3|PaarB4" ] \
  || fail "names: $(names)"
grep -q "^5  B1  Kuipers Inès & Hoekstra Noël" out.txt || fail "listing: $(cat out.txt)"

# After the first session the names stay as they are.
"$cli" session club_1.dba new --boards 14 --rounds 7 --boardgroups 7 --length 2 >/dev/null 2>&1 || fail "session 2"
printf '3 114 115\n' | "$cli" pairs compose club_1.dba leden.dat >/dev/null 2>err.txt && fail "copied in session 2"
[[ "$(names)" == *"|PaarA3|"* ]] || fail "session 2 changed the names"
echo ok
