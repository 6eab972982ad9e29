#!/usr/bin/env bash
# Compiles the Windows implementations of the platform layer with the MinGW-w64
# cross compiler, so they keep building on a machine without Windows.
set -euo pipefail
cd "$(dirname "$0")/.."
cxx=x86_64-w64-mingw32-g++
command -v "$cxx" >/dev/null || { echo "$cxx not found" >&2; exit 1; }
n=0
for f in platform/win/*.cpp; do
  "$cxx" -std=c++17 -Wall -Wextra -Werror -fsyntax-only -Iplatform -Iplatform/win "$f"
  n=$((n + 1))
done
echo "Windows sources compile: $n files"
