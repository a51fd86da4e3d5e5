#!/usr/bin/env bash
# Whole-process timing: `kelvo-tool encode` plus `kelvo-tool decode` of one 10 KB text in a 12 MP
# photograph, beside `steghide embed` plus `steghide extract` of the same 10 KB in the same
# picture as BMP, in one run; best of three each. steghide is installed here only as a timing
# baseline. Not part of CI.
# Usage: bench/steghide_compare.sh [BUILD_DIR]   (default build/release, configured already)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}

if ! command -v steghide >/dev/null; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo apt-get install -y -qq --no-install-recommends steghide >/dev/null ||
        { $sudo apt-get update -qq && $sudo apt-get install -y -qq --no-install-recommends steghide >/dev/null; }
fi
cmake --build "$build" --target kelvo-tool kelvo_benchphoto >/dev/null
tool=$build/tools/kelvo-tool

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$build/bench/kelvo_benchphoto" "$work/photo.png" "$work/photo.bmp"
head -c 7680 /dev/urandom | base64 -w 0 >"$work/secret.txt" # 10240 characters
printf '{"regions": [{"polygons": [[[100,100],[3900,100],[3900,2900],[100,2900]]], "texts": ["%s"]}]}\n' \
    "$(cat "$work/secret.txt")" >"$work/notes.json"

# "wall cpu": seconds of the best of three runs of the command given, by wall clock and by CPU
# (user + system). Both, because the machines are shared: CPU time holds still under load.
best_of_three() {
    local best_wall="" best_cpu="" line wall cpu
    for _ in 1 2 3; do
        line=$( { TIMEFORMAT='%R %U %S'; time "$@" >/dev/null; } 2>&1 | tail -n 1)
        wall=$(echo "$line" | awk '{ print $1 }')
        cpu=$(echo "$line" | awk '{ print $2 + $3 }')
        best_wall=$(awk -v a="${best_wall:-$wall}" -v b="$wall" 'BEGIN { print (b < a ? b : a) }')
        best_cpu=$(awk -v a="${best_cpu:-$cpu}" -v b="$cpu" 'BEGIN { print (b < a ? b : a) }')
    done
    echo "$best_wall $best_cpu"
}

kelvo_encode() { "$tool" encode "$work/photo.png" "$work/coded.png" "$work/notes.json"; }
kelvo_decode() { "$tool" decode "$work/coded.png" | tee "$work/decoded.json"; }
steg_embed() { steghide embed -q -f -cf "$work/photo.bmp" -ef "$work/secret.txt" -sf "$work/stego.bmp" -p kelvo; }
steg_extract() { steghide extract -q -f -sf "$work/stego.bmp" -xf "$work/extracted.txt" -p kelvo; }

read -r encode encode_cpu <<<"$(best_of_three kelvo_encode)"
read -r decode decode_cpu <<<"$(best_of_three kelvo_decode)"
grep -q "$(head -c 64 "$work/secret.txt")" "$work/decoded.json" || { echo "kelvo-tool lost the text"; exit 1; }
read -r embed embed_cpu <<<"$(best_of_three steg_embed)"
read -r extract extract_cpu <<<"$(best_of_three steg_extract)"
cmp -s "$work/secret.txt" "$work/extracted.txt" || { echo "steghide lost the text"; exit 1; }

echo "machine: $(nproc) cores, $(awk '/MemTotal/ {printf "%.1f GB", $2 / 1048576}' /proc/meminfo), load $(cut -d' ' -f1-3 /proc/loadavg)"
echo "seconds (wall / cpu)"
echo "kelvo-tool encode ${encode} / ${encode_cpu} + decode ${decode} / ${decode_cpu}"
echo "steghide   embed  ${embed} / ${embed_cpu} + extract ${extract} / ${extract_cpu}"
awk -v e="$encode" -v d="$decode" -v m="$embed" -v x="$extract" \
    -v ec="$encode_cpu" -v dc="$decode_cpu" -v mc="$embed_cpu" -v xc="$extract_cpu" \
    'BEGIN { printf "steghide / kelvo-tool: %.2f wall, %.2f cpu (target: at least 3)\n", (m + x) / (e + d), (mc + xc) / (ec + dc) }'
