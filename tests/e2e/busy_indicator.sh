#!/usr/bin/env bash
# A profile switch shows the busy indicator animating while the profile goes
# to the mouse, then gives the page back; a mouse unplugged in the middle of
# the next switch leaves no indicator behind, the program running and the
# removal on its output. The screenshot with the indicator is kept as SHOT
# (a CI artefact).
#   busy_indicator.sh DEMO VMOUSECTL GRAB_WINDOW BUSY_FRAMES_PY SHOT
set -uo pipefail
. "$(dirname "$0")/lib.sh"

exe=$1 ctl=$2 grab=$3 frames=$4 shot=$5

# With a tray the page stays after the unplug (without one the waiting
# screen takes its place), so the indicator can be watched.
start_bus
start_fakes --tray
start_program "$exe"

# The profile button (bottom left) opens the profile list; choosing a row
# and closing the list with its cross sends the profile. "New" adds a
# profile below the others and keeps the chosen one.
open_and_choose() {
  xdotool mousemove --window "$wid" 80 620 click 1; sleep 0.7
  xdotool mousemove --window "$wid" "$1" "$2" click 1; sleep 0.7
}
close_list="224 420" new_button="64 578" first_row="80 446" second_row="80 464"

open_and_choose $new_button
xdotool mousemove --window "$wid" $second_row click 1; sleep 0.7
python3 "$frames" "$wid" $close_list "$grab" "$shot" || fail "no animated busy indicator during the switch (screenshot: $shot)"

sleep 1
open_and_choose $first_row
python3 "$frames" "$wid" $close_list "$grab" "$work/unplugged.png" sh -c "sleep 0.3; '$ctl' unplug >/dev/null" || fail "the busy indicator stayed after the mouse was unplugged"
kill -0 "$pid" || fail "the program ended"
grep -q "^Device removed" "$work/log" || fail "no removal on the output: $(cat "$work/log")"
echo ok
