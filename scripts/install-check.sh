#!/usr/bin/env bash
# Installs a build (default build/) with `cmake --install` into a scratch prefix and rates the shipped
# example with the installed wvx11: it must succeed and write the same report as the build tree's.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
prefix=$scratch/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null

# Read where things go from the build's cache, as the program was configured with them.
cache_value() { sed -n "s/^$1:[A-Z]*=//p" "$build/CMakeCache.txt"; }
bindir=$(cache_value CMAKE_INSTALL_BINDIR)
datadir=$(cache_value CMAKE_INSTALL_DATADIR)
# Left empty in the cache, the data directory is the data root (GNUInstallDirs).
if [ -z "$datadir" ]; then datadir=$(cache_value CMAKE_INSTALL_DATAROOTDIR); fi
for f in "$bindir/wvx11" "$datadir/vx11/vx11.err" "$datadir/vx11/din6888.dbf"; do
  if [ ! -e "$prefix/$f" ]; then echo "install-check: $f not installed" >&2; exit 1; fi
done

# Each run in a folder of its own with a fresh configuration folder.
rate() {
  local program=$1 folder=$2
  mkdir -p "$folder/config"
  cp examples/beispiel.vxk "$folder/"
  (cd "$folder" && XDG_CONFIG_HOME="$folder/config" "$program" beispiel.vxk /I >"$folder/out.log" 2>&1)
}
if ! rate "$prefix/$bindir/wvx11" "$scratch/installed"; then
  echo "install-check: the installed wvx11 failed:" >&2
  cat "$scratch/installed/out.log" >&2
  exit 1
fi
rate "$PWD/$build/bin/wvx11" "$scratch/built"
report=beispiel.txt
if [ ! -s "$scratch/installed/$report" ]; then
  echo "install-check: the installed wvx11 wrote no report" >&2
  exit 1
fi
# The heading carries the date and time of the run, which may differ by a minute.
undated() { sed '1s/\t[0-9][0-9]\.[0-9][0-9]\.[0-9]\{4\}\t[0-9][0-9]:[0-9][0-9]$/\tDATE\tTIME/' "$1"; }
if ! cmp <(undated "$scratch/built/$report") <(undated "$scratch/installed/$report"); then
  diff "$scratch/built/$report" "$scratch/installed/$report" | head -20 >&2
  exit 1
fi
echo "install-check: installed wvx11 in $bindir, data in $datadir/vx11: report identical to the build tree's"
