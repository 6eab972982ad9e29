#!/usr/bin/env bash
# Builds the program and starts the demo build: the real program linked to the
# virtual mouse, so it runs without the hardware. With a real mouse, start
# build/bin/mouse-utility instead.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build -G Ninja >/dev/null
cmake --build build --target mouse-utility mouse-utility-demo
exec build/bin/mouse-utility-demo "$@"
