#!/usr/bin/env bash
# Checks a built or installed widget reference: its start page shows every shape off and on
# and leads to TumblerSwitch's page.   packaging/check-reference.sh FOLDER
set -euo pipefail
reference=$1
fail() { echo "reference: FAILED: $*" >&2; exit 1; }
[ -s "$reference/index.html" ] || fail "no $reference/index.html"
for shape in 0 1 2 3 4 5 6; do
    for state in off on; do
        [ -s "$reference/shape$shape-$state.png" ] || fail "no picture shape$shape-$state"
        grep -q "src=\"shape$shape-$state.png\"" "$reference/index.html" ||
            fail "index.html shows no shape$shape-$state"
    done
done
grep -q 'href="classTumblerSwitch.html"' "$reference/index.html" ||
    fail "index.html does not lead to TumblerSwitch's page"
[ -s "$reference/classTumblerSwitch.html" ] || fail "no page of TumblerSwitch"
