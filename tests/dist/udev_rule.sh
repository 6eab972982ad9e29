#!/usr/bin/env bash
# The udev rule grants access to the hidraw nodes of the two supported mice
# and to nothing else: every rule names the hidraw subsystem, our vendor and
# one of the two products, and only adds the seat user's access tag.
set -uo pipefail
rule=$1
fail() { echo "FAIL: $*" >&2; exit 1; }

if command -v udevadm >/dev/null && udevadm verify --help >/dev/null 2>&1; then
  udevadm verify "$rule" || fail "udevadm verify rejects the rule"
fi

products=()
while IFS= read -r line; do
  [[ "$line" =~ ^[[:space:]]*(#|$) ]] && continue
  [[ "$line" == *'SUBSYSTEM=="hidraw"'* ]] || fail "a rule without the hidraw subsystem: $line"
  [[ "$line" == *'ATTRS{idVendor}=="260d"'* ]] || fail "a rule without the vendor 260d: $line"
  [[ "$line" =~ ATTRS\{idProduct\}==\"([0-9a-f]{4})\" ]] || fail "a rule without one exact product: $line"
  products+=("${BASH_REMATCH[1]}")
  # Nothing but matches and the access tag: no MODE, GROUP, RUN or wildcards.
  rest=$(sed -E 's/SUBSYSTEM=="hidraw"|ATTRS\{idVendor\}=="260d"|ATTRS\{idProduct\}=="[0-9a-f]{4}"|TAG\+="uaccess"|[ ,]//g' <<<"$line")
  [ -z "$rest" ] || fail "a rule does more than tag the two mice: '$rest' in $line"
  [[ "$line" == *'TAG+="uaccess"'* ]] || fail "a rule that grants nothing: $line"
done <"$rule"

[ "$(printf '%s\n' "${products[@]}" | sort | tr '\n' ' ')" = "1040 1044 " ] ||
  fail "the rules name products ${products[*]}, not exactly 1040 and 1044"
echo ok
