#!/bin/bash
# A command while the program runs: a second process hands it over, the
# running program sends the profile, and the caller exits with its answer.
# Usage: cli_instance.sh DEMO VMOUSECTL GRAB_WINDOW   (under an X server)
set -u
source "$(dirname "$0")/../e2e/lib.sh"
install_copy "$1" "$work/app"
prog="$work/app/$(basename "$1")"
# The command line chooses only what the profile manager lists.
printf '[profile]\nprofileName=Standard0, Two1\n' > "$work/app/modules/setting/name.bin"
ctl=$2 grab=$3
export VIRTUALMOUSE_CONTROL="$work/vmouse.sock"
"$prog" >"$work/log" 2>&1 & pids+=($!)
pid=${pids[-1]}
wid=$(pid_window "$pid") || fail "no window"
"$grab" "$wid" "$work/shot.png" 10 || fail "no full page"

"$ctl" clear-trace >/dev/null
out=$(timeout 60 "$prog" --profile 2 2>&1); rc=$?
[ "$rc" = 0 ] || fail "--profile 2 through the running program: status $rc: $out"
[[ "$out" == "profile 2"*"sent" ]] || fail "unexpected answer: $out"
"$ctl" trace | grep -q "00 03 00 00 01" || fail "the running program sent no key matrix"
kill -0 "$pid" || fail "the running program ended"
out=$(timeout 60 "$prog" --status 2>&1) || fail "--status: $out"
[[ "$out" == *"profile: 2"* ]] || fail "the running program is not on profile 2: $out"

# Commands during a profile send wait for it and are answered: nothing is
# refused as busy, nothing hangs.
timeout 60 "$prog" --profile 1 >"$work/a" 2>&1 & first=$!
sleep 0.2
timeout 60 "$prog" --status >"$work/b" 2>&1; second=$?
timeout 60 "$prog" --profile 2 >"$work/c" 2>&1; third=$?
wait "$first"; first=$?
for r in "$first:a" "$second:b" "$third:c"; do
  [ "${r%%:*}" = 0 ] || fail "status ${r%%:*}: $(cat "$work/${r#*:}")"
done
grep -q "profile: 1" "$work/b" || fail "--status during the send: $(cat "$work/b")"

# A running program that does not answer (stopped): a clear message within
# a few seconds, status 1.
kill -STOP "$pid"
start=$(date +%s%N)
out=$(timeout 60 "$prog" --status 2>&1); rc=$?
elapsed_ms=$(( ($(date +%s%N) - start) / 1000000 ))
kill -CONT "$pid"
[ "$rc" = 1 ] && [[ "$out" == *"does not answer"* ]] || fail "--status to a stopped program: status $rc: $out"
[ "$elapsed_ms" -lt 5000 ] || fail "--status to a stopped program took ${elapsed_ms} ms"

# The plain message of a second start still works.
out=$("$prog" 2>&1); [ $? = 0 ] || fail "a second start did not hand over: $out"
echo PASS
