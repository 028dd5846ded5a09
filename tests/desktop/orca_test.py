#!/usr/bin/env python3
"""The lab with Orca, Debian's screen reader, listening: the program runs on a private
X server with a window manager and the accessibility bus, is driven by keys alone, and
each step waits until Orca has said, in Russian, what a student must hear.

Usage: orca_test.py PROGRAM [--transcript FILE]

Orca writes every utterance to its debug log as a line "SPEECH OUTPUT: '…'". The log
goes to a pseudo-terminal, where Python flushes each line at once, so a step can wait
for its words instead of sleeping. The speech server gets a null sound card, or it
blocks, and Orca with it, after the first words.
"""

import argparse
import os
import pty
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import threading
import time
import tty

# Long enough for Orca under a loaded machine; a step that is heard returns at once.
HEARING_SECONDS = 20


class Failure(Exception):
    pass


class Desktop:
    """X server, session and accessibility buses, window manager, speech server and
    Orca, each stopped by its own process id, the speech server too: it outlives
    Orca, and while a stale one lives the next Orca hangs at start."""

    def __init__(self):
        self.work = tempfile.mkdtemp(prefix='ulvane-orca-')
        self.processes = []
        self.log = []
        home = os.path.join(self.work, 'home')
        self.runtime = os.path.join(self.work, 'runtime')
        os.makedirs(os.path.join(home, '.config', 'speech-dispatcher'))
        os.makedirs(self.runtime, mode=0o700)
        with open('/etc/speech-dispatcher/speechd.conf') as system:
            conf = re.sub(r'(?m)^\s*AudioOutputMethod\b.*$', '', system.read())
        with open(os.path.join(home, '.config', 'speech-dispatcher', 'speechd.conf'), 'w') as own:
            own.write(conf + '\nAudioOutputMethod "libao"\n')
        with open(os.path.join(home, '.libao'), 'w') as libao:
            libao.write('default_driver=null\n')
        self.env = {
            'PATH': os.environ.get('PATH', '/usr/bin:/bin'),
            'HOME': home,
            'XDG_RUNTIME_DIR': self.runtime,
            'XDG_CONFIG_HOME': os.path.join(home, '.config'),
            'XDG_DATA_HOME': os.path.join(home, '.local', 'share'),
            'XDG_CACHE_HOME': os.path.join(home, '.cache'),
            # Orca in Russian, as the student hears it; C.UTF-8 exists on every Debian.
            'LANG': 'C.UTF-8',
            'LANGUAGE': 'ru',
            'GSETTINGS_BACKEND': 'memory',
        }

    def start(self, args, **options):
        options.setdefault('stdout', self.output)
        options.setdefault('stderr', subprocess.STDOUT)
        options.setdefault('env', self.env)
        process = subprocess.Popen(args, stdin=subprocess.DEVNULL, **options)
        self.processes.append(process)
        return process

    def started_with_answer(self, args, option):
        """Starts a server that writes its address to the descriptor in option."""
        read, write = os.pipe()
        self.start(args + (option % write).split(), pass_fds=[write])
        os.close(write)
        with os.fdopen(read) as answer:
            return answer.readline().strip()

    def __enter__(self):
        self.output = open(os.path.join(self.work, 'servers.log'), 'w')
        try:
            display = self.started_with_answer(
                ['Xvfb', '-screen', '0', '1024x768x24', '-nolisten', 'tcp'], '-displayfd %d')
            self.env['DISPLAY'] = ':' + display
            self.env['DBUS_SESSION_BUS_ADDRESS'] = self.started_with_answer(
                ['dbus-daemon', '--session', '--nofork'], '--print-address=%d')
            self.start([self.bus_launcher(), '--launch-immediately'])
            self.window_manager()
            self.start_orca()
        except BaseException:
            self.stop()
            raise
        return self

    def __exit__(self, *exception):
        self.stop()

    def window_manager(self):
        """Starts openbox, which activates the program's window, the event Orca
        first speaks on. Now and then it could not open the display Xvfb had just
        named and quit at once; the test then heard nothing. It gets three tries."""
        for _ in range(3):
            openbox = self.start(['openbox', '--sm-disable'])
            try:
                openbox.wait(1)
            except subprocess.TimeoutExpired:
                return
            self.processes.remove(openbox)
        raise Failure('openbox could not open the display %s (servers.log)' % self.env['DISPLAY'])

    @staticmethod
    def bus_launcher():
        for folder in ('/usr/libexec', '/usr/lib/at-spi2-core'):
            if os.access(os.path.join(folder, 'at-spi-bus-launcher'), os.X_OK):
                return os.path.join(folder, 'at-spi-bus-launcher')
        raise Failure('at-spi-bus-launcher not found')

    def start_orca(self):
        terminal, debug_log = pty.openpty()
        tty.setraw(debug_log)

        def listen():
            pending = b''
            while True:
                try:
                    data = os.read(terminal, 65536)
                except OSError:
                    return
                if not data:
                    return
                *lines, pending = (pending + data).split(b'\n')
                self.log.extend(line.decode('utf-8', 'replace') for line in lines)

        # Orca runs once per user and quits at once beside another one, saying nothing.
        others = subprocess.run(['pgrep', '-u', str(os.getuid()), '-x', 'orca'], capture_output=True, text=True)
        if others.stdout.split():
            raise Failure('another Orca runs for this user (process %s); close it first'
                          % ', '.join(others.stdout.split()))
        threading.Thread(target=listen, daemon=True).start()
        self.orca = self.start(['orca', '--debug-file=' + os.ttyname(debug_log)], env=self.russian())
        self.hear('Чтение с экрана включено')

    def russian(self):
        """Orca's surroundings in a Russian locale of the test's own: under C.UTF-8
        with LANGUAGE=ru, Orca in Debian 13 said its own words in English."""
        folder = os.path.join(self.work, 'locales')
        os.makedirs(folder)
        # Warnings about the locale's sources also end in status 1; the folder tells.
        made = subprocess.run(['localedef', '-i', 'ru_RU', '-f', 'UTF-8', os.path.join(folder, 'ru_RU.UTF-8')],
                              capture_output=True, text=True)
        if not os.path.isdir(os.path.join(folder, 'ru_RU.UTF-8')):
            raise Failure('localedef made no ru_RU.UTF-8 (the package locales has its sources): '
                          + made.stderr.strip())
        return dict(self.env, LOCPATH=folder, LANG='ru_RU.UTF-8')

    def stop(self):
        for process in reversed(self.processes):
            if process.poll() is None:
                process.terminate()
                try:
                    process.wait(5)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait()
        # Spawned by Orca's speech client, it names itself in the private runtime folder.
        pid_file = os.path.join(self.runtime, 'speech-dispatcher', 'pid', 'speech-dispatcher.pid')
        try:
            with open(pid_file) as pid:
                os.kill(int(pid.read()), signal.SIGTERM)
        except (OSError, ValueError):
            pass
        self.processes.clear()

    def spoken(self):
        said = []
        for line in list(self.log):
            match = re.search(r"SPEECH OUTPUT: '(.*)'", line)
            if match:
                said.append(re.sub(r"'\s*\{.*$|' voice.*$", '', match.group(1)))
        return said

    def hear(self, *words, since=0):
        """Waits until one utterance from since on holds all the words; returns the
        index after it."""
        deadline = time.monotonic() + HEARING_SECONDS
        while time.monotonic() < deadline:
            said = self.spoken()
            for index in range(since, len(said)):
                if all(word in said[index] for word in words):
                    return index + 1
            if self.orca.poll() is not None:
                break
            time.sleep(0.05)
        raise Failure('Orca did not say «%s»; it said: %s'
                      % (' … '.join(words), ' | '.join(self.spoken()[since:]) or 'nothing'))

    def act(self, keys):
        """Keys as a step names them: "Tab; Tab; type R2864; alt+Right"."""
        for action in filter(None, keys.split('; ')):
            if action.startswith('type '):
                self.type(action[5:])
            else:
                self.keys(*action.split())

    def keys(self, *keys):
        """Presses each key or chord as a person does: a chord's modifier first and let
        go of last. xdotool's own "key alt+Right" lets go of Alt first, and Orca then
        took the lone → for its reading caret and ignored what the key did."""
        command = []
        for key in keys:
            parts = key.split('+')
            command += [word for part in parts for word in ('keydown', part)]
            command += [word for part in reversed(parts) for word in ('keyup', part)]
            command += ['sleep', '0.08']
        subprocess.run(['xdotool', *command], env=self.env, check=True)

    def type(self, text):
        subprocess.run(['xdotool', 'type', '--delay', '80', text], env=self.env, check=True)

    def program(self, path):
        env = dict(self.env, QT_LINUX_ACCESSIBILITY_ALWAYS_ON='1', QT_QPA_PLATFORM='xcb')
        process = subprocess.Popen([path], env=env, stdin=subprocess.DEVNULL,
                                   stdout=self.output, stderr=subprocess.STDOUT)
        self.processes.append(process)
        return process


# Each step: the keys pressed ("; " between them and a text typed), then the words
# one utterance after the last step's must hold.
START_AND_TEST = [
    ('', ['Ulvane', 'рамка']),
    ('', ['Введите пароль (необязательно)', 'пароль.']),
    ('Tab', ['Вперед >>', 'кнопка']),
    ('space', ['1. Какие основные внешние электромагнитные источники влияют на линии связи ?']),
    ('', ['атмосферное электричество', 'флажок']),
    ('Tab', ['промышленные электрические установки', 'флажок']),
    ('shift+Tab shift+Tab', ['Вперед >>', 'кнопка']),
    ('space', ['Тест не пройден']),
    ('Return', ['Вперед >>', 'кнопка']),
]

# From the code box, typing the code, through both studies: the workbook opens with
# the lightning study in front and its tab row focused. The browser's walk takes
# the same steps.
WORKBOOK = [
    ('type R2864', []),
    ('Tab', ['Вперед >>', 'кнопка']),
    ('space', ['Исследование грозостойкости электрического кабеля связи']),
    ('Left', ['Исследование опасного влияния ЛЭП на электрический кабель связи']),
    ('Tab', ['МКСБ 1х4']),
    # A page change leaves the focus on the tab row. Each step waits for Orca, and so
    # for the program, before its keys: keys typed while the focus moves under load
    # went to the box before.
    ('alt+Right', ['Исследование опасного влияния ЛЭП на электрический кабель связи']),
    ('alt+Right', ['Введены не все данные']),
    # Keys go to the window only once it is active again, which Orca tells by naming
    # the tab the focus is back on (Orca 43 names the window first, Orca 48 does not).
    ('Return', ['Исследование опасного влияния ЛЭП на электрический кабель связи']),
    ('Right', ['Исследование грозостойкости электрического кабеля связи']),
    ('Tab', ['МКСБ 1х4']),
    ('alt+Right', ['Исследование грозостойкости электрического кабеля связи']),
    ('Tab', ['1. Максимально допустимое импульсное напряжение на изоляции кабеля, В']),
    ('type 3000', []),
    ('Tab', ['2. Радиус кабеля по внешней поверхности металлических покровов, мм']),
    ('type 10', []),
    ('Tab', ['3. Сопротивление металлических покровов кабеля на постоянном токе,Ом/км']),
    ('type 150', []),
    ('Tab', ['4. Удельное сопротивления грунта в Ом*м (от 10 до 10000 Ом*м)']),
    ('type 500', []),
    ('Tab', ['5. Среднее число грозочасов в год']),
    ('type 36', []),
]

STUDIES = [
    ('', ['Введите пароль (необязательно)', 'пароль.']),
    *WORKBOOK,
    ('alt+Right Tab', ['Кабель в шланге', 'флажок']),
    # Orca 43 reads the box's text before its name, Orca 48 after: each in its own
    # utterance, in either order.
    ('Tab', [['316545454545455'], ['Ожидается N=', 'только для чтения']]),
]


def run_steps(desktop, program, steps):
    heard = len(desktop.spoken())
    application = desktop.program(program)
    try:
        for keys, words in steps:
            desktop.act(keys)
            if words and isinstance(words[0], list):
                heard = max(desktop.hear(*group, since=heard) for group in words)
            elif words:
                heard = desktop.hear(*words, since=heard)
    finally:
        application.terminate()
        application.wait(5)


def listen(desktop, walk, transcript_path=None):
    """Runs walk() with Orca listening on the desktop, which it leaves stopped; keeps
    Orca's whole log with ULVANE_ORCA_KEEP set, prints what Orca said and returns the
    exit status."""
    failure = None
    try:
        with desktop:
            walk()
    except Failure as error:
        failure = error
    finally:
        if os.environ.get('ULVANE_ORCA_KEEP'):
            with open(os.path.join(desktop.work, 'orca.log'), 'w') as out:
                out.write('\n'.join(desktop.log))
            print('kept', desktop.work)
        else:
            shutil.rmtree(desktop.work, ignore_errors=True)
    transcript = '\n'.join(desktop.spoken())
    if transcript_path:
        with open(transcript_path, 'w') as out:
            out.write(transcript + '\n')
    if failure:
        print('Orca said:\n' + transcript)
        print('FAILED: %s' % failure)
        return 1
    print(transcript)
    return 0


def missing_tool(*tools):
    """Says which tool is missing, if one is."""
    for tool in ('orca', 'Xvfb', 'openbox', 'xdotool', 'dbus-daemon', 'speech-dispatcher', *tools):
        if not shutil.which(tool):
            print('%s is missing: tools/install-dependencies installs it' % tool)
            return True
    return False


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('program')
    parser.add_argument('--transcript')
    arguments = parser.parse_args()
    if missing_tool():
        return 1
    desktop = Desktop()

    def walk():
        for steps in (START_AND_TEST, STUDIES):
            run_steps(desktop, os.path.abspath(arguments.program), steps)

    return listen(desktop, walk, arguments.transcript)


if __name__ == '__main__':
    sys.exit(main())
