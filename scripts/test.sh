#!/usr/bin/env bash
# Sets up, builds and runs every test: once in a normal build, once under
# AddressSanitizer and UndefinedBehaviorSanitizer. Headless throughout.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=0
JOBS=$(nproc)

for config in debug asan; do
  dir=build/$config
  flags=(-DCMAKE_BUILD_TYPE=Debug)
  # The benchmarks are built (not run) once, so they keep compiling.
  [ "$config" = debug ] && flags+=(-DQV_BENCH=ON)
  [ "$config" = asan ] && flags+=(-DQV_SANITIZE=ON)
  echo "== $config build"
  cmake -S . -B "$dir" -G Ninja "${flags[@]}" >/dev/null
  cmake --build "$dir" -j "$JOBS"
  echo "== $config tests"
  ctest --test-dir "$dir" --output-on-failure -j "$JOBS"
done
