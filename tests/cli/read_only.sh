#!/usr/bin/env bash
# The commands that only read create or change no file: not with the schedule file missing, not
# with a score file cut short (no copy set aside either, since nothing is written over it).
set -euo pipefail
source "$(dirname "$0")/preamble.bash" "$@"

"$cli" demo d >/dev/null 2>&1 || fail "demo"
f=d/demo_1.dba
# Every file of the folder with its size and modification time.
files() { find d -type f -printf '%p %s %T@\n' | sort; }
read_commands() {
  "$cli" check "$f"
  "$cli" dump "$f"
  "$cli" session "$f" show
  "$cli" results "$f" --format csv
  "$cli" matchpoints "$f" --format csv
  "$cli" report "$f" --kind 2 --groups '*'
  "$cli" report "$f" --kind 12 --groups '*' --yes
  "$cli" scores show "$f"
  "$cli" schedule show "$f"
}

rm d/demo_1.sma
files >before.txt
read_commands >/dev/null 2>&1 || true
files >after.txt
diff before.txt after.txt >/dev/null || fail "a reading command wrote: $(diff before.txt after.txt)"
[ ! -e d/demo_1.sma ] || fail "the missing schedule file was made"

# The schedule file back, the score file cut short by one byte.
"$cli" demo e >/dev/null 2>&1 || fail "demo again"
cp e/demo_1.sma d/demo_1.sma
size=$(stat -c %s d/demo_1.sco)
head -c $((size - 1)) d/demo_1.sco >short.sco && mv short.sco d/demo_1.sco
cp d/demo_1.sco cut.sco
files >before.txt
read_commands >/dev/null 2>&1 || true
files >after.txt
diff before.txt after.txt >/dev/null || fail "a reading command wrote: $(diff before.txt after.txt)"
cmp -s cut.sco d/demo_1.sco || fail "the damaged score file changed"
echo ok
