#!/usr/bin/env bash
# Installs what is missing, configures, builds and runs every test. With --sanitize the same happens
# in build-asan, a build with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
build=build
options=()
if [ "${1:-}" = "--sanitize" ]; then
  build=build-asan
  options=(-DPALUNDA_SANITIZE=ON)
fi
bash scripts/install-deps.sh
cmake -S . -B "$build" -G Ninja "${options[@]}"
cmake --build "$build"
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
