#!/usr/bin/env bash
# Opening a UTF-8 file against the same work done by hand: iconv converting
# the file to Shift-JIS, plus tabrix-cli opening the Shift-JIS file. Also
# saving the document back as UTF-8, which must give the same bytes.
#
#   bench/compare-utf8.sh [build-dir]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
data=bench/data/orders.csv
utf8=bench/data/orders-utf8.csv

./scripts/setup time bc
cmake --build "$build" --target tabrix-cli tabrix_gen_orders >/dev/null
mkdir -p bench/data
[ -f "$data" ] || "$build/tabrix_gen_orders" "$data"
[ -f "$utf8" ] || iconv -f CP932 -t UTF-8 "$data" >"$utf8"
cat "$data" "$utf8" >/dev/null  # warm the page cache so every run starts alike

seconds() {  # command... -> wall seconds on stdout
  local log; log=$(mktemp)
  /usr/bin/time -f '%e %M' "$@" >/dev/null 2>"$log" || { echo "failed: $*" >&2; tail -3 "$log" >&2; rm -f "$log"; exit 1; }
  tail -1 "$log"
  rm -f "$log"
}

echo "file: $utf8 ($(($(stat -c %s "$utf8") / 1000000)) MB UTF-8, $(wc -l <"$utf8") lines)"
read -r conv _ < <(seconds iconv -f UTF-8 -t CP932 "$utf8")
read -r sjis sjisrss < <(seconds "$build/tabrix-cli" info "$data")
read -r open openrss < <(seconds "$build/tabrix-cli" info "$utf8" --encoding utf8)
printf 'iconv UTF-8 -> CP932          %6.2f s\n' "$conv"
printf 'tabrix-cli info (Shift-JIS)   %6.2f s  peak RSS %d MB\n' "$sjis" $((sjisrss / 1024))
printf 'tabrix-cli info --encoding utf8 %4.2f s  peak RSS %d MB\n' "$open" $((openrss / 1024))
printf 'UTF-8 open / (iconv + Shift-JIS open) = %.2f\n' "$(echo "$open / ($conv + $sjis)" | bc -l)"

out=$(mktemp --suffix=.csv)
read -r save _ < <(seconds "$build/tabrix-cli" save "$utf8" "$out" --encoding utf8)
printf 'tabrix-cli save UTF-8 -> UTF-8 %5.2f s\n' "$save"
cmp -s "$utf8" "$out" && echo "save: identical to the input" || echo "save: DIFFERS from the input"
rm -f "$out"
