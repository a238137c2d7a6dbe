#!/usr/bin/env bash
# Builds everything (Linux, Linux under sanitizers, 64-bit and 32-bit Windows) and runs
# every test: the unit tests natively and under ASan/UBSan, the fuzzers for a bounded
# time, and the Windows scenarios under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh

for preset in native asan win64 win32; do
    echo "== build $preset"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
done

# The Windows packages (ZIP and installer of each architecture); the Wine scenarios unpack
# and install the 64-bit ones.
for preset in win64 win32; do
    echo "== package $preset"
    cmake --build --preset "$preset" --target package
done
ls -l build/win64/lunavis-*-win64* build/win32/lunavis-*-win32*

if [ -x scripts/fuzz.sh ]; then
    echo "== fuzz"
    scripts/fuzz.sh
fi

echo "== unit tests under ASan/UBSan"
ctest --test-dir build/asan --output-on-failure -LE wine -j2

echo "== all tests (unit and Wine scenarios)"
ctest --test-dir build/native --output-on-failure -j2
