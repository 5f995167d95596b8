#!/usr/bin/env bash
# The demo: a generated sample pharmacy in a private MariaDB, an empty target database file,
# and a conversion of every table with vorlanda-convert (or, with --gui, the window).
#   scripts/demo.sh [--gui] [--scale S]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
gui=false
scale=0.1
while [ $# -gt 0 ]; do
    case "$1" in
    --gui) gui=true ;;
    --scale) scale=$2; shift ;;
    *) echo "uso: $0 [--gui] [--scale S]" >&2; exit 2 ;;
    esac
    shift
done

"$here/scripts/install-deps.sh"
build="${BUILD_DIR:-$here/build}"
cmake -S "$here" -B "$build" -G Ninja >/dev/null
cmake --build "$build" --target vorlanda-convert FarmaciaVorlanda vorlanda-sample-data

demo="$build/demo"
mkdir -p "$demo"
mariadb_dir="$demo/mariadb"
trap '"$here/scripts/private-mariadb.sh" stop "$mariadb_dir"' EXIT
echo "== Banco legado de exemplo (escala $scale)"
"$here/scripts/private-mariadb.sh" start "$mariadb_dir" "$here/schema/legacy.sql"
export MYSQL_UNIX_PORT="$mariadb_dir/mysqld.sock"
"$build/schema/sample/vorlanda-sample-data" --scale "$scale" |
    mariadb --no-defaults --user=root velarim
mariadb --no-defaults --user=root velarim --table -e "
    SELECT 'TBCLIENTES' AS tabela, COUNT(*) AS registros FROM TBCLIENTES
    UNION ALL SELECT 'TBFORNECEDOR', COUNT(*) FROM TBFORNECEDOR
    UNION ALL SELECT 'TBGRUPO', COUNT(*) FROM TBGRUPO
    UNION ALL SELECT 'TB_CODIGO_NCM', COUNT(*) FROM TB_CODIGO_NCM
    UNION ALL SELECT 'TBESTOQUE', COUNT(*) FROM TBESTOQUE"

target="$demo/FARMACIA.FB"
rm -f "$target"
"$here/scripts/create-target-db.sh" "$target"
echo "== Banco de destino vazio: $target"

if $gui; then
    [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] || { echo "--gui precisa de uma tela (DISPLAY)" >&2; exit 1; }
    echo "== Abra $target com \"Abrir\", marque as tabelas e clique em \"Converter\""
    (cd "$demo" && "$build/app/FarmaciaVorlanda")
    exit 0
fi

echo "== Convertendo"
start=$(date +%s)
"$build/cli/vorlanda-convert" --target "$target" --all
echo "   ($(($(date +%s) - start)) s)"

echo "== Registros gravados no destino"
{
    echo "SET HEADING OFF;"
    for table in CLIENTE CIDADES FORNECE GRUPROD CLASFISC PRODUTO COMPPROD PRODUTODETALHE CADFABR; do
        echo "SELECT CAST('$table' AS CHAR(16)), COUNT(*) FROM $table;"
    done
} | isql-fb -q -user SYSDBA -password kelpstone "$target" | sed '/^[[:space:]]*$/d'
