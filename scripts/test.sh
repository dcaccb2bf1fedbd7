#!/usr/bin/env bash
# Installs what is missing, then builds tamro twice and runs every test in
# both builds: a normal build, and one with AddressSanitizer and UBSan that
# stops at the first error.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

run_tests() {
  ctest --test-dir "$1" --output-on-failure --timeout 300 -j "$(nproc)"
}

echo "== normal build"
scripts/build.sh build/release -DCMAKE_BUILD_TYPE=RelWithDebInfo
run_tests build/release

echo "== AddressSanitizer + UndefinedBehaviorSanitizer build"
scripts/build.sh build/asan -DCMAKE_BUILD_TYPE=Debug -DTAMRO_SANITIZE=address,undefined
ASAN_OPTIONS=halt_on_error=1:abort_on_error=1:detect_leaks=1 \
UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  run_tests build/asan
echo "All tests passed."
