#!/usr/bin/env bash
# A private MariaDB server for tests and the demo: its own data folder and socket, no
# network. Clients reach it with MYSQL_UNIX_PORT=DIR/mysqld.sock.
#   scripts/private-mariadb.sh start DIR [FILE.sql ...]   start (if needed) and load files into velarim
#   scripts/private-mariadb.sh stop DIR                   shut down and remove DIR
set -euo pipefail
usage() { echo "uso: $0 start PASTA [ARQUIVO.sql ...] | stop PASTA" >&2; exit 2; }
[ $# -ge 2 ] || usage
action=$1
dir=$(realpath -m "$2")
shift 2
socket="$dir/mysqld.sock"
client=(mariadb --no-defaults --socket="$socket" --user=root)

alive() { [ -S "$socket" ] && mariadb-admin --no-defaults --socket="$socket" --user=root ping >/dev/null 2>&1; }

start() {
    if ! alive; then
        mkdir -p "$dir"
        if [ ! -d "$dir/data/mysql" ]; then
            mariadb-install-db --no-defaults --datadir="$dir/data" --user="$(id -un)" \
                --auth-root-authentication-method=normal --skip-test-db >"$dir/install.log" 2>&1 \
                || { cat "$dir/install.log" >&2; exit 1; }
        fi
        # Detached from the caller's output so that a test runner does not wait on it.
        setsid mariadbd --no-defaults --datadir="$dir/data" --socket="$socket" --skip-networking \
            --pid-file="$dir/mysqld.pid" --log-error="$dir/error.log" --user="$(id -un)" \
            --character-set-server=latin1 --collation-server=latin1_swedish_ci \
            --sql-mode=NO_ENGINE_SUBSTITUTION --innodb-buffer-pool-size=256M \
            </dev/null >/dev/null 2>&1 &
        for _ in $(seq 1 120); do
            alive && break
            sleep 0.25
        done
        alive || { echo "o MariaDB privado não iniciou:" >&2; tail -n 20 "$dir/error.log" >&2; exit 1; }
    fi
    "${client[@]}" -e "CREATE DATABASE IF NOT EXISTS velarim CHARACTER SET latin1"
    for file in "$@"; do
        "${client[@]}" velarim <"$file"
    done
}

stop() {
    if alive; then
        mariadb-admin --no-defaults --socket="$socket" --user=root shutdown >/dev/null 2>&1 || true
    fi
    if [ -f "$dir/mysqld.pid" ]; then
        pid=$(cat "$dir/mysqld.pid")
        for _ in $(seq 1 120); do
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.25
        done
    fi
    rm -rf "$dir"
}

case "$action" in
start) start "$@" ;;
stop) stop ;;
*) usage ;;
esac
