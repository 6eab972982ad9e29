#!/usr/bin/env bash
# The program on X11 with a window manager (openbox, started here) and no
# tray, at the screen density given: the window inside the screen with the
# whole page; Quit from the window, its close box, the desktop's close and
# --quit each end it with 0; a second start and the hot key bring a
# minimised window back; an unplugged mouse shows the waiting screen, which
# fills its window with and without a compositing manager. Screenshots are
# kept in SHOTS.
#   no_tray_x11.sh DEMO VMOUSECTL GRAB_WINDOW SHOTS DPI   (under a 1280x1024 X server)
set -uo pipefail
. "$(dirname "$0")/lib.sh"

exe=$1 ctl=$2 grab=$3 shots=$4 dpi=$5
mkdir -p "$shots"
install_copy "$exe" "$work/app"
prog="$work/app/$(basename "$exe")"
export VIRTUALMOUSE_CONTROL="$work/vmouse.sock"
openbox >"$work/openbox.log" 2>&1 & pids+=($!)
wait_for 10 eval 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' || fail "openbox did not start"
# Set while a client (openbox) holds the server: it forgets them when the last one leaves.
echo "Xft.dpi: $dpi" | xrdb -nocpp -merge
xrdb -query | grep -q "Xft.dpi:.$dpi" || fail "Xft.dpi was not set"
read -r screen_w screen_h <<<"$(xwininfo -root | awk '/Width/{w=$NF} /Height/{h=$NF} END{print w, h}')"

# start ATTACH: the program with the virtual mouse (1040) or none; sets pid and wid.
start() {
  VIRTUALMOUSE_ATTACH=$1 "$prog" >"$work/log" 2>&1 & pids+=($!)
  pid=$!
  wid=$(pid_window "$pid" 20) || fail "no window"
}
# page_shot NAME: waits for the full page and keeps its screenshot.
page_shot() { "$grab" "$wid" "$shots/$1.png" 15 >/dev/null || fail "no full page (see $shots/$1.png)"; }
geometry() {
  xwininfo -id "$wid" | awk '/Absolute upper-left X/{x=$NF} /Absolute upper-left Y/{y=$NF}
    /^ *Width/{w=$NF} /^ *Height/{h=$NF} END{print x, y, w, h}'
}
viewable() { xwininfo -id "$wid" 2>/dev/null | grep -q IsViewable; }
hidden() { ! viewable; }
running() { kill -0 "$pid" 2>/dev/null; }
ended() { ! running; }
# ended_with_zero WAY: the program ends, with status 0.
ended_with_zero() {
  wait_for 10 ended || fail "$1: the program did not end"
  wait "$pid"; local rc=$?
  [ "$rc" = 0 ] || fail "$1: the program ended with $rc"
  echo "$1: ended with 0"
}
# click X Y PAGE_W PAGE_H: a click at point X,Y of a page of that size,
# which the window shows scaled to its own size.
click() {
  local w h
  read -r _ _ w h <<<"$(geometry)"
  xdotool mousemove --window "$wid" $(($1 * w / $3)) $(($2 * h / $4)) click 1
}
page_click() { click "$1" "$2" 1000 640; }
# The page's title buttons (help, minimise, close) and Quit in the help menu.
help_button() { page_click 942 12; }
minimise_box() { page_click 962 12; }
close_box() { page_click 982 12; }
quit_entry() { page_click 830 98; }

echo "== the window lies inside the screen and shows the whole page"
start 1040
page_shot "x11-page-dpi$dpi"
read -r x y w h <<<"$(geometry)"
echo "window $x,$y ${w}x$h on ${screen_w}x$screen_h"
[ "$x" -ge 0 ] && [ "$y" -ge 0 ] && [ $((x + w)) -le "$screen_w" ] && [ $((y + h)) -le "$screen_h" ] \
  || fail "the window $x,$y ${w}x$h is not inside the screen ${screen_w}x$screen_h"
# The whole page, title buttons (top right), Profiles (bottom left) and
# Reset (bottom right) included, is in the window: it has the page's shape.
[ $((w * 640 - h * 1000)) -le $((w * 640 / 100)) ] && [ $((h * 1000 - w * 640)) -le $((w * 640 / 100)) ] \
  || fail "the window ${w}x$h does not show the whole 1000x640 page"
if [ "$dpi" -ge 192 ]; then
  [ "$w" -gt 1000 ] || fail "at $dpi dpi the page is not scaled up (${w}x$h)"
fi

echo "== Quit in the help menu"
help_button; sleep 0.5
quit_entry
ended_with_zero "Quit from the window"

echo "== the close box"
start 1040; page_shot "x11-page-close-dpi$dpi"
close_box
ended_with_zero "close box"

echo "== the desktop's close (Alt+F4)"
start 1040; page_shot "x11-page-altf4-dpi$dpi"
xdotool windowactivate --sync "$wid" key --clearmodifiers alt+F4
# On a loaded machine the window manager may not have the new window in hand
# when the key comes; a user would press it again.
wait_for 5 ended || xdotool windowactivate --sync "$wid" key --clearmodifiers alt+F4 2>/dev/null
ended_with_zero "Alt+F4"

echo "== a minimised window: a second start and the hot key bring it back"
start 1040; page_shot "x11-page-restore-dpi$dpi"
minimise_box
wait_for 10 hidden || fail "the minimise box does not minimise"
out=$(timeout 20 "$prog" 2>/dev/null); rc=$?
[ "$rc" = 0 ] || fail "second start: status $rc: $out"
[ "$out" = "mouse-utility is already running: it was asked to show its window" ] || fail "second start said: $out"
wait_for 10 viewable || fail "the second start does not bring the window back"
minimise_box
wait_for 10 hidden || fail "the minimise box does not minimise again"
xdotool key shift+alt+F12
wait_for 10 viewable || fail "Shift+Alt+F12 does not bring a minimised window back"
page_shot "x11-page-restored-dpi$dpi"

echo "== an unplugged mouse: the waiting screen fills the window"
"$ctl" unplug >/dev/null
# area NAME: the window's area of the screen as the display shows it.
area() {
  local x y w h
  read -r x y w h <<<"$(geometry)"
  "$grab" --area "$x" "$y" "$w" "$h" "$shots/$1.png" && "$grab" --check waiting "$shots/$1.png"
}
wait_for 10 area "x11-unplugged-dpi$dpi" || fail "no waiting screen after the unplug (see $shots/x11-unplugged-dpi$dpi.png)"

echo "== --quit"
out=$(timeout 20 "$prog" --quit 2>&1); rc=$?
[ "$rc" = 0 ] || fail "--quit: status $rc: $out"
ended_with_zero "--quit"
out=$(timeout 20 "$prog" --quit 2>&1); rc=$?
[ "$rc" = 1 ] || fail "--quit with none running: status $rc: $out"

echo "== the waiting screen at a start without a mouse, without and with compositing"
start none
wait_for 10 area "x11-waiting-dpi$dpi" || fail "the waiting screen is not drawn (see $shots/x11-waiting-dpi$dpi.png)"
xcompmgr >"$work/xcompmgr.log" 2>&1 & pids+=($!)
sleep 1
wait_for 10 area "x11-waiting-composited-dpi$dpi" \
  || fail "the waiting screen is not drawn with compositing (see $shots/x11-waiting-composited-dpi$dpi.png)"
# Its close box (top right of the 560x230 page) ends the program.
click 540 17 560 230
ended_with_zero "the waiting screen's close box"
echo ok
