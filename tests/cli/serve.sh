#!/usr/bin/env bash
# velk-cli serve: a session of two groups played from the tables' phones at once, on 127.0.0.1,
# gives the same score file, byte for byte, as the same scores typed through velk-cli scores enter;
# after kill -9 nothing the server accepted is missing.
set -euo pipefail
source "$(dirname "$0")/preamble.bash" "$@"
export ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0"

"$cli" new club.dba --pairs 16 --groups 2 --tables 8 >/dev/null 2>&1 || fail "new"
"$cli" session club_1.dba new --boards 28 --rounds 7 --boardgroups 7 --length 4 >/dev/null 2>&1 \
  || fail "session new"
"$cli" schedule read club_1.dba --groups '*' "$schemas/7r-8p-howell-4t.ws0" >/dev/null 2>&1 || fail "schedule"
for d in served typed crashed retyped; do mkdir "$d" && cp club_1.* "$d/"; done

source "$here/serve.bash"

start_server served
grep -qx 'URL http://127.0.0.1:[0-9]*/' served/out.txt || fail "url line: $(head -1 served/out.txt)"
grep -q '^TABLE A1 PIN [0-9]\{6\}$' served/out.txt || fail "table line: $(cat served/out.txt)"
grep -q '^TABLE B4 PIN [0-9]\{6\}$' served/out.txt || fail "table line: $(cat served/out.txt)"
url=$(sed -n 's/^URL //p' served/out.txt)
# Only the API and the page: no path names a file.
python3 - "$url" <<'PY' || fail "paths"
import sys, urllib.request, urllib.error
base = sys.argv[1]
for path in ["club_1.dba", "api/v1/../../club_1.dba", "api/v1/tables/A1/../../../club_1.sco"]:
    try:
        urllib.request.urlopen(base + path, timeout=10)
        sys.exit("served " + path)
    except urllib.error.HTTPError as e:
        assert e.code in (400, 401, 404), (path, e.code)
with urllib.request.urlopen(base, timeout=10) as r:
    assert b"Velk tafels" in r.read()
PY
n=$(python3 "$here/serve_play.py" served/out.txt lines.txt) || fail "play: $n"
[ "$n" = 224 ] || fail "entries accepted: $n"
stop_server served
[ -s served/club_1_journal2.jsonl ] && fail "journal not emptied after the save"

"$cli" scores enter typed/club_1.dba <lines.txt >/dev/null 2>typed/err.txt || fail "typed: $(cat typed/err.txt)"
cmp served/club_1.sco typed/club_1.sco || fail "served and typed score files differ"

# kill -9 half-way: the restart puts every accepted entry into the score file.
start_server crashed
n=$(python3 "$here/serve_play.py" crashed/out.txt part.txt 37) || fail "play: $n"
[ "$n" = 37 ] || fail "entries accepted before the crash: $n"
kill -9 "$server"
wait "$server" 2>/dev/null || true
server=""
[ "$(wc -l <crashed/club_1_journal2.jsonl)" = 37 ] || fail "journal lines: $(wc -l <crashed/club_1_journal2.jsonl)"
start_server crashed
grep -qx "37 invoer(en) uit het journaal hersteld" crashed/err.txt || fail "restore: $(cat crashed/err.txt)"
stop_server crashed
"$cli" scores enter retyped/club_1.dba <part.txt >/dev/null 2>retyped/err.txt || fail "retyped: $(cat retyped/err.txt)"
cmp crashed/club_1.sco retyped/club_1.sco || fail "entries lost in the crash"
echo ok
