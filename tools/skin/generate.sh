#!/usr/bin/env bash
# Rebuilds every skin image under ui/modules/img from the drawings in this
# folder. Needs a Chinese font (fonts-wqy-microhei) for the Chinese images.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
out=${1:-$here/../../ui/modules/img}
build=$(mktemp -d)
trap 'rm -rf "$build"' EXIT
cmake -S "$here" -B "$build" -G Ninja >/dev/null
ninja -C "$build" >/dev/null
QT_QPA_PLATFORM=offscreen "$build/skin-generator" "$out"
