#!/bin/bash
# The install puts the command line's manual page and bash completion in
# place, and the completion offers the commands and the listed profiles' numbers.
# Usage: cli_install.sh BUILD_DIR
set -u
source "$(dirname "$0")/../e2e/lib.sh"
cmake --install "$1" --prefix "$work/usr" >/dev/null || fail "install failed"
page="$work/usr/share/man/man1/mouse-utility.1.gz"
completion="$work/usr/share/bash-completion/completions/mouse-utility"
[ -f "$page" ] || fail "no manual page"
gzip -dc "$page" | grep -q '^\.TH MOUSE-UTILITY 1' || fail "manual page has no title line"
[ -f "$completion" ] || fail "no bash completion"

# What bash-completion itself provides, reduced to what the function uses.
_init_completion() { cur=${COMP_WORDS[COMP_CWORD]}; prev=${COMP_WORDS[COMP_CWORD-1]}; words=("${COMP_WORDS[@]}"); cword=$COMP_CWORD; }
_filedir() { COMPREPLY=(FILES); }
source "$completion"
complete_line() { COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); _mouse_utility; echo "${COMPREPLY[*]}"; }
[ "$(complete_line mouse-utility --pr)" = "--profile" ] || fail "--pr does not complete to --profile"
# Profile numbers are those the installed program's profile manager lists.
PATH="$work/usr/bin:$PATH"
[ "$(complete_line mouse-utility --profile '')" = "1" ] || fail "not the listed profile after --profile"
names="$(dirname "$(readlink -f "$work/usr/bin/mouse-utility")")/modules/setting/name.bin"
printf '[profile]\nprofileName=Standard0, profile_03, "a,b5"\n' > "$names"
[ "$(complete_line mouse-utility --profile '')" = "1 4 6" ] || fail "listed profiles not offered: $(complete_line mouse-utility --profile '')"
[ "$(complete_line mouse-utility --import '')" = "1 2 3 4 5 6" ] || fail "no profile numbers after --import"
[ "$(complete_line mouse-utility --import 2 '')" = "FILES" ] || fail "no file after --import P"
echo PASS
