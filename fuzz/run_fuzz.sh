#!/usr/bin/env bash
# Builds the fuzz target with clang in BUILD_DIR and runs it for SECONDS seconds over the corpus.
# Exits 77 (a skipped test) when clang is not installed.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=${1:?usage: run_fuzz.sh BUILD_DIR [SECONDS]}
seconds=${2:-20}
command -v clang++ >/dev/null || { echo "clang++ not installed: fuzzing skipped"; exit 77; }
generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
cmake -S "$here" -B "$build" "${generator[@]}" -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build" --target dbf_fuzz
corpus="$build/corpus"
mkdir -p "$corpus"
cp -n "$here"/corpus/* "$corpus"/
"$build/dbf_fuzz" -max_total_time="$seconds" -max_len=8192 -rss_limit_mb=2048 -print_final_stats=1 "$corpus"
