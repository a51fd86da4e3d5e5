#!/usr/bin/env bash
# Builds the web viewer into build/web/: the codec as WebAssembly (kelvo-codec.mjs + .wasm, from
# web/wasm with Emscripten), kelvo-decode.mjs, the viewer kelvo-web.js with its worker,
# KelvoPluginTest.js, the converted dictionary, the viewer's texts in every language
# (kelvo-texts-<language>.json), the coded samples and the demo page index.html.
# Needs the native tools, built here in build/dev (or $KELVO_NATIVE_BUILD) unless present, and
# the zlib, libdeflate and libspng sources, fetched with `apt-get source` into build/web-deps
# once.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
native=${KELVO_NATIVE_BUILD:-build/dev}
out=build/web
deps=build/web-deps
export NODE_PATH=${NODE_PATH:-/usr/share/nodejs}

echo "== native tools for the web build ($native)"
[ -f "$native/CMakeCache.txt" ] || cmake --preset dev >/dev/null
cmake --build "$native" -j "$(nproc)" --target kelvo-tool kelvo_data kelvo-web-dict \
    kelvo_web_texts

# The sources of zlib, libdeflate and libspng, fetched once with apt-get source.
source_tree() { # PACKAGE DIR-PREFIX
    local dir
    dir=$(find "$deps" -maxdepth 1 -type d -name "$2-*" 2>/dev/null | head -n1 || true)
    if [ -z "$dir" ]; then
        mkdir -p "$deps"
        (cd "$deps" && apt-get source "$1" >/dev/null 2>&1) || {
            echo "build-web.sh: cannot fetch the $1 sources; scripts/install-deps.sh adds the" \
                 "deb-src line that apt-get source needs" >&2
            exit 2
        }
        dir=$(find "$deps" -maxdepth 1 -type d -name "$2-*" | head -n1)
    fi
    echo "$root/$dir"
}
echo "== zlib, libdeflate and libspng sources"
zlib_dir=$(source_tree zlib zlib)
deflate_dir=$(source_tree libdeflate libdeflate)
spng_dir=$(source_tree libspng libspng)

echo "== WebAssembly codec"
emcmake cmake -S web/wasm -B build/web-wasm -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DKELVO_ZLIB_SOURCE="$zlib_dir" -DKELVO_SPNG_SOURCE="$spng_dir" \
    -DKELVO_LIBDEFLATE_SOURCE="$deflate_dir" >/dev/null
cmake --build build/web-wasm
if grep -Eq '\beval\(|new Function' build/web-wasm/kelvo-codec.mjs; then
    echo "build-web.sh: kelvo-codec.mjs calls eval or new Function" >&2
    exit 1
fi

echo "== $out"
mkdir -p "$out/samples"
cp build/web-wasm/kelvo-codec.mjs build/web-wasm/kelvo-codec.wasm "$out/"
cp web/kelvo-codec-api.mjs web/kelvo-decode.mjs web/kelvo-worker.mjs web/kelvo-web.js \
   web/kelvo-web.mjs web/kelvo-web.d.ts web/package.json web/KelvoPluginTest.js web/demo/* "$out/"
rm -rf "$out/viewer" && cp -r web/viewer "$out/"
chmod +x "$out/kelvo-decode.mjs"
cp "$native/kelvo/My Kelvos/"*.png "$out/samples/"
cp "$native/web/texts/"kelvo-texts-*.json "$out/"
printf 'This is not a picture.\n' >"$out/samples/not-a-picture.png"
KELVO_DIR="$native/kelvo/" "$native/web/dictexport/kelvo-web-dict" "$out/kelvo-dictionary.json"
echo "built $out: open it with (cd $out && python3 -m http.server) and http://127.0.0.1:8000/"
