"""The real Brintel.exe on the test display: the window appears centred with its corners cut,
Apply reports failure without the control set and success with it, and the close area ends
the program, and dragging the body moves the window.
usage: main_window.py BRINTEL_EXE WINEPREFIX [--save-look FILE | --same-look FILE]
--save-look keeps the first picture of the window in FILE; --same-look checks that this
build's window shows exactly that picture (another build of the same sources)."""
import os
import sys

from e2elib import BLACK, Screenshot, Wine, check, click, pause, run, visible_box, wait_for_main_window, wait_for_window, window_gone, xdotool

KEY = r"HKLM\SYSTEM\ControlSet001\Control"
SCREEN_W, SCREEN_H = 1024, 768


def look(shot, box):
    """The window as it first shows: its size, its region row by row, and every pixel but the
    credits panel (16, 72, 225 x 65), whose lines scroll with time."""
    left, top, right, bottom = box
    rows, pixels = [], bytearray()
    for y in range(top, bottom):
        shown = [x for x in range(left, right) if shot.pixel(x, y) != BLACK]
        rows.append("%d-%d" % (shown[0] - left, shown[-1] - left) if shown else "-")
        for x in range(left, right):
            if not (16 <= x - left < 241 and 72 <= y - top < 137):
                pixels += bytes(shot.pixel(x, y))
    return ("%dx%d %s\n" % (right - left, bottom - top, " ".join(rows))).encode() + bytes(pixels)


def compare_look(mine, theirs):
    header, other = mine.split(b"\n", 1)[0], theirs.split(b"\n", 1)[0]
    check(header.split(b" ")[0] == other.split(b" ")[0], "the window has the same size as the other build's")
    check(header == other, "the window has the same shape as the other build's")
    if len(mine) == len(theirs):
        differing = sum(1 for a, b in zip(mine, theirs) if a != b)
    else:
        differing = -1
    check(differing == 0, "the window shows the same skin and buttons as the other build's (%d bytes differ)"
          % differing)


def close_box(title):
    box = wait_for_window(title, 15)
    check(box is not None, 'a message box titled "%s" appears' % title)
    xdotool("windowactivate", box)
    pause(0.3)
    xdotool("key", "--window", box, "Return")
    check(window_gone(title), 'the "%s" box closes with Enter' % title)


def main():
    exe, prefix = sys.argv[1], sys.argv[2]
    option, look_file = (sys.argv[3], sys.argv[4]) if len(sys.argv) > 4 else (None, None)
    wine = Wine(prefix)
    wine.reg("delete", r"HKLM\SYSTEM\ControlSet001", "/f")
    program = wine.start(exe)
    try:
        window = wait_for_main_window()
        pause(1.0)
        shot = Screenshot()
        left, top, right, bottom = visible_box(shot)
        if option == "--save-look":
            with open(look_file, "wb") as out:
                out.write(look(shot, (left, top, right, bottom)))
        elif option == "--same-look":
            with open(look_file, "rb") as kept:
                compare_look(look(shot, (left, top, right, bottom)), kept.read())
        width, height = right - left, bottom - top
        print("visible area: %d,%d %dx%d" % (left, top, width, height))
        # The whole window is 363 x 181; only its client area shows, so the visible part is
        # smaller by the frame and caption, and centred with the window.
        check(300 < width < 363 and 120 < height < 181, "only the client area is visible")
        check(abs((SCREEN_W - 363) // 2 - left) < 10, "the window is centred horizontally")
        check(abs((SCREEN_H - 181) // 2 - top) < 40, "the window is centred vertically")
        for cx, cy in ((left, top), (right - 1, top), (left, bottom - 1), (right - 1, bottom - 1)):
            check(shot.pixel(cx, cy) == BLACK, "the corner pixel at %d,%d is cut away" % (cx, cy))
        check(shot.pixel(left + 3, top + 3) != BLACK, "inside the rounding the window shows")

        # The two buttons, 97 x 25 at (248, 80) and (248, 112): Apply above with the focus
        # (its blue focus outline, the form being active), Homepage below in the plain outline.
        def outline_at(x, y, colour):
            return shot.pixel(left + x, top + y) == colour

        blue, grey = (60, 127, 177), (112, 112, 112)
        check(outline_at(248, 92, blue) and outline_at(248 + 96, 92, blue) and outline_at(290, 80, blue)
              and outline_at(290, 104, blue), "Apply is a 97 x 25 button at (248, 80) with the focus")
        check(outline_at(248, 124, grey) and outline_at(248 + 96, 124, grey) and outline_at(290, 112, grey)
              and outline_at(290, 136, grey), "Homepage is a 97 x 25 button at (248, 112)")

        def dark(x, y):
            return sum(shot.pixel(left + x, top + y)) < 300

        def text_columns(button_top):
            return [x for x in range(250, 343) if any(dark(x, button_top + y) for y in range(5, 20))]

        apply_text, home_text = text_columns(80), text_columns(112)
        check(apply_text and home_text, "both buttons show their captions")
        # The first letters, A and H, have no descender: only Apply's is underlined.
        first_apply, first_home = apply_text[0], home_text[0]
        check(any(dark(x, 80 + y) for x in range(first_apply, first_apply + 7) for y in range(17, 21)),
              "the A of Apply is underlined")
        check(not any(dark(x, 112 + y) for x in range(first_home, first_home + 7) for y in range(17, 21)),
              "the H of Homepage is not")

        apply_x, apply_y = left + 248 + 48, top + 80 + 12
        click(apply_x, apply_y)
        close_box("Error!")
        query = wine.reg("query", KEY, "/v", "WaitToKillServiceTimeout")
        check(query.returncode != 0, "nothing was written without the control set")

        check(wine.reg("add", KEY, "/f").returncode == 0, "reg add creates the control set key")
        click(apply_x, apply_y)
        close_box("Success!")
        query = wine.reg("query", KEY, "/v", "WaitToKillServiceTimeout")
        print(query.stdout.strip())
        check("REG_DWORD" in query.stdout and "0x3e8" in query.stdout, "the value reads REG_DWORD 0x3e8")

        # Space pressed on the focused Apply and cancelled by Esc: no click, nothing written.
        check(wine.reg("delete", KEY, "/v", "WaitToKillServiceTimeout", "/f").returncode == 0,
              "the value is removed again")
        xdotool("keydown", "space")
        try:
            pause(0.2)
            xdotool("key", "Escape")
            pause(0.2)
        finally:
            xdotool("keyup", "space")  # a key left down would repeat into every later test
        check(wait_for_window("Success!", 3) is None and wait_for_window("Error!", 0.5) is None,
              "Space, Esc, Space shows no box")
        query = wine.reg("query", KEY, "/v", "WaitToKillServiceTimeout")
        check(query.returncode != 0, "Esc cancelled the press: nothing was written")

        # Alt+Space is the button's own key: no click and no system menu, whose loop would take
        # the keys after it; the next Space presses Apply as usual.
        xdotool("key", "alt+space")
        check(wait_for_window("Success!", 3) is None, "Alt+Space does not click")
        xdotool("key", "space")
        close_box("Success!")
        query = wine.reg("query", KEY, "/v", "WaitToKillServiceTimeout")
        check("0x3e8" in query.stdout, "Space after Alt+Space wrote the value")

        # Alt and the caption's marked letter apply too, wherever the focus is.
        check(wine.reg("delete", KEY, "/v", "WaitToKillServiceTimeout", "/f").returncode == 0,
              "the value is removed again")
        xdotool("key", "Tab")
        pause(0.3)
        xdotool("key", "alt+a")
        close_box("Success!")
        query = wine.reg("query", KEY, "/v", "WaitToKillServiceTimeout")
        check("0x3e8" in query.stdout, "Alt+A wrote the value again")

        # Dragging the body (below the credits panel) moves the window with the pointer.
        xdotool("mousemove", left + 120, bottom - 8)
        pause(0.2)
        xdotool("mousedown", 1)
        for step in range(1, 11):
            xdotool("mousemove", left + 120 + 4 * step, bottom - 8 + 3 * step)
            pause(0.05)
        xdotool("mouseup", 1)
        pause(0.8)
        moved = visible_box(Screenshot())
        print("after the drag: %d,%d" % moved[:2])
        # The first move starts the system's move loop from where the pointer is then, so the
        # window follows all but that first step of (4, 3).
        dx, dy = moved[0] - left, moved[1] - top
        check(36 <= dx <= 40 and 27 <= dy <= 30, "dragging the body moves the window with the pointer")
        left, top, right, bottom = moved

        # The close area: picN's right edge is 8 pixels left of the client's, btnClose its right part.
        click(right - 8 - 12, top + 10)
        for _ in range(50):
            if program.poll() is not None:
                break
            pause(0.2)
        check(program.poll() is not None, "a click on the close area ends the program")
    finally:
        if program.poll() is None:
            program.kill()


if __name__ == "__main__":
    run(main)
