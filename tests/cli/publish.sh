#!/usr/bin/env bash
# velk-cli publish: the results site of the demo session and of a dealt session, parsed back with
# Python's HTML parser against results and matchpoints; names with diacritics and with HTML's
# special characters; a session without match points and a folder that is a file are refused.
set -euo pipefail
source "$(dirname "$0")/preamble.bash" "$@"

"$cli" demo d >/dev/null 2>&1 || fail "demo"
f=d/demo_1.dba
"$cli" pairs edit "$f" --row 1 --name "Renée - Çelik" >/dev/null 2>&1 || fail "name with diacritics"
"$cli" pairs edit "$f" --row 10 --name 'A<b> & "C"' >/dev/null 2>&1 || fail "name with specials"
"$cli" results "$f" --format csv >results.csv 2>/dev/null || fail "results"
"$cli" matchpoints "$f" --format csv >mp.csv 2>/dev/null || fail "matchpoints"

# Without hands.
"$cli" publish "$f" site 2>err.txt >out.txt || fail "publish: $(cat err.txt)"
grep -qx "website geschreven in site" out.txt || fail "output: $(cat out.txt)"
grep -q "Spelverdeling" site/spel-1.html && fail "hands without a hand record"
grep -q 'A&lt;b&gt; &amp; &quot;C&quot;' site/index.html || fail "specials not escaped"
grep -q 'A<b>' site/*.html && fail "a name written unescaped"
PYTHONDONTWRITEBYTECODE=1 python3 "$here/publish_check.py" site results.csv mp.csv "Renée - Çelik" 'A<b> & "C"' ||
  fail "site without hands"

# With hands: every board page shows its hands, tricks and par.
"$cli" hands deal "$f" --seed 11 2>/dev/null || fail "deal"
"$cli" publish "$f" --session 1 hands 2>err.txt >/dev/null || fail "publish with hands: $(cat err.txt)"
for b in $(seq 1 14); do
  grep -q "<h2>Spelverdeling</h2>" "hands/spel-$b.html" || fail "no hands on board $b"
  grep -q "Par: " "hands/spel-$b.html" || fail "no par on board $b"
done
PYTHONDONTWRITEBYTECODE=1 python3 "$here/publish_check.py" hands results.csv mp.csv "Renée - Çelik" ||
  fail "site with hands"
# A second run replaces the files in place.
"$cli" publish "$f" hands >/dev/null 2>&1 || fail "publish again"
cmp -s hands/index.html site/index.html || fail "index differs with hands"

# A session without match points, and a folder that is a file.
"$cli" session "$f" new --boards 14 --rounds 7 --boardgroups 7 --length 2 >/dev/null 2>&1 || fail "new session"
"$cli" publish "$f" --session 2 none 2>err.txt && fail "published without match points"
grep -qx "Er zijn geen MatchPoints berekend" err.txt || fail "message: $(cat err.txt)"
[ -e none ] && fail "folder made without match points"
touch file
"$cli" publish "$f" --session 1 file 2>err.txt && fail "published into a file"
grep -qx "Geen map: file" err.txt || fail "file message: $(cat err.txt)"
echo ok
