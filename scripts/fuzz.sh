#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, -fsanitize=fuzzer,address) in build/fuzz and runs
# each for a bounded time: 30 s (the budget of the test run), or the seconds given as the
# first argument (or FUZZ_SECONDS) for a deliberate, longer run, e.g. `scripts/fuzz.sh 600`.
# Fails when a target crashes or finds an input that breaks one of its properties; the
# input is kept in build/fuzz/artifacts. The corpus in build/fuzz/corpus grows run by run.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-${FUZZ_SECONDS:-30}}"
[[ "$seconds" =~ ^[0-9]+$ ]] || { echo "usage: scripts/fuzz.sh [SECONDS-PER-TARGET]" >&2; exit 2; }
build=build/fuzz

cmake -S tests/fuzz -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j2

mkdir -p "$build/artifacts"
# fuzz_one TARGET: one target for the time given; its log in build/fuzz/TARGET.log.
fuzz_one() {
    local target=$1 corpus="$build/corpus/$1" seeds=()
    mkdir -p "$corpus"
    # Our notices seed the notice reader: its mutations are truncated and garbled notices.
    [[ "$target" == fuzz_holiday_notice ]] && seeds=(tests/shared/notices)
    echo "fuzz: $target for ${seconds}s"
    "$build/$target" "$corpus" "${seeds[@]}" -max_total_time="$seconds" -max_len=16384 -rss_limit_mb=1024 \
        -artifact_prefix="$build/artifacts/$target-" -print_final_stats=0 2>"$build/$target.log" || {
        tail -n 40 "$build/$target.log"
        echo "fuzz: $target failed" >&2
        return 1
    }
}

# Two targets at a time, one a core: the budget is per target, so the run takes half as long.
failed=0
running=0
for target in fuzz_reminder_file fuzz_festival_file fuzz_text_mode fuzz_registry_settings \
    fuzz_hook_pipeline fuzz_hook_registry fuzz_lunar_reminder_file fuzz_holiday_text \
    fuzz_holiday_notice fuzz_holiday_json fuzz_picture; do
    if ((running == 2)); then
        wait -n || failed=1
        running=$((running - 1))
    fi
    fuzz_one "$target" &
    running=$((running + 1))
done
while ((running > 0)); do
    wait -n || failed=1
    running=$((running - 1))
done
((failed == 0)) || exit 1
echo "fuzz: all targets ran clean"
