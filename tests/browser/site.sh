#!/usr/bin/env bash
# The published site in headless Chromium (Debian's, driven by playwright-core from npm): every
# page of a session with hands at 390x844 and 1280x800, without console errors and no wider than
# the window. Screenshots land in the scratch folder's shots/.
# Usage: site.sh CLI SCRATCH NODE_FOLDER
set -euo pipefail
source "$(dirname "$0")/../cli/preamble.bash" "$@"
node_folder="$3"
browser_dir="$here/../browser"

source "$browser_dir/playwright.bash"
need_playwright "$node_folder"

"$cli" demo d >/dev/null 2>&1 || fail "demo"
"$cli" pairs edit d/demo_1.dba --row 1 --name "Renée - Çelik & <Zoë> \"Langenberghuizen\"" \
  >/dev/null 2>&1 || fail "long name"
"$cli" hands deal d/demo_1.dba --seed 11 >/dev/null 2>&1 || fail "deal"
"$cli" publish d/demo_1.dba site >/dev/null 2>err.txt || fail "publish: $(cat err.txt)"
mkdir -p shots
PLAYWRIGHT_CORE="$node_folder/node_modules/playwright-core" timeout 170 node "$browser_dir/site_pages.cjs" site shots ||
  fail "the site in the browser"
echo ok
