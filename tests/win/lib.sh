# Helpers for the scripts that run the deployed Windows program under Wine
# (WINEPREFIX and DISPLAY come from scripts/windows.sh): a scratch copy of the
# deployed folder that goes away with the script, together with every program
# started (add their pids to `pids`); waits on the program's log and windows.

work=$(mktemp -d)
pids=()
cleanup() { for p in "${pids[@]}"; do { kill -9 "$p" && wait "$p"; } 2>/dev/null; done; rm -rf "$work"; }
trap cleanup EXIT
export WINEDEBUG=-all
wine=/usr/lib/wine/wine64
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

fail() { echo "FAIL: $*" >&2; [ -f "$work/log" ] && sed 's/^/  log: /' "$work/log" >&2; exit 1; }

# copy_deployed DEPLOY: the deployed folder as $work/app, its settings writable.
copy_deployed() {
  cp -al "$1" "$work/app"
  rm -rf "$work/app/modules"
  cp -r "$1/modules" "$work/app/modules"
  title=$(sed -n 's/^name1=//p' "$work/app/modules/setting/apConfig.bin" | tr -d '\r')
  [ -n "$title" ] || fail "the deployed apConfig.bin has no window title"
}

# A TCP port for the virtual mouse's control channel (Windows has no Unix sockets).
control_port() { echo $((20000 + RANDOM % 30000)); }

# start_program EXE: runs it under Wine with its output in $work/log.
start_program() { "$wine" "$work/app/$1" >>"$work/log" 2>&1 & pids+=($!); }

# wait_log PATTERN [SECONDS]
wait_log() {
  local i
  for ((i = 0; i < ${2:-30} * 10; i++)); do grep -Eq "$1" "$work/log" 2>/dev/null && return 0; sleep 0.1; done
  return 1
}

winmsg() { "$wine" "$BIN/winmsg.exe" "$@" 2>/dev/null | tr -d '\r'; }
# Wine unmaps the X window of a hidden Windows window.
visible_windows() { xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | wc -l; }

# wait_visible N [SECONDS]: until N visible windows carry the program's title.
wait_visible() {
  local i
  for ((i = 0; i < ${2:-15} * 10; i++)); do [ "$(visible_windows)" = "$1" ] && return 0; sleep 0.1; done
  return 1
}
