#!/usr/bin/env bash
# Installs what is missing, builds tamro and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh build/release -DCMAKE_BUILD_TYPE=RelWithDebInfo
if [ -x build/release/app/tamro ]; then
  exec build/release/app/tamro
fi
echo "tamro's file logic is built (build/release); the window is not there yet."
