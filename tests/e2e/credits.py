"""The real Brintel.exe on the test display: the credits panel scrolls. Two screenshots some
ticks apart show the same lines moved up by whole pixels. usage: credits.py BRINTEL_EXE WINEPREFIX [SCREENSHOT.png]"""
import sys
import time

from e2elib import Screenshot, Wine, check, run, visible_box, wait_for_main_window, xdotool

PANEL_BACK = (211, 211, 211)
PANEL_LEFT, PANEL_TOP, PANEL_W, PANEL_H = 16, 72, 225, 65  # in the client area


def panel_rows(shot, left, top):
    """The credits panel as a list of pixel rows."""
    return [tuple(shot.pixel(left + PANEL_LEFT + x, top + PANEL_TOP + y) for x in range(PANEL_W))
            for y in range(PANEL_H)]


def ink_rows(rows):
    return [y for y, row in enumerate(rows) if any(p != PANEL_BACK for p in row)]


def upward_shift(before, after):
    """The smallest d > 0 for which after's row y is before's row y + d for every row both
    show, with some ink among them; None if there is none."""
    for d in range(1, PANEL_H):
        overlap = range(PANEL_H - d)
        if all(after[y] == before[y + d] for y in overlap) and any(y + d in ink_rows(before) for y in overlap):
            return d
    return None


def main():
    exe, prefix = sys.argv[1], sys.argv[2]
    program = Wine(prefix).start(exe)
    try:
        wait_for_main_window()
        # A pass lasts about ten seconds: after two the block has come well into the panel.
        time.sleep(2.0)
        first = Screenshot(sys.argv[3] if len(sys.argv) > 3 else None)
        left, top, _, _ = visible_box(first)
        time.sleep(0.4)
        second = Screenshot()
        check(visible_box(second)[:2] == (left, top), "the window stays where it was")

        before, after = panel_rows(first, left, top), panel_rows(second, left, top)
        print("ink rows before: %s" % ink_rows(before))
        print("ink rows after:  %s" % ink_rows(after))
        check(len(ink_rows(before)) > 10 and len(ink_rows(after)) > 10, "both screenshots show credit lines")
        check(before != after, "the panel changed between the screenshots")
        shift = upward_shift(before, after)
        print("moved up by %s pixels" % shift)
        check(shift is not None, "the second screenshot shows the same lines moved up")
    finally:
        if program.poll() is None:
            program.kill()


if __name__ == "__main__":
    run(main)
