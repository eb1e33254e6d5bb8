#!/usr/bin/env bash
# Builds and starts the program. Its data lives in build/bin, beside the executable.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}${QT_QPA_PLATFORM:-}" ]; then
    echo "画面が見つかりません（DISPLAY が未設定です）。デスクトップの端末から実行してください。" >&2
    exit 1
fi
exec build/bin/tomoea
