#!/usr/bin/env bash
# Installs what is missing, then builds tamro and runs its tests three ways:
# every test in a normal build, every test with AddressSanitizer and UBSan,
# and the tests that run the worker thread with ThreadSanitizer. Each
# sanitizer stops at its first report.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

run_tests() {
  local folder=$1
  shift
  ctest --test-dir "$folder" --output-on-failure --timeout 300 -j "$(nproc)" "$@"
}

echo "== normal build"
scripts/build.sh build/release -DCMAKE_BUILD_TYPE=RelWithDebInfo
run_tests build/release

echo "== installed files, desktop entry, metainfo and the Debian package"
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cmake --install build/release --prefix "$stage/usr" >/dev/null
desktop-file-validate "$stage/usr/share/applications/org.tamro.tamro.desktop"
appstreamcli validate --no-net "$stage/usr/share/metainfo/org.tamro.tamro.metainfo.xml"
# The file managers' folder actions and the translations; no validator knows
# a KDE service menu or a Nemo action (tst_desktop reads both).
for installed in share/kio/servicemenus/tamro-rename-songs.desktop \
  share/nemo/actions/tamro.nemo_action \
  share/tamro/translations/tamro_{de,es,fr,ja,ko,zh_CN}.qm; do
  [ -f "$stage/usr/$installed" ] || { echo "not installed: $installed" >&2; exit 1; }
done
rm -f build/release/tamro_*.deb
(cd build/release && cpack -G DEB >/dev/null)
dpkg-deb -f build/release/tamro_*.deb Depends Recommends
dpkg-deb -f build/release/tamro_*.deb Depends | grep -q qt6-wayland
dpkg-deb -c build/release/tamro_*.deb

echo "== AddressSanitizer + UndefinedBehaviorSanitizer build"
scripts/build.sh build/asan -DCMAKE_BUILD_TYPE=Debug -DTAMRO_SANITIZE=address,undefined
ASAN_OPTIONS=halt_on_error=1:abort_on_error=1:detect_leaks=1 \
UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  run_tests build/asan

echo "== ThreadSanitizer build (tests that run the worker thread)"
cmake -S . -B build/tsan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTAMRO_SANITIZE=thread >/dev/null
cmake --build build/tsan --target tst_main_dialog tst_jobs tst_desktop tst_worker
TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1:die_after_fork=0:suppressions=$PWD/tests/tsan.supp" \
  run_tests build/tsan -L threads

echo "All tests passed."
