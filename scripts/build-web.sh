#!/usr/bin/env bash
# Builds the web viewer into build/web/: the codec as WebAssembly (kelvo-codec.mjs + .wasm, from
# web/wasm with Emscripten), kelvo-decode.mjs, the viewer kelvo-web.js with its worker,
# KelvoPluginTest.js, the converted dictionary, the coded samples and the demo page index.html.
# Needs the native tools, built here in build/dev (or $KELVO_NATIVE_BUILD) unless present, and
# the zlib sources, fetched with `apt-get source zlib` into build/web-deps once.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
native=${KELVO_NATIVE_BUILD:-build/dev}
out=build/web
deps=build/web-deps
export NODE_PATH=${NODE_PATH:-/usr/share/nodejs}

echo "== native tools for the web build ($native)"
[ -f "$native/CMakeCache.txt" ] || cmake --preset dev >/dev/null
cmake --build "$native" -j "$(nproc)" --target kelvo-tool kelvo_data kelvo-web-dict

zlib_dir=$(find "$deps" -maxdepth 1 -type d -name 'zlib-*' 2>/dev/null | head -n1 || true)
if [ -z "$zlib_dir" ]; then
    echo "== zlib sources"
    mkdir -p "$deps"
    (cd "$deps" && apt-get source zlib >/dev/null) || {
        echo "build-web.sh: cannot fetch the zlib sources; scripts/install-deps.sh adds the" \
             "deb-src line that apt-get source needs" >&2
        exit 2
    }
    zlib_dir=$(find "$deps" -maxdepth 1 -type d -name 'zlib-*' | head -n1)
fi

echo "== WebAssembly codec"
emcmake cmake -S web/wasm -B build/web-wasm -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DKELVO_ZLIB_SOURCE="$root/$zlib_dir" >/dev/null
cmake --build build/web-wasm

echo "== $out"
mkdir -p "$out/samples"
cp build/web-wasm/kelvo-codec.mjs build/web-wasm/kelvo-codec.wasm "$out/"
cp web/kelvo-codec-api.mjs web/kelvo-decode.mjs web/kelvo-worker.mjs web/kelvo-web.js \
   web/kelvo-web.mjs web/kelvo-web.d.ts web/package.json web/KelvoPluginTest.js web/demo/* "$out/"
rm -rf "$out/viewer" && cp -r web/viewer "$out/"
chmod +x "$out/kelvo-decode.mjs"
cp "$native/kelvo/My Kelvos/"*.png "$out/samples/"
printf 'This is not a picture.\n' >"$out/samples/not-a-picture.png"
KELVO_DIR="$native/kelvo/" "$native/web/dictexport/kelvo-web-dict" "$out/kelvo-dictionary.json"
echo "built $out: open it with (cd $out && python3 -m http.server) and http://127.0.0.1:8000/"
