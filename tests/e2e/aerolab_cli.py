"""The workbench's command line under Wine: what `set` and `bag` print for a few scripts, and
the one-line error with exit status 2 for every kind of bad argument."""
import os
import re
import struct
import subprocess
import tempfile
import sys

sys.path.insert(0, os.path.dirname(__file__))
from e2elib import Failure, check, wine_env  # noqa: E402

GETTERS = ["BackColor", "ButtonShape", "TipText", "Caption", "CheckBoxMode", "Enabled", "Font", "FontBold",
           "FontItalic", "FontName", "FontSize", "FontStrikethru", "FontUnderline", "ForeColor", "HandPointer",
           "hWnd", "MaskColor", "MouseIcon", "MousePointer", "PictureAlignment", "PictureDown", "PictureHot",
           "PictureNormal", "PictureOpacity", "PictureSize", "PictureSizeH", "PictureSizeW", "UseMaskColor",
           "Value"]


def run(lab, prefix, *args, input=None):
    result = subprocess.run(["wine", lab, *args], env=wine_env(prefix), input=input,
                            stdin=None if input is not None else subprocess.DEVNULL,
                            capture_output=True, text=True, errors="replace", timeout=120)
    return result.returncode, result.stdout.splitlines(), result.stderr.splitlines()


def split_gets(lines):
    body = [line for line in lines if not line.startswith("get ")]
    gets = [line for line in lines if line.startswith("get ")]
    return body, dict(line[4:].split(" = ", 1) for line in gets), [line[4:].split(" = ")[0] for line in gets]


def main(lab, prefix):
    icon = os.path.join(os.path.dirname(__file__), "..", "..", "resources", "brintel.ico")

    code, out, err = run(lab, prefix, "set", "--", "PictureOpacity=5")
    body, gets, names = split_gets(out)
    check(code == 0 and not err, "set exits 0 and quietly")
    check(body == ["notify PicOpacity", "PictureOpacity = 10"], "opacity 5 notifies PicOpacity and reads 10")
    check(names == GETTERS, "the 29 properties are listed in their published order")
    check(gets["PictureOpacity"] == "10" and gets["BackColor"] == "0x00E6E6E6" and gets["TipText"] == '"ToolTip"'
          and gets["Caption"] == '"btnPush"' and gets["ForeColor"] == "0x80000012"
          and gets["Font"] == "MS Sans Serif,8.25" and gets["Enabled"] == "-1", "an empty bag loads the defaults")
    check(re.fullmatch(r"[1-9][0-9]*", gets["hWnd"]) is not None, "hWnd is the window handle in decimal")

    code, out, _ = run(lab, prefix, "set", "--", "CheckBoxMode=true", "Value=true", "CheckBoxMode=false")
    body, gets, _ = split_gets(out)
    check(body == ["notify CheckBox", "CheckBoxMode = -1", "notify Value", "Value = -1",
                   "notify Value", "notify CheckBox", "CheckBoxMode = 0"],
          "turning the toggle off clears Value first")

    code, out, _ = run(lab, prefix, "set", "--", "Value=true")
    check(split_gets(out)[0] == ["event Click", "notify Value", "Value = 0"], "Value true clicks at run time")
    code, out, _ = run(lab, prefix, "set", "--design", "--", "Value=true")
    check(split_gets(out)[0] == ["notify Value", "Value = 0"], "Value true at design time raises nothing")

    code, out, _ = run(lab, prefix, "set", "caption=&Go", "--", "Refresh", "TranslateColor=0xff",
                       "TranslateColor=0x800000FF", "FontBold=true", "MousePointer=99")
    body, gets, _ = split_gets(out)
    check(body == ["Refresh", "TranslateColor = 0x000000FF", "TranslateColor = 0x00000000", "FontBold = -1",
                   "notify MousePointer", "MousePointer = 99"], "methods, a font attribute and the pointer")
    check(gets["Caption"] == '"&Go"' and gets["FontBold"] == "-1", "bag keys match without regard to case")

    code, out, _ = run(lab, prefix, "set", "--", "MouseIcon=" + icon, "Caption=a\"b\\c\r\n\x01")
    body, gets, _ = split_gets(out)
    check(body[:2] == ["notify MousePointer", "notify MouseIcon"] and body[2].startswith("MouseIcon = icon "),
          "a mouse icon from a .ico file sets the custom pointer")
    check(body[-1] == 'Caption = "a\\"b\\\\c\\r\\n\\x01"', "text is quoted and escaped")

    code, out, err = run(lab, prefix, "bag", "--new")
    check(code == 0 and out == [
        "write BackColor = 0x00E6E6E6 (default 0x00E6E6E6)", "write ButtonShape = 0 (default 0)",
        'write Caption = "btnPush" (default "btnPush")', "write CheckBox = 0 (default 0)",
        "write Enabled = -1 (default -1)", "write Font = MS Sans Serif,9 (default MS Sans Serif,8.25)",
        "write ForeColor = 0x80000012 (default 0x80000012)", "write HandPointer = 0 (default 0)",
        "write MaskColor = 0x00C0C0C0 (default 0x00C0C0C0)", "write MouseIcon = none (default none)",
        "write MousePointer = 0 (default 0)", "write PicAlign = 4 (default 4)",
        "write PicDown = none (default none)", "write PicHot = none (default none)",
        "write PicNormal = none (default none)", "write PicOpacity = 1 (default 1)",
        "write PicSize = 0 (default 0)", "write PicSizeH = 0 (default 0)", "write PicSizeW = 0 (default 0)",
        "write State = 0 (default 0)", "write UseMask = -1 (default -1)", "write Value = 0 (default 0)",
        'write TipText = "" (default "ToolTip")'], "a new instance saves the 23 keys in order")

    code, out, _ = run(lab, prefix, "bag", "PicOpacity=0.25", "State=3", "BackColor=0x8000000F", "ButtonShape=-7")
    check("write PicOpacity = 0.25 (default 1)" in out and "write State = 3 (default 0)" in out
          and "write BackColor = 0x8000000F (default 0x00E6E6E6)" in out
          and "write ButtonShape = -7 (default 0)" in out
          and 'write TipText = "ToolTip" (default "ToolTip")' in out, "a loaded bag saves its values back")

    # render: the surface as a 24-bit BMP of exactly the asked size, bottom-up rows.
    with tempfile.TemporaryDirectory() as folder:
        path = os.path.join(folder, "hot.bmp")
        code, out, err = run(lab, prefix, "render", path, "--state", "1", "--size", "60x30", "Caption=Hi")
        check(code == 0 and not err and out[0].startswith("TextRect = ") and out[1].startswith("PicRect = "),
              "render prints the caption and picture boxes")
        data = open(path, "rb").read()
        width, height = struct.unpack("<ii", data[18:26])
        bits = struct.unpack("<H", data[28:30])[0]
        check(data[:2] == b"BM" and (width, height, bits) == (60, 30, 24), "a 60 x 30 BMP at 24 bits per pixel")
        row_bytes = (60 * 3 + 3) & ~3

        def pixel(x, y):
            offset = 54 + (29 - y) * row_bytes + x * 3
            b, g, r = data[offset:offset + 3]
            return r, g, b

        check(pixel(0, 15) == (60, 127, 177) and pixel(1, 15) == (255, 255, 255), "the hot outline and inner frame")
        # Row 2 of the upper band, whose middle row is 8: t = 2 / 8 of the way to the middle colour.
        check(pixel(5, 2) == (232, 245, 253), "the hot body's gradient at row 2")
        path = os.path.join(folder, "down.bmp")
        run(lab, prefix, "render", path, "--state", "2")
        data = open(path, "rb").read()
        row_bytes = (97 * 3 + 3) & ~3
        b, g, r = data[54 + 24 * row_bytes: 54 + 24 * row_bytes + 3]
        check((r, g, b) == (44, 98, 139), "the pressed outline at the top-left row")

        # Corrupt and truncated picture files are bad arguments too.
        good = open(icon, "rb").read()
        for name, content in (("truncated.ico", good[:40]), ("corrupt.bmp", b"BM" + b"\xff" * 60),
                              ("empty.bmp", b"")):
            path = os.path.join(folder, name)
            with open(path, "wb") as out_file:
                out_file.write(content)
            code, out, err = run(lab, prefix, "set", "PicNormal=" + path)
            check(code == 2 and len(err) == 1 and not out, "the picture %s: exit 2 with one line" % name)

    code, out, err = run(lab, prefix, "describe")
    check(code == 0 and not err, "describe exits 0 and quietly")
    properties = [line for line in out if line.startswith("property ")]
    check([line.split(" ")[1] for line in properties] == GETTERS, "describe lists the 29 properties in order")
    check(properties[0] == 'property BackColor colour "Returns/sets the background color used for the button."'
          and properties[2] == 'property TipText text ""'
          and properties[15] == 'property hWnd handle "Returns a handle that uniquely identifies the control."'
          and properties[-1] == 'property Value bool "Returns/sets the value or state of the button."',
          "property lines carry the type and the published text")
    check(out[29:31] == ['method Refresh "Forces a complete repaint of the button."', 'method TranslateColor ""'],
          "the two methods follow the properties")
    check(len(out) == 44 and out[31] == 'event Click -600 "Occurs when the user presses and then releases a mouse '
          'button over the button."' and out[37] == 'event MouseEnter 1 "Occrus when the cursor moves around the '
          'button for the first time."' and out[-1] == 'event CompleteDrag 5 ""',
          "the 13 events with their ids and texts, misspelling included")
    # batch: the commands of standard input in one process, each framed by its number and exit
    # status; a bad line gives its status and message and the batch goes on.
    code, out, err = run(lab, prefix, "batch", input="set -- 'Caption=a b' Refresh\n\n"
                         "render\r\n  bag --new  \nset \"Caption=open\nwindow\nbatch\n"
                         "bag 'Caption=x \"y\"'\n")
    body, gets, _ = split_gets(out)
    check(code == 0 and body[:5] == ["== 1", "notify Caption", 'Caption = "a b"', "Refresh", "== 1 exit 0"] and len(gets) == 29,
          "batch runs a set and frames it with its number and exit status")
    check(body[5:7] == ["== 2", "== 2 exit 2"] and body[7] == "== 3" and "== 3 exit 0" in body,
          "a bad line exits 2, a blank line is no command, CR LF and outer blanks are ignored")
    check("== 4" in body and body[body.index("== 4"):body.index("== 4") + 6] == ["== 4", "== 4 exit 2", "== 5", "== 5 exit 2", "== 6", "== 6 exit 2"],
          "an open quote, window and batch are refused inside a batch")
    check('write Caption = "x \\"y\\"" (default "btnPush")' in body and body[-1] == "== 7 exit 0",
          "quoted words reach the command as the shell would pass them")
    check(len(err) == 4 and all(line.startswith("aerolab: ") for line in err), "one message for each bad line")
    code, out, err = run(lab, prefix, "batch", "extra")
    check(code == 2 and len(err) == 1 and not out, "batch takes no arguments")

    bad = [
        ("set", "Bogus=1"), ("set", "--", "Nonsense=1"), ("set", "--", "hWnd=5"), ("set", "BackColor=red"),
        ("set", "--", "Value=maybe"), ("set", "PicNormal=/nowhere/missing.bmp"), ("set", "Font=Arial"),
        ("set", "--", "PictureOpacity=1e99"), ("set", "--", "ButtonShape=99999999999"), ("set", "Caption"),
        ("bag", "--wrong"), ("frobnicate",), (), ("render",), ("render", "x.bmp", "--size", "0x5"),
        ("render", "x.bmp", "--state"), ("render", "x.bmp", "--state", "hot"), ("render", "x.bmp", "--bogus"),
        ("render", "/nowhere/dir/x.bmp"), ("window", "--x"), ("window", "Nope=1"), ("describe", "extra"),
    ]
    for args in bad:
        code, out, err = run(lab, prefix, *args)
        check(code == 2 and len(err) == 1 and err[0].startswith("aerolab: ") and not out,
              "bad arguments %r: exit 2 with one line" % (args,))


if __name__ == "__main__":
    try:
        main(sys.argv[1], sys.argv[2])
    except Failure as failure:
        print("FAILED: %s" % failure, flush=True)
        sys.exit(1)
