#!/bin/sh
# Builds the ZMODEM benchmark optimised and without sanitizers in its own
# tree, then runs it: bench/zmodem/run.sh [rounds] [fast] [rows=clean,0.1,1,heavy,cut]
# [columns=lrzsz,ours,ours500,sz,sz500] [seeds=N] [first=N] [cap=S] [baud=N] [queue=N] [speeds=LIST] (see the benchmark's usage).
# ZMODEM_BENCH_TRACE=1 traces our side; ZMODEM_BENCH_KEEP=1 keeps the run folders.
set -e
here=$(cd "$(dirname "$0")/../.." && pwd)
tree=$here/build/bench-zmodem
cmake -S "$here" -B "$tree" -G Ninja -DCMAKE_BUILD_TYPE=Release -DG7K_SANITIZE=OFF >/dev/null
cmake --build "$tree" --target zmodem_bench >/dev/null
exec "$tree/bench/zmodem/zmodem_bench" "$@"
