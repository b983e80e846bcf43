# Sourced by the browser tests: node, Debian's chromium, and playwright-core (which brings no
# browser of its own) installed once into the build folder.
# Usage: need_playwright NODE_FOLDER
need_playwright() {
  command -v node >/dev/null || fail "node is not installed (scripts/setup)"
  [ -x /usr/bin/chromium ] || fail "chromium is not installed (scripts/setup)"
  if [ ! -f "$1/node_modules/playwright-core/package.json" ]; then
    mkdir -p "$1"
    npm install --no-save --no-audit --no-fund --prefix "$1" playwright-core@1 >npm.log 2>&1 ||
      fail "npm install playwright-core: $(tail -5 npm.log)"
  fi
}
