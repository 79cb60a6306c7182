"""Click-count benchmark: an oracle user writes held-out Japanese prose through
kirimo-script with the dictionaries and settings of dist/.

usage: run.py [--sentences N] [--ini dist/Kirimo.ini] [--tool build/.../kirimo-script] [--dwell-time MS]
"""
import argparse
import collections
import configparser
import sys
import time

import corpus
import engine
import kana
import oracle
import segment


def symbol_items(ini_path, section):
    """The items of a symbol list as the keypad orders them: dates, keys, symbols."""
    text = open(ini_path, "rb").read().decode("cp932")
    parser = configparser.RawConfigParser(strict=False, delimiters=("=",), interpolation=None)
    parser.optionxform = str
    parser.read_string(text)
    if not parser.has_section(section):
        return []
    values = parser[section]
    items = []
    n = 1
    while ("DATE_TIME%d" % n) in values:
        items.append(split_list(values["DATE_TIME%d" % n])[0])
        n += 1
    items += [v for k, v in values.items() if k.upper().startswith("VK_") and v]
    items += split_list(values.get("SYMBOL", ""))
    return items


def split_list(value):
    """The comma-list rule: commas and blanks separate, double quotes group."""
    fields, field, quoted, i, any_field = [], "", False, 0, False
    while i < len(value):
        c = value[i]
        if quoted:
            if c == '"' and value[i + 1:i + 2] == '"':
                field += '"'
                i += 1
            elif c == '"':
                quoted = False
            else:
                field += c
        elif c == '"':
            quoted = True
            any_field = True
        elif c == ",":
            fields.append(field)
            field, any_field = "", False
        elif c == " ":
            pass
        else:
            field += c
            any_field = True
        i += 1
    fields.append(field)
    return fields


def multitap_cost(tokens):
    """Presses on a 12-key phone with a converter that is always right: kana by
    multi-tap, one press to confirm each phrase, Latin letters by multi-tap."""
    total = 0
    for j, t in enumerate(tokens):
        total += t["space_before"]
        reading = oracle.katakana_reading(t)
        if oracle.JAPANESE.match(t["surface"]) and reading:
            total += kana.multitap(reading)
            starts = t["pos"] not in ("助詞", "助動詞") and t["sub"] not in ("非自立", "接尾")
            if starts or j == len(tokens) - 1:
                total += 1
            continue
        for c in t["surface"]:
            lower = c.lower()
            group = next((g for g in ("abc", "def", "ghi", "jkl", "mno", "pqrs", "tuv", "wxyz") if lower in g), None)
            if group:
                total += group.index(lower) + 1 + (1 if c.isupper() else 0)
            elif c.isdigit():
                total += 1
            else:
                total += 3
    return total


def main():
    args = argparse.ArgumentParser()
    args.add_argument("--sentences", type=int, default=600)
    args.add_argument("--ini", default="dist/Kirimo.ini")
    args.add_argument("--tool", default="build/native-release/tools/kirimo-script/kirimo-script")
    args.add_argument("--dwell-time", type=int, default=800,
                      help="milliseconds of one dwell, for what a user who rests instead of clicking pays")
    options = args.parse_args()

    started = time.time()
    texts = corpus.sample(corpus.sentences(corpus.TEST_SOURCES), options.sentences)
    sentences = segment.segment(texts)
    tool = engine.Engine(options.tool, options.ini)
    switches = [state["cartridge"] for state in tool.labels(["switch"] * 4)]
    switch_in = switches.index("英数") + 1 if "英数" in switches else 99
    switch_out = len(switches) - switch_in
    user = oracle.Oracle(tool, symbol_items(options.ini, "SYMBOL_JP"), symbol_items(options.ini, "SYMBOL_NM"),
                         switch_in, switch_out)
    user.prepare(sentences)

    clicks = chars = kana_count = multitap = 0
    for text, tokens in zip(texts, sentences):
        clicks += user.sentence_cost(tokens)
        chars += len(text)
        kana_count += sum(len(oracle.katakana_reading(t) or "") for t in tokens
                          if oracle.JAPANESE.match(t["surface"]))
        multitap += multitap_cost(tokens)

    picks = sum(user.picks.values())
    print("click benchmark: %d sentences (%s), %d characters, %d kana in Japanese words"
          % (len(texts), ", ".join(corpus.TEST_PACKAGES), chars, kana_count))
    print("  clicks                      %d" % clicks)
    print("  clicks per character        %.3f" % (clicks / chars))
    print("  clicks per kana             %.3f" % (clicks / kana_count))
    # A dwell user rests once where a click goes; the long press is one rest on
    # the stem mark. The pointer's travel and the leaving before a control is
    # rested on twice in a row come on top.
    dwell_seconds = clicks * options.dwell_time / 1000.0
    print("  dwell seconds per character %.3f (each click one %d ms dwell, %.0f s in all)"
          % (dwell_seconds / chars, options.dwell_time, dwell_seconds))
    print("  12-key multi-tap presses    %d" % multitap)
    print("  ratio to multi-tap          %.3f" % (clicks / multitap))
    untypeable = sum(user.untypeable.values())
    print("  untypeable segments         %d (%d distinct), %d clicks charged as spelled"
          % (untypeable, len(user.untypeable),
             sum(oracle.UNTYPEABLE_PER_KANA * len(w) for w, c in user.untypeable.items() for _ in range(c))))
    print("  kana spelled one by one     %d" % user.spelled_kana)
    print("  most frequent untypeable    %s" % " ".join(w for w, _ in user.untypeable.most_common(15)))
    buckets = collections.OrderedDict((("0", 0), ("1", 0), ("2", 0), ("3-4", 0), ("5-9", 0), ("10-19", 0), ("20+", 0)))
    for index, count in user.picks.items():
        key = "0" if index == 0 else "1" if index == 1 else "2" if index == 2 else "3-4" if index < 5 \
            else "5-9" if index < 10 else "10-19" if index < 20 else "20+"
        buckets[key] += count
    print("  pick index distribution     " + "  ".join("%s: %.1f%%" % (k, 100.0 * v / max(picks, 1))
                                                        for k, v in buckets.items()))
    print("  seconds                     %.0f" % (time.time() - started))


if __name__ == "__main__":
    sys.exit(main())
