#!/usr/bin/env bash
# Times `velmora-calc property --batch` over N generated water states (default 100 000), spread
# over the regions of the water dialog. Not run in CI.
# usage: bench/time_property_batch.sh [path/to/velmora-calc] [N]
set -euo pipefail
here=$(dirname "$0")
calc=${1:-$here/../build/test/bin/velmora-calc}
lines=${2:-100000}
input=$(mktemp)
trap 'rm -f "$input"' EXIT
python3 - "$lines" > "$input" <<'PY'
import json, random, sys
n = int(sys.argv[1])
rng = random.Random(42)
for i in range(n):
    t = rng.uniform(0, 900)
    p = rng.uniform(0.01, 100 if t > 800 else 1000)
    print(json.dumps({"id": i, "property": "water", "P": p, "T": t}))
PY
TIMEFORMAT="property --batch: $lines water states in %R s (user %U s)"
time "$calc" property --batch < "$input" > /dev/null
