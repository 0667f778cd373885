#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test against a private
# database server started for this run (stopped again at the end).
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
cd "$here"

scripts/deps.sh || exit 1
scripts/build.sh || exit 1

export ORVA_DB_DIR="$here/build/testdb"
export ORVA_DB_PORT=${ORVA_TEST_DB_PORT:-3417}
db/server.sh start >/dev/null || exit 1
trap '"$here/db/server.sh" stop' EXIT

cd build
ctest --output-on-failure -j "${ORVA_TEST_JOBS:-2}" "$@"
rc=$?
exit $rc
