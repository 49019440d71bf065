#!/usr/bin/env bash
# The column commands end to end on the 1,000,000-line order file, each
# against what it must match or beat, in the same run: wall time and peak
# memory of tabrix-cli edit beside tabrix-cli save, mawk and a cut | sort |
# paste pipeline, and a byte comparison of the outputs.
#
#   bench/compare-convert.sh [build-dir]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
data=bench/data/orders.csv

./scripts/setup mawk time
cmake --build "$build" --target tabrix-cli tabrix_gen_orders >/dev/null
mkdir -p bench/data
[ -f "$data" ] || "$build/tabrix_gen_orders" "$data"
cli="$build/tabrix-cli"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
size=$(stat -c %s "$data")
export LC_ALL=C

measure() {  # label, command... ; prints wall seconds and peak memory
  local label=$1; shift
  local log="$work/time.log"
  /usr/bin/time -f '%e %M' -o "$log" "$@" >/dev/null 2>"$work/err" || { echo "$label failed:"; cat "$work/err"; return 1; }
  read -r wall rss <"$log"
  printf '%-44s %6.2f s  peak %5d MB (%.2f x file)\n' "$label" "$wall" $((rss / 1024)) "$(echo "$rss * 1024 / $size" | bc -l)"
  last_wall=$wall
}
same() {  # label, file, file
  cmp -s "$2" "$3" && echo "  $1: identical" || echo "  $1: DIFFERS"
}

echo "file: $data ($((size / 1000000)) MB, $(wc -l <"$data") lines)"
cat "$data" >/dev/null
measure "tabrix-cli save" "$cli" save "$data" "$work/save.csv"; save=$last_wall
measure "edit convert --op upper --cols 5" "$cli" edit convert "$data" "$work/upper.csv" --cols 5 --op upper
echo "  over save: $(echo "$last_wall - $save" | bc) s (target 0.9 s)"
measure "edit convert --op half-to-full --cols 1-8" "$cli" edit convert "$data" "$work/full.csv" --cols 1-8 --op half-to-full
measure "edit convert --op add --pad 40 --cols 1-8" "$cli" edit convert "$data" "$work/pad.csv" --cols 1-8 --op add \
  --char full-space --pad 40 --after

# A TAB file with a ninth, signed column, so that mawk can read the fields.
"$cli" save "$data" "$work/tab.txt" --out-delim tab 2>/dev/null
mawk -F'\t' -v OFS='\t' '{ sub(/\r$/, ""); print $0, NR % 1000 - 500 "\r" }' "$work/tab.txt" >"$work/nine.txt"
tsize=$(stat -c %s "$work/nine.txt")
echo "TAB file with a ninth column: $((tsize / 1000000)) MB"
measure "tabrix-cli save (TAB, 9 columns)" "$cli" save "$work/nine.txt" "$work/nine-save.txt" --delim tab; save=$last_wall
measure "edit col-calc --cols 7,9 --op mul" "$cli" edit col-calc "$work/nine.txt" "$work/calc.txt" --delim tab \
  --cols 7,9 --op mul
echo "  ratio to save: $(echo "scale=2; $last_wall / $save" | bc) (target 2)"
measure "mawk the same" mawk -F'\t' -v OFS='\t' '{ sub(/\r$/, ""); print $0, $7 * $9 "\r" }' "$work/nine.txt"
mawk -F'\t' -v OFS='\t' '{ sub(/\r$/, ""); print $0, $7 * $9 "\r" }' "$work/nine.txt" >"$work/calc-mawk.txt"
same "col-calc against mawk" "$work/calc.txt" "$work/calc-mawk.txt"
"$cli" edit col-calc "$work/nine.txt" "$work/div.txt" --delim tab --cols 7,9 --op div --decimals 3 2>/dev/null
mawk -F'\t' -v OFS='\t' '{ sub(/\r$/, ""); v = $9 == 0 ? 0 : $7 / $9; r = sprintf("%.3f", v);
  if (r == "-0.000") r = "0.000"; print $0, r "\r" }' "$work/nine.txt" >"$work/div-mawk.txt"
same "col-calc --op div --decimals 3 against mawk" "$work/div.txt" "$work/div-mawk.txt"

measure "edit col-sort --cols 7 --key 2" "$cli" edit col-sort "$work/nine.txt" "$work/sort.txt" --delim tab --cols 7 --key 2
tabrix_sort=$last_wall
pipeline() {
  paste <(cut -f1-6 "$work/nine.txt") \
    <(cut -f2,7 "$work/nine.txt" | sort -s -t "$(printf '\t')" -k1,1 | cut -f2) \
    <(cut -f8- "$work/nine.txt")
}
export -f pipeline; export work
measure "cut | sort -s | paste" bash -c 'pipeline > "$work/sort-pipe.txt"'
echo "  ratio to the pipeline: $(echo "scale=2; $tabrix_sort / $last_wall" | bc) (target 1)"
same "col-sort against the pipeline" "$work/sort.txt" "$work/sort-pipe.txt"
