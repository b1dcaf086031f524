#!/usr/bin/env bash
# Installs what is needed, builds, starts a throw-away PostgreSQL server and runs every test on both back ends.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
ninja -C build
eval "$(bash scripts/test-postgres.sh start)"
trap 'bash scripts/test-postgres.sh stop || true' EXIT
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j2
