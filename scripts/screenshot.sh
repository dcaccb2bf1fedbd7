#!/usr/bin/env bash
# Builds tamro and grabs its main window, with the examples previewed, to
# docs/screenshot.png (drawn by Qt's offscreen platform, no display needed).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh build/release -DCMAKE_BUILD_TYPE=RelWithDebInfo
build/release/tools/tamro_screenshot examples docs/screenshot.png
