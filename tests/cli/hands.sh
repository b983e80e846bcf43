#!/usr/bin/env bash
# velk-cli hands: a session dealt, shown with its double-dummy table and par, read from PBN, .dup
# and .dlm files, written out again; damaged files refused and never written over.
set -euo pipefail
source "$(dirname "$0")/preamble.bash" "$@"

"$cli" demo d >/dev/null 2>&1 || fail "demo"
f=d/demo_1.dba
hands=d/demo_1_hands1.pbn

# Dealt twice from one seed: the same boards; the previous file is the backup.
"$cli" hands deal "$f" --seed 11 2>err.txt || fail "deal: $(cat err.txt)"
grep -qx "14 spelverdelingen bewaard in $hands" err.txt || fail "deal message: $(cat err.txt)"
cp "$hands" first.pbn
"$cli" hands deal "$f" --session 1 --seed 11 2>/dev/null || fail "deal again"
cmp -s "$hands" first.pbn || fail "the same seed dealt other boards"
cmp -s d/demo_1_hands1.~pb first.pbn || fail "no backup of the previous hand record"
"$cli" hands deal "$f" 2>/dev/null || fail "deal from the system generator"
cmp -s "$hands" first.pbn && fail "the system generator dealt the seeded boards"

# Every board shown: dealer and vulnerability by the 16-board cycle, the deal from North, and
# the analysis stored, so a second show solves nothing and leaves the file as it is.
"$cli" hands show "$f" --format json >all.json 2>err.txt || fail "show: $(cat err.txt)"
cp "$hands" analysed.pbn
"$cli" hands show "$f" --format json >again.json 2>/dev/null || fail "show again"
cmp -s all.json again.json || fail "a second show differs"
cmp -s "$hands" analysed.pbn || fail "a second show wrote the hand record again"
python3 - all.json <<'PY' || fail "show's JSON"
import json, sys
boards = json.load(open(sys.argv[1]))["boards"]
assert [b["board"] for b in boards] == list(range(1, 15))
vul = ["None", "NS", "EW", "All", "NS", "EW", "All", "None", "EW", "All", "None", "NS", "All", "None"]
for b in boards:
    n = b["board"]
    assert b["dealer"] == "NESW"[(n - 1) % 4] and b["vulnerable"] == vul[n - 1], b
    assert b["deal"].startswith("N:"), b
    cards = set()
    for hand in b["deal"][2:].split(" "):
        suits = hand.split(".")
        assert len(suits) == 4 and sum(map(len, suits)) == 13, hand
        cards |= {s + r for s, held in zip("SHDC", suits) for r in held}
    assert len(cards) == 52
    assert list(b["dd"]) == ["N", "E", "S", "W"], b["dd"]
    for seat, row in b["dd"].items():
        assert list(row) == ["NT", "S", "H", "D", "C"], row
        # Declarer and partner face the same defence; the two sides share 13 tricks.
        partner = "NESW"["NESW".index(seat) ^ 2]
        other = "NESW"[("NESW".index(seat) + 1) % 4]
        for strain, tricks in row.items():
            assert 0 <= tricks <= 13
            assert tricks + b["dd"][other][strain] <= 13
    assert isinstance(b["par"]["score"], int) and b["par"]["score"] % 10 == 0, b["par"]
PY

# One board alone; the worked deal where each seat holds a suit: North-South make 7S, the par.
"$cli" hands show "$f" --board 4 --format json | python3 -c 'import json,sys; b=json.load(sys.stdin)["boards"]; assert [x["board"] for x in b]==[4]' \
  || fail "--board"
"$cli" hands show "$f" --board 15 --format json >/dev/null 2>err.txt && fail "board 15 shown"
grep -qx "spel 15 heeft geen spelverdeling in zitting 1" err.txt || fail "board 15: $(cat err.txt)"

cat >import.pbn <<'PBN'
% PBN 2.1
{ the first board from East, tags out of order }
[Deal "E:.AKQJT98765432.. ..AKQJT98765432. ...AKQJT98765432 AKQJT98765432..."]
[Board "1"] ; each seat a suit
[Vulnerable "None"]

[Board "2"]
[Deal "N:J987.JT7643.A4.Q .KQ2.QT9.AK98543 AQ42.A8.KJ762.J2 KT653.95.853.T76"]

[Board "40"]
[Deal "N:J987.JT7643.A4.Q .KQ2.QT9.AK98543 AQ42.A8.KJ762.J2 KT653.95.853.T76"]
PBN
"$cli" hands import "$f" import.pbn 2>err.txt || fail "import pbn: $(cat err.txt)"
grep -qx "let op: 12 van de 14 spellen staan niet in het bestand" err.txt || fail "import note: $(cat err.txt)"
grep -qx "2 spelverdelingen bewaard in $hands" err.txt || fail "import message: $(cat err.txt)"
"$cli" hands show "$f" --board 1 --format json >one.json || fail "show imported"
python3 - one.json <<'PY' || fail "the worked board: $(cat one.json)"
import json, sys
b = json.load(open(sys.argv[1]))["boards"][0]
assert b["deal"] == "N:AKQJT98765432... .AKQJT98765432.. ..AKQJT98765432. ...AKQJT98765432"
assert b["dd"]["N"] == {"NT": 0, "S": 13, "H": 0, "D": 13, "C": 0}, b["dd"]
assert b["dd"]["W"] == {"NT": 0, "S": 0, "H": 13, "D": 0, "C": 13}, b["dd"]
# Board 1, none vulnerable: 7S by North-South, 210 + 300 + 1000.
assert b["par"] == {"score": 1510, "contracts": ["7S NS"]}, b["par"]
PY

# Written for the machines and read back: the same deals.
for format in dup dlm pbn; do
  "$cli" hands export "$f" --format $format out.$format 2>err.txt || fail "export $format: $(cat err.txt)"
  cp "$hands" before.pbn
  "$cli" hands import "$f" out.$format 2>/dev/null || fail "import $format"
  grep '^\[Deal' "$hands" >deals.now
  grep '^\[Deal' before.pbn >deals.before
  cmp -s deals.now deals.before || fail "$format did not give the same deals back"
done
# Board 1 (each seat a suit): North the cards 01-13, East 14-26, South 27-39; West the rest.
[ "$(head -c 78 out.dup)" = "010203040506070809101112131415161718192021222324252627282930313233343536373839" ] \
  || fail "the .dup file's first board: $(head -c 78 out.dup)"
grep -q $'^Board 01=[a-p]\{26\}[0-9]\{3\}\r$' out.dlm || fail ".dlm board line: $(cat out.dlm)"

# Printable: board 1 (each seat a suit) in the compass layout, Dutch ranks, the analysis below.
"$cli" hands export "$f" --format pdf out.pdf 2>err.txt || fail "export pdf: $(cat err.txt)"
[ "$(head -c 5 out.pdf)" = "%PDF-" ] || fail "no PDF"
pdftotext -layout out.pdf out.txt || fail "pdftotext"
grep -q "Spel 1 *Gever: N *Kwetsbaar: niemand" out.txt || fail "board 1 head: $(head -5 out.txt)"
grep -q "Spel 2 *Gever: O *Kwetsbaar: NZ" out.txt || fail "board 2 head"
grep -q "♠ A H V B 10 9 8 7 6 5 4 3 2" out.txt || fail "North's spades: $(head -12 out.txt)"
grep -q "Par: 1510 (NZ) *7S NS" out.txt || fail "board 1 par"

# Refused: a deal of 12 cards, a damaged machine file, an unknown kind; the record stays.
cp "$hands" kept.pbn
printf '[Board "1"]\n[Deal "N:AKQJT98765432... .AKQJT98765432.. ..AKQJT98765432. ...AKQJT9876543"]\n' >short.pbn
"$cli" hands import "$f" short.pbn 2>err.txt && fail "a deal of 12 cards imported"
grep -qx "niet ingelezen: short.pbn: spel 1: hand West heeft 12 kaarten in plaats van 13" err.txt \
  || fail "short deal: $(cat err.txt)"
printf '[Document]\r\nFrom board=1\r\nTo board=1\r\nBoard 01=jlifaelnecgmoldfjmcflinlap024\r\n' >bad.dlm
"$cli" hands import "$f" bad.dlm 2>err.txt && fail "a damaged .dlm imported"
grep -qx "niet ingelezen: bad.dlm: spel 1: het controlegetal klopt niet" err.txt || fail "bad dlm: $(cat err.txt)"
"$cli" hands import "$f" x.txt 2>err.txt && fail "a .txt imported"
grep -qx "niet ingelezen: x.txt: onbekend soort bestand (alleen .pbn, .dup of .dlm)" err.txt || fail "txt: $(cat err.txt)"
cmp -s "$hands" kept.pbn || fail "a refused import changed the hand record"

# A damaged hand record is said, and neither show nor deal writes over it.
printf '[Board "1"]\n[Deal "N:AK' >"$hands"
cp "$hands" damaged.pbn
"$cli" hands show "$f" --format json 2>err.txt && fail "a damaged record shown"
grep -q "^spelverdelingen niet te lezen: $hands is beschadigd (regel 2: de waarde van tag Deal is niet afgesloten); het bestand wordt niet overschreven$" err.txt \
  || fail "damaged: $(cat err.txt)"
"$cli" hands deal "$f" --seed 1 2>/dev/null && fail "dealt over a damaged record"
cmp -s "$hands" damaged.pbn || fail "the damaged record was written over"

# A session without hands.
rm -f d/demo_1_hands1.*
"$cli" hands show "$f" --format json 2>err.txt && fail "shown without hands"
grep -qx "zitting 1 heeft geen spelverdelingen: gebruik eerst velk-cli hands deal of hands import" err.txt \
  || fail "no hands: $(cat err.txt)"
status=0
"$cli" hands deal 2>/dev/null || status=$?
[ $status -eq 2 ] || fail "usage status $status"
echo ok
