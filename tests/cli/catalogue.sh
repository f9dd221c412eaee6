#!/usr/bin/env bash
# solmon-cli catalogue: summary, one sheet, and bad arguments.
set -u
cli="$1"
fail() { echo "FAIL: $*"; exit 1; }

summary="$("$cli" catalogue)" || fail "summary exits non-zero"
[ "$(echo "$summary" | wc -l)" -eq 15 ] || fail "summary is not fifteen lines"
echo "$summary" | grep -q 'Economics Parameters' || fail "summary lacks the economics table"

econ="$("$cli" catalogue 3 1)" || fail "catalogue 3 1 exits non-zero"
[ "$(echo "$econ" | head -1)" = "Economics Parameters" ] || fail "title line"
[ "$(echo "$econ" | tail -n +3 | wc -l)" -eq 28 ] || fail "economics has not 28 rows"
echo "$econ" | grep -q '"Cost per unit area " *\$/m^2 *\$/ft^2 *-7 *0 *202' || fail "row 2"

"$cli" catalogue 2 6 >/dev/null 2>&1 && fail "sheet 2 kind 6 accepted"
"$cli" catalogue x >/dev/null 2>&1 && fail "bad argument accepted"
"$cli" nonsense >/dev/null 2>&1 && fail "unknown command accepted"
exit 0
