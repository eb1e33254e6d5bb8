#!/usr/bin/env bash
# Plants each fault listed in tests/mutants.tsv in a separate copy of the committed tree and
# reports which ones no test notices. Takes about an hour on two cores; not part of test.sh.
# Usage: bash scripts/mutation.sh [--only TEXT]
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
tool=../shared/mutation/mutate.py
[ -f "$tool" ] || { echo "mutation tool not found at $tool" >&2; exit 1; }
exec python3 "$tool" tests/mutants.tsv "$@"
