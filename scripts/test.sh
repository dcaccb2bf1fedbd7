#!/usr/bin/env bash
# Installs what is missing, then builds tamro and runs its tests three ways:
# every test in a normal build, every test with AddressSanitizer and UBSan,
# and the tests that run the worker thread with ThreadSanitizer. Each
# sanitizer stops at its first report. The fuzz targets' seed corpus runs in
# every build (tst_fuzz_corpus); then each fuzz target runs briefly (clang,
# its own build of the libraries they need): TAMRO_FUZZ_SECONDS per target,
# 3 unless set; 0 leaves the fuzzing out.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

# Each stage says how long it took, so a slow one shows in CI's log.
stage() {
  echo "== $1 (at ${SECONDS} s)"
}

run_tests() {
  local folder=$1
  shift
  ctest --test-dir "$folder" --output-on-failure --timeout 300 -j "$(nproc)" "$@"
}

stage "normal build"
scripts/build.sh build/release -DCMAKE_BUILD_TYPE=RelWithDebInfo
stage "normal tests"
run_tests build/release

stage "installed files, desktop entry, metainfo and the Debian package"
staged=$(mktemp -d)
trap 'rm -rf "$staged"' EXIT
cmake --install build/release --prefix "$staged/usr" >/dev/null
desktop-file-validate "$staged/usr/share/applications/org.tamro.tamro.desktop"
appstreamcli validate --no-net "$staged/usr/share/metainfo/org.tamro.tamro.metainfo.xml"
# The file managers' folder actions and the translations; no validator knows
# a KDE service menu or a Nemo action (tst_desktop reads both).
for installed in share/kio/servicemenus/tamro-rename-songs.desktop \
  share/nemo/actions/tamro.nemo_action \
  share/tamro/translations/tamro_{de,es,fr,ja,ko,zh_CN}.qm; do
  [ -f "$staged/usr/$installed" ] || { echo "not installed: $installed" >&2; exit 1; }
done
rm -f build/release/tamro_*.deb
(cd build/release && cpack -G DEB >/dev/null)
dpkg-deb -f build/release/tamro_*.deb Depends Recommends
dpkg-deb -f build/release/tamro_*.deb Depends | grep -q qt6-wayland
dpkg-deb -c build/release/tamro_*.deb

stage "AddressSanitizer + UndefinedBehaviorSanitizer build"
scripts/build.sh build/asan -DCMAKE_BUILD_TYPE=Debug -DTAMRO_SANITIZE=address,undefined
stage "AddressSanitizer + UndefinedBehaviorSanitizer tests"
ASAN_OPTIONS=halt_on_error=1:abort_on_error=1:detect_leaks=1 \
UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  run_tests build/asan

stage "ThreadSanitizer build (tests that run the worker thread)"
cmake -S . -B build/tsan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTAMRO_SANITIZE=thread >/dev/null
cmake --build build/tsan --target tst_main_dialog tst_jobs tst_desktop tst_worker
stage "ThreadSanitizer tests"
TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1:die_after_fork=0:suppressions=$PWD/tests/tsan.supp" \
  run_tests build/tsan -L threads

fuzz_seconds=${TAMRO_FUZZ_SECONDS:-3}
if [ "$fuzz_seconds" != 0 ]; then
  stage "fuzz targets, $fuzz_seconds seconds each"
  scripts/fuzz.sh "$fuzz_seconds"
fi

echo "All tests passed (${SECONDS} s)."
