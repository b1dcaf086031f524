#!/usr/bin/env bash
# Installs what is needed, builds, writes a fresh demo database and starts the program on it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
ninja -C build
./build/database/sports-demodb build/app/main/demo.db
# DEMO is an alias of build/app/main/sports-db.ini (File=demo.db in the program directory).
exec ./build/app/main/sports DEMO DEMO 1001 "홍길동"
