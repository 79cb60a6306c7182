#!/usr/bin/env python3
"""End-to-end runs of the real Kirimo.exe under Wine on an X display.

Each case starts Kirimo from a fresh copy of dist/ (with the Kirimo.exe just
built), looks at the windows through kirimo-inspect.exe, clicks with xdotool
and saves screenshots into the artefact folder. Usage:

    kirimo_e2e.py --build build/win32 CASE [CASE...]

A case is a function named case_<name>; add one to add a test.
"""
import argparse
import os
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import time

ROOT = pathlib.Path(__file__).resolve().parents[2]

WM_CLOSE = 0x0010
WM_COMMAND = 0x0111
WM_SYSCOMMAND, SC_RESTORE = 0x0112, 0xF120
WM_LBUTTONDOWN, WM_LBUTTONUP = 0x0201, 0x0202
WM_RBUTTONDOWN, WM_RBUTTONUP = 0x0204, 0x0205
TRAY_CALLBACK = 0x0400 + 1
WM_APP_HANG = 0x8000 + 1
IDOK, IDCANCEL, IDYES = 1, 2, 6
CB_SETCURSEL = 0x014E


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


class Window:
    def __init__(self, line):
        fields = line.split('\t')
        self.handle = int(fields[0])
        self.pid = int(fields[1])
        self.cls = fields[2]
        self.title = fields[3]
        self.rect = tuple(int(v) for v in fields[4].split(','))
        self.enabled, self.visible, self.foreground = (f == '1' for f in fields[5:8])
        self.owner = int(fields[8])
        self.exstyle = int(fields[9], 16)

    @property
    def taskbar_button(self):
        """Whether the shell gives the window a button: shown, and unowned and
        no tool window, or an application window."""
        WS_EX_TOOLWINDOW, WS_EX_APPWINDOW = 0x80, 0x40000
        return self.visible and (self.exstyle & WS_EX_APPWINDOW != 0 or
                                 (self.owner == 0 and self.exstyle & WS_EX_TOOLWINDOW == 0))

    @property
    def centre(self):
        left, top, right, bottom = self.rect
        return (left + right) // 2, (top + bottom) // 2

    def __repr__(self):
        return f'<{self.cls} "{self.title}" {self.rect} en={self.enabled} vis={self.visible}>'


class Session:
    """One Wine prefix (kept in the build folder) and one program folder.

    On the bare display every window is a window of its own on Xvfb. With
    desktop, every program of the prefix runs in one virtual desktop of
    DESKTOP's size at the display's top left corner, where Wine's own window
    manager stacks, activates, moves and sizes windows as Windows does."""

    DESKTOP = (1000, 800)

    def __init__(self, build, artifacts, case, dpi=96, desktop=False):
        self.build = pathlib.Path(build).resolve()
        self.artifacts = pathlib.Path(artifacts).resolve()
        self.artifacts.mkdir(parents=True, exist_ok=True)
        self.case = case
        self.desktop = desktop
        name = 'e2e-wineprefix' + ('' if dpi == 96 else f'-{dpi}') + ('-desktop' if desktop else '')
        self.prefix = self.build / name
        self.folder = pathlib.Path(tempfile.mkdtemp(prefix='kirimo-e2e-'))
        self.processes = []
        self.helper = self.build / 'tests' / 'e2e' / 'kirimo-inspect.exe'
        if desktop:
            # Read when the desktop is made, at the first program of a running
            # prefix: a change ends the prefix's programs so the next start
            # makes it anew. No window of the desktop waits for a window
            # manager, so nothing else is needed.
            changed = self.set_registry('HKCU\\Software\\Wine\\Explorer', 'Desktop', 'REG_SZ', 'Default')
            changed |= self.set_registry('HKCU\\Software\\Wine\\Explorer\\Desktops', 'Default', 'REG_SZ',
                                         'x'.join(map(str, self.DESKTOP)))
            if changed:
                self.end_prefix()
        else:
            # Xvfb has no window manager: Wine would wait 2 s for one at every
            # hidden or destroyed window. Its windows are its own here.
            self.set_registry('HKCU\\Software\\Wine\\X11 Driver', 'Managed', 'REG_SZ', 'N')
        if dpi != 96:
            self.set_registry('HKCU\\Control Panel\\Desktop', 'LogPixels', 'REG_DWORD', str(dpi))

    def set_registry(self, key, name, kind, value):
        """Sets a value once for the prefix; whether it was set now."""
        mark = self.prefix / ('.kirimo-' + name + '-' + value)
        if mark.exists():
            return False
        subprocess.run([str(ROOT / 'scripts' / 'wine-run'), str(self.prefix), 'reg', 'add', key,
                        '/v', name, '/t', kind, '/d', value, '/f'],
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True)
        mark.touch()
        return True

    def end_prefix(self):
        subprocess.run(['wineserver', '-k'], env={**os.environ, 'WINEPREFIX': str(self.prefix)},
                       stderr=subprocess.DEVNULL)

    # The program folder: dist/ as a user unpacks it, with this build's programs.
    def make_folder(self, ini=True, dic=True):
        dist = ROOT / 'dist'
        check((dist / 'Kirimo.ini').exists(), 'dist/ is not assembled (scripts/make-dist)')
        shipped = sorted(p.name for p in dist.glob('*.exe'))
        check(shipped == ['Gleaner.exe', 'Kirimo.exe'], f'dist/ ships other programs: {shipped}')
        shutil.copy(dist / 'Kirimo.ini', self.folder)
        if dic:
            shutil.copytree(dist / 'dic', self.folder / 'dic')
        if not ini:
            (self.folder / 'Kirimo.ini').unlink()
        shutil.copy(self.build / 'kirimo' / 'program' / 'Kirimo.exe', self.folder)
        return self.folder

    def wine(self, *args):
        return subprocess.Popen([str(ROOT / 'scripts' / 'wine-run'), str(self.prefix), *map(str, args)],
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def start(self, program='Kirimo.exe'):
        process = self.wine(self.folder / program)
        self.processes.append(process)
        return process

    def inspect(self, *args):
        # Output through a file, not a pipe: Wine's background processes inherit
        # the helper's handles and would hold a pipe open long after it ended.
        with tempfile.TemporaryFile() as out:
            subprocess.run([str(ROOT / 'scripts' / 'wine-run'), str(self.prefix), str(self.helper),
                            *map(str, args)], stdout=out, stderr=subprocess.DEVNULL, timeout=60)
            out.seek(0)
            return out.read().decode('utf-8', errors='replace')

    def windows(self):
        return [Window(line) for line in self.inspect('windows').splitlines() if line.count('\t') >= 9]

    def find(self, cls, visible=True):
        for window in self.windows():
            if window.cls == cls and (window.visible or not visible):
                return window
        return None

    def wait_for(self, what, probe, timeout=60):
        deadline = time.time() + timeout
        while time.time() < deadline:
            found = probe()
            if found:
                return found
            time.sleep(0.3)
        self.screenshot('timeout')
        raise Failure(f'timed out waiting for {what}; windows: {self.windows()}')

    def wait_window(self, cls, timeout=60):
        return self.wait_for(f'a visible {cls} window', lambda: self.find(cls), timeout)

    def wait_gone(self, cls, timeout=10):
        self.wait_for(f'{cls} to go', lambda: self.find(cls) is None, timeout)

    def children(self, window):
        rows = []
        for line in self.inspect('children', window.handle).splitlines():
            handle, cls, ident, text, rect = line.split('\t')
            rows.append({'handle': int(handle), 'class': cls, 'id': int(ident), 'text': text,
                         'rect': tuple(int(v) for v in rect.split(','))})
        return rows

    def post(self, window, message, wparam=0, lparam=0):
        self.inspect('post', window.handle, message, wparam, lparam)

    def click(self, x, y):
        subprocess.run(['xdotool', 'mousemove', str(x), str(y), 'click', '1'], check=True)

    def click_empty(self):
        """A click on the bare desktop, which closes a menu."""
        if self.desktop:
            self.click(self.DESKTOP[0] - 10, self.DESKTOP[1] - 30)  # above the taskbar
        else:
            self.click(1270, 1010)

    def click_child(self, window, text):
        for child in self.children(window):
            if child['text'] == text:
                left, top, right, bottom = child['rect']
                return self.click((left + right) // 2, (top + bottom) // 2)
        raise Failure(f'no control "{text}" in {window}')

    def screenshot(self, name):
        time.sleep(0.5)  # let Wine map and paint what it just showed
        path = self.artifacts / f'{self.case}-{name}.png'
        subprocess.run(['import', '-window', 'root', str(path)], check=False,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        return path

    def ini_value(self, key):
        for line in (self.folder / 'Kirimo.ini').read_bytes().decode('cp932').splitlines():
            name, _, value = line.partition('=')
            if name.strip().lower() == key.lower():
                return value.strip()
        return None

    def ini_section_value(self, section, key):
        current = None
        for line in (self.folder / 'Kirimo.ini').read_bytes().decode('cp932').splitlines():
            if line.startswith('['):
                current = line.strip()[1:-1]
                continue
            name, _, value = line.partition('=')
            if current == section and name.strip().lower() == key.lower():
                return value.strip()
        return None

    def child(self, window, ident):
        found = next((c for c in self.children(window) if c['id'] == ident), None)
        check(found is not None, f'no control {ident} in {window}')
        return found

    def answer_box(self, expected, button, name):
        """Waits for a message box, checks its text, saves a picture and answers it."""
        box = self.wait_window('#32770', timeout=15)
        text = self.inspect('text', box.handle).rstrip('\r\n').replace('\r', '')
        self.screenshot(name)
        check(text == expected, f'message {text!r}, expected {expected!r}')
        self.post(box, WM_COMMAND, button, 0)
        self.wait_gone('#32770')

    def close(self):
        for process in self.processes:
            if process.poll() is None:
                process.kill()
        self.end_prefix()
        shutil.rmtree(self.folder, ignore_errors=True)


class Kirimo:
    """The running tray program and what a user does with it."""

    # Tray menu rows from the top: text items and separators, as the program builds them.
    MENU = ['終了', '-', 'バージョン情報', '-', '拡張辞書の設定', '単語登録', 'テキストから新語抽出', '-',
            '５０音ボタンの使用', 'CMパネルの表示', 'フォント設定', 'ｽｸﾛｰﾙｽﾋﾟｰﾄﾞの設定', 'ドウェル入力', '-', '表示', '隠す']

    def __init__(self, session, make_folder=True):
        self.session = session
        if make_folder:
            session.make_folder()
        self.process = session.start()

    def wait_keypad(self):
        keypad = self.session.wait_window('TSearchForm')
        self.session.wait_gone('TMainForm', timeout=15)
        return keypad

    def main_window(self):
        return self.session.find('TMainForm', visible=False)

    def open_tray_menu(self):
        # The menu opens at the cursor: in the middle of the screen, clear of the keypad.
        subprocess.run(['xdotool', 'mousemove', '640', '400'], check=True)
        main = self.main_window()
        self.session.post(main, TRAY_CALLBACK, 1, WM_RBUTTONDOWN)
        self.session.post(main, TRAY_CALLBACK, 1, WM_RBUTTONUP)
        return self.session.wait_window('#32768', timeout=15)

    def choose(self, caption):
        menu = self.open_tray_menu()
        left, top, right, bottom = menu.rect
        # Text rows are twice as high as separator rows; the frame is 3 pixels.
        units = sum(1 if item == '-' else 2 for item in self.MENU)
        unit = (bottom - top - 6) / units
        before = 0
        for item in self.MENU:
            size = 1 if item == '-' else 2
            if item == caption:
                y = top + 3 + (before + size / 2) * unit
                self.session.click((left + right) // 2, int(y))
                return
            before += size
        raise Failure(f'no menu item {caption}')

    def open_dialog(self, item, cls, title, texts=()):
        """Chooses a menu item and checks the dialog it opens: its title and the texts of its controls."""
        self.choose(item)
        dialog = self.session.wait_window(cls)
        check(dialog.title == title, f'{cls} title {dialog.title!r}')
        shown = [c['text'] for c in self.session.children(dialog)]
        for expected in texts:
            check(expected in shown, f'{expected} missing from {cls}: {shown}')
        return dialog

    def exit(self, timeout=30):
        self.choose('終了')
        start = time.time()  # from the click
        try:
            self.process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            raise Failure(f'Kirimo still runs {timeout} s after 終了')
        return time.time() - start


# The cases ---------------------------------------------------------------

def case_startup(session):
    kirimo = Kirimo(session)
    splash = session.wait_window('TMainForm', timeout=30)
    check(splash.title == 'Kirimo', f'splash title {splash.title!r}')
    session.screenshot('splash')
    keypad = kirimo.wait_keypad()
    check(keypad.title == 'Kirimo', f'keypad title {keypad.title!r}')
    session.screenshot('keypad')
    second = session.start()
    try:
        second.wait(timeout=20)
    except subprocess.TimeoutExpired:
        raise Failure('a second Kirimo.exe did not end')
    check(kirimo.process.poll() is None, 'the first Kirimo ended')
    again = session.find('TSearchForm')
    check(again is not None and again.handle == keypad.handle, 'the first keypad changed')
    check(len([w for w in session.windows() if w.cls == 'TSearchForm']) == 1, 'two keypads')


def start_expecting_message(session, expected, **folder):
    session.make_folder(**folder)
    process = session.start()
    box = session.wait_window('#32770', timeout=30)
    text = session.inspect('text', box.handle).rstrip('\r\n')
    session.screenshot('message')
    check(text == expected, f'message {text!r}, expected {expected!r}')
    check(session.find('TMainForm', visible=False) is None, 'windows were made before the check')
    session.post(box, WM_COMMAND, IDOK, 0)
    process.wait(timeout=10)


def case_missing_ini(session):
    start_expecting_message(
        session, '"Kirimo.ini"ファイルが見つかりません。\\n"Kirimo.exe"ファイルと同じフォルダに配置してください。',
        ini=False)


def case_missing_dic(session):
    start_expecting_message(
        session, '"dic"フォルダが見つかりません。\\n"Kirimo.exe"ファイルと同じフォルダに配置してください。',
        dic=False)


def case_tray_menu(session):
    kirimo = Kirimo(session)
    kirimo.wait_keypad()
    menu = kirimo.open_tray_menu()
    session.screenshot('menu')
    check(menu.rect[3] - menu.rect[1] > 100, f'menu too small: {menu}')
    session.click_empty()  # elsewhere: the menu closes
    session.wait_gone('#32768')
    kirimo.choose('隠す')
    session.wait_gone('TSearchForm')
    kirimo.choose('表示')
    session.wait_window('TSearchForm')
    kirimo.choose('CMパネルの表示')
    session.wait_for('CMVisible=1 in Kirimo.ini', lambda: session.ini_value('CMVisible') == '1', 15)
    time.sleep(1.5)
    session.screenshot('sponsor')


def case_dialogs(session):
    kirimo = Kirimo(session)
    kirimo.wait_keypad()
    about = kirimo.open_dialog('バージョン情報', 'TAboutBox', 'バージョン情報', ('Ｋｉｒｉｍｏ', 'Version 1.0', 'OK'))
    session.screenshot('about')
    # The menu does not open over an open dialog. The box's OK, posted after the
    # tray messages, is taken after them: once the box is gone, a menu they
    # opened would show.
    main = kirimo.main_window()
    session.post(main, TRAY_CALLBACK, 1, WM_RBUTTONDOWN)
    session.post(main, TRAY_CALLBACK, 1, WM_RBUTTONUP)
    session.post(about, WM_COMMAND, IDOK, 0)
    session.wait_gone('TAboutBox')
    check(session.find('#32768') is None, 'the tray menu opened over the about box')

    kirimo.choose('ｽｸﾛｰﾙｽﾋﾟｰﾄﾞの設定')
    speed = session.wait_window('TInputNumForm')
    check(speed.title == 'スクロールスピード設定', f'speed title {speed.title!r}')
    edit = next(c for c in session.children(speed) if c['class'].lower() == 'edit')
    check(edit['text'] == session.ini_value('ScrollTime'), f'edit shows {edit["text"]!r}')
    session.screenshot('speed')
    session.inspect('set-text', edit['handle'], '250')
    session.click_child(speed, 'OK')
    session.wait_gone('TInputNumForm')
    session.wait_for('ScrollTime=250', lambda: session.ini_value('ScrollTime') == '250', 10)

    kirimo.choose('ｽｸﾛｰﾙｽﾋﾟｰﾄﾞの設定')
    speed = session.wait_window('TInputNumForm')
    edit = next(c for c in session.children(speed) if c['class'].lower() == 'edit')
    session.inspect('set-text', edit['handle'], '7')
    session.click_child(speed, 'キャンセル')
    session.wait_gone('TInputNumForm')
    # Opened again, after the Cancel was handled: the value kept is shown and saved.
    kirimo.choose('ｽｸﾛｰﾙｽﾋﾟｰﾄﾞの設定')
    speed = session.wait_window('TInputNumForm')
    edit = next(c for c in session.children(speed) if c['class'].lower() == 'edit')
    check(edit['text'] == '250' and session.ini_value('ScrollTime') == '250', 'Cancel changed ScrollTime')
    session.post(speed, WM_COMMAND, IDCANCEL, 0)
    session.wait_gone('TInputNumForm')

    kirimo.choose('フォント設定')
    fonts = session.wait_window('#32770')
    session.screenshot('font')
    session.post(fonts, WM_COMMAND, IDCANCEL, 0)
    session.wait_gone('#32770')

    # No Gleaner.exe beside Kirimo: the command returns at once and the menu works again.
    kirimo.choose('テキストから新語抽出')
    kirimo.open_tray_menu()
    session.click_empty()
    session.wait_gone('#32768')


# Controls of the word registration dialog.
COMBO_DIC, EDIT_WORD, COMBO_READ, COMBO_TYPE = 201, 202, 203, 204


def case_word_registration(session):
    """A word registered through the dialog is typed on the keypad at once."""
    kirimo, typist = start_typing(session)
    form = kirimo.open_dialog('単語登録', 'TAddJPWordForm', '単語登録',
                              ('辞書', '語幹', '読み', '品詞', '活用', 'クリア', '辞書に登録', '基本'))
    # The dialog opens with the focus in the word field: typing goes there.
    subprocess.run(['xdotool', 'type', '--delay', '50', 'abc'], check=True)
    session.wait_for('the typed word in the word field',
                     lambda: session.child(form, EDIT_WORD)['text'] == 'abc', 10)
    # The word first: a change of the word takes the input method's reading.
    session.inspect('set-text', session.child(form, EDIT_WORD)['handle'], '霧網')
    session.inspect('set-text', session.child(form, COMBO_READ)['handle'], 'きりもう')
    session.inspect('post', session.child(form, COMBO_TYPE)['handle'], CB_SETCURSEL, 1, 0)
    # Leaving the word field shows the forms of the chosen class.
    for control in (EDIT_WORD, COMBO_READ):
        left, top, right, bottom = session.child(form, control)['rect']
        session.click(left + 10, (top + bottom) // 2)
    session.screenshot('filled')
    check(session.child(form, COMBO_READ)['text'] == 'きりもう', 'the typed reading was replaced')
    session.click_child(form, '辞書に登録')
    session.answer_box('登録されました。', IDOK, 'registered')
    reading = session.child(form, COMBO_READ)['text']
    check(reading == 'ｷﾘﾓｳ', f'the reading field shows {reading!r}')
    user = (session.folder / 'dic' / 'Base.usr').read_bytes().decode('cp932').splitlines()
    check('ｷﾘﾓｳ,霧網,001' in user, f'Base.usr holds {user}')
    session.click_child(form, '辞書に登録')
    session.answer_box('既に登録されています。', IDOK, 'duplicate')
    user = (session.folder / 'dic' / 'Base.usr').read_bytes().decode('cp932').splitlines()
    check(user.count('ｷﾘﾓｳ,霧網,001') == 1, f'Base.usr holds {user}')
    # The readings list: where no input method reads the word, the dictionaries do.
    session.click_child(form, 'クリア')
    session.inspect('set-text', session.child(form, EDIT_WORD)['handle'], '辞書')
    combo = session.child(form, COMBO_READ)
    left, top, right, bottom = combo['rect']
    session.click(left + 10, (top + bottom) // 2)
    session.wait_for('a proposed reading', lambda: session.child(form, COMBO_READ)['text'] == 'ｼﾞｼｮ', 10)
    session.screenshot('proposed')
    session.post(form, WM_CLOSE)
    session.wait_gone('TAddJPWordForm')

    # Typed at once, without a restart: the row keys of ｷﾘﾓｳ, then the word.
    activate_notepad(session)
    typist.spell('か', 'ら', 'ま', 'あ')
    wait_status(session, 'ｶﾗﾏｱ')
    typist.wait_candidate('霧網')
    session.screenshot('candidate')
    typist.choose('霧網')
    wait_text(session, '霧網')
    session.screenshot('typed')
    kirimo.exit()


# Controls of group g of the extension dictionary dialog.
def ext_name(g): return 301 + g * 10
def ext_file(g): return 302 + g * 10


def dictionary_names(session, typist):
    """The names 辞書切替 shows, once round, from 基本 on."""
    first = Keypad(session).values['name']
    names = [first]
    for _ in range(8):
        typist.click('dic')
        name = Keypad(session).values['name']
        if name == first:
            start = names.index('基本') if '基本' in names else 0
            return names[start:] + names[:start]
        names.append(name)
    raise Failure(f'辞書切替 never came back to {first}: {names}')


def case_ext_dic(session):
    """A named dictionary added through the dialog is a cartridge on 辞書切替, and goes again."""
    kirimo, typist = start_typing(session)
    check(dictionary_names(session, typist) == ['基本', '固有名詞', '英数', 'VK'], 'the shipped cartridges')
    form = kirimo.open_dialog('拡張辞書の設定', 'TExtDicForm', '拡張辞書の設定',
                              ('拡張辞書 １', '拡張辞書 ２', '拡張辞書 ３', '辞書名', 'ファイル', 'キータイプ', '固有名詞',
                               'OK', 'キャンセル'))
    session.screenshot('shown')
    # As shipped, OK is accepted and changes nothing.
    before = (session.folder / 'Kirimo.ini').read_bytes()
    session.click_child(form, 'OK')
    session.wait_gone('TExtDicForm')
    check(session.ini_section_value('EXT1_DIC', 'DicName') == '固有名詞', 'EXT1_DIC changed')
    check(session.ini_section_value('EXT2_DIC', 'DicName') == '', 'EXT2_DIC named')
    form = kirimo.open_dialog('拡張辞書の設定', 'TExtDicForm', '拡張辞書の設定')
    # Group 2 has a name and no file.
    session.inspect('set-text', session.child(form, ext_name(1))['handle'], 'Ext2')
    session.inspect('set-text', session.child(form, ext_file(1))['handle'], '')
    session.click_child(form, 'OK')
    session.answer_box('データエラー！', IDOK, 'data-error')
    session.inspect('set-text', session.child(form, ext_name(1))['handle'], ' 自作 ')
    session.inspect('set-text', session.child(form, ext_file(1))['handle'], 'dic\\Mine.dic')
    session.inspect('set-text', session.child(form, ext_name(2))['handle'], '')
    session.inspect('set-text', session.child(form, ext_file(2))['handle'], '')
    session.screenshot('filled')
    session.click_child(form, 'OK')
    session.answer_box('"dic\\Mine.dic"が存在しません。\\n新規に作成しますか？', IDYES, 'create')
    session.wait_gone('TExtDicForm')
    check((session.folder / 'dic' / 'Mine.dic').stat().st_size == 0, 'dic\\Mine.dic was not made empty')
    session.wait_for('EXT2_DIC in Kirimo.ini', lambda: session.ini_section_value('EXT2_DIC', 'DicName') == '自作', 10)
    check(session.ini_section_value('EXT2_DIC', 'DicFile') == 'dic\\Mine.dic', 'EXT2_DIC DicFile')
    check(session.ini_section_value('EXT3_DIC', 'DicName') == '', 'EXT3_DIC DicName')

    # The keypad has a cartridge of that name at once.
    activate_notepad(session)
    names = dictionary_names(session, typist)
    check(names == ['基本', '固有名詞', '自作', '英数', 'VK'], f'辞書切替 goes {names}')
    switch_to(typist, '自作')
    session.screenshot('keypad-mine')

    # The new dictionary can take words at once.
    kirimo.choose('単語登録')
    words = session.wait_window('TAddJPWordForm')
    dictionaries = session.child(words, COMBO_DIC)
    session.inspect('post', dictionaries['handle'], CB_SETCURSEL, 2, 0)
    session.wait_for('自作 as the third dictionary', lambda: session.child(words, COMBO_DIC)['text'] == '自作', 10)
    session.post(words, WM_CLOSE)
    session.wait_gone('TAddJPWordForm')

    # Cancel changes nothing; an emptied group goes.
    kirimo.choose('拡張辞書の設定')
    form = session.wait_window('TExtDicForm')
    name = session.child(form, ext_name(1))
    check(name['text'] == '自作', f'group 2 shows {name["text"]!r}')
    session.inspect('set-text', name['handle'], '')
    session.click_child(form, 'キャンセル')
    session.wait_gone('TExtDicForm')
    check(session.ini_section_value('EXT2_DIC', 'DicName') == '自作', 'Cancel changed the settings')
    kirimo.choose('拡張辞書の設定')
    form = session.wait_window('TExtDicForm')
    session.inspect('set-text', session.child(form, ext_name(1))['handle'], '')
    session.inspect('set-text', session.child(form, ext_file(1))['handle'], '')
    session.click_child(form, 'OK')
    session.wait_gone('TExtDicForm')
    session.wait_for('EXT2_DIC emptied', lambda: session.ini_section_value('EXT2_DIC', 'DicFile') == '', 10)
    check(session.ini_section_value('EXT2_DIC', 'DicName') == '', 'EXT2_DIC DicName stayed')
    check(session.ini_section_value('EXT1_DIC', 'DicName') == '固有名詞', 'EXT1_DIC changed')
    activate_notepad(session)
    names = dictionary_names(session, typist)
    check(names == ['基本', '固有名詞', '英数', 'VK'], f'辞書切替 goes {names} with 自作 removed')
    session.screenshot('keypad-removed')
    kirimo.exit()


def set_section_values(session, section, **values):
    """Rewrites keys of one section of the program folder's Kirimo.ini."""
    ini = session.folder / 'Kirimo.ini'
    lines = ini.read_bytes().decode('cp932').split('\r\n')
    current = None
    for i, line in enumerate(lines):
        if line.startswith('['):
            current = line.strip()[1:-1]
        elif current == section and line.partition('=')[0].strip() in values:
            lines[i] = f'{line.partition("=")[0].strip()}={values[line.partition("=")[0].strip()]}'
    ini.write_bytes('\r\n'.join(lines).encode('cp932'))


class ReadOnlyFolder:
    """A folder of the program folder where no file can be made: without write
    permission, and immutable too when the tests run as root, whom permissions
    do not stop."""

    def __init__(self, session, name, files):
        self.path = session.folder / name
        self.path.mkdir()
        for file, text in files.items():
            (self.path / file).write_bytes(text.encode('cp932'))
        self.path.chmod(0o555)
        if os.geteuid() == 0:
            subprocess.run(['chattr', '+i', str(self.path)], check=False, stderr=subprocess.DEVNULL)
        probe = self.path / 'probe'
        try:
            probe.write_bytes(b'')
            probe.unlink()
            raise Failure(f'{self.path} cannot be made read-only here')
        except PermissionError:
            pass

    def release(self):
        subprocess.run(['chattr', '-i', str(self.path)], check=False, stderr=subprocess.DEVNULL)
        self.path.chmod(0o755)


def case_ext_dic_read_only(session):
    """A dictionary in a read-only folder, where its user file cannot be made:
    the dialog names the file and changes nothing; named in the settings, it
    costs only itself at the start, and the dialog then mends the settings."""
    kirimo, typist = start_typing(session)
    locked = ReadOnlyFolder(session, 'ro', {'Locked.dic': 'ｷﾘﾓ,霧網,1\r\n'})
    try:
        ini = (session.folder / 'Kirimo.ini').read_bytes()
        form = kirimo.open_dialog('拡張辞書の設定', 'TExtDicForm', '拡張辞書の設定')
        session.inspect('set-text', session.child(form, ext_name(1))['handle'], '読取専用')
        session.inspect('set-text', session.child(form, ext_file(1))['handle'], 'ro\\Locked.dic')
        session.click_child(form, 'OK')
        box = session.wait_window('#32770', timeout=15)
        text = session.inspect('text', box.handle).rstrip('\r\n')
        session.screenshot('refused')
        check(text.startswith('"') and 'ro\\Locked.usr"を開けません。' in text and
              text.endswith('拡張辞書の設定は変わっていません。'), f'message {text!r}')
        session.post(box, WM_COMMAND, IDOK, 0)
        session.wait_gone('#32770')
        check(session.find('TExtDicForm') is not None, 'the dialog closed on a failure')
        session.click_child(session.find('TExtDicForm'), 'キャンセル')
        session.wait_gone('TExtDicForm')
        check((session.folder / 'Kirimo.ini').read_bytes() == ini, 'Kirimo.ini changed')
        activate_notepad(session)
        names = dictionary_names(session, typist)
        check(names == ['基本', '固有名詞', '英数', 'VK'], f'辞書切替 goes {names}')
        switch_to(typist, '基本')
        typist.spell(('か', 'き'), ('や', 'よ'), ('あ', 'う'))
        typist.choose('今日')
        wait_text(session, '今日')
        kirimo.exit()

        # The same settings written by hand: Kirimo starts without that dictionary.
        set_section_values(session, 'EXT2_DIC', DicName='読取専用', DicFile='ro\\Locked.dic')
        kirimo = Kirimo(session, make_folder=False)
        box = session.wait_window('#32770', timeout=60)
        text = session.inspect('text', box.handle).rstrip('\r\n')
        session.screenshot('start-notice')
        check(text.startswith('次の辞書は開けないため、使わずに起動しました。') and
              'ro\\Locked.usr"を開けません。' in text, f'start-up message {text!r}')
        session.post(box, WM_COMMAND, IDOK, 0)
        session.wait_gone('#32770')
        kirimo.wait_keypad()
        activate_notepad(session)
        names = dictionary_names(session, typist)
        check(names == ['基本', '固有名詞', '英数', 'VK'], f'辞書切替 goes {names} at the start')
        switch_to(typist, '基本')
        typist.spell(('あ', 'あ'), ('ま', 'め'))
        typist.choose('雨')
        wait_text(session, '今日雨')
        session.screenshot('typed-without-it')
        form = kirimo.open_dialog('拡張辞書の設定', 'TExtDicForm', '拡張辞書の設定')
        check(session.child(form, ext_name(1))['text'] == '読取専用', 'group 2 does not show the setting')
        session.inspect('set-text', session.child(form, ext_name(1))['handle'], '')
        session.inspect('set-text', session.child(form, ext_file(1))['handle'], '')
        session.click_child(form, 'OK')
        session.wait_gone('TExtDicForm')
        session.wait_for('EXT2_DIC emptied', lambda: session.ini_section_value('EXT2_DIC', 'DicFile') == '', 10)
        kirimo.exit()
    finally:
        locked.release()


def case_dpi144(session):
    """Sizes given at 96 DPI scale by 1.5; the stored geometry does not."""
    kirimo = Kirimo(session)
    splash = session.wait_window('TMainForm', timeout=30)
    width, height = splash.rect[2] - splash.rect[0], splash.rect[3] - splash.rect[1]
    check((width, height) == (266, 203), f'splash {width} x {height} at 144 DPI')
    session.screenshot('splash')
    keypad = kirimo.wait_keypad()
    check((keypad.rect[2] - keypad.rect[0], keypad.rect[3] - keypad.rect[1]) ==
          (int(session.ini_value('Width')), int(session.ini_value('Height'))), 'the stored size was scaled')
    # Inside, the fixed sizes scale: 20-pixel list buttons and vowel row, 4-pixel splitter.
    shot = session.screenshot('keypad')
    view = Keypad(session)
    up, down, vowel = view.find('up'), view.find('down'), view.find('vowel', index=0)
    check(down[3] - up[3] == 30, f'"▲" and "▼" {down[3] - up[3]} apart at 144 DPI')
    check(vowel[3] - down[3] == 36, f'the vowel row {vowel[3] - down[3]} below "▼" at 144 DPI')
    check([c[4] for c in view.controls if c[0] == 'vowel'] == ['Enter', 'BS', 'Space', 'Delete', 'Tab'],
          'the vowel row does not show the key commands')
    check_vowel_captions_fit(shot, view, 30)
    kirimo.choose('バージョン情報')
    about = session.wait_window('TAboutBox')
    check(about.rect[2] - about.rect[0] >= 410, f'about box {about.rect} at 144 DPI')
    session.screenshot('about')
    session.click_child(about, 'OK')
    session.wait_gone('TAboutBox')
    kirimo.exit()


def colours(shot, x, y, width, height):
    """The set of colours in a rectangle of a screenshot."""
    out = subprocess.run(['convert', str(shot), '-crop', f'{width}x{height}+{x}+{y}', '-depth', '8', 'txt:-'],
                         capture_output=True, text=True, check=True).stdout
    return set(re.findall(r'\((\d+,\d+,\d+)', out))


def check_vowel_captions_fit(shot, keypad, row_height):
    """The five vowel buttons share the row equally; a caption that fits leaves
    the columns just inside each button's bevel bare (one colour), a clipped one
    runs through them."""
    vowels = sorted((c for c in keypad.controls if c[0] == 'vowel'), key=lambda c: c[1])
    width = vowels[1][2] - vowels[0][2]
    left = vowels[0][2] - width // 2
    for index, (_, _, _, y, caption) in enumerate(vowels):
        x = left + index * width
        top = y - row_height // 2 + 6
        for column in (x + 2, x + width - 4):  # two columns inside the 2-pixel bevel on each side
            seen = colours(shot, column, top, 2, row_height - 12)
            check(len(seen) == 1, f'the caption {caption!r} runs into the edge of its button ({seen})')


def case_exit(session):
    kirimo = Kirimo(session)
    keypad = kirimo.wait_keypad()
    session.inspect('move', keypad.handle, 300, 120)
    session.wait_for('the keypad at 300,120', lambda: session.find('TSearchForm').rect[:2] == (300, 120), 10)
    moved = session.find('TSearchForm')
    seconds = kirimo.exit()
    check((session.ini_value('Left'), session.ini_value('Top')) == ('300', '120'),
          f'Kirimo.ini holds Left={session.ini_value("Left")} Top={session.ini_value("Top")}')
    check(session.ini_value('Width') == str(moved.rect[2] - moved.rect[0]), 'width not saved')
    print(f'exit took {seconds:.1f} s')


def notepad_text(session):
    notepad = session.find('Notepad')
    if notepad is None:
        return None
    edit = next((c for c in session.children(notepad) if c['class'].lower() == 'edit'), None)
    if edit is None:
        return None
    # The helper writes a line break inside the text as \n.
    return session.inspect('text', edit['handle']).rstrip('\r\n').replace('\r', '').replace('\\n', '\n')


def start_notepad(session):
    """Wine's Notepad as the target, beside the keypad rather than over it."""
    session.processes.append(session.wine('notepad'))
    notepad = session.wait_window('Notepad')
    session.inspect('move', notepad.handle, 320, 0)
    return session.wait_for('Notepad beside the keypad',
                            lambda: next((w for w in session.windows() if w.cls == 'Notepad' and w.rect[0] == 320), None), 10)


class Keypad:
    """The keypad as it describes itself: every control's centre and caption."""

    def __init__(self, session):
        self.session = session
        self.window = session.find('TSearchForm')
        check(self.window is not None, 'no keypad')
        self.controls = []
        self.values = {}
        for line in session.inspect('keypad', self.window.handle).splitlines():
            name, index, x, y, caption = (line.split('\t') + [''])[:5]
            if x == y == '0' and index == '0':
                self.values[name] = caption
            else:
                self.controls.append((name, int(index), int(x), int(y), caption))

    def find(self, name, caption=None, index=None):
        control = self.lookup(name, caption, index)
        check(control is not None, f'no {name} {caption or index} on the keypad: {self.controls}')
        return control

    def lookup(self, name, caption=None, index=None):
        return next((c for c in self.controls if c[0] == name and (caption is None or c[4] == caption) and
                     (index is None or c[1] == index)), None)

    def rows(self):
        return [c[4] for c in self.controls if c[0] == 'row']


def keypad_click(session, name, caption=None, index=None, until=None):
    """Clicks a keypad control found by its name and caption or index, waiting for
    the caption as a user waits to see it: the keypad relabels its buttons after
    the worker has taken the previous click, later on a loaded machine. With
    until, a (what, probe) pair, the button is held down until probe() holds, as
    a user holds a long press until the keypad shows that it took it."""
    deadline = time.time() + 10
    while Keypad(session).lookup(name, caption, index) is None and time.time() < deadline:
        time.sleep(0.3)
    _, _, x, y, _ = Keypad(session).find(name, caption, index)  # fails naming what shows
    subprocess.run(['xdotool', 'mousemove', str(x), str(y)], check=True)
    time.sleep(0.1)
    subprocess.run(['xdotool', 'mousedown', '1'], check=True)
    try:
        if until:
            session.wait_for(until[0], until[1], 20)
        else:
            time.sleep(0.05)
    finally:
        subprocess.run(['xdotool', 'mouseup', '1'], check=True)
    time.sleep(0.2)


def wait_rows(session, what, probe, timeout=20):
    return session.wait_for(what, lambda: probe(Keypad(session).rows()), timeout)


def choose_row(session, text, until=None):
    """Clicks the candidate text, scrolling down with "▼" until it shows."""
    for _ in range(30):
        keypad = Keypad(session)
        if text in keypad.rows():
            return keypad_click(session, 'row', text, until=until)
        keypad_click(session, 'down')
    raise Failure(f'no candidate {text}: {Keypad(session).rows()}')


class Typist:
    """Clicks on the keypad while Notepad is the active window, checking after each
    click that the keypad did not take the activation."""

    def __init__(self, session):
        self.session = session

    def click(self, name, caption=None, index=None, until=None):
        keypad_click(self.session, name, caption, index, until)
        self.check_foreground()

    def choose(self, text, until=None):
        choose_row(self.session, text, until)
        self.check_foreground()

    def check_foreground(self):
        windows = self.session.windows()
        keypad = next(w for w in windows if w.cls == 'TSearchForm')
        notepad = next(w for w in windows if w.cls == 'Notepad')
        check(not keypad.foreground, 'the keypad took the activation')
        check(not keypad.enabled, 'the keypad stayed usable while Notepad is active')
        check(notepad.foreground, 'Notepad lost the activation')

    def spell(self, *steps):
        """Steps: a key caption, or a (key, vowel) pair."""
        for step in steps:
            key, vowel = step if isinstance(step, tuple) else (step, None)
            self.click('key', key)
            if vowel:
                self.click('vowel', vowel)

    def wait_candidate(self, text):
        wait_rows(self.session, f'the candidate {text}', lambda rows: text in rows)


def activate_notepad(session):
    """Notepad the active window again, as after a dialog of the tray menu."""
    session.inspect('activate', session.find('Notepad').handle)
    session.wait_for('Notepad active', lambda: session.find('Notepad').foreground, 10)


def start_typing(session):
    """Notepad active beside a running keypad."""
    start_notepad(session)
    kirimo = Kirimo(session)
    kirimo.wait_keypad()
    activate_notepad(session)
    return kirimo, Typist(session)


def wait_text(session, expected, timeout=15):
    try:
        session.wait_for(f'Notepad to hold {expected!r}', lambda: notepad_text(session) == expected, timeout)
    except Failure:
        raise Failure(f'Notepad holds {notepad_text(session)!r}, not {expected!r}')


SENTENCE = '今日は雨が降る'


def type_sentence(session, typist):
    """今日は雨が降る with keys, vowels, a long press into phrase mode and selections."""
    typist.spell(('か', 'き'), ('や', 'よ'), ('あ', 'う'))
    typist.wait_candidate('今日')
    # Held: accepted as the start of a phrase.
    typist.choose('今日', until=('phrase mode', lambda: '今日は' in Keypad(session).rows()))
    check(Keypad(session).values['status'] == '文節モード', 'not in phrase mode')
    session.screenshot('phrase')
    check(notepad_text(session) == '', 'the long press sent text')
    typist.choose('今日は')
    wait_text(session, '今日は')
    typist.spell(('あ', 'あ'), ('ま', 'め'))
    typist.wait_candidate('雨')
    typist.choose('雨')
    typist.spell(('か', 'か'))
    typist.wait_candidate('が')
    typist.choose('が')
    typist.spell(('は', 'ふ'), ('ら', 'る'))
    typist.wait_candidate('降る')
    typist.choose('降る')


def case_typing(session):
    """今日は雨が降る with keys, vowels, a long press into phrase mode and selections."""
    kirimo, typist = start_typing(session)
    session.screenshot('keys')
    type_sentence(session, typist)
    wait_text(session, SENTENCE)
    kirimo.exit()
    history = [p for p in session.folder.rglob('*') if p.is_file() and '降る'.encode('cp932') in p.read_bytes()
               and p.suffix.lower() != '.dic']
    check(history, 'no history file holds the committed text')


def wait_status(session, expected, timeout=10):
    session.wait_for(f'the status {expected!r}', lambda: Keypad(session).values.get('status') == expected, timeout)


def switch_to(typist, name):
    """辞書切替 until the named mode is plugged in."""
    for _ in range(6):
        if Keypad(typist.session).values['name'] == name:
            return
        typist.click('dic')
    raise Failure(f'辞書切替 never reached {name}')


class Dweller:
    """Writes by resting the pointer on the keypad: xdotool moves it and nothing
    else, no button goes down. After each move it waits for the keypad to say
    that the dwell fired, and checks that Notepad kept the activation."""

    def __init__(self, session):
        self.session = session
        self.typist = Typist(session)
        self.countdowns = []  # screenshots taken while a countdown ran

    def fired(self):
        return int(Keypad(self.session).values['dwells'])

    def rest(self, name, caption=None, index=None, shot=None):
        """Moves onto the control (waiting for it to show, as a user does) and rests until it fires."""
        session = self.session
        control = session.wait_for(f'{name} {caption or index} on the keypad',
                                   lambda: Keypad(session).lookup(name, caption, index), 20)
        before = self.fired()
        _, _, x, y, _ = control
        subprocess.run(['xdotool', 'mousemove', str(x), str(y)], check=True)
        # A hand that trembles within the tolerance still rests.
        subprocess.run(['xdotool', 'mousemove', str(x + 2), str(y + 1)], check=True)
        if shot:
            self.countdowns.append(self.countdown_shot(shot))
        session.wait_for(f'a dwell on {name} {caption or index}', lambda: self.fired() > before, 20)
        self.typist.check_foreground()

    def countdown_shot(self, name):
        """A picture at once, while the countdown runs, and the countdown the keypad reported."""
        path = self.session.artifacts / f'{self.session.case}-{name}.png'
        subprocess.run(['import', '-window', 'root', str(path)], check=False,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        return path, Keypad(self.session).values['countdown']

    def spell(self, *steps):
        for key, vowel in steps:
            self.rest('key', key)
            self.rest('vowel', vowel)

    def choose(self, text):
        """Rests on the candidate, resting on "▼" first while it is below the rows shown."""
        session = self.session
        session.wait_for(f'the candidate {text}', lambda: int(Keypad(session).values['count']) > 0, 20)
        for _ in range(10):
            if text in Keypad(session).rows():
                return self.rest('row', text)
            self.rest('down')
            self.leave()
        raise Failure(f'no candidate {text}: {Keypad(session).rows()}')

    def leave(self):
        """Onto the bare desktop, so that the next rest on the same control counts again."""
        subprocess.run(['xdotool', 'mousemove', '1200', '900'], check=True)
        time.sleep(0.2)


def case_dwell(session):
    """今日は雨が降る by pointer moves alone with DwellTime=800, a long press
    into phrase mode by the stem mark included; the status bar pauses and
    resumes; then the tray menu switches dwell off."""
    session.make_folder()
    set_ini_values(session, DwellTime='800')
    notepad = start_notepad(session)
    kirimo = Kirimo(session, make_folder=False)
    kirimo.wait_keypad()
    session.inspect('activate', notepad.handle)
    session.wait_for('Notepad active', lambda: session.find('Notepad').foreground, 10)
    dweller = Dweller(session)
    dweller.rest('key', 'か', shot='countdown-key')
    dweller.rest('vowel', 'き')
    dweller.spell(('や', 'よ'), ('あ', 'う'))
    session.wait_for('the stem mark of 今日', lambda: Keypad(session).lookup('stem', '今日'), 20)
    session.screenshot('stem-marks')
    dweller.rest('stem', '今日', shot='countdown-stem')
    wait_rows(session, 'phrase mode', lambda rows: '今日は' in rows)
    check(Keypad(session).values['status'] == '文節モード', 'not in phrase mode')
    check(notepad_text(session) == '', 'the long press dwell sent text')
    session.screenshot('phrase')
    dweller.choose('今日は')
    wait_text(session, '今日は')

    # Resting on the status bar twice as long pauses dwell; resting on a key then does nothing.
    dweller.rest('statusbar', shot='countdown-status')
    wait_status(session, 'ドウェル休止中')
    _, _, x, y, _ = Keypad(session).find('key', 'あ')
    subprocess.run(['xdotool', 'mousemove', str(x), str(y)], check=True)
    time.sleep(2.5)
    check(Keypad(session).values['status'] == 'ドウェル休止中', 'a key took a dwell while paused')
    dweller.rest('statusbar')
    wait_status(session, 'ドウェル再開')

    dweller.spell(('あ', 'あ'), ('ま', 'め'))
    dweller.choose('雨')
    dweller.spell(('か', 'か'))
    dweller.choose('が')
    dweller.spell(('は', 'ふ'), ('ら', 'る'))
    dweller.choose('降る')
    wait_text(session, SENTENCE)
    # Resting on after the last dwell types nothing more.
    time.sleep(2)
    check(notepad_text(session) == SENTENCE, f'Notepad holds {notepad_text(session)!r}')
    session.screenshot('written')

    # Countdowns in progress: the pictures show the outline and the keypad said how far.
    progressed = [(path, value) for path, value in dweller.countdowns if value]
    check(progressed, f'no countdown was seen in progress: {dweller.countdowns}')
    for path, value in progressed:
        print(f'countdown {value}: {path}')

    # The tray menu switches dwell off (the menu is clicked: this part is not for a dwell user).
    kirimo.choose('ドウェル入力')
    session.wait_for('DwellTime=0', lambda: session.ini_value('DwellTime') == '0', 15)
    session.inspect('activate', notepad.handle)
    session.wait_for('Notepad active', lambda: session.find('Notepad').foreground, 10)
    _, _, x, y, _ = Keypad(session).find('key', 'か')
    subprocess.run(['xdotool', 'mousemove', str(x), str(y)], check=True)
    time.sleep(2.5)
    check(Keypad(session).values['status'] == '', 'a rest typed with dwell off')
    check(Keypad(session).lookup('stem') is None, 'stem marks with dwell off')
    kirimo.exit()


def case_captions(session):
    """The keypad's captions at the shipped size and at twice that size: every
    vowel caption inside its button, and the pictures to look at."""
    session.make_folder()
    for name, geometry, row in (('shipped', {}, 20),
                                ('double', {'Width': '400', 'Height': '1000', 'KeyHeight': '300'}, 40)):
        set_ini_values(session, **geometry)
        kirimo = Kirimo(session, make_folder=False)
        kirimo.wait_keypad()
        view = Keypad(session)
        check([c[4] for c in view.controls if c[0] == 'vowel'] == ['Enter', 'BS', 'Space', 'Delete', 'Tab'],
              'the vowel row does not show the key commands')
        check_vowel_captions_fit(session.screenshot(name), view, row)
        kirimo.exit()
        session.processes.clear()


def case_list_font(session):
    """The list font is the candidate list's alone: at 24 points its rows are as
    high as the font needs, and the keys, vowels and commands look exactly as
    they do at the shipped 12 points."""
    session.make_folder()
    start_notepad(session)
    heights, panels = {}, {}
    for size in ('12', '24'):
        set_ini_values(session, ListFontSize=size)
        kirimo = Kirimo(session, make_folder=False)
        kirimo.wait_keypad()
        activate_notepad(session)
        keypad_click(session, 'key', 'あ')
        session.wait_for('candidates of あ', lambda: len(Keypad(session).rows()) >= 2, 15)
        subprocess.run(['xdotool', 'mousemove', '1200', '1000'], check=True)  # no hover
        view = Keypad(session)
        rows = [c for c in view.controls if c[0] == 'row']
        heights[size] = rows[1][3] - rows[0][3]
        buttons = [c for c in view.controls if c[0] in ('key', 'vowel', 'clear', 'dic', 'hide')]
        left, top, right, _ = view.window.rect
        panel_top = min(c[3] for c in buttons) - 8 - top
        panel_bottom = max(c[3] for c in buttons) + 8 - top
        shot = session.screenshot(f'list-font-{size}')
        panels[size] = subprocess.run(
            ['convert', str(shot), '-crop', f'{right - left}x{panel_bottom - panel_top}+{left}+{top + panel_top}',
             '-depth', '8', 'txt:-'], capture_output=True, text=True, check=True).stdout
        kirimo.exit()
        session.processes.clear()
    check(heights['12'] >= 16 and heights['24'] >= 32, f'rows {heights} px high')
    check(panels['12'] == panels['24'], 'the list font changed the keys, vowels or commands')


def case_commands(session):
    """A bracket pair with the caret between, Enter from the vowel row, digits from
    the alphanumeric mode, a held Ctrl from the virtual-key mode."""
    kirimo, typist = start_typing(session)
    typist.click('left')  # at the root: the symbol list
    typist.choose('「」')
    wait_text(session, '「」')
    typist.spell(('あ', 'あ'))
    typist.wait_candidate('あ')
    typist.choose('あ')
    wait_text(session, '「あ」')
    typist.click('vowel', 'Enter')
    wait_text(session, '「あ\n」')
    switch_to(typist, '英数')
    typist.click('key', '1')
    typist.click('key', '2')
    wait_text(session, '「あ\n12」')
    switch_to(typist, 'VK')
    typist.choose('Ctrl')
    typist.click('key', 'ABC')
    typist.choose('A')  # with the held Ctrl: everything selected
    switch_to(typist, '英数')
    typist.click('key', '3')  # replaces the selection
    wait_text(session, '3')
    kirimo.exit()


def case_list_buttons(session):
    """"▼" held scrolls; "<" and ">" step back and replay; 辞書切替 cycles."""
    kirimo, typist = start_typing(session)
    typist.spell('か')
    wait_rows(session, 'candidates for か', lambda rows: len(rows) > 5)
    count = int(Keypad(session).values['count'])
    check(count > 30, f'only {count} candidates')
    typist.click('down', until=('held "▼" to scroll five lines', lambda: int(Keypad(session).values['top']) >= 5))
    top = int(Keypad(session).values['top'])
    typist.click('up')
    check(int(Keypad(session).values['top']) == top - 1, '"▲" did not scroll one line')
    typist.spell('さ')
    wait_status(session, 'ｶｻ')
    typist.click('left')
    wait_status(session, 'ｶ')
    typist.click('right')
    wait_status(session, 'ｶｻ')
    names = []
    for _ in range(4):
        typist.click('dic')
        names.append(Keypad(session).values['name'])
    check(names == ['固有名詞', '英数', 'VK', '基本'], f'辞書切替 went {names}')
    session.screenshot('keys')
    kirimo.exit()


def case_grid(session):
    """The 50-sound grid from the tray menu; a cell types its syllable."""
    kirimo, typist = start_typing(session)
    kirimo.choose('５０音ボタンの使用')
    session.wait_for('the grid', lambda: any(c[0] == 'cell' for c in Keypad(session).controls), 10)
    session.wait_for('Use50Key=1', lambda: session.ini_value('Use50Key') == '1', 10)
    notepad = session.find('Notepad')
    session.inspect('activate', notepad.handle)
    session.wait_for('Notepad active', lambda: session.find('Notepad').foreground, 10)
    typist.click('cell', 'ｱ')
    typist.click('cell', 'ﾒ')
    typist.wait_candidate('雨')
    session.screenshot('grid')
    typist.choose('雨')
    wait_text(session, '雨')
    kirimo.exit()


def set_ini_values(session, **values):
    """Rewrites keys of the program folder's Kirimo.ini before the start."""
    ini = session.folder / 'Kirimo.ini'
    lines = ini.read_bytes().decode('cp932').split('\r\n')
    for i, line in enumerate(lines):
        name = line.partition('=')[0].strip()
        if name in values:
            lines[i] = f'{name}={values[name]}'
    ini.write_bytes('\r\n'.join(lines).encode('cp932'))


def register_url_handler(session, scheme, record):
    """Makes the shell open URLs of scheme by writing them into the file record."""
    key = f'HKCR\\{scheme}'
    command = f'C:\\windows\\system32\\cmd.exe /c echo %1> "Z:{str(record).replace("/", chr(92))}"'
    for args in (['/v', 'URL Protocol', '/d', ''], ['/ve', '/d', f'URL:{scheme}']):
        subprocess.run([str(ROOT / 'scripts' / 'wine-run'), str(session.prefix), 'reg', 'add', key, *args, '/f'],
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True)
    subprocess.run([str(ROOT / 'scripts' / 'wine-run'), str(session.prefix), 'reg', 'add',
                    key + '\\shell\\open\\command', '/ve', '/d', command, '/f'],
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True)


def case_sponsor(session):
    """A double-click on the sponsor strip opens the page of the message on show
    through the shell: a handler of ours records what it was asked to open."""
    session.make_folder()
    record = session.folder / 'opened.txt'
    register_url_handler(session, 'kirimo-sponsor-test', record)
    (session.folder / 'sponsor.ini').write_bytes(
        '[ADVERTISER_0]\r\nMSG=スポンサーのお知らせ\r\nURL=kirimo-sponsor-test:page-0\r\n'.encode('cp932'))
    set_ini_values(session, CMVisible='1', CMFile='sponsor.ini')
    notepad = start_notepad(session)
    kirimo = Kirimo(session, make_folder=False)
    kirimo.wait_keypad()
    session.inspect('activate', notepad.handle)
    session.wait_for('Notepad active', lambda: session.find('Notepad').foreground, 10)
    _, _, x, y, _ = Keypad(session).find('sponsor')
    # Two clicks with a move between them are no double-click.
    subprocess.run(['xdotool', 'mousemove', str(x), str(y), 'click', '1', 'mousemove', str(x + 20), str(y),
                    'click', '1'], check=True)
    time.sleep(3)
    check(not record.exists(), 'two clicks with a move between them opened the page')
    session.screenshot('strip')
    time.sleep(1)  # past the double-click time
    subprocess.run(['xdotool', 'mousemove', str(x), str(y), 'click', '--repeat', '2', '--delay', '120', '1'],
                   check=True)
    session.wait_for('the sponsor page opened', lambda: record.exists() and record.read_bytes().strip(), 30)
    opened = record.read_bytes().decode('cp932').strip()
    check(opened == 'kirimo-sponsor-test:page-0', f'the shell was asked to open {opened!r}')
    check(not session.find('TSearchForm').foreground, 'the keypad took the activation')
    check(kirimo.process.poll() is None, 'Kirimo ended')
    kirimo.exit()


def case_hung_target(session):
    """A target that stops answering does not freeze the keypad."""
    shutil.copy(session.build / 'tests' / 'e2e' / 'hung-target.exe', session.folder)
    session.processes.append(session.start('hung-target.exe'))
    target = session.wait_window('KirimoHungTarget')
    session.inspect('move', target.handle, 320, 0)
    kirimo = Kirimo(session)
    kirimo.wait_keypad()
    session.inspect('activate', target.handle)
    session.wait_for('the target active', lambda: session.find('KirimoHungTarget').foreground, 10)
    session.post(target, WM_APP_HANG)  # its message loop stops until it is ended
    session.wait_for('the target to hang', lambda: session.find('KirimoHungTarget').title == 'Hung target (hung)', 10)
    started = time.time()
    keypad_click(session, 'key', 'か')
    keypad_click(session, 'vowel', 'か')
    wait_rows(session, 'candidates', lambda rows: 'か' in rows)
    choose_row(session, 'か')  # delivery to the hung target gives up
    keypad_click(session, 'key', 'さ')
    wait_status(session, 'ｻ', timeout=15)  # a keypad waiting for the target never gets here
    print(f'four clicks with a hung target: {time.time() - started:.1f} s')
    # The tray menu opens and 終了 ends the program while the target still hangs.
    check(session.find('KirimoHungTarget') is not None, 'the target ended')
    print(f'exit with a hung target: {kirimo.exit():.1f} s')


def case_demo(session):
    """What `make run` shows without a display."""
    notepad = start_notepad(session)
    kirimo = Kirimo(session)
    session.wait_window('TMainForm', timeout=30)
    print('splash:', session.screenshot('splash'))
    kirimo.wait_keypad()
    session.inspect('activate', notepad.handle)
    print('keypad beside Notepad:', session.screenshot('keypad'))
    type_sentence(session, Typist(session))
    wait_text(session, SENTENCE)
    print('phrase mode:', session.artifacts / f'{session.case}-phrase.png')
    print('written:', session.screenshot('written'))
    kirimo.open_tray_menu()
    print('tray menu:', session.screenshot('menu'))
    session.click_empty()
    session.wait_gone('#32768')
    kirimo.choose('バージョン情報')
    about = session.wait_window('TAboutBox')
    print('about box:', session.screenshot('about'))
    session.click_child(about, 'OK')
    session.wait_gone('TAboutBox')
    print(f'Notepad holds: {notepad_text(session)!r}')
    print(f'exit after {kirimo.exit():.1f} s')


# The keypad among other windows ------------------------------------------
# Run in the virtual desktop (desktop_NAME), where a window manager stacks,
# activates and moves windows; the gestures also on the bare display.

def rect_of(text):
    return tuple(int(v) for v in text.strip().split(','))


def xdotool(*args):
    subprocess.run(['xdotool', *map(str, args)], check=True)


class ForegroundWatch:
    """Samples the foreground window while a gesture runs: with watch: ... no
    sample may find a window of process pid in front."""

    def __init__(self, session, pid, what):
        self.session, self.pid, self.what = session, pid, what
        self.folder = pathlib.Path(tempfile.mkdtemp(prefix='kirimo-watch-'))

    def __enter__(self):
        session = self.session
        self.out = open(self.folder / 'out', 'wb')
        stop = 'Z:' + str(self.folder / 'stop').replace('/', '\\')
        self.process = subprocess.Popen([str(ROOT / 'scripts' / 'wine-run'), str(session.prefix), str(session.helper),
                                         'foreground-watch', str(self.pid), stop], stdout=self.out,
                                        stderr=subprocess.DEVNULL)
        session.wait_for('the foreground watch', lambda: (self.folder / 'out').read_bytes().startswith(b'watching'),
                         30)
        return self

    def __exit__(self, kind, value, traceback):
        (self.folder / 'stop').touch()
        try:
            self.process.wait(timeout=60)
        finally:
            self.out.close()
        lines = (self.folder / 'out').read_text().split()
        shutil.rmtree(self.folder, ignore_errors=True)
        if kind is None:
            samples, hits = int(lines[1]), int(lines[2])
            check(samples > 0, f'no foreground sample during {self.what}')
            check(hits == 0, f'Kirimo was in front in {hits} of {samples} samples during {self.what}')
        return False


def keypad_pid(session):
    return session.find('TSearchForm').pid


def watch(session, what):
    return ForegroundWatch(session, keypad_pid(session), what)


def taskbar_buttons(session):
    """The rectangles of the virtual desktop's taskbar buttons, one a window, left to right."""
    shown = sorted(c['rect'] for c in session.children(session.find('Shell_TrayWnd'))
                   if c['class'] == 'Button' and c['rect'][2] > c['rect'][0])
    return shown[1:]  # the start button first


def display_stacking():
    """The windows of the virtual desktop as the display stacks them, the top
    first: (name, (left, top, right, bottom)). Wine keeps one X window for each
    top-level window and restacks it only when its place in the z-order
    changes, so what shows may differ from the z-order."""
    tree = subprocess.run(['xwininfo', '-root', '-tree'], capture_output=True, text=True, check=True).stdout
    # Each line of a child window: 0xID "name": ("res" "class")  WxH+X+Y  +X+Y
    rows = []
    for name, width, height, x, y in re.findall(r'^\s+0x[0-9a-f]+ (?:"([^"]*)"|\(has no name\)).*?(\d+)x(\d+)\+(-?\d+)\+(-?\d+)  ',
                                                tree, re.M):
        x, y = int(x), int(y)
        rows.append((name, (x, y, x + int(width), y + int(height))))
    return rows


def check_on_top(session, what):
    """The keypad shows above every other window: the window system and, in
    the virtual desktop, the display find it at its centre and its key panel."""
    keypad = Keypad(session)
    if session.desktop:
        stack = display_stacking()
        notepad = session.find('Notepad')
        places = [i for i, row in enumerate(stack) if row == ('Kirimo', keypad.window.rect)]
        below = [i for i, row in enumerate(stack) if row == (notepad.title, notepad.rect)]
        check(places and below and places[0] < below[0], f'{what}: the display shows Notepad above the keypad: {stack}')
    for name, caption in (('centre', None), ('key', 'わ'), ('hide', None)):
        x, y = keypad.window.centre if name == 'centre' else keypad.find(name, caption)[2:4]
        top = int(session.inspect('window-at', x, y).split('\t')[0])
        check(top == keypad.window.handle, f'{what}: the window at the keypad\'s {name} ({x},{y}) is '
              f'{next((w for w in session.windows() if w.handle == top), top)}, not the keypad')


def check_target_kept(session, what):
    windows = session.windows()
    keypad = next(w for w in windows if w.cls == 'TSearchForm')
    check(next(w for w in windows if w.cls == 'Notepad').foreground, f'Notepad lost the activation {what}')
    check(not keypad.enabled, f'the keypad is still usable {what}')


def wait_capture(session, what, loop):
    """Until the keypad holds the mouse: in the platform's move or size loop (loop), or its own."""
    keypad = session.find('TSearchForm')

    def captured():
        fields = session.inspect('capture', keypad.handle).split()
        return len(fields) == 2 and int(fields[0]) == keypad.handle and fields[1] == ('1' if loop else '0')
    session.wait_for(what, captured, 15)


def drag(session, start, offset, loop, arrived, steps=8):
    """A press at start, a move by offset in steps once the keypad follows, a
    release once arrived() holds: what a hand does with the mouse."""
    x, y = start
    dx, dy = offset
    xdotool('mousemove', x, y)
    xdotool('mousedown', 1)
    try:
        wait_capture(session, 'the drag to begin', loop)
        for step in range(1, steps + 1):
            xdotool('mousemove', x + dx * step // steps, y + dy * step // steps)
        session.wait_for('the drag to arrive', arrived, 15)
    finally:
        xdotool('mouseup', 1)
    session.wait_for('the keypad disabled again', lambda: not session.find('TSearchForm').enabled, 15)


def caption_point(session):
    """Halfway between the window's top and its client area: on the caption bar."""
    keypad = session.find('TSearchForm')
    client = rect_of(session.inspect('client', keypad.handle))
    return (keypad.rect[0] + keypad.rect[2]) // 2, (keypad.rect[1] + client[1]) // 2


def type_ka(session, typist, expected):
    """か from a key, a vowel and its candidate: the keys work."""
    typist.click('key', 'か')
    typist.click('vowel', 'か')
    typist.wait_candidate('か')
    typist.choose('か')
    wait_text(session, expected)


def case_on_top(session):
    """Notepad started after the keypad, clicked, minimised and restored, raised,
    maximised and typed into: the keypad stays in front."""
    kirimo = Kirimo(session)
    kirimo.wait_keypad()
    notepad = start_notepad(session)
    activate_notepad(session)
    typist = Typist(session)
    session.inspect('move', notepad.handle, 0, 0)  # over the keypad
    session.wait_for('Notepad over the keypad', lambda: session.find('Notepad').rect[:2] == (0, 0), 10)
    session.screenshot('started')
    check_on_top(session, 'Notepad started')
    notepad = session.find('Notepad')
    session.click(notepad.rect[2] - 60, notepad.rect[1] + 10)  # its caption bar, clear of the keypad
    session.wait_for('Notepad active', lambda: session.find('Notepad').foreground, 10)
    session.screenshot('clicked')
    check_on_top(session, 'Notepad clicked')
    # Minimised from the taskbar (the active window's button), restored and raised to the front.
    buttons = taskbar_buttons(session)
    check(len(buttons) == 1, f'Notepad is not the one window on the taskbar: {buttons}')
    left, top, right, bottom = buttons[0]
    session.click((left + right) // 2, (top + bottom) // 2)
    session.wait_for('Notepad minimised', lambda: session.find('Notepad').rect[0] <= -32000, 10)
    session.screenshot('minimised')
    session.post(notepad, WM_SYSCOMMAND, SC_RESTORE)
    session.wait_for('Notepad restored', lambda: session.find('Notepad').rect[:2] == (0, 0), 10)
    activate_notepad(session)
    session.screenshot('raised')
    check_on_top(session, 'Notepad raised from the taskbar')
    # A double-click on its caption bar maximises it.
    xdotool('mousemove', notepad.rect[2] - 60, notepad.rect[1] + 10, 'click', '--repeat', '2', '--delay', '100', '1')
    session.wait_for('Notepad maximised', lambda: session.find('Notepad').rect[2] - session.find('Notepad').rect[0] >
                     Session.DESKTOP[0], 10)
    session.screenshot('maximised')
    check_on_top(session, 'Notepad maximised')
    with watch(session, 'typing'):
        type_ka(session, typist, 'か')
    notepad = session.find('Notepad')
    check(any(c['class'] == 'TParasiticForm' for c in session.children(notepad)), 'no bridge in Notepad')
    session.screenshot('typed')
    check_on_top(session, 'after typing into Notepad')
    kirimo.exit()


def case_caption_drag(session):
    """A drag on the caption bar moves the keypad by the distance dragged, Notepad
    keeps the activation, and the keys work at once."""
    kirimo, typist = start_typing(session)
    session.screenshot('before')
    before = session.find('TSearchForm').rect
    offset = (140, 60)
    moved = tuple(v + offset[i % 2] for i, v in enumerate(before))
    with watch(session, 'the caption drag'):
        drag(session, caption_point(session), offset, True, lambda: session.find('TSearchForm').rect == moved)
    check_target_kept(session, 'after the caption drag')
    session.screenshot('moved')
    with watch(session, 'typing after the drag'):
        type_ka(session, typist, 'か')
    # A press and release without a move moves nothing.
    with watch(session, 'a click on the caption bar'):
        drag(session, caption_point(session), (0, 0), True, lambda: True)
    check(session.find('TSearchForm').rect == moved, 'a click on the caption bar moved the keypad')
    check_target_kept(session, 'after a click on the caption bar')
    typist.click('key', 'さ')
    wait_status(session, 'ｻ')
    kirimo.exit()
    check((session.ini_value('Left'), session.ini_value('Top')) == tuple(map(str, moved[:2])),
          'the place dragged to was not saved')


def case_frame_and_splitter(session):
    """A drag of the sizing border's corner sizes the keypad and a drag of the
    splitter gives the keys more height; the next click types."""
    kirimo, typist = start_typing(session)
    key_height = int(session.ini_value('KeyHeight'))
    before = session.find('TSearchForm').rect
    offset = (60, -80)
    sized = (before[0], before[1], before[2] + offset[0], before[3] + offset[1])
    with watch(session, 'the frame resize'):
        drag(session, (before[2] - 2, before[3] - 2), offset, True, lambda: session.find('TSearchForm').rect == sized)
    check_target_kept(session, 'after the frame resize')
    session.screenshot('sized')
    with watch(session, 'typing after the resize'):
        type_ka(session, typist, 'か')

    view = Keypad(session)
    splitter = view.find('splitter')[2:4]
    key_rows = view.find('key', 'た')[3] - view.find('key', 'あ')[3]
    raised = 60
    with watch(session, 'the splitter drag'):
        drag(session, splitter, (0, -raised), False, lambda: True)
    check_target_kept(session, 'after the splitter drag')
    view = session.wait_for('the splitter to move', lambda: (lambda v: v if v.find('splitter')[3] == splitter[1] - raised
                                                              else None)(Keypad(session)), 10)
    check(view.find('key', 'た')[3] - view.find('key', 'あ')[3] > key_rows, 'the key rows did not grow')
    check(session.find('TSearchForm').rect == sized, 'the splitter changed the window')
    session.screenshot('split')
    with watch(session, 'typing after the splitter drag'):
        type_ka(session, typist, 'かか')
    kirimo.exit()
    check(session.ini_value('Width') == str(sized[2] - sized[0]) and
          session.ini_value('Height') == str(sized[3] - sized[1]), 'the size was not saved')
    check(session.ini_value('KeyHeight') == str(key_height + raised), 'the key height was not saved')


def hide_by_click(session, what):
    """"隠す" clicked while another program is active, which keeps the activation."""
    with watch(session, f'隠す {what}'):
        keypad_click(session, 'hide')
        session.wait_gone('TSearchForm')
    check(session.find('Notepad').foreground, f'Notepad lost the activation to 隠す {what}')


def case_hide(session):
    """"隠す" hides the keypad while it is disabled, after a press on the caption
    bar, and while it is usable because this program is active."""
    kirimo, typist = start_typing(session)
    hide_by_click(session, 'while disabled')
    session.screenshot('hidden')
    kirimo.choose('表示')
    session.wait_window('TSearchForm')
    activate_notepad(session)
    with watch(session, 'a click on the caption bar'):
        drag(session, caption_point(session), (0, 0), True, lambda: True)
    hide_by_click(session, 'after a press on the caption bar')
    # Shown from the tray: this program is active and the keypad usable.
    kirimo.choose('表示')
    session.wait_for('the keypad usable', lambda: (lambda k: k is not None and k.enabled)(session.find('TSearchForm')), 15)
    session.screenshot('usable')
    keypad_click(session, 'hide')
    session.wait_gone('TSearchForm')
    kirimo.choose('表示')
    session.wait_window('TSearchForm')
    activate_notepad(session)
    typist.click('key', 'か')
    wait_status(session, 'ｶ')
    kirimo.exit()


def case_dialog_modal(session):
    """With a dialog of the tray menu open the keypad takes no click, and no
    dialog has a button of its own on the taskbar."""
    kirimo, typist = start_typing(session)
    buttons = len(taskbar_buttons(session)) if session.desktop else 0
    for item, cls in (('ｽｸﾛｰﾙｽﾋﾟｰﾄﾞの設定', 'TInputNumForm'), ('バージョン情報', 'TAboutBox')):
        kirimo.choose(item)
        dialog = session.wait_window(cls)
        check(not dialog.taskbar_button and dialog.owner == kirimo.main_window().handle,
              f'{cls} is not owned by the tray window: {dialog} owner {dialog.owner}')
        if session.desktop:
            check(len(taskbar_buttons(session)) == buttons, f'{cls} has a taskbar button: {taskbar_buttons(session)}')
        session.screenshot(f'{cls}-open')
        for name, caption, index in (('key', 'か', None), ('vowel', None, 0), ('clear', None, None),
                                     ('hide', None, None)):
            keypad_click(session, name, caption, index)
        check(session.find('TSearchForm') is not None, '隠す hid the keypad under a dialog')
        # The dialog's button after the keypad's: taken in that order.
        session.click_child(session.find(cls), 'OK')
        session.wait_gone(cls)
        check(Keypad(session).values['status'] == '', f'a click under {cls} reached the keys')
        check(notepad_text(session) == '', f'a click under {cls} typed')
        activate_notepad(session)
    type_ka(session, typist, 'か')
    kirimo.exit()


def main(cases=None):
    """Runs the cases named on the command line from cases (this module's by default)."""
    cases = cases or globals()
    parser = argparse.ArgumentParser()
    parser.add_argument('--build', default=str(ROOT / 'build' / 'win32'))
    parser.add_argument('--artifacts')
    parser.add_argument('cases', nargs='+')
    args = parser.parse_args()
    artifacts = args.artifacts or str(pathlib.Path(args.build) / 'e2e-artifacts')
    failed = 0
    for name in args.cases:
        # desktop_NAME: case NAME in the virtual desktop.
        desktop = name.startswith('desktop_')
        session = Session(args.build, artifacts, name, dpi=144 if name.endswith('dpi144') else 96,
                          desktop=desktop)
        try:
            cases[f'case_{name.removeprefix("desktop_")}'](session)
            print(f'{name}: passed')
        except Failure as failure:
            failed += 1
            print(f'{name}: FAILED: {failure}')
        finally:
            session.close()
    print(f'screenshots: {artifacts}')
    return 1 if failed else 0


if __name__ == '__main__':
    sys.exit(main())
