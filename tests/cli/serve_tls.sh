#!/usr/bin/env bash
# velk-cli serve --cert --key: HTTPS with a certificate the club gives, made here with openssl for
# 127.0.0.1; a client that trusts that certificate gets its table's round, one that does not is
# refused. Unreadable, damaged or mismatched files start no server.
set -euo pipefail
source "$(dirname "$0")/preamble.bash" "$@"
source "$here/serve_fixture.bash"
export ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0"
command -v openssl >/dev/null || fail "openssl is missing (scripts/setup installs it)"

make_howell_club

selfsigned() {
  openssl req -x509 -newkey ec -pkeyopt ec_paramgen_curve:P-256 -nodes -days 2 -subj "/CN=127.0.0.1" \
    -addext "subjectAltName=IP:127.0.0.1" -keyout "$1" -out "$2" 2>/dev/null || fail "openssl $2"
}
selfsigned key.pem cert.pem
selfsigned other-key.pem other-cert.pem
printf 'geen certificaat\n' >junk.pem
touch unreadable.pem
chmod 000 unreadable.pem

# A refusal: status 1, the Dutch message, no URL line.
refused() {
  local message=$1
  shift
  local status=0
  "$cli" serve club_1.dba --port 0 "$@" >out.txt 2>err.txt || status=$?
  [ "$status" = 1 ] || fail "$*: status $status"
  grep -qx "$message" err.txt || fail "$*: message $(cat err.txt)"
  [ -s out.txt ] && fail "$*: printed $(cat out.txt)"
  return 0
}
refused "Certificaat niet te lezen: missing.pem" --cert missing.pem --key key.pem
refused "Certificaat niet te lezen: junk.pem" --cert junk.pem --key key.pem
refused "Certificaat niet te lezen: key.pem" --cert key.pem --key key.pem
refused "Sleutel niet te lezen of past niet bij het certificaat: missing.pem" --cert cert.pem --key missing.pem
refused "Sleutel niet te lezen of past niet bij het certificaat: junk.pem" --cert cert.pem --key junk.pem
refused "Sleutel niet te lezen of past niet bij het certificaat: other-key.pem" --cert cert.pem --key other-key.pem
if [ "$(id -u)" != 0 ]; then
  refused "Sleutel niet te lezen of past niet bij het certificaat: unreadable.pem" --cert cert.pem --key unreadable.pem
fi
status=0
"$cli" serve club_1.dba --port 0 --cert cert.pem >out.txt 2>err.txt || status=$?
[ "$status" = 2 ] || fail "--cert alone: status $status"
grep -qx -- "--cert en --key horen bij elkaar" err.txt || fail "--cert alone: $(cat err.txt)"

start_serve --cert cert.pem --key key.pem
grep -qx 'URL https://127.0.0.1:[0-9]*/' out.txt || fail "url line: $(head -1 out.txt)"
url=$(sed -n 's/^URL //p' out.txt)
pin=$(sed -n 's/^TABLE A1 PIN //p' out.txt)

python3 - "$url" "$pin" <<'PY' || fail "https"
import json, ssl, sys, urllib.request, urllib.error
url, pin = sys.argv[1], sys.argv[2]
req = urllib.request.Request(url + "api/v1/tables/A1/rounds/1", headers={"X-Velk-Pin": pin})
trusting = ssl.create_default_context(cafile="cert.pem")
with urllib.request.urlopen(req, context=trusting, timeout=10) as r:
    answer = json.loads(r.read())
assert r.status == 200 and answer["round"] == 1 and answer["entered"] == {}, answer
# A client that trusts another certificate does not get an answer.
other = ssl.create_default_context(cafile="other-cert.pem")
try:
    urllib.request.urlopen(req, context=other, timeout=10)
    sys.exit("answered a client that does not trust the certificate")
except urllib.error.URLError as e:
    assert isinstance(e.reason, ssl.SSLCertVerificationError), e
# Nothing goes in the clear.
try:
    urllib.request.urlopen(url.replace("https://", "http://") + "api/v1/tables/A1", timeout=10)
    sys.exit("answered in the clear")
except OSError:
    pass
PY
stop_serve
echo ok
