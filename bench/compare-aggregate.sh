#!/usr/bin/env bash
# tabrix-cli aggregate and total on the generated order file, against sqlite3
# (.import and GROUP BY), miller (stats1) and mawk (an associative array)
# doing the same in the same run: best wall time of three runs, peak memory,
# the ratios the targets name, and the results compared.
#
#   bench/compare-aggregate.sh [build-dir]
#
# The comparison tools come from Debian packages (scripts/setup installs
# sqlite3, miller and mawk). The last two fields of an order line are never
# quoted, so mawk reads the quantity as $(NF-1) even where a product name
# holds a comma.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
data=bench/data/orders.csv
small=bench/data/orders-100k.csv

./scripts/setup sqlite3 miller mawk time bc
cmake --build "$build" --target tabrix-cli tabrix_gen_orders >/dev/null
mkdir -p bench/data
[ -f "$data" ] || "$build/tabrix_gen_orders" "$data"
[ -f "$small" ] || "$build/tabrix_gen_orders" "$small" 100000
size=$(stat -c %s "$data")
cat "$data" "$small" >/dev/null  # warm the page cache so every tool starts alike
cli="$build/tabrix-cli"
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

# measure NAME OUTFILE COMMAND...: the best of three runs; sets best_NAME (seconds) and rss_NAME (KB).
measure() {
  local name=$1 file=$2; shift 2
  local best="" rss=0 run wall kb
  for run in 1 2 3; do
    /usr/bin/time -f '%e %M' -o "$out/time" "$@" >"$file" 2>"$out/err" || { echo "$name failed:"; tail -3 "$out/err"; return 1; }
    read -r wall kb <"$out/time"
    if [ -z "$best" ] || [ "$(echo "$wall < $best" | bc)" = 1 ]; then best=$wall; fi
    [ "$kb" -gt "$rss" ] && rss=$kb
  done
  printf -v "best_$name" '%s' "$best"
  printf -v "rss_$name" '%s' "$rss"
  printf '%-44s %6.2f s  peak RSS %5d MB (%.2f x file)\n' "$name" "$best" $((rss / 1024)) "$(echo "$rss * 1024 / $size" | bc -l)"
}
ratio() { echo "scale=2; $1 / $2" | bc -l; }

echo "file: $data ($((size / 1000000)) MB, $(wc -l <"$data") lines)"
echo "-- key = customer code (4), calculation = quantity (7), sum, average, maximum, minimum"
measure tabrix "$out/tabrix.csv" "$cli" aggregate "$data" --quote --key 4 --calc 7 --aggregates sum,avg,max,min
measure sqlite "$out/sqlite.csv" sqlite3 :memory: -cmd "CREATE TABLE o(c1,c2,c3,c4,c5,c6,c7 INTEGER,c8)" -cmd ".mode csv" \
  -cmd ".import $data o" "SELECT c4, COUNT(*), SUM(c7), MAX(c7), MIN(c7) FROM o GROUP BY c4 ORDER BY c4"
measure mlr "$out/mlr.csv" mlr --icsv --ocsv --implicit-csv-header --headerless-csv-output \
  stats1 -a count,sum,mean,max,min -f 7 -g 4 "$data"
measure mawk "$out/mawk.csv" mawk -F, '{ k = $4; q = $(NF-1) + 0; n[k]++; s[k] += q
    if (!(k in mx) || q > mx[k]) mx[k] = q; if (!(k in mn) || q < mn[k]) mn[k] = q }
  END { for (k in n) printf "%s,%d,%d,%.0f,%d,%d\n", k, n[k], s[k], s[k] / n[k], mx[k], mn[k] }' "$data"
echo "tabrix-cli vs sqlite3: $(ratio "$best_tabrix" "$best_sqlite") x time (target < 1)"
echo "mlr vs tabrix-cli:     $(ratio "$best_mlr" "$best_tabrix") x faster (target >= 10)"
echo "tabrix-cli vs mawk:    $(ratio "$best_tabrix" "$best_mawk") x time (target <= 1)"
sed '1d;$d' "$out/tabrix.csv" | tr -d '\r' | cut -d, -f1,2,3,5,6 >"$out/t.csv"
tr -d '\r' <"$out/sqlite.csv" >"$out/s.csv"
cmp -s "$out/t.csv" "$out/s.csv" && echo "groups, counts, sums, maxima, minima: identical to sqlite3" || echo "results DIFFER from sqlite3"
sort "$out/mawk.csv" | cut -d, -f1,2,3,5,6 | cmp -s - "$out/t.csv" && echo "and to mawk" || echo "results DIFFER from mawk"

echo "-- 1,000,000 distinct keys: the order number (1)"
measure tabrix_distinct "$out/distinct.csv" "$cli" aggregate "$data" --quote --key 1 --calc 7 --aggregates sum,avg,max,min
echo "peak RSS $(ratio "$rss_tabrix_distinct * 1024" "$size") x the file (target <= 2.5), time target < 2 s"

echo "-- scaling: 100,000 against 1,000,000 lines"
measure tabrix_100k "$out/small.csv" "$cli" aggregate "$small" --quote --key 4 --calc 7 --aggregates sum,avg,max,min
echo "1,000,000 lines take $(ratio "$best_tabrix" "$best_tabrix_100k") x the 100,000-line run (target <= 12)"

echo "-- column total of the quantity"
measure info "$out/info.txt" "$cli" info "$data" --quote
measure total "$out/total.txt" "$cli" total "$data" --quote --col 7
echo "total vs info: $(ratio "$best_total" "$best_info") x (target <= 1.5)"
t=$(sed 's/.*total=//; s/,//g' "$out/total.txt")
s=$(sqlite3 :memory: -cmd "CREATE TABLE o(c1,c2,c3,c4,c5,c6,c7 INTEGER,c8)" -cmd ".mode csv" -cmd ".import $data o" "SELECT SUM(c7) FROM o")
m=$(mawk -F, '{ s += $(NF-1) } END { printf "%d\n", s }' "$data")
echo "totals: tabrix-cli $t, sqlite3 $s, mawk $m"
[ "$t" = "$s" ] && [ "$t" = "$m" ] && echo "totals agree" || echo "totals DIFFER"
