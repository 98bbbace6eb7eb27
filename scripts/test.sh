#!/usr/bin/env bash
# Installs what is missing, configures, builds and runs every test. With --sanitize the same happens
# in build-asan, a build with AddressSanitizer and UndefinedBehaviorSanitizer; with --release in
# build-release, optimised as a packager builds it (-O3 -DNDEBUG).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
build=build
options=()
case "${1:-}" in
  --sanitize)
    build=build-asan
    options=(-DPALUNDA_SANITIZE=ON)
    ;;
  --release)
    build=build-release
    options=(-DCMAKE_BUILD_TYPE=Release)
    ;;
esac
bash scripts/install-deps.sh
cmake -S . -B "$build" -G Ninja "${options[@]}"
cmake --build "$build"
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
