#!/usr/bin/env bash
# Builds and runs every test: the normal build, the address+undefined
# sanitizer build, the thread-sanitizer build of the listener tests, and the
# Windows build (MinGW-w64, the shared Qt kit) with its tests under Wine. The
# end-to-end tests run the program under Xvfb and under a headless sway
# (Wayland), which they start themselves, as an unprivileged user they create
# when run as root.
set -euo pipefail
cd "$(dirname "$0")/.."
begin=$(date +%s)
# Each step's heading says when it starts, so a slow run shows where the time went.
step() { echo "== $* (at $(( $(date +%s) - begin )) s)"; }

step "dependencies"
scripts/deps.sh

jobs=$(nproc)
# The tests spend most of their time waiting (the mouse's pauses, windows
# coming up), so twice as many run at once as there are cores.
tests=$((2 * jobs))

step "build and test"
cmake -S . -B build -G Ninja >/dev/null
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$tests"

# Installs the package on this machine, creates two users and removes both
# again: only where that is ours to do (CI runs as root on a throwaway machine).
step "Debian package: build, validate, install, two users, remove"
if [ "$(id -u)" -eq 0 ]; then
  tests/dist/package.sh build
else
  echo "skipped: needs root"
fi

step "sanitizer build (address, undefined) and test"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DMOUSE_SANITIZE=ON >/dev/null
cmake --build build-asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j "$tests"

# The listener and the command thread are the program's own threads: their
# tests (plug, stage events, unplug, stop and destruction while listening;
# commands handed over, answered and refused) run under the thread sanitizer,
# with the stage texts the language files set while they are read.
# The page engine's own worker threads are left out.
step "thread sanitizer: the event listener and the command thread"
cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DMOUSE_TSAN=ON >/dev/null
cmake --build build-tsan -j "$jobs" --target tst_listener tst_commandthread tst_language
TSAN_OPTIONS="suppressions=$PWD/tests/tsan.supp halt_on_error=1" \
  ctest --test-dir build-tsan --output-on-failure -R '^(tst_listener|tst_commandthread|tst_language)$'

step "Windows build, deployed folder, portable zip and tests under Wine"
scripts/windows.sh --test build-win
step "done"
