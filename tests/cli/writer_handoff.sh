#!/usr/bin/env bash
# The page handed to the word processor opens in LibreOffice Writer: a per-pair page of the demo
# session converted to PDF by Writer itself, without a window. Skipped when Writer is absent.
set -euo pipefail
source "$(dirname "$0")/preamble.bash" "$@"

soffice=$(command -v soffice || command -v libreoffice || true)
if [ -z "$soffice" ]; then
  echo "SKIP: LibreOffice Writer (soffice) is not installed; scripts/setup installs libreoffice-writer" >&2
  exit 0
fi
"$cli" demo d >/dev/null 2>&1 || fail "demo"
"$cli" pages d/demo_1.dba --groups A web 2>/dev/null || fail "pages"
# A profile of its own, so a running Writer of the user is never touched.
timeout 100 "$soffice" -env:UserInstallation="file://$PWD/profile" --headless --writer \
  --convert-to pdf --outdir pdf web/MPPaarA1.htm >soffice.log 2>&1 || fail "soffice: $(cat soffice.log)"
[ -s pdf/MPPaarA1.pdf ] || fail "no PDF: $(cat soffice.log)"
[ "$(head -c 5 pdf/MPPaarA1.pdf)" = "%PDF-" ] || fail "not a PDF"
# The pair's name made it into the document.
if command -v pdftotext >/dev/null; then
  pdftotext pdf/MPPaarA1.pdf - | grep -q "Jansen - de Vries" || fail "name not in the PDF"
fi
echo ok
