#!/usr/bin/env bash
# The demo program on a Wayland desktop (headless sway) with and without a
# tray, with fake notification, portal and tray services on a private bus:
# the full page and the waiting state are kept as screenshots in SHOTS, at
# scale 1 and 2. Without a tray the compositor's close and --quit end the
# program, a second start exits 0 and brings the window back. With the
# pointer client, dragging the page must move the window, the minimise box
# leaves it usable and Quit in the help menu ends the program.
#   wayland.sh DEMO GRAB_WINDOW SHOTS [VIRTUAL_POINTER]
set -uo pipefail
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/sway_lib.sh"

exe=$1 grab=$2 shots=$3 pointer=${4:-}
mkdir -p "$shots"
install_copy "$exe" "$work/app"
prog="$work/app/$(basename "$exe")"
export VIRTUALMOUSE_CONTROL="$work/vmouse.sock"
said() { grep -qF -- "$2" "$1" 2>/dev/null; }

# start ATTACH: the program with the virtual mouse attached (1040) or not (none).
start() {
  as_user env QT_QPA_PLATFORM=wayland QT_QUICK_BACKEND=software VIRTUALMOUSE_ATTACH="$1" \
    VIRTUALMOUSE_CONTROL="$VIRTUALMOUSE_CONTROL" "$prog" >"$work/log" 2>&1 & pids+=($!)
  pid=$!
}
stop() { kill "$pid"; wait "$pid" 2>/dev/null; rm -f "$work/log"; }
# ended_with_zero WAY: the program ends by itself, with status 0.
ended_with_zero() {
  wait_for 10 eval '! kill -0 $pid 2>/dev/null' || fail "$1: the program did not end"
  wait "$pid"; local rc=$?
  [ "$rc" = 0 ] || fail "$1: the program ended with $rc"
  rm -f "$work/log"
}
# keep_shot NAME KIND: waits until the window's screenshot shows KIND (page or waiting).
keep_shot() {
  local png="$work/$1.png" ok=0
  wait_for 20 eval "shot $pid $png && $grab --check $2 $png" && ok=1
  cp "$png" "$shots/" 2>/dev/null
  [ "$ok" = 1 ] || fail "the window does not show the $2 (see $shots/$1.png)"
}

wayland_session
if [ -n "$pointer" ]; then
  mkfifo "$work/pointer.in"
  as_user "$pointer" 1280 1024 <"$work/pointer.in" >"$work/pointer.out" 2>&1 & pids+=($!)
  exec 7>"$work/pointer.in"
fi
# point ACTION: one action of the virtual pointer, once the compositor took it.
point() {
  local n
  n=$(grep -c ok "$work/pointer.out")
  echo "$*" >&7
  wait_for 5 eval "[ \$(grep -c ok $work/pointer.out) -gt $n ]" || fail "the pointer client does not answer"
}

echo "== a mouse attached: the full page; the messages go to the notification service"
start 1040
wait_for 20 shown "$pid" || fail "no window with a mouse"
keep_shot wayland-page page
wait_for 10 said "$work/desktop.log" "notify Info|Detect Mouse!" || fail "no 'Detect Mouse!' notification"
wait_for 10 said "$work/desktop.log" "bind show-window SHIFT+ALT+F12" || fail "the hot key was not bound at the portal"
if [ -n "$pointer" ]; then
  echo "== dragging the page's top moves the window"
  sleep 1  # the page holds input off for a moment after the connect
  read -r _ x0 y0 _ <<<"$(window "$pid")"
  point move $((x0 + 500)) $((y0 + 15))
  point press
  # A pause after each step: the program hands the move over to the compositor.
  for i in 1 2 3 4 5; do point move $((x0 + 500 + 20 * i)) $((y0 + 15 + 10 * i)); sleep 0.2; done
  point release
  read -r _ x1 y1 _ <<<"$(window "$pid")"
  [ $((x1 - x0)) -ge 80 ] && [ $((y1 - y0)) -ge 40 ] || fail "the window did not follow the drag: $x0,$y0 -> $x1,$y1"
  # page_click X Y: a click at that point of the page.
  page_click() {
    local x y
    read -r _ x y _ <<<"$(window "$pid")"
    point move $((x + $1)) $((y + $2)); point press; point release
  }
  echo "== the minimise box: sway keeps the window, which stays usable"
  page_click 962 12
  sleep 1
  shown "$pid" || fail "the window is gone after the minimise box"
  echo "== Quit in the help menu ends the program"
  page_click 942 12
  sleep 0.5
  page_click 830 98
  ended_with_zero "Quit from the window"
else
  stop
fi

echo "== scale 2: the window fits the output and shows the whole page"
as_user swaymsg "output * scale 2" >/dev/null
start 1040
wait_for 20 shown "$pid" || fail "no window at scale 2"
keep_shot wayland-page-scale2 page
read -r _ x y w h _ <<<"$(window "$pid")"
echo "window $x,$y ${w}x$h on the 640x512 output"
[ "$x" -ge 0 ] && [ "$y" -ge 0 ] && [ $((x + w)) -le 640 ] && [ $((y + h)) -le 512 ] \
  || fail "at scale 2 the window $x,$y ${w}x$h is not inside the output"
# The page's shape: title buttons, Profiles and Reset are all in the window.
[ $((w * 640 - h * 1000)) -le $((w * 640 / 100)) ] && [ $((h * 1000 - w * 640)) -le $((w * 640 / 100)) ] \
  || fail "at scale 2 the window ${w}x$h does not show the whole page"
out=$(as_user env QT_QPA_PLATFORM=wayland "$prog" --quit 2>&1); rc=$?
[ "$rc" = 0 ] || fail "--quit: status $rc: $out"
ended_with_zero "--quit"
as_user swaymsg "output * scale 1" >/dev/null

echo "== no mouse and no tray: the window waits on screen"
start none
wait_for 20 shown "$pid" || fail "no window without a mouse"
wait_for 10 said "$work/log" "Device Error" || fail "no 'Device Error'"
keep_shot wayland-waiting waiting
sleep 1
shown "$pid" || fail "the waiting window went away"

echo "== a second start hands over, says so and exits 0; the window comes back"
out=$(as_user env QT_QPA_PLATFORM=wayland VIRTUALMOUSE_ATTACH=none "$prog" 2>&1); rc=$?
[ "$rc" -eq 0 ] || fail "second start exited with $rc: $out"
[[ "$out" == *"already running"* ]] || fail "second start said: $out"
wait_for 10 eval '[ "$(window "$pid" | cut -d" " -f6)" = true ]' || fail "the window is not focused after a second start"

echo "== the compositor closes the window: without a tray the program ends"
as_user swaymsg "[pid=$pid] kill" >/dev/null
wait_for 10 said "$work/log" "Window closed without a tray: the program ends" || fail "no debug line for the close"
ended_with_zero "the compositor's close"

echo "== a tray: the window hides into it; the portal's hot key and the tray's loss bring it back"
start_fakes --tray
start none
wait_for 10 said "$work/log" "Device Error" || fail "no 'Device Error' with a tray"
wait_for 10 said "$work/desktop.log" "tray-item" || fail "no tray icon registered"
wait_for 10 gone "$pid" || fail "the window stays with a tray"
wait_for 10 said "$work/desktop.log" "bind show-window" || fail "the hot key was not bound"
kill -USR1 "$fake_pid"
wait_for 10 shown "$pid" || fail "the portal's activation does not show the window"
as_user swaymsg "[pid=$pid] kill" >/dev/null
wait_for 10 gone "$pid" || fail "a close with a tray does not hide the window"
kill -USR2 "$fake_pid"
wait_for 15 said "$work/log" "Tray gone" || fail "no debug line for the lost tray"
wait_for 10 shown "$pid" || fail "the window stays hidden after the tray went"
stop

echo "== services that refuse or are missing: the program runs on and says so"
start_fakes --fail notify
start 1040
wait_for 20 said "$work/log" "Notification not shown" || fail "no debug line for the refused notification"
stop
kill "$fake_pid"; wait "$fake_pid" 2>/dev/null
start 1040
wait_for 20 said "$work/log" "Hot key not registered with the desktop" || fail "no debug line without a portal"
wait_for 20 shown "$pid" || fail "no window without services"
kill -0 "$pid" || fail "the program ended without services"
stop
echo ok
