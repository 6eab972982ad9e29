#!/usr/bin/env bash
# One instance per executable: a second start hands over and exits with 1,
# a killed instance does not block the next start, and the program finds its
# installed tree from any working folder.
set -uo pipefail
. "$(dirname "$0")/lib.sh"

exe=$1

install_copy "$exe" "$work/app"
prog="$work/app/$(basename "$exe")"
title=$(sed -n 's/^name1=//p' "$work/app/modules/setting/apConfig.bin")
[ -n "$title" ] || fail "the installed apConfig.bin has no window title"

# Started from another working folder: the title comes from ./modules beside the executable.
cd /
"$prog" & pids+=($!)
first=$!
wait_window "$title" || fail "first instance shows no window titled from its modules/"

start=$(date +%s%N)
"$prog"; rc=$?
elapsed_ms=$(( ($(date +%s%N) - start) / 1000000 ))
[ "$rc" -eq 1 ] || fail "second instance exited with $rc, expected 1"
[ "$elapsed_ms" -lt 5000 ] || fail "second instance took ${elapsed_ms} ms"
kill -0 "$first" 2>/dev/null || fail "first instance ended"
echo "second instance exited with 1 after ${elapsed_ms} ms"

# A killed instance leaves its lock and socket behind; the next start takes over.
kill -9 "$first"; wait "$first" 2>/dev/null
"$prog" & pids+=($!)
again=$!
sleep 0.5
kill -0 "$again" 2>/dev/null || fail "start after a killed instance did not stay up"
wait_window "$title" || fail "start after a killed instance shows no window"
"$prog"; rc=$?
[ "$rc" -eq 1 ] || fail "second instance after takeover exited with $rc"
echo "ok"
