#!/usr/bin/env bash
# One instance per executable: a second start hands over, says so and exits
# with 0, also from another display; a killed instance does not block the
# next start; starts killed at random moments, and a lock file that names no
# process, never leave a later start silent or blocked; the program finds its
# installed tree from any working folder.
set -uo pipefail
. "$(dirname "$0")/lib.sh"

exe=$1

install_copy "$exe" "$work/app"
prog="$work/app/$(basename "$exe")"
title=$(sed -n 's/^name1=//p' "$work/app/modules/setting/apConfig.bin")
[ -n "$title" ] || fail "the installed apConfig.bin has no window title"
# The lock lives in the temporary folder: a private one, to find it.
export TMPDIR="$work/tmp"
mkdir -p "$TMPDIR"

# Started from another working folder: the title comes from ./modules beside the executable.
cd /
"$prog" >"$work/first.log" 2>&1 & pids+=($!)
first=$!
wait_window "$title" || fail "first instance shows no window titled from its modules/"

start=$(date +%s%N)
out=$("$prog" 2>/dev/null); rc=$?
elapsed_ms=$(( ($(date +%s%N) - start) / 1000000 ))
[ "$rc" -eq 0 ] || fail "second instance exited with $rc: $out"
[ "$out" = "mouse-utility is already running: it was asked to show its window" ] || fail "second instance said: $out"
[ "$elapsed_ms" -lt 5000 ] || fail "second instance took ${elapsed_ms} ms"
kill -0 "$first" 2>/dev/null || fail "first instance ended"
echo "second instance exited with 0 after ${elapsed_ms} ms"

# The same user on a second display: told that one runs already.
Xvfb -displayfd 5 -screen 0 640x480x24 5>"$work/display" 2>/dev/null & pids+=($!)
wait_for 10 test -s "$work/display" || fail "no second display"
out=$(DISPLAY=":$(head -1 "$work/display")" timeout 20 "$prog" 2>&1); rc=$?
[ "$rc" -eq 0 ] && [[ "$out" == *"already running"* ]] || fail "a start on a second display: status $rc: $out"

lock=$(compgen -G "$TMPDIR/qtsingleapp-*-lockfile" | head -1)
[ -n "$lock" ] || fail "no lock file in $TMPDIR"

# A killed instance leaves its lock and socket behind; the next start takes over and says so.
kill -9 "$first"; wait "$first" 2>/dev/null
"$prog" >"$work/again.log" 2>&1 & pids+=($!)
again=$!
wait_window "$title" || fail "start after a killed instance shows no window: $(cat "$work/again.log")"
grep -q "took over the single-instance lock" "$work/again.log" || fail "no line for the take-over: $(cat "$work/again.log")"
out=$("$prog" 2>&1); rc=$?
[ "$rc" -eq 0 ] || fail "second instance after takeover exited with $rc: $out"
timeout 20 "$prog" --quit >/dev/null 2>&1 || fail "--quit did not end the instance"

# A lock without a process id (a start killed between creating and writing it).
: >"$lock"
start=$(date +%s%N)
out=$(timeout 20 "$prog" --status 2>&1); rc=$?
elapsed_ms=$(( ($(date +%s%N) - start) / 1000000 ))
[[ "$out" == *"took over a single-instance lock that named no process"* ]] || fail "empty lock: status $rc: $out"
[ "$elapsed_ms" -lt 8000 ] || fail "empty lock: --status took ${elapsed_ms} ms"

# Commands killed at random moments of their start: every later command
# answers within a few seconds and never in silence.
for i in $(seq 1 15); do
  "$prog" --status >/dev/null 2>&1 & victim=$!
  sleep "0.0$((RANDOM % 30))"
  kill -9 "$victim" 2>/dev/null; wait "$victim" 2>/dev/null
  start=$(date +%s%N)
  out=$(timeout 20 "$prog" --status 2>&1); rc=$?
  elapsed_ms=$(( ($(date +%s%N) - start) / 1000000 ))
  [ "$rc" -ne 124 ] && [ -n "$out" ] || fail "after a kill at random: status $rc, said '$out'"
  [ "$elapsed_ms" -lt 8000 ] || fail "after a kill at random: --status took ${elapsed_ms} ms"
done
# ... and the window still starts.
"$prog" >"$work/last.log" 2>&1 & pids+=($!)
wait_window "$title" || fail "no window after the random kills: $(cat "$work/last.log")"
echo "ok"
