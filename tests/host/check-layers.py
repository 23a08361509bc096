#!/usr/bin/env python3
"""Calls only go down: a file may include its own folder's headers and those
of lower layers, never a higher layer's. The decisions never include Win32
code: only app/ and the Win32 folders themselves include a Win32 folder.
The demo's programs sit above the kit, whose bitmap writer draws the demo's art.
Fails naming each file that breaks a rule.
usage: check-layers.py SOURCE-ROOT"""
import os
import re
import sys

# Highest first; the README draws the same picture.
LAYERS = ["demo", "kit", "app", "launcher", "startup", "commands", "disc/win32", "disc directx image", "core", "platform/win32", "platform",
          "framework", "base resources"]
WIN32 = {"disc/win32", "platform/win32", "framework"}
RANK = {folder: len(LAYERS) - i for i, names in enumerate(LAYERS) for folder in names.split()}


def folder_of(path):
    parts = path.split("/")
    return "/".join(parts[:2]) if len(parts) > 2 and parts[1] == "win32" else parts[0]


def problem(folder, target):
    if target not in RANK or target == folder:
        return None
    if RANK[target] >= RANK[folder]:
        return f"of a layer {'above' if RANK[target] > RANK[folder] else 'beside'} it"
    if target in WIN32 and folder not in WIN32 and folder != "app":
        return "Win32 code in the decisions"
    return None


def main():
    root = sys.argv[1]
    failures = []
    for folder in RANK:
        for directory, _, names in os.walk(os.path.join(root, folder)):
            for name in sorted(names):
                path = os.path.relpath(os.path.join(directory, name), root)
                if folder_of(path) != folder or not name.endswith((".h", ".cpp")):
                    continue
                for number, line in enumerate(open(os.path.join(root, path), errors="replace"), 1):
                    match = re.match(r'\s*#include\s+"([^"]+/[^"]+)"', line)
                    why = problem(folder, folder_of(match.group(1))) if match else None
                    if why:
                        failures.append(f"{path}:{number}: {folder} includes {match.group(1)}, {why}")
    print("".join(f"FAIL: {f}\n" for f in failures) + ("0 passed, 1 failed" if failures else "1 passed, 0 failed"))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
