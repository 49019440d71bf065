#!/usr/bin/env bash
# tabrix-cli edit on the TAB version of the generated order file against GNU
# sort, cut and sed doing the same job, in the same run: wall time, peak
# memory, and whether the outputs are byte for byte the same.
#
#   bench/compare-edit.sh [build-dir]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
data=bench/data/orders.csv
tab=bench/data/orders.tab

./scripts/setup time bc
cmake --build "$build" --target tabrix-cli tabrix_gen_orders >/dev/null
mkdir -p bench/data
[ -f "$data" ] || "$build/tabrix_gen_orders" "$data"
cli="$build/tabrix-cli"
[ -f "$tab" ] || "$cli" save "$data" "$tab" --quote --out-delim tab --out-no-quote
size=$(stat -c %s "$tab")
cat "$tab" >/dev/null  # warm the page cache so every tool starts alike
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

declare -A seconds
measure() {  # key, label, output file or -, command...
  local key=$1 label=$2 out=$3; shift 3
  local log; log=$(mktemp)
  if [ "$out" = - ]; then
    /usr/bin/time -v "$@" >/dev/null 2>"$log" || { echo "$label failed:"; tail -5 "$log"; rm -f "$log"; return; }
  else
    /usr/bin/time -v "$@" >"$out" 2>"$log" || { echo "$label failed:"; tail -5 "$log"; rm -f "$log"; return; }
  fi
  local wall rss
  wall=$(awk -F': ' '/Elapsed \(wall clock\)/ {print $2}' "$log")
  rss=$(awk -F': ' '/Maximum resident set size/ {print $2}' "$log")
  seconds[$key]=$(echo "$wall" | awk -F: '{ s = 0; for (i = 1; i <= NF; i++) s = s * 60 + $i; print s }')
  printf '%-40s wall %-9s peak RSS %5d MB (%.2f x file)\n' "$label" "$wall" $((rss / 1024)) \
    "$(echo "$rss * 1024 / $size" | bc -l)"
  rm -f "$log"
}
ratio() {  # label, key, key
  printf '  %-38s %.2f\n' "$1" "$(echo "${seconds[$2]} / ${seconds[$3]}" | bc -l)"
}
same() {  # label, file, file
  cmp -s "$2" "$3" && echo "  $1: identical" || echo "  $1: DIFFERENT"
}

echo "file: $tab ($((size / 1000000)) MB, $(wc -l <"$tab") lines)"
measure save "tabrix-cli save" - "$cli" save "$tab" "$work/saved.tab" --delim tab

measure sort "tabrix-cli edit row-sort --cols 4" - "$cli" edit row-sort "$tab" "$work/sorted.tab" --delim tab --cols 4
measure gsort "LC_ALL=C sort -s -k4,4" "$work/gsorted.tab" env LC_ALL=C sort -s -t $'\t' -k4,4 "$tab"
same "row-sort against sort" "$work/sorted.tab" "$work/gsorted.tab"
ratio "row-sort / sort" sort gsort

measure desc "tabrix-cli edit row-sort --cols 4 --desc" - "$cli" edit row-sort "$tab" "$work/desc.tab" --delim tab --cols 4 --desc
measure gdesc "LC_ALL=C sort -s -r -k4,4" "$work/gdesc.tab" env LC_ALL=C sort -s -r -t $'\t' -k4,4 "$tab"
same "row-sort --desc against sort -r" "$work/desc.tab" "$work/gdesc.tab"
ratio "row-sort --desc / sort -r" desc gdesc

measure delete "tabrix-cli edit col-delete --cols 2" - "$cli" edit col-delete "$tab" "$work/deleted.tab" --delim tab --cols 2
measure cut "cut -f1,3-8" "$work/cut.tab" cut -f1,3-8 "$tab"
same "col-delete against cut" "$work/deleted.tab" "$work/cut.tab"
ratio "col-delete / save" delete save
ratio "col-delete / cut" delete cut

# The date YYYY/MM/DD becomes three columns and the empty one of the pass that found no "/".
measure split "tabrix-cli edit col-split --sep / --repeat" - \
  "$cli" edit col-split "$tab" "$work/split.tab" --delim tab --cols 2 --sep / --repeat
measure sed "sed (the same split)" "$work/sed.tab" \
  sed 's#^\([^\t]*\t[^/\t]*\)/\([^/\t]*\)/\([^\t]*\)\t#\1\t\2\t\3\t\t#' "$tab"
same "col-split against sed" "$work/split.tab" "$work/sed.tab"
ratio "col-split / save" split save
ratio "col-split / sed" split sed
