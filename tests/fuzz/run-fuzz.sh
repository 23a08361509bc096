#!/bin/bash
# Runs a fuzzer for a bounded number of inputs (default 200000), from its
# seeds in a scratch folder: the bitmap reader's corpus, or what a seed
# maker writes there.
# usage: run-fuzz.sh FUZZER [RUNS] [MAX-LEN] [SEED-MAKER]
set -euo pipefail
fuzzer=$1
runs=${2:-200000}
max_len=${3:-4096}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d /tmp/ironmarch-fuzz.XXXXXX)
trap 'rm -rf "$work" "$work.log"' EXIT
if [ -n "${4:-}" ]; then "$4" "$work"; else cp "$here"/corpus/* "$work"/; fi
findings=${IRONMARCH_FAILURES:-/tmp/ironmarch-failures}/fuzz
mkdir -p "$findings"
"$fuzzer" -runs="$runs" -max_len="$max_len" -seed=1 -print_final_stats=1 -artifact_prefix="$findings/" "$work" 2>"$work.log" || { cat "$work.log"; exit 1; }
grep -E '^stat::number_of_executed_units|^stat::average_exec_per_sec|^Done' "$work.log" || true
