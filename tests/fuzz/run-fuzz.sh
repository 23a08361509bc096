#!/bin/bash
# Runs the bitmap reader's fuzzer from the seed corpus for a bounded number
# of inputs (default 200000), in a scratch copy of the corpus.
set -euo pipefail
fuzzer=$1
runs=${2:-200000}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d /tmp/ironmarch-fuzz.XXXXXX)
trap 'rm -rf "$work" "$work.log"' EXIT
cp "$here"/corpus/* "$work"/
findings=${IRONMARCH_FAILURES:-/tmp/ironmarch-failures}/fuzz
mkdir -p "$findings"
"$fuzzer" -runs="$runs" -max_len=4096 -seed=1 -print_final_stats=1 -artifact_prefix="$findings/" "$work" 2>"$work.log" || { cat "$work.log"; exit 1; }
grep -E '^stat::number_of_executed_units|^Done' "$work.log" || true
