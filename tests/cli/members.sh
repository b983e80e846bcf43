#!/usr/bin/env bash
# velk-cli members: the register taken over from the other program's database, shown and sorted.
set -euo pipefail
source "$(dirname "$0")/preamble.bash" "$@"
fixtures="$(cd "$here/../../../shared/fixtures/access" && pwd)"

# Reads member N (0-based) field at OFFSET of CAPACITY straight from the bytes, as Windows-1252.
field() {
  python3 - "$1" "$2" "$3" <<'PY'
import sys
data = open("leden.dat", "rb").read()
n, offset, capacity = int(sys.argv[1]), int(sys.argv[2]), int(sys.argv[3])
start = 2 + 1214 * n + offset
length = data[start]
assert length <= capacity
print(data[start + 1:start + 1 + length].decode("cp1252"), end="")
PY
}
id_of() { python3 -c "import struct,sys; print(struct.unpack_from('<h', open('leden.dat','rb').read(), 2 + 1214 * $1)[0])"; }

"$cli" members import "$fixtures/Members.mdb" leden.dat >out.txt 2>err.txt || fail "import: $(cat err.txt)"
grep -q "^Inlezen Membersfile: $fixtures/Members.mdb  [0-9][0-9]-[0-9][0-9]-20[0-9][0-9] gelukt" err.txt \
  || fail "read message: $(cat err.txt)"
grep -q "^Wegschrijven vanleden.dat gelukt" err.txt || fail "write message: $(cat err.txt)"
[ "$(stat -c %s leden.dat)" = $((2 + 21 * 1214)) ] || fail "size $(stat -c %s leden.dat)"
[ "$(id_of 10)" = 111 ] || fail "eleventh member is $(id_of 10)"
[ "$(field 10 200 100)" = "René" ] || fail "René: $(field 10 200 100)"
[ "$(field 11 200 100)" = "Zoë" ] || fail "Zoë"
[ "$(field 1 123 25)" = "van der" ] || fail "prefix"
[ "$(field 13 874 175)" = "" ] || fail "NULL e-mail"
[ "$(field 13 1112 99)" = "Geen e-mail, uitslag per post" ] || fail "comma"
[ "$(field 15 1112 99)" = 'Zegt: "altijd 3SA"' ] || fail "quotes"
[ "$(field 17 1112 99)" = $'Regel 1\r\nRegel 2' ] || fail "line break"
[ "$(wc -l <KXLeden07.txt)" = 21 ] || fail "text list: $(wc -l <KXLeden07.txt) lines"
grep -q "^118, Wit, de, D., Dirk, Marktplein 1, 9712 DD, Groningen, 050-1110018, , d.dewit@example.nl, , M, Regel 1  Regel 2"$'\r'"$" \
  KXLeden07.txt || fail "text list line: $(grep ^118 KXLeden07.txt)"

# An existing register is replaced only when the question is answered Ja; it stays as backup.
cp leden.dat before.dat
! "$cli" members import "$fixtures/Members.mdb" leden.dat 2>err.txt || fail "overwrote without --yes"
"$cli" members import "$fixtures/Members.mdb" leden.dat --yes 2>err.txt || fail "import --yes"
cmp -s before.dat leden.~le || fail "no backup"

# Sorted by first name the file is saved; by ID it is only shown.
"$cli" members show leden.dat >show.txt 2>err.txt || fail "show"
[ "$(wc -l <show.txt)" = 21 ] || fail "show lines"
"$cli" members sort leden.dat --key voornaam >/dev/null 2>err.txt || fail "sort voornaam: $(cat err.txt)"
[ "$(field 0 200 100)" = "Annemarie" ] && [ "$(field 20 200 100)" = "Zoë" ] || fail "first-name order"
cp leden.dat sorted.dat
"$cli" members sort leden.dat --key id >out.txt 2>err.txt || fail "sort id"
head -1 out.txt | grep -q "^101, Jansen" || fail "id order shown: $(head -1 out.txt)"
cmp -s leden.dat sorted.dat || fail "a list in ID order was saved"
"$cli" members sort leden.dat --key achternaam >/dev/null 2>&1 || fail "sort achternaam"
[ "$(field 0 2 120)" = "Bakker" ] && [ "$(field 1 2 120)" = "Berg" ] || fail "surname order"

# A damaged register is named and left as it was.
head -c 3000 leden.dat >cut.dat
cp cut.dat cut-before.dat
! "$cli" members show cut.dat 2>err.txt || fail "showed a damaged file"
grep -q "^cut.dat inlezen NIET gelukt" err.txt || fail "damaged message: $(cat err.txt)"
cmp -s cut.dat cut-before.dat || fail "damaged file changed"
! "$cli" members sort cut.dat --key voornaam 2>/dev/null || fail "sorted a damaged file"
cmp -s cut.dat cut-before.dat || fail "damaged file written over"

# A database without the members table, and a missing file.
! "$cli" members import "$fixtures/c7.ses" x.dat 2>err.txt || fail "imported a session file"
grep -q "^Inlezen van: $fixtures/c7.ses niet gelukt" err.txt || fail "failure message: $(cat err.txt)"
[ ! -e x.dat ] || fail "wrote x.dat"

# A members export: the member ID is the line number.
python3 - <<'PY'
row = lambda s, f: ",".join(["Nr:1", "Naam:" + s] + [""] * 11 + ["Vn:" + f] + [""] * 10)
open("Leden26.csv", "w", encoding="utf-8").write("Leden 2026\n" + "\n".join(row(s, f) for s, f in
    [("Jansen", "Jan"), ('"Berg, van der"', "Annemarie"), ("Mulder", "René")]) + "\n")
PY
"$cli" members import Leden26.csv export.dat 2>err.txt || fail "csv import: $(cat err.txt)"
grep -q "^ Inlezen KXLedenTabel: Leden26.csv  " err.txt || fail "csv message: $(cat err.txt)"
"$cli" members show export.dat >show.txt
sed -n 2p show.txt | grep -q "^2, Berg, van der, , Annemarie," || fail "csv member: $(sed -n 2p show.txt)"
# An export in the Windows code page keeps its accents; on file they are Windows-1252 again.
python3 - <<'PY'
row = lambda s, f: ",".join(["Nr:1", "Naam:" + s] + [""] * 11 + ["Vn:" + f] + [""] * 10)
open("Leden07.csv", "wb").write(("Leden 2007\r\n" + "\r\n".join(row(s, f) for s, f in
    [("Mulder", "Renée"), ("Smit", "Zoë"), ("Çelik", "Ünal")]) + "\r\n").encode("cp1252"))
PY
cp Leden07.csv export-before.csv
"$cli" members import Leden07.csv w1252.dat 2>err.txt || fail "cp1252 import: $(cat err.txt)"
python3 - <<'PY' || fail "accents on file"
data = open("w1252.dat", "rb").read()
first = lambda n: data[2 + 1214 * n + 200 + 1:2 + 1214 * n + 200 + 1 + data[2 + 1214 * n + 200]]
surname = lambda n: data[2 + 1214 * n + 2 + 1:2 + 1214 * n + 2 + 1 + data[2 + 1214 * n + 2]]
assert data[:2] == b"\x03\x00", data[:2]
assert first(0) == b"Ren\xe9e" and first(1) == b"Zo\xeb" and first(2) == b"\xdcnal", (first(0), first(1), first(2))
assert surname(2) == b"\xc7elik", surname(2)
PY
# The export is never written over, not even when asked to with --yes.
! "$cli" members import Leden07.csv Leden07.csv --yes 2>err.txt || fail "wrote over the export"
grep -q "^Bestand Leden07.csv is het ingelezen Kaartix bestand;$" err.txt || fail "kept message: $(cat err.txt)"
cmp -s Leden07.csv export-before.csv || fail "the export changed"
echo "kop" >bad.csv && echo "a,b" >>bad.csv
! "$cli" members import bad.csv bad.dat 2>err.txt || fail "bad csv accepted"
grep -q "^Bestandformaat niet correct, lees anderefile" err.txt || fail "format message"
echo ok
