#!/usr/bin/env bash
# The unit, host and fuzz suites again under AddressSanitizer and
# UndefinedBehaviorSanitizer, built with clang in a build folder of their own.
# Any report fails the run: sanitizers stop at the first finding.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
build="${ONDREL_ASAN_BUILD_DIR:-$here/build-asan}"
source "$here/tools/ci/lib/sanitized-build.bash"

sanitized_build "$build" address,undefined -DONDREL_BUILD_FUZZERS=ON

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1"
export LSAN_OPTIONS="suppressions=$here/tools/ci/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

runner=()
command -v xvfb-run >/dev/null && runner=(xvfb-run -a -s "-screen 0 1280x1024x24")
"${runner[@]}" ctest --test-dir "$build" --output-on-failure -j 2
