#!/usr/bin/env bash
# Builds every fuzz target (clang, libFuzzer, AddressSanitizer and UBSan) in
# build/fuzz and runs each for SECONDS (default 60) from its seed corpus in
# fuzz/corpus/<target>/, printing one line per target. Exits non-zero when
# any target found something; the input that did it is kept in
# build/fuzz/findings/<target>/ (add it to the corpus once the fault is
# mended). New inputs found on the way go to a temporary folder, not into the
# repository.
#
#   scripts/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
build=build/fuzz
if ! command -v clang++-14 >/dev/null; then
  echo "fuzz.sh needs clang with libFuzzer: apt-get install clang-14 libclang-rt-14-dev" >&2
  exit 2
fi

CC=clang-14 CXX=clang++-14 cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTAMRO_FUZZ=ON -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" --target fuzz_targets >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
found=0
for corpus in fuzz/corpus/*/; do
  name=$(basename "$corpus")
  findings="$build/findings/$name"
  rm -rf "$findings"
  mkdir -p "$findings" "$work/$name"
  log="$work/$name.log"
  status=0
  # -close_fd_mask=3: the command-line targets print help and usage; the
  # findings are still reported. -max_len with -len_control=0: inputs of a
  # few KiB from the start, long enough to cross the song-list reader's
  # reads (small in this build) and its bound on a line.
  ASAN_OPTIONS=halt_on_error=1:abort_on_error=1:detect_leaks=1 \
  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
    "$build/fuzz/$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=4096 -len_control=0 \
      -close_fd_mask=3 -print_final_stats=1 -artifact_prefix="$findings/" \
      "$work/$name" "$corpus" >"$log" 2>&1 || status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  crashes=$(find "$findings" -type f | wc -l)
  echo "$name: ${runs:-0} runs, $crashes crashes"
  if [ "$status" -ne 0 ] || [ "$crashes" -ne 0 ]; then
    found=1
    grep -E 'ERROR|rule broken|SUMMARY|runtime error|Test unit written' "$log" | head -n 20 >&2 || true
  fi
done
exit "$found"
