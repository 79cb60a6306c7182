"""Counts words in the training documentation (never in the benchmark's
held-out text) and writes the word frequency list dicgen orders by:
notation, reading (katakana), word class and count, tab-separated, most
frequent first. Inflected words are counted under their base form, as the
dictionary holds them; the class (part of speech, with the conjugation type of
inflected words) keeps homographs apart: the particle の is no noun の.

usage: frequency.py OUTPUT
"""
import collections
import re
import sys

import corpus
import segment

MIN_COUNT = 1


def main():
    counts = collections.Counter()
    sentences = corpus.sentences(corpus.TRAINING_SOURCES)
    for tokens in segment.segment(sentences):
        for t in tokens:
            inflected = t["pos"] in ("動詞", "形容詞")
            reading = t["base_reading"] if inflected else t["reading"]
            if reading is None and t["pos"] == "名詞" and re.fullmatch("[ァ-ヴー]+", t["surface"]):
                reading = t["surface"]  # a loanword IPADIC lacks reads as it is written
            if reading and t["pos"] != "記号":
                word_class = t["pos"] + (":" + t["ctype"] if inflected else "")
                counts[(t["base"] if inflected else t["surface"], reading, word_class)] += 1
    with open(sys.argv[1], "w", encoding="utf-8") as out:
        out.write("# notation\treading\tclass\tcount: words of %s, counted with mecab (IPADIC)\n"
                  % ", ".join(corpus.TRAINING_PACKAGES))
        for (notation, reading, word_class), count in sorted(counts.items(), key=lambda kv: (-kv[1], kv[0])):
            if count >= MIN_COUNT:
                out.write("%s\t%s\t%s\t%d\n" % (notation, reading, word_class, count))


if __name__ == "__main__":
    main()
