#!/usr/bin/env bash
# Sets up a Debian 12 machine, builds Kelvo and starts the editor on the build's delivered data
# (KELVO_DIR) with the coded sample pictures and the plain sample picture open. Extra arguments
# go to the editor (more pictures, --help ...).
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

editor=build/release/editor/kelvo
pictures=("$samples/village.png" "$samples/comic.png" "$samples/harbour.png")
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    shot="$PWD/build/release/kelvo-editor.png"
    echo "No display: running the editor under Xvfb and saving a screenshot to $shot"
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$editor" "${pictures[@]}" --screenshot "$shot" "$@"
fi
exec "$editor" "${pictures[@]}" "$@"
