#!/usr/bin/env bash
# Starts the built Standalone app on a virtual X display, checks that its
# window appears, then asks it to quit and checks that it goes within a few
# seconds: SIGINT is the app's quit request (exit status 0), SIGTERM must end
# it without a crash or a hang.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
build="${ONDREL_BUILD_DIR:-$here/build}"
app="$build/OndrelQX2718_artefacts/Release/Standalone/Ondrel QX2718"
window_title="Ondrel QX2718"
startup_seconds=30
quit_seconds=5

if [ ! -x "$app" ]; then
    echo "standalone-smoke: no Standalone app at $app" >&2
    exit 1
fi

for tool in xvfb-run xwininfo; do
    command -v "$tool" >/dev/null || { echo "standalone-smoke: $tool is missing" >&2; exit 1; }
done

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

# One run inside the virtual display: start, wait for the window, send the
# signal, wait for the exit. Prints the exit status.
cat > "$scratch/run.sh" <<'INNER'
#!/usr/bin/env bash
set -u
app="$1"; title="$2"; signal="$3"; startup="$4"; quit="$5"
"$app" >/dev/null 2>&1 &
pid=$!

shown=no
for _ in $(seq $((startup * 10))); do
    if xwininfo -root -tree 2>/dev/null | grep -q "\"$title\""; then shown=yes; break; fi
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done

if [ "$shown" != yes ]; then
    echo "no window titled \"$title\" appeared" >&2
    kill -KILL "$pid" 2>/dev/null
    exit 10
fi

kill "-$signal" "$pid"
for _ in $(seq $((quit * 10))); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done

if kill -0 "$pid" 2>/dev/null; then
    echo "still running ${quit} s after SIG$signal" >&2
    kill -KILL "$pid" 2>/dev/null
    exit 11
fi

wait "$pid"
echo "exit:$?"
INNER
chmod +x "$scratch/run.sh"

check() {
    local signal="$1" accepted="$2" output status
    mkdir -p "$scratch/home-$signal"
    output="$(HOME="$scratch/home-$signal" xvfb-run -a -s "-screen 0 1024x768x24" \
        "$scratch/run.sh" "$app" "$window_title" "$signal" "$startup_seconds" "$quit_seconds")" || {
        echo "standalone-smoke: SIG$signal run failed" >&2
        return 1
    }
    status="${output##*exit:}"
    if [[ " $accepted " != *" $status "* ]]; then
        echo "standalone-smoke: after SIG$signal the app exited with status $status (expected one of: $accepted)" >&2
        return 1
    fi
    echo "standalone-smoke: window shown, SIG$signal -> exit status $status"
}

check INT "0"
check TERM "0 143"
