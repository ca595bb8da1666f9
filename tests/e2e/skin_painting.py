"""The real Brintel.exe on the test display: the client area shows the skin painted from the
atlas (frame line, dark title band with the white title at (10, 6), the light body), and
minimising and restoring brings the same picture back. usage: skin_painting.py BRINTEL_EXE WINEPREFIX"""
import os
import sys
import time

from e2elib import Screenshot, Wine, check, click, restore_window, run, visible_box, wait_for_main_window, xdotool

sys.dont_write_bytecode = True  # keep the resources folder free of caches
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "resources"))
from generate_art import BODY, FRAME, band_colour  # noqa: E402  the artwork's own colours

WHITE = (255, 255, 255)


def painted_skin(shot, left, top, width, height):
    """The client pixels that only the skin painting decides: everything but the credits
    panel (16, 72, 225 x 65) and the two buttons (248, 80 .. 345, 137)."""
    pixels = []
    for y in range(height):
        for x in range(width):
            if 16 <= x < 241 and 72 <= y < 137:
                continue
            if 248 <= x < 345 and 80 <= y < 137:
                continue
            pixels.append(shot.pixel(left + x, top + y))
    return pixels


def strip_pixels(shot, left, top, width):
    """picN: 65 x 25 at the top right, 8 pixels in from the client's right edge."""
    return [shot.pixel(left + x, top + y) for y in range(25) for x in range(width - 73, width - 8)]


def main():
    exe, prefix = sys.argv[1], sys.argv[2]
    program = Wine(prefix).start(exe)
    try:
        window = wait_for_main_window()
        time.sleep(1.0)
        shot = Screenshot()
        left, top, right, bottom = visible_box(shot)
        width, height = right - left, bottom - top
        print("client area on screen: %d,%d %dx%d" % (left, top, width, height))

        def at(x, y):
            return shot.pixel(left + x, top + y)

        # The frame line runs along the left column and the top row.
        for y in (10, 45, 60, 100, height - 12):
            check(at(0, y) == FRAME, "the left frame column is the frame colour at row %d" % y)
        for x in (100, 150, 200):
            check(at(x, 0) == FRAME, "the top frame row is the frame colour at column %d" % x)
        # Rows 1 to 25 are the title band's gradient, right of the title and left of the strip.
        for y in range(1, 26):
            check(at(150, y) == band_colour(y), "row %d of the title band is %s" % (y, band_colour(y)))
        check(all(max(at(150, y)) < 150 for y in range(1, 26)), "the title band is dark")
        # The title: white pixels whose box starts at (10, 6), inside the band.
        white = [(x, y) for y in range(26) for x in range(150) if at(x, y) == WHITE]
        check(len(white) > 20, "the title is drawn in white (%d white pixels)" % len(white))
        ink_left = min(x for x, _ in white)
        ink_top = min(y for _, y in white)
        print("title ink starts at %d,%d" % (ink_left, ink_top))
        check(10 <= ink_left <= 12 and 6 <= ink_top <= 10, "the title's white pixels start near (10, 6)")
        # The body: the atlas's flat colour, around and below the controls.
        for x, y in ((200, 70), (244, 100), (120, height - 12), (300, height - 12)):
            check(at(x, y) == BODY, "the body at %d,%d is RGB%s" % (x, y, BODY))

        before = painted_skin(shot, left, top, width, height)
        normal_strip = strip_pixels(shot, left, top, width)

        # Minimise through the strip's minimise area, leaving with the pointer straight away
        # so that only the restore can put the strip back to its normal picture.
        click(left + width - 73 + 5, top + 5)
        xdotool("mousemove", 5, 5)
        time.sleep(0.5)
        check(strip_pixels(Screenshot(), left, top, width) != normal_strip,
              "the strip shows the minimise button's pressed or hot picture after the click")
        restore_window(window)
        time.sleep(1.0)
        after_shot = Screenshot()
        check(visible_box(after_shot) == (left, top, right, bottom), "the window is restored in place")
        check(strip_pixels(after_shot, left, top, width) == normal_strip, "the restore resets the strip")
        after = painted_skin(after_shot, left, top, width, height)
        differing = sum(1 for a, b in zip(before, after) if a != b)
        check(differing == 0, "after minimise and restore the same picture comes back (%d pixels differ)"
              % differing)
    finally:
        if program.poll() is None:
            program.kill()


if __name__ == "__main__":
    run(main)
