#!/usr/bin/env bash
# The benchmark: a generated legacy pharmacy at a scale factor in a private MariaDB, converted
# with vorlanda-convert table by table (one call each, for per-table figures) and all tables in
# one call (the operator's run), each into a fresh target; then the machine's limit: the same
# target rows written again into another fresh target through one prepared INSERT per table
# (vorlanda-bench-limit). Prints per table the rows, seconds, rows per second and the runner's
# peak memory, the totals, the window's time for the run of all tables against the runner's,
# the check of all tables against the run, and, last, the ratio conversion time (all tables in
# one run) / limit time.
#   bench/run.sh [--scale S] [--server] [--repeat N]
# The run of all tables, the window's run of them and the limit are timed N times in turns (3
# unless given), and the fastest of each counts: on a shared machine the slower runs measure
# the neighbours' load.
# --server runs the same benchmark a second time with the targets reached through a private
# Firebird server on 127.0.0.1 (port FB_PORT, 3051 unless set) and shows both side by side.
# BUILD_DIR chooses the Release build folder (default build-bench/ at the repository root).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
scale=1
server=false
repeat=3
while [ $# -gt 0 ]; do
    case "$1" in
    --scale) [ $# -ge 2 ] || { echo "usage: $0 [--scale S] [--server] [--repeat N]" >&2; exit 2; }
        scale=$2; shift ;;
    --server) server=true ;;
    --repeat) [ $# -ge 2 ] && [ "$2" -ge 1 ] 2>/dev/null ||
        { echo "usage: $0 [--scale S] [--server] [--repeat N]" >&2; exit 2; }
        repeat=$2; shift ;;
    *) echo "usage: $0 [--scale S] [--server] [--repeat N]" >&2; exit 2 ;;
    esac
    shift
done
fb_port=${FB_PORT:-3051}

"$here/scripts/install-deps.sh"
# Wall time and peak memory of each runner invocation come from GNU time.
[ -x /usr/bin/time ] || { echo "/usr/bin/time is missing (Debian package time)" >&2; exit 1; }
fb_server_binary=/usr/sbin/firebird
if $server && [ ! -x "$fb_server_binary" ]; then
    echo "--server needs $fb_server_binary (Debian package firebird3.0-server)" >&2
    exit 1
fi

build="${BUILD_DIR:-$here/build-bench}"
echo "== Building (Release) in $build"
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" --target vorlanda-convert vorlanda-sample-data vorlanda-bench-limit \
    vorlanda-bench-window \
    >"$build/bench-build.log" 2>&1 || { cat "$build/bench-build.log" >&2; exit 1; }
convert="$build/cli/vorlanda-convert"
limit="$build/bench/vorlanda-bench-limit"
window="$build/bench/vorlanda-bench-window"

work=$(mktemp -d /tmp/vorlanda-bench.XXXXXX)
mariadb_dir="$work/mariadb"
fb_dir="$work/firebird"
fb_pid=""

stop_firebird() {
    [ -n "$fb_pid" ] || return 0
    kill -TERM "$fb_pid" 2>/dev/null || true
    for _ in $(seq 1 60); do
        kill -0 "$fb_pid" 2>/dev/null || break
        sleep 0.25
    done
    kill -KILL "$fb_pid" 2>/dev/null || true
    fb_pid=""
}

cleanup() {
    stop_firebird
    "$here/scripts/private-mariadb.sh" stop "$mariadb_dir" || true
    rm -rf "$work"
}
trap cleanup EXIT

port_open() { (exec 3<>"/dev/tcp/127.0.0.1/$1") 2>/dev/null; }

# A Firebird server of our own: the package's binaries with a private root folder (its
# configuration, a security database in which SYSDBA has the runner's password, lock files)
# listening on 127.0.0.1 only. The system's own configuration and service are left alone.
start_firebird() {
    local lib=""
    for candidate in /usr/lib/*/firebird/3.0; do
        [ -f "$candidate/plugins/libEngine12.so" ] && lib=$candidate && break
    done
    [ -n "$lib" ] || { echo "the Firebird 3.0 engine folder was not found" >&2; exit 1; }
    if port_open "$fb_port"; then
        echo "port $fb_port on 127.0.0.1 is in use; choose another with FB_PORT" >&2
        exit 1
    fi
    mkdir -p "$fb_dir/root" "$fb_dir/lock"
    for entry in plugins UDF lib firebird.msg plugins.conf; do
        [ -e "$lib/$entry" ] && ln -s "$lib/$entry" "$fb_dir/root/$entry"
    done
    # The character sets are a copy, not a link: reached through a link the engine loads
    # the module but refuses its character sets ("CHARACTER SET WIN1252 is not installed").
    mkdir -p "$fb_dir/root/intl"
    cp -L "$lib/intl/fbintl.conf" "$lib/intl/libfbintl.so" "$fb_dir/root/intl/"
    cat >"$fb_dir/root/firebird.conf" <<EOF
ServerMode = Super
RemoteServicePort = $fb_port
RemoteBindAddress = 127.0.0.1
SecurityDatabase = $fb_dir/security3.fdb
AuthServer = Srp
UserManager = Srp
EOF
    # The security database is created and its SYSDBA set up through the embedded engine,
    # which needs no password, with the private configuration in force.
    echo "CREATE DATABASE '$fb_dir/security3.fdb';
          CREATE USER SYSDBA PASSWORD 'kelpstone' USING PLUGIN Srp;
          COMMIT;" |
        FIREBIRD="$fb_dir/root" FIREBIRD_LOCK="$fb_dir/lock" FIREBIRD_TMP="$fb_dir" \
            isql-fb -q -bail -user SYSDBA >"$fb_dir/setup.log" 2>&1 ||
        { cat "$fb_dir/setup.log" >&2; exit 1; }
    FIREBIRD="$fb_dir/root" FIREBIRD_LOCK="$fb_dir/lock" FIREBIRD_TMP="$fb_dir" \
        setsid "$fb_server_binary" </dev/null >"$fb_dir/server.log" 2>&1 &
    fb_pid=$!
    for _ in $(seq 1 80); do
        port_open "$fb_port" && return 0
        kill -0 "$fb_pid" 2>/dev/null || break
        sleep 0.25
    done
    echo "the private Firebird server did not start:" >&2
    cat "$fb_dir/server.log" "$fb_dir/root/firebird.log" 2>/dev/null >&2 || true
    exit 1
}

echo "== Legacy pharmacy at scale $scale"
"$here/scripts/private-mariadb.sh" start "$mariadb_dir" "$here/schema/legacy.sql"
export MYSQL_UNIX_PORT="$mariadb_dir/mysqld.sock"
"$build/schema/sample/vorlanda-sample-data" --scale "$scale" |
    mariadb --no-defaults --user=root velarim

keys=(CLIENTES FORNECEDORES GRUPOSPRODUTOS CLASSIFICACAOFISCAL PRODUTOS)
declare -A legacy_table=([CLIENTES]=TBCLIENTES [FORNECEDORES]=TBFORNECEDOR
    [GRUPOSPRODUTOS]=TBGRUPO [CLASSIFICACAOFISCAL]=TB_CODIGO_NCM [PRODUTOS]=TBESTOQUE)
declare -A main_table=([CLIENTES]=CLIENTE [FORNECEDORES]=FORNECE [GRUPOSPRODUTOS]=GRUPROD
    [CLASSIFICACAOFISCAL]=CLASFISC [PRODUTOS]=PRODUTO)
target_tables=(CLIENTE CIDADES FORNECE GRUPROD CLASFISC PRODUTO COMPPROD PRODUTODETALHE CADFABR)

declare -A legacy_rows
for key in "${keys[@]}"; do
    legacy_rows[$key]=$(mariadb --no-defaults --user=root velarim -N -B \
        -e "SELECT COUNT(*) FROM ${legacy_table[$key]}")
done

# Prints "TABLE COUNT" for every table the conversion writes.
count_rows() {
    {
        echo "SET HEADING OFF;"
        for table in "${target_tables[@]}"; do
            echo "SELECT CAST('$table' AS CHAR(16)), COUNT(*) FROM $table;"
        done
    } | isql-fb -q -user SYSDBA -password kelpstone "$1" | awk 'NF == 2 { print $1, $2 }'
}

# Results of a pass, keyed by "mode,key".
declare -A seconds rss target_rows
declare -A total_seconds max_rss limit_seconds all_seconds all_rss

# One pass: converts the five tables one invocation each, so that every table has its own
# wall time and peak memory (each run empties only its own table, so the products still find
# the classifications), then all five in one invocation, then measures the limit on an empty
# target.
# The smaller of two times; the first alone when the second is empty.
fastest() { awk -v a="$1" -v b="${2:-}" 'BEGIN { print (b == "" || a + 0 < b + 0) ? a : b }'; }

run_pass() {
    local mode=$1 prefix=$2
    local converted="$work/$mode-converted.fb"
    "$here/scripts/create-target-db.sh" "$converted"
    echo "== Converting ($mode)"
    local total=0 peak=0 key start end
    for key in "${keys[@]}"; do
        start=$(date +%s%N)
        /usr/bin/time -f '%M' -o "$work/time.txt" \
            "$convert" --target "$prefix$converted" --tables "$key" >"$work/convert.log" 2>&1 ||
            { echo "vorlanda-convert --tables $key failed:" >&2; cat "$work/convert.log" >&2; exit 1; }
        end=$(date +%s%N)
        seconds[$mode,$key]=$(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.3f", (b - a) / 1e9 }')
        rss[$mode,$key]=$(tail -n 1 "$work/time.txt")
        total=$(awk -v a="$total" -v b="${seconds[$mode,$key]}" 'BEGIN { printf "%.3f", a + b }')
        [ "${rss[$mode,$key]}" -gt "$peak" ] && peak=${rss[$mode,$key]}
        echo "   $key ${seconds[$mode,$key]} s"
    done
    total_seconds[$mode]=$total
    max_rss[$mode]=$peak

    local -A converted_rows
    local table n
    while read -r table n; do converted_rows[$table]=$n; done < <(count_rows "$prefix$converted")
    for key in "${keys[@]}"; do
        target_rows[$mode,$key]=${converted_rows[${main_table[$key]}]:-?}
    done

    # The run an operator makes (all five tables in one call, on a fresh target) and the limit
    # (on a fresh empty target), taken in turns: the load of a shared machine changes from
    # minute to minute, so each is timed `repeat` times and the fastest, the least disturbed,
    # is kept. The peak memory kept is the largest.
    local round all empty took peak_rss
    for round in $(seq 1 "$repeat"); do
        all="$work/$mode-all-$round.fb"
        "$here/scripts/create-target-db.sh" "$all"
        start=$(date +%s%N)
        /usr/bin/time -f '%M' -o "$work/time.txt" \
            "$convert" --target "$prefix$all" --all >"$work/convert.log" 2>&1 ||
            { echo "vorlanda-convert --all failed:" >&2; cat "$work/convert.log" >&2; exit 1; }
        end=$(date +%s%N)
        took=$(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.3f", (b - a) / 1e9 }')
        all_seconds[$mode]=$(fastest "$took" "${all_seconds[$mode]:-}")
        peak_rss=$(tail -n 1 "$work/time.txt")
        if [ "$round" = 1 ] || [ "$peak_rss" -gt "${all_rss[$mode]}" ]; then
            all_rss[$mode]=$peak_rss
        fi
        echo "   all tables in one run $took s"
        while read -r table n; do
            if [ "${converted_rows[$table]:-}" != "$n" ]; then
                echo "$table: the run of all tables wrote $n rows, the table-by-table runs ${converted_rows[$table]:-none}" >&2
                exit 1
            fi
        done < <(count_rows "$prefix$all")

        # The check of the same pharmacy on a fresh target, in the same turns: it rehearses
        # every row of the run and keeps nothing, and must take no longer than the run.
        if [ "$mode" = embedded ]; then
            "$here/scripts/create-target-db.sh" "$work/check-$round.fb"
            start=$(date +%s%N)
            "$convert" --check --target "$work/check-$round.fb" --all >"$work/check.log" 2>&1 ||
                { echo "vorlanda-convert --check found problems:" >&2; cat "$work/check.log" >&2; exit 1; }
            end=$(date +%s%N)
            took=$(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.3f", (b - a) / 1e9 }')
            check_all=$(fastest "$took" "${check_all:-}")
            echo "   check of all tables $took s"
        fi

        # The window, on Qt's offscreen platform, makes the same run in the same turns: the
        # difference is what showing every row's progress costs.
        if [ "$mode" = embedded ]; then
            "$here/scripts/create-target-db.sh" "$work/window-$round.fb"
            QT_QPA_PLATFORM=offscreen "$window" "$work/window-$round.fb" >"$work/window.log" 2>&1 ||
                { echo "the window run failed:" >&2; cat "$work/window.log" >&2; exit 1; }
            took=$(awk '/^window seconds:/ { print $3 }' "$work/window.log")
            window_all=$(fastest "$took" "${window_all:-}")
            echo "   window, all tables in one run $took s"
        fi

        echo "== Limit: the same rows through one prepared INSERT per table ($mode)"
        empty="$work/$mode-limit-$round.fb"
        "$here/scripts/create-target-db.sh" "$empty"
        "$limit" "$prefix$converted" "$prefix$empty" | tee "$work/limit.log" | sed 's/^/   /'
        took=$(awk '/^limit seconds:/ { print $3 }' "$work/limit.log")
        [ -n "$took" ] || { echo "the limit measurement failed" >&2; exit 1; }
        limit_seconds[$mode]=$(fastest "$took" "${limit_seconds[$mode]:-}")
        while read -r table n; do
            if [ "${converted_rows[$table]:-}" != "$n" ]; then
                echo "$table: the limit target has $n rows, the converted one ${converted_rows[$table]:-none}" >&2
                exit 1
            fi
        done < <(count_rows "$prefix$empty")
    done
}

modes=(embedded)
run_pass embedded ""

if $server; then
    start_firebird
    modes+=(server)
    run_pass server "localhost/$fb_port:"
    server_peak=$(awk '/^VmHWM:/ { print $2 }' "/proc/$fb_pid/status" 2>/dev/null || echo "")
    stop_firebird
fi

mb() { awk -v k="$1" 'BEGIN { printf "%.1f MB", k / 1024 }'; }
ratio() { awk -v c="$1" -v l="$2" 'BEGIN { printf "%.2f", c / l }'; }

echo
echo "== Scale $scale: conversion per table (rows/s = legacy rows per second)"
line1=$(printf "%-20s %8s %8s" "" "" "")
line2=$(printf "%-20s %8s %8s" "table" "legacy" "written")
for mode in "${modes[@]}"; do
    line1+=$(printf " | %-30s" "$mode")
    line2+=$(printf " | %8s %9s %11s" "seconds" "rows/s" "peak RSS")
done
echo "$line1"
echo "$line2"
for key in "${keys[@]}"; do
    line=$(printf "%-20s %8s %8s" "$key" "${legacy_rows[$key]}" "${target_rows[embedded,$key]}")
    for mode in "${modes[@]}"; do
        line+=$(printf " | %8s %9s %11s" "${seconds[$mode,$key]}" \
            "$(awk -v r="${legacy_rows[$key]}" -v s="${seconds[$mode,$key]}" \
                'BEGIN { printf "%.0f", (s > 0) ? r / s : 0 }')" \
            "$(mb "${rss[$mode,$key]}")")
        [ "${target_rows[$mode,$key]}" = "${target_rows[embedded,$key]}" ] ||
            echo "warning: $key: the $mode pass wrote ${target_rows[$mode,$key]} rows" >&2
    done
    echo "$line"
done
echo
for mode in "${modes[@]}"; do
    echo "$mode: tables one by one ${total_seconds[$mode]} s (largest peak RSS $(mb "${max_rss[$mode]}")), all tables in one run ${all_seconds[$mode]} s (peak RSS $(mb "${all_rss[$mode]}")), limit ${limit_seconds[$mode]} s (fastest of $repeat each)"
done
echo "window (offscreen) $window_all s (fastest of $repeat), runner ${all_seconds[embedded]} s: window/runner $(ratio "$window_all" "${all_seconds[embedded]}")"
echo "check (--check --all) $check_all s (fastest of $repeat), runner ${all_seconds[embedded]} s: check/run $(ratio "$check_all" "${all_seconds[embedded]}")"
if $server && [ -n "${server_peak:-}" ]; then
    echo "server: peak RSS of the Firebird server process $(mb "$server_peak")"
fi
if $server; then
    echo "ratio conversion/limit (server): $(ratio "${all_seconds[server]}" "${limit_seconds[server]}")"
fi
echo "ratio conversion/limit: $(ratio "${all_seconds[embedded]}" "${limit_seconds[embedded]}")"
