#!/usr/bin/env python3
"""The browser build with Orca listening: Chromium shows the page, served from
127.0.0.1, as a window on the desktop test's private X server, speech server and
Orca, is driven by keys alone, and each step waits until Orca has said what a
student must hear.

Usage: orca_browser_test.py SITE [--transcript FILE]

Orca reads a web page in browse mode, where letters jump from heading to
heading, link to link, instead of reaching the page: the code "R2864" typed on
a freshly loaded page never reached the program. The private settings turn
those letter keys off; the arrows still move Orca's reading caret where no box
has the focus, as a student has them.
"""

import argparse
import functools
import http.server
import json
import os
import shutil
import sys
import threading
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'desktop'))
import orca_test  # noqa: E402
from orca_test import Failure  # noqa: E402

# The first frame waits for the program's WebAssembly to load and compile, slow on a busy machine.
LOADING_SECONDS = 60


# Orca's own settings in the private home: letters and digits reach the page,
# and Orca does not read the whole page as it loads, which now and then kept it
# from following the focus into the code box and lost the first key.
PROFILE = {'profile': ['Default', 'default'],
           'structuralNavigationEnabled': False,
           'sayAllOnLoad': False}


class Browser(orca_test.Desktop):
    def start_orca(self):
        folder = os.path.join(self.env['XDG_DATA_HOME'], 'orca')
        os.makedirs(folder)
        with open(os.path.join(folder, 'user-settings.conf'), 'w') as settings:
            json.dump({'general': {}, 'pronunciations': {}, 'keybindings': {},
                       'profiles': {'default': PROFILE}}, settings)
        super().start_orca()

    def chromium(self, url):
        profile = os.path.join(self.work, 'chromium')
        shutil.rmtree(profile, ignore_errors=True)
        os.makedirs(os.path.join(profile, 'Default'))
        # Chromium's own window speaks English and offers to translate the Russian
        # page in a bubble that may take the keyboard from it.
        with open(os.path.join(profile, 'Default', 'Preferences'), 'w') as preferences:
            json.dump({'translate': {'enabled': False}}, preferences)
        # Chromium builds its accessibility tree for Orca only when asked to.
        self.env['ACCESSIBILITY_ENABLED'] = '1'
        return self.start([
            'chromium', '--user-data-dir=' + profile, '--no-sandbox', '--no-first-run',
            '--disable-gpu', '--force-renderer-accessibility', '--lang=ru', '--accept-lang=ru',
            '--password-store=basic',
            '--window-position=0,0', '--window-size=1024,768', url])


def served(folder):
    class Quiet(http.server.SimpleHTTPRequestHandler):
        def log_message(self, *arguments):
            pass

    server = http.server.ThreadingHTTPServer(
        ('127.0.0.1', 0), functools.partial(Quiet, directory=folder))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server


# As in the desktop test: the keys pressed ("; " between them and a text typed),
# then the words one utterance after the last step's must hold. Each page opens
# with the focus in the code box; Tab leaves it for "Вперед >>" and Shift+Tab
# brings it back, where Orca must say its prompt.
START_AND_TEST = [
    ('Tab', ['Вперед >>']),
    ('shift+Tab', ['Введите пароль (необязательно)']),
    ('Tab', ['Вперед >>']),
    ('space', ['атмосферное электричество']),
    ('Tab', ['промышленные электрические установки']),
    ('shift+Tab shift+Tab', ['Вперед >>']),
    ('space', ['Тест не пройден']),
    ('Return', ['Вперед >>']),
]

STUDIES = [
    ('Tab', ['Вперед >>']),
    ('shift+Tab', ['Введите пароль (необязательно)']),
    *orca_test.WORKBOOK,
    ('alt+Right', []),
    ('Tab', ['Кабель в шланге']),
    ('Tab', ['Ожидается N=', '0,316545454545455', 'только для чтения']),
]

# A key pressed while a page changes can go to the page's body, where the program
# never sees it; Orca falls quiet once the focus has landed.
QUIET_SECONDS = 1.0


def settle(browser):
    deadline = time.monotonic() + orca_test.HEARING_SECONDS
    count, since = len(browser.spoken()), time.monotonic()
    while time.monotonic() < deadline and time.monotonic() - since < QUIET_SECONDS:
        time.sleep(0.05)
        if len(browser.spoken()) != count:
            count, since = len(browser.spoken()), time.monotonic()


def opened(browser, heard):
    """Waits until Orca has followed the focus into the code box as the program
    starts, and said its prompt."""
    deadline = time.monotonic() + LOADING_SECONDS
    while time.monotonic() < deadline:
        said = browser.spoken()[heard:]
        for index, line in enumerate(said):
            if 'Введите пароль (необязательно)' in line:
                return heard + index + 1
        time.sleep(0.05)
    raise Failure('the page did not open with Orca in the code box; Orca said: %s'
                  % ' | '.join(browser.spoken()[heard:]))


def run_steps(browser, url, steps):
    heard = len(browser.spoken())
    chromium = browser.chromium(url)
    try:
        heard = opened(browser, heard)
        for keys, words in steps:
            settle(browser)
            browser.act(keys)
            if words:
                heard = browser.hear(*words, since=heard)
    finally:
        chromium.terminate()
        chromium.wait(10)
        browser.processes.remove(chromium)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('site')
    parser.add_argument('--transcript')
    arguments = parser.parse_args()
    if orca_test.missing_tool('chromium'):
        return 1
    if not os.path.isfile(os.path.join(arguments.site, 'index.html')):
        print('no index.html in %s' % arguments.site)
        return 1
    server = served(os.path.abspath(arguments.site))
    url = 'http://127.0.0.1:%d/' % server.server_address[1]
    browser = Browser()

    def walk():
        try:
            for steps in (START_AND_TEST, STUDIES):
                run_steps(browser, url, steps)
        finally:
            server.shutdown()

    return orca_test.listen(browser, walk, arguments.transcript)


if __name__ == '__main__':
    sys.exit(main())
