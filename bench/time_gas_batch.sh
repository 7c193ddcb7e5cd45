#!/usr/bin/env bash
# Times `velmora-calc property --batch` over N generated gas states (default 100 000): gases of
# the database at pressures from 0.1 to 1000 bar and temperatures inside their tables, tabulated
# and interpolated. Not run in CI.
# usage: bench/time_gas_batch.sh [path/to/velmora-calc] [N]
set -euo pipefail
here=$(dirname "$0")
calc=${1:-$here/../build/test/bin/velmora-calc}
lines=${2:-100000}
input=$(mktemp)
trap 'rm -f "$input"' EXIT
"$calc" list gases > "$input.names"
python3 - "$lines" "$input.names" > "$input" <<'PY'
import json, random, sys
n = int(sys.argv[1])
names = open(sys.argv[2]).read().split("\n")[:-1]
rng = random.Random(42)
for i in range(n):
    name = rng.choice(names)
    print(json.dumps({"id": i, "property": "gas", "name": name, "P": rng.uniform(0.1, 1000), "T": rng.uniform(0, 300)}))
PY
rm -f "$input.names"
TIMEFORMAT="property --batch: $lines gas states in %R s (user %U s)"
time "$calc" property --batch < "$input" > /dev/null
