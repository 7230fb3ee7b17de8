#!/usr/bin/env bash
# Installs what is missing, checks the formatting of every source, builds, and runs every
# test twice: a normal build with warnings as errors, then a build with AddressSanitizer,
# LeakSanitizer and UndefinedBehaviorSanitizer; then runs each fuzz target for a bounded time
# (KORDAL_FUZZ_SECONDS, 30 by default). Exits non-zero on any failure or sanitizer report.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
ensure_packages scripts/packages.txt
ensure_locale

jobs=$(nproc)

echo "== Formatting (.clang-format) =="
git ls-files -z -- '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror

run_suite() {
    local dir="$1"
    shift
    cmake -S . -B "$dir" -G Ninja -DKORDAL_WERROR=ON "$@"
    cmake --build "$dir" -j "$jobs"
    ctest --test-dir "$dir" --output-on-failure -j "$jobs"
}

echo "== Build and tests =="
run_suite build -DCMAKE_BUILD_TYPE=RelWithDebInfo

echo "== Build and tests with AddressSanitizer and UndefinedBehaviorSanitizer =="
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
run_suite build-asan -DCMAKE_BUILD_TYPE=Debug -DKORDAL_SANITIZE=ON -DKORDAL_BUILD_BENCH=OFF

echo "== Fuzzing, ${KORDAL_FUZZ_SECONDS:-30} s per target =="
fuzz/run.sh "${KORDAL_FUZZ_SECONDS:-30}"
