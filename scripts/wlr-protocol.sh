#!/usr/bin/env bash
# Fetches the virtual-pointer and virtual-keyboard protocols of the wlroots
# compositors from Debian's wlroots source package into build-deps/ (not kept
# in the repository). The Wayland end-to-end tests build small input clients
# from them.
set -euo pipefail
cd "$(dirname "$0")/.."
protocols=(wlr-virtual-pointer-unstable-v1.xml virtual-keyboard-unstable-v1.xml)
missing=()
for p in "${protocols[@]}"; do [ -f "build-deps/$p" ] || missing+=("$p"); done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
if ! apt-get source --print-uris wlroots >/dev/null 2>&1; then
  . /etc/os-release
  printf 'Types: deb-src\nURIs: http://deb.debian.org/debian\nSuites: %s\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' \
    "$VERSION_CODENAME" | $sudo tee /etc/apt/sources.list.d/mouse-utility-src.sources >/dev/null
  $sudo apt-get update -qq
fi
mkdir -p build-deps
fetch=$(mktemp -d build-deps/wlroots.XXXXXX)
trap 'rm -rf "$fetch"' EXIT
(cd "$fetch" && apt-get source --download-only -qq wlroots >/dev/null 2>&1) || {
  echo "Debian's wlroots source package cannot be fetched: the Wayland input tests are left out" >&2
  exit 0
}
for p in "${missing[@]}"; do
  tar -xJf "$fetch"/wlroots_*.orig.tar.xz -C "$fetch" --wildcards "*/protocol/$p"
  mv "$fetch"/wlroots-*/protocol/"$p" "build-deps/$p"
  echo "Fetched build-deps/$p"
done
