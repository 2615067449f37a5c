#!/usr/bin/env bash
# Installs what is missing, builds Orlenta and starts it from the build tree.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target orlenta
exec ./build/orlenta
