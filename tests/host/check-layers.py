#!/usr/bin/env python3
"""Calls only go down: a file may include its own folder's headers and those
of lower layers, never a higher layer's. Fails naming each file that does.
usage: check-layers.py SOURCE-ROOT"""
import os
import re
import sys

# Highest first; the README draws the same picture.
LAYERS = ["app", "launcher", "commands", "disc directx image", "core", "platform/win32", "platform",
          "framework resources"]
RANK = {folder: len(LAYERS) - i for i, names in enumerate(LAYERS) for folder in names.split()}


def folder_of(path):
    return "platform/win32" if path.startswith("platform/win32/") else path.split("/")[0]


def main():
    root = sys.argv[1]
    back_edges = []
    for folder in RANK:
        for directory, _, names in os.walk(os.path.join(root, folder)):
            for name in sorted(names):
                path = os.path.relpath(os.path.join(directory, name), root)
                if folder_of(path) != folder or not name.endswith((".h", ".cpp")):
                    continue
                for number, line in enumerate(open(os.path.join(root, path), errors="replace"), 1):
                    match = re.match(r'\s*#include\s+"([^"]+/[^"]+)"', line)
                    target = folder_of(match.group(1)) if match else None
                    if target in RANK and target != folder and RANK[target] >= RANK[folder]:
                        back_edges.append(f"{path}:{number}: {folder} includes {match.group(1)}, of a layer "
                                          f"{'above' if RANK[target] > RANK[folder] else 'beside'} it")
    print("".join(f"FAIL: {edge}\n" for edge in back_edges) + ("0 passed, 1 failed" if back_edges else "1 passed, 0 failed"))
    return 1 if back_edges else 0


if __name__ == "__main__":
    sys.exit(main())
