"""The workbench's window under real input: xdotool moves, clicks and types, and the lines the
buttons print show what they raised. usage: aerolab_window.py AEROLAB_EXE WINEPREFIX"""
import queue
import subprocess
import sys
import threading
import time

from e2elib import Failure, Screenshot, check, run, wait_for_window, window_gone, wine_env, xdotool

OUTLINES = {(112, 112, 112), (60, 127, 177)}  # plain, and hot or focused


class Lines:
    """The program's standard output, line by line, as it arrives."""

    def __init__(self, stream):
        self.queue = queue.Queue()
        threading.Thread(target=self._read, args=(stream,), daemon=True).start()

    def _read(self, stream):
        for line in stream:
            self.queue.put(line.rstrip("\r\n"))

    def take(self, settle=1.0):
        """Everything printed until nothing more arrives for `settle` seconds."""
        lines = []
        while True:
            try:
                lines.append(self.queue.get(timeout=settle))
            except queue.Empty:
                return lines


def without_moves(lines):
    """The system may send a move after a release or a capture change; those are not checked."""
    return [line for line in lines if " MouseMove " not in line]


def names(lines):
    """Each line without its arguments: 'btnPush MouseDown'."""
    return [" ".join(line.split()[:2]) for line in lines]


def client_origin(shot):
    """The client area's top-left corner on the screen, found from btnPush's outline: the first
    row holding a long run of an outline colour is the button's top row, and the run is
    symmetrical about the button's middle column (48). The button sits at (16, 16)."""
    for y in range(shot.height):
        x = 0
        while x < shot.width:
            if shot.pixel(x, y) in OUTLINES:
                start = x
                while x < shot.width and shot.pixel(x, y) in OUTLINES:
                    x += 1
                if x - start >= 85:
                    return (start + x - 1) // 2 - 48 - 16, y - 16
            x += 1
    raise Failure("no button outline is on the screen")


def main():
    exe, prefix = sys.argv[1], sys.argv[2]
    program = subprocess.Popen(["wine", exe, "window"], env=wine_env(prefix), stdin=subprocess.DEVNULL,
                               stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
    out = Lines(program.stdout)
    try:
        window = wait_for_window("AeroButton Lab")
        check(window is not None, 'the window titled "AeroButton Lab" appears')
        time.sleep(1.5)
        out.take(0.5)
        left, top = client_origin(Screenshot())
        push = (left + 16 + 48, top + 16 + 12)

        xdotool("mousemove", push[0], push[1])
        time.sleep(0.5)
        xdotool("mousemove", push[0] + 3, push[1])
        lines = out.take()
        check(names(lines)[:2] == ["btnPush MouseEnter", "btnPush MouseMove"],
              "the first move enters, the next one moves: %r" % lines)
        check(lines[1] == "btnPush MouseMove 0 0 51 12", "a move carries no buttons and the position")

        xdotool("click", 1)
        lines = without_moves(out.take())
        check(lines == ["btnPush MouseDown 1 0 51 12", "btnPush MouseUp 1 0 51 12", "btnPush Click Value=0"],
              "a left click raises MouseDown, MouseUp and Click: %r" % lines)

        xdotool("key", "space")
        lines = without_moves(out.take())
        # The key's character arrives as KeyPress between its down and up.
        check(lines == ["btnPush KeyDown 32 0", "btnPush KeyPress 32", "btnPush Click Value=0", "btnPush KeyUp 32 0"],
              "Space raises KeyDown, Click, KeyUp: %r" % lines)

        xdotool("key", "a")
        lines = without_moves(out.take())
        check(lines == ["btnPush KeyDown 65 0", "btnPush KeyPress 97", "btnPush KeyUp 65 0"],
              "a letter raises KeyDown, KeyPress and KeyUp: %r" % lines)

        xdotool("key", "Down")
        lines = without_moves(out.take())
        # The focus moves on as the key goes down; only the key's release reaches the next button.
        check(lines == ["btnToggle KeyUp 40 0"], "Down raises no key events of its own: %r" % lines)
        xdotool("key", "space")
        lines = without_moves(out.take())
        check(lines == ["btnToggle KeyDown 32 0", "btnToggle KeyPress 32", "btnToggle Click Value=-1",
                        "btnToggle KeyUp 32 0"],
              "Down moved the focus to the toggle, which Space checks: %r" % lines)

        xdotool("key", "alt+o")
        lines = out.take()
        check("btnOther Click Value=0" in lines, "Alt+O clicks btnOther: %r" % lines)

        xdotool("key", "Escape")
        lines = out.take()
        check(not any("Click" in line for line in lines), "Esc does not click the toggle: %r" % lines)
        xdotool("key", "Up")
        lines = without_moves(out.take())
        check(lines == ["btnPush KeyUp 38 0"], "Up moves the focus back to btnPush, no other key events: %r" % lines)
        xdotool("key", "Return")
        lines = out.take()
        check("btnOther Click Value=0" in lines, "Enter clicks the default button: %r" % lines)

        xdotool("key", "alt+t")
        lines = out.take()
        check("btnToggle Click Value=0" in lines, "Alt+T unchecks the toggle: %r" % lines)

        xdotool("key", "alt+F4")
        check(window_gone("AeroButton Lab"), "the window closes")
        check(program.wait(timeout=20) == 0, "closing ends the program with exit status 0")
    finally:
        if program.poll() is None:
            program.kill()


if __name__ == "__main__":
    run(main)
