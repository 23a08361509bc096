#!/bin/bash
# Configures and builds everything into build/: the host tests and tools,
# the Windows programs and the demo disc (build/windows/disc).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cmake -S "$root" -B "$root/build" -DIRONMARCH_WINDOWS=ON >/dev/null
cmake --build "$root/build" -j"$(nproc)"
