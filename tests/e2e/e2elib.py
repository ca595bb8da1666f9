"""Helpers for end-to-end tests: the real program under Wine on the test display, real input
through xdotool, screenshots read back as pixels, and the Wine registry."""
import ctypes
import os
import shlex
import shutil
import subprocess
import sys
import time


# Under emulation every step of the program takes many times longer: TARNWICK_E2E_PATIENCE
# stretches every wait and pause by that factor.
PATIENCE = float(os.environ.get("TARNWICK_E2E_PATIENCE", "1"))


def pause(seconds):
    time.sleep(seconds * PATIENCE)


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)
    print("ok: " + message, flush=True)


def wine_env(prefix):
    env = dict(os.environ)
    env.update(WINEPREFIX=prefix, WINEARCH="win64", WINEDEBUG="-all", WINEDLLOVERRIDES="mscoree,mshtml=")
    return env


class Wine:
    def __init__(self, prefix):
        self.prefix = prefix
        self.env = wine_env(prefix)

    def start(self, exe, *args):
        """Starts the program under test, through TARNWICK_WINE_START when that names another
        loader (the 32-bit Wine in its own root); the registry is always read natively."""
        launcher = shlex.split(os.environ.get("TARNWICK_WINE_START", "wine"))
        return subprocess.Popen([*launcher, exe, *args], env=self.env, stdin=subprocess.DEVNULL,
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def reg(self, *args):
        return subprocess.run(["wine", "reg", *args], env=self.env, stdin=subprocess.DEVNULL,
                              capture_output=True, text=True, errors="replace")


def xdotool(*args):
    result = subprocess.run(["xdotool", *map(str, args)], capture_output=True, text=True)
    return result.stdout.strip()


def wait_for_window(name, timeout=30.0):
    """The X window id of a visible window whose title is exactly name, or None."""
    deadline = time.time() + timeout * PATIENCE
    pattern = "^" + name.replace("!", "\\!").replace(".", "\\.") + "$"
    while time.time() < deadline:
        ids = xdotool("search", "--onlyvisible", "--name", pattern).split()
        if ids:
            return ids[-1]
        time.sleep(0.2)
    return None


def wait_for_main_window():
    """Waits for the program's main window, checks that it appeared and moves the pointer away
    from it; returns the window."""
    window = wait_for_window("Tarnwick!")
    check(window is not None, 'the window titled "Tarnwick!" appears')
    xdotool("mousemove", 5, 5)
    return window


def window_gone(name, timeout=10.0):
    deadline = time.time() + timeout * PATIENCE
    pattern = "^" + name.replace("!", "\\!") + "$"
    while time.time() < deadline:
        if not xdotool("search", "--onlyvisible", "--name", pattern).split():
            return True
        time.sleep(0.2)
    return False


class Screenshot:
    def __init__(self, path=None):
        convert = "/usr/bin/convert" if os.path.exists("/usr/bin/convert") else "convert"
        xwd = subprocess.run(["xwd", "-root", "-silent"], capture_output=True, check=True).stdout
        ppm = subprocess.run([convert, "xwd:-", "ppm:-"], input=xwd, capture_output=True, check=True).stdout
        if path:
            subprocess.run([convert, "xwd:-", path], input=xwd, check=True)
        # P6 header: magic, width, height, maxval, each separated by whitespace.
        fields, pos = [], 0
        while len(fields) < 4:
            while ppm[pos:pos + 1].isspace() or ppm[pos:pos + 1] == b"#":
                if ppm[pos:pos + 1] == b"#":  # a comment runs to the end of its line
                    pos = ppm.index(b"\n", pos)
                pos += 1
            start = pos
            while not ppm[pos:pos + 1].isspace():
                pos += 1
            fields.append(ppm[start:pos])
        self.width, self.height = int(fields[1]), int(fields[2])
        self.data = ppm[pos + 1:]

    def pixel(self, x, y):
        i = (y * self.width + x) * 3
        return tuple(self.data[i:i + 3])


BLACK = (0, 0, 0)  # the test display's root window


def visible_box(shot):
    """The bounding box of everything not black across the screen's middle row and column: the
    program's window as it shows, its client area cut to the rounded region."""
    mid_y, mid_x = shot.height // 2, shot.width // 2
    xs = [x for x in range(shot.width) if shot.pixel(x, mid_y) != BLACK]
    ys = [y for y in range(shot.height) if shot.pixel(mid_x, y) != BLACK]
    return xs[0], ys[0], xs[-1] + 1, ys[-1] + 1


def click(x, y, button=1):
    xdotool("mousemove", x, y)
    pause(0.2)
    xdotool("click", button)


def restore_window(window):
    """Restores a minimised window as a window manager would. The test display has none, so
    a minimised window stays on the screen and Wine waits for the X window's WM_STATE: a
    manager sets IconicState when it iconifies the window and NormalState when it restores
    it, and Wine answers the second with the restore of the Windows window."""
    x11 = ctypes.CDLL("libX11.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XInternAtom.restype = ctypes.c_ulong
    x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    x11.XChangeProperty.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_ulong,
                                    ctypes.c_int, ctypes.c_int, ctypes.c_void_p, ctypes.c_int]
    x11.XFlush.argtypes = [ctypes.c_void_p]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
    display = x11.XOpenDisplay(None)
    if not display:
        raise Failure("cannot open the X display")
    try:
        wm_state = x11.XInternAtom(display, b"WM_STATE", 0)
        for state in (3, 1):  # IconicState, then NormalState
            value = (ctypes.c_long * 2)(state, 0)  # state, icon window
            x11.XChangeProperty(display, int(window), wm_state, wm_state, 32, 0, value, 2)
            x11.XFlush(display)
            time.sleep(0.3)
    finally:
        x11.XCloseDisplay(display)


def run(test):
    """Runs test() and turns a Failure into exit status 1 with its message."""
    try:
        test()
    except Failure as failure:
        print("FAILED: " + str(failure), flush=True)
        sys.exit(1)
