#!/usr/bin/env bash
# Creates an Orva database on the private server: schema, statement catalog,
# folio settings and base rows, and optionally demo data.
#
#   db/create_db.sh NAME [--demo PEOPLE] [--replace] [--seed N]
#
# An existing database is kept untouched (the user's data stays) unless
# --replace is given, which the tests use to start from a fresh copy.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

name=${1:?uso: create_db.sh NOMBRE [--demo PERSONAS] [--replace] [--seed N]}
shift
demo=0
replace=0
seed=20261210
while [ $# -gt 0 ]; do
    case "$1" in
    --demo) demo=$2; shift 2 ;;
    --replace) replace=1; shift ;;
    --seed) seed=$2; shift 2 ;;
    *) echo "opción desconocida: $1" >&2; exit 2 ;;
    esac
done
if ! [[ "$name" =~ ^[A-Za-z0-9_]+$ ]]; then
    echo "Nombre de base de datos no válido: $name" >&2
    exit 2
fi

sql() { "$here/server.sh" sql "$@"; }

exists=$(sql -N -e "SELECT COUNT(*) FROM information_schema.SCHEMATA WHERE SCHEMA_NAME='$name'")
if [ "$exists" != 0 ]; then
    if [ "$replace" = 0 ]; then
        echo "La base de datos $name ya existe; se conserva."
        exit 0
    fi
    sql -e "DROP DATABASE \`$name\`"
fi

sql -e "CREATE DATABASE \`$name\` CHARACTER SET utf8mb4 COLLATE utf8mb4_general_ci"
{
    cat "$here/schema.sql"
    python3 "$here/tools/catalog_rows.py" "$here/statements"
    cat "$here/base_data.sql"
} | sql --default-character-set=utf8mb4 "$name"

if [ "$demo" -gt 0 ]; then
    python3 "$here/tools/demo_data.py" --people "$demo" --seed "$seed" |
        sql --default-character-set=utf8mb4 "$name"
fi
echo "Base de datos $name creada."
