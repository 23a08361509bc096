#!/usr/bin/env python3
"""Every program of the disc must load on every Windows it is for: LOADS or
PROBABLY LOADS from Windows 98 to 11, and on 95 at most 'with update' for
msvcrt.dll (the Visual C++ runtime). No import may be a 9x stub, and the
subsystem version stays 4.0, so that the 4.x loaders take the program.
The launcher itself is a GUI program, run as invoker, that imports only what
its first frame needs from the libraries every Windows loads from its own
system directory; WINMM, SHELL32, OLE32 and DirectX are loaded by full path
when needed. The checker itself must refuse a program that imports what an
older Windows lacks: the posix-thread GoogleTest program does.
The game's installer (NSIS), the uninstaller it writes and the System
plug-in it unpacks are judged alike. They import MoveFileExA, a stub on
98 and ME, which NSIS calls only to move a file at the next restart (a
/REBOOTOK the template never uses) and, where it fails, does through
WININIT.INI instead (NSIS's Source/exehead/util.c, MoveFileOnReboot).
usage: check-windows-versions.py WINLOAD-FOLDER WINDOWS-BUILD"""
import pathlib
import re
import subprocess
import sys

sys.path.insert(0, sys.argv[1])
import winload  # noqa: E402

GOOD = (winload.LOADS, winload.PROBABLY)
LAUNCHER_DLLS = {"KERNEL32.DLL", "USER32.DLL", "GDI32.DLL", "ADVAPI32.DLL", "MSVCRT.DLL"}
NSIS_STUBS = {"KERNEL32.dll!MoveFileExA"}


def problems(exe, data):
    program = winload.Program(str(exe))
    found = [] if program.subsystem_version == (4, 0) else ["subsystem version %s, expected 4.0" % (program.subsystem_version,)]
    for version, report in winload.judge(program, data).items():
        verdict = report["verdict"]
        only_msvcrt = all(c.lower().startswith("msvcrt.dll!") for c in report["update"])
        if verdict not in GOOD and not (version == "win95" and verdict == winload.WITH_UPDATE and only_msvcrt):
            found.append("%s: %s %s" % (version, verdict, report["missing"] or report["unknown"] or report["update"][:3]))
        stubs = set(report["stubs"]) - (NSIS_STUBS if exe.parent.name == "installer" or exe.name == "setup.exe" else set())
        if stubs:
            found.append("%s: calls 9x stubs %s" % (version, sorted(stubs)))
    if exe.name == "IronmarchLauncher.exe":
        found += ["imports " + dll for dll in sorted({d for d, _ in program.imports}) if dll.upper() not in LAUNCHER_DLLS]
        found += [] if program.subsystem == 2 else ["not a GUI program"]
        found += [] if b'level="asInvoker"' in exe.read_bytes() else ["no manifest that runs it as invoker"]
    return found


def main():
    tool, build = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2])
    disc, data = build / "disc", winload.ExportData()
    installer = build / "demo" / "installer"
    exes = sorted(p for p in disc.rglob("*") if p.suffix.lower() == ".exe")
    exes += [installer / "uninstall.exe", installer / "System.dll"]
    failed = 0
    if len(exes) < 7 or disc / "IronmarchLauncher.exe" not in exes or not all(p.exists() for p in exes):
        print("FAIL: only %d programs in %s" % (len(exes), disc))
        failed += 1
    for exe in exes:
        found = problems(exe, data)
        for problem in found:
            print("FAIL: %s: %s" % (exe.relative_to(build), problem))
        failed += bool(found)
    # The refusal as a user sees it: the version and the function, exit code 1.
    posix = build / "tests" / "windows" / "windows_tests.exe"
    run = subprocess.run([sys.executable, str(tool / "winload.py"), str(posix)], capture_output=True, text=True)
    if run.returncode != 1 or not re.search(r"^  winxp +FAILS +KERNEL32\.dll!GetTickCount64$", run.stdout, re.M):
        print("FAIL: %s not refused for XP (exit %d):\n%s%s" % (posix.name, run.returncode, run.stdout, run.stderr))
        failed += 1
    print("%d passed, %d failed" % (len(exes) + 1 - failed, failed))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
