"""Cuts sentences into words with mecab (IPADIC, UTF-8): surface, part of
speech, base form, reading, and the reading of the base form of inflected words."""
import subprocess

MECAB = ["mecab", "-d", "/var/lib/mecab/dic/ipadic-utf8"]


def _parse(lines):
    out = subprocess.run(MECAB, input="\n".join(lines) + "\n", capture_output=True, text=True,
                         check=True).stdout
    result, current = [], []
    for row in out.splitlines():
        if row == "EOS":
            result.append(current)
            current = []
            continue
        surface, _, features = row.partition("\t")
        f = features.split(",")
        reading = f[7] if len(f) > 7 and f[7] != "*" else None
        base = f[6] if len(f) > 6 and f[6] != "*" else surface
        current.append({"surface": surface, "pos": f[0], "sub": f[1] if len(f) > 1 else "*",
                        "ctype": f[4] if len(f) > 4 else "*",
                        "base": base, "reading": reading})
    return result


def segment(sentences):
    """One token list per sentence; inflected words get "base_reading"."""
    tokens = _parse(sentences)
    bases = sorted({t["base"] for s in tokens for t in s
                    if t["pos"] in ("動詞", "形容詞") and t["base"] != t["surface"]})
    readings = {}
    if bases:
        for base, parsed in zip(bases, _parse(bases)):
            if all(t["reading"] for t in parsed):
                readings[base] = "".join(t["reading"] for t in parsed)
    for text, sentence in zip(sentences, tokens):
        position = 0
        for t in sentence:
            found = text.find(t["surface"], position)
            t["space_before"] = text[position:found].count(" ") if found >= 0 else 0
            position = found + len(t["surface"]) if found >= 0 else position
            t["base_reading"] = readings.get(t["base"], t["reading"]) if t["base"] != t["surface"] else t["reading"]
    return tokens
