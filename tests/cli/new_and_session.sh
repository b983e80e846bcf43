#!/usr/bin/env bash
# velk-cli new and session: a competition made as the wizard makes it, then its sessions.
set -euo pipefail
source "$(dirname "$0")/preamble.bash" "$@"

# The first competition gets "_1" in its name; the file reads back with its data.
"$cli" new club2026.dba --name "BC De Troef" --pairs 24 --groups 2 --tables 12 >out.txt 2>err.txt \
  || fail "new: $(cat err.txt)"
[ "$(cat out.txt)" = "club2026_1.dba" ] || fail "new printed $(cat out.txt)"
grep -q "Wegschrijven van club2026_1.dba gelukt" err.txt || fail "no save report"
"$cli" dump club2026_1.dba >dump.json
python3 - dump.json <<'PY' || fail "dump of the new file"
import json, sys
d = json.load(open(sys.argv[1], encoding="utf-8"))
c = d["ConfigRecord"]
assert c["CompetitionName"] == "BC De Troef" and c["PairCount"] == 24 and c["GroupCount"] == 2
assert c["TableCount"] == 12 and c["SessionsPerCompetition"] == 6
assert len(d["PairList"]) == 25 and d["PairList"][24]["Naam"] == "PaarB12"
assert len(d["SessionList"]) == 1 and d["SessionList"][0]["BoardCount"] == 24
PY

# A refused value: the exact message, exit status 1, and the file untouched.
cp club2026_1.dba before.dba
if "$cli" session club2026_1.dba new --boards 26 --boardgroups 6 2>err.txt >/dev/null; then
  fail "26 boards in 6 groups accepted"
fi
grep -q "Aantal Spellen per spelgroep foutief: 4" err.txt || fail "message: $(cat err.txt)"
cmp -s before.dba club2026_1.dba || fail "a refused session changed the file"

# The date as the dialog's picker gives it: a day that exists, a four-digit year, not after the
# end of next year; refused with its message and the file untouched, else stored as dd-mm-yyyy.
next=$(( $(date +%Y) + 1 ))
for d in "31-02-$next:Speeldatum 31-02-$next is geen geldige datum" "0501:Speeldatum 0501 is geen geldige datum" \
  "5-1-26:Speeldatum 5-1-26 is geen geldige datum" \
  "5-1-$((next + 1)):Speeldatum 5-1-$((next + 1)) na 31-12-$next niet toegestaan"; do
  if "$cli" session club2026_1.dba set --session 1 --date "${d%%:*}" 2>err.txt >/dev/null; then
    fail "date ${d%%:*} accepted"
  fi
  [ "$(head -1 err.txt)" = "${d#*:}" ] || fail "date ${d%%:*}: $(cat err.txt)"
  cmp -s before.dba club2026_1.dba || fail "a refused date changed the file"
done
"$cli" session club2026_1.dba set --session 1 --date "5-1-$next" >out.txt 2>err.txt || fail "date: $(cat err.txt)"
grep -q " datum=05-01-$next " out.txt || fail "date stored as: $(cat out.txt)"
"$cli" session club2026_1.dba show --session 1 | grep -q " datum=05-01-$next " || fail "date on file"

# A second session with its own parameters and active pairs.
"$cli" session club2026_1.dba new --boards 27 --rounds 9 --boardgroups 9 --length 3 --date 15-12-2026 \
  --active A=12/6,B=10/5 >out.txt 2>err.txt || fail "session new: $(cat err.txt)"
grep -q "zitting=2 competitie=1 spellen=27 ronden=9 spelgroepen=9 eerste=1 lengte=3 datum=15-12-2026 lijnen=0 A=12/6 B=10/5" out.txt \
  || fail "session 2: $(cat out.txt)"
# Its schedule and score entries are written with it, in its own size.
"$cli" schedule show club2026_1.dba --session 2 >show.txt 2>err.txt || fail "schedule show: $(cat err.txt)"
[ "$(cut -d' ' -f2 show.txt | sort -u | wc -l)" -eq 9 ] || fail "session 2 schedule rounds"
if grep -q "bestaat niet" err.txt; then fail "companion list missing: $(cat err.txt)"; fi

# Without parameters a new session proposes the previous evening's boards, rounds, board groups and
# length; the first board starts at 1 again.
"$cli" session club2026_1.dba new >out.txt 2>err.txt || fail "session new without parameters: $(cat err.txt)"
grep -q "^zitting=3 competitie=1 spellen=27 ronden=9 spelgroepen=9 eerste=1 lengte=3 " out.txt \
  || fail "session 3: $(cat out.txt)"
"$cli" session club2026_1.dba delete >/dev/null 2>err.txt || fail "delete 3: $(cat err.txt)"

# Only the last session can go.
"$cli" session club2026_1.dba delete >/dev/null 2>err.txt || fail "delete: $(cat err.txt)"
grep -q "Zitting verwijderd, Nr: 2" err.txt || fail "delete report"
[ "$("$cli" session club2026_1.dba show | wc -l)" -eq 1 ] || fail "sessions left"

# A drive has one session and competition number 0.
"$cli" new drive.dba --drive --pairs 16 --groups 1 --tables 8 >/dev/null 2>&1 || fail "drive"
"$cli" session drive.dba show | grep -q "zitting=1 competitie=0" || fail "drive session"
echo ok
"$cli" session --help 2>&1 | grep -q "de vorige zitting over" || fail "session --help says nothing of the proposal"
