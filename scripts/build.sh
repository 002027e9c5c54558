#!/usr/bin/env bash
# Configures and builds one preset or all of them.
#   scripts/build.sh [native|win32-x64|win32-x86|all]     (default: all)
# native: Linux, headless backend and tests (build/native). win32-x64, win32-x86: Horalix.exe,
# Horalink32.dll and their program folder in dist/win32-x64 and dist/win32-x86. The Windows
# presets need the SQLite amalgamation, which scripts/fetch-sqlite.sh makes on first use.
# Expects the packages of scripts/install-deps.sh.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

case ${1:-all} in
  native | win32-x64 | win32-x86) presets=("$1") ;;
  all) presets=(native win32-x64 win32-x86) ;;
  *) echo "usage: scripts/build.sh [native|win32-x64|win32-x86|all]" >&2; exit 2 ;;
esac

for preset in "${presets[@]}"; do
  [[ $preset == win32-* ]] && bash scripts/fetch-sqlite.sh
  echo "== build: $preset"
  start=$SECONDS
  log=build/logs/configure-$preset.log
  mkdir -p build/logs
  cmake --preset "$preset" >"$log" 2>&1 || { cat "$log"; echo "build: configuring $preset failed" >&2; exit 1; }
  grep -A4 -E '^CMake (Warning|Deprecation)' "$log" || true
  cmake --build --preset "$preset" -j "$(nproc)"
  echo "== build: $preset done in $((SECONDS - start)) s"
done
