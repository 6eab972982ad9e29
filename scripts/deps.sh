#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the program and the tests need.
# Safe to run again: installs only what is missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qtbase5-dev qtdeclarative5-dev qml-module-qtquick2 qml-module-qttest
  libhidapi-dev libudev-dev libxi-dev libx11-dev libxkbcommon-dev
  libglib2.0-dev libglib2.0-bin gsettings-desktop-schemas dbus-daemon
  xvfb xauth xdotool python3 openbox x11-xserver-utils xcompmgr
  qtwayland5 sway grim python3-dbus python3-gi libwayland-dev libwayland-bin
  fonts-wqy-microhei
  kwin-wayland gnome-shell
  qtdeclarative5-dev-tools dpkg-dev file lintian desktop-file-utils appstream
  g++-mingw-w64-x86-64 g++-mingw-w64-x86-64-posix wine wine64 zip unzip ccache
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
"$(dirname "$0")/wlr-protocol.sh"
