#!/bin/bash
# The launcher must start on a clean Windows: a GUI program that imports
# only what its first frame needs from the libraries every Windows loads from
# its own system directory. WINMM, SHELL32, OLE32 and DirectX are loaded by
# full path when needed.
set -euo pipefail
exe=$1
dump=$(i686-w64-mingw32-objdump -p "$exe")
grep -q 'Subsystem.*(Windows GUI)' <<<"$dump" || { echo "FAIL: $exe is not a GUI program"; exit 1; }
allowed='^(KERNEL32|USER32|GDI32|ADVAPI32|MSVCRT)\.DLL$'
status=0
while read -r dll; do
    if ! grep -qiE "$allowed" <<<"$dll"; then
        echo "FAIL: $exe imports $dll"
        status=1
    fi
done < <(sed -n 's/^\s*DLL Name: //p' <<<"$dump")
[ $status = 0 ] && echo "imports: $(sed -n 's/^\s*DLL Name: //p' <<<"$dump" | tr '\n' ' ')"
exit $status
