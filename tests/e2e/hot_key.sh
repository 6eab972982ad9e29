#!/usr/bin/env bash
# On a desktop with a tray (the fake tray host on a private bus) the running
# program without a mouse hides its window; Shift+Alt+F12 typed anywhere on
# the desktop brings it back, F12 alone does not.
set -uo pipefail
. "$(dirname "$0")/lib.sh"

exe=$1

install_copy "$exe" "$work/app"
start_bus
start_fakes --tray
title=$(sed -n 's/^name1=//p' "$work/app/modules/setting/apConfig.bin")
"$work/app/$(basename "$exe")" >"$work/log" 2>&1 & pids+=($!)
wait_window "$title" || fail "no window"
for ((i = 0; i < 100; i++)); do grep -q "Device Error" "$work/log" && break; sleep 0.1; done
grep -q "Device Error" "$work/log" || fail "no 'Device Error' without a mouse"
wait_for 10 grep -q "^tray-item" "$work/desktop.log" || fail "no tray icon registered"
grep -q "^session" "$work/desktop.log" && fail "under X11 the hot key went to the desktop portal"
sleep 0.5
visible() { xdotool search --onlyvisible --name "^${title}\$" >/dev/null 2>&1; }
visible && fail "the window stays visible without a mouse"

xdotool key F12; sleep 0.5
visible && fail "F12 alone shows the window"
xdotool key shift+alt+F12
for ((i = 0; i < 50; i++)); do visible && break; sleep 0.1; done
visible || fail "Shift+Alt+F12 does not show the hidden window"
echo ok
