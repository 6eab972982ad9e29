#!/bin/bash
# Where an ordinary user's settings go (root may write anywhere, so the
# commands run as nobody): an install whose folder the user may write but
# whose setting/ folder is read-only, and the reverse. A profile chosen on
# the command line must be the one the next command reports.
# Usage: settings_folder_user.sh DEMO_EXE
set -u
source "$(dirname "$0")/../e2e/lib.sh"
if ! id nobody >/dev/null 2>&1 || ! command -v runuser >/dev/null; then
  echo "SKIP: no user nobody or no runuser"
  exit 0
fi
unset DISPLAY WAYLAND_DISPLAY XDG_RUNTIME_DIR
chmod 755 "$work"

# as_user HOME ARGS...: the installed program as nobody; output in `out`.
as_user() {
  local home=$1
  shift
  out=$(timeout 60 runuser -u nobody -- env HOME="$home" XDG_DATA_HOME= QT_QPA_PLATFORM=xcb \
        VIRTUALMOUSE_ATTACH=1040 "$exe" "$@" 2>&1)
}

# install DIR: a copy of the program, owned by root and readable by all.
install() {
  install_copy "$demo" "$1"
  # Profiles 2 and 3 listed, as the profile manager's New would leave them.
  sed -i 's/^profileName=.*/profileName=Standard0, Two1, Three2/' "$1/modules/setting/name.bin"
  exe="$1/$(basename "$demo")"
  chmod -R a+rX,go-w "$1"
}

# choose HOME P WHAT: as nobody with that home, profile P chosen on the
# command line is the one the next command reports.
choose() {
  local home="$work/$1"
  mkdir -p "$home"
  chown nobody "$home"
  as_user "$home" --profile "$2" || fail "--profile $2 as nobody: $out"
  as_user "$home" --status
  [[ "$out" == *"profile: $2"* ]] || fail "$3 lost the choice: $out"
}

demo=$1

# The install folder is the user's, its setting/ folder is not.
install "$work/own"
chown nobody "$work/own"
choose home1 2 "a read-only setting/ in a writable folder"
grep -q '^profileNo=1$' "$work/home1/.local/share/mouse-utility/modules/setting/apConfig.bin" ||
  fail "no per-user copy holds the choice"
grep -q '^profileNo=0$' "$work/own/modules/setting/apConfig.bin" || fail "the installed settings changed"

# The reverse: only setting/ is the user's; the settings are kept there.
install "$work/shared"
chown -R nobody "$work/shared/modules/setting"
choose home2 3 "a writable setting/ in a read-only folder"
grep -q '^profileNo=2$' "$work/shared/modules/setting/apConfig.bin" || fail "the writable setting/ was not used"
echo PASS
