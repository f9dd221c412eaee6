#!/usr/bin/env bash
# solmon-cli weather: the shipped files, list, show, from-csv, import-epw and damaged input.
set -u
cli="$1"
build="$2"
here="$(cd "$(dirname "$0")" && pwd)"
csv="$here/../../data/climate/stations.csv"
epw="$here/../data/USA_CA_Long.Beach.AP.722970_TMYx.2007-2021.epw"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
# Exit status 0 or 1 only: a signal (a crash) gives 128 and more.
no_crash() { "$@" >/dev/null 2>&1; [ $? -le 2 ] || fail "crash: $*"; }

# The build put the shipped files beside the program; together they hold every station.
[ -f "$build/bin/US.WEA" ] && [ -f "$build/bin/WORLD.WEA" ] || fail "shipped weather files missing"
files="$("$cli" weather list)" || fail "weather list exits non-zero"
echo "$files" | grep -q '^US.WEA  *18 locations$' || fail "US.WEA count: $files"
echo "$files" | grep -q '^WORLD.WEA  *22 locations$' || fail "WORLD.WEA count: $files"
names="$("$cli" weather list US.WEA; "$cli" weather list WORLD.WEA)"
tail -n +2 "$csv" | cut -d, -f1 | while read -r station; do
  echo "$names" | grep -q "  $station  " || fail "station $station is not listed"
done || exit 1
echo "$names" | grep -q '^   8  HALLEY STATION ATA  *-75.606$' || fail "Halley line"

# show: English and SI.
english="$("$cli" weather show US.WEA 6)" || fail "show exits non-zero"
echo "$english" | grep -q '^Location 6 of .*US.WEA: CHICAGO IL$' || fail "show title"
echo "$english" | grep -q '^Jan  *559  *23.7  *0.0017 ' || fail "Chicago January: $english"
si="$("$cli" weather show US.WEA 6 --si)" || fail "show --si exits non-zero"
echo "$si" | grep -q '^Jan  *6354  *-4.6 ' || fail "Chicago January in SI: $si"
echo "$si" | grep -q '°C-days' || fail "SI heading"
"$cli" weather show US.WEA 19 >/dev/null 2>"$tmp/err" && fail "location 19 accepted"
grep -q 'location 19 is not in weather file .*which holds 18 locations' "$tmp/err" || fail "message: $(cat "$tmp/err")"
"$cli" weather show US.WEA x >/dev/null 2>&1; [ $? -eq 2 ] || fail "bad number is not a usage error"

# --weather-dir.
cp "$build/bin/US.WEA" "$tmp/MINE.WEA"
"$cli" weather list MINE.WEA --weather-dir "$tmp" | grep -q 'PHOENIX AZ' || fail "--weather-dir"
"$cli" weather list MINE.WEA >/dev/null 2>&1 && fail "MINE.WEA found outside --weather-dir"

# from-csv into a name the program could not open.
"$cli" weather from-csv "$csv" --out "$tmp/A_VERY_LONG_NAME.WEA" >/dev/null 2>&1
[ $? -eq 2 ] || fail "long output name accepted"
[ -e "$tmp/A_VERY_LONG_NAME.WEA" ] && fail "long output name written"

# import-epw, append, and a bad EPW that leaves the file alone.
"$cli" weather import-epw "$epw" --out "$tmp/EPW.WEA" >/dev/null || fail "import-epw"
"$cli" weather import-epw "$epw" --out "$tmp/EPW.WEA" --append >/dev/null || fail "import-epw --append"
[ "$(stat -c %s "$tmp/EPW.WEA")" -eq 910 ] || fail "two imported locations are not 910 bytes"
"$cli" weather list "$tmp/EPW.WEA" | grep -q '^   2  LONG BEACH AP CA ' || fail "appended location"
head -n 20 "$epw" > "$tmp/bad.epw"
echo "1991,1,1,21,0,?9,7.80,abc,29,101971,0,0,278,0,0,0,0,0,0,0,310,2.10,9,5,777.7,7620,9,999999999,4,0.0850,0,88,0.110,0.0,0.0" >> "$tmp/bad.epw"
cp "$tmp/EPW.WEA" "$tmp/before.WEA"
"$cli" weather import-epw "$epw" "$tmp/bad.epw" --out "$tmp/EPW.WEA" --append >/dev/null 2>"$tmp/err" &&
  fail "bad EPW accepted"
grep -q 'bad.epw line 21: field 8 (dew point temperature) "abc" is not a number' "$tmp/err" ||
  fail "bad EPW message: $(cat "$tmp/err")"
cmp -s "$tmp/EPW.WEA" "$tmp/before.WEA" || fail "a refused import changed the file"

# Damaged weather files: a clear message, never a crash.
head -c 1000 "$build/bin/US.WEA" > "$tmp/CUT.WEA"
"$cli" weather list "$tmp/CUT.WEA" 2>"$tmp/err" | grep -q '^   2  FRESNO CA' || fail "truncated list"
grep -q 'ends in 90 bytes that are not a whole location record' "$tmp/err" || fail "trailing bytes not reported"
"$cli" weather show "$tmp/CUT.WEA" 3 >/dev/null 2>&1 && fail "partial record shown"
head -c 4550 /dev/urandom > "$tmp/JUNK.WEA"
for n in 1 5 10; do
  no_crash "$cli" weather show "$tmp/JUNK.WEA" $n
  no_crash "$cli" weather show "$tmp/JUNK.WEA" $n --si
done
no_crash "$cli" weather list "$tmp/JUNK.WEA"
no_crash "$cli" weather import-epw "$tmp/JUNK.WEA" --out "$tmp/X.WEA"
exit 0
