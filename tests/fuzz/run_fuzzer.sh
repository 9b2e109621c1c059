#!/usr/bin/env bash
# Runs one fuzz target over its seed corpus: run_fuzzer.sh TARGET SEEDS WORK [libFuzzer flags].
# New inputs land in WORK/corpus, a failing input in WORK/ as crash-*, leak-*, timeout-* or oom-*.
set -euo pipefail
target=$1 seeds=$2 work=$3
shift 3
mkdir -p "$work/corpus"
exec "$target" -seed=1 -timeout=30 -rss_limit_mb=2048 -print_final_stats=1 \
  -artifact_prefix="$work/" "$@" "$work/corpus" "$seeds"
