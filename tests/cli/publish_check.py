# Parses every page of a published site with Python's own HTML parser: every local link resolves,
# the numbers are those of results and matchpoints, the page is UTF-8 with lang="nl" and no script.
import csv, os, sys
from html.parser import HTMLParser


class Page(HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.links, self.lang, self.viewport, self.scripts = [], None, False, 0
        self.tables, self._row, self._cell, self.title = [], None, None, ""
        self._in_title = False
        self.text = ""

    def handle_starttag(self, tag, attrs):
        a = dict(attrs)
        if tag == "html":
            self.lang = a.get("lang")
        if tag == "meta" and a.get("name") == "viewport":
            self.viewport = a.get("content") == "width=device-width, initial-scale=1"
        if tag in ("a", "link") and "href" in a:
            self.links.append(a["href"])
        if tag in ("script", "img", "iframe"):
            self.scripts += 1
        if tag == "table":
            self.tables.append([])
        if tag == "tr":
            self._row = []
        if tag in ("td", "th"):
            self._cell = ""
        if tag == "title":
            self._in_title = True

    def handle_endtag(self, tag):
        if tag in ("td", "th") and self._row is not None:
            self._row.append(self._cell.strip())
            self._cell = None
        if tag == "tr" and self._row is not None:
            self.tables[-1].append(self._row)
            self._row = None
        if tag == "title":
            self._in_title = False

    def handle_data(self, data):
        self.text += data
        if self._cell is not None:
            self._cell += data
        if self._in_title:
            self.title += data


site, results_csv, mp_csv = sys.argv[1:4]
names_expected = sys.argv[4:]
results = list(csv.DictReader(open(results_csv, encoding="utf-8")))
mp = {(m["group"], int(m["board"]), int(m["pair"])): m for m in csv.DictReader(open(mp_csv))}
pages = {}
for name in sorted(os.listdir(site)):
    if not name.endswith(".html"):
        continue
    raw = open(os.path.join(site, name), "rb").read()
    page = Page()
    page.feed(raw.decode("utf-8"))
    assert raw.startswith(b"<!DOCTYPE html>"), name
    assert page.lang == "nl" and page.viewport and page.scripts == 0, name
    for link in page.links:
        assert "://" not in link and not link.startswith("/"), (name, link)
        assert os.path.isfile(os.path.join(site, link.split("#")[0])), (name, link)
    pages[name] = page
assert os.path.getsize(os.path.join(site, "site.css")) > 0

# The index: every pair that played with its rank, points and percentage as results has them.
ranking = [row for t in pages["index.html"].tables for row in t if row and row[0] != "Pl."]
by_pair = {}
group_order = [r["group"] for r in results]
for r in results:
    if int(r["rank"]) == 0:
        continue
    by_pair[(r["group"], r["grpnr"])] = r
seen = 0
for table, group in zip(pages["index.html"].tables, sorted(set(group_order))):
    for row in table[1:]:
        r = by_pair[(group, row[1])]
        assert row[0] == r["rank"] and row[2] == r["name"], (row, r)
        assert row[3] == r["points"], (row, r)
        assert abs(float(row[4]) - float(r["percentage"]) - float(r["correction"])) < 0.006, (row, r)
        seen += 1
assert seen == len(by_pair), (seen, len(by_pair))

# Every pair page: the boards' match points as stored, the total as results.
for (group, number), r in by_pair.items():
    page = pages["paar-%s%s.html" % (group, number)]
    assert page.title == "Paar %s%s: %s" % (group, number, r["name"]), page.title
    total = 0
    for row in page.tables[0]:
        if len(row) < 6 or row[0] == "Spel":
            continue
        rec = mp[(group, int(row[0]), int(number))]
        assert row[1] == rec["direction"], (row, rec)
        assert float(row[4]) == int(rec["mp"]) / 10, (row, rec)
        total += int(rec["mp"])
    assert abs(total / 10 - float(r["points"])) < 1e-6, (group, number, total)

# Every board page: both sides' match points of every table as stored.
lines = 0
for name, page in pages.items():
    if not name.startswith("spel-"):
        continue
    board = int(name[5:-5])
    for table, group in zip(page.tables, sorted(set(group_order))):
        for row in table[1:]:
            ns, ew = mp[(group, board, int(row[0]))], mp[(group, board, int(row[1]))]
            assert row[-2] == "%.1f" % (int(ns["mp"]) / 10) and row[-1] == "%.1f" % (int(ew["mp"]) / 10), (name, row)
            if row[2] != "arbitraal":
                assert row[5] == ns["score"] and int(row[6]) == -int(ns["score"]), (name, row, ns)
            lines += 1
assert lines > 0

text = "".join(page.text for page in pages.values())
for expected in names_expected:
    assert expected in text, expected
print("ok", len(pages))
