#!/bin/sh
# The SCPI benchmark in one run: lxi-tools' own benchmark against the twenty-
# line reference server and against `zqfctl serve` on the virtual board, taken
# in turn RUNS times so both see the same load, then scpi_bench.
#   bench/scpi_compare.sh BUILD_DIR [RUNS]
set -eu
build=$(realpath "${1:-build}")
runs=${2:-5}
work=$(mktemp -d)
trap 'kill $ref $zqf 2>/dev/null; rm -rf "$work"' EXIT
"$build/bench/reference_server" 5026 & ref=$!
(cd "$work" && exec "$build/src/cli/zqfctl" serve --board virtual --link par \
    --listen 127.0.0.1:0 > "$work/listening") & zqf=$!
sleep 0.5
port=$(sed -n 's/.*:\([0-9]*\)$/\1/p' "$work/listening")
echo "load: $(cut -d' ' -f1-3 /proc/loadavg)"
rate() { lxi benchmark -a 127.0.0.1 -p "$1" -r -c 10000 | grep -o 'Result: [0-9.]*' | cut -d' ' -f2; }
i=0
while [ "$i" -lt "$runs" ]; do
    echo "lxi benchmark: reference $(rate 5026)/s, zqfctl serve $(rate "$port")/s"
    i=$((i + 1))
done
"$build/bench/scpi_bench" "$build/src/cli/zqfctl"
echo "load: $(cut -d' ' -f1-3 /proc/loadavg)"
