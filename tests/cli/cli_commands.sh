#!/bin/bash
# The command line end to end against a relocated copy of the demo program
# (virtual mouse): every exit status with its message, the export/import
# round trip, and a profile switch without any display.
# Usage: cli_commands.sh DEMO_EXE
set -u
here=$(dirname "$0")
source "$here/../e2e/lib.sh"
install_copy "$1" "$work/app"
exe="$work/app/$(basename "$1")"
setting="$work/app/modules/setting"
macro="$work/app/modules/macro"

# A display server must not be needed: the toolkit would fail to start on xcb.
unset DISPLAY WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb

# expect STATUS TEXT ARGS...: runs the command, checks its status and that
# its standard output or error holds TEXT.
expect() {
  local status=$1 text=$2 got
  shift 2
  out=$(timeout 60 "$exe" "$@" 2>&1)
  got=$?
  [ "$got" = "$status" ] || fail "'$*': status $got, expected $status: $out"
  [[ "$out" == *"$text"* ]] || fail "'$*': '$text' not in: $out"
}

expect 0 "Usage: mouse-utility" --help
expect 0 "mouse-utility 1.0" --version
expect 2 "unknown option '--bogus'" --bogus
expect 2 "unknown option 'status'" status
expect 2 "--profile needs P" --profile
expect 2 "give one command at a time" --list --status
expect 2 "give one command at a time" --profile 2 --profile 3
expect 2 "the profile is empty" --profile ""
expect 2 "profile number 7 is outside 1 to 6" --profile 7
expect 2 "profile number 0 is outside 1 to 6" --export 0 "$work/x.pf"
expect 2 "profile number 0 is outside 1 to 6" --profile 0
expect 2 "profile number 7 is outside 1 to 6" --export 7 "$work/x.pf"
expect 2 "profile number 0 is outside 1 to 6" --import 0 "$work/x.pf"
expect 2 "profile number 7 is outside 1 to 6" --import 7 "$work/x.pf"
expect 2 "contains a path separator" --profile ../p1
expect 2 'contains a control character' --profile $'Std\x1b[2J'
expect 2 "no profile named 'Nobody'" --profile Nobody
expect 2 "the file name is empty" --import 1 ""
# The toolkit's own options still start the window (which fails here, without a display).
out=$(timeout 20 "$exe" -session restored-id 2>&1)
[[ "$out" != *"unknown option"* ]] || fail "a session restart was taken for a command: $out"

VIRTUALMOUSE_ATTACH=none expect 1 "no mouse connected" --status
VIRTUALMOUSE_ATTACH=none expect 1 "no mouse connected" --list
VIRTUALMOUSE_ATTACH=none expect 1 "no mouse connected" --profile 1
expect 0 "sensor 3336	command " --list
expect 0 "profile: 1 Standard" --status

# Only listed profiles can be chosen: the profile manager shows no other.
expect 2 "profile 2 is not in the profile list; the profiles are: 1 Standard" --profile 2
expect 0 "profile 1 Standard sent" --profile Standard
expect 2 "profile 6 is not in the profile list" --profile 6

# An import into an unlisted profile lists it under the name New gives,
# with the macros it carries; the profile can then be chosen by number.
cp "$setting/p1.bin" "$work/carrier.pf"
printf '[profile]\nname=Jump, Run\n0="1,A", "0,20", "2,A", 3\n1="1,B", "2,B", 1\n' >> "$work/carrier.pf"
expect 0 "profile 3 added to the profile list as profile_0" --import 3 "$work/carrier.pf"
grep -q '^profileName=Standard0, profile_02$' "$setting/name.bin" || fail "profile 3 not listed: $(cat "$setting/name.bin")"
[ -f "$macro/Jump.bin" ] && [ -f "$macro/Run.bin" ] || fail "carried macros not rebuilt"
expect 0 "profile 3 profile_0 sent" --profile 3
grep -q '^profileNo=2$' "$setting/apConfig.bin" || fail "profile 3 is not the start profile"
expect 0 "profile: 3 profile_0" --status
expect 0 "profile 1 Standard sent" --profile 1

# Round trip: the profile with its macros, exported and imported again.
expect 0 "profile 3 written to $work/round.pf" --export 3 "$work/round.pf"
expect 0 "profile 6 added to the profile list" --import 6 "$work/round.pf"
expect 0 " sent" --profile 6
expect 0 "profile: 6" --status
expect 0 "written to $work/six.pf" --export 6 "$work/six.pf"
expect 0 "profile 1 Standard sent" --profile 1
cp "$macro/Jump.bin" "$work/Jump.saved"
# As on another computer: no macros yet.
rm "$macro/Jump.bin" "$macro/Run.bin"
sed -i '/^macroName=/d' "$setting/name.bin"
expect 0 "profile 3 profile_0 replaced" --import 3 "$work/round.pf"
cmp "$setting/p3.bin" "$work/round.pf" || fail "profile file changed on the round trip"
cmp "$macro/Jump.bin" "$work/Jump.saved" || fail "macro changed on the round trip"

# Bad files change nothing.
cp "$setting/p3.bin" "$work/p3.before"
cp "$setting/name.bin" "$work/name.before"
expect 2 "no such file" --import 3 "$work/missing.pf"
expect 2 "is a folder" --import 3 "$work"
expect 2 "is not a regular file" --import 3 /dev/zero
expect 2 "the folder does not exist" --export 3 "$work/none/x.pf"
head -c 4096 /dev/urandom > "$work/garbage.pf"
expect 2 "not a profile file" --import 3 "$work/garbage.pf"
printf '[sensor]\ndpi_Tarn=@Variant(\\0\\0\\0\\t\\x7f\\xff\\xff\\xff)\n' > "$work/claims.pf"
expect 2 "not a profile file" --import 1 "$work/claims.pf"
expect 0 "profile: 1 Standard" --status
cp "$setting/p1.bin" "$work/huge.pf"
printf '[profile]\nname=%s\n' "$(seq -s ', ' 1 5000)" >> "$work/huge.pf"
expect 2 "carries 5000 macros, more than 100" --import 3 "$work/huge.pf"
cmp "$setting/p3.bin" "$work/p3.before" || fail "a refused import changed profile 3"
cmp "$setting/name.bin" "$work/name.before" || fail "a refused import changed the name lists"

echo "PASS"
