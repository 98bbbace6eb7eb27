#!/usr/bin/env bash
# Builds fuzz target TARGET (dbf_fuzz, ntx_fuzz, expression_fuzz or ini_fuzz) with clang in BUILD_DIR
# and runs it for SECONDS seconds over its corpus (fuzz/corpus/ plus the target's name without _fuzz).
# Exits 77 (a skipped test) when clang is not installed.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=${1:?usage: run_fuzz.sh BUILD_DIR TARGET [SECONDS]}
target=${2:?usage: run_fuzz.sh BUILD_DIR TARGET [SECONDS]}
seconds=${3:-20}
command -v clang++ >/dev/null || { echo "clang++ not installed: fuzzing skipped"; exit 77; }
generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
cmake -S "$here" -B "$build" "${generator[@]}" -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build" --target "$target"
name=${target%_fuzz}
corpus="$build/corpus/$name"
mkdir -p "$corpus"
cp -n "$here/corpus/$name"/* "$corpus"/
"$build/$target" -max_total_time="$seconds" -max_len=16384 -rss_limit_mb=2048 -print_final_stats=1 "$corpus"
