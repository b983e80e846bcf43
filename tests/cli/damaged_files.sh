#!/usr/bin/env bash
# A companion file that cannot be read keeps its bytes on disk however often the competition is
# saved afterwards: they are put aside as "<name>.~bad" before anything is written.
set -euo pipefail
source "$(dirname "$0")/preamble.bash" "$@"

"$cli" new club.dba --pairs 16 --groups 2 --tables 8 >/dev/null 2>&1 || fail "new"
"$cli" session club_1.dba new --boards 28 --rounds 7 --boardgroups 7 --length 4 >/dev/null 2>&1 \
  || fail "session new"
"$cli" schedule read club_1.dba --groups '*' "$schemas/7r-8p-howell-4t.ws0" >/dev/null 2>&1 || fail "schedule"
printf 'A 1 8 420\nB 1 8 A60%%\n' | "$cli" scores enter club_1.dba >/dev/null 2>&1 || fail "enter"
mkdir good
cp club_1.* good/

restore() { rm -f club_1.*; cp good/* .; }

# Saves twice through score entry, then checks that the damaged bytes are still on disk.
check_kept() {
  local file="$1" what="$2"
  cp "$file" damaged.bin
  for run in 1 2; do
    printf 'A 2 8 -50\n' | "$cli" scores enter club_1.dba >/dev/null 2>err.txt || true
  done
  [ -f "$file.~bad" ] || fail "$what: no copy of the damaged file: $(cat err.txt)"
  cmp -s damaged.bin "$file.~bad" || fail "$what: the copy differs from the damaged file"
  [ ! -e "$file.~bad2" ] || fail "$what: the same damaged bytes were put aside twice"
}

size=$(stat -c %s club_1.sco)
for cut in 0 1 3 4 21 500 7093 $((size - 17)) $((size - 1)); do
  restore
  head -c "$cut" good/club_1.sco >club_1.sco
  check_kept club_1.sco "score file cut at $cut"
done
# A board count that asks for more records than the file holds.
for offset in 0 $((4 + 385 * 17)); do
  restore
  printf '\xff\x7f' | dd of=club_1.sco bs=1 seek="$offset" conv=notrunc status=none
  check_kept club_1.sco "score file corrupted at $offset"
done

slam=$(ls club_1.* | grep -i '\.slm$')
size=$(stat -c %s "$slam")
for cut in 0 2 $((size / 2)) $((size - 1)); do
  restore
  head -c "$cut" "good/$slam" >"$slam"
  check_kept "$slam" "slam file cut at $cut"
done

size=$(stat -c %s club_1.sma)
for cut in 0 5 $((size / 3)) $((size - 1)); do
  restore
  head -c "$cut" good/club_1.sma >club_1.sma
  check_kept club_1.sma "schedule file cut at $cut"
done
# A session head claiming 200 rounds (after 9 table labels of 9 bytes): the file is written again
# at once with an empty schedule.
restore
printf '\xc8\x00' | dd of=club_1.sma bs=1 seek=$((9 * 9 + 791)) conv=notrunc status=none
check_kept club_1.sma "schedule head out of range"

# The message says where the copy is.
restore
head -c 100 good/club_1.sco >club_1.sco
printf 'A 2 8 -50\n' | "$cli" scores enter club_1.dba >/dev/null 2>err.txt || true
grep -qF "club_1.sco is ongewijzigd bewaard als:" err.txt || fail "no message about the copy: $(cat err.txt)"
grep -qF "club_1.sco.~bad" err.txt || fail "the message does not name the copy: $(cat err.txt)"
echo ok
