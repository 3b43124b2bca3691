#!/usr/bin/env bash
# The unit, host and fuzz suites again under AddressSanitizer and
# UndefinedBehaviorSanitizer, built with clang in a build folder of their own.
# Any report fails the run: sanitizers stop at the first finding.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
build="${ONDREL_ASAN_BUILD_DIR:-$here/build-asan}"
jobs="${ONDREL_JOBS:-$(nproc)}"

cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DONDREL_SANITIZE=address,undefined -DONDREL_BUILD_FUZZERS=ON \
    -DONDREL_BUILD_BENCHMARKS=OFF -DONDREL_BUILD_TOOLS=OFF
cmake --build "$build" -j "$jobs"

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1"
export LSAN_OPTIONS="suppressions=$here/tools/ci/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

runner=()
command -v xvfb-run >/dev/null && runner=(xvfb-run -a -s "-screen 0 1280x1024x24")
"${runner[@]}" ctest --test-dir "$build" --output-on-failure -j 2
