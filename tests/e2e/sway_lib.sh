# Helpers for the Wayland end-to-end scripts (source lib.sh first): a headless
# sway compositor and a private session bus for the fake desktop services.
# Sway refuses to run as root, so under root everything runs as an
# unprivileged user made for the tests.

wl_user=mu-wayland-test
runner=as_user

# as_user CMD...: CMD in the session, as the test user when run by root. In
# the background (`as_user CMD &`) it becomes CMD, so that $! is CMD's pid.
as_user() {
  local run=(env -i XDG_RUNTIME_DIR="$XDG_RUNTIME_DIR" HOME="$work" PATH="$PATH" LANG=C.UTF-8) v
  # Only what is set: sway takes an empty WAYLAND_DISPLAY or SWAYSOCK as given.
  for v in WAYLAND_DISPLAY SWAYSOCK DBUS_SESSION_BUS_ADDRESS ASAN_OPTIONS UBSAN_OPTIONS; do [ -n "${!v:-}" ] && run+=("$v=${!v}"); done
  [ "$(id -u)" -eq 0 ] && run=(setpriv --reuid="$wl_user" --regid="$wl_user" --clear-groups "${run[@]}")
  [ "$BASHPID" != "$$" ] && exec "${run[@]}" "$@"
  "${run[@]}" "$@"
}

# wayland_session [fake_desktop options]: starts the bus, the fake services
# (unless the first option is --no-services) and sway.
wayland_session() {
  if [ "$(id -u)" -eq 0 ]; then
    # Another test may be making the same user at the same moment.
    id -u "$wl_user" >/dev/null 2>&1 || useradd --system --no-create-home --shell /usr/sbin/nologin "$wl_user" \
      || id -u "$wl_user" >/dev/null 2>&1 || fail "cannot create the test user"
    chown -R "$wl_user:" "$work"
  fi
  chmod 755 "$work"
  export XDG_RUNTIME_DIR="$work/run"
  as_user mkdir -m 700 "$XDG_RUNTIME_DIR"
  start_bus
  [ "${1:-}" != --no-services ] && start_fakes "$@"
  # Windows float at their own size, as on a desktop, instead of being tiled.
  printf '%s\n' 'output * resolution 1280x1024' 'xwayland disable' \
    'for_window [app_id=".*"] floating enable' 'default_border none' >"$work/sway.config"
  as_user env WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
    sway -c "$work/sway.config" >"$work/sway.log" 2>&1 & pids+=($!)
  wait_for 20 compgen -G "$XDG_RUNTIME_DIR/sway-ipc.*.sock" >/dev/null || fail "sway did not start: $(tail -5 "$work/sway.log")"
  SWAYSOCK=$(compgen -G "$XDG_RUNTIME_DIR/sway-ipc.*.sock" | head -1)
  WAYLAND_DISPLAY=$(basename "$(compgen -G "$XDG_RUNTIME_DIR/wayland-*" | grep -v lock | head -1)")
  export SWAYSOCK WAYLAND_DISPLAY
}

# window PID: "VISIBLE X Y W H FOCUSED" of the program's window in sway's tree
# (VISIBLE and FOCUSED as true/false), nothing while it has none.
window() {
  as_user swaymsg -t get_tree | python3 -c '
import json, sys
def walk(n):
    yield n
    for c in n.get("nodes", []) + n.get("floating_nodes", []):
        yield from walk(c)
for n in walk(json.load(sys.stdin)):
    if n.get("pid") == int(sys.argv[1]):
        r = n["rect"]
        print(str(n.get("visible")).lower(), r["x"], r["y"], r["width"], r["height"], str(n.get("focused")).lower())
        break
' "$1"
}

shown() { [ "$(window "$1" | cut -d' ' -f1)" = true ]; }
gone() { [ -z "$(window "$1")" ]; }

# shot PID FILE: the window's area of the screen as a PNG.
shot() {
  local w x y width height
  read -r w x y width height _ <<<"$(window "$1")"
  [ "$w" = true ] || return 1
  as_user grim -g "$x,$y ${width}x$height" "$2"
}
