#!/usr/bin/env bash
# velk-cli points, correct and slams: the points window, the percentage correction and the slam
# check from the command line, checked in the files they save.
set -euo pipefail
source "$(dirname "$0")/preamble.bash" "$@"

# Two groups of 12 pairs, 24 boards: top 10, so 240 points at most and 120 points is 50 %.
"$cli" new club.dba --pairs 24 --groups 2 --tables 12 >/dev/null 2>&1 || fail "new"
row() { "$cli" results club_1.dba --format csv 2>/dev/null | awk -F, -v g="$1" -v p="$2" \
  '$1 == g && $2 == p { print $5, $6, $7, $8, $9, $12 }'; }

# A point above the range: the message, exit 1 and the file untouched.
cp club_1.dba before.dba
if printf 'A 1 241\n' | "$cli" points club_1.dba >/dev/null 2>err.txt; then fail "241 accepted"; fi
grep -qxF "Waarde niet in bereik van 0 tot 240" err.txt || fail "no range message: $(cat err.txt)"
grep -qF "Punten niet bewaard: 1 regel(s) geweigerd" err.txt || fail "no refusal: $(cat err.txt)"
if printf 'A 1 100 3\n' | "$cli" points club_1.dba >/dev/null 2>err.txt; then fail "3 substitutes"; fi
grep -qxF "Waarde niet in bereik van 0 tot 2" err.txt || fail "no substitutes message: $(cat err.txt)"
if printf 'A 1 100 x\nC 1 100\nA 13 100\n' | "$cli" points club_1.dba >/dev/null 2>err.txt; then
  fail "bad lines accepted"
fi
for m in "Invaller foutief" "regel 2: groep bestaat niet: C" "regel 3: paar bestaat niet: 13"; do
  grep -qF "$m" err.txt || fail "no message '$m': $(cat err.txt)"
done
cmp -s before.dba club_1.dba || fail "a refused line changed the file"

# Group A: pair 1 plays 62 % with two substitutes (the competition allows 45 %), pair 2 62 %,
# pair 3 3 %, the others 50 %.
{ printf 'A 1 148,8 2\nA 2 148.8\nA 3 7,2\n'; for p in 4 5 6 7 8 9 10 11 12; do echo "A $p 120"; done; } \
  | "$cli" points club_1.dba >out.txt 2>err.txt || fail "points: $(cat err.txt)"
grep -qx "12 paren ingevoerd" out.txt || fail "output: $(cat out.txt)"
[ "$(row A 1)" = "148.80 2 45.00 0.00 45.00 11" ] || fail "pair 1: $(row A 1)"
[ "$(row A 2)" = "148.80 0 62.00 0.00 62.00 1" ] || fail "pair 2: $(row A 2)"
[ "$(row A 3)" = "7.20 0 3.00 0.00 3.00 12" ] || fail "pair 3: $(row A 3)"
[ "$(row A 4)" = "120.00 0 50.00 0.00 50.00 2" ] || fail "pair 4: $(row A 4)"

# Corrections: -5 on 3 % and +60 on 50 % refused; +5 on 3 % makes 8 %, -5 on 62 % makes 57 %.
cp club_1.dba before.dba
if printf 'A 3 -5\nA 4 60\n' | "$cli" correct club_1.dba >/dev/null 2>err.txt; then fail "accepted"; fi
[ "$(grep -cxF "Waarde niet in bereik van 0.0 tot 100.0" err.txt)" -eq 2 ] || fail "messages: $(cat err.txt)"
cmp -s before.dba club_1.dba || fail "a refused correction changed the file"
printf 'A 3 5\nA 2 -5\n' | "$cli" correct club_1.dba >out.txt 2>err.txt || fail "correct: $(cat err.txt)"
grep -qx "2 correcties ingevoerd" out.txt || fail "output: $(cat out.txt)"
[ "$(row A 3)" = "7.20 0 3.00 5.00 8.00 12" ] || fail "pair 3 corrected: $(row A 3)"
[ "$(row A 2)" = "148.80 0 62.00 -5.00 57.00 1" ] || fail "pair 2 corrected: $(row A 2)"
[ -f club_1.~db ] || fail "no backup of the competition file"

# The bounds hold for the percentage as listed: 187.49 points are 78.1208 %, listed 78.12, and take
# 21.88; 187.51 points (78.1292 %, listed 78.13) do not. The stored percentages stay, and rank.
{ printf 'B 1 187.49\nB 2 187.51\n'; for p in 3 4 5 6 7 8 9 10 11 12; do echo "B $p 120"; done; } \
  | "$cli" points club_1.dba >/dev/null 2>err.txt || fail "points B: $(cat err.txt)"
[ "$(row B 1)" = "187.49 0 78.12 0.00 78.12 2" ] || fail "pair B1: $(row B 1)"
cp club_1.dba before.dba
if printf 'B 2 21.88\n' | "$cli" correct club_1.dba >/dev/null 2>err.txt; then fail "78.13 + 21.88 accepted"; fi
grep -qxF "Waarde niet in bereik van 0.0 tot 100.0" err.txt || fail "no range message: $(cat err.txt)"
cmp -s before.dba club_1.dba || fail "a refused correction changed the file"
printf 'B 1 21.88\nB 2 21.87\n' | "$cli" correct club_1.dba >out.txt 2>err.txt || fail "correct B: $(cat err.txt)"
grep -qx "2 correcties ingevoerd" out.txt || fail "output B: $(cat out.txt)"
[ "$(row B 1)" = "187.49 0 78.12 21.88 100.00 1" ] || fail "pair B1 corrected: $(row B 1)"
[ "$(row B 2)" = "187.51 0 78.13 21.87 100.00 2" ] || fail "pair B2 corrected: $(row B 2)"

# Slams: an 8-pair Howell; on board 1 (nobody vulnerable) pair 8 North-South makes 990 against
# pair 1, and on board 2 (North-South vulnerable) loses 1440 to their 7 clubs.
"$cli" new slam.dba --pairs 8 --groups 1 --tables 4 >/dev/null 2>&1 || fail "new"
"$cli" session slam_1.dba set --session 1 --boards 14 --rounds 7 --boardgroups 7 --length 2 >/dev/null 2>&1 \
  || fail "session"
"$cli" schedule read slam_1.dba --groups '*' "$schemas/7r-8p-howell-4t.ws0" >/dev/null 2>&1 || fail "schedule"
printf 'A 1 8 990\nA 2 8 -1440\n' | "$cli" scores enter slam_1.dba >/dev/null 2>err.txt \
  || fail "scores: $(cat err.txt)"
"$cli" slams slam_1.dba --no >out.txt 2>err.txt || fail "slams --no: $(cat err.txt)"
grep -qxF "Geen Slem-Contracten" err.txt || fail "no slams message: $(cat err.txt)"
grep -qxF "Sommatie van het aantal Slems :  0" out.txt || fail "count: $(cat out.txt)"
"$cli" slams slam_1.dba --yes >out.txt 2>err.txt || fail "slams --yes: $(cat err.txt)"
expected='Groep:A   Spel: 1;  Paar:  8, NZ;    Score:   990    Niemand Kwetsbaar   Klein Slem   Slem mogelijk Dubieus ! 
Groep:A   Spel: 2;  Paar:  1, OW;    Score:  1440    NZ Kwetsbaar        Groot Slem
Sommatie van het aantal Slems :  2'
[ "$(cat out.txt)" = "$expected" ] || fail "slam lines: $(cat out.txt)"
# Head (session 1, 2 slams), then 9 records of 18 bytes: pair 8 counter 2, pair 1 counter 3.
slm=$(ls slam_1.[Ss][Ll][Mm])
[ "$(stat -c %s "$slm")" -eq 166 ] || fail "slam file size $(stat -c %s "$slm")"
[ "$(od -An -tx1 -N4 "$slm" | tr -d ' ')" = "01000200" ] || fail "slam head"
[ "$(od -An -tx1 -j $((4 + 8 * 18)) -N12 "$slm" | tr -d ' ')" = "000000000100000000000000" ] \
  || fail "pair 8: $(od -An -tx1 -j $((4 + 8 * 18)) -N12 "$slm")"
[ "$(od -An -tx1 -j $((4 + 1 * 18)) -N12 "$slm" | tr -d ' ')" = "000000000000010000000000" ] \
  || fail "pair 1: $(od -An -tx1 -j $((4 + 1 * 18)) -N12 "$slm")"
echo ok
