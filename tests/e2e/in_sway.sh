#!/usr/bin/env bash
# Runs a test program on the Wayland platform of a headless sway session, so
# that the same test runs under X11 and Wayland.
#   in_sway.sh PROGRAM [ARGS...]
set -uo pipefail
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/sway_lib.sh"

wayland_session --no-services
# A build the test user cannot reach (under root's home) runs as root; the
# compositor's socket serves any client.
as_user test -x "$1" || runner=env
$runner env QT_QPA_PLATFORM=wayland QT_QUICK_BACKEND=software VIRTUALMOUSE_ATTACH=none TMPDIR="$work" "$@"
