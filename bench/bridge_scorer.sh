#!/usr/bin/env bash
# Installs the npm package bridge-scorer 2.4.0 into a scratch folder and times its match points on
# the boards of bench_compute.cpp's largest session. Usage: bench/bridge_scorer.sh [RUNS]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
scratch="${BRIDGE_SCORER_DIR:-${TMPDIR:-/tmp}/velk-bridge-scorer}"
mkdir -p "$scratch"
if [ ! -f "$scratch/node_modules/bridge-scorer/package.json" ]; then
  (cd "$scratch" && npm install --no-save --no-audit --no-fund bridge-scorer@2.4.0 >/dev/null)
fi
NODE_PATH="$scratch/node_modules" node "$here/bridge_scorer_time.js" "${1:-200}"
