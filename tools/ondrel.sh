#!/usr/bin/env bash
# One entry point for setting up, building, testing and demonstrating the
# plug-in on Debian 12.
#
#   tools/ondrel.sh demo   install packages, build, install the VST3 and LV2
#                          into the user's plug-in folders, render the demo
#   tools/ondrel.sh test   install packages, build, run every test suite
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${ONDREL_BUILD_DIR:-$here/build}"
jobs="${ONDREL_JOBS:-$(nproc)}"

packages=(
    build-essential cmake pkg-config ccache git
    juce-modules-source libjuce-doc
    libfreetype-dev libxcursor-dev libxrender-dev libxcomposite-dev libxinerama-dev libxrandr-dev
    libasound2-dev libcurl4-openssl-dev libgtk-3-dev libwebkit2gtk-4.0-dev
    libflac-dev libvorbis-dev libogg-dev libpng-dev libjpeg-dev zlib1g-dev
    libgtest-dev googletest libbenchmark-dev
    clang libclang-rt-14-dev
    xvfb xauth x11-utils
    guitarix-lv2
)

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

install_packages() {
    local missing=()
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    if [ "${#missing[@]}" -gt 0 ]; then
        echo "== installing ${missing[*]}"
        as_root apt-get update -qq
        as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
    fi
}

configure_and_build() {
    cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Release
    cmake --build "$build" -j "$jobs"
}

install_plugins() {
    local artefacts="$build/OndrelQX2718_artefacts/Release"
    mkdir -p "$HOME/.vst3" "$HOME/.lv2"
    rm -rf "$HOME/.vst3/Ondrel QX2718.vst3" "$HOME/.lv2/Ondrel QX2718.lv2"
    cp -r "$artefacts/VST3/Ondrel QX2718.vst3" "$HOME/.vst3/"
    cp -r "$artefacts/LV2/Ondrel QX2718.lv2" "$HOME/.lv2/"
    echo "== installed VST3 into $HOME/.vst3 and LV2 into $HOME/.lv2"
    echo "== standalone app: $artefacts/Standalone/Ondrel QX2718"
}

run_tests() {
    local runner=()
    command -v xvfb-run >/dev/null && runner=(xvfb-run -a -s "-screen 0 1280x1024x24")
    "${runner[@]}" ctest --test-dir "$build" --output-on-failure -j 2

    for job in "$here"/tools/ci/*.sh; do
        [ -x "$job" ] || continue
        echo "== $(basename "$job")"
        "$job"
    done
}

case "${1:-}" in
    demo)
        install_packages
        configure_and_build
        install_plugins
        "$build/bin/ondrel-render" --out-dir "$here/out/demo"
        ;;
    test)
        install_packages
        configure_and_build
        run_tests
        ;;
    *)
        echo "usage: tools/ondrel.sh demo|test" >&2
        exit 2
        ;;
esac
