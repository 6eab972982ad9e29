#!/usr/bin/env bash
# Builds the program for Windows with MinGW-w64 and the cross-built Qt of the
# shared Windows kit, deploys it into a folder that runs as it is (program,
# installed tree, Qt DLLs, platform plugin, QML modules) and packs that folder
# as the portable zip. With --test it also builds the tests and runs them, and
# the end-to-end scripts, under Wine on a private Xvfb.
#
#   scripts/windows.sh [--test] [BUILD_DIR]        (BUILD_DIR: build-win)
#
# The kit is ../shared/windows beside the clone (MU_WINDOWS_KIT overrides it).
# hidapi's Windows back end comes from Debian's hidapi source package.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)

run_tests=0
if [ "${1:-}" = --test ]; then run_tests=1; shift; fi
build=$(realpath -m "${1:-$repo/build-win}")
kit=${MU_WINDOWS_KIT:-$repo/../shared/windows}
archive=$kit/qt5.15.8-mingw64.tar.xz
archive_sha256=1ad8a4e7cd69474a0bb9efba91cf13614515811c8349788d3f0a3c685446d54e
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver

missing() { echo "windows.sh: $*" >&2; exit 1; }

# ---- what the build needs, named when absent
[ -f "$archive" ] || missing "the Qt archive $archive is missing (the shared Windows kit; MU_WINDOWS_KIT names another folder)"
for f in mingw-w64-x86_64-posix.cmake deploy.sh copydlls.sh; do
  [ -f "$kit/$f" ] || missing "$kit/$f of the Windows kit is missing"
done
kit=$(cd "$kit" && pwd)
command -v x86_64-w64-mingw32-g++-posix >/dev/null \
  || missing "the MinGW-w64 compiler x86_64-w64-mingw32-g++-posix is missing (package g++-mingw-w64-x86-64-posix; scripts/deps.sh)"
for tool in cmake ninja zip dpkg-source; do
  command -v "$tool" >/dev/null || missing "$tool is missing (scripts/deps.sh installs it)"
done
if [ "$run_tests" = 1 ]; then
  [ -x "$wine" ] || missing "Wine is missing: $wine (packages wine and wine64; scripts/deps.sh)"
  for tool in Xvfb xdotool; do
    command -v "$tool" >/dev/null || missing "$tool is missing (scripts/deps.sh installs it)"
  done
fi

mkdir -p "$build"

# ---- Qt, unpacked into the build folder once per archive
qt=$build/qt5-mingw
if [ "$(cat "$qt/.archive-sha256" 2>/dev/null)" != "$archive_sha256" ]; then
  echo "== unpacking the Windows Qt into $qt"
  echo "$archive_sha256  $archive" | sha256sum --check --status \
    || missing "the Qt archive $archive is damaged (its SHA-256 is not $archive_sha256)"
  rm -rf "$qt"
  tar -xJf "$archive" -C "$build" || missing "the Qt archive $archive cannot be unpacked"
  [ -f "$qt/lib/cmake/Qt5/Qt5Config.cmake" ] || missing "the Qt archive $archive holds no qt5-mingw/ tree"
  echo "$archive_sha256" >"$qt/.archive-sha256"
fi

# ---- hidapi's Windows back end from Debian's source package
hidapi=$build/hidapi-src
if [ ! -f "$hidapi/windows/hid.c" ]; then
  echo "== fetching Debian's hidapi source package"
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo=sudo
  if ! apt-get source --print-uris hidapi >/dev/null 2>&1; then
    . /etc/os-release
    printf 'Types: deb-src\nURIs: http://deb.debian.org/debian\nSuites: %s\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' \
      "$VERSION_CODENAME" | $sudo tee /etc/apt/sources.list.d/mouse-utility-src.sources >/dev/null
    $sudo apt-get update -qq
  fi
  fetch=$(mktemp -d "$build/hidapi-fetch.XXXXXX")
  (cd "$fetch" && apt-get source -qq hidapi >/dev/null 2>&1) || missing "Debian's hidapi source package cannot be fetched"
  rm -rf "$hidapi"
  mv "$fetch"/hidapi-*/ "$hidapi"
  rm -rf "$fetch"
fi

# ---- configure and build
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
testing=OFF
[ "$run_tests" = 1 ] && testing=ON
echo "== configuring and building in $build"
cmake -S "$repo" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$kit/mingw-w64-x86_64-posix.cmake" \
  -DQT_WIN_PREFIX="$qt" -DCMAKE_PREFIX_PATH="$qt" -DCMAKE_TRY_COMPILE_PLATFORM_VARIABLES=QT_WIN_PREFIX \
  -DHIDAPI_WIN_SOURCE="$hidapi" -DBUILD_TESTING="$testing" "${launcher[@]}" >/dev/null
cmake --build "$build" -j "$(nproc)"

# ---- the deployed folder and the portable zip
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
name=mouse-utility-$version-win64
echo "== deploying into $build/$name"
programs=$build/deploy-programs
rm -rf "$programs"
mkdir -p "$programs"
cp "$build"/bin/{mouse-utility,mouse-utility-demo,vmousectl}.exe "$programs/"
x86_64-w64-mingw32-strip "$programs"/*.exe
QT_WIN_PREFIX=$qt "$kit/deploy.sh" "$programs" "$build/$name" >/dev/null
for tree in modules update; do
  cp -r "$repo/$tree" "$build/$name/"
done
find "$build/$name" -name .gitkeep -delete
# The portable zip is the program alone; the demo and the virtual mouse's
# client stay in the folder for the tests.
rm -f "$build/$name.zip"
(cd "$build" && zip -qr "$name.zip" "$name" -x "$name/mouse-utility-demo.exe" "$name/vmousectl.exe")
echo "portable zip: $build/$name.zip ($(du -h "$build/$name.zip" | cut -f1))"

[ "$run_tests" = 1 ] || exit 0

# ---- tests under Wine, on a private X server and a scratch prefix
export WINEPREFIX=$build/wine-prefix WINEDEBUG=-all
xvfb_pid=""
finish() {
  "$wineserver" -k 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  return 0
}
trap finish EXIT
displayfile=$build/xvfb-display
rm -f "$displayfile"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$displayfile" >/dev/null 2>&1 &
xvfb_pid=$!
for ((i = 0; i < 200; i++)); do grep -q . "$displayfile" 2>/dev/null && break; sleep 0.1; done
grep -q . "$displayfile" || missing "Xvfb did not start"
export DISPLAY=:$(head -1 "$displayfile")
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "== preparing the Wine prefix $WINEPREFIX"
  "$wine" wineboot --init >/dev/null 2>&1
fi
# Wine hands no QT_* variable to Windows programs; the prefix's environment does.
"$wine" reg add 'HKCU\Environment' /v QT_FORCE_STDERR_LOGGING /d 1 /f >/dev/null 2>&1
echo "== tests under Wine ($(date +%T))"
# MU_WINE_TESTS, a regular expression, runs only the tests it matches.
ctest --test-dir "$build" --output-on-failure -j "$(nproc)" ${MU_WINE_TESTS:+-R "$MU_WINE_TESTS"}
echo "== tests under Wine done ($(date +%T))"
