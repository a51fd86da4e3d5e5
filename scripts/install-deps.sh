#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing Kelvo need.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config clang libclang-rt-14-dev
    zlib1g-dev libxml2-dev libgtest-dev libgmock-dev libbenchmark-dev
    qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools libgl-dev
    qt6-translations-l10n
    xvfb xauth xdotool fonts-dejavu-core
    emscripten chromium dpkg-dev lintian
    libspng-dev libisal-dev
)
# The web build (scripts/build-web.sh) compiles zlib, libdeflate and libspng from their Debian source
# packages.
src_list=/etc/apt/sources.list.d/kelvo-deb-src.sources
need_src_list=0
grep -rqs '^Types:.*deb-src\|^deb-src' /etc/apt/sources.list /etc/apt/sources.list.d/ || need_src_list=1
# node and npm may come from elsewhere than Debian; install Debian's only where they are missing.
command -v node >/dev/null || packages+=(nodejs)
command -v npm >/dev/null || packages+=(npm)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && [ $need_src_list -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
export DEBIAN_FRONTEND=noninteractive
if [ $need_src_list -eq 1 ]; then
    # Sources from the archive that apt already uses for the release's main component.
    . /etc/os-release
    archive=$(grep -hs '^URIs:' /etc/apt/sources.list.d/*.sources | awk '{print $2; exit}')
    keyring=$(grep -hs '^Signed-By:' /etc/apt/sources.list.d/*.sources | awk '{print $2; exit}')
    [ -n "$archive" ] || archive=$(awk '$1 == "deb" {print $2; exit}' /etc/apt/sources.list)
    {
        printf 'Types: deb-src\nURIs: %s\nSuites: %s\nComponents: main\n' "$archive" \
            "$VERSION_CODENAME"
        [ -z "$keyring" ] || printf 'Signed-By: %s\n' "$keyring"
    } | $sudo tee "$src_list" >/dev/null
fi
[ ${#missing[@]} -eq 0 ] && { $sudo apt-get update -qq; exit 0; }
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
