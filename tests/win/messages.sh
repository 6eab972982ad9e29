#!/usr/bin/env bash
# What other processes and the system send the deployed program under Wine:
# WM_COPYDATA from a second process (a count without the zero byte shows the
# box, a count with it does not; both are answered 1), the single-instance
# lock and message (a second start exits with 1 and restores the window only
# while a mouse is connected), and WM_DEVICECHANGE starting the device check.
#   messages.sh DEPLOY BIN
set -uo pipefail
. "$(dirname "$0")/lib.sh"
deploy=$1 BIN=$2

copy_deployed "$deploy"
export VIRTUALMOUSE_ATTACH=none VIRTUALMOUSE_CONTROL=$(control_port)
start_program mouse-utility-demo.exe
wait_log "^Device Error" 60 || fail "no 'Device Error' without a mouse"
wait_visible 0 || fail "the window stays visible without a mouse"

# Copy data: BYTES 6 counts the zero byte and is dropped; BYTES 5 shows the box.
[ "$(winmsg copydata "$title" 9487 hello 6)" = "answer 1" ] || fail "copy data with 6 bytes not answered 1"
sleep 1
[ "$(visible_windows)" = 0 ] || fail "copy data with 6 bytes shows a box"
winmsg copydata "$title" 9487 hello 5 >"$work/answer" & sender=$!
wait_visible 1 || fail "copy data with 5 bytes shows no box"
box=$(xdotool search --onlyvisible --name "^$title\$" | head -1)
xdotool windowfocus --sync "$box" key Return
wait "$sender"
[ "$(cat "$work/answer")" = "answer 1" ] || fail "copy data with 5 bytes not answered 1 after the box closed"
echo "copy data: 5 bytes shown, 6 bytes dropped"

# Single instance without a mouse: the running one took the second start
# (status 0), and nothing shows.
"$wine" "$work/app/mouse-utility-demo.exe" >/dev/null 2>&1; rc=$?
[ "$rc" = 0 ] || fail "second instance exited with $rc, expected 0"
sleep 1
[ "$(visible_windows)" = 0 ] || fail "a second start shows the window without a mouse"

# A plugged virtual mouse is no device Windows knows: Wine raises no
# WM_DEVICECHANGE for it, so the test sends the message the system would.
"$wine" "$work/app/vmousectl.exe" -s "$VIRTUALMOUSE_CONTROL" plug 1040 >/dev/null 2>&1 || fail "vmousectl plug failed"
sleep 3
grep -q "^Device Connect" "$work/log" && fail "connected without a device-change message"
[ "$(winmsg devicechange "$title")" = "answer 0" ] || fail "WM_DEVICECHANGE not answered"
wait_log "^Device Connect" 10 || fail "no device check after WM_DEVICECHANGE"
echo "device change: connected after WM_DEVICECHANGE"

# With the mouse connected a second start restores the hidden window.
"$wine" "$work/app/mouse-utility-demo.exe" >/dev/null 2>&1; rc=$?
[ "$rc" = 0 ] || fail "second instance exited with $rc, expected 0"
wait_visible 1 || fail "a second start does not restore the window while a mouse is connected"
echo ok
