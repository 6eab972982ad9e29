#!/usr/bin/env bash
# Prints the CPU the demo program uses over 10 s with a quiet mouse attached:
# the event listener reopens the event interface twice a second, so this is
# the program's cost of simply running in the tray. Target: under 1 % of a core.
# Measured twice: per-application profiles off, then on (a rules file beside
# the program, the X11 focus watcher running): the target is the same figure.
# Usage: bench/idle_cpu.sh [build folder]   (runs under Xvfb)
set -euo pipefail
build=${1:-build}
exe=$build/bin/mouse-utility-demo
[ -x "$exe" ] || { echo "build $exe first" >&2; exit 1; }
seconds=10
export VIRTUALMOUSE_ATTACH=1040

measure() {
  "$exe" >/dev/null 2>&1 &
  local pid=$! tick
  tick=$(getconf CLK_TCK)
  sleep 3  # start-up and the page's first second are not idle
  local t0 c0 t1 c1
  t0=$(date +%s%N); c0=$(awk '{print $14 + $15}' /proc/$pid/stat)
  sleep "$seconds"
  t1=$(date +%s%N); c1=$(awk '{print $14 + $15}' /proc/$pid/stat)
  kill "$pid"; wait "$pid" 2>/dev/null || true
  awk -v c=$((c1 - c0)) -v tick="$tick" -v ns=$((t1 - t0)) -v what="$1" \
    'BEGIN { printf "idle CPU, %s: %.2f %% of one core over %.1f s (%d ticks)\n", what, 100 * c / tick / (ns / 1e9), ns / 1e9, c }'
}

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
rules=$(dirname "$exe")/modules/setting/app-profiles.json
[ -e "$rules" ] && { echo "$rules exists: move it aside first" >&2; exit 1; }
measure "per-application profiles off"
trap 'rm -f "$rules"' EXIT
echo '{ "enabled": true, "otherApps": 0, "rules": [ { "app": "game", "profile": 1 } ] }' >"$rules"
measure "per-application profiles on"
