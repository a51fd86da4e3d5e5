#!/usr/bin/env bash
# Sets up a Debian 12 machine, builds Kelvo and shows the shipped sample page in the plug-in
# host, with the build's delivered data as KELVO_DIR. Extra arguments go to the host.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc)"

export KELVO_DIR="$PWD/build/release/kelvo/"
samples="$KELVO_DIR/My Kelvos"
for picture in "$samples"/*.png; do
    printf '%s: ' "$(basename "$picture")"
    build/release/tools/kelvo-tool test "$picture" || true
done

host=build/release/plugin/host/npkelvo-host
page="$samples/kelvo.html"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    shot="$PWD/build/release/kelvo-sample.png"
    echo "No display: running the host under Xvfb and saving a screenshot to $shot"
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$host" "$page" --hover 150,110 --screenshot "$shot" --quit "$@"
fi
exec "$host" "$page" "$@"
