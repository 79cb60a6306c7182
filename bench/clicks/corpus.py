"""Sentences of Japanese prose from the documentation Debian ships in Japanese.

The held-out corpus of the click benchmark and the training text of the word
frequency list come from different packages, so the frequency order is never
tuned on the text it is measured with.
"""
import gzip
import hashlib
import html.parser
import pathlib
import re

# Measured with: prose that the frequency list never saw.
TEST_SOURCES = [
    "/usr/share/doc/debian/FAQ/debian-faq.ja.txt.gz",
    "/usr/share/developers-reference/ja/_sources",
    "/usr/share/doc/debian-policy/ja/policy.html/_sources",
    "/usr/share/doc/maint-guide-ja/html",
]
TEST_PACKAGES = ["debian-faq-ja", "developers-reference-ja", "debian-policy-ja", "maint-guide-ja"]
# Counted for the frequency list.
TRAINING_SOURCES = ["/usr/share/debian-reference", "/usr/share/man/ja"]
TRAINING_PACKAGES = ["debian-reference-ja", "manpages-ja"]

JAPANESE = re.compile(r"[\u3041-\u309f\u30a0-\u30ff\u4e00-\u9fff\u3005]")


class _HtmlText(html.parser.HTMLParser):
    """Text of an HTML page, one block a paragraph; code blocks left out."""

    SKIPPED = {"script", "style", "pre", "head", "title"}
    BLOCKS = {"p", "li", "dd", "dt", "td", "th", "div", "h1", "h2", "h3", "h4", "br", "tr", "table"}

    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.parts = []
        self.skipping = 0

    def handle_starttag(self, tag, attrs):
        if tag in self.SKIPPED:
            self.skipping += 1
        elif tag in self.BLOCKS:
            self.parts.append("\n\n")

    def handle_endtag(self, tag):
        if tag in self.SKIPPED and self.skipping:
            self.skipping -= 1
        elif tag in self.BLOCKS:
            self.parts.append("\n\n")

    def handle_data(self, data):
        if not self.skipping:
            self.parts.append(data)


def _html_text(raw):
    parser = _HtmlText()
    parser.feed(raw)
    return "".join(parser.parts)


def _rst_text(raw):
    kept = []
    for line in raw.splitlines():
        if line.startswith((" ", "\t", "..")) or re.fullmatch(r"[=\-~^*#`'\"+]{3,}\s*", line):
            kept.append("")
            continue
        line = re.sub(r":[a-z]+:`([^`<]*)(<[^>]*>)?`", r"\1", line)
        kept.append(line.replace("``", "").replace("**", "").replace("`_", "").replace("`", ""))
    return "\n".join(kept)


def _roff_text(raw):
    kept = []
    for line in raw.splitlines():
        if line.startswith((".", "'")):
            kept.append("" if line[1:3] in ("PP", "SH", "SS", "TP", "IP", "LP", "P", "br", "sp") else None)
            continue
        line = re.sub(r"\\f(\[[^]]*\]|\(..|.)", "", line)
        line = re.sub(r"\\\(..|\\\[[^]]*\]|\\[-&e|^]", "", line)
        kept.append(line)
    return "\n".join(k for k in kept if k is not None)


def _read(path):
    data = path.read_bytes()
    if path.suffix == ".gz":
        data = gzip.decompress(data)
    text = data.decode("utf-8", errors="replace")
    name = path.name.removesuffix(".gz")
    if "/man/" in str(path):
        return _roff_text(text)
    if name.endswith((".html", ".htm")):
        return _html_text(text)
    if name.endswith(".rst.txt"):
        return _rst_text(text)
    return text


def _files(source):
    path = pathlib.Path(source)
    if path.is_file():
        return [path]
    suffixes = (".html", ".htm", ".rst.txt", ".txt", ".txt.gz")
    if "/man/" in str(path):
        return sorted(p for p in path.rglob("*.gz") if p.is_file())
    return sorted(p for p in path.rglob("*") if p.is_file() and p.name.endswith(suffixes)
                  and (".ja." in p.name or "ja" in p.parent.parts[-1] or "/ja/" in str(p)))


def _paragraphs(text):
    for block in re.split(r"\n\s*\n", text):
        lines = [line.strip() for line in block.splitlines() if line.strip()]
        joined = ""
        for line in lines:
            # A line break inside Japanese prose is no blank.
            if joined and not (JAPANESE.search(joined[-1]) or JAPANESE.match(line[0])):
                joined += " "
            joined += line
        yield joined


def sentences(sources):
    """Distinct sentences of mostly Japanese prose, in a stable order."""
    seen = set()
    out = []
    for source in sources:
        for file in _files(source):
            for paragraph in _paragraphs(_read(file)):
                for sentence in re.findall(r"[^。！？]+[。！？]?", paragraph):
                    sentence = re.sub(r"\s+", " ", sentence).strip()
                    if not 8 <= len(sentence) <= 120 or "://" in sentence or "\ufffd" in sentence:
                        continue
                    if len(JAPANESE.findall(sentence)) < 0.6 * len(sentence):
                        continue
                    if sentence not in seen:
                        seen.add(sentence)
                        out.append(sentence)
    return out


def sample(items, count):
    """count items chosen by a hash of their text: stable across runs and machines."""
    ranked = sorted(items, key=lambda s: hashlib.sha1(s.encode("utf-8")).hexdigest())
    return ranked[:count]
