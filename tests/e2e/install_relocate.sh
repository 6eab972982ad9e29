#!/usr/bin/env bash
# Installs into a temporary prefix, moves the whole prefix elsewhere and starts
# the installed program from another working folder: it must find its tree.
# Then makes the settings folder read-only for the user running the program:
# it must start, say once that changes cannot be saved, and keep running.
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

# Read-only for an unprivileged user (root may write anywhere).
if id nobody >/dev/null 2>&1 && command -v runuser >/dev/null; then
  chmod -R a-w "$app/modules"
  chmod -R a+rX "$work"
  cp "${XAUTHORITY:-/dev/null}" "$work/xauth" 2>/dev/null; chmod 644 "$work/xauth" 2>/dev/null
  XAUTHORITY="$work/xauth" HOME="$work" runuser -u nobody -- "$app/mouse-utility-demo" >"$work/run2.log" 2>&1 & pids+=($!)
  ro=$!
  for ((i = 0; i < 100; i++)); do grep -q "cannot be saved" "$work/run2.log" && break; sleep 0.1; done
  grep -q "cannot be saved" "$work/run2.log" || { cat "$work/run2.log"; fail "read-only install does not say so"; }
  [ "$(grep -c "cannot be saved" "$work/run2.log")" -eq 1 ] || fail "the notice is not shown once"
  kill -0 "$ro" 2>/dev/null || fail "read-only install did not keep running"
fi
echo ok
