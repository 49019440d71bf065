#!/usr/bin/env bash
# tabrix-cli edit translate on the generated order file against a mawk join
# doing the same lookup, in the same run: wall time and peak memory of each,
# and the outputs compared byte for byte.
#   1. a customer table of 10,000 records, the codes of column 4 (C0001-C9999),
#      names 2 and 3 in two new columns after column 4, and in place of the code;
#   2. the national postal-code file as the table (key 3, names 7, 8 and 9),
#      the order file's column 4 replaced by postal codes written as that file
#      writes them (in double quotes, which both sides keep as data).
#
#   bench/compare-translate.sh [build-dir]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
data=bench/data/orders.csv
ken=${TABRIX_KEN_ALL:-/work/shared/data/KEN_ALL.CSV}

./scripts/setup time
cmake --build "$build" --target tabrix-cli tabrix_gen_orders >/dev/null
mkdir -p bench/data
[ -f "$data" ] || "$build/tabrix_gen_orders" "$data"
cat "$data" >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

measure() {  # label, command...
  local label=$1; shift
  local log; log=$(mktemp)
  /usr/bin/time -v "$@" >"$work/stdout" 2>"$log" || { echo "$label failed:"; tail -5 "$log"; rm -f "$log"; return; }
  local wall rss
  wall=$(awk -F': ' '/Elapsed \(wall clock\)/ {print $2}' "$log")
  rss=$(awk -F': ' '/Maximum resident set size/ {print $2}' "$log")
  printf '%-44s wall %-10s peak RSS %6d MB  %s\n' "$label" "$wall" $((rss / 1024)) "$(head -c 60 "$work/stdout")"
  rm -f "$log"
}
same() {  # two files
  if cmp -s "$1" "$2"; then echo "  outputs identical"; else echo "  OUTPUTS DIFFER"; cmp "$1" "$2" | head -3; fi
}

cli="$build/tabrix-cli"
echo "file: $data ($(wc -l <"$data") lines)"

# Customer names of half-width kana and a prefecture, code page 932.
mawk 'BEGIN { for (i = 0; i < 10000; i++) printf "C%04d,ｶﾌﾞｼｷｶﾞｲｼｬ ｼｮｳｼﾞ%04d,東京都%d\r\n", i, i, i % 47 }' |
  iconv -f UTF-8 -t CP932 >"$work/customers.csv"
join4='NR == FNR { sub(/\r$/, ""); if (!($1 in n)) n[$1] = $2 "," $3; next }
       { p = $1 "," $2 "," $3 "," $4; print p "," n[$4] substr($0, length(p) + 1) }'
measure "tabrix-cli edit translate (add 2 columns)" "$cli" edit translate "$data" "$work/t-add.csv" \
  --cols 4 --tran-file "$work/customers.csv" --names 2,3 --insert-after 4
measure "mawk join (add 2 columns)" mawk -F, "$join4" "$work/customers.csv" "$data"
mawk -F, "$join4" "$work/customers.csv" "$data" >"$work/m-add.csv"
same "$work/t-add.csv" "$work/m-add.csv"
measure "tabrix-cli edit translate (replace)" "$cli" edit translate "$data" "$work/t-rep.csv" \
  --cols 4 --tran-file "$work/customers.csv" --names 2
measure "tabrix-cli save (the same file, no command)" "$cli" save "$data" "$work/saved.csv"

if [ -f "$ken" ]; then
  mawk -F, 'NR == FNR { code[++n] = $3; next } { $4 = code[(NR * 7919) % n + 1]; print }' OFS=, "$ken" "$data" >"$work/postal.csv"
  joinken='NR == FNR { if (!($3 in n)) n[$3] = $7 "," $8 "," $9; next }
           { p = $1 "," $2 "," $3 "," $4; print p "," n[$4] substr($0, length(p) + 1) }'
  measure "tabrix-cli edit translate (KEN_ALL, 3 names)" "$cli" edit translate "$work/postal.csv" "$work/t-ken.csv" \
    --cols 4 --tran-file "$ken" --key-pos 3 --names 7,8,9 --insert-after 4
  measure "mawk join (KEN_ALL, 3 names)" mawk -F, "$joinken" "$ken" "$work/postal.csv"
  mawk -F, "$joinken" "$ken" "$work/postal.csv" >"$work/m-ken.csv"
  same "$work/t-ken.csv" "$work/m-ken.csv"
else
  echo "KEN_ALL.CSV not found: set TABRIX_KEN_ALL"
fi
