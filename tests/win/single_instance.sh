#!/usr/bin/env bash
# The single-instance lock under Wine: after the instance was ended from
# outside (wineserver -k) and after starts killed at random moments, the
# next start shows the window, and a start that takes a lock over says so.
#   single_instance.sh DEPLOY
set -uo pipefail
. "$(dirname "$0")/lib.sh"
deploy=$1

copy_deployed "$deploy"
# With a mouse the window stays on screen (Wine has a tray to hide it in otherwise).
export VIRTUALMOUSE_ATTACH=1040
# shows_window WHAT: a fresh start shows its window; the log says why when not.
shows_window() {
  : >"$work/log"
  start_program mouse-utility-demo.exe
  wait_visible 1 60 || fail "$1: no window"
}

shows_window "first start"
/usr/lib/wine/wineserver -k; sleep 1
shows_window "start after wineserver -k"
grep -q "took over the single-instance lock" "$work/log" || echo "note: no take-over line (Wine judged the lock itself)"
/usr/lib/wine/wineserver -k; sleep 1

# Starts killed at random moments of their start-up.
for i in 1 2 3 4 5 6; do
  start_program mouse-utility-demo.exe
  victim=${pids[-1]}
  sleep "0.$((RANDOM % 10))"
  kill -9 "$victim" 2>/dev/null; wait "$victim" 2>/dev/null
  /usr/lib/wine/wineserver -k; sleep 0.5
done
shows_window "start after random kills"
echo ok
