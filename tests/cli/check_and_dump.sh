#!/usr/bin/env bash
# velk-cli check and dump on competition files made straight from the record layouts.
set -euo pipefail
source "$(dirname "$0")/preamble.bash" "$@"
make_file() { python3 "$here/make_competition_file.py" "$@"; }

# A sound file loads.
make_file good.dba --pairs 4 --sessions 2
"$cli" check good.dba >out.txt 2>err.txt || fail "check of a sound file failed: $(cat err.txt)"
[ ! -s err.txt ] || fail "check printed messages: $(cat err.txt)"

# Its dump is JSON with every record.
"$cli" dump good.dba >dump.json 2>err.txt || fail "dump failed: $(cat err.txt)"
python3 - dump.json <<'PY' || fail "dump content"
import json, sys
d = json.load(open(sys.argv[1], encoding="utf-8"))
c = d["ConfigRecord"]
assert c["CompetitionName"] == "Bridgeclub Één", c["CompetitionName"]
assert c["PairCount"] == 4 and c["GroupCount"] == 2 and c["SessionsPerCompetition"] == 6
assert c["MaxPctTwoSubs"] == 45.5 and c["NeubergMode"] == 2 and c["ConfigFlags"] == 2
assert c["Reserved279"] == bytes(range(1, 34)).hex(), c["Reserved279"]
assert c["Reserved347"] == "3412" and c["GroupBonus"][:2] == [5, 3]
assert d["SlamBonusTable"] == list(range(100, 116))
assert d["IsCompetition"] is True
pairs = d["PairList"]
assert len(pairs) == 5 and pairs[0]["Groep"] == "C" and pairs[0]["Naam"] == "club.dba"
assert pairs[3]["Naam"] == 'Paar 3 "é"' and pairs[3]["Groep"] == "B" and pairs[3]["ClubNr"] == 103
assert d["SessionCount"] == 2
s2 = d["SessionList"][1]
assert s2["SessionNr"] == 2 and s2["SessionDate"] == "02-03-2026" and s2["BoardCount"] == 24
rows = s2["Rows"]
assert len(rows) == 5 and rows[4]["ClubNr"] == 104 and rows[4]["Points"] == 24 and rows[4]["Percentage"] == 50.25
PY

# A removed session is reported and skipped; the file still loads.
make_file removed.dba --pairs 4 --sessions 3 --removed-session 2
"$cli" dump removed.dba >removed.json 2>err.txt || fail "removed session rejected"
grep -qx "Zitting: 2 bestaat niet; Zitting verwijderd" err.txt || fail "no removed-session message: $(cat err.txt)"
python3 -c "import json,sys; d=json.load(open('removed.json')); assert d['SessionCount']==2 and d['SessionList'][1]['SessionNr']==3 and d['SessionList'][1]['Rows'][1]['Points']==31" \
  || fail "session after the removed one"

# Too many sessions: both messages, in order, and no load.
make_file many.dba --sessions 3 --per-competition 2
if "$cli" check many.dba >out.txt 2>err.txt; then fail "too many sessions accepted"; fi
printf '%s\n' "Aantal Zittingen te groot,programma corrupt of wijzig aantal Zittingen" \
  "Bridgebestand van vóór 2013, gebruik Velk12!" >expected.txt
diff expected.txt err.txt || fail "too-many-sessions messages"

# No pairs.
make_file empty.dba --pairs 0 --sessions 0
if "$cli" check empty.dba 2>err.txt; then fail "empty file accepted"; fi
grep -q "^empty.dba: configuratierecord foutief$" err.txt || fail "empty: $(cat err.txt)"

# Truncated by one byte.
make_file short.dba --truncate 1
if "$cli" dump short.dba >out.txt 2>err.txt; then fail "truncated file accepted"; fi
[ ! -s out.txt ] || fail "dump printed a half-read file"
grep -q "^short.dba: zittinglijst foutief$" err.txt || fail "truncated: $(cat err.txt)"
grep -q "^ controleer bestand$" err.txt || fail "truncated hint: $(cat err.txt)"

# Missing file.
if "$cli" check nothing.dba 2>err.txt; then fail "missing file accepted"; fi
grep -qx "Geen Paren bestand nothing.dba" err.txt || fail "missing: $(cat err.txt)"

# Wrong use.
set +e
"$cli" check 2>/dev/null
[ $? -eq 2 ] || fail "check without a file should exit 2"
set -e
echo OK
