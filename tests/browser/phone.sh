#!/usr/bin/env bash
# The phones' page in headless Chromium (Debian's, driven by playwright-core from npm) on a phone of
# 390x844: table A1 enters its first round through the page served by velk-cli serve on
# 127.0.0.1, with the opponents' confirmation and corrections; after SIGTERM the score file has it.
# The page's files go out with their types and protective headers, and no other path is served.
# Screenshots land in the scratch folder's shots/.
# Usage: phone.sh CLI SCRATCH NODE_FOLDER
set -euo pipefail
source "$(dirname "$0")/../cli/preamble.bash" "$@"
export ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0"
node_folder="$3"
browser_dir="$here/../browser"
source "$browser_dir/playwright.bash"
need_playwright "$node_folder"

# The demo's evening is entered already; the phones play a second one on the same movement.
"$cli" demo d >/dev/null 2>&1 || fail "demo"
"$cli" session d/demo_1.dba new --boards 14 --rounds 7 --boardgroups 7 --length 2 >/dev/null 2>&1 ||
  fail "session new"
"$cli" schedule read d/demo_1.dba --groups '*' "$schemas/7r-8p-howell-4t.ws0" >/dev/null 2>&1 || fail "schedule"

source "$here/../cli/serve.bash"
serve_args=(demo_1.dba --session 2 --bind 127.0.0.1)
start_server d
# --port 0 takes a free port; the line tells which.
grep -qx 'URL http://127.0.0.1:[1-9][0-9]*/' d/out.txt || fail "url line: $(head -1 d/out.txt)"
url=$(sed -n 's/^URL //p' d/out.txt)
pin=$(sed -n 's/^TABLE A1 PIN //p' d/out.txt)

python3 - "$url" <<'PY' || fail "the page's paths"
import http.client, sys, urllib.parse
u = urllib.parse.urlsplit(sys.argv[1])
def get(path):
    c = http.client.HTTPConnection(u.hostname, u.port, timeout=10)
    c.putrequest("GET", path, skip_host=False)  # the path exactly as written, nothing normalised
    c.endheaders()
    r = c.getresponse()
    body = r.read()
    c.close()
    return r.status, {k.lower(): v for k, v in r.getheaders()}, body
for path, kind in [("/", "text/html; charset=utf-8"), ("/telefoon.css", "text/css; charset=utf-8"),
                   ("/telefoon.js", "text/javascript; charset=utf-8"), ("/telefoon.svg", "image/svg+xml")]:
    status, headers, body = get(path)
    assert status == 200, (path, status)
    assert headers["content-type"] == kind, (path, headers["content-type"])
    assert headers["content-security-policy"] == "default-src 'self'", path
    assert headers["x-content-type-options"] == "nosniff", path
    assert headers["cache-control"] == "no-store", path
    assert body, path
for path in ["/../x", "/telefoon.js/..", "/%2e%2e/", "/%2e%2e/d/demo_1.dba", "/d/demo_1.dba",
             "/telefoon.js%00", "/./telefoon.js", "//telefoon.js", "/index.html"]:
    status, _, _ = get(path)
    assert status in (400, 404), (path, status)
PY

mkdir -p shots
PLAYWRIGHT_CORE="$node_folder/node_modules/playwright-core" timeout 90 \
  node "$browser_dir/phone_entry.cjs" "$url" "$pin" shots || fail "the page in the browser"

stop_server d

# Board 1: 4 hearts by North corrected from made to one over (450, not vulnerable); board 2: a
# typed -430 corrected to 3NT made by East (400 to East-West). Pairs 8 (North-South) v 1.
"$cli" scores show d/demo_1.dba --session 2 >scores.txt 2>&1 || fail "scores show: $(cat scores.txt)"
for line in 'A 1 8 4H +1 450 ' 'A 1 1 - - -450 ' 'A 2 8 - - -400 ' 'A 2 1 3SA C 400 '; do
  grep -q "^$line" scores.txt || fail "not in the score file: $line
$(grep '^A [12] [18] ' scores.txt)"
done
echo ok
