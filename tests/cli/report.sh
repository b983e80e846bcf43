#!/usr/bin/env bash
# velk-cli report: the session list of the demo as text, as an HTML page and as a PDF, each read
# back and held against the results table of the same file.
set -euo pipefail
source "$(dirname "$0")/preamble.bash" "$@"

"$cli" demo demo >/dev/null 2>&1 || fail "demo failed"
file=$(ls demo/*.dba | head -1)

"$cli" report "$file" --kind 1 --groups '*' >list.txt 2>err.txt || fail "report failed: $(cat err.txt)"
"$cli" results "$file" --format csv >results.csv || fail "results failed"

# Every pair's line, built from the results table by the widths of the list: number 3, two
# blanks, name 33, points 5 with one decimal (Neuberg), a blank, substitutes 3, three blanks,
# the total 6 and the rank 3.
python3 - list.txt results.csv <<'PY' || fail "the list does not hold the results"
import csv, sys
lines = open(sys.argv[1], encoding="utf-8").read().split("\n")
assert lines[1].startswith("P U N T E N van P A R E N  op ClubNr."), lines[1]
for row in csv.DictReader(open(sys.argv[2], encoding="utf-8")):
    points = float(row["points"])
    line = "%3d  %-33s%5.1f %3d   %6.1f%3d" % (int(row["grpnr"]), row["name"][:33], points,
                                               int(row["substitutes"]), points, int(row["comprank"]))
    assert any(l.startswith(line) for l in lines), "missing: " + repr(line)
PY

# The HTML page parses, is ISO-8859-1 and its <PRE> blocks hold the same lines.
"$cli" report "$file" --kind 1 --groups '*' --format html --output list.htm || fail "html report failed"
python3 - list.htm list.txt <<'PY' || fail "the HTML page differs from the text"
import html.parser, sys
raw = open(sys.argv[1], "rb").read()
page = raw.decode("iso-8859-1")
assert "charset=iso-8859-1" in page
class Pre(html.parser.HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.inside = False
        self.text = ""
        self.blocks = 0
    def handle_starttag(self, tag, attrs):
        if tag == "pre":
            self.inside = True
            self.blocks += 1
    def handle_endtag(self, tag):
        if tag == "pre":
            self.inside = False
    def handle_data(self, data):
        if self.inside:
            self.text += data
parser = Pre()
parser.feed(page)
parser.close()
assert parser.blocks == 2, parser.blocks
got = [l for l in parser.text.split("\n") if l != ""]
want = [l for l in open(sys.argv[2], encoding="utf-8").read().split("\n") if l != ""]
assert got == want, (got[:5], want[:5])
PY

# The PDF read back by pdftotext holds every line in order (pdftotext keeps the words of a line,
# not every run of blanks between them).
command -v pdftotext >/dev/null || fail "pdftotext is not installed (scripts/setup)"
"$cli" report "$file" --kind 2 --groups A --format pdf --output list.pdf || fail "pdf report failed"
pdftotext -layout list.pdf list-pdf.txt
"$cli" report "$file" --kind 2 --groups A >rank.txt
words() { tr -s ' \f' '  ' <"$1" | sed 's/^ //; s/ $//' | grep -v '^$'; }
diff <(words rank.txt) <(words list-pdf.txt) >/dev/null || fail "the PDF differs: $(diff <(words rank.txt) <(words list-pdf.txt) | head -5)"

# The pair list asks for the club numbers: --yes answers Ja.
"$cli" report "$file" --kind 7 --yes >pairs.txt
grep -q '^P A R E N L I J S T ' pairs.txt || fail "no pair list title"

# A list this version has no writer for says so; a missing --kind is a usage error.
if "$cli" report "$file" --kind 99 >out.txt 2>err.txt; then fail "kind 99 accepted"; fi
grep -q "Nog niet beschikbaar in deze versie" err.txt || fail "no message for kind 99: $(cat err.txt)"
status=0
"$cli" report "$file" >out.txt 2>err.txt || status=$?
[ "$status" -eq 2 ] || fail "no usage error without --kind ($status)"
echo ok
