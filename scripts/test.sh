#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/install-deps.sh"
build="${BUILD_DIR:-$here/build}"
cmake -S "$here" -B "$build" -G Ninja -DBUILD_TESTING=ON >/dev/null
cmake --build "$build"
cd "$build"
ctest --output-on-failure -j "$(nproc)"
