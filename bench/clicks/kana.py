"""Keypad rows, vowels and multi-tap presses of the kana."""

ROWS = {
    "あ": "あいうえおぁぃぅぇぉ", "か": "かきくけこ", "さ": "さしすせそ", "た": "たちつてとっ",
    "な": "なにぬねの", "は": "はひふへほ", "ま": "まみむめも", "や": "やゆよゃゅょ",
    "ら": "らりるれろ", "わ": "わをんゎ", "ー": "ー",
}
VOICED = {}
for plain, marked in zip("かきくけこさしすせそたちつてとはひふへほう", "がぎぐげござじずぜぞだぢづでどばびぶべぼゔ"):
    VOICED[marked] = (plain, 1)
for plain, marked in zip("はひふへほ", "ぱぴぷぺぽ"):
    VOICED[marked] = (plain, 2)
SMALL = dict(zip("ぁぃぅぇぉっゃゅょゎ", "あいうえおつやゆよわ"))
VOWEL_OF_ROW_INDEX = "あいうえお"
# The vowel buttons show the row's large kana; ん and を sit on the わ row.
WA_VOWELS = "わをん"


def hiragana(text):
    return "".join(chr(ord(c) - 0x60) if "ァ" <= c <= "ヶ" and c not in "ヵヶ" else c for c in text)


def is_kana(text):
    return bool(text) and all(("ぁ" <= c <= "ゖ") or ("ァ" <= c <= "ヺ") or c == "ー" for c in hiragana(text))


def _plain(c):
    c = hiragana(c)
    presses = 0
    if c in VOICED:
        c, presses = VOICED[c]
    return c, presses


def row_of(c):
    """The row key caption of one kana."""
    c, _ = _plain(c)
    c = SMALL.get(c, c)
    for row, members in ROWS.items():
        if c in members:
            return row
    return None


def vowel_of(c):
    """The vowel button that narrows the key of one kana to it."""
    c, _ = _plain(c)
    c = SMALL.get(c, c)
    row = row_of(c)
    if row is None or row == "ー":
        return None
    if row == "わ":
        return c if c in WA_VOWELS else None
    return c if c in ROWS[row][:5] else None


def multitap(reading):
    """Presses on a 12-key phone: taps within the key, the voicing key, and
    one cursor press between two kana of the same key."""
    total, previous = 0, None
    for c in hiragana(reading):
        plain, marks = _plain(c)
        row = row_of(plain)
        if row is None:
            total += 3
            previous = None
            continue
        if row == previous:
            total += 1
        total += ROWS[row].index(plain) + 1 + marks if plain in ROWS[row] else 1 + marks
        previous = row
    return total
