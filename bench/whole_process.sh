#!/usr/bin/env bash
# Builds the largest competition (12 sessions of 512 pairs in 16 groups, 48 boards, "Topintegraal",
# scores in every session) and times velk-cli --version, check, results and compute of its last
# session with hyperfine. Usage: bench/whole_process.sh VELK-CLI [FOLDER]
set -euo pipefail
cli="$(realpath "${1:?usage: whole_process.sh VELK-CLI [FOLDER]}")"
dir="${2:-${TMPDIR:-/tmp}/velk-whole-process}"
command -v hyperfine >/dev/null || { echo "hyperfine is missing (scripts/setup installs it)" >&2; exit 1; }
rm -rf "$dir" && mkdir -p "$dir" && cd "$dir"

"$cli" new big.dba --name Groot --pairs 512 --groups 16 --tables 256 --sessions 12 --neuberg 1 --topintegraal --yes >/dev/null
params=(--boards 48 --rounds 16 --boardgroups 16 --length 3)
"$cli" session big_1.dba set --session 1 "${params[@]}" --yes >/dev/null
for n in $(seq 2 12); do
  "$cli" session big_1.dba new "${params[@]}" --date "$(printf '%02d' "$n")-01-2026" --yes >/dev/null
done

# The score file: every table of every group plays every board, in every session.
python3 - big_1.sco <<'PY'
import random, struct, sys
random.seed(2026)
pairs, per_group, boards, sessions = 512, 32, 48, 12
blank = b"\0" * 12
def record(score, ew):
    return blank + struct.pack("<hBBB", score, ew, 14, 8 if ew else 0)
out = bytearray()
for s in range(1, sessions + 1):
    out += struct.pack("<hh", boards, s)
    records = [blank + bytes(5)] * (pairs * boards + 1)
    for g in range(16):
        for b in range(boards):
            base = (g * boards + b) * per_group
            for t in range(1, 17):
                score = 10 * random.randrange(120) - 400
                records[base + t] = record(score, 0)
                records[base + t + 16] = record(-score, 1)
    out += b"".join(records)
open(sys.argv[1], "wb").write(out)
PY
"$cli" compute big_1.dba >/dev/null 2>compute.err || { cat compute.err >&2; exit 1; }
ls -l big_1.*
hyperfine --warmup 3 --min-runs 20 -N --export-markdown whole_process.md \
  "$cli --version" "$cli check big_1.dba" "$cli results big_1.dba --format csv" "$cli compute big_1.dba"
