#!/usr/bin/env python3
"""End-to-end runs of the real Gleaner.exe under Wine on an X display.

Each case starts Gleaner from a small program folder (the dictionaries of the
Gleaner scenarios: Kirimo.ini, Gleaner.ini and dic/) with the Gleaner.exe just
built, and works its window as a user does: text set into the memo, buttons
and list items clicked with xdotool, input boxes answered. Usage:

    gleaner_e2e.py --build build/win32 CASE [CASE...]
"""
import re
import shutil
import subprocess
import sys
import time

import kirimo_e2e
from kirimo_e2e import IDOK, ROOT, WM_CLOSE, WM_COMMAND, Failure, Session, check

FIXTURE = ROOT / 'tests' / 'gleaner-scenarios' / 'fixture'

# Control identifiers of TGleanerForm.
COMBO, MEMO, EXTRACT = 101, 103, 105
NOTATIONS, NOTA_ADD, NOTA_EDIT, NOTA_DELETE = 108, 109, 110, 111
READINGS, SYLL_ADD, SYLL_EDIT, SYLL_DELETE = 113, 114, 115, 116
SAVE = 117
INPUT_EDIT, INPUT_PROMPT = 101, 102

YELLOW, AQUA, WHITE = (255, 255, 0), (0, 255, 255), (255, 255, 255)
ITEM_HEIGHT = 16  # at 96 DPI


def make_folder(session, gleaner_ini=True):
    """The fixture's settings and dictionaries with the Gleaner.exe just built."""
    folder = session.folder
    shutil.copytree(FIXTURE / 'dic', folder / 'dic')
    shutil.copy(FIXTURE / 'Kirimo.ini', folder)
    if gleaner_ini:
        shutil.copy(FIXTURE / 'Gleaner.ini', folder)
    shutil.copy(session.build / 'gleaner' / 'program' / 'Gleaner.exe', folder)


class Gleaner:
    """The running Gleaner.exe and what a user does with its window."""

    def __init__(self, session, gleaner_ini=True, process=None):
        """Starts Gleaner.exe in a new program folder, or takes the one started."""
        self.session = session
        if process is None:
            make_folder(session, gleaner_ini)
            process = session.start('Gleaner.exe')
        self.process = process

    def wait_window(self):
        self.form = self.session.wait_window('TGleanerForm', timeout=60)
        return self.form

    def controls(self):
        return {c['id']: c for c in self.session.children(self.form)}

    def click(self, ident):
        left, top, right, bottom = self.controls()[ident]['rect']
        self.session.click((left + right) // 2, (top + bottom) // 2)

    def list_items(self, ident):
        """[(selected, text)] of a list box."""
        rows = []
        for line in self.session.inspect('list', self.controls()[ident]['handle']).splitlines():
            selected, _, text = line.partition('\t')
            rows.append((selected == '1', text))
        return rows

    def wait_list(self, ident, expected, timeout=20):
        return self.session.wait_for(f'list {ident} to hold {expected}',
                                     lambda: self.list_items(ident) == expected or None, timeout)

    def click_item(self, ident, index):
        rect = self.session.inspect('item-rect', self.controls()[ident]['handle'], index).strip()
        check(rect.count(',') == 3, f'list {ident} has no item {index}')
        left, top, right, bottom = (int(v) for v in rect.split(','))
        self.session.click((left + right) // 2, (top + bottom) // 2)

    def set_memo(self, text):
        self.session.inspect('set-text', self.controls()[MEMO]['handle'], text)

    def message(self, timeout=20):
        """The text of the message box that came up, closed with OK."""
        box = self.session.wait_window('#32770', timeout=timeout)
        text = self.session.inspect('text', box.handle).rstrip('\r\n')
        self.session.post(box, WM_COMMAND, IDOK, 0)
        self.session.wait_gone('#32770')
        return text

    def answer(self, caption, prompt, text):
        """Answers the input box that came up: checks it, types text, OK."""
        box = self.session.wait_window('TInputBox', timeout=20)
        check(box.title == caption, f'input box caption {box.title!r}, expected {caption!r}')
        controls = {c['id']: c for c in self.session.children(box)}
        shown = controls[INPUT_PROMPT]['text']
        check(shown == prompt, f'input box prompt {shown!r}, expected {prompt!r}')
        self.session.inspect('set-text', controls[INPUT_EDIT]['handle'], text)
        self.session.click_child(box, 'OK')
        self.session.wait_gone('TInputBox')

    def keep_only_reading(self, reading):
        """Leaves the current entry with reading alone: deletes the other
        proposals, or types it in when nothing proposed it."""
        for _ in range(10):
            readings = [text for _, text in self.list_items(READINGS)]
            if readings == [reading]:
                return
            others = [i for i, text in enumerate(readings) if text != reading]
            if not others:
                break
            self.click_item(READINGS, others[0])
            self.session.wait_for(f'reading {others[0]} selected',
                                  lambda: self.list_items(READINGS)[others[0]][0] or None, 10)
            self.click(SYLL_DELETE)
            self.session.wait_for('the reading deleted',
                                  lambda: len(self.list_items(READINGS)) == len(readings) - 1 or None, 10)
        check(self.list_items(READINGS) == [], f'readings {self.list_items(READINGS)} kept')
        notation = next(text for selected, text in self.list_items(NOTATIONS) if selected)
        self.click(SYLL_ADD)
        self.answer('読みの追加', f'「{notation}」の読みを入力してください', reading)
        self.wait_list(READINGS, [(True, reading)])

    def shade(self, shot, index):
        """The colour of a notation item in a screenshot, right of its text."""
        left, top, right, _ = self.controls()[NOTATIONS]['rect']
        x, y = right - 12, top + 2 + index * ITEM_HEIGHT + ITEM_HEIGHT // 2
        out = subprocess.run(['convert', str(shot), '-crop', f'1x1+{x}+{y}', '-depth', '8', 'txt:-'],
                             capture_output=True, text=True, check=True).stdout
        match = re.search(r'\((\d+),(\d+),(\d+)', out.splitlines()[-1])
        return tuple(int(v) for v in match.groups())

    def user_file(self):
        return (self.session.folder / 'dic' / 'Base.usr').read_bytes().decode('cp932')

    def close(self, timeout=15):
        self.session.post(self.form, WM_CLOSE)
        if self.process is True:  # started by Kirimo: only its window is seen
            return self.session.wait_gone('TGleanerForm', timeout)
        try:
            self.process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            raise Failure(f'Gleaner still runs {timeout} s after its window was closed')


def nothing_opens(session, seconds=1.5):
    time.sleep(seconds)
    check(session.find('TInputBox') is None and session.find('#32770') is None,
          'a box opened with nothing selected')


# The cases ---------------------------------------------------------------

# A letter word (read as itself), a kanji word nothing reads, and one the
# dictionaries' words propose a reading for (東京 + 大学).
TEXT = 'Zorblat と珈琲と東京大学'
EXTRACTED = [(True, 'Zorblat'), (False, '珈琲'), (False, '東京大学')]


def case_gleaner_extract_save(session):
    gleaner = Gleaner(session)
    form = gleaner.wait_window()
    check(form.title == '名詞の抽出', f'title {form.title!r}')
    width, height = form.rect[2] - form.rect[0], form.rect[3] - form.rect[1]
    check((width, height) == (400, 528), f'window {width} x {height} at 96 DPI')
    texts = {c['text'] for c in gleaner.controls().values()}
    for caption in ('登録する辞書', '抽出元テキスト', 'テキストクリア', '名詞を抽出', '抽出名詞', '未登録の読み',
                    '追加', '編集', '削除', '辞書へ登録'):
        check(caption in texts, f'no control "{caption}": {sorted(texts)}')
    check(gleaner.controls()[COMBO]['text'] == '基本', 'the base dictionary is not chosen')

    # Nothing selected: 編集 and 削除 change nothing; a reading needs a notation.
    for ident in (NOTA_EDIT, NOTA_DELETE, SYLL_EDIT, SYLL_DELETE):
        gleaner.click(ident)
    nothing_opens(session)
    gleaner.click(SYLL_ADD)
    check(gleaner.message() == '単語を選択してください', 'no notation selected: wrong message')

    gleaner.set_memo(TEXT)
    gleaner.click(EXTRACT)
    gleaner.wait_list(NOTATIONS, EXTRACTED)
    gleaner.wait_list(READINGS, [(True, 'zorblat')])
    shot = session.screenshot('extracted')
    check(gleaner.shade(shot, 1) == YELLOW, f'珈琲 without a reading is {gleaner.shade(shot, 1)}')
    check(gleaner.shade(shot, 2) == WHITE, f'東京大学 with a proposed reading is {gleaner.shade(shot, 2)}')
    gleaner.click_item(NOTATIONS, 2)
    gleaner.wait_list(READINGS, [(True, 'ﾄｳｷｮｳﾀﾞｲｶﾞｸ')])

    # The kanji word has no reading here (no input method under Wine): give it one.
    gleaner.click_item(NOTATIONS, 1)
    gleaner.wait_list(READINGS, [])
    gleaner.click(SYLL_ADD)
    gleaner.answer('読みの追加', '「珈琲」の読みを入力してください', 'ｺｰﾋｰ')
    gleaner.wait_list(READINGS, [(True, 'ｺｰﾋｰ')])
    gleaner.click_item(NOTATIONS, 0)
    gleaner.wait_list(READINGS, [(True, 'zorblat')])
    shot = session.screenshot('reading-set')
    check(gleaner.shade(shot, 1) == YELLOW, 'a reading typed in is not saved yet: still yellow')

    gleaner.click(SAVE)
    session.wait_for(
        'the user file to hold both lines',
        lambda: 'ｺｰﾋｰ,珈琲,001' in gleaner.user_file() or None, 20)
    gleaner.wait_list(NOTATIONS, EXTRACTED)
    shot = session.screenshot('saved')
    check(gleaner.shade(shot, 1) == AQUA and gleaner.shade(shot, 2) == AQUA, 'saved entries are not aqua')
    # The fixture's last line ends in a lone CR, which ends a line too.
    check(gleaner.user_file() == ('ﾊｼ,橋,001\r\npc,PC,001\rzorblat,Zorblat,001\r\nｺｰﾋｰ,珈琲,001\r\n'
                                    'ﾄｳｷｮｳﾀﾞｲｶﾞｸ,東京大学,001\r\n'),
          f'user file {gleaner.user_file()!r}')

    # Saved pairs are no longer new.
    gleaner.click(EXTRACT)
    check(gleaner.message() == '新しい名詞は有りませんでした。', 'the saved pairs were proposed again')
    check(gleaner.list_items(NOTATIONS) == [], 'notations listed after no new words')

    # A second Gleaner leaves at once; the first keeps its window.
    second = session.start('Gleaner.exe')
    try:
        second.wait(timeout=20)
    except subprocess.TimeoutExpired:
        raise Failure('a second Gleaner.exe did not end')
    windows = [w for w in session.windows() if w.cls == 'TGleanerForm']
    check(len(windows) == 1 and windows[0].handle == form.handle, f'Gleaner windows: {windows}')
    gleaner.close()
    print('screenshots: extracted, reading-set, saved')


def case_gleaner_save_failure(session):
    """A user file that cannot be written: a message, and the list stays as it was;
    once the file is gone (deleted meanwhile) the save makes it again."""
    gleaner = Gleaner(session)
    gleaner.wait_window()
    gleaner.set_memo(TEXT)
    gleaner.click(EXTRACT)
    gleaner.wait_list(NOTATIONS, EXTRACTED)
    gleaner.click_item(NOTATIONS, 2)
    gleaner.wait_list(READINGS, [(True, 'ﾄｳｷｮｳﾀﾞｲｶﾞｸ')])
    usr = session.folder / 'dic' / 'Base.usr'
    usr.unlink()
    usr.mkdir()  # in the file's place: it can be neither written nor made
    gleaner.click(SAVE)
    session.wait_window('#32770', timeout=20)
    session.screenshot('refused')
    text = gleaner.message()
    check(text.startswith('辞書へ登録できませんでした。\\n＞ ') and 'Base.usr' in text and
          text.endswith('\\n抽出した名詞と読みはそのままです。'), f'message {text!r}')
    check(gleaner.process.poll() is None, 'Gleaner ended on a file the user can mend')
    notations = [(index == 2, word) for index, (_, word) in enumerate(EXTRACTED)]
    check(gleaner.list_items(NOTATIONS) == notations, f'notations {gleaner.list_items(NOTATIONS)}')
    check(gleaner.list_items(READINGS) == [(True, 'ﾄｳｷｮｳﾀﾞｲｶﾞｸ')], 'the readings changed')
    shot = session.screenshot('kept')
    check(gleaner.shade(shot, 0) == WHITE and gleaner.shade(shot, 1) == YELLOW,
          f'statuses changed: {gleaner.shade(shot, 0)}, {gleaner.shade(shot, 1)}')

    usr.rmdir()
    gleaner.click(SAVE)
    session.wait_for('the user file made again',
                     lambda: usr.is_file() and 'ﾄｳｷｮｳﾀﾞｲｶﾞｸ,東京大学,001' in gleaner.user_file() or None, 20)
    gleaner.wait_list(NOTATIONS, EXTRACTED)
    shot = session.screenshot('saved')
    check(gleaner.shade(shot, 2) == AQUA, f'a saved entry is {gleaner.shade(shot, 2)}')
    check(gleaner.user_file() == 'zorblat,Zorblat,001\r\nﾄｳｷｮｳﾀﾞｲｶﾞｸ,東京大学,001\r\n',
          f'user file {gleaner.user_file()!r}')
    # Saved again, the list writes nothing twice.
    gleaner.click(SAVE)
    gleaner.wait_list(NOTATIONS, EXTRACTED)
    time.sleep(1)
    check(gleaner.user_file().count('zorblat,Zorblat,001') == 1, 'a second save wrote the lines again')
    gleaner.close()


def case_gleaner_error(session):
    """A user file that cannot be opened at the start: the error message, then the end."""
    make_folder(session)
    usr = session.folder / 'dic' / 'Base.usr'
    usr.unlink()
    usr.mkdir()
    gleaner = Gleaner(session, process=session.start('Gleaner.exe'))
    text = gleaner.message(timeout=60)
    check(text.startswith('予期せぬエラーが発生！\\n＞ ') and text.endswith('\\nアプリケーションを終了します。'),
          f'error message {text!r}')
    try:
        gleaner.process.wait(timeout=15)
    except subprocess.TimeoutExpired:
        raise Failure('Gleaner went on after the unexpected error')


def case_gleaner_no_base(session):
    """No pointer file: one message saying what is missing, and no window."""
    gleaner = Gleaner(session, gleaner_ini=False)
    text = gleaner.message(timeout=60)
    check('Gleaner.ini' in text and text.startswith('基本辞書が見つからないため終了します。'),
          f'message {text!r}')
    check(session.find('TGleanerForm') is None, 'the window was made')
    gleaner.process.wait(timeout=10)


# Nouns no shipped dictionary holds, in a sentence where nothing else is new,
# with their readings; the first is typed on the keypad with these keys.
ROUND_TRIP_TEXT = '週末は森小屋で栗餅を食べた。'
NEW_WORDS = [('森小屋', 'ﾓﾘｺﾔ'), ('栗餅', 'ｸﾘﾓﾁ')]
TYPED_KEYS = (('ま', 'も'), ('ら', 'り'), ('か', 'こ'), ('や', 'や'))


def gleaner_from_tray(session, kirimo):
    kirimo.choose('テキストから新語抽出')
    gleaner = Gleaner(session, process=True)
    gleaner.wait_window()
    return gleaner


def activate_notepad(session):
    session.inspect('activate', session.find('Notepad').handle)
    session.wait_for('Notepad active', lambda: session.find('Notepad').foreground, 10)


def case_gleaner_round_trip(session):
    """New words from a text through Gleaner into the user dictionary, one of them
    then typed on the keypad into Notepad; a second extraction proposes neither."""
    kirimo, typist = kirimo_e2e.start_typing(session)
    shutil.copy(ROOT / 'dist' / 'Gleaner.ini', session.folder)
    shutil.copy(session.build / 'gleaner' / 'program' / 'Gleaner.exe', session.folder)
    usr = session.folder / 'dic' / 'Base.usr'
    before = usr.read_bytes() if usr.exists() else b''

    gleaner = gleaner_from_tray(session, kirimo)
    check(gleaner.controls()[COMBO]['text'] == '基本', 'the base dictionary is not chosen')
    gleaner.set_memo(ROUND_TRIP_TEXT)
    gleaner.click(EXTRACT)
    listed = [(index == 0, word) for index, (word, _) in enumerate(NEW_WORDS)]
    gleaner.wait_list(NOTATIONS, listed, timeout=60)
    gleaner.click_item(NOTATIONS, 1)  # the first entry is then seen unselected
    gleaner.wait_list(NOTATIONS, [(index == 1, word) for index, (word, _) in enumerate(NEW_WORDS)])
    shot = session.screenshot('extracted')
    check(gleaner.shade(shot, 0) == WHITE, f'{NEW_WORDS[0][0]} with proposals is {gleaner.shade(shot, 0)}')
    proposed = {}
    for index, (word, reading) in enumerate(NEW_WORDS):
        gleaner.click_item(NOTATIONS, index)
        session.wait_for(f'{word} selected', lambda: gleaner.list_items(NOTATIONS)[index][0] or None, 10)
        proposed[word] = [text for _, text in gleaner.list_items(READINGS)]
        gleaner.keep_only_reading(reading)
    session.screenshot('readings-kept')
    gleaner.click(SAVE)
    lines = ''.join(f'{reading},{word},001\r\n' for word, reading in NEW_WORDS).encode('cp932')
    session.wait_for('the saved lines', lambda: usr.read_bytes() == before + lines or None, 20)
    gleaner.wait_list(NOTATIONS, listed)
    shot = session.screenshot('saved')
    check(gleaner.shade(shot, 1) == AQUA, f'a saved entry is {gleaner.shade(shot, 1)}')
    gleaner.close()

    # Kirimo has reloaded its user dictionaries: the reading offers the word.
    word = NEW_WORDS[0][0]
    activate_notepad(session)
    typist.spell(*TYPED_KEYS)
    typist.wait_candidate(word)
    session.screenshot('candidate')
    typist.choose(word)
    kirimo_e2e.wait_text(session, word)
    session.screenshot('typed')

    gleaner = gleaner_from_tray(session, kirimo)
    gleaner.set_memo(ROUND_TRIP_TEXT)
    gleaner.click(EXTRACT)
    session.wait_window('#32770', timeout=60)
    session.screenshot('second-extraction')
    check(gleaner.message() == '新しい名詞は有りませんでした。', 'the saved words were proposed again')
    check(gleaner.list_items(NOTATIONS) == [], 'notations listed after no new words')
    gleaner.close()
    kirimo.exit()
    print(f'proposed readings: {proposed}')


class KirimoBeside(kirimo_e2e.Kirimo):
    """Kirimo.exe started from the same program folder as Gleaner."""

    def __init__(self, session):
        self.session = session
        self.process = session.start('Kirimo.exe')


def case_gleaner_from_kirimo(session):
    """Kirimo's tray menu starts Gleaner and waits for it; its menu is back once Gleaner ends."""
    make_folder(session)
    shutil.copy(session.build / 'kirimo' / 'program' / 'Kirimo.exe', session.folder)
    kirimo = KirimoBeside(session)
    kirimo.wait_keypad()
    kirimo.choose('テキストから新語抽出')
    gleaner = Gleaner(session, process=True)
    gleaner.wait_window()
    # Kirimo waits: its menu does not open while Gleaner runs.
    main = kirimo.main_window()
    session.post(main, kirimo_e2e.TRAY_CALLBACK, 1, kirimo_e2e.WM_RBUTTONDOWN)
    session.post(main, kirimo_e2e.TRAY_CALLBACK, 1, kirimo_e2e.WM_RBUTTONUP)
    time.sleep(1.5)
    check(session.find('#32768') is None, 'the tray menu opened while Gleaner runs')
    check(kirimo.process.poll() is None, 'Kirimo ended')
    gleaner.set_memo('Zorblat')
    gleaner.click(EXTRACT)
    gleaner.wait_list(NOTATIONS, [(True, 'Zorblat')])
    gleaner.click(SAVE)
    session.wait_for('the saved line', lambda: 'zorblat,Zorblat,001' in gleaner.user_file() or None, 20)
    session.screenshot('saved')
    gleaner.close()
    kirimo.open_tray_menu()
    session.click_empty()
    session.wait_gone('#32768')
    kirimo.exit()


def case_gleaner_dpi144(session):
    gleaner = Gleaner(session)
    form = gleaner.wait_window()
    width, height = form.rect[2] - form.rect[0], form.rect[3] - form.rect[1]
    check((width, height) == (600, 792), f'window {width} x {height} at 144 DPI')
    gleaner.set_memo(TEXT)
    gleaner.click(EXTRACT)
    gleaner.wait_list(NOTATIONS, EXTRACTED)
    session.screenshot('extracted')
    gleaner.close()


if __name__ == '__main__':
    sys.exit(kirimo_e2e.main(globals()))
