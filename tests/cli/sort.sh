#!/usr/bin/env bash
# velk-cli sort: the pair list sorted with its result rows, and saved only in group order.
set -euo pipefail
source "$(dirname "$0")/preamble.bash" "$@"

# Six pairs in groups A and B (ClubNr 101..106), two sessions; the numbers within each group are
# then written in reverse, so the file is no longer in GrpNr order.
python3 "$here/make_competition_file.py" club.dba --pairs 6 --sessions 2
python3 - club.dba <<'PY'
import struct, sys
path = sys.argv[1]
data = bytearray(open(path, "rb").read())
first_pair = 445 + 32
for position, grp_nr in {1: 3, 2: 2, 3: 1, 4: 3, 5: 2, 6: 1}.items():
    struct.pack_into("<h", data, first_pair + 58 * position + 5, grp_nr)
open(path, "wb").write(bytes(data))
PY

# Rows and pairs as (ClubNr, GrpNr, Points of session 2) per list position.
listing() {
  "$cli" dump "$1" | python3 -c '
import json, sys
d = json.load(sys.stdin)
rows = d["SessionList"][1]["Rows"]
print(" ".join("%d/%d/%g" % (p["ClubNr"], p["GrpNr"], rows[i]["Points"]) for i, p in enumerate(d["PairList"]) if i))'
}

# Only group A: B keeps its order and its rows.
"$cli" sort club.dba --group a >out.txt 2>err.txt || fail "sort group A: $(cat err.txt)"
! grep -q "Sorteer eerst" err.txt || fail "a group-order sort was refused"
[ "$(listing club.dba)" = "103/1/23 102/2/22 101/3/21 104/3/24 105/2/25 106/1/26" ] \
  || fail "group A: $(listing club.dba)"
head -1 out.txt | grep -q "^  103  A   1" || fail "listing: $(head -1 out.txt)"

# All groups by GrpNr (the default); every row went with its pair.
"$cli" sort club.dba >/dev/null 2>&1 || fail "sort all"
[ "$(listing club.dba)" = "103/1/23 102/2/22 101/3/21 106/1/26 105/2/25 104/3/24" ] \
  || fail "all groups: $(listing club.dba)"

# Another order is shown but not saved: the file is refused until it is in group order again.
cp club.dba before.dba
if "$cli" sort club.dba --key clubnr --scope club >out.txt 2>err.txt; then fail "unsorted list saved"; fi
grep -qx "Sorteer eerst het bestand op GroepNr.!" err.txt || fail "refusal: $(cat err.txt)"
cmp -s before.dba club.dba || fail "a refused sort changed the file"
[ "$(awk '{print $1}' out.txt | tr '\n' ' ')" = "101 102 103 104 105 106 " ] || fail "clubnr order: $(cat out.txt)"

# Wrong use.
set +e
"$cli" sort club.dba --key hoogte 2>/dev/null
[ $? -eq 2 ] || fail "an unknown key should exit 2"
"$cli" sort club.dba --group C 2>err.txt
[ $? -eq 2 ] || fail "a group that does not exist should exit 2"
"$cli" sort 2>/dev/null
[ $? -eq 2 ] || fail "sort without a file should exit 2"
set -e
cmp -s before.dba club.dba || fail "wrong use changed the file"
echo OK
