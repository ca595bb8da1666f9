"""The 32-bit workbench against the 64-bit one: the same `aerolab batch` of set, bag and render
commands through both, and every command's output, exit status and picture compared byte for
byte. Under emulation a process start costs most of a minute, so each build runs once.
usage: aerolab_same_output.py AEROLAB_X64 AEROLAB_X86 WINEPREFIX WORKDIR
The 32-bit build is started with the command in TARNWICK_WINE_START (default: wine)."""
import os
import re
import shlex
import struct
import subprocess
import sys

sys.path.insert(0, os.path.dirname(__file__))
from e2elib import Failure, check, run, wine_env  # noqa: E402

ICON = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", "..", "resources", "brintel.ico"))
STRIP = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", "..", "resources", "strip_normal.bmp"))
MAGENTA = (255, 0, 255)


def write_masked_bmp(path):
    """A 24 x 20 bitmap: magenta (the mask colour) around a square of four colours."""
    width, height = 24, 20
    row_bytes = (width * 3 + 3) & ~3
    rows = []
    for y in range(height - 1, -1, -1):  # bottom-up
        row = bytearray()
        for x in range(width):
            inside = 4 <= x < 20 and 3 <= y < 17
            colour = MAGENTA if not inside else [(200, 30, 30), (30, 160, 40), (20, 60, 220), (240, 200, 0)][
                (x >= 12) + 2 * (y >= 10)]
            row += bytes((colour[2], colour[1], colour[0]))
        rows.append(bytes(row) + b"\0" * (row_bytes - len(row)))
    pixels = b"".join(rows)
    header = struct.pack("<2sIHHI", b"BM", 54 + len(pixels), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 3780, 3780, 0, 0)
    with open(path, "wb") as out:
        out.write(header + info + pixels)


def commands(masked):
    """The batch: what set and bag print, and the looks render paints (file names relative)."""
    lines = [
        "set -- PictureOpacity=5",
        "set -- CheckBoxMode=true Value=true CheckBoxMode=false",
        "set -- Value=true",
        "set --design -- Value=true",
        "set caption=&Go -- Refresh TranslateColor=0xff TranslateColor=0x800000FF FontBold=true MousePointer=99",
        "set -- MouseIcon=%s 'Caption=a\"b\\c' Enabled=0 ButtonShape=3 BackColor=0x8000000F" % shlex.quote(ICON),
        "set 'Font=MS Sans Serif,8.25,bold,italic' -- FontSize=12.5 FontName=Arial FontUnderline=true",
        "set PicNormal=%s UseMask=-1 MaskColor=0xFF00FF -- PictureOpacity=50 PictureSize=2 PictureSizeW=40"
        % shlex.quote(masked),
        "bag --new",
        "bag Caption=Hi ButtonShape=2 PicOpacity=40 'Font=Arial,10,bold' CheckBox=-1 Value=-1",
        "bag PicNormal=%s PicHot=%s PicDown=%s UseMask=true MaskColor=0x00FF00FF TipText=tip"
        % (shlex.quote(masked), shlex.quote(ICON), shlex.quote(STRIP)),
        "bag --design",
        "set -- Nope=1",
        "render",
        'set "Caption=unclosed',
    ]
    for state in (-1, 0, 1, 2, 3):
        lines.append("render state%d.bmp --state %d Caption=&State" % (state, state))
    for shape in range(4):
        lines.append("render shape%d.bmp --size 120x32 ButtonShape=%d BackColor=0x00C08040 Caption=Shape" % (shape, shape))
    for i, flags in enumerate(("--focus", "--inactive", "--default", "--over", "--over --held --pressed",
                               "--space --focus", "--focus --default --over")):
        lines.append("render flags%d.bmp %s Caption=Flags" % (i, flags))
    for opacity in (100, 50, 10):
        for align in (0, 4, 8):
            lines.append("render pic%d_%d.bmp --size 110x40 PicNormal=%s UseMask=-1 MaskColor=0xFF00FF "
                         "PicOpacity=%d PicAlign=%d Caption=Picture" % (opacity, align, shlex.quote(masked), opacity, align))
    lines += [
        "render icon.bmp --size 64x48 --state 1 PicNormal=%s PicHot=%s PicSize=3 Caption=" % (shlex.quote(ICON), shlex.quote(ICON)),
        "render nomask.bmp PicNormal=%s UseMask=0 PicSize=1 Caption=NoMask" % shlex.quote(masked),
        "render caption1.bmp --size 160x30 'Caption=&Apply now' 'Font=MS Sans Serif,8.25,bold' ForeColor=0x000000C0",
        "render caption2.bmp --size 97x25 'Caption=A caption far too long for the button' --focus",
        "render caption3.bmp --size 97x25 Caption=Off Enabled=0",
        "render caption4.bmp --size 200x60 'Caption=Large' 'Font=Arial,14,italic,underline' --state 2",
        "render big.bmp --size 300x120 ButtonShape=1 PicNormal=%s PicSize=4 PicAlign=3 Caption=Big" % shlex.quote(masked),
    ]
    return lines


def run_batch(command, prefix, folder, lines):
    os.makedirs(folder, exist_ok=True)
    for name in os.listdir(folder):
        if name.endswith(".bmp"):
            os.remove(os.path.join(folder, name))
    result = subprocess.run(command + ["batch"], env=wine_env(prefix), cwd=folder, input="\n".join(lines) + "\n",
                            capture_output=True, text=True, errors="replace", timeout=1800)
    return result.returncode, result.stdout, result.stderr


def sections(out):
    """Each command's lines by its number, the window handle (a per-run value) masked."""
    parts, current, codes = {}, None, {}
    for line in out.splitlines():
        opening = re.fullmatch(r"== (\d+)", line)
        closing = re.fullmatch(r"== (\d+) exit (-?\d+)", line)
        if opening:
            current = int(opening.group(1))
            parts[current] = []
        elif closing:
            codes[int(closing.group(1))] = int(closing.group(2))
            current = None
        elif current is not None:
            parts[current].append(re.sub(r"^get hWnd = \d+$", "get hWnd = (handle)", line))
    return parts, codes


def main():
    x64, x86, prefix, work = sys.argv[1:5]
    work = os.path.abspath(work)
    os.makedirs(work, exist_ok=True)
    masked = os.path.join(work, "masked.bmp")
    write_masked_bmp(masked)
    lines = commands(masked)
    wine32 = shlex.split(os.environ.get("TARNWICK_WINE_START", "wine"))

    code64, out64, err64 = run_batch(["wine", x64], prefix, os.path.join(work, "x64"), lines)
    check(code64 == 0, "the 64-bit batch ran (exit %d)" % code64)
    parts64, codes64 = sections(out64)
    check(sorted(parts64) == list(range(1, len(lines) + 1)), "the 64-bit batch ran all %d commands" % len(lines))
    check(any(c == 2 for c in codes64.values()) and any(c == 0 for c in codes64.values()),
          "the batch holds good and bad commands")

    code86, out86, err86 = run_batch(wine32 + [x86], prefix, os.path.join(work, "x86"), lines)
    if code86 != 0 or not out86:
        print(err86[-2000:])
    check(code86 == 0, "the 32-bit batch ran (exit %d)" % code86)
    parts86, codes86 = sections(out86)

    failures = []
    for number, line in enumerate(lines, 1):
        same = parts86.get(number) == parts64[number] and codes86.get(number) == codes64.get(number)
        words = shlex.split(line) if line.count('"') % 2 == 0 else []
        if same and words[:1] == ["render"] and codes64[number] == 0:
            name = words[1]
            with open(os.path.join(work, "x64", name), "rb") as a, open(os.path.join(work, "x86", name), "rb") as b:
                same = a.read() == b.read()
            what = "%s: the same pixels and rectangles" % name
        else:
            what = "%s: the same output and exit %s" % (line[:60], codes64.get(number))
        print(("ok: " if same else "FAILED: ") + what, flush=True)
        if not same:
            failures.append(number)
            print("   64-bit: %s\n   32-bit: %s" % (parts64.get(number), parts86.get(number)))
    # The one-line messages of the bad lines, in order, on standard error.
    norm = lambda err: [l for l in err.splitlines() if l.startswith("aerolab: ")]
    check(norm(err86) == norm(err64) and len(norm(err64)) >= 3, "the same one-line messages for the bad lines")
    print("commands compared: %d, differing: %d" % (len(lines), len(failures)))
    if failures:
        raise Failure("the 32-bit workbench differs in commands %s" % failures)


if __name__ == "__main__":
    run(main)
