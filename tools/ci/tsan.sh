#!/usr/bin/env bash
# The thread hand-over tests (the processor's switch timer and the models'
# timers against a running audio thread) and the processor's switch tests
# under ThreadSanitizer, in a build folder of their own.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
build="${ONDREL_TSAN_BUILD_DIR:-$here/build-tsan}"
source "$here/tools/ci/lib/sanitized-build.bash"

sanitized_build "$build" thread -- ondrel_realtime_tests ondrel_shell_tests

export TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1:suppressions=$here/tools/ci/tsan.supp"

ctest --test-dir "$build" --output-on-failure -R 'ThreadHandOver|RealTimeSafety|ProcessorSwitch'
