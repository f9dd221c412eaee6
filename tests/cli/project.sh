#!/usr/bin/env bash
# solmon-cli project: info and save on the shipped defaults project, and failures.
set -u
cli="$1"
build="$2"
fail() { echo "FAIL: $*"; exit 1; }
tmp="$(mktemp -d)"
trap 'chmod -R u+w "$tmp"; rm -rf "$tmp"' EXIT

out="$("$cli" project info "$tmp/none.SMN" 2>&1)" && fail "info of a missing file exits 0"
echo "$out" | grep -q 'none.SMN": there is no such file' || fail "missing file message: $out"
"$cli" project >/dev/null 2>&1; [ $? -eq 2 ] || fail "no subcommand is not a usage error"

printf 'not a project' >"$tmp/junk.SMN"
out="$("$cli" project save "$tmp/junk.SMN" "$tmp/out.SMN" 2>&1)" && fail "junk file saved"
echo "$out" | grep -q 'version text at byte 0' || fail "junk message: $out"
[ -e "$tmp/out.SMN" ] && fail "a failed read wrote the output"

defaults="$build/bin/Defaults.SMN"
[ -f "$defaults" ] || fail "the build made no Defaults.SMN"
info="$("$cli" project info "$defaults")" || fail "info of Defaults.SMN"
echo "$info" | grep -q '^Version: 5.80 (580)$' || fail "version line: $info"
"$cli" project save "$defaults" "$tmp/copy.SMN" >/dev/null || fail "save of Defaults.SMN"
cmp -s "$defaults" "$tmp/copy.SMN" || fail "re-saved defaults differ"
# A save into a missing folder fails and says why.
out="$("$cli" project save "$defaults" "$tmp/no/such/x.SMN" 2>&1)" && fail "save into a missing folder"
echo "$out" | grep -q 'there is no such folder' || fail "missing folder message: $out"
echo "$info" | grep -q '^Location: 1 in US.WEA, ' || fail "location line: $info"

# The build's own step: a source that breaks a rule is refused with its line.
src="$(dirname "$0")/../../data/defaults.ini"
sed 's/^5 = 80  ; Efficiency of fuel usage/5 = 180  ; Efficiency of fuel usage/' "$src" >"$tmp/bad.ini"
out="$("$cli" project from-ini "$tmp/bad.ini" "$tmp/bad.SMN" --weather-dir "$build/bin" 2>&1)" \
  && fail "a value against its rule was accepted"
echo "$out" | grep -q 'bad.ini:[0-9]*: row 5 "Efficiency of fuel usage": This parameter must be' \
  || fail "bad source message: $out"
[ -e "$tmp/bad.SMN" ] && fail "a refused source wrote a project"
"$cli" project from-ini "$src" "$tmp/again.SMN" --weather-dir "$build/bin" >/dev/null \
  || fail "from-ini of the shipped source"
cmp -s "$defaults" "$tmp/again.SMN" || fail "from-ini is not reproducible"
exit 0
