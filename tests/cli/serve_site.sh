#!/usr/bin/env bash
# velk-cli serve answers /uitslag/ with the session's results while it is played, on 127.0.0.1:
# nothing before a board is complete, and after the whole session the pages velk-cli publish
# writes after compute, byte for byte (the year totals apart), the leads entered in both; no other
# name is served.
set -euo pipefail
source "$(dirname "$0")/preamble.bash" "$@"
source "$here/serve_fixture.bash"
export ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0"

make_howell_club

start_serve
url=$(sed -n 's/^URL //p' out.txt)
[ -n "$url" ] || fail "serve did not start"

# Fetches what the server answers for each path into live/, the status on standard output.
fetch() {
  python3 - "$url" "$@" <<'PY'
import os, sys, time, http.client, urllib.parse
base = urllib.parse.urlparse(sys.argv[1])
os.makedirs("live", exist_ok=True)
for path in sys.argv[2:]:
    c = http.client.HTTPConnection(base.hostname, base.port, timeout=10)
    c.request("GET", path)  # sent as it stands, dots and all
    r = c.getresponse()
    body = r.read()
    if r.status == 200:
        with open("live/" + (path.rsplit("/", 1)[-1] or "index.html"), "wb") as f:
            f.write(body)
    print(path, r.status, r.getheader("Content-Type"))
PY
}

fetch /uitslag/index.html >status.txt
grep -qx "/uitslag/index.html 200 text/html; charset=utf-8" status.txt || fail "index: $(cat status.txt)"
grep -q "Nog geen uitslag: er is nog geen spel door alle tafels gespeeld." live/index.html ||
  fail "no results page: $(cat live/index.html)"
n=$(python3 "$here/serve_play.py" out.txt lines.txt) || fail "play: $n"
[ "$n" = 224 ] || fail "entries accepted: $n"

# The site follows the entries within a few seconds.
for _ in $(seq 100); do
  fetch /uitslag/index.html >/dev/null
  grep -q "Nog geen uitslag" live/index.html || break
  sleep 0.2
done
grep -q "Nog geen uitslag" live/index.html && fail "results did not come"
pages=(/uitslag/site.css /uitslag/seizoen.html)
for b in $(seq 1 28); do pages+=("/uitslag/spel-$b.html"); done
for g in A B; do for p in $(seq 1 8); do pages+=("/uitslag/paar-$g$p.html"); done; done
fetch "${pages[@]}" >status.txt
[ "$(grep -c ' 200 ' status.txt)" = 46 ] || fail "pages: $(grep -v ' 200 ' status.txt)"
grep -qx "/uitslag/site.css 200 text/css; charset=utf-8" status.txt || fail "stylesheet type"
fetch /uitslag /uitslag/ /uitslag/../club_1.dba /uitslag/%2e%2e/club_1.dba /uitslag/club_1.sco \
  /uitslag/spel-29.html /uitslag/paar-A9.html /uitslag/index.html/ /uitslag/./index.html /club_1.dba >status.txt
[ "$(sed -n 1p status.txt | cut -d' ' -f2)" = 302 ] || fail "/uitslag: $(sed -n 1p status.txt)"
[ "$(sed -n 2p status.txt | cut -d' ' -f2)" = 200 ] || fail "/uitslag/: $(sed -n 2p status.txt)"
[ "$(sed -n '3,$p' status.txt | grep -vc ' 404 ')" = 0 ] || fail "served: $(sed -n '3,$p' status.txt | grep -v ' 404 ')"

stop_serve

"$cli" compute club_1.dba --yes >/dev/null 2>&1 || fail "compute"
"$cli" publish club_1.dba site >/dev/null 2>&1 || fail "publish"
for f in site/*; do
  name=$(basename "$f")
  [ "$name" = seizoen.html ] && continue
  cmp "$f" "live/$name" || fail "live $name differs from the published one"
done
grep -q "De jaartotalen volgen na het verwerken van deze zitting." live/seizoen.html || fail "season page"
# Half the boards were entered with a lead (serve_play.py): 14 boards at 4 tables in each group.
[ "$(grep -c '^[AB] [0-9]* [0-9] \(SA\|H10\)$' club_1_uitkomst2.txt)" = 112 ] ||
  fail "leads file: $(head -3 club_1_uitkomst2.txt)"
# Board 3: 4 hearts led by the spade ace in group A, 3NT by East with the ten of hearts in B.
grep -q '<th>Door</th><th>Uitkomst</th><th>Resultaat</th>' site/spel-3.html || fail "no lead column"
[ "$(grep -c '<td>4<span class="red">♥</span></td><td>NZ</td><td>♠A</td>' site/spel-3.html)" = 4 ] ||
  fail "group A leads of board 3"
[ "$(grep -c '<td>3SA</td><td>OW</td><td><span class="red">♥</span>10</td>' site/spel-3.html)" = 4 ] ||
  fail "group B leads of board 3"
echo ok
