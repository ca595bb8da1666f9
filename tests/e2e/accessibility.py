#!/usr/bin/python3
"""The real Brintel.exe as a screen reader sees it from a process of its own: the main
window's children are named and have their roles and actions, and pressing the strip's
Close through its default action ends the program.

    accessibility.py BRINTEL.EXE WINEPREFIX ACCESSIBLE_CLIENT.EXE
"""
import subprocess
import sys

from e2elib import Failure, Wine, check, wait_for_window

ROLE_GRAPHIC = 40
ROLE_PUSHBUTTON = 43
ROLE_STATICTEXT = 41


def main():
    exe, prefix, client = sys.argv[1:4]
    wine = Wine(prefix)
    program = wine.start(exe)
    try:
        check(wait_for_window("Tarnwick!") is not None, "the main window appears")
        result = subprocess.run(["wine", client, "tree", "Tarnwick!", "Close (Alt + F4)"], env=wine.env,
                                stdin=subprocess.DEVNULL, capture_output=True, text=True, errors="replace",
                                timeout=60)
        lines = result.stdout.splitlines()
        print("\n".join(lines), flush=True)
        elements = [line[len("element "):].split("|") for line in lines if line.startswith("element ")]
        found = {name: (int(role), action) for name, role, action in elements}
        check(found.get("Apply") == (ROLE_PUSHBUTTON, "Press"), "Apply is a push button that is pressed")
        check(found.get("Homepage") == (ROLE_PUSHBUTTON, "Press"), "Homepage is a push button that is pressed")
        check(found.get("Minimize window") == (ROLE_PUSHBUTTON, "Press"), "the strip's Minimize is a push button")
        check(found.get("Close (Alt + F4)") == (ROLE_PUSHBUTTON, "Press"), "the strip's Close is a push button")
        check(found.get("Tarnwick") == (ROLE_GRAPHIC, ""), "the banner is a graphic named Tarnwick")
        check(any(role == str(ROLE_STATICTEXT) for _, role, _ in elements), "the credits panel is text")
        check("do 0x00000000" in lines, "Close's default action is accepted")
        try:
            program.wait(timeout=30)
        except subprocess.TimeoutExpired:
            raise Failure("the program did not end after Close")
        check(program.returncode == 0, "the program ends, with status 0")
    finally:
        if program.poll() is None:
            program.kill()


if __name__ == "__main__":
    try:
        main()
    except Failure as failure:
        print("FAIL: " + str(failure), flush=True)
        sys.exit(1)
