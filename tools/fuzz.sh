#!/usr/bin/env bash
# Builds the fuzz targets (the core library only, with clang's libFuzzer and the address and
# undefined-behaviour sanitizers, in build-fuzz/) and runs each for a while from a copy of its
# corpus in tests/fuzz/corpus/, so the seeds in the repository stay as they are. Fails when any
# target finds a crash, a sanitizer report or a broken check; the input that did it is kept in
# build-fuzz/findings/ (replay it with build-fuzz/bin/<target> <input>).
#
#   bash tools/fuzz.sh [seconds per target] [target...]     (default: 20 seconds, every target)
#
# Targets run side by side, one per core (FUZZ_JOBS sets how many at once).
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-20}
shift $(($# > 0 ? 1 : 0))
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for corpus in tests/fuzz/corpus/*/; do
        targets+=("$(basename "$corpus")")
    done
fi
jobs=${FUZZ_JOBS:-$(nproc)}

werror=()
if [ -n "${CI:-}" ]; then
    werror=(-DVELLUMARK_WERROR=ON)
fi
cmake --preset fuzz "${werror[@]}"
cmake --build build-fuzz -j "$(nproc)" --target "${targets[@]}"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
findings=build-fuzz/findings
mkdir -p "$findings"
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}

fuzz() {
    local target=$1
    cp -r "tests/fuzz/corpus/$target" "$work/$target"
    if ./build-fuzz/bin/"$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -artifact_prefix="$findings/$target-" -print_final_stats=1 "$work/$target" \
        >"$work/$target.log" 2>&1; then
        touch "$work/$target.passed"
    fi
}

echo "Fuzzing ${#targets[@]} targets for ${seconds}s each, $jobs at a time"
for target in "${targets[@]}"; do
    while [ "$(jobs -rp | wc -l)" -ge "$jobs" ]; do
        wait -n || true
    done
    fuzz "$target" &
done
wait

passed=0
failed=()
for target in "${targets[@]}"; do
    echo "== $target"
    if [ -e "$work/$target.passed" ]; then
        grep -E '^(Done|stat::number_of_executed_units|stat::peak_rss_mb)' "$work/$target.log"
        passed=$((passed + 1))
    else
        tail -n 60 "$work/$target.log" || true
        failed+=("$target")
    fi
done
if [ ${#failed[@]} -gt 0 ]; then
    echo "Fuzz findings in: ${failed[*]} (inputs in $findings/)"
fi
echo "fuzz: $passed passed, ${#failed[@]} failed"
[ ${#failed[@]} -eq 0 ]
