#!/usr/bin/env bash
# The demo program with a virtual mouse shows the full page; a click on the
# top of the first DPI stage's track and on the green lighting preset reach
# the mouse. The screenshot is kept as SHOT (a CI artefact).
#   main_page.sh DEMO VMOUSECTL GRAB_WINDOW SHOT
set -uo pipefail
. "$(dirname "$0")/lib.sh"

exe=$1 ctl=$2 grab=$3 shot=$4

start_program "$exe" "$shot"

state() { "$ctl" state | sed -n "s/^$1 //p"; }

# The first stage's track: right column x 734, panel content x 10 and y 18 + 6,
# the stage column's middle, the top of the track.
xdotool mousemove --window "$wid" $((734 + 10 + 18)) $((32 + 18 + 6 + 3)) click 1
for ((i = 0; i < 50; i++)); do [ "$(state stageCodes | cut -d' ' -f1)" = A0 ] && break; sleep 0.1; done
[ "$(state stageCodes | cut -d" " -f1)" = A0 ] || fail "stage 1 is not 8000 DPI (code A0): $(state stageCodes)"

# The green preset square of the lighting panel (third of eight); a pause
# first, so that the two clicks do not make a double click.
sleep 0.6
light_y=$((32 + 251 + 5 + 18 + 6 + 36 + 5 * 24 + 24 + 7))
xdotool mousemove --window "$wid" $((734 + 8 + 2 * 26 + 7)) "$light_y" click 1
for ((i = 0; i < 50; i++)); do state ledColours | grep -qi "^00 ff 00" && break; sleep 0.1; done
state ledColours | grep -qi "^00 ff 00" || fail "lighting colour is not green: $(state ledColours)"
[ "$(state rejects.checksum)" = 0 ] || fail "the mouse rejected reports"
echo ok
