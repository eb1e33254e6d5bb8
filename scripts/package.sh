#!/usr/bin/env bash
# Builds the Debian package build/tomoea_<version>_<arch>.deb (set-up and build first, as
# scripts/build.sh does). Install it with: sudo apt install ./build/tomoea_…deb
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
cd build
cpack -G DEB
ls -1 "$PWD"/tomoea_*.deb
