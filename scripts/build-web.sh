#!/usr/bin/env bash
# Builds the calculator for web browsers with Debian's Emscripten and writes the static site
# into build/web/ (or the folder given): index.html, tomaro.js, tomaro.wasm, the web app
# manifest, the service worker and the icons. Any web server can serve the folder.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-build/web}
# Emscripten's tools run on Node and need Debian's acorn, which a Node not from Debian does
# not look for by itself.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
emcmake cmake -S . -B build/web-cmake -DCMAKE_BUILD_TYPE=MinSizeRel >/dev/null
cmake --build build/web-cmake -j"$(nproc)" --target tomaro-web

mkdir -p "$out/icons"
cp build/web-cmake/platform/web/tomaro.js build/web-cmake/platform/web/tomaro.wasm \
    platform/web/index.html platform/web/manifest.webmanifest "$out/"
cp resources/icons/tomaro.svg resources/icons/tomaro-192.png resources/icons/tomaro-512.png \
    "$out/icons/"
# The service worker's cache is named after what it keeps: a new build is a new cache.
build=$(cd "$out" && cat index.html tomaro.js tomaro.wasm manifest.webmanifest icons/* |
    sha256sum | cut -c1-16)
sed "s/@BUILD@/$build/" platform/web/sw.js >"$out/sw.js"
echo "build-web.sh: wrote $out (build $build)"
