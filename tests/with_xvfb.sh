#!/usr/bin/env bash
# with_xvfb.sh COMMAND...: runs COMMAND on a private Xvfb (1280x1024x24) and
# stops it afterwards (no reset between clients, so a test that ends its
# last client can connect again at once). The server picks its own free display number
# (-displayfd), so tests started side by side never race for one.
set -u
dir=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$dir/display" 2>"$dir/log" &
server=$!
for ((i = 0; i < 100; i++)); do
  [ -s "$dir/display" ] && break
  sleep 0.1
done
if [ ! -s "$dir/display" ]; then
  echo "Xvfb did not start: $(cat "$dir/log")" >&2
  kill "$server" 2>/dev/null; rm -rf "$dir"; exit 1
fi
export DISPLAY=":$(cat "$dir/display")"
"$@"
status=$?
kill "$server" 2>/dev/null
wait "$server" 2>/dev/null
rm -rf "$dir"
exit $status
