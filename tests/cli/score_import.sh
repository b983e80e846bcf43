#!/usr/bin/env bash
# velk-cli scores import: a session of the other club program taken over into the open session.
set -euo pipefail
source "$(dirname "$0")/preamble.bash" "$@"
fixtures="$(cd "$here/../../../shared/fixtures/access" && pwd)"

# Eight pairs in one group, 3 sessions a competition; the third competition's first session has
# the 21 boards of c7.ses (serial number 7).
"$cli" new club.dba --name "BC Test" --pairs 8 --groups 1 --tables 4 --sessions 3 >/dev/null 2>&1
for f in club_1.*; do mv "$f" "club_3.${f#club_1.}"; done
"$cli" session club_3.dba set --session 1 --boards 21 --rounds 7 --boardgroups 7 --length 3 >/dev/null 2>&1
cp club_3.sco before.sco

# In competition 1 the competition number is questioned; Nee leaves everything as it was.
cp club_3.dba club_1.dba && cp club_3.sco club_1.sco && cp club_3.sma club_1.sma && cp club_3.SLM club_1.SLM
! "$cli" scores import club_1.dba "$fixtures/c7.ses" 2>err.txt || fail "imported into competition 1"
grep -q "^Competitieindex NIET juist, wilt u deze aanpassen als: 1" err.txt || fail "question: $(cat err.txt)"
cmp -s club_1.sco before.sco || fail "score file changed after Nee"

"$cli" scores import club_3.dba "$fixtures/c7.ses" >out.txt 2>err.txt || fail "import: $(cat err.txt)"
grep -q "^ Inlezen Sessie, Comp.=3 Zitting=1 gelukt" err.txt || fail "message: $(cat err.txt)"
! grep -q "NIET juist" err.txt || fail "asked although the numbers fit"
grep -q "^168 scores overgenomen in zitting 1" out.txt || fail "$(cat out.txt)"

# Every row of the reference dump against the record at its line, board and pair.
python3 - "$fixtures/c7.SpelTabel.csv" club_3.sco <<'PY'
import csv, struct, sys
rows = list(csv.DictReader(open(sys.argv[1], encoding="utf-8")))
data = open(sys.argv[2], "rb").read()
assert len(rows) == 168
def record(board, pair):
    at = 4 + 17 * ((board - 1) * 8 + pair)
    clen, rlen = data[at], data[at + 7]
    score, direction, code, flags = struct.unpack_from("<hBBB", data, at + 12)
    return data[at + 1:at + 1 + clen].decode("cp1252"), data[at + 8:at + 8 + rlen].decode("cp1252"), score, direction, code, flags
problems = []
for r in rows:
    contract, result, score, direction, code, flags = record(int(r["Spel"]), int(r["Paar"]))
    ew = r["Richting"] != "NZ"
    want_flags = (8 if ew else 0) | (1 if r["Contrazit"] == "1" else 0)
    if (direction, flags) != (1 if ew else 0, want_flags):
        problems.append(("side", r["AutoID"], direction, flags))
    text = r["Score"]
    if r["NormaleScoreOntvangen"] == "1":
        want = (int(text), 14)
    elif text == "NG":
        want = (0, 0); contract == "NG" or problems.append(("NG", r["AutoID"], contract))
    elif text == "WT":
        want = (0, 0); contract == "ZIT" or problems.append(("WT", r["AutoID"], contract))
    elif text == "AFW":
        want = (0, 19); contract == "AFW" or problems.append(("AFW", r["AutoID"], contract))
    elif text.endswith("%"):
        want = (int(text[:-1]), 1)
    else:
        raise SystemExit("unexpected row %s" % r)
    if (score, code) != want:
        problems.append(("score", r["AutoID"], score, code, want))
    if r["NormaleScoreOntvangen"] == "1" and result != r["Resultaat"]:
        problems.append(("result", r["AutoID"], result))
# Contracts worked out by hand: as given, and with the second character dropped before an "A".
for board, pair, want in [(1, 8, "3KX O"), (1, 5, "4A W"), (2, 2, "3RX N")]:
    if record(board, pair)[0] != want:
        problems.append(("contract", board, pair, record(board, pair)[0], want))
if problems:
    raise SystemExit("wrong records: %s" % problems[:8])
PY
# The competition now records contracts (bit 0 of its flags; a new one here has only bit 1).
[[ "$("$cli" dump club_1.dba)" == *'"ConfigFlags": 2,'* ]] || fail "flags before the import"
[[ "$("$cli" dump club_3.dba)" == *'"ConfigFlags": 3,'* ]] || fail "contracts flag not set"

# A database without the session table, and a file name without a serial number.
cp club_3.sco imported.sco
! "$cli" scores import club_3.dba "$fixtures/Members.mdb" 2>err.txt || fail "imported a members database"
grep -q "^ FoutBijInlezen" err.txt || fail "failure message: $(cat err.txt)"
cmp -s club_3.sco imported.sco || fail "score file changed by a failed import"
echo ok
