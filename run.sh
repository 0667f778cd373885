#!/usr/bin/env bash
# Installs what is missing, builds, starts the private database server,
# creates the demo database the first time, and starts the program.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
cd "$here"

scripts/deps.sh
scripts/build.sh

db/server.sh start >/dev/null
db/create_db.sh orva_demo --demo "${ORVA_DEMO_PEOPLE:-2000}"
eval "$(db/server.sh env)"

cat <<EOT

Servidor privado de MariaDB en ejecución:
  servidor  $ORVA_DB_HOST   puerto $ORVA_DB_PORT
  usuario   $ORVA_DB_USER   contraseña $ORVA_DB_PASSWORD
  base de datos orva_demo
Usuarios del programa: admin / Admin2026   capturista / Captura2026
Para detener el servidor: db/server.sh stop
EOT

build=${ORVA_BUILD_DIR:-$here/build}
# First run: the connection file beside the program gets the entry "Local" for the
# private server, so the demo login works at once. An existing file is the user's own.
if [ ! -f "$build/app/ovra.ds" ]; then
    "$build/app/orva_conexion" "$build/app/ovra.ds" Local \
        "$ORVA_DB_HOST" "$ORVA_DB_PORT" "$ORVA_DB_USER" "$ORVA_DB_PASSWORD"
fi
exec "$build/app/orva"
