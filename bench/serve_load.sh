#!/usr/bin/env bash
# The table server under load: velk-cli makes a competition of two groups of 16 pairs on the
# 8-table Mitchell (16 tables, 7 rounds of 4 boards out of 32), and velk_serve_load plays its session from
# 64 clients on 127.0.0.1 (4 per table), then checks the score file.
# Usage: bench/serve_load.sh BUILD-DIR [FOLDER]   (BUILD-DIR of a release build with the benches)
set -euo pipefail
build="$(realpath "${1:?usage: serve_load.sh BUILD-DIR [FOLDER]}")"
here="$(cd "$(dirname "$0")" && pwd)"
dir="${2:-${TMPDIR:-/tmp}/velk-serve-load}"
cli="$build/src/cli/velk-cli"
rm -rf "$dir" && mkdir -p "$dir" && cd "$dir"

"$cli" new club.dba --name "Belasting" --pairs 32 --groups 2 --tables 16 >/dev/null
"$cli" session club_1.dba set --session 1 --boards 32 --rounds 7 --boardgroups 8 --length 4 >/dev/null
"$cli" schedule read club_1.dba --groups '*' "$here/../Schemas/7r-16p-mitchell-8t.ws0" >/dev/null
timeout 120 "$build/bench/velk_serve_load" club_1.dba
