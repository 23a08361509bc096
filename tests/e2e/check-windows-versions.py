#!/usr/bin/env python3
"""Every program of the disc must load on every Windows it is for: LOADS or
PROBABLY LOADS from Windows 98 to 11, and on 95 at most 'only with update'
for msvcrt.dll (the Visual C++ runtime). No import may be a 9x stub, and the
subsystem version stays 4.0, so that the 4.x loaders take the program.
The launcher itself is a GUI program, run as invoker, that imports only what
its first frame needs from the libraries every Windows loads from its own
system directory; WINMM, SHELL32, OLE32 and DirectX are loaded by full path
when needed.
usage: check-windows-versions.py CHECKER DISC-FOLDER"""
import json
import re
import pathlib
import subprocess
import sys

GOOD = ("LOADS", "PROBABLY LOADS")
LAUNCHER_DLLS = {"KERNEL32.DLL", "USER32.DLL", "GDI32.DLL", "ADVAPI32.DLL", "MSVCRT.DLL"}


def problems(checker, exe):
    out = subprocess.run([sys.executable, checker, "--json", str(exe)], capture_output=True, text=True)
    if out.returncode not in (0, 1) or not out.stdout:
        return ["the checker failed: " + out.stderr.strip()]
    data = json.loads(out.stdout)
    found = []
    if tuple(data["header"]["subsystem_version"]) != (4, 0):
        found.append("subsystem version %s, expected 4.0" % data["header"]["subsystem_version"])
    for version, report in data["report"].items():
        verdict = report["verdict"]
        only_msvcrt = all(c.lower().startswith("msvcrt.dll!") for c in report["conditional"])
        if verdict not in GOOD and not (version == "win95" and verdict == "LOADS ONLY WITH UPDATE" and only_msvcrt):
            found.append("%s: %s %s" % (version, verdict, report["missing"] or report["conditional"][:3]))
        if report["stubs"]:
            found.append("%s: calls 9x stubs %s" % (version, report["stubs"]))
    if exe.name == "IronmarchLauncher.exe":
        dump = subprocess.run(["i686-w64-mingw32-objdump", "-p", str(exe)], capture_output=True, text=True).stdout
        found += ["imports " + dll for dll in re.findall(r"DLL Name: (\S+)", dump) if dll.upper() not in LAUNCHER_DLLS]
        found += [] if data["header"]["subsystem"] == 2 else ["not a GUI program"]
        found += [] if b'level="asInvoker"' in exe.read_bytes() else ["no manifest that runs it as invoker"]
    return found


def main():
    checker, disc = sys.argv[1], pathlib.Path(sys.argv[2])
    exes = sorted(p for p in disc.rglob("*") if p.suffix.lower() == ".exe")
    if len(exes) < 6 or disc / "IronmarchLauncher.exe" not in exes:
        print("FAIL: only %d programs in %s" % (len(exes), disc))
        return 1
    failed = 0
    for exe in exes:
        found = problems(checker, exe)
        for problem in found:
            print("FAIL: %s: %s" % (exe.relative_to(disc), problem))
        failed += bool(found)
        if not found:
            print("ok: %s" % exe.relative_to(disc))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
