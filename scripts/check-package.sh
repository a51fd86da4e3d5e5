#!/usr/bin/env bash
# Builds the Debian package from a configured and built tree (default build/dev), checks it with
# lintian (any error fails), installs it with apt, runs the installed programs without KELVO_DIR
# and removes it again. Needs root (or sudo) for apt.
#   scripts/check-package.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build/dev}")
sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo

rm -f "$build"/kelvo_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/kelvo_*_amd64.deb)
echo "built $deb"

# lintian prints one line per finding (E: errors, W: warnings, ...) and fails on any error, or
# when it cannot check the package at all.
status=0
lintian --tag-display-limit 0 --fail-on error "$deb" >"$build/lintian.txt" || status=$?
cat "$build/lintian.txt"
[ $status -eq 0 ] || { echo "lintian: errors in $deb (exit $status)" >&2; exit 1; }

work=$(mktemp -d)
trap '$sudo apt-get remove -y -qq kelvo >/dev/null 2>&1 || true; rm -rf "$work"' EXIT
# apt wants a path it can read as its unprivileged user.
cp "$deb" "$work/" && chmod -R a+rX "$work"
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "$work/$(basename "$deb")" >/dev/null

export HOME="$work/home" QT_QPA_PLATFORM=offscreen
mkdir -p "$HOME"
unset KELVO_DIR XDG_DATA_HOME
cd "$HOME"
kelvo --version
# Fails unless the output of the command that follows contains `expected`; the whole output is
# read first, so that the command is not cut off by a closed pipe.
expect() {
    local expected=$1 out
    shift
    out=$("$@")
    grep -qF -- "$expected" <<<"$out" || { echo "$*: no $expected in: $out" >&2; exit 1; }
}
# The installed sample's dictionary entry, and its French term from the installed dictionary.
expect '<_ID 222><house>house' kelvo-tool decode "/usr/share/kelvo/My Kelvos/village.png"
expect '"fr": {"primary": "maison"' kelvo-tool dict lookup 222
# The plug-in beside its stand-in browser: the house's German term from the installed dictionary.
expect 'better.\n• Haus' /usr/lib/kelvo/npkelvo-host "/usr/share/kelvo/My Kelvos/kelvo.html" \
    --hover 120,150 --dump --quit
kelvo --screenshot "$work/kelvo.png" "/usr/share/kelvo/My Kelvos/village.png"
test -s "$work/kelvo.png"
# Nothing of the user's lands in the installed tree.
test -z "$(dpkg -V kelvo)"
$sudo apt-get remove -y -qq kelvo >/dev/null
echo "package check passed"
