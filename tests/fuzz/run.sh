#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time.
# Usage: tests/fuzz/run.sh [seconds per target] [target...]
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds=${1:-30}
shift || true
build=build-fuzz
CC=clang CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DKVOR_FUZZ=ON -DKVOR_BUILD_GUI=ON -DKVOR_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target fuzz_all

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for src in tests/fuzz/*_fuzz.cpp; do targets+=("$(basename "$src" .cpp)"); done
fi
# Leaks of the system's libraries under the window are not ours to find.
export LSAN_OPTIONS="suppressions=$PWD/tests/fuzz/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
status=0
for t in "${targets[@]}"; do
  work=$(mktemp -d)
  [ -d "tests/fuzz/corpus/$t" ] && cp -r "tests/fuzz/corpus/$t/." "$work/"
  echo "-- $t (${seconds}s)"
  if ! "$build/bin/$t" -max_total_time="$seconds" -timeout=5 -rss_limit_mb=2048 \
       -artifact_prefix="$build/$t-" -print_final_stats=1 "$work" 2>"$build/$t.log"; then
    echo "FINDING in $t:"; tail -n 40 "$build/$t.log"; status=1
  else
    grep -E 'stat::number_of_executed_units|stat::peak_rss_mb' "$build/$t.log" | tr '\n' ' '; echo
  fi
  rm -rf "$work"
done
exit $status
