"""The cells of the per-pair pages, for the command-line tests that read them back."""
from html.parser import HTMLParser


class Cells(HTMLParser):
    """The text of every table row, cell by cell, and the page's content type."""

    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.rows, self.cell, self.meta = [], None, None

    def handle_starttag(self, tag, attrs):
        if tag == "tr":
            self.rows.append([])
        elif tag in ("td", "th"):
            self.cell = ""
        elif tag == "meta":
            self.meta = dict(attrs).get("content")

    def handle_endtag(self, tag):
        if tag in ("td", "th") and self.cell is not None:
            self.rows[-1].append(self.cell.replace("\xa0", " ").strip())
            self.cell = None

    def handle_data(self, data):
        if self.cell is not None:
            self.cell += data
