#!/usr/bin/env bash
# Builds Thermocline and starts it in the working folder run/ (seeded with examples/ts.dat).
# Extra arguments go to the program, e.g. ./start.sh --batch
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTHERMOCLINE_BENCH=OFF > /dev/null
cmake --build build -j"$(nproc)" --target thermocline

mkdir -p run
[ -f run/ts.dat ] || cp examples/ts.dat run/ts.dat
cd run
exec ../build/app/thermocline "$@"
