#!/usr/bin/env bash
# solmon-cli run: the default project, a run over every location of a shipped
# weather file, the layouts, the kinds whose building stores the heat, and the
# failures.
set -u
cli="$1"
build="$2"
fail() { echo "FAIL: $*"; exit 1; }
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT

"$cli" run >/dev/null 2>&1; [ $? -eq 2 ] || fail "no project is not a usage error"
"$cli" run x.SMN --bogus >/dev/null 2>&1; [ $? -eq 2 ] || fail "unknown option is not a usage error"
"$cli" run x.SMN --slope-offset ten >/dev/null 2>&1; [ $? -eq 2 ] || fail "a slope that is no number"
out="$("$cli" run "$tmp/none.SMN" 2>&1)"; [ $? -eq 1 ] || fail "missing project exit status"
[ "$(echo "$out" | wc -l)" -eq 1 ] || fail "missing project gives more than one line: $out"

defaults="$build/bin/Defaults.SMN"
weather="$build/bin/US.WEA"
[ -f "$defaults" ] && [ -f "$weather" ] || exit 0

# The default project: a header and one line, CR LF, a tab after every item.
"$cli" run "$defaults" >"$tmp/one.txt" 2>"$tmp/err.txt" || fail "default project: $(cat "$tmp/err.txt")"
[ "$(wc -l <"$tmp/one.txt")" -eq 2 ] || fail "default project is not header and one line"
[ "$(grep -c $'\t\r$' "$tmp/one.txt")" -eq 2 ] || fail "lines do not end with tab CR LF"
head -1 "$tmp/one.txt" | grep -q $'^City\t' || fail "header does not start with City"
f="$(tail -1 "$tmp/one.txt" | awk -F'\t' '{print $6}' | tr -d ' ')"
awk -v f="$f" 'BEGIN { exit !(f > 0 && f < 1) }' || fail "solar fraction $f of the default project"

# Every location of the shipped file, in the file's order.
stations=$(( $(stat -c %s "$weather") / 455 ))
"$cli" run "$defaults" --all-locations --weather-dir "$build/bin" --out "$tmp/all.txt" >"$tmp/stdout.txt" ||
  fail "all locations"
[ -s "$tmp/stdout.txt" ] && fail "--out still wrote to standard output"
[ "$(wc -l <"$tmp/all.txt")" -eq $((stations + 1)) ] || fail "not one line per station"
grep -q -- '-999' "$tmp/all.txt" && fail "a station without results"

# Monthly layout with the slope following the latitude.
"$cli" run "$defaults" --all-locations --weather-dir "$build/bin" --monthly --slope-offset 10 >"$tmp/m.txt" ||
  fail "monthly run"
head -1 "$tmp/m.txt" | grep -q $'\tJan\t.*\tDec\t.*\t Yr\t' || fail "monthly header labels"
cmp -s <(tail -n +2 "$tmp/m.txt" | cut -f1) <(tail -n +2 "$tmp/all.txt" | cut -f1) || fail "station order"
"$cli" run "$defaults" --all-locations --weather-dir "$build/bin" --slope-offset 10 >"$tmp/s.txt" || fail "slope run"
cmp -s "$tmp/s.txt" "$tmp/all.txt" && fail "the slope offset changed nothing"

# The kinds whose building stores the heat (3 active with building storage,
# 4 direct gain, 5 storage wall), built from the defaults: one location and
# every location, each with a finite solar fraction.
ini="$(dirname "$0")/../../data/defaults.ini"
for kind in 3 4 5; do
  collector=1; [ "$kind" -ge 4 ] && collector=0  # the passive kinds have no collector sheet
  sed -e "s/^system = 2 /system = $kind /" -e "s/^collector = 1 /collector = $collector /" "$ini" >"$tmp/k$kind.ini"
  "$cli" project from-ini "$tmp/k$kind.ini" "$tmp/k$kind.SMN" --weather-dir "$build/bin" >/dev/null 2>"$tmp/err.txt" ||
    fail "kind $kind project: $(cat "$tmp/err.txt")"
  "$cli" run "$tmp/k$kind.SMN" >"$tmp/k$kind.txt" 2>"$tmp/err.txt" || fail "kind $kind run: $(cat "$tmp/err.txt")"
  [ "$(wc -l <"$tmp/k$kind.txt")" -eq 2 ] || fail "kind $kind is not header and one line"
  # The f column: 6 for kind 3 (Solar Heat Dhw Aux f), 5 for Solar Load Aux f.
  column=5; [ "$kind" -eq 3 ] && column=6
  [ "$(head -1 "$tmp/k$kind.txt" | awk -F'\t' -v c="$column" '{gsub(/ /, "", $c); print $c}')" = f ] ||
    fail "kind $kind header: $(head -1 "$tmp/k$kind.txt")"
  f="$(tail -1 "$tmp/k$kind.txt" | awk -F'\t' -v c="$column" '{print $c}' | tr -d ' ')"
  awk -v f="$f" 'BEGIN { exit !(f > 0 && f < 1) }' || fail "kind $kind solar fraction $f"
  "$cli" run "$tmp/k$kind.SMN" --all-locations --weather-dir "$build/bin" --out "$tmp/k${kind}all.txt" 2>"$tmp/err.txt" ||
    fail "kind $kind all locations: $(cat "$tmp/err.txt")"
  [ "$(wc -l <"$tmp/k${kind}all.txt")" -eq $((stations + 1)) ] || fail "kind $kind: not one line per station"
  grep -q -- '-999' "$tmp/k${kind}all.txt" && fail "kind $kind: a station without results"
  "$cli" report "$tmp/k$kind.SMN" >"$tmp/k${kind}report.txt" 2>"$tmp/err.txt" || fail "kind $kind report: $(cat "$tmp/err.txt")"
  cut -f2- "$tmp/k$kind.txt" "$tmp/k${kind}all.txt" "$tmp/k${kind}report.txt" | grep -qiwE 'nan|inf' &&
    fail "kind $kind: a number that is no number"
done

# The pool, the general system and the ICS heater: the defaults project with
# that system kind, one location and every location, annual and monthly.
for kind in 6 7 8; do
  case $kind in 6) column=Q_Pool ;; 7) column=QTank ;; 8) column=Loss ;; esac
  collector=1; [ "$kind" -eq 8 ] && collector=0  # the ICS unit has no collector sheet
  sed -e "s/^system = 2 /system = $kind /" -e "s/^collector = 1 /collector = $collector /" "$ini" >"$tmp/k$kind.ini"
  "$cli" project from-ini "$tmp/k$kind.ini" "$tmp/k$kind.SMN" --weather-dir "$build/bin" >/dev/null ||
    fail "kind $kind project from the defaults"
  "$cli" run "$tmp/k$kind.SMN" >"$tmp/k$kind.txt" 2>"$tmp/err.txt" || fail "kind $kind: $(cat "$tmp/err.txt")"
  [ "$(wc -l <"$tmp/k$kind.txt")" -eq 2 ] || fail "kind $kind is not header and one line"
  head -1 "$tmp/k$kind.txt" | grep -q $'\t'"$column"$'\t' || fail "kind $kind header: $(head -1 "$tmp/k$kind.txt")"
  f="$(tail -1 "$tmp/k$kind.txt" | awk -F'\t' '{print $6}' | tr -d ' ')"
  awk -v f="$f" 'BEGIN { exit !(f >= 0 && f <= 1) }' || fail "kind $kind solar fraction $f"
  "$cli" run "$tmp/k$kind.SMN" --all-locations --weather-dir "$build/bin" --out "$tmp/k${kind}all.txt" \
    2>"$tmp/err.txt" || fail "kind $kind all locations: $(head -3 "$tmp/err.txt")"
  [ "$(wc -l <"$tmp/k${kind}all.txt")" -eq $((stations + 1)) ] || fail "kind $kind: not one line per station"
  grep -q -- '-999' "$tmp/k${kind}all.txt" && fail "kind $kind: a station without annual results"
  "$cli" run "$tmp/k$kind.SMN" --all-locations --weather-dir "$build/bin" --monthly --slope-offset 10 \
    >"$tmp/k${kind}m.txt" 2>/dev/null || fail "kind $kind monthly run"
  [ "$(wc -l <"$tmp/k${kind}m.txt")" -eq $((stations + 1)) ] || fail "kind $kind monthly: not one line per station"
  cut -f2- "$tmp/k$kind.txt" "$tmp/k${kind}all.txt" "$tmp/k${kind}m.txt" | grep -qiwE 'nan|inf' &&
    fail "kind $kind: a value that is no number"
done
# Outside the pool season the monthly file holds no value; the ICS defaults are used all year.
head -1 "$tmp/k6m.txt" | grep -q $'\tPool_T\t' || fail "monthly pool header has no Pool_T"
grep -q -- '-999' "$tmp/k6m.txt" || fail "pool months outside the season have values"
grep -q -- '-999' "$tmp/k8m.txt" && fail "an ICS month of use without values"

# Refusals and failures.
"$cli" run "$defaults" --slope-offset 5 >/dev/null 2>&1; [ $? -eq 2 ] || fail "slope offset of a single location"
out="$("$cli" run "$defaults" --all-locations --weather-dir "$tmp" 2>&1)"; [ $? -eq 1 ] || fail "missing weather file"
[ "$(echo "$out" | wc -l)" -eq 1 ] || fail "missing weather file message: $out"
"$cli" run "$defaults" --out "$tmp/no/such/out.txt" >/dev/null 2>&1; [ $? -eq 1 ] || fail "unwritable output"
if [ -w /dev/full ]; then
  "$cli" run "$defaults" >/dev/full 2>/dev/null; [ $? -eq 1 ] || fail "a full disk is not reported"
fi
exit 0
