#!/usr/bin/env bash
# Builds the fuzzing targets with clang and runs each one for a bounded time,
# starting from the committed seed corpus. A crash, a sanitizer report, an
# input that runs too long (-timeout) or takes too much memory
# (-rss_limit_mb) fails the run; the input is left in the build folder's
# artifacts/ to be kept as a regression test.
#   FUZZ_SECONDS  time per target (default 30)
#   FUZZ_BUILD    build folder (default build-fuzz)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${FUZZ_BUILD:-build-fuzz}
seconds=${FUZZ_SECONDS:-30}
generator=()
command -v ninja >/dev/null 2>&1 && generator=(-G Ninja)

cmake -S fuzz -B "$build" "${generator[@]}" -DCMAKE_CXX_COMPILER="${FUZZ_CXX:-clang++}" >/dev/null
cmake --build "$build" -j "$(nproc 2>/dev/null || echo 2)"

failed=0
for target in "$build"/fuzz_*; do
    [ -x "$target" ] || continue
    name=$(basename "$target")
    name=${name#fuzz_}
    corpus="$build/corpus/$name"
    mkdir -p "$corpus" "$build/artifacts"
    options=()
    [ -f "fuzz/$name.options" ] && read -r -a options <"fuzz/$name.options"
    log="$build/$name.log"
    if "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$build/artifacts/$name-" "${options[@]}" \
        "$corpus" "fuzz/corpus/$name" >"$log" 2>&1; then
        runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
        echo "fuzz $name: $runs inputs executed in ${seconds} s, no fault"
    else
        failed=1
        echo "fuzz $name: FAULT (log: $log)"
        tail -n 60 "$log"
    fi
done
exit $failed
