#!/usr/bin/env bash
# Workbook speed and memory against independent tools, in the same run:
#   - tabrix-cli save of the 1,000,000-line order file (8 columns) to .xlsx
#     against python3-xlsxwriter in constant-memory mode writing the same cells;
#   - tabrix-cli info of that .xlsx against xlsx2csv converting it;
#   - .xls of 65,536 rows x 20 columns written and read by tabrix-cli, and
#     read by xlrd.
# Peak memory is shown beside that of loading the order file as text (the
# store), so the workbook's own cost is the difference.
#
#   bench/compare-workbook.sh [build-dir]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
data=bench/data/orders.csv
work=bench/data/workbook
py=/usr/bin/python3

# The comparison tools are needed here only, never by the build or the tests.
./scripts/setup time bc xlsx2csv python3-xlsxwriter python3-xlrd
cmake --build "$build" --target tabrix-cli tabrix_gen_orders >/dev/null
mkdir -p "$work"
[ -f "$data" ] || "$build/tabrix_gen_orders" "$data"
cat "$data" >/dev/null

declare -A WALL RSS
measure() {  # key, label, command...
  local key=$1 label=$2; shift 2
  local log; log=$(mktemp)
  if ! /usr/bin/time -f '%e %M' -o "$log" "$@" >/dev/null 2>"$log.err"; then
    echo "$label failed:"; tail -5 "$log.err"; rm -f "$log" "$log.err"; return 1
  fi
  read -r WALL[$key] RSS[$key] <"$log"
  printf '%-44s %7.2f s   peak RSS %5d MB\n' "$label" "${WALL[$key]}" $((RSS[$key] / 1024))
  rm -f "$log" "$log.err"
}
ratio() { echo "scale=2; $1 / $2" | bc -l; }

echo "== 1,000,000 rows x 8 columns ($data)"
measure store "tabrix-cli info orders.csv (the store)" "$build/tabrix-cli" info "$data" --quote
measure save "tabrix-cli save -> big.xlsx" "$build/tabrix-cli" save "$data" "$work/big.xlsx" --quote
measure pywrite "python3-xlsxwriter constant_memory" "$py" - "$data" "$work/py.xlsx" <<'PY'
import csv, re, sys, xlsxwriter
number = re.compile(r'-?(0|[1-9][0-9]*)(\.[0-9]*[1-9])?')
book = xlsxwriter.Workbook(sys.argv[2], {'constant_memory': True})
sheet = book.add_worksheet()
with open(sys.argv[1], encoding='cp932', newline='') as f:
    for r, row in enumerate(csv.reader(f)):
        for c, v in enumerate(row):
            if not v:
                continue
            if number.fullmatch(v) and len(v.replace('-', '').replace('.', '').lstrip('0')) <= 15:
                sheet.write_number(r, c, float(v))
            else:
                sheet.write_string(r, c, v)
book.close()
PY
measure info "tabrix-cli info big.xlsx" "$build/tabrix-cli" info "$work/big.xlsx"
measure x2c "xlsx2csv big.xlsx" xlsx2csv "$work/big.xlsx"
echo "save:  $(ratio "${WALL[pywrite]}" "${WALL[save]}") x faster than python3-xlsxwriter;" \
     "memory above the store $(( (RSS[save] - RSS[store]) / 1024 )) MB"
echo "info:  $(ratio "${WALL[x2c]}" "${WALL[info]}") x faster than xlsx2csv;" \
     "memory above the store $(( (RSS[info] - RSS[store]) / 1024 )) MB"

echo "== 65,536 rows x 20 columns (.xls)"
awk -F, 'NR <= 65536 { print $0 "," $0 "," $1 "," $2 "," $3 "," $4 }' "$data" >"$work/wide.csv"
measure xlswrite "tabrix-cli save -> wide.xls" "$build/tabrix-cli" save "$work/wide.csv" "$work/wide.xls" --quote
measure xlsread "tabrix-cli info wide.xls" "$build/tabrix-cli" info "$work/wide.xls"
measure xlrd "xlrd reading wide.xls" "$py" -c \
  "import sys, xlrd; s = xlrd.open_workbook(sys.argv[1]).sheet_by_index(0); [s.row_values(i) for i in range(s.nrows)]" \
  "$work/wide.xls"
echo "xls:   read $(ratio "${WALL[xlrd]}" "${WALL[xlsread]}") x faster than xlrd"
