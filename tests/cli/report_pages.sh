#!/usr/bin/env bash
# velk-cli report --kind 37 writes the same per-pair pages as velk-cli pages; --kind 32 with --yes
# hands the pair's page to the word processor (a stand-in soffice on the PATH that notes its
# arguments), and says so when neither it nor xdg-open can be started.
set -euo pipefail
source "$(dirname "$0")/preamble.bash" "$@"

"$cli" demo d >/dev/null 2>&1 || fail "demo"
f=d/demo_1.dba
"$cli" pages "$f" --groups '*' cli >/dev/null 2>&1 || fail "pages"
"$cli" report "$f" --kind 37 --groups '*' --output web/MPPaarA1.htm >out.txt 2>err.txt ||
  fail "report 37: $(cat err.txt)"
[ ! -s out.txt ] || fail "report 37 wrote a list: $(cat out.txt)"
grep -qx "Bewaren Matchpunten is gelukt voor alle paren van Groep : At/mB" err.txt || fail "message: $(cat err.txt)"
diff -r cli web >/dev/null || fail "report 37 and pages differ: $(diff -rq cli web)"

mkdir bin
cat >bin/soffice <<'SH'
#!/bin/sh
echo "$@" >"$(dirname "$0")/args.tmp" && mv "$(dirname "$0")/args.tmp" "$(dirname "$0")/args"
SH
chmod +x bin/soffice
PATH="$PWD/bin:$PATH" "$cli" report "$f" --kind 32 --groups B --range 3 --yes >out.txt 2>err.txt ||
  fail "report 32: $(cat err.txt)"
[ ! -s out.txt ] || fail "report 32 wrote a list: $(cat out.txt)"
for _ in $(seq 50); do [ -f bin/args ] && break; sleep 0.1; done
[ "$(cat bin/args)" = "--writer d/MPPaarB3.htm" ] || fail "soffice got: $(cat bin/args 2>/dev/null)"
cmp -s d/MPPaarB3.htm cli/MPPaarB3.htm || fail "the handed page differs from the pages command's"

# A word processor that stays open: the command's output piped on ends at once, since the word
# processor gets none of our standard channels, and it runs in a session of its own.
mkdir slow
cat >slow/soffice <<'SH'
#!/bin/sh
d=$(dirname "$0")
fds="$(readlink /proc/$$/fd/0) $(readlink /proc/$$/fd/1) $(readlink /proc/$$/fd/2)"
session=$(cut -d' ' -f6 /proc/$$/stat)
echo "$$ $session $fds" >"$d/seen.tmp" && mv "$d/seen.tmp" "$d/seen"
exec sleep 60
SH
chmod +x slow/soffice
started=$(date +%s)
status=0
PATH="$PWD/slow:$PATH" timeout 20 sh -c "\"$cli\" report $f --kind 32 --groups B --range 3 --yes | cat >piped.txt" \
  2>err.txt || status=$?
took=$(( $(date +%s) - started ))
for _ in $(seq 50); do [ -f slow/seen ] && break; sleep 0.1; done
read -r pid session in out errors <slow/seen || fail "the word processor was not started"
kill "$pid" 2>/dev/null || true
[ "$status" -eq 0 ] || fail "report 32 piped: status $status $(cat err.txt)"
[ "$took" -lt 10 ] || fail "the pipe waited for the word processor"
[ "$in $out $errors" = "/dev/null /dev/null /dev/null" ] || fail "the word processor got: $in $out $errors"
[ "$session" = "$pid" ] || fail "the word processor is not in a session of its own"

# No word processor and no desktop: both programs missing from an empty PATH.
mkdir empty
rm d/MPPaarB3.htm
if PATH="$PWD/empty" "$cli" report "$f" --kind 32 --groups B --range 3 --yes >out.txt 2>err.txt; then
  fail "report 32 without a word processor succeeded"
fi
grep -q "Opstarten van Word mislukt" err.txt || fail "message: $(cat err.txt)"
[ -f d/MPPaarB3.htm ] || fail "the page was not written"
echo ok
