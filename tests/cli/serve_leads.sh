#!/usr/bin/env bash
# velk-cli serve keeps the cards led beside the competition, on 127.0.0.1: a table's leads are in
# the leads file after SIGTERM, come back to the phones after a restart and after kill -9, and a
# correction without a lead takes it away.
set -euo pipefail
source "$(dirname "$0")/preamble.bash" "$@"
source "$here/serve_fixture.bash"
export ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0"

make_howell_club

# Runs one step against the running server for table A1 in round 1; prints the round's answer.
step() {
  python3 - "$1" <<'PY'
import json, sys, urllib.request, urllib.error
step = sys.argv[1]
url = pin = None
for line in open("out.txt", encoding="utf-8"):
    w = line.split()
    if w[:1] == ["URL"]:
        url = w[1]
    elif w[:2] == ["TABLE", "A1"]:
        pin = w[3]
assert url.startswith("http://127.0.0.1:"), url

def call(method, path, body=None):
    data = None if body is None else json.dumps(body).encode()
    req = urllib.request.Request(url + path, data=data, method=method, headers={"X-Velk-Pin": pin})
    try:
        with urllib.request.urlopen(req, timeout=10) as r:
            return r.status, json.loads(r.read())
    except urllib.error.HTTPError as e:
        return e.code, json.loads(e.read())

rnd = call("GET", "api/v1/tables/A1/rounds/1")[1]
first, second = rnd["boards"][:2]
def put(board, body, want):
    status, answer = call("PUT", f"api/v1/tables/A1/boards/{board}", body)
    assert status == want, (board, body, status, answer)
if step == "enter":
    put(first, {"contract": "4H", "declarer": "N", "result": "C", "lead": "SA"}, 200)
    # Dutch letters: ruiten vrouw.
    put(second, {"contract": "3A", "declarer": "O", "result": "+1", "lead": "RV"}, 200)
    # A dry run changes nothing; another lead without naming the entry is a second phone's.
    put(first, {"contract": "4H", "declarer": "N", "result": "C", "lead": "C2", "check": True,
                "previous": "420"}, 200)
    put(first, {"contract": "4H", "declarer": "N", "result": "C", "lead": "C2"}, 409)
elif step == "correct":
    status, answer = call("GET", "api/v1/tables/A1/rounds/1")
    ns = answer["entered"][str(second)]["text"]
    put(second, {"contract": "3A", "declarer": "O", "result": "+1", "previous": ns}, 200)
    put(first, {"contract": "4H", "declarer": "N", "result": "C", "lead": "H10", "previous": "420"}, 200)
rnd = call("GET", "api/v1/tables/A1/rounds/1")[1]
print(rnd["ns"], first, second)
for b in (first, second):
    print(b, rnd["entered"].get(str(b), {}).get("lead", "-"))
PY
}

start_serve
step enter >answer.txt || fail "enter: $(cat answer.txt)"
read -r ns first second <answer.txt
[ "$(sed -n '2,3p' answer.txt)" = "$(printf '%s SA\n%s DQ' "$first" "$second")" ] ||
  fail "round answer: $(cat answer.txt)"
stop_serve
[ "$(cat club_1_uitkomst2.txt)" = "$(printf 'velk-uitkomst 1\nA %s %s SA\nA %s %s DQ' "$first" "$ns" "$second" "$ns")" ] ||
  fail "leads file: $(cat club_1_uitkomst2.txt)"

# A restart reads them back; a correction changes one and drops the other; kill -9 loses nothing.
start_serve
step show >answer.txt || fail "show: $(cat answer.txt)"
[ "$(sed -n '2,3p' answer.txt)" = "$(printf '%s SA\n%s DQ' "$first" "$second")" ] ||
  fail "after restart: $(cat answer.txt)"
step correct >answer.txt || fail "correct: $(cat answer.txt)"
kill -9 "$server"
wait "$server" 2>/dev/null || true
server=""
start_serve
grep -qx "2 invoer(en) uit het journaal hersteld" err.txt || fail "restore: $(cat err.txt)"
[ "$(cat club_1_uitkomst2.txt)" = "$(printf 'velk-uitkomst 1\nA %s %s H10' "$first" "$ns")" ] ||
  fail "leads file after the crash: $(cat club_1_uitkomst2.txt)"
step show >answer.txt || fail "show: $(cat answer.txt)"
[ "$(sed -n '2,3p' answer.txt)" = "$(printf '%s H10\n%s -' "$first" "$second")" ] ||
  fail "after the crash: $(cat answer.txt)"
stop_serve
# The previous leads file is the backup.
[ -f club_1_uitkomst2.~uk ] || fail "no backup of the leads file"
echo ok
