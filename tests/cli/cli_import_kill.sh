#!/bin/bash
# An import killed at random moments, of a command line on its own and of
# the running window it was handed to: each time every file is as before or
# as after the import, the profile never plays a macro that is not complete,
# and the next start works (the window shows). Seeded: MU_KILL_SEED.
# Usage: cli_import_kill.sh DEMO   (under an X server, VIRTUALMOUSE_ATTACH set)
set -u
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../e2e/lib.sh"
install_copy "$1" "$work/app"
exe="$work/app/$(basename "$1")"
modules="$work/app/modules"
RANDOM=${MU_KILL_SEED:-24}
headless_rounds=20
window_rounds=3

# Profile 1 plays "Jump"; the file carries another "Jump" and 40 more macros,
# so that the import writes for a while.
printf '[config]\nindex=0\ntotal=2\nrepeat=1\ndid=-1\n\n[macro]\n0=1,A\n1=2,A\n' > "$modules/macro/Jump.bin"
printf '[macro]\nmacroName=Jump, loadercorwel\n\n[profile]\nprofileName=Standard0, Three2\n' > "$modules/setting/name.bin"
printf '\n[macro]\n2=Jump\n' >> "$modules/setting/p1.bin"
pf="$work/big.pf"
{
  cat "$modules/setting/pD.bin"
  printf '\n[macro]\n2=Jump\n3=M39\n\n[profile]\nname=Jump'
  for i in $(seq 0 39); do printf ', M%s' "$i"; done
  printf '\n0="1,B", "0,40", "2,B", 2\n'
  for i in $(seq 0 39); do printf '%s="1,C", "0,%s", "2,C", 1\n' $((i + 1)) "$i"; done
} > "$pf"
cp -r "$modules" "$work/before"

# What a complete import leaves, and how long it takes.
t0=$(date +%s%N)
out=$(timeout 60 "$exe" --import 3 "$pf" 2>&1) || fail "the import does not work: $out"
span=$(( ($(date +%s%N) - t0) / 1000000 ))
cp -r "$modules" "$work/after"
grep -q '^2=Jump(0)$' "$work/after/setting/p3.bin" || fail "the carried Jump is not stored beside the other"

reset_tree() { rm -rf "$modules"; cp -r "$work/before" "$modules"; }
check_tree() {
  python3 "$here/import_state.py" ${3:-} "$modules" "$work/before" "$work/after" || fail "after a kill at $1 ms ($2)"
}

declare -A reached
for ((round = 0; round < headless_rounds; round++)); do
  reset_tree
  delay=$(( RANDOM % (span + 1) ))
  "$exe" --import 3 "$pf" >/dev/null 2>&1 & victim=$!
  sleep "$(printf '0.%03d' "$delay")"
  kill -9 "$victim" 2>/dev/null; wait "$victim" 2>/dev/null
  state=$(check_tree "$delay" "command line") || exit 1
  reached[$state]=1
  out=$(timeout 60 "$exe" --status 2>&1) || fail "no start after a kill at $delay ms: $out"
  check_tree "$delay" "start after the command line" --started >/dev/null || exit 1
done

for ((round = 0; round < window_rounds; round++)); do
  reset_tree
  "$exe" >"$work/log" 2>&1 & window=$!; pids+=($window)
  pid_window "$window" 20 >/dev/null || fail "no window before round $round: $(cat "$work/log")"
  delay=$(( RANDOM % (span + 1) ))
  timeout 60 "$exe" --import 3 "$pf" >/dev/null 2>&1 & client=$!
  sleep "$(printf '0.%03d' "$delay")"
  kill -9 "$window" 2>/dev/null; wait "$window" 2>/dev/null
  wait "$client"
  state=$(check_tree "$delay" "window") || exit 1
  reached[$state]=1
  "$exe" >"$work/log" 2>&1 & window=$!; pids+=($window)
  pid_window "$window" 20 >/dev/null || fail "no window after a kill at $delay ms: $(cat "$work/log")"
  kill "$window"; wait "$window" 2>/dev/null
done
echo "states reached: ${!reached[*]} (import takes ${span} ms)"
echo PASS
