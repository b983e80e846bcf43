#!/usr/bin/env bash
# velk-cli pairs edit: one pair's fields, checked as "Gegevens bewerken" checks them; a refused
# field leaves the file as it was, byte for byte.
set -euo pipefail
source "$(dirname "$0")/preamble.bash" "$@"

"$cli" new club.dba --name "BC Test" --pairs 16 --groups 2 --tables 8 >/dev/null 2>&1 || fail "new"
file=club_1.dba

# Each refusal: status 1, the dialog's message on standard error, the file and its folder untouched.
refused() { # expected message (lines joined by |), arguments...
  local expected="$1"; shift
  cp "$file" before.dba
  : >out.txt; : >err.txt
  local listing; listing="$(ls)"
  status=0; "$cli" pairs edit "$file" "$@" >out.txt 2>err.txt || status=$?
  [ "$status" -eq 1 ] || fail "$*: status $status"
  [ "$(tr '\n' '|' <err.txt)" = "$expected|" ] || fail "$*: said: $(cat err.txt)"
  [ ! -s out.txt ] || fail "$*: printed $(cat out.txt)"
  cmp -s "$file" before.dba || fail "$*: the file changed"
  [ "$(ls)" = "$listing" ] || fail "$*: files now: $(ls)"
}
hint=" corrigeer (zonodig) invoer"
refused "Groep : is geen geldig Karakter|$hint" --row 3 --group Z
refused "Groep : is geen geldig Karakter|$hint" --row 3 --group C
refused "GroepNummer  is geen geldige waarde|$hint" --row 3 --grpnr 99
refused "GroepNummer  is geen geldige waarde|$hint" --row 3 --grpnr 0
refused "ClubNummer is geen geldige waarde|$hint" --row 3 --clubnr 18
refused "ClubNummer is geen geldige waarde|$hint" --row 3 --clubnr drie
refused "Namen  is geen geldige waarde|$hint" --row 3 --name "Jansen - Pietersen - van den Berg - de Vries - Bakker - Smit xx"
refused "Namen  is geen geldige waarde|$hint" --row 3 --name ""
# The fields are checked in the dialog's order; the first refused one is told.
refused "Groep : is geen geldig Karakter|$hint" --row 3 --name "" --grpnr 99 --group Z
refused "rij bestaat niet: 17" --row 17 --name "Jansen - Smit"
# Each field right on its own, but two pairs with the same number: the save's duplicate check.
refused "Clubnummer in duplo  :|    2  A   2   PaarA2  |    2  A   3   PaarA3  " --row 3 --clubnr 2

# Usage errors: status 2, nothing written.
cp "$file" before.dba
for args in "--row 3" "--name X" "--row drie --name X" "--row 3 --name X --kleur rood"; do
  status=0
  # shellcheck disable=SC2086
  "$cli" pairs edit "$file" $args >/dev/null 2>err.txt || status=$?
  [ "$status" -eq 2 ] || fail "pairs edit $args: status $status"
done
cmp -s "$file" before.dba || fail "a usage error changed the file"

# Accepted: pair 3 becomes B9 "Müller - Dekker" with number 17; only its record changes.
cp "$file" before.dba
"$cli" pairs edit "$file" --row 3 --clubnr 17 --group b --grpnr 9 --name "Müller - Dekker" >out.txt 2>err.txt \
  || fail "edit: $(cat err.txt)"
[ "$(cat out.txt)" = "Indx 3  ClubNr 17  Groep B  GrpNr 9  Naam Müller - Dekker" ] || fail "printed: $(cat out.txt)"
python3 - "$file" before.dba <<'EOF' || fail "bytes of the edited file"
import struct, sys
after, before = (open(p, "rb").read() for p in sys.argv[1:3])
start = 445 + 32 + 3 * 58  # configuration, slam bonus block, header record, pairs 1 and 2
name = "Müller - Dekker".encode("cp1252")
record = struct.pack("<hhBh", 3, 17, ord("B"), 9) + bytes([len(name)]) + name.ljust(48, b"\0") + struct.pack("<h", 0)
assert len(after) == len(before), (len(after), len(before))
assert after[start:start + 58] == record, after[start:start + 58]
assert after[:start] == before[:start] and after[start + 58:] == before[start + 58:], "other bytes changed"
EOF
# The file as it was is the backup.
cmp -s club_1.~db before.dba || fail "backup is not the file as it was"
"$cli" check "$file" >/dev/null 2>&1 || fail "check after the edit"

# A field not given keeps what the pair has; the group of a one-group competition is a blank.
"$cli" new solo.dba --pairs 8 --groups 1 --tables 4 >/dev/null 2>&1 || fail "new solo"
"$cli" pairs edit solo_1.dba --row 2 --group a --name "de Wit - Vos" >out.txt 2>err.txt || fail "solo: $(cat err.txt)"
[ "$(cat out.txt)" = "Indx 2  ClubNr 2  Groep   GrpNr 2  Naam de Wit - Vos" ] || fail "solo printed: $(cat out.txt)"
file=solo_1.dba
refused "Groep : is geen geldig Karakter|$hint" --row 2 --group B
echo ok
