#!/usr/bin/env bash
# Runs every fuzz target briefly, each from its seed corpus in tests/fixtures.
set -euo pipefail
dir=$1
seconds=${2:-10}
root=$(cd "$(dirname "$0")/.." && pwd)
status=0
for target in "$dir"/fuzz_*; do
  [ -x "$target" ] || continue
  name=$(basename "$target")
  corpus=$(mktemp -d)
  seeds="$root/fuzz/seeds/${name#fuzz_}"
  if [ -d "$seeds" ]; then cp -r "$seeds"/. "$corpus"/; fi
  echo "fuzzing $name for ${seconds}s"
  if ! "$target" -max_total_time="$seconds" -rss_limit_mb=2048 -print_final_stats=0 "$corpus" >"$corpus.log" 2>&1; then
    tail -n 60 "$corpus.log"
    status=1
  fi
  rm -rf "$corpus" "$corpus.log"
done
exit $status
