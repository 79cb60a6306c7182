#!/usr/bin/env python3
"""A long run of random clicks on the real keypad under Wine, Notepad as the target.

Keys, vowels, candidates (short clicks commit, long presses go into phrase
mode), the list buttons, 辞書切替 and the 50-sound grid from the tray menu; never
終了 until the end. The memory of the Kirimo process is sampled at the start,
every minute and at the end. At the end the keypad must still answer, the
history files must hold what was committed, newest first, and Notepad every
character that was committed; a click that changed nothing it should have (a
candidate that typed nothing, a 辞書切替 that kept the mode) fails the run,
each named in the report. Usage:

    kirimo_soak.py --build build/win32 [--minutes 10] [--seed N]
"""
import argparse
import collections
import pathlib
import random
import sys
import time

import kirimo_e2e as e2e

JAPANESE = {'基本': 'BASE_DIC', '固有名詞': 'EXT1_DIC'}
# Vowel-row key commands press keys in Notepad, and ">" replays them later
# like any recorded step: their effect is left out, so the texts can be checked.
KEY_COMMANDS = {'Enter', 'BS', 'Space', 'Delete', 'Tab'}


def linux_pid(folder):
    """The Wine process running Kirimo.exe from this session's folder."""
    for entry in pathlib.Path('/proc').iterdir():
        if not entry.name.isdigit():
            continue
        try:
            line = (entry / 'cmdline').read_bytes().replace(b'\0', b' ').decode(errors='replace')
        except OSError:
            continue
        if folder.name in line and 'Kirimo.exe' in line:
            return int(entry.name)
    return None


def proc_memory_kib(pid, field):
    """A field of /proc/PID/status (VmRSS, RssAnon ...), in KiB."""
    try:
        for line in pathlib.Path(f'/proc/{pid}/status').read_text().splitlines():
            if line.startswith(field + ':'):
                return int(line.split()[1])
    except OSError:
        pass
    return None


def row_text(caption):
    """A row's caption without the mark of a selected row."""
    return caption[:-1] if caption.endswith('*') else caption


class Soak:
    def __init__(self, session, seed):
        self.session = session
        self.random = random.Random(seed)
        self.kirimo = None
        self.typist = None
        self.pid = None
        self.samples = []
        self.actions = collections.Counter()
        self.typed = []  # every text that reached Notepad, in order
        self.committed = {name: [] for name in JAPANESE}  # per cartridge, in order
        self.grid = False
        self.no_ops = []  # clicks that changed nothing they should have
        self.log = open(session.artifacts / 'soak-actions.txt', 'w')

    def start(self):
        self.kirimo, self.typist = e2e.start_typing(self.session)
        self.pid = next(w.pid for w in self.session.windows() if w.cls == 'TSearchForm')
        self.initial_history = {name: self.read_history(name) for name in JAPANESE}
        self.session.screenshot('start')

    def history_path(self, name):
        relative = self.session.ini_section_value(JAPANESE[name], 'HistoryFile')
        return self.session.folder / relative.replace('\\', '/')

    def read_history(self, name):
        """The history file's entries; it must decode whole as CP932."""
        path = self.history_path(name)
        if not path.exists():
            return None
        try:
            text = path.read_bytes().decode('cp932')
        except UnicodeDecodeError as error:
            raise e2e.Failure(f'{path.name} does not decode: {error}')
        return text.splitlines()

    def sample(self, label):
        """Working set and private bytes as Windows reports them, anonymous resident memory from /proc."""
        answer = self.session.inspect('memory', self.pid).split()
        working, private = (int(v) for v in answer) if len(answer) == 2 else (None, None)
        anonymous = proc_memory_kib(linux_pid(self.session.folder), 'RssAnon')
        self.samples.append((label, working, private, anonymous))
        print(f'memory {label}: working set {working} KiB, private {private} KiB, anonymous resident {anonymous} KiB',
              flush=True)

    def alive(self):
        e2e.check(self.kirimo.process.poll() is None, 'Kirimo died')
        keypad = e2e.Keypad(self.session)
        e2e.check('status' in keypad.values, 'the keypad does not answer')
        return keypad

    def stable_keypad(self):
        """The keypad once its list has stopped changing (the worker is done)."""
        previous = None
        for _ in range(20):
            keypad = e2e.Keypad(self.session)
            shown = (keypad.rows(), keypad.values.get('status'), keypad.values.get('top'))
            if shown == previous:
                return keypad
            previous = shown
            time.sleep(0.2)
        return keypad

    # One random step ------------------------------------------------------

    def step(self):
        keypad = e2e.Keypad(self.session)
        name = keypad.values.get('name', '')
        japanese = name in JAPANESE
        status = keypad.values.get('status', '')
        choices = [('list', 3), ('dic', 1 if name in JAPANESE else 3), ('clear', 1)]
        if japanese:
            choices += [('key', 6), ('vowel', 4)]
            if status and any(c[0] == 'row' for c in keypad.controls):
                choices += [('commit', 4), ('long', 1)]
            elif status:
                choices += [('clear', 3)]  # a key string without candidates: start over
        elif name == 'VK':
            choices += [('key', 2)]  # narrows the list; its rows would press keys
        if self.random.random() < 0.01:
            choices = [('grid', 1)]
        action = self.random.choices([c[0] for c in choices], [c[1] for c in choices])[0]
        self.log.write(f'[{name} {status!r}] {action}: ')
        getattr(self, 'do_' + action)(keypad, name, status)
        self.log.write('\n')
        self.log.flush()
        self.actions[action] += 1

    def shown(self):
        keypad = e2e.Keypad(self.session)
        return keypad.rows(), keypad.values.get('status'), keypad.values.get('top')

    def press(self, control, hold=False):
        """Clicks a control of a description if it still shows the same caption
        (a worker may have changed the keypad since); true when clicked. A held
        press lasts until the keypad shows a change, as a user holds a long press
        until it is taken (at most five seconds: on some rows it changes nothing)."""
        kind, index, x, y, caption = control
        fresh = next((c for c in e2e.Keypad(self.session).controls if c[:2] == (kind, index)), None)
        if fresh is None or fresh[4] != caption:
            return False
        before = self.shown() if hold else None
        e2e.subprocess.run(['xdotool', 'mousemove', str(x), str(y), 'mousedown', '1'], check=True)
        if hold:
            deadline = time.time() + 5
            while self.shown() == before and time.time() < deadline:
                time.sleep(0.1)
        else:
            time.sleep(0.05)
        e2e.subprocess.run(['xdotool', 'mouseup', '1'], check=True)
        time.sleep(0.2)
        self.typist.check_foreground()
        self.log.write(f'{kind} {index} {caption!r}{" held" if hold else ""}\n')
        return True

    def do_key(self, keypad, name, status):
        kind = 'cell' if self.grid else 'key'
        keys = [c for c in keypad.controls if c[0] == kind and c[4].strip()]
        if keys:
            self.press(self.random.choice(keys))

    def do_vowel(self, keypad, name, status):
        vowels = [c for c in keypad.controls if c[0] == 'vowel' and c[4].strip() and c[4] not in KEY_COMMANDS]
        if vowels:
            self.press(self.random.choice(vowels))

    def rows(self, keypad):
        return [c for c in keypad.controls if c[0] == 'row']

    def do_commit(self, keypad, name, status):
        keypad = self.stable_keypad()
        if keypad.values.get('name') != name or not keypad.values.get('status'):
            return
        rows = self.rows(keypad)
        if not rows:
            return
        row = self.random.choice(rows)
        if self.press(row):
            text = row_text(row[4])
            # A commit clears the key string at once, on the UI thread.
            if not self.comes_to(lambda k: k.values.get('status') != status):
                self.no_op(f'the candidate {text!r} typed nothing', keypad)
                return
            self.typed.append(text)
            self.committed[name].append(text)

    def do_long(self, keypad, name, status):
        keypad = self.stable_keypad()
        rows = self.rows(keypad)
        if rows and keypad.values.get('status'):
            self.press(self.random.choice(rows), hold=True)

    def do_list(self, keypad, name, status):
        button = self.random.choice(['up', 'down', 'down', 'left', 'right'])
        down = next((c for c in keypad.controls if c[0] == 'down'), None)
        if button == 'down' and down and self.random.random() < 0.2:
            self.press(down, hold=True)
        else:
            self.typist.click(button)
        self.log.write(button)

    def do_dic(self, keypad, name, status):
        self.typist.click('dic')
        if not self.comes_to(lambda k: k.values.get('name') != name):
            self.no_op(f'辞書切替 kept {name}', keypad)

    def comes_to(self, probe, seconds=3):
        """Whether the keypad comes to answer probe within seconds."""
        deadline = time.time() + seconds
        while not probe(e2e.Keypad(self.session)):
            if time.time() >= deadline:
                return False
            time.sleep(0.1)
        return True

    def no_op(self, what, keypad):
        shot = self.session.screenshot(f'no-op-{len(self.no_ops) + 1}')
        self.no_ops.append(f'{what} (status {keypad.values.get("status")!r}, rows {keypad.rows()}, {shot.name})')
        self.log.write(f'NO CHANGE: {what}\n')

    def check_clicks(self):
        e2e.check(not self.no_ops, f'{len(self.no_ops)} clicks changed nothing: ' + '; '.join(self.no_ops))

    def do_clear(self, keypad, name, status):
        self.typist.click('clear')

    def do_grid(self, keypad, name, status):
        self.kirimo.choose('５０音ボタンの使用')
        self.grid = not self.grid
        wanted = 'cell' if self.grid else 'key'
        self.session.wait_for('the key layout', lambda: any(c[0] == wanted for c in e2e.Keypad(self.session).controls), 10)
        notepad = self.session.find('Notepad')
        self.session.inspect('activate', notepad.handle)
        self.session.wait_for('Notepad active', lambda: self.session.find('Notepad').foreground, 10)

    # The end -----------------------------------------------------------------

    def expected_history(self, name):
        """Newest first, each text once, then what the file held before, at most HistoryCount."""
        count = int(self.session.ini_section_value(JAPANESE[name], 'HistoryCount') or 100)
        before = self.initial_history[name]
        entries = list(before)[:count] if before and ''.join(before).strip() else [name]
        for text in self.committed[name]:
            if text in entries:
                entries.remove(text)
            entries.insert(0, text)
            del entries[count:]
        return entries

    def history_problem(self, when):
        """What a history file lacks, or None when each holds what was committed."""
        for name in JAPANESE:
            if not self.committed[name]:
                continue
            held = self.read_history(name)
            expected = self.expected_history(name)
            if held != expected:
                return (f'{name} history {when}: {held[:5] if held else held}... '
                        f'expected {expected[:5]}... ({len(held or [])} / {len(expected)} entries)')
        return None

    def check_histories(self, when):
        problem = self.history_problem(when)
        e2e.check(problem is None, problem)

    def notepad_text(self):
        """Notepad's whole text, line breaks as \\n, trailing ones kept."""
        notepad = self.session.find('Notepad')
        edit = next(c for c in self.session.children(notepad) if c['class'].lower() == 'edit')
        text = self.session.inspect('text', edit['handle'])
        return text[:-1].replace('\r', '').replace('\\n', '\n') if text.endswith('\n') else text

    def check_notepad(self):
        # The caret moves between bracket pairs, so the order of the texts is
        # not kept: every character must be there, nothing more.
        text = self.notepad_text()
        typed = ''.join(self.typed)
        missing = collections.Counter(typed) - collections.Counter(text)
        extra = collections.Counter(text) - collections.Counter(typed)
        e2e.check(not missing and not extra,
                  f'Notepad lacks {dict(missing)} and has extra {dict(extra)} ({len(text)} of {len(typed)} characters)')
        return len(text)


def run(session, minutes, seed):
    soak = Soak(session, seed)
    soak.start()
    soak.sample('start')
    started = time.time()
    end = started + minutes * 60
    next_sample = started + 60
    steps = 0
    while time.time() < end:
        soak.step()
        steps += 1
        if time.time() >= next_sample:
            soak.alive()
            soak.sample(f'{int((time.time() - started) // 60)} min')
            session.screenshot(f'{int((time.time() - started) // 60)}min')
            next_sample += 60
    soak.alive()
    session.screenshot('end')
    soak.sample('end')
    # The histories are saved every five seconds while the keypad shows.
    try:
        session.wait_for('the periodic save of the histories', lambda: soak.history_problem('') is None, 60)
    except e2e.Failure:
        soak.check_histories('while running')  # says what differs
        raise
    characters = soak.check_notepad()
    seconds = soak.kirimo.exit()
    soak.check_histories('after 終了')
    print(f'{steps} steps in {minutes} min: {dict(soak.actions)}')
    print(f'{sum(len(v) for v in soak.committed.values())} texts committed, Notepad holds {characters} characters;'
          f' exit after {seconds:.1f} s')
    with open(session.artifacts / 'soak-memory.csv', 'w') as out:
        out.write('when,working_set_kib,private_kib,anonymous_resident_kib\n')
        for row in soak.samples:
            out.write(','.join('' if v is None else str(v) for v in row) + '\n')
    soak.check_clicks()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('--build', default=str(e2e.ROOT / 'build' / 'win32'))
    parser.add_argument('--minutes', type=float, default=10)
    parser.add_argument('--seed', type=int, default=int(time.time()))
    args = parser.parse_args()
    artifacts = pathlib.Path(args.build) / 'e2e-artifacts'
    session = e2e.Session(args.build, artifacts, 'soak')
    print(f'soak: {args.minutes} min, seed {args.seed}', flush=True)
    try:
        run(session, args.minutes, args.seed)
        print('soak: passed')
        return 0
    except e2e.Failure as failure:
        session.screenshot('failure')
        print(f'soak: FAILED: {failure}')
        return 1
    finally:
        session.close()
        print(f'screenshots and soak-memory.csv: {artifacts}')


if __name__ == '__main__':
    sys.exit(main())
