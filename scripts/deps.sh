#!/usr/bin/env bash
# Installs the Debian packages (and the npm packages of the local test servers)
# that building, running and testing need. Does nothing when all are present.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)

packages=(
    build-essential cmake ninja-build pkg-config git python3
    qt6-base-dev qt6-image-formats-plugins qt6-translations-l10n
    mariadb-server mariadb-client libmariadb-dev
    libcurl4-openssl-dev libssl-dev libzip-dev libfreexl-dev libxlsxwriter-dev
    libfprint-2-dev libglib2.0-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-liberation2 poppler-utils python3-botocore python3-openpyxl openssl curl
)
# Node.js runs the local test servers; a machine may already have it from elsewhere.
command -v npm >/dev/null 2>&1 || packages+=(nodejs npm)

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null || true)
    [ "$status" = installed ] || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "Instalando paquetes: ${missing[*]}"
    sudo_cmd=()
    [ "$(id -u)" = 0 ] || sudo_cmd=(sudo)
    "${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
    "${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q \
        --no-install-recommends "${missing[@]}"
fi

# npm packages pinned by package-lock.json files of the test servers.
while IFS= read -r lock; do
    d=$(dirname "$lock")
    if [ ! -d "$d/node_modules" ] || [ "$lock" -nt "$d/node_modules" ]; then
        echo "Instalando módulos npm en ${d#"$here"/}"
        (cd "$d" && npm ci --no-audit --no-fund --loglevel=error && touch node_modules)
    fi
done < <(find "$here" -name package-lock.json -not -path '*/node_modules/*' -not -path "$here/build*")
