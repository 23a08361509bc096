#!/usr/bin/env python3
"""Which Windows versions will load a 32-bit program. Wine exports nearly
every function, so a program that runs under Wine may still be refused by
the loader of Windows 98 or XP: the loader refuses a program that imports a
DLL or a function the system lacks, or whose subsystem version is newer than
the system. This reads the program's import tables (delay-loaded ones too)
and its header and judges each import against the per-version export lists
in data/ (see data/README.md for where they come from).

usage: winload.py [--json] PROGRAM.exe...
Exits 1 when a program fails to load on some version, 0 otherwise.
"""
import json
import os
import struct
import sys

VERSIONS = ("win95", "win98", "winme", "nt4", "win2000", "winxp", "vista", "win7", "win10")
# The highest subsystem version each loader accepts.
SUBSYSTEM_LIMIT = {"win95": (4, 0), "win98": (4, 10), "winme": (4, 90), "nt4": (4, 0), "win2000": (5, 0),
                   "winxp": (5, 1), "vista": (6, 0), "win7": (6, 1), "win10": (10, 0)}
DATA = os.path.join(os.path.dirname(os.path.abspath(__file__)), "data")

# Verdicts, worst first.
FAILS, UNKNOWN, WITH_UPDATE, PROBABLY, LOADS = "FAILS", "UNKNOWN", "LOADS WITH UPDATE", "PROBABLY LOADS", "LOADS"

# An export's code for one version: Y exported, y probably, S a stub that
# fails when called, C only after an update, N absent, ? not known.
ABSENT, NO_DATA, UPDATE, PROBABLE, STUB = "N", "?", "C", "y", "S"


class NotAProgram(Exception):
    pass


class Program:
    """The parts of a PE32 file the loader judges: header fields and imports."""

    def __init__(self, path):
        with open(path, "rb") as f:
            self.data = f.read()
        if self.data[:2] != b"MZ" or len(self.data) < 64:
            raise NotAProgram("no MZ header")
        pe = self.u32(0x3C)
        if self.data[pe:pe + 4] != b"PE\0\0":
            raise NotAProgram("no PE signature")
        _, sections, _, _, _, optional_size, _ = struct.unpack_from("<HHIIIHH", self.data, pe + 4)
        optional = pe + 24
        if self.u16(optional) != 0x10B:
            raise NotAProgram("not a 32-bit (PE32) program")
        self.subsystem_version = (self.u16(optional + 48), self.u16(optional + 50))
        self.subsystem = self.u16(optional + 68)
        directories = optional + 96
        count = self.u32(optional + 92)
        self.sections = [struct.unpack_from("<IIII", self.data, optional + optional_size + 40 * i + 8)
                         for i in range(sections)]
        directory = lambda n: struct.unpack_from("<II", self.data, directories + 8 * n) if n < count else (0, 0)
        # Import descriptors: name at field 3, names in the lookup table
        # (field 0) or, without one, the address table (field 4). Delay-load
        # descriptors: name at field 1, name table at field 4.
        self.imports = self.read_imports(directory(1)[0], 20, 3, (0, 4))
        self.imports += self.read_imports(directory(13)[0], 32, 1, (4,))

    def u16(self, offset):
        return struct.unpack_from("<H", self.data, offset)[0]

    def u32(self, offset):
        return struct.unpack_from("<I", self.data, offset)[0]

    def offset(self, rva):
        for virtual_size, address, raw_size, raw in self.sections:
            if address <= rva < address + max(virtual_size, raw_size):
                return raw + rva - address
        raise NotAProgram("address %#x outside every section" % rva)

    def text(self, rva):
        start = self.offset(rva)
        return self.data[start:self.data.index(b"\0", start)].decode("latin-1")

    def read_imports(self, table, size, name_field, table_fields):
        """(dll, function) pairs from a table of descriptors of size bytes; a
        function imported by ordinal is '#N'. The names come from the first
        of table_fields that is set."""
        found = []
        at = self.offset(table) if table else None
        while at is not None:
            fields = struct.unpack_from("<%dI" % (size // 4), self.data, at)
            if not any(fields):
                break
            dll = self.text(fields[name_field])
            thunk = self.offset(next(fields[n] for n in table_fields if fields[n]))
            while self.u32(thunk):
                entry = self.u32(thunk)
                found.append((dll, "#%d" % (entry & 0xFFFF) if entry & 0x80000000 else self.text(entry + 2)))
                thunk += 4
            at += size
        return found


def read_table(path):
    """Rows of a tab-separated file, without its comment lines."""
    with open(path) as f:
        return [line.rstrip("\n").split("\t") for line in f if line.strip() and not line.startswith("#")]


class ExportData:
    def __init__(self, folder=DATA):
        self.dlls = {row[0]: dict(zip(VERSIONS, row[1:10])) for row in read_table(os.path.join(folder, "dlls.tsv"))}
        self.functions = {}
        for name in os.listdir(os.path.join(folder, "exports")):
            dll = name[:-len(".tsv")]
            for row in read_table(os.path.join(folder, "exports", name)):
                self.functions[(dll, row[0])] = dict(zip(VERSIONS, row[1:10]))
        for row in read_table(os.path.join(folder, "curated.tsv")):
            self.functions[(row[0], row[1])] = dict(zip(VERSIONS, row[2:11]))

    def code(self, dll, function, version):
        """The worse of the DLL's presence and the function's export code."""
        dll = dll.lower()
        dll = dll[:-4] if dll.endswith(".dll") else dll
        shipped = self.dlls.get(dll, {}).get(version, NO_DATA)
        if shipped in (ABSENT, NO_DATA, UPDATE):
            return shipped
        return self.functions.get((dll, function), {}).get(version, NO_DATA)


def judge(program, data):
    """Per version: the verdict and the imports behind it."""
    report = {}
    for version in VERSIONS:
        found = {ABSENT: [], NO_DATA: [], UPDATE: [], PROBABLE: [], STUB: []}
        for dll, function in program.imports:
            code = data.code(dll, function, version)
            if code in found:
                found[code].append("%s!%s" % (dll, function))
        too_new = program.subsystem_version > SUBSYSTEM_LIMIT[version]
        verdict = (FAILS if found[ABSENT] or too_new else UNKNOWN if found[NO_DATA] else
                   WITH_UPDATE if found[UPDATE] else PROBABLY if found[PROBABLE] else LOADS)
        report[version] = {"verdict": verdict, "missing": found[ABSENT], "unknown": found[NO_DATA],
                           "update": found[UPDATE], "probable": found[PROBABLE], "stubs": found[STUB],
                           "subsystem_too_new": too_new}
    return report


def main(argv):
    as_json = "--json" in argv
    paths = [a for a in argv if a != "--json"]
    if not paths:
        print(__doc__.strip().split("\n\n")[1], file=sys.stderr)
        return 2
    data = ExportData()
    results, failed = {}, False
    for path in paths:
        try:
            program = Program(path)
        except (OSError, NotAProgram, struct.error, ValueError) as e:
            print("%s: cannot be read: %s" % (path, e), file=sys.stderr)
            return 2
        report = judge(program, data)
        failed = failed or any(r["verdict"] == FAILS for r in report.values())
        results[path] = {"subsystem": program.subsystem, "subsystem_version": program.subsystem_version,
                         "imports": ["%s!%s" % i for i in program.imports], "report": report}
        if not as_json:
            print("%s: %d imports, subsystem %d version %d.%d" % ((path, len(program.imports), program.subsystem)
                                                                 + program.subsystem_version))
            for version, r in report.items():
                detail = r["missing"] or r["unknown"] or r["update"][:3]
                print("  %-8s %s%s%s" % (version, r["verdict"], "  " + " ".join(detail) if detail else "",
                                         "  (9x stubs: %s)" % " ".join(r["stubs"]) if r["stubs"] else ""))
    if as_json:
        print(json.dumps(results, indent=1))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
