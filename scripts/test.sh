#!/usr/bin/env bash
# Builds all three presets (native with sanitizers, win64, win32) and runs
# every test: natively, and the 64-bit Windows build under Wine in a fresh
# prefix inside build/win64. Installs what is missing first.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

jobs=$(nproc)
for preset in native win64 win32; do
  echo "== build $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
done

echo "== test native"
ctest --preset native -j "$jobs"

echo "== test win64 (Wine)"
# A fresh Wine prefix per run keeps runs independent of each other.
if [ -d build/win64/wineprefix ]; then
  WINEPREFIX="$PWD/build/win64/wineprefix" wineserver -k 2>/dev/null || true
  rm -rf build/win64/wineprefix*
fi
source scripts/xvfb.sh
status=0
ctest --preset win64 || status=$?
WINEPREFIX="$PWD/build/win64/wineprefix" wineserver -k 2>/dev/null || true
exit $status
