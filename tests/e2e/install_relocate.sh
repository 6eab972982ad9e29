#!/usr/bin/env bash
# Installs into a temporary prefix, moves the whole prefix elsewhere and starts
# the installed program from another working folder: it must find its tree.
# Then makes the installed tree read-only for the user running the program.
set -uo pipefail
. "$(dirname "$0")/lib.sh"

build=$1
chmod 755 "$work"

cmake --install "$build" --prefix "$work/prefix" >/dev/null || fail "install"
cmake --install "$build" --prefix "$work/prefix" --component demo >/dev/null || fail "install demo"
mv "$work/prefix" "$work/moved" || fail "move"
app="$work/moved/lib/mouse-utility"
[ -x "$app/mouse-utility" ] || fail "program not installed"
[ "$(readlink "$work/moved/bin/mouse-utility")" = "../lib/mouse-utility/mouse-utility" ] || fail "bin link is not relative"
[ -f "$work/moved/share/applications/mouse-utility.desktop" ] || fail "desktop entry missing"
[ -f "$work/moved/lib/udev/rules.d/70-mouse-utility.rules" ] || fail "udev rule missing"

title=$(sed -n 's/^name1=//p' "$app/modules/setting/apConfig.bin")
cd /
"$app/mouse-utility-demo" >"$work/run1.log" 2>&1 & pids+=($!)
wait_window "$title" || { cat "$work/run1.log"; fail "moved install shows no window titled from its tree"; }
for ((i = 0; i < 50; i++)); do grep -q "Device Connect" "$work/run1.log" && break; sleep 0.1; done
grep -q "Device Connect" "$work/run1.log" || { cat "$work/run1.log"; fail "the moved install does not connect to the mouse"; }
grep -q "cannot be saved" "$work/run1.log" && fail "a writable install claims it cannot save"
kill "${pids[-1]}"; wait "${pids[-1]}" 2>/dev/null

# Read-only for an unprivileged user (root may write anywhere): the user gets
# a copy of the tree in their data folder; where that folder cannot be made
# (a file in its place), the program says so once and keeps running.
if id nobody >/dev/null 2>&1 && command -v runuser >/dev/null; then
  chmod -R a-w "$app/modules"
  chmod -R a+rX "$work"
  cp "${XAUTHORITY:-/dev/null}" "$work/xauth" 2>/dev/null; chmod 644 "$work/xauth" 2>/dev/null
  mkdir -p "$work/home1" "$work/home2/.local/share"
  echo "not a folder" >"$work/home2/.local/share/mouse-utility"
  chown -R nobody "$work/home1" "$work/home2"
  # run N LOG: the demo as nobody with home N until it connects; sets `pid`.
  run() {
    runuser -u nobody -- env XAUTHORITY="$work/xauth" HOME="$work/$1" XDG_DATA_HOME= "$app/mouse-utility-demo" >"$work/$2" 2>&1 &
    pid=$!; pids+=($pid)
    for ((i = 0; i < 200; i++)); do grep -q "Device Connect" "$work/$2" && break; sleep 0.1; done
    kill -0 "$pid" 2>/dev/null || { cat "$work/$2"; fail "the program as nobody with $1 did not keep running"; }
  }
  run home1 run2.log
  grep -Eq "cannot be saved|could not be copied" "$work/run2.log" && { cat "$work/run2.log"; fail "a user copy was possible but not made"; }
  cmp -s "$app/modules/setting/apConfig.bin" "$work/home1/.local/share/mouse-utility/modules/setting/apConfig.bin" ||
    fail "no copy of the tree in the user's data folder"
  kill "$pid"; wait "$pid" 2>/dev/null

  run home2 run3.log
  [ "$(grep -c "cannot be saved" "$work/run3.log")" -eq 1 ] || { cat "$work/run3.log"; fail "the blocked user folder is not said once"; }
  [ "$(cat "$work/home2/.local/share/mouse-utility")" = "not a folder" ] || fail "the file in the folder's place changed"
  kill "$pid"; wait "$pid" 2>/dev/null
fi
echo ok
