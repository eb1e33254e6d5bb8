#!/usr/bin/env bash
# Builds and starts the program. Its data lives in build/bin, beside the executable.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
exec build/bin/tomoea
