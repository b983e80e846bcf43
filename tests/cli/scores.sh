#!/usr/bin/env bash
# velk-cli scores: lines from standard input stored as the score entry form stores them.
set -euo pipefail
source "$(dirname "$0")/preamble.bash" "$@"

"$cli" new club.dba --pairs 16 --groups 2 --tables 8 >/dev/null 2>&1 || fail "new"
"$cli" session club_1.dba new --boards 28 --rounds 7 --boardgroups 7 --length 4 >/dev/null 2>&1 \
  || fail "session new"
"$cli" schedule read club_1.dba --groups '*' "$schemas/7r-8p-howell-4t.ws0" >/dev/null 2>&1 || fail "schedule"

# Board 1, round 1: pair 8 North-South against pair 1; board 5: pair 8 against pair 3.
printf 'A 1 8 420\nA 1 2 4HX -2\nB 1 8 A60%%\n# a comment\nA 5 8 3A C\n' \
  | "$cli" scores enter club_1.dba >out.txt 2>err.txt || fail "enter: $(cat err.txt)"
grep -qx "4 scores ingevoerd" out.txt || fail "output: $(cat out.txt)"
"$cli" scores show club_1.dba >show.txt 2>/dev/null || fail "show"
expected='A 1 1 - - -420 1 14 8 -420
A 1 2 4HX -2 -300 1 14 8 -300
A 1 6 - - 300 0 14 0  300
A 1 8 - - 420 0 14 0  420
A 5 3 - - -600 1 14 8 -600
A 5 8 3SA C 600 0 14 0  600
B 1 1 - - 40 1 1 8 A40%
B 1 8 - - 60 0 1 0 A60%'
[ "$(cat show.txt)" = "$expected" ] || fail "stored records: $(cat show.txt)"
# Both sessions' blocks: 4 + (16 x 24 + 1) x 17 and 4 + (16 x 28 + 1) x 17 bytes.
[ "$(stat -c %s club_1.sco)" -eq 14186 ] || fail "score file size $(stat -c %s club_1.sco)"
[ -f club_1.~sc ] || fail "no backup of the score file"

# Any refused line: the messages, exit status 1 and the file untouched.
cp club_1.sco before.sco
if printf 'A 1 1 -420\nA 2 8 425\nA 1 9 420\nC 1 1 420\nA 99 1 420\nA 1 8 9S C\n' \
  | "$cli" scores enter club_1.dba >/dev/null 2>err.txt; then
  fail "refused lines accepted"
fi
for m in "Wijzigen niet toegestaan" "Score bestaat NIET 425" "Geen Paar gevonden 420" \
  "regel 4: groep bestaat niet: C" "regel 5: spel bestaat niet: 99" "Foutief Bod 9S" \
  "Scorelijst niet bewaard: 6 regel(s) geweigerd"; do
  grep -qF "$m" err.txt || fail "no message '$m': $(cat err.txt)"
done
cmp -s before.sco club_1.sco || fail "a refused entry changed the score file"

# "Wijzig OW": an East-West score of its own, the North-South one kept.
printf 'B 1 1 A60%%\n' | "$cli" scores enter club_1.dba --wijzig-ow >/dev/null 2>&1 || fail "wijzig-ow"
"$cli" scores show club_1.dba 2>/dev/null | grep -qx "B 1 1 - - 60 1 1 8 A60%" || fail "east-west score"
"$cli" scores show club_1.dba 2>/dev/null | grep -qx "B 1 8 - - 60 0 1 0 A60%" || fail "north-south kept"
echo ok
