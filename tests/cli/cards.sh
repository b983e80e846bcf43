#!/usr/bin/env bash
# velk-cli cards and the kept PINs: the cards' QR codes, decoded by zbarimg from the rendered PDF,
# are the tables' addresses; the PINs printed on them are the ones velk-cli serve then gives; a
# restart keeps them and --new-pins replaces them. The server listens on 127.0.0.1 only.
set -euo pipefail
source "$(dirname "$0")/preamble.bash" "$@"

"$cli" new club.dba --name "BC De Troef" --pairs 16 --groups 2 --tables 8 >/dev/null 2>&1 || fail "new"
"$cli" session club_1.dba new --boards 28 --rounds 7 --boardgroups 7 --length 4 --date 15-12-2026 \
  >/dev/null 2>&1 || fail "session new"
"$cli" schedule read club_1.dba --groups '*' "$schemas/7r-8p-howell-4t.ws0" >/dev/null 2>&1 || fail "schedule"
mkdir before && cp club_1.* before/
labels="A1 A2 A3 A4 B1 B2 B3 B4"

# The PIN of table $2 in the PIN file or serve output $1 ("A1 123456" or "TABLE A1 PIN 123456").
pin_of() { sed -n "s/^\(TABLE \)\{0,1\}$2 \(PIN \)\{0,1\}\([0-9]*\)$/\3/p" "$1"; }
# The QR codes of every page of PDF $1, decoded, sorted.
codes_of() {
  rm -f page-*.png
  pdftoppm -r 200 -png "$1" page 2>/dev/null || fail "pdftoppm $1"
  for page in page-*.png; do zbarimg --raw -q "$page" 2>/dev/null; done | sort
}
# Table, then PIN, card after card, as the text of PDF $1 has them in drawing order.
cards_of() {
  pdftotext -raw "$1" - 2>/dev/null | tr -d '\f' | awk '/^Tafel /{t=$2} prev=="PIN"{print t, $0} {prev=$0}'
}

# No PINs yet: the cards make them and keep them; nothing else changes.
"$cli" cards club_1.dba --url http://192.168.1.20:8080 cards.pdf 2>err.txt || fail "cards: $(cat err.txt)"
grep -qx "8 tafelkaarten voor http://192.168.1.20:8080/ in cards.pdf" err.txt || fail "cards said: $(cat err.txt)"
for f in before/*; do cmp -s "$f" "$(basename "$f")" || fail "cards changed $(basename "$f")"; done
[ "$(head -1 club_1_pins2.txt)" = "velk-pins 1" ] || fail "pin file: $(cat club_1_pins2.txt)"
[ "$(tail -n +2 club_1_pins2.txt | grep -c '^[A-B][1-4] [0-9]\{6\}$')" = 8 ] || fail "pin file: $(cat club_1_pins2.txt)"
[ "$(stat -c %a club_1_pins2.txt)" = 600 ] || fail "pin file mode $(stat -c %a club_1_pins2.txt)"

for l in $labels; do echo "http://192.168.1.20:8080/#tafel=$l"; done | sort >expected.txt
codes_of cards.pdf >codes.txt
cmp -s expected.txt codes.txt || fail "QR codes: $(diff expected.txt codes.txt | head -5)"
[ "$(pdfinfo cards.pdf 2>/dev/null | sed -n 's/^Pages: *//p')" = 2 ] || fail "pages: $(pdfinfo cards.pdf)"
[ "$(pdfinfo cards.pdf 2>/dev/null | sed -n 's/^Page size: *//p')" = "595 x 842 pts (A4)" ] || fail "not A4"
tail -n +2 club_1_pins2.txt >kept.txt
cards_of cards.pdf >printed.txt
cmp -s kept.txt printed.txt || fail "printed PINs: $(diff kept.txt printed.txt | head -5)"
pdftotext -layout cards.pdf text.txt 2>/dev/null
for want in "BC De Troef" "Zitting 2, 15-12-2026" "http://192.168.1.20:8080/#tafel=B4" "Scan de code of open het"; do
  grep -qF "$want" text.txt || fail "no \"$want\" on the cards"
done

server=""
trap '[ -n "$server" ] && kill -9 "$server" 2>/dev/null; true' EXIT
# Runs serve with the options given until its table lines are out, then stops it with SIGTERM.
serve_once() {
  rm -f out.txt
  # Without the leak check, as serve.sh runs it.
  ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0" "$cli" serve club_1.dba --port 0 "$@" >out.txt 2>serve-err.txt &
  server=$!
  for _ in $(seq 300); do
    [ "$(grep -c '^TABLE ' out.txt 2>/dev/null)" = 8 ] && break
    kill -0 "$server" 2>/dev/null || fail "serve stopped: $(cat serve-err.txt)"
    sleep 0.1
  done
  grep -qx 'URL http://127.0.0.1:[0-9]*/' out.txt || fail "serve did not start: $(cat serve-err.txt)"
  kill -TERM "$server"
  wait "$server" || fail "serve exit status $?: $(cat serve-err.txt)"
  server=""
}
same_pins() { # pin file or serve output $1 and $2
  for l in $labels; do [ "$(pin_of "$1" "$l")" = "$(pin_of "$2" "$l")" ] || return 1; done
}

# The server gives the PINs on the cards, and again after a restart.
serve_once
same_pins kept.txt out.txt || fail "serve PINs differ from the cards: $(cat out.txt)"
cp out.txt first.txt
serve_once
same_pins first.txt out.txt || fail "a restart changed the PINs: $(cat out.txt)"
[ ! -e club_1_pins2.~pn ] || fail "PINs rewritten though unchanged"

# --new-pins: every table a fresh PIN (one kept by chance is a one-in-a-million event per table, so
# at most one may stay), kept for the next start and the next cards; the old file as the backup.
cp club_1_pins2.txt old-pins.txt
serve_once --new-pins
changed=0
for l in $labels; do [ "$(pin_of first.txt "$l")" = "$(pin_of out.txt "$l")" ] || changed=$((changed + 1)); done
[ "$changed" -ge 7 ] || fail "--new-pins changed $changed PINs"
same_pins club_1_pins2.txt out.txt || fail "new PINs not kept: $(cat club_1_pins2.txt)"
cmp -s old-pins.txt club_1_pins2.~pn || fail "old PINs not the backup"
cp out.txt second.txt
serve_once
same_pins second.txt out.txt || fail "the new PINs did not survive a restart"
"$cli" cards club_1.dba --url http://192.168.1.20:8080/ cards2.pdf 2>err.txt || fail "cards: $(cat err.txt)"
cards_of cards2.pdf >printed.txt
for l in $labels; do
  grep -qx "$l $(pin_of second.txt "$l")" printed.txt || fail "card of $l: $(cat printed.txt)"
done

# A damaged PIN file is said, never half used: every table a fresh PIN, the damaged file kept.
printf 'velk-pins 1\nA1 %s\nA2 12' "$(pin_of second.txt A1)" >club_1_pins2.txt
cp club_1_pins2.txt damaged.txt
"$cli" cards club_1.dba --url http://192.168.1.20:8080/ cards3.pdf 2>err.txt || fail "cards: $(cat err.txt)"
grep -qx "PIN-bestand niet correct: club_1_pins2.txt; elke tafel krijgt een nieuwe PIN" err.txt \
  || fail "damaged file: $(cat err.txt)"
cmp -s damaged.txt club_1_pins2.~pn || fail "damaged file not kept as the backup"
[ "$(tail -n +2 club_1_pins2.txt | grep -c '^[A-B][1-4] [0-9]\{6\}$')" = 8 ] || fail "pin file: $(cat club_1_pins2.txt)"

# Without --url the cards point at this machine's network address, port 8080.
"$cli" cards club_1.dba cards4.pdf 2>err.txt || fail "cards: $(cat err.txt)"
codes_of cards4.pdf | head -1 >code.txt
grep -qxE 'http://[0-9.]+:8080/#tafel=A1' code.txt || fail "default address: $(cat code.txt)"
address=$(sed 's|http://\([0-9.]*\):.*|\1|' code.txt)
if [ -n "$(hostname -I 2>/dev/null | tr ' ' '\n' | grep -E '^[0-9.]+$')" ]; then
  hostname -I | tr ' ' '\n' | grep -qxF "$address" || fail "$address is not an address of this machine"
fi

# Refused: an address that is not one, a missing output, a session without a schedule.
status=0; "$cli" cards club_1.dba --url "http://h/#tafel=A1" x.pdf 2>err.txt || status=$?
[ "$status" = 2 ] && grep -q "^--url: geen adres" err.txt || fail "bad url: $status $(cat err.txt)"
status=0; "$cli" cards club_1.dba 2>err.txt || status=$?
[ "$status" = 2 ] || fail "no output: $status"
status=0; "$cli" cards club_1.dba --session 1 --url http://h/ x.pdf 2>err.txt || status=$?
[ "$status" = 1 ] && [ ! -e x.pdf ] && [ ! -e club_1_pins1.txt ] || fail "session 1: $status $(cat err.txt)"
echo ok
