#!/usr/bin/env bash
# Builds Korvane, runs every test (the forms under Qt's offscreen platform) and checks
# the Debian package of that build (tools/package-check.sh); then builds the tests
# again with clang under AddressSanitizer and UndefinedBehaviorSanitizer with the fuzz
# targets, runs them, and runs each fuzz target briefly from its seeds.
#   KORVANE_FUZZ_SECONDS  seconds per fuzz target (default 15; 0 skips the fuzz runs)
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh
# Continuous integration debugs nothing: the same optimisation without full debug
# information builds faster and generates the same code (the sanitizers keep the line
# tables their reports need).
build_flags=(-DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g -DNDEBUG")
asan_flags=(-DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g -DNDEBUG")
if [ "${CI:-}" = true ]; then
    build_flags=(-DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -DNDEBUG")
    asan_flags=(-DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -gline-tables-only -DNDEBUG")
fi
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo "${build_flags[@]}"
cmake --build build -j"$(nproc)"
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j"$(nproc)"
# The Debian package of this build, its metadata and both programs run from it. Most of
# its time is spent waiting (on the packer, on the programs' start), so it runs beside
# the sanitizer build and is waited for after it.
KORVANE_START_SECONDS=15 tools/package-check.sh build >build/package-check.log 2>&1 &
package_check=$!

# --- Sanitizer build ---------------------------------------------------------------
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DKORVANE_SANITIZE=ON -DKORVANE_FUZZ=ON -DKORVANE_BUILD_BENCH=OFF "${asan_flags[@]}"
cmake --build build-asan -j"$(nproc)"
package_status=0
wait "$package_check" || package_status=$?
cat build/package-check.log
[ "$package_status" -eq 0 ] || exit "$package_status"

symbolizer=/usr/lib/llvm-14/bin/llvm-symbolizer
[ -x "$symbolizer" ] && export ASAN_SYMBOLIZER_PATH="$symbolizer"
export ASAN_OPTIONS="halt_on_error=1:abort_on_error=1:print_stacktrace=1:detect_leaks=1:strict_string_checks=1:check_initialization_order=1:strict_init_order=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export LSAN_OPTIONS="suppressions=$PWD/tools/lsan.supp:print_suppressions=0"

# LeakSanitizer stops the process with ptrace; some containers forbid that. Leaks
# are then not looked for (said loudly), the other checks still run.
probe=$(find build-asan/tests -type f -name 'test_field_text' | head -n 1)
if ! "$probe" --gtest_list_tests >/dev/null 2>build-asan/lsan-probe.log; then
    if grep -q 'LeakSanitizer' build-asan/lsan-probe.log; then
        echo "WARNING: LeakSanitizer cannot run here; leak detection is off" >&2
        ASAN_OPTIONS="$ASAN_OPTIONS:detect_leaks=0"
    else
        cat build-asan/lsan-probe.log >&2
        exit 1
    fi
fi

QT_QPA_PLATFORM=offscreen ctest --test-dir build-asan --output-on-failure -j"$(nproc)"

# --- Short fuzz runs ---------------------------------------------------------------
# Each target starts from a copy of its committed seeds, so the tree is not written.
# The targets run side by side, one per core. A finding stops the script; its input
# is kept under build-asan/fuzz-findings/.
seconds=${KORVANE_FUZZ_SECONDS:-15}
[ "$seconds" -gt 0 ] || exit 0
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
findings=build-asan/fuzz-findings

fuzz_one() {
    local target=$1 name
    name=$(basename "$target")
    mkdir -p "$work/$name"
    if [ -d "tests/fuzz/corpus/$name" ]; then
        cp tests/fuzz/corpus/"$name"/* "$work/$name/"
    fi
    if QT_QPA_PLATFORM=offscreen "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
            -print_final_stats=1 -artifact_prefix="$work/$name-" "$work/$name" >"$work/$name.log" 2>&1; then
        touch "$work/$name.passed"
    fi
}

targets=()
for target in build-asan/fuzz/fuzz_*; do
    [ -x "$target" ] && targets+=("$target")
done
echo "== ${#targets[@]} fuzz targets, ${seconds} s each, $(nproc) at a time"
for target in "${targets[@]}"; do
    while [ "$(jobs -rp | wc -l)" -ge "$(nproc)" ]; do
        wait -n || true
    done
    fuzz_one "$target" &
done
wait

failed=0
for target in "${targets[@]}"; do
    name=$(basename "$target")
    if [ -e "$work/$name.passed" ]; then
        echo "== $name: $(grep -Eo 'stat::number_of_executed_units: *[0-9]+' "$work/$name.log" || echo ran)"
        continue
    fi
    tail -n 80 "$work/$name.log"
    mkdir -p "$findings"
    cp "$work/$name"-* "$findings/" 2>/dev/null || true
    echo "FAILED: $name; reproduce with: $target $findings/<file>" >&2
    failed=1
done
exit "$failed"
