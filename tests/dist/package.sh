#!/usr/bin/env bash
# The Debian package on this machine: builds it, runs the validators, installs
# it with apt-get, starts /usr/bin/mouse-utility as two unprivileged users
# under Xvfb with the virtual mouse preloaded in place of the HID library,
# then removes it. Run as root; the package and the users go again at the end.
#   package.sh BUILD
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../e2e/lib.sh"

build=$(cd "$1" && pwd)
appdir=/usr/lib/mouse-utility
users=("mupkga$$" "mupkgb$$")
tree() { echo "/home/$1/.local/share/mouse-utility/modules"; }

teardown() {
  cleanup
  dpkg -s mouse-utility >/dev/null 2>&1 && apt-get purge -y -qq mouse-utility >/dev/null 2>&1
  for u in "${users[@]}"; do id "$u" >/dev/null 2>&1 && userdel -r "$u" 2>/dev/null; done
}
trap teardown EXIT

[ "$(id -u)" -eq 0 ] || fail "needs root (apt-get, useradd)"
dpkg -s mouse-utility >/dev/null 2>&1 && { trap cleanup EXIT; fail "mouse-utility is installed already; not touching it"; }

echo "-- build and validate"
(cd "$build" && cpack -G DEB >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; fail "cpack"; }
deb=$(ls "$build"/mouse-utility_*_amd64.deb | head -1)
[ -f "$deb" ] || fail "no mouse-utility_<version>_amd64.deb in $build"
lintian --fail-on error "$deb" || fail "lintian reports errors"
dpkg-deb -x "$deb" "$work/deb"
desktop-file-validate "$work/deb/usr/share/applications/mouse-utility.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$work/deb/usr/share/metainfo/"*.metainfo.xml || fail "appstreamcli validate"
for f in usr/bin/mouse-utility usr/lib/udev/rules.d/70-mouse-utility.rules \
         usr/share/icons/hicolor/{16x16,48x48,256x256}/apps/mouse-utility.png \
         usr/share/gnome-shell/extensions/focus@mouseutility.org/{metadata.json,extension.js}; do
  [ -e "$work/deb/$f" ] || fail "the package lacks /$f"
done
depends=$(dpkg-deb -f "$deb" Depends)
for d in libhidapi-hidraw0 libqt5quickwidgets5 qml-module-qtquick2; do
  [[ "$depends" == *"$d"* ]] || fail "Depends lacks $d: $depends"
done

echo "-- install"
apt-get install -y -qq "$deb" >"$work/apt.log" 2>&1 || { cat "$work/apt.log"; fail "apt-get install"; }
[ "$(readlink -f /usr/bin/mouse-utility)" = "$appdir/mouse-utility" ] || fail "/usr/bin/mouse-utility does not lead to $appdir"
sums() { (cd "$appdir" && find . -type f -print0 | sort -z | xargs -0 sha256sum); }
sums >"$work/before"

for u in "${users[@]}"; do useradd -m "$u" || fail "useradd $u"; done
chmod 755 "$work"
cp "$build/lib/libvirtualmouse.so" "$work/" && chmod 644 "$work/libvirtualmouse.so"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null & pids+=($!)
for ((i = 0; i < 100; i++)); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"

# start USER: the installed program as USER; sets `pid` (the program's, not
# runuser's) and `wid`.
start() {
  # Its runtime and temporary files (single-instance lock) go with $work.
  install -d -m 700 -o "$1" "$work/tmp-$1"
  runuser -u "$1" -- env -i HOME="/home/$1" PATH=/usr/bin:/bin DISPLAY="$DISPLAY" \
    TMPDIR="$work/tmp-$1" XDG_RUNTIME_DIR="$work/tmp-$1" \
    LD_PRELOAD="$work/libvirtualmouse.so" VIRTUALMOUSE_ATTACH=1040 /usr/bin/mouse-utility >"$work/$1.log" 2>&1 &
  pids+=($!); pid=; wid=
  for ((i = 0; i < 300; i++)); do
    [ -z "$pid" ] && pid=$(pgrep -u "$1" -x mouse-utility) && pids+=($pid)
    grep -q "Device Connect" "$work/$1.log" && wid=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -1)
    [ -n "$wid" ] && break
    sleep 0.1
  done
  [ -n "$wid" ] || { cat "$work/$1.log"; fail "$1: no connected window"; }
  grep -Eq "cannot be saved|could not be copied" "$work/$1.log" && { cat "$work/$1.log"; fail "$1: a notice at start"; }
}
stop() { kill "$pid"; for ((i = 0; i < 100; i++)); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done; }
dpi1() { sed -n 's/^dpi_Tarn=\([0-9]*\),.*/\1/p' "$(tree "$1")/setting/p1.bin"; }

echo "-- user ${users[0]}: first start, a DPI value through the page"
start "${users[0]}"
diff -r "$appdir/modules" "$(tree "${users[0]}")" >/dev/null || fail "the first user's tree is not a copy of the installed one"
[ "$(stat -c %U "$(tree "${users[0]}")/setting/p1.bin")" = "${users[0]}" ] || fail "the first user's tree is not theirs"
[ "$(dpi1 "${users[0]}")" != 8000 ] || fail "stage 1 starts at 8000 DPI already"
# The top of the first stage's track (see tests/e2e/main_page.sh): 8000 DPI.
# The page may still be loading at the first click: clicked again, slower
# than a double click, until the value arrives.
for ((i = 0; i < 150; i++)); do
  ((i % 10 == 0)) && xdotool mousemove --window "$wid" $((734 + 10 + 18)) $((32 + 18 + 6 + 3)) click 1
  [ "$(dpi1 "${users[0]}")" = 8000 ] && break
  sleep 0.1
done
[ "$(dpi1 "${users[0]}")" = 8000 ] ||
  { cat "$work/${users[0]}.log"; grep dpi_Tarn "$(tree "${users[0]}")/setting/p1.bin"; fail "the click did not reach the first user's p1.bin"; }
stop

echo "-- user ${users[1]}: a tree of their own"
start "${users[1]}"
cmp -s "$appdir/modules/setting/p1.bin" "$(tree "${users[1]}")/setting/p1.bin" || fail "the second user sees another p1.bin"
stop
[ "$(dpi1 "${users[0]}")" = 8000 ] || fail "the first user's change is gone"

sums | diff - "$work/before" || fail "files under $appdir changed"

echo "-- remove"
apt-get remove -y -qq mouse-utility >"$work/apt.log" 2>&1 || { cat "$work/apt.log"; fail "apt-get remove"; }
[ ! -e /usr/bin/mouse-utility ] || fail "/usr/bin/mouse-utility is still there"
for u in "${users[@]}"; do [ -f "$(tree "$u")/setting/p1.bin" ] || fail "removing the package took $u's tree"; done
[ "$(dpi1 "${users[0]}")" = 8000 ] || fail "removing the package changed the first user's settings"
echo ok
