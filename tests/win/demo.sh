#!/usr/bin/env bash
# The deployed demo program under Wine with a virtual mouse: the mouse is
# connected, the full page is drawn (the screenshot is kept as SHOT), and a
# DPI stage change the mouse reports gives its tray message.
#   demo.sh DEPLOY BIN QT_WIN_PREFIX SHOT
set -uo pipefail
. "$(dirname "$0")/lib.sh"
deploy=$1 BIN=$2 qt=$3 shot=$4

copy_deployed "$deploy"
export VIRTUALMOUSE_ATTACH=1040 VIRTUALMOUSE_CONTROL=$(control_port)
start_program mouse-utility-demo.exe
wait_log "^Device Connect" 60 || fail "no 'Device Connect'"
hwnd=$(winmsg hwnd "$title")
[ -n "$hwnd" ] || fail "no window titled '$title'"
"$here/wine-run.sh" "$qt" "$BIN/grab_window.exe" "$hwnd" "Z:$shot" 30 || fail "no full page (screenshot: $shot)"

ctl() { "$wine" "$work/app/vmousectl.exe" -s "$VIRTUALMOUSE_CONTROL" "$@" 2>&1 | tr -d '\r'; }
ctl stage 3 | grep -q '^ok' || fail "the virtual mouse's control channel does not answer: $(ctl stage 3)"
wait_log "DPI Switch to [0-9]+" 10 || fail "no 'DPI Switch to' message for stage 3"
grep -E "DPI Switch to" "$work/log"
echo ok
