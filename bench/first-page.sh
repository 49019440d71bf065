#!/usr/bin/env bash
# How long the editor takes to show the first page of the generated 100 MB
# order file: it is started under Xvfb on settings of its own (no file-read
# dialog), with TABRIX_TIMING=1, and stopped once the first page is drawn.
# Each run also loads the file with tabrix-cli, so the two can be compared on
# a machine whose speed varies with its load.
#
#   bench/first-page.sh [build-dir] [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
runs=${2:-3}
data=bench/data/orders.csv

./scripts/setup
[ -f "$build/CMakeCache.txt" ] && cmake --build "$build" --target tabrix tabrix-cli tabrix_gen_orders >/dev/null
mkdir -p bench/data
[ -f "$data" ] || "$build/tabrix_gen_orders" "$data"
cat "$data" >/dev/null  # warm the page cache

config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT
mkdir -p "$config/velm"
printf '[General]\nOpenDlg=0\n' >"$config/velm/Tabrix.conf"

for ((i = 1; i <= runs; i++)); do
  log=$(mktemp)
  XDG_CONFIG_HOME=$config TABRIX_TIMING=1 xvfb-run -a -s '-screen 0 1280x1024x24' \
    "$build/src/ui/tabrix" "$PWD/$data" 2>"$log" &
  runner=$!
  # Wait for the first page, at most a minute.
  for ((t = 0; t < 600; t++)); do
    grep -q 'open to first page drawn' "$log" && break
    sleep 0.1
  done
  # The editor is xvfb-run's child; once it ends, xvfb-run ends the X server.
  editor=$(pgrep -P "$runner" -x tabrix || true)
  [ -n "$editor" ] && kill "$editor"
  wait "$runner" 2>/dev/null || true
  loaded=$(grep -o 'open to document loaded [0-9.]* ms' "$log" | grep -o '[0-9.]*' || echo '?')
  drawn=$(grep -o 'open to first page drawn [0-9.]* ms' "$log" | grep -o '[0-9.]*' || echo '?')
  cli_start=$(date +%s%N)
  "$build/tabrix-cli" info "$data" >/dev/null
  cli=$(( ($(date +%s%N) - cli_start) / 1000000 ))
  printf 'run %d: editor: open to document loaded %s ms, to first page drawn %s ms; tabrix-cli info %d ms\n' \
    "$i" "$loaded" "$drawn" "$cli"
  rm -f "$log"
done
