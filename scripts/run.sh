#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it from its own folder.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)" 
exec build/game/zorvane
