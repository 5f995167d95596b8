#!/usr/bin/env bash
# Creates an empty target database file (SQL dialect 1, WIN1252) from schema/target.sql.
# Usage: scripts/create-target-db.sh FILE     (FILE must not exist yet)
set -euo pipefail
[ $# -eq 1 ] || { echo "uso: $0 ARQUIVO.FB" >&2; exit 2; }
here=$(cd "$(dirname "$0")/.." && pwd)
file=$(realpath -m "$1")
[ ! -e "$file" ] || { echo "$file já existe" >&2; exit 1; }
mkdir -p "$(dirname "$file")"
isql=$(command -v isql-fb || command -v isql || true)
[ -n "$isql" ] || { echo "isql-fb não encontrado (pacote firebird3.0-utils)" >&2; exit 1; }
# isql runs the file with the embedded engine: no server is needed.
{
    echo "SET SQL DIALECT 1;"
    echo "CREATE DATABASE '${file//\'/\'\'}' USER 'SYSDBA' PASSWORD 'kelpstone' DEFAULT CHARACTER SET WIN1252;"
    cat "$here/schema/target.sql"
    echo "COMMIT;"
} | "$isql" -q -bail -sqldialect 1 2>&1 | { grep -v -e 'DATE data type is now called TIMESTAMP' -e 'SQL warning code = 301' || true; }
[ -s "$file" ] || { echo "falha ao criar $file" >&2; exit 1; }
