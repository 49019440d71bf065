#!/usr/bin/env bash
# Loads the generated 100 MB order file with tabrix-cli and with two other
# tools that read CSV, printing wall time and peak memory of each; then saves
# it with tabrix-cli, and checks that real postal data saves back unchanged.
# Where perf is available it then measures the processor time (task clock)
# and page faults of tabrix-cli and of sqlite3 alternately, RUNS times each,
# and prints how many times faster tabrix-cli loads: the ratio holds on a
# shared machine where the times alone do not.
#
#   RUNS=5 bench/compare-load.sh [build-dir]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
runs=${RUNS:-5}
data=bench/data/orders.csv
ken=../shared/data/KEN_ALL.CSV
[ -f "$ken" ] || ken=/work/shared/data/KEN_ALL.CSV

./scripts/setup sqlite3 miller time bc
[ -f "$build/CMakeCache.txt" ] && cmake --build "$build" --target tabrix-cli tabrix_gen_orders >/dev/null
mkdir -p bench/data
[ -f "$data" ] || "$build/tabrix_gen_orders" "$data"
size=$(stat -c %s "$data")
cat "$data" >/dev/null  # warm the page cache so every tool starts alike

measure() {  # label, command...
  local label=$1; shift
  local log; log=$(mktemp)
  /usr/bin/time -v "$@" >/dev/null 2>"$log" || { echo "$label failed:"; tail -5 "$log"; rm -f "$log"; return; }
  local wall rss
  wall=$(awk -F': ' '/Elapsed \(wall clock\)/ {print $2}' "$log")
  rss=$(awk -F': ' '/Maximum resident set size/ {print $2}' "$log")
  printf '%-28s wall %-10s peak RSS %6d MB (%.2f x file)\n' "$label" "$wall" $((rss / 1024)) \
    "$(echo "$rss * 1024 / $size" | bc -l)"
  rm -f "$log"
}

echo "file: $data ($((size / 1000000)) MB, $(wc -l <"$data") lines)"
measure "tabrix-cli info" "$build/tabrix-cli" info "$data"
measure "sqlite3 .import (:memory:)" sqlite3 :memory: -cmd ".mode csv" ".import $data orders"
measure "mlr tail -n 1" mlr --icsv --ojson --implicit-csv-header tail -n 1 "$data"
out=$(mktemp --suffix=.csv)
measure "tabrix-cli save" "$build/tabrix-cli" save "$data" "$out"
cmp -s "$data" "$out" && echo "save: identical to the input" || echo "save: DIFFERS from the input"
rm -f "$out"

if [ -f "$ken" ]; then
  out=$(mktemp --suffix=.csv)
  "$build/tabrix-cli" save "$ken" "$out" 2>/dev/null
  cmp -s "$ken" "$out" && echo "KEN_ALL.CSV: saved back byte for byte" || echo "KEN_ALL.CSV: DIFFERS after saving"
  rm -f "$out"
fi

perf_stat() {  # command...: prints "task-clock-ms page-faults" averaged over one perf stat run of $runs
  perf stat -r "$runs" -x, -e task-clock,page-faults "$@" 2>&1 >/dev/null |
    awk -F, '/task-clock/ {t = $1} /page-faults/ {f = $1} END {printf "%.1f %d\n", t, f}'
}
if perf stat -e task-clock true >/dev/null 2>&1; then
  echo "perf stat, $runs runs each, alternating:"
  for round in 1 2 3; do
    read -r tabrix_ms tabrix_faults < <(perf_stat "$build/tabrix-cli" info "$data")
    read -r sqlite_ms sqlite_faults < <(perf_stat sqlite3 :memory: -cmd ".mode csv" ".import $data orders")
    printf 'round %d: tabrix-cli info task clock %7.1f ms, %6d page faults; sqlite3 .import %7.1f ms, %6d page faults; ratio %.1f x\n' \
      "$round" "$tabrix_ms" "$tabrix_faults" "$sqlite_ms" "$sqlite_faults" "$(echo "$sqlite_ms / $tabrix_ms" | bc -l)"
  done
fi
