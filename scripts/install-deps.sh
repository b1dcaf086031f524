#!/usr/bin/env bash
# Installs every Debian package the build, the tests and the demo need. Safe to run again.
set -euo pipefail
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
PKGS=(cmake g++ ninja-build qt6-base-dev qt6-base-dev-tools qt6-serialport-dev qt6-svg-dev
      libqt6sql6-sqlite libqt6sql6-psql libsqlite3-dev libpq-dev libqt6opengl6-dev qt6-charts-dev
      qt6-translations-l10n fonts-nanum poppler-utils locales libxlsxwriter-dev pkg-config unzip)
missing=()
for p in "${PKGS[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
# PostgreSQL is on the image already; never upgrade it here. It brings psql (bench_weatherimport).
if ! command -v /usr/lib/postgresql/*/bin/initdb >/dev/null 2>&1; then
  $SUDO apt-get install -y -qq --no-install-recommends --no-upgrade postgresql
fi
