#!/usr/bin/env bash
# The portable zip unpacked into an empty folder runs as it is under Wine:
# the program is a GUI-subsystem executable carrying the tray icon, finds its
# DLLs, plugins, QML modules and installed tree beside itself, and its real
# hidapi back end (hid.dll, cfgmgr32.dll) answers. Wine shows it no HID
# device, so the program reports "Device Error" and waits in the tray.
#   portable_zip.sh ZIP
set -uo pipefail
. "$(dirname "$0")/lib.sh"
zip=$1

unzip -q "$zip" -d "$work/unzipped" || fail "cannot unpack $zip"
mv "$work"/unzipped/mouse-utility-*-win64 "$work/app"
exe=$work/app/mouse-utility.exe
[ -f "$exe" ] || fail "no mouse-utility.exe in the zip"
[ ! -e "$work/app/mouse-utility-demo.exe" ] || fail "the demo program is in the zip"
headers=$(x86_64-w64-mingw32-objdump -p -h "$exe")
grep -q 'Subsystem.*(Windows GUI)' <<<"$headers" || fail "not a GUI-subsystem program"
grep -q '\.rsrc' <<<"$headers" || fail "no resources (icon) in the program"
title=$(sed -n 's/^name1=//p' "$work/app/modules/setting/apConfig.bin" | tr -d '\r')

start_program mouse-utility.exe
wait_log "^Device Error" 60 || fail "the program from the zip did not run its device check"
echo ok
