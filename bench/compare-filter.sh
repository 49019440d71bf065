#!/usr/bin/env bash
# The row filter, split save and conditional save on the generated order file
# against mawk and mlr doing the same selection, in the same run: wall time
# and peak memory of each.
#
#   bench/compare-filter.sh [build-dir]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
data=bench/data/orders.csv

./scripts/setup miller time
cmake --build "$build" --target tabrix-cli tabrix_gen_orders >/dev/null
mkdir -p bench/data
[ -f "$data" ] || "$build/tabrix_gen_orders" "$data"
size=$(stat -c %s "$data")
cat "$data" >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=$(printf '\x8e\xf3\x95\x74')  # the status "受付" in code page 932

measure() {  # label, command...
  local label=$1; shift
  local log; log=$(mktemp)
  /usr/bin/time -v "$@" >/dev/null 2>"$log" || { echo "$label failed:"; tail -5 "$log"; rm -f "$log"; return; }
  local wall rss
  wall=$(awk -F': ' '/Elapsed \(wall clock\)/ {print $2}' "$log")
  rss=$(awk -F': ' '/Maximum resident set size/ {print $2}' "$log")
  printf '%-34s wall %-10s peak RSS %6d MB (%.2f x file)\n' "$label" "$wall" $((rss / 1024)) \
    "$(echo "$rss * 1024 / $size" | bc -l)"
  rm -f "$log"
}

cli="$build/tabrix-cli"
echo "file: $data ($((size / 1000000)) MB, $(wc -l <"$data") lines)"
measure "tabrix-cli filter --ind 8" "$cli" filter "$data" --quote --ind 8 "受付" --no-count
measure "mawk \$8 == status" mawk -F, -v s="$status" '$8 == s' "$data"
measure "mlr filter \$8 == status" mlr --icsv --ocsv --implicit-csv-header filter "\$8 == \"$status\"" "$data"
measure "tabrix-cli filter --dup 4" "$cli" filter "$data" --quote --dup 4 --no-count
measure "mawk !seen[\$4]++" mawk -F, '!seen[$4]++' "$data"
measure "tabrix-cli save" "$cli" save "$data" "$work/saved.csv"
measure "tabrix-cli split --files 3" "$cli" split "$data" "$work/part.csv" --files 3
measure "mawk split into 3" mawk -v n="$(wc -l <"$data")" -v out="$work/m" \
  '{ f = out "_" (NR <= int(n/3) ? 1 : NR <= 2*int(n/3) ? 2 : 3) ".csv"; print > f }' "$data"
measure "tabrix-cli select (mode 0)" "$cli" select "$data" "$work/all.csv"
head -n 1000000 "$data" | head -c 100000000 >/dev/null
mawk -F, 'NR <= 1000000 { key = sprintf("K%05d", int((NR - 1) / 100)); sub(/^[^,]*/, key); print }' "$data" >"$work/keys.csv"
measure "tabrix-cli split per key (10,000)" "$cli" split "$work/keys.csv" "$work/k.csv" --key 1 --per-key
echo "per-key files: $(ls "$work" | grep -c '^k_')"
