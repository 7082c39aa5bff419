#!/usr/bin/env bash
# Runs every benchmark program of the release build.
set -euo pipefail
dir=$1
for b in "$dir"/bench_*; do
  [ -x "$b" ] || continue
  echo "== $(basename "$b")"
  "$b" --benchmark_min_time=0.2
done
