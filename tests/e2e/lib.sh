# Helpers for the end-to-end scripts: a scratch folder that goes away with the
# script together with every program it started (add their pids to `pids`), a
# relocated copy of the program with its installed tree, waiting for a window.

work=$(mktemp -d)
pids=()
cleanup() { for p in "${pids[@]}"; do kill -9 "$p" 2>/dev/null; done; rm -rf "$work"; }
trap cleanup EXIT

# install_copy EXE DIR: copies the executable and the modules/ and update/
# folders that the build put beside it into DIR.
install_copy() {
  local exe=$1 dir=$2 src
  src=$(dirname "$exe")
  mkdir -p "$dir"
  cp "$exe" "$dir/"
  cp -r "$src/modules" "$dir/modules"
  [ -d "$src/update" ] && cp -r "$src/update" "$dir/update"
  return 0
}

# wait_window TITLE [SECONDS]: waits for a window with exactly this title.
wait_window() {
  local title=$1 limit=${2:-20} i
  for ((i = 0; i < limit * 10; i++)); do
    xdotool search --name "^${title}\$" >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  echo "no window titled '$title' after ${limit}s" >&2
  return 1
}

# pid_window PID [SECONDS]: prints the id of the process's first visible window.
pid_window() {
  local pid=$1 limit=${2:-10} i wid
  for ((i = 0; i < limit * 10; i++)); do
    wid=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -1)
    [ -n "$wid" ] && { echo "$wid"; return 0; }
    sleep 0.1
  done
  return 1
}

fail() { echo "FAIL: $*" >&2; exit 1; }

# start_program EXE: a relocated copy of EXE with its output in $work/log and
# the virtual mouse's control socket in $work; sets `pid` and `wid` (its
# window) and waits until the window shows the full page (GRAB_WINDOW from
# $grab, screenshot $work/start.png).
start_program() {
  install_copy "$1" "$work/app"
  export VIRTUALMOUSE_CONTROL="$work/vmouse.sock"
  "$work/app/$(basename "$1")" >"$work/log" 2>&1 & pids+=($!)
  pid=${pids[-1]}
  wid=$(pid_window "$pid") || fail "no window"
  "$grab" "$wid" "${2:-$work/start.png}" 10 >/dev/null || fail "no full page (screenshot: ${2:-$work/start.png})"
}

# wait_for SECONDS CMD...: polls CMD until it succeeds.
wait_for() {
  local limit=$1 i
  shift
  for ((i = 0; i < limit * 10; i++)); do "$@" && return 0; sleep 0.1; done
  return 1
}

# Desktop services for the program on a private session bus: the fakes of
# fake_desktop.py. Commands run through $runner (empty: as this user).
runner=
e2e_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

start_bus() {
  export DBUS_SESSION_BUS_ADDRESS="unix:path=$work/bus"
  $runner dbus-daemon --session --nofork --address="$DBUS_SESSION_BUS_ADDRESS" >"$work/dbus.log" 2>&1 & pids+=($!)
  wait_for 10 test -S "$work/bus" || fail "no session bus: $(cat "$work/dbus.log")"
}

# start_fakes [--tray] [--fail notify|portal]: (re)starts the fakes; their
# log is $work/desktop.log, their pid $fake_pid.
start_fakes() {
  [ -n "${fake_pid:-}" ] && { kill "$fake_pid"; wait "$fake_pid" 2>/dev/null; }
  rm -f "$work/desktop.log"
  # The system's Python, which has the D-Bus bindings.
  $runner /usr/bin/python3 "$e2e_dir/fake_desktop.py" "$work/desktop.log" "$@" >"$work/fake.log" 2>&1 & pids+=($!)
  fake_pid=$!
  wait_for 10 grep -q '^ready' "$work/desktop.log" 2>/dev/null || fail "no fake desktop services: $(cat "$work/fake.log")"
}
