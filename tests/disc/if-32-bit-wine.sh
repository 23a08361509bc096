#!/bin/bash
# Runs a command of the disc tier where 32-bit Wine starts (natively or
# emulated); elsewhere says so and exits 77, which CTest reports as skipped.
set -euo pipefail
source "$(dirname "$0")/../../scripts/wine-arch.sh"
if [ "$WINE32" = none ]; then
    echo "SKIPPED: 32-bit Wine cannot start on this machine (scripts/setup-machine.sh registers qemu-user for it)"
    exit 77
fi
echo "32-bit Wine: $WINE32"
exec "$@"
