#!/usr/bin/env bash
# Every velk-cli command block of the README runs as written, in order, in a fresh folder: the
# README can never drift from the program.
set -euo pipefail
source "$(dirname "$0")/preamble.bash" "$@"

readme="$here/../../README.md"
mkdir bin
ln -s "$cli" bin/velk-cli
export PATH="$scratch/bin:$PATH"

# The indented code blocks whose commands start with velk-cli (or feed it through a pipe).
python3 - "$readme" >commands.txt <<'PY'
import sys
for line in open(sys.argv[1], encoding="utf-8"):
    if line.startswith("    ") and not line.startswith("     "):
        command = line[4:].rstrip("\n")
        first = command.split()[0] if command.split() else ""
        if first == "velk-cli" or (first == "printf" and "| velk-cli" in command):
            print(command)
PY
count=$(wc -l <commands.txt)
[ "$count" -ge 12 ] || fail "only $count README commands found"

mkdir work
cd work
# The other club program's databases, where the README's import examples find them.
ln -s "$(cd "$here/../../../shared/fixtures/access" && pwd)" Kaartix
while IFS= read -r command; do
  if ! bash -o pipefail -c "$command" >out.txt 2>err.txt </dev/null; then
    fail "README command failed: $command
$(cat err.txt)"
  fi
done <../commands.txt
[ -f club2026_1.dba ] || fail "the README's competition was not made"
echo ok
