#!/usr/bin/python3
"""Fails when the sources call a string function that writes without a bound (strcpy,
sprintf, lstrcpy and the like). Bounded forms (snprintf, the C++ swprintf that takes the
buffer's size) are fine.

    /usr/bin/python3 tests/pe/unbounded_strings.py [ROOT]
"""
import os
import re
import sys

UNBOUNDED = ["strcpy", "strcat", "sprintf", "vsprintf", "wcscpy", "wcscat", "lstrcpy", "lstrcpyA", "lstrcpyW",
             "lstrcat", "lstrcatA", "lstrcatW", "wsprintf", "wsprintfA", "wsprintfW", "wvsprintf", "gets", "_getws",
             "StrCpy", "StrCat", "strncat"]
CALL = re.compile(r"(?<![\w.>:])(?:std::)?(" + "|".join(UNBOUNDED) + r")\s*\(")
FOLDERS = ("app", "controls", "platform", "tools", "tests", "bench")


def main(root):
    found = []
    for folder in FOLDERS:
        for base, _, files in os.walk(os.path.join(root, folder)):
            for name in files:
                if not name.endswith((".cpp", ".h")):
                    continue
                path = os.path.join(base, name)
                with open(path, encoding="utf-8", errors="replace") as source:
                    for number, line in enumerate(source, 1):
                        code = line.split("//")[0]
                        for match in CALL.finditer(code):
                            found.append("%s:%d: %s" % (os.path.relpath(path, root), number, match.group(1)))
    for line in found:
        print("unbounded string function: " + line)
    print("unbounded string functions: %d" % len(found))
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "..")))
