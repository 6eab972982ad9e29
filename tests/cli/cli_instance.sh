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

# Two commands at once: nothing hangs, and one that finds the other running is told so.
timeout 60 "$prog" --profile 1 >"$work/a" 2>&1 & first=$!
timeout 60 "$prog" --profile 2 >"$work/b" 2>&1; second=$?
wait "$first"; first=$?
for r in "$first:a" "$second:b"; do
  case ${r%%:*} in
    0) ;;
    1) grep -q "busy with another command" "$work/${r#*:}" || fail "status 1 without the busy message" ;;
    *) fail "status ${r%%:*}: $(cat "$work/${r#*:}")" ;;
  esac
done
# The plain message of a second start still works.
"$prog"; [ $? = 1 ] || fail "a second start did not hand over"
echo PASS
