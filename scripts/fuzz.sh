#!/usr/bin/env bash
# Builds the fuzz targets of the readers with Clang (build-fuzz/, -DTOMOEA_FUZZ=ON) and runs
# each one after the other for the given seconds (default 60) from the seed corpus in
# tests/fuzz/corpus/, then prints a summary. Usage: scripts/fuzz.sh [seconds] [target...]
# A crash or hang leaves its input in build-fuzz/fuzz-run/<target>/ and the script fails.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true

bash scripts/setup.sh --fuzz
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DTOMOEA_FUZZ=ON \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g" >/dev/null
cmake --build build-fuzz -j 2

# The longest input each target is given: enough for its seeds and a little more.
declare -A max_len=(
    [record_syntax]=4096 [listing_index]=4096 [profile_file]=4096 [piece_reader]=4096
    [template_page]=8192 [page_check]=16384 [backup_reader]=65536 [password_file]=512
)
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(record_syntax listing_index profile_file piece_reader
    template_page page_check backup_reader password_file)

# The targets write their inputs to scratch files; in memory, the writes cost no disk syncs.
[ -d /dev/shm ] && [ -w /dev/shm ] && export TMPDIR=/dev/shm
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}
run_root=build-fuzz/fuzz-run
summary=()
failed=0
for target in "${targets[@]}"; do
    [ -n "${max_len[$target]:-}" ] || { echo "unknown target: $target" >&2; exit 2; }
    # The run grows its own corpus in a scratch copy, so the seeds in the repository stay few.
    run=$run_root/$target
    rm -rf "$run"
    mkdir -p "$run/corpus"
    cp -r tests/fuzz/corpus/"$target"/. "$run/corpus/"
    echo "== $target (${seconds} s)"
    dict=()
    [ -f tests/fuzz/"$target".dict ] && dict=(-dict=tests/fuzz/"$target".dict)
    status=0
    build-fuzz/tests/fuzz/fuzz_"$target" "$run/corpus" -max_total_time="$seconds" -timeout=10 \
        -max_len="${max_len[$target]}" -rss_limit_mb=2048 -print_final_stats=1 \
        "${dict[@]}" -artifact_prefix="$run/" >"$run/log" 2>&1 || status=$?
    last=$(grep -E '^#[0-9]+.*cov: ' "$run/log" | tail -n 1 || true)
    echo "$last"
    cov=$(sed -nE 's/.* cov: ([0-9]+).*/\1/p' <<<"$last")
    ft=$(sed -nE 's/.* ft: ([0-9]+).*/\1/p' <<<"$last")
    execs=$(sed -nE 's/^stat::number_of_executed_units: *([0-9]+)/\1/p' "$run/log")
    rate=$(sed -nE 's/^stat::average_exec_per_sec: *([0-9]+)/\1/p' "$run/log")
    found=$(find "$run" -maxdepth 1 -type f \( -name 'crash-*' -o -name 'timeout-*' \
        -o -name 'oom-*' -o -name 'leak-*' \) | wc -l)
    if [ "$status" -ne 0 ] || [ "$found" -ne 0 ]; then
        failed=1
        echo "!! $target failed (exit $status), see $run/log"
    fi
    summary+=("$(printf '%-15s %10s %8s %7s %7s %7s' "$target" "${execs:-?}" "${rate:-?}" \
        "${cov:-?}" "${ft:-?}" "$found")")
done

echo
printf '%-15s %10s %8s %7s %7s %7s\n' target execs exec/s cov ft crashes
printf '%s\n' "${summary[@]}"
exit $failed
