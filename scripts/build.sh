#!/usr/bin/env bash
# Configures (once) and builds into build/.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${ORVA_BUILD_DIR:-$here/build}
if [ ! -f "$build/build.ninja" ]; then
    cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$build" -j "${ORVA_JOBS:-$(nproc)}"
