#!/usr/bin/env bash
# The low-level keyboard hook of the deployed program under Wine: without a
# mouse the window hides; Shift+Alt+F12 typed into another program's window
# brings it back, F12 alone does not. Wine hears X keys only for its own
# windows, so the keys go to Wine's Notepad.
#   hot_key.sh DEPLOY
set -uo pipefail
. "$(dirname "$0")/lib.sh"
deploy=$1

copy_deployed "$deploy"
export VIRTUALMOUSE_ATTACH=none
start_program mouse-utility-demo.exe
wait_log "^Device Error" 60 || fail "no 'Device Error' without a mouse"
wait_visible 0 || fail "the window stays visible without a mouse"

"$wine" notepad >/dev/null 2>&1 & pids+=($!)
for ((i = 0; i < 200; i++)); do target=$(xdotool search --onlyvisible --name 'Notepad$' | head -1); [ -n "$target" ] && break; sleep 0.1; done
[ -n "$target" ] || fail "no Notepad window to type into"
xdotool windowfocus --sync "$target"

xdotool key F12; sleep 1
[ "$(visible_windows)" = 0 ] || fail "F12 alone shows the window"
xdotool key shift+alt+F12
wait_visible 1 || fail "Shift+Alt+F12 does not show the hidden window"
echo ok
