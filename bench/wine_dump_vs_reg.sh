#!/usr/bin/env bash
# wine_dump_vs_reg.sh BUILD_DIR
# Under Wine: fills a scratch prefix with the benchmark's large registry,
# then times "Arvenlo.exe -d" against "reg query /s" of the same two trees.
# BUILD_DIR is a win64 build folder with model_bench and Arvenlo built.
set -euo pipefail
build=$(cd "$1" && pwd)
export WINEPREFIX=$build/bench-wineprefix
export WINEDEBUG=-all
if [ ! -d "$WINEPREFIX" ]; then
  wineboot -i >/dev/null 2>&1 || true
  wineserver -w
fi
wine "$build/bench/model_bench.exe" --use-real-registry --keep
wine reg query 'HKLM\Software\Autodesk' >/dev/null 2>&1 || true  # warm the prefix
start=$(date +%s.%N)
wine reg query 'HKLM\Software\Autodesk' /s >/dev/null
wine reg query 'HKCU\Software\Autodesk' /s >/dev/null
reg=$(echo "$(date +%s.%N) - $start" | bc)
dump=$(mktemp)
start=$(date +%s.%N)
wine "$build/manager/Arvenlo.exe" -d "$(winepath -w "$dump")"
arv=$(echo "$(date +%s.%N) - $start" | bc)
echo "reg query /s (both trees): ${reg} s"
echo "Arvenlo.exe -d:            ${arv} s ($(wc -c <"$dump") bytes)"
rm -f "$dump"
wineserver -k
