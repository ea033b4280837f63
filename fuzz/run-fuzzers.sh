#!/usr/bin/env bash
# Builds the fuzz targets with clang in BUILD_DIR and runs each for SECONDS, starting from the seed
# corpus in fuzz/corpus/<target>/ (the seeds are copied; new inputs stay in the build folder).
# Exits non-zero when a target finds a crash, a sanitizer report, a leak or a broken property; the
# input that caused it is left in BUILD_DIR/fuzz-findings/.
#   usage: fuzz/run-fuzzers.sh BUILD_DIR SECONDS      (DISHLINE_WERROR=ON: warnings are errors)
set -euo pipefail

if [[ $# -ne 2 ]]; then
    echo "usage: $0 BUILD_DIR SECONDS" >&2
    exit 2
fi
build_dir=$(realpath -m "$1")
seconds=$2
source_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cxx=${CXX_FOR_FUZZING:-clang++-14}
targets=(fuzz_ndf fuzz_satcodx)

cmake -S "$source_dir" -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER="$cxx" \
    -DDISHLINE_FUZZ=ON -DDISHLINE_GUI=OFF -DDISHLINE_CLI=OFF -DDISHLINE_TESTS=OFF -DDISHLINE_BENCH=OFF \
    ${DISHLINE_WERROR:+"-DDISHLINE_WERROR=$DISHLINE_WERROR"}
cmake --build "$build_dir" -j2 --target "${targets[@]}"

findings="$build_dir/fuzz-findings"
mkdir -p "$findings"
failed=()
for target in "${targets[@]}"; do
    corpus="$build_dir/fuzz-corpus/$target"
    mkdir -p "$corpus"
    cp -n "$source_dir/fuzz/corpus/$target/"* "$corpus/" 2>/dev/null || true
    echo "== $target: $seconds s"
    if ! "$build_dir/fuzz/$target" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$findings/$target-" "$corpus"; then
        failed+=("$target")
    fi
done

if [[ ${#failed[@]} -gt 0 ]]; then
    echo "findings in: ${failed[*]} (inputs in $findings)" >&2
    exit 1
fi
echo "no findings"
