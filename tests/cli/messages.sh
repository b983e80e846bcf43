#!/usr/bin/env bash
# velk-cli says what is wrong and what to do, and its exit status is non-zero exactly when the work
# failed.
set -euo pipefail
source "$(dirname "$0")/preamble.bash" "$@"

"$cli" new club.dba --pairs 16 --groups 2 --tables 8 >/dev/null 2>&1 || fail "new"

# A session never computed has no results to list.
if "$cli" results club_1.dba --format csv >out.txt 2>err.txt; then
  fail "results of a session never computed: status 0"
fi
[ ! -s out.txt ] || fail "results printed a table of zeros: $(head -2 out.txt)"
grep -qxF "zitting 1 is nog niet verwerkt: gebruik eerst velk-cli compute club_1.dba --session 1" err.txt \
  || fail "message: $(cat err.txt)"

# A missing --format is an error with the usage; every usage text ends with a newline.
status=0
"$cli" results club_1.dba >/dev/null 2>err.txt || status=$?
[ "$status" -eq 2 ] || fail "results without --format: status $status"
grep -q "gebruik: velk-cli results" err.txt || fail "no usage: $(cat err.txt)"
for command in "" check dump new session sort convert schedule compute results matchpoints scores demo; do
  "$cli" $command >/dev/null 2>err.txt </dev/null && fail "'$command' without arguments succeeded"
  [ -s err.txt ] || fail "'$command' printed no usage"
  [ "$(tail -c 1 err.txt | od -An -c | tr -d ' ')" = '\n' ] || fail "'$command': usage without a final newline"
done

# A file that is not there names the file.
status=0
"$cli" check nowhere.dba >/dev/null 2>err.txt || status=$?
[ "$status" -ne 0 ] || fail "check of a missing file: status 0"
grep -qF "nowhere.dba" err.txt || fail "missing file not named: $(cat err.txt)"
echo ok
