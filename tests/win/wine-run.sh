#!/usr/bin/env bash
# Runs a program of the Windows build under Wine: the Windows build's test
# emulator. Qt's DLLs come from the unpacked Qt (which then finds its plugins
# and QML modules itself), the MinGW runtime from the cross compiler, so the
# build folder needs no deployment. WINEPREFIX names the prefix that
# scripts/windows.sh prepared (with QT_FORCE_STDERR_LOGGING=1 in its
# environment, so Qt's messages reach stderr).
#   wine-run.sh QT_WIN_PREFIX PROGRAM.exe [ARGUMENTS...]
set -euo pipefail
qt=$1; shift
: "${WINEPREFIX:?WINEPREFIX must name a Wine prefix (scripts/windows.sh --test makes one)}"
export WINEDEBUG=${WINEDEBUG:--all}
export WINEPATH="Z:$qt/bin;Z:/usr/lib/gcc/x86_64-w64-mingw32/12-posix;Z:/usr/x86_64-w64-mingw32/lib"
exec /usr/lib/wine/wine64 "$@"
