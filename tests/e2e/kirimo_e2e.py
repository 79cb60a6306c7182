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
import shutil
import subprocess
import sys
import tempfile
import time

ROOT = pathlib.Path(__file__).resolve().parents[2]

WM_CLOSE = 0x0010
WM_COMMAND = 0x0111
WM_LBUTTONDOWN, WM_LBUTTONUP = 0x0201, 0x0202
WM_RBUTTONDOWN, WM_RBUTTONUP = 0x0204, 0x0205
TRAY_CALLBACK = 0x0400 + 1
IDOK, IDCANCEL = 1, 2


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

    @property
    def centre(self):
        left, top, right, bottom = self.rect
        return (left + right) // 2, (top + bottom) // 2

    def __repr__(self):
        return f'<{self.cls} "{self.title}" {self.rect} en={self.enabled} vis={self.visible}>'


class Session:
    """One Wine prefix (kept in the build folder) and one program folder."""

    def __init__(self, build, artifacts, case, dpi=96):
        self.build = pathlib.Path(build).resolve()
        self.artifacts = pathlib.Path(artifacts).resolve()
        self.artifacts.mkdir(parents=True, exist_ok=True)
        self.case = case
        self.prefix = self.build / ('e2e-wineprefix' if dpi == 96 else f'e2e-wineprefix-{dpi}')
        self.folder = pathlib.Path(tempfile.mkdtemp(prefix='kirimo-e2e-'))
        self.processes = []
        self.helper = self.build / 'tests' / 'e2e' / 'kirimo-inspect.exe'
        # Xvfb has no window manager: Wine would wait 2 s for one at every
        # hidden or destroyed window. Its windows are its own here.
        self.set_registry('HKCU\\Software\\Wine\\X11 Driver', 'Managed', 'REG_SZ', 'N')
        if dpi != 96:
            self.set_registry('HKCU\\Control Panel\\Desktop', 'LogPixels', 'REG_DWORD', str(dpi))

    def set_registry(self, key, name, kind, value):
        mark = self.prefix / ('.kirimo-' + name + '-' + value)
        if mark.exists():
            return
        subprocess.run([str(ROOT / 'scripts' / 'wine-run'), str(self.prefix), 'reg', 'add', key,
                        '/v', name, '/t', kind, '/d', value, '/f'],
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True)
        mark.touch()

    # The program folder: dist/ as a user unpacks it, with this build's programs.
    def make_folder(self, ini=True, dic=True):
        dist = ROOT / 'dist'
        check((dist / 'Kirimo.ini').exists(), 'dist/ is not assembled (scripts/make-dist)')
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
        return [Window(line) for line in self.inspect('windows').splitlines() if line.count('\t') >= 7]

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

    def close(self):
        for process in self.processes:
            if process.poll() is None:
                process.kill()
        subprocess.run(['wineserver', '-k'], env={**os.environ, 'WINEPREFIX': str(self.prefix)},
                       stderr=subprocess.DEVNULL)
        shutil.rmtree(self.folder, ignore_errors=True)


class Kirimo:
    """The running tray program and what a user does with it."""

    # Tray menu rows from the top: text items and separators, as the program builds them.
    MENU = ['終了', '-', 'バージョン情報', '-', '拡張辞書の設定', '単語登録', 'テキストから新語抽出', '-',
            '５０音ボタンの使用', 'CMパネルの表示', 'フォント設定', 'ｽｸﾛｰﾙｽﾋﾟｰﾄﾞの設定', '-', '表示', '隠す']

    def __init__(self, session):
        self.session = session
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

    def exit(self, timeout=5):
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
    kirimo.choose('バージョン情報')
    about = session.wait_window('TAboutBox')
    check(about.title == 'バージョン情報', f'about title {about.title!r}')
    texts = [c['text'] for c in session.children(about)]
    for expected in ('Ｋｉｒｉｍｏ', 'Version 1.0', 'OK'):
        check(expected in texts, f'{expected} missing from the about box: {texts}')
    session.screenshot('about')
    # The menu does not open over an open dialog.
    main = kirimo.main_window()
    session.post(main, TRAY_CALLBACK, 1, WM_RBUTTONDOWN)
    session.post(main, TRAY_CALLBACK, 1, WM_RBUTTONUP)
    time.sleep(1)
    check(session.find('#32768') is None, 'the tray menu opened over the about box')
    session.click_child(about, 'OK')
    session.wait_gone('TAboutBox')

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
    time.sleep(1)
    check(session.ini_value('ScrollTime') == '250', 'Cancel changed ScrollTime')

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
    kirimo.choose('バージョン情報')
    about = session.wait_window('TAboutBox')
    check(about.rect[2] - about.rect[0] >= 410, f'about box {about.rect} at 144 DPI')
    session.screenshot('about')
    session.click_child(about, 'OK')
    session.wait_gone('TAboutBox')
    kirimo.exit()


def case_exit(session):
    kirimo = Kirimo(session)
    keypad = kirimo.wait_keypad()
    session.inspect('move', keypad.handle, 300, 120)
    session.wait_for('the keypad at 300,120', lambda: session.find('TSearchForm').rect[:2] == (300, 120), 10)
    moved = session.find('TSearchForm')
    seconds = kirimo.exit()
    check(seconds <= 5, f'exit took {seconds:.1f} s')
    check((session.ini_value('Left'), session.ini_value('Top')) == ('300', '120'),
          f'Kirimo.ini holds Left={session.ini_value("Left")} Top={session.ini_value("Top")}')
    check(session.ini_value('Width') == str(moved.rect[2] - moved.rect[0]), 'width not saved')
    print(f'exit took {seconds:.1f} s')


def notepad_text(session):
    notepad = session.find('Notepad')
    if notepad is None:
        return None
    edit = next((c for c in session.children(notepad) if c['class'].lower() == 'edit'), None)
    return None if edit is None else session.inspect('text', edit['handle']).rstrip('\r\n')


def start_notepad(session):
    """Wine's Notepad as the target, beside the keypad rather than over it."""
    session.processes.append(session.wine('notepad'))
    notepad = session.wait_window('Notepad')
    session.inspect('move', notepad.handle, 320, 0)
    return session.wait_for('Notepad beside the keypad',
                            lambda: next((w for w in session.windows() if w.cls == 'Notepad' and w.rect[0] == 320), None), 10)


def case_demo(session):
    """What `make run` shows without a display."""
    notepad = start_notepad(session)
    kirimo = Kirimo(session)
    session.wait_window('TMainForm', timeout=30)
    print('splash:', session.screenshot('splash'))
    kirimo.wait_keypad()
    session.inspect('activate', notepad.handle)
    print('keypad beside Notepad:', session.screenshot('keypad'))
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
    print('(the keypad window is still a stand-in without keys, so nothing is typed yet)')
    print(f'exit after {kirimo.exit():.1f} s')


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
        session = Session(args.build, artifacts, name, dpi=144 if name.endswith('dpi144') else 96)
        try:
            cases[f'case_{name}'](session)
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
