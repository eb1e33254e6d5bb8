#!/usr/bin/env bash
# Builds and runs every test. GUI tests use Qt's offscreen platform, so no display is needed.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
cd build
ctest --output-on-failure -j "$(nproc)" --timeout 300
