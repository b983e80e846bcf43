#!/usr/bin/env bash
# Random irregular evenings (sit-outs, missed boards, every form and answer) on the shipped
# movements, made and computed through velk-cli; the Python script beside this one checks the
# scoring rules from the schedule and the scores, and every match-point list against results and
# matchpoints.
set -euo pipefail
source "$(dirname "$0")/preamble.bash" "$@"

python3 "$here/irregular_evenings.py" "$cli" || fail "irregular evenings"
