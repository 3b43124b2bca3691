# Sourced by the sanitizer jobs: configures and builds a clang build folder of
# its own with the given sanitizers and extra CMake arguments, from the source
# tree in $here (set by the job).
#
#   sanitized_build FOLDER SANITIZERS [cmake arguments...] [-- build targets...]

sanitized_build() {
    local build="$1" sanitizers="$2"
    shift 2
    local configure=() targets=()
    while [ "$#" -gt 0 ] && [ "$1" != "--" ]; do configure+=("$1"); shift; done
    [ "$#" -gt 0 ] && shift
    targets=("$@")

    cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
        -DONDREL_SANITIZE="$sanitizers" \
        -DONDREL_BUILD_BENCHMARKS=OFF -DONDREL_BUILD_TOOLS=OFF "${configure[@]}"

    cmake --build "$build" -j "${ONDREL_JOBS:-$(nproc)}" ${targets[@]+--target "${targets[@]}"}
}
