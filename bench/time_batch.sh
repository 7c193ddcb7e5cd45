#!/usr/bin/env bash
# Times `velmora-calc batch` over N generated lines (default 100 000), once with the main window's
# checks and once with --no-checks. Not run in CI.
# usage: bench/time_batch.sh [path/to/velmora-calc] [N]
set -euo pipefail
here=$(dirname "$0")
calc=${1:-$here/../build/test/bin/velmora-calc}
lines=${2:-100000}
input=$(mktemp)
trap 'rm -f "$input"' EXIT
python3 "$here/generate_batch_input.py" "$lines" > "$input"
for mode in checked --no-checks; do
  flag=()
  [ "$mode" = --no-checks ] && flag=(--no-checks)
  TIMEFORMAT="batch $mode: $lines lines in %R s (user %U s)"
  time "$calc" batch "${flag[@]}" < "$input" > /dev/null
done
