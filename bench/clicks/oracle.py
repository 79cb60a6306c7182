"""The fewest clicks a user who knows the keypad needs for each sentence.

A sentence is cut into chunks at word boundaries; each chunk is one pick from
the candidate list. A chunk costs, at best: 1 click when it is among the 20
newest history entries; row keys (optionally each narrowed by its vowel
button, or only the last) and a pick, with one scroll click for each 20 rows
above it in the list (the list box shows 20); or a row-key
prefix of its first word's base form (narrowed the same ways) until that word
shows, a long press into phrase mode, more keys and a pick.
Kana-only words can also be spelled one kana at a time. Punctuation comes from
the symbol list, Latin letters, digits and ASCII symbols from the alphanumeric
cartridge. Words nothing produces are untypeable and charged as spelled with
key, vowel and pick for each kana.
"""
import collections
import re

import engine
import kana

MAX_WORDS = 3          # words in one chunk
MAX_READING = 12       # kana in one chunk
HISTORY_ROWS = 20
HISTORY_COUNT = 100
UNTYPEABLE_PER_KANA = 3
JAPANESE = re.compile(r"^[\u3041-\u309f\u30a0-\u30ff\u4e00-\u9fff\u3005\u3006\u30fc]+$")


def katakana_reading(token):
    if token["reading"] and kana.is_kana(token["reading"]):
        return token["reading"]
    if kana.is_kana(token["surface"]):
        return "".join(chr(ord(c) + 0x60) if "ぁ" <= c <= "ゖ" else c for c in token["surface"])
    return None


def keys_of(reading):
    return [kana.row_of(c) for c in reading]


def runs_for(reading, mode):
    """The gesture lines of one strategy over a reading, or None when a kana has no key."""
    rows = keys_of(reading)
    if None in rows:
        return None
    lines = []
    for i, (c, row) in enumerate(zip(reading, rows)):
        lines.append("key " + row)
        vowel = kana.vowel_of(c)
        if mode == "each" and vowel:
            lines.append("vowel " + vowel)
    if mode == "last":
        vowel = kana.vowel_of(reading[-1])
        if not vowel:
            return None
        lines.append("vowel " + vowel)
    return tuple(lines)


class Oracle:
    def __init__(self, engine, symbols_jp, nm_page, switch_in, switch_out):
        self.engine = engine
        self.symbols_jp = symbols_jp      # Japanese symbol list items
        self.nm_page = nm_page            # alphanumeric page 0 items
        self.switch_in, self.switch_out = switch_in, switch_out
        self.history = []
        self.picks = collections.Counter()
        self.untypeable = collections.Counter()
        self.spelled_kana = 0

    # --- the engine's answers -------------------------------------------------
    def prepare(self, sentences):
        """Runs every key sequence the sentences can need, in two batches."""
        runs = []
        for tokens in sentences:
            for i in range(len(tokens)):
                for reading in self._span_readings(tokens, i).values():
                    for mode in ("plain", "each", "last"):
                        run = runs_for(reading, mode)
                        if run:
                            runs.append(run)
                head = tokens[i]
                base = head.get("base_reading")
                if base and kana.is_kana(base):
                    for mode in ("plain", "each", "last"):
                        run = runs_for(base, mode)
                        if run:
                            runs.append(run)
                for c in head["surface"]:
                    for mode in ("plain", "each"):
                        run = runs_for(katakana_reading({"reading": None, "surface": c}) or "", mode) if kana.is_kana(c) else None
                        if run:
                            runs.append(run)
        self.engine.run_all(runs)
        self.engine.run_all([run for tokens in sentences for i in range(len(tokens))
                             for run in self._phrase_runs(tokens, i).values()])

    def _span_readings(self, tokens, i):
        """{k: reading of tokens[i:k]} for the chunks that start at i."""
        spans, reading = {}, ""
        for k in range(i, min(len(tokens), i + MAX_WORDS)):
            r = katakana_reading(tokens[k]) if JAPANESE.match(tokens[k]["surface"]) else None
            if not r or (k > i and tokens[k]["space_before"]):
                break
            reading += r
            if len(reading) > MAX_READING:
                break
            spans[k + 1] = reading
        return spans

    def _first_visible(self, run, targets, prefix=0):
        """(gestures, index) of the first state of a cached run showing one of targets."""
        states = self.engine.cache.get(run)
        if states is None:
            return None
        for n, items in enumerate(states):
            for t in targets:
                if t in items:
                    return n + 1 + prefix, items.index(t), t
        return None

    def _hold(self, tokens, i):
        """(clicks, gestures) to show the first word of a chunk and long-press it."""
        head = tokens[i]
        base = head.get("base_reading")
        if not base or not kana.is_kana(base) or not JAPANESE.match(head["surface"]):
            return None
        targets = [head["base"], head["surface"]]
        if head["base"].endswith(("い", "る")) and len(head["base"]) > 1:
            targets.append(head["base"][:-1])
        best = None
        for mode in ("plain", "each", "last"):
            run = runs_for(base, mode)
            found = self._first_visible(run, targets) if run else None
            if found:
                n, index, target = found
                clicks = n + index // engine.ROWS
                if best is None or clicks < best[0]:
                    best = (clicks, run[:n] + ("hold " + target,))
        return best

    def _phrase_runs(self, tokens, i):
        hold = self._hold(tokens, i)
        spans = self._span_readings(tokens, i)
        if not hold:
            return {}
        runs = {}
        head = katakana_reading(tokens[i])
        for k, reading in spans.items():
            # After the long press the list holds the word's own forms (k = i + 1).
            tail = runs_for(reading[len(head):], "plain") if k > i + 1 else ()
            if tail is not None:
                runs[k] = hold[1] + tail
        return runs

    # --- costs ----------------------------------------------------------------
    def chunk_cost(self, tokens, i, k, reading):
        """(clicks, pick index) of the cheapest way to one chunk; None if there is none."""
        text = "".join(t["surface"] for t in tokens[i:k])
        if text in self.history[:HISTORY_ROWS]:
            return 1, self.history.index(text)
        best = None
        for mode in ("plain", "each", "last"):
            run = runs_for(reading, mode)
            found = self._first_visible(run, [text]) if run else None
            if found:
                cost = found[0] + 1 + found[1] // engine.ROWS
                if best is None or cost < best[0]:
                    best = (cost, found[1])
        hold = self._hold(tokens, i)
        run = self._phrase_runs(tokens, i).get(k)
        if hold and run:
            states = self.engine.cache.get(run)
            start = len(hold[1]) - 1  # the state right after the hold
            for n in range(start, len(states)):
                if text in states[n]:
                    # keys before the hold, with its scrolls, the hold, keys after it, the pick
                    cost = hold[0] + 1 + (n - start) + 1 + states[n].index(text) // engine.ROWS
                    if best is None or cost < best[0]:
                        best = (cost, states[n].index(text))
                    break
        return best

    def spell_cost(self, surface):
        """(clicks, pick indexes) spelling kana one at a time; None when one kana is missing."""
        total, picks = 0, []
        for c in surface:
            options = []
            for mode in ("plain", "each"):
                run = runs_for(katakana_reading({"reading": None, "surface": c}) or "", mode)
                found = self._first_visible(run, [c]) if run else None
                if found:
                    options.append((found[0] + 1 + found[1] // engine.ROWS, found[1]))
            if not options:
                return None
            cost, index = min(options)
            total += cost
            picks.append(index)
        return total, picks

    def symbol_cost(self, c, items):
        for candidate in (c, c + {"「": "」", "『": "』", "（": "）", "(": ")", "[": "]", "{": "}", "<": ">", "“": "”", "‘": "’"}.get(c, "")):
            if candidate in items:
                index = items.index(candidate)
                return 1 + index // 20, index % 20
        return None

    def other_cost(self, text):
        """Clicks for a run of characters outside the Japanese words."""
        clicks, nm_run, letters_layout = 0, False, False
        for c in text:
            if c in "」』）)]}>”’":
                clicks += 1       # the pair's closing half is typed; step over it
                continue
            if c == " ":
                clicks += 1       # the Space sub-button
                continue
            jp = self.symbol_cost(c, self.symbols_jp)
            if jp and not nm_run:
                clicks += 1 + jp[0]
                self.picks[jp[1]] += 1
                continue
            if not nm_run:
                clicks += self.switch_in
                nm_run = True
            half = c.translate({ord(f): ord(f) - 0xFEE0 for f in "ＡＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰＱＲＳＴＵＶＷＸＹＺａｂｃｄｅｆｇｈｉｊｋｌｍｎｏｐｑｒｓｔｕｖｗｘｙｚ０１２３４５６７８９"})
            if half.isascii() and half.isalpha():
                if not letters_layout:
                    clicks += 1
                    letters_layout = True
                clicks += 2
                if half.isupper():
                    shift = self.symbol_cost("Shift", self.nm_page)
                    clicks += 2 * (shift[0] if shift else 3)
            elif half.isascii() and half.isdigit():
                if letters_layout:
                    clicks += 1
                    letters_layout = False
                clicks += 1
            else:
                nm = self.symbol_cost(half, self.nm_page) or self.symbol_cost(c, self.symbols_jp)
                if nm:
                    clicks += nm[0]
                    self.picks[nm[1]] += 1
                else:
                    clicks += 4  # from another page or the grid
        if nm_run:
            clicks += self.switch_out
        return clicks

    def sentence_cost(self, tokens):
        """Clicks for the sentence; untypeable words are counted and charged as spelled."""
        n = len(tokens)
        best = [None] * (n + 1)
        best[0] = (0, None)
        for i in range(n):
            if best[i] is None:
                continue
            base = best[i][0] + tokens[i]["space_before"]  # the Space sub-button

            def offer(k, cost, how):
                if best[k] is None or base + cost < best[k][0]:
                    best[k] = (base + cost, (i, how))

            surface = tokens[i]["surface"]
            if not JAPANESE.match(surface):
                # A run of such words is typed in one stay in the alphanumeric cartridge.
                k = i + 1
                while k < n and not JAPANESE.match(tokens[k]["surface"]):
                    k += 1
                text = surface + "".join(" " * t["space_before"] + t["surface"] for t in tokens[i + 1:k])
                offer(k, self.other_cost(text), ("other",))
                continue
            reached = False
            for k, reading in self._span_readings(tokens, i).items():
                found = self.chunk_cost(tokens, i, k, reading)
                if found:
                    offer(k, found[0], ("chunk", found[1]))
                    reached = True
            if kana.is_kana(surface):
                spelled = self.spell_cost(surface)
                if spelled:
                    offer(i + 1, spelled[0], ("spell", spelled[1]))
                    reached = True
            if not reached:
                reading = katakana_reading(tokens[i]) or surface
                offer(i + 1, UNTYPEABLE_PER_KANA * len(reading), ("untypeable",))
        # Walk back to count picks and learn the chunks into the history.
        k, chunks = n, []
        while k > 0:
            i, how = best[k][1]
            chunks.append((i, k, how))
            k = i
        for i, k, how in reversed(chunks):
            text = "".join(t["surface"] for t in tokens[i:k])
            if how[0] == "chunk":
                self.picks[how[1]] += 1
                if text in self.history:
                    self.history.remove(text)
                self.history.insert(0, text)
                del self.history[HISTORY_COUNT:]
            elif how[0] == "spell":
                self.picks.update(how[1])
                self.spelled_kana += len(text)
            elif how[0] == "untypeable":
                self.untypeable[text] += 1
        return best[n][0]
