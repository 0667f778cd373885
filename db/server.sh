#!/usr/bin/env bash
# Private MariaDB server of Orva: start | stop | status | env
#
# Runs its own mariadbd (--no-defaults) on 127.0.0.1 with its own data folder,
# port, socket and pid file, so no system-wide MariaDB service is touched.
#
#   ORVA_DB_DIR       folder of the server (data/, socket, pid, log)
#                     default: ~/.local/share/orva/mariadb
#   ORVA_DB_PORT      TCP port                      default: 3406
#   ORVA_DB_USER      account for the program       default: orva
#   ORVA_DB_PASSWORD  its password                  default: orva
set -euo pipefail

cmd=${1:-status}
DIR=${ORVA_DB_DIR:-${XDG_DATA_HOME:-$HOME/.local/share}/orva/mariadb}
PORT=${ORVA_DB_PORT:-3406}
APP_USER=${ORVA_DB_USER:-orva}
APP_PASS=${ORVA_DB_PASSWORD:-orva}

mkdir -p "$DIR"
DIR=$(cd "$DIR" && pwd)
DATA=$DIR/data
PIDFILE=$DIR/mariadbd.pid
LOG=$DIR/mariadbd.log
SOCK=$DIR/mariadbd.sock
# A unix socket path may not exceed 107 bytes; deep build folders fall back to /tmp.
if [ ${#SOCK} -gt 100 ]; then
    SOCK=/tmp/orva-db-$(id -u)-$PORT.sock
fi

bin() {
    local name=$1
    for d in /usr/sbin /usr/bin /usr/local/sbin /usr/local/bin; do
        [ -x "$d/$name" ] && { echo "$d/$name"; return; }
    done
    command -v "$name" || { echo "No se encontró $name: ejecute scripts/deps.sh" >&2; exit 1; }
}

running_pid() {
    [ -f "$PIDFILE" ] || return 1
    local pid
    pid=$(cat "$PIDFILE" 2>/dev/null) || return 1
    [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null || return 1
    # Only our own server: the pid must still be a mariadbd using our data folder.
    tr '\0' ' ' <"/proc/$pid/cmdline" 2>/dev/null | grep -q -- "--datadir=$DATA" || return 1
    echo "$pid"
}

client() { "$(bin mariadb)" --no-defaults --socket="$SOCK" -uroot "$@"; }

print_env() {
    cat <<EOT
ORVA_DB_HOST=127.0.0.1
ORVA_DB_PORT=$PORT
ORVA_DB_SOCKET=$SOCK
ORVA_DB_USER=$APP_USER
ORVA_DB_PASSWORD=$APP_PASS
EOT
}

start() {
    if running_pid >/dev/null; then
        print_env
        return 0
    fi
    if [ ! -d "$DATA/mysql" ]; then
        rm -rf "$DATA"
        mkdir -p "$DATA"
        local as_user=()
        [ "$(id -u)" = 0 ] && as_user=(--user=root)
        "$(bin mariadb-install-db)" --no-defaults --datadir="$DATA" "${as_user[@]}" \
            --auth-root-authentication-method=normal --skip-test-db >"$DIR/install.log" 2>&1 || {
            cat "$DIR/install.log" >&2
            echo "No se pudo crear la carpeta de datos $DATA" >&2
            exit 1
        }
    fi
    local as_user=()
    [ "$(id -u)" = 0 ] && as_user=(--user=root)
    rm -f "$SOCK"
    nohup "$(bin mariadbd)" --no-defaults --datadir="$DATA" "${as_user[@]}" \
        --bind-address=127.0.0.1 --port="$PORT" --socket="$SOCK" --pid-file="$PIDFILE" \
        --log-error="$LOG" --skip-name-resolve --character-set-server=utf8mb4 \
        --collation-server=utf8mb4_general_ci --innodb-buffer-pool-size=256M \
        --innodb-flush-log-at-trx-commit=2 --max-connections=300 --max-allowed-packet=64M \
        </dev/null >/dev/null 2>&1 &
    local admin
    admin=$(bin mariadb-admin)
    for _ in $(seq 1 240); do
        if "$admin" --no-defaults --socket="$SOCK" -uroot ping >/dev/null 2>&1; then
            break
        fi
        sleep 0.25
    done
    if ! "$admin" --no-defaults --socket="$SOCK" -uroot ping >/dev/null 2>&1; then
        echo "El servidor MariaDB no respondió; registro en $LOG:" >&2
        tail -n 20 "$LOG" >&2 || true
        exit 1
    fi
    # The program's account, over TCP and over the socket.
    client <<EOSQL
CREATE USER IF NOT EXISTS '$APP_USER'@'127.0.0.1' IDENTIFIED BY '$APP_PASS';
CREATE USER IF NOT EXISTS '$APP_USER'@'localhost' IDENTIFIED BY '$APP_PASS';
GRANT ALL PRIVILEGES ON *.* TO '$APP_USER'@'127.0.0.1' WITH GRANT OPTION;
GRANT ALL PRIVILEGES ON *.* TO '$APP_USER'@'localhost' WITH GRANT OPTION;
EOSQL
    print_env
}

stop() {
    local pid
    pid=$(running_pid) || { rm -f "$PIDFILE"; return 0; }
    kill "$pid"
    for _ in $(seq 1 240); do
        kill -0 "$pid" 2>/dev/null || { rm -f "$PIDFILE"; return 0; }
        sleep 0.25
    done
    echo "El servidor (pid $pid) no terminó en 60 s" >&2
    exit 1
}

case "$cmd" in
start) start ;;
stop) stop ;;
status)
    if pid=$(running_pid); then
        echo "en ejecución (pid $pid)"
        print_env
    else
        echo "detenido"
        exit 3
    fi
    ;;
env) print_env ;;
sql) shift; client "$@" ;;
*)
    echo "uso: $0 start|stop|status|env|sql [argumentos del cliente]" >&2
    exit 2
    ;;
esac
