#!/usr/bin/env python3
"""Mutation run over the decision code: applies single-point mutations one at
a time (comparisons, bounds, boolean results, constants, dropped calls,
swapped statements), rebuilds the host tests for each and runs them. A
mutant the tests fail on is killed; one they pass survives. Prints the score
and every survivor. Not part of CI: it takes a few minutes per 20 mutants.

usage: scripts/mutate.py [--count N] [--seed N] [--list] [FILE...]

It works in a copy of the working tree (under /tmp), which stays untouched.
"""
import argparse
import os
import random
import re
import shutil
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

OPERATORS = [
    ("==", r"(?<![=!<>])==(?!=)", "!="),
    ("!=", r"!=", "=="),
    ("<=", r"<=", "<"),
    (">=", r">=", ">"),
    ("<", r"(?<![<\-])<(?![<=])(?=\s)", "<="),
    (">", r"(?<![>\-])>(?![>=])(?=\s)", ">="),
    ("&&", r"&&", "||"),
    ("||", r"\|\|", "&&"),
    ("true", r"\btrue\b", "false"),
    ("false", r"\bfalse\b", "true"),
    ("+1", r"(?<![\w.])([1-9][0-9]*)(?![\w.x])", None),
    ("!", r"if \(!", "if ("),
]


def decision_files():
    """The decision sources, as CMakeLists.txt lists them for the host tests."""
    text = open(os.path.join(ROOT, "CMakeLists.txt")).read()
    listed = re.search(r"set\(DECISION_SOURCES\s+([^)]*)\)", text).group(1)
    return listed.split()


DECLARATION = re.compile(r"^\s*(?:static\s+|constexpr\s+|const\s+)*[\w:<>*&]+\s+[\w*&]+(?:\[\w*\])?\s*(?:=|;|\{|\()")


def code_lines(text):
    """Line numbers worth mutating: code, not comments, includes or strings only."""
    for number, line in enumerate(text.split("\n")):
        stripped = line.strip()
        if not stripped or stripped.startswith(("//", "#", "*", "/*")):
            continue
        yield number, line


def mutants_of(path):
    text = open(os.path.join(ROOT, path)).read()
    lines = text.split("\n")
    found = []
    for number, line in code_lines(text):
        code = re.sub(r'"(\\.|[^"\\])*"', lambda m: " " * len(m.group(0)), line)  # no mutations in strings
        code = code.split("//")[0]
        for name, pattern, replacement in OPERATORS:
            for match in re.finditer(pattern, code):
                start, end = match.span()
                if name == "+1" and code[:start].rstrip().endswith("["):
                    continue  # a buffer one byte larger changes nothing the tests can see
                new = str(int(match.group(1)) + 1) if replacement is None else replacement
                mutated = line[:start] + new + line[end:]
                found.append((path, number, f"{name} at col {start}", mutated, None))
        stripped = line.strip()
        if re.match(r"^[\w:.>\-\[\]]+\(.*\);$", stripped) and not stripped.startswith("return"):
            found.append((path, number, "call dropped", line[: len(line) - len(line.lstrip())] + ";", None))
        if re.match(r"^return (true|false);$", stripped):
            flipped = "false" if "true" in stripped else "true"
            found.append((path, number, "result flipped", line.replace(stripped, f"return {flipped};"), None))
        nxt = lines[number + 1].strip() if number + 1 < len(lines) else ""
        if stripped.endswith(";") and nxt.endswith(";") and not stripped.startswith("return") and \
                not nxt.startswith("return") and "{" not in stripped + nxt and "}" not in stripped + nxt and \
                not DECLARATION.match(line) and not DECLARATION.match(lines[number + 1]):
            found.append((path, number, "swapped with next", lines[number + 1], line))
    return found


def apply(work, mutant):
    path, number, _, mutated, swapped = mutant
    full = os.path.join(work, path)
    lines = open(full).read().split("\n")
    lines[number] = mutated
    if swapped is not None:
        lines[number + 1] = swapped
    open(full, "w").write("\n".join(lines))


def run(cmd, cwd, timeout):
    try:
        return subprocess.run(cmd, cwd=cwd, capture_output=True, text=True, timeout=timeout).returncode
    except subprocess.TimeoutExpired:
        return -1


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--count", type=int, default=120)
    parser.add_argument("--list", action="store_true", help="only list the chosen mutants")
    parser.add_argument("--seed", type=int, default=7)
    parser.add_argument("files", nargs="*")
    args = parser.parse_args()

    every = [m for f in (args.files or decision_files()) for m in mutants_of(f)]
    random.Random(args.seed).shuffle(every)
    # Spread over the files: take from each in turn.
    by_file = {}
    for m in every:
        by_file.setdefault(m[0], []).append(m)
    chosen = []
    while len(chosen) < args.count and any(by_file.values()):
        for path in sorted(by_file):
            if by_file[path] and len(chosen) < args.count:
                chosen.append(by_file[path].pop())
    if args.list:
        for path, number, what, _, _ in chosen:
            print(f"{path}:{number + 1}: {what}")
        return 0

    work = tempfile.mkdtemp(prefix="ironmarch-mutate.")
    try:
        tree = work + "/tree"  # the working copy as it is, committed or not
        shutil.copytree(ROOT, tree, ignore=shutil.ignore_patterns(".git", "build"))
        build = work + "/build"
        subprocess.run(["cmake", "-S", tree, "-B", build, "-DIRONMARCH_WINDOWS=OFF"], check=True,
                       capture_output=True)
        target = ["cmake", "--build", build, "--target", "host_tests", "-j", str(os.cpu_count() or 2)]
        if run(target, tree, 900) != 0 or run([build + "/tests/host/host_tests"], tree, 300) != 0:
            print("the unmutated tests do not pass", file=sys.stderr)
            return 2
        killed, survivors, invalid = 0, [], 0
        for index, mutant in enumerate(chosen):
            path = mutant[0]
            original = open(os.path.join(tree, path)).read()
            apply(tree, mutant)
            if run(target, tree, 900) != 0:
                invalid += 1
                verdict = "does not build"
            elif run([build + "/tests/host/host_tests", "--gtest_brief=1"], tree, 120) != 0:
                killed += 1
                verdict = "killed"
            else:
                survivors.append(mutant)
                verdict = "SURVIVED"
            open(os.path.join(tree, path), "w").write(original)
            print(f"[{index + 1}/{len(chosen)}] {path}:{mutant[1] + 1} {mutant[2]}: {verdict}", flush=True)
        valid = killed + len(survivors)
        print(f"\nscore: {killed}/{valid} killed ({100.0 * killed / max(valid, 1):.1f}%), "
              f"{invalid} mutants did not build")
        for path, number, what, mutated, _ in survivors:
            print(f"survivor: {path}:{number + 1}: {what}: {mutated.strip()}")
    finally:
        shutil.rmtree(work, ignore_errors=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
