#!/usr/bin/env bash
# A profile switch shows the busy indicator animating while the profile goes
# to the mouse, then gives the page back; a mouse unplugged in the middle of
# the next switch leaves no indicator behind and the program running. The
# screenshot with the indicator is kept as SHOT (a CI artefact).
#   busy_indicator.sh DEMO VMOUSECTL GRAB_WINDOW BUSY_FRAMES_PY SHOT
set -uo pipefail
. "$(dirname "$0")/lib.sh"

exe=$1 ctl=$2 grab=$3 frames=$4 shot=$5

install_copy "$exe" "$work/app"
export VIRTUALMOUSE_CONTROL="$work/vmouse.sock"
"$work/app/$(basename "$exe")" >"$work/log" 2>&1 & pids+=($!)
pid=${pids[-1]}
wid=
for ((i = 0; i < 100; i++)); do
  wid=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -1)
  [ -n "$wid" ] && break
  sleep 0.1
done
[ -n "$wid" ] || fail "no window"
"$grab" "$wid" "$work/start.png" 10 >/dev/null || fail "no full page"
first_row=450 second_row=474

# The profile button (bottom left) opens the profile list; choosing a row
# and closing the list with the button again sends the profile.
profile_button="80 620"
choose_profile() {
  xdotool mousemove --window "$wid" $profile_button click 1; sleep 0.7
  xdotool mousemove --window "$wid" 80 "$1" click 1; sleep 0.7
}

choose_profile "$second_row"
python3 "$frames" "$wid" $profile_button "$grab" "$shot" || fail "no animated busy indicator during the switch (screenshot: $shot)"

sleep 1
choose_profile "$first_row"
(sleep 0.3; "$ctl" unplug >/dev/null) &
python3 "$frames" "$wid" $profile_button "$grab" "$work/unplugged.png" || fail "the busy indicator stayed after the mouse was unplugged"
kill -0 "$pid" || fail "the program ended"
echo ok
