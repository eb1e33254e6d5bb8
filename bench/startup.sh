#!/usr/bin/env bash
# Start-up time of the program, from process start until its main window is shown, on a
# workspace that already exists, next to a bare Qt window program timed in the same run.
# Usage: bash bench/startup.sh [build folder, default build] ; RUNS=n sets the runs per program.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
runs=${RUNS:-20}

bash scripts/setup.sh
if [ ! -f "$build/build.ninja" ]; then
    cmake -S . -B "$build" -G Ninja -DTOMOE_BUILD_BENCH=ON >/dev/null
else
    cmake -S . -B "$build" -DTOMOE_BUILD_BENCH=ON >/dev/null
fi
cmake --build "$build" --target tomoea bench_bare_window >/dev/null

# A private copy, so the workspace it makes is not the one in the build folder.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$build/bin/tomoea" "$build/bin/bench_bare_window" "$work/"

export QT_QPA_PLATFORM=offscreen TOMOEA_EXIT_AFTER_SHOW=1

# Microseconds from start to exit of one run; a failed run stops the benchmark (a start-up
# failure would wait for its message box to be closed, hence the time limit).
run_us() {
    local start end
    start=$(date +%s%N)
    if ! timeout 60 "$@" >/dev/null 2>&1; then
        echo "$1 failed" >&2
        exit 1
    fi
    end=$(date +%s%N)
    echo $(((end - start) / 1000))
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# The first start makes the workspace; both programs then run once more with a warm cache.
run_us "$work/tomoea" >/dev/null
run_us "$work/bench_bare_window" >/dev/null

program_times=()
bare_times=()
japanese_times=()
for ((i = 0; i < runs; i++)); do
    program_times+=("$(run_us "$work/tomoea")")
    bare_times+=("$(run_us "$work/bench_bare_window")")
    japanese_times+=("$(run_us "$work/bench_bare_window" --japanese)")
done

program_median=$(printf '%s\n' "${program_times[@]}" | median)
bare_median=$(printf '%s\n' "${bare_times[@]}" | median)
japanese_median=$(printf '%s\n' "${japanese_times[@]}" | median)
awk -v p="$program_median" -v b="$bare_median" -v j="$japanese_median" -v n="$runs" 'BEGIN {
    printf "runs per program:                      %d (alternating)\n", n
    printf "tomoea median:                         %.1f ms\n", p / 1000
    printf "bare Qt window median:                 %.1f ms\n", b / 1000
    printf "bare window with a Japanese caption:   %.1f ms\n", j / 1000
    printf "ratio tomoea / bare:                   %.2f\n", p / b
    printf "ratio tomoea / bare Japanese window:   %.2f\n", p / j
}'

# WebEngine must not be part of start-up: neither linked nor loaded on the way to the window.
linked=$(ldd "$work/tomoea" | grep -ci webengine || true)
loaded=$(LD_DEBUG=files timeout 60 "$work/tomoea" 2>&1 | grep -ci 'calling init: .*webengine' || true)
echo "WebEngine libraries linked: $linked, loaded during start-up: $loaded"
[ "$linked" -eq 0 ] && [ "$loaded" -eq 0 ]
