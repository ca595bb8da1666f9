"""The real Brintel.exe on the test display: a click on Homepage asks the shell to open the home
page. The test prefix's http association is pointed at a recorder that writes down the address
it is given; each click opens the page once more, no box appears and the window stays as it
was. usage: homepage.py BRINTEL_EXE WINEPREFIX URL_RECORDER_EXE"""
import os
import shutil
import sys
import tempfile
import time

from e2elib import Screenshot, Wine, check, click, run, visible_box, wait_for_window, xdotool

HOME_PAGE = "http://www.olvenar.com/"
HANDLER_KEY = r"HKCR\http\shell\open\command"
# In the client area: the two buttons, which may change their look with focus and hover, and
# the credits panel, which scrolls; everything else must stay as it was.
APPLY = (248, 80, 97, 25)
HOME = (248, 112, 97, 25)
CREDITS = (16, 72, 225, 65)


def windows_path(path):
    """The path as the Windows program sees it: Wine maps the Unix root to drive Z:."""
    return "Z:" + os.path.abspath(path).replace("/", "\\")


def changed_pixels(before, after, box):
    """Pixels of the visible window that differ, leaving out the buttons and the credits."""
    left, top, right, bottom = box
    skipped = [(left + x, top + y, left + x + w, top + y + h) for x, y, w, h in (APPLY, HOME, CREDITS)]
    changed = []
    for y in range(top, bottom):
        for x in range(left, right):
            if any(l <= x < r and t <= y < b for l, t, r, b in skipped):
                continue
            if before.pixel(x, y) != after.pixel(x, y):
                changed.append((x - left, y - top))
    return changed


def recorded(record):
    if not os.path.exists(record):
        return []
    with open(record, encoding="utf-8") as f:
        return f.read().splitlines()


def wait_for_records(record, count, timeout=20.0):
    deadline = time.time() + timeout
    while time.time() < deadline and len(recorded(record)) < count:
        time.sleep(0.2)
    time.sleep(0.5)  # a late extra request would show now
    return recorded(record)


def handler_command(wine):
    """The current default value of the http open command, or None."""
    query = wine.reg("query", HANDLER_KEY, "/ve")
    for line in query.stdout.splitlines():
        if "REG_SZ" in line:
            return line.split("REG_SZ", 1)[1].strip()
    return None


def main():
    exe, prefix, recorder = sys.argv[1], sys.argv[2], sys.argv[3]
    wine = Wine(prefix)
    workdir = tempfile.mkdtemp(prefix="tarnwick-homepage-")
    record = os.path.join(workdir, "requests.txt")
    previous = handler_command(wine)
    command = '"%s" "%s" "%%1"' % (windows_path(recorder), windows_path(record))
    check(wine.reg("add", HANDLER_KEY, "/ve", "/d", command, "/f").returncode == 0,
          "the prefix's http handler is the recorder")
    program = None
    try:
        program = wine.start(exe)
        window = wait_for_window("Tarnwick!")
        check(window is not None, 'the window titled "Tarnwick!" appears')
        time.sleep(1.0)
        xdotool("mousemove", 5, 5)
        time.sleep(0.5)
        before = Screenshot()
        box = visible_box(before)
        left, top = box[0], box[1]
        home_x, home_y = left + HOME[0] + HOME[2] // 2, top + HOME[1] + HOME[3] // 2

        click(home_x, home_y)
        requests = wait_for_records(record, 1)
        print("requests: %s" % requests)
        check(requests == [HOME_PAGE], "one click asks the shell once to open %s" % HOME_PAGE)

        click(home_x, home_y)
        requests = wait_for_records(record, 2)
        print("requests: %s" % requests)
        check(requests == [HOME_PAGE, HOME_PAGE], "a second click opens the page a second time")

        check(wait_for_window("Error!", 2) is None, "no message box follows an accepted request")
        check(program.poll() is None, "the program is still running")
        xdotool("mousemove", 5, 5)
        time.sleep(0.5)
        after = Screenshot()
        check(visible_box(after) == box, "the window keeps its place and size")
        changed = changed_pixels(before, after, box)
        check(not changed, "the rest of the window looks as it did (%d pixels changed, first %s)"
              % (len(changed), changed[:5]))
    finally:
        if program is not None and program.poll() is None:
            program.kill()
        if previous is not None:
            wine.reg("add", HANDLER_KEY, "/ve", "/d", previous, "/f")
        else:
            wine.reg("delete", HANDLER_KEY, "/ve", "/f")
        shutil.rmtree(workdir, ignore_errors=True)


if __name__ == "__main__":
    run(main)
