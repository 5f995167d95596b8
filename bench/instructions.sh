#!/usr/bin/env bash
# Counts the instructions of one run of all tables (vorlanda-convert --all) under callgrind: a
# figure that, unlike time, does not change with the load of the machine, for telling whether a
# change to the runner costs or saves work (the runner and the embedded engine it loads; the
# legacy server is another process). Prints the total in millions.
#   bench/instructions.sh [--scale S] [-- RUNNER OPTIONS]
# (default scale 0.1: a run of about 90 s under callgrind). Options after "--" go to the runner
# as well, to count a check ("-- --check") or a run without its report ("-- --no-report").
# Needs valgrind. BUILD_DIR chooses the Release build folder (default build-bench/).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
scale=0.1
usage() { echo "usage: $0 [--scale S] [-- RUNNER OPTIONS]" >&2; exit 2; }
if [ $# -gt 0 ] && [ "$1" = --scale ]; then
    [ $# -ge 2 ] || usage
    scale=$2
    shift 2
fi
if [ $# -gt 0 ]; then
    [ "$1" = -- ] || usage
    shift
fi
command -v valgrind >/dev/null || { echo "valgrind is missing (Debian package valgrind)" >&2; exit 1; }
"$here/scripts/install-deps.sh"
build="${BUILD_DIR:-$here/build-bench}"
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" --target vorlanda-convert vorlanda-sample-data >"$build/instructions-build.log" 2>&1 ||
    { cat "$build/instructions-build.log" >&2; exit 1; }

work=$(mktemp -d /tmp/vorlanda-instructions.XXXXXX)
cleanup() {
    "$here/scripts/private-mariadb.sh" stop "$work/mariadb" || true
    rm -rf "$work"
}
trap cleanup EXIT
"$here/scripts/private-mariadb.sh" start "$work/mariadb" "$here/schema/legacy.sql" >/dev/null
export MYSQL_UNIX_PORT="$work/mariadb/mysqld.sock"
"$build/schema/sample/vorlanda-sample-data" --scale "$scale" | mariadb --no-defaults --user=root velarim
"$here/scripts/create-target-db.sh" "$work/target.fb" >/dev/null
valgrind --tool=callgrind --callgrind-out-file="$work/callgrind.out" \
    "$build/cli/vorlanda-convert" --target "$work/target.fb" --all "$@" >"$work/run.log" 2>"$work/valgrind.log" ||
    { cat "$work/run.log" "$work/valgrind.log" >&2; exit 1; }
awk '/Collected/ { printf "%.1f million instructions (scale '"$scale"')\n", $4 / 1e6 }' "$work/valgrind.log"
