#!/usr/bin/env bash
# solmon-cli report: argument errors, and the reports of the shipped defaults project.
set -u
cli="$1"
build="$2"
fail() { echo "FAIL: $*"; exit 1; }
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT

"$cli" report >/dev/null 2>&1; [ $? -eq 2 ] || fail "no project is not a usage error"
"$cli" report x.SMN --bogus >/dev/null 2>&1; [ $? -eq 2 ] || fail "unknown option is not a usage error"
out="$("$cli" report "$tmp/none.SMN" 2>&1)"; [ $? -eq 1 ] || fail "missing project does not fail"
echo "$out" | grep -q 'none.SMN": there is no such file' || fail "missing project message: $out"

defaults="$build/bin/Defaults.SMN"
[ -f "$defaults" ] || exit 0
"$cli" report "$defaults" >"$tmp/lf.txt" || fail "report of Defaults.SMN"
"$cli" report "$defaults" --cr >"$tmp/cr.txt" || fail "report --cr of Defaults.SMN"
[ "$(tr -cd '\n' <"$tmp/cr.txt" | wc -c)" -eq 0 ] || fail "--cr output holds a line feed"
tr '\r' '\n' <"$tmp/cr.txt" >"$tmp/converted.txt"
echo >>"$tmp/converted.txt"
cmp -s "$tmp/lf.txt" "$tmp/converted.txt" || fail "LF form is not the clipboard text with line feeds"
[ "$(sed -n 1p "$tmp/lf.txt")" = "" ] || fail "the copy does not start with an ended empty line"
sed -n 2p "$tmp/lf.txt" | grep -q $'^\tSolar\t' || fail "heading line: $(sed -n 2p "$tmp/lf.txt")"
grep -q $'^Year\t' "$tmp/lf.txt" || fail "no Year line"
if "$cli" project info "$defaults" | grep -q '^Economics: on'; then
  grep -q $'^Economics Summary\t$' "$tmp/lf.txt" || fail "economics on but no economic report"
fi
exit 0
