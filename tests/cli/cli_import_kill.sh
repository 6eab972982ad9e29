#!/bin/bash
# An import killed at random moments, on its own and inside the running
# window it was handed to; then every file is as before or after it, the set
# consistent (import_state.py), and the next start works (the window shows).
# Usage: cli_import_kill.sh DEMO   (X server, VIRTUALMOUSE_ATTACH; MU_KILL_SEED)
set -u
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../e2e/lib.sh"
install_copy "$1" "$work/app"
exe="$work/app/$(basename "$1")"
modules="$work/app/modules"
RANDOM=${MU_KILL_SEED:-24}

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

check_tree() {
  python3 "$here/import_state.py" ${3:-} "$modules" "$work/before" "$work/after" || fail "after a kill at $1 ms ($2)"
}
start_window() {
  "$exe" >"$work/log" 2>&1 & window=$!; pids+=($window)
  pid_window "$window" 20 >/dev/null || fail "no window $1: $(cat "$work/log")"
}

# kill_round window|alone: an import killed after a random part of its time,
# in the running window it was handed to or on its own; then a start.
declare -A reached
kill_round() {
  rm -rf "$modules"; cp -r "$work/before" "$modules"
  [ "$1" = window ] && start_window "before a round"
  local delay=$(( RANDOM % (span + 1) ))
  "$exe" --import 3 "$pf" >/dev/null 2>&1 & client=$!
  sleep "$((delay / 1000)).$(printf '%03d' $((delay % 1000)))"
  # The caller of a killed window carries the import out itself.
  if [ "$1" = window ]; then kill -9 "$window"; wait "$window"; else kill -9 "$client"; fi 2>/dev/null
  wait "$client" 2>/dev/null
  state=$(check_tree "$delay" "$1") || exit 1
  reached[$state]=1
  if [ "$1" = window ]; then
    start_window "after a kill at $delay ms"
    kill "$window"; wait "$window" 2>/dev/null
  else
    out=$(timeout 60 "$exe" --status 2>&1) || fail "no start after a kill at $delay ms: $out"
    check_tree "$delay" "start after the command line" --started >/dev/null || exit 1
  fi
}
for ((round = 0; round < 20; round++)); do kill_round alone; done
for ((round = 0; round < 3; round++)); do kill_round window; done
echo "states reached: ${!reached[*]} (import takes ${span} ms)"
echo PASS
