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

if [ -x build/app/orva ]; then
    exec build/app/orva "$@"
fi
