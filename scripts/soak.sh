#!/usr/bin/env bash
# The soak test of tests/wine/run.sh on its own, for as long as asked:
#   scripts/soak.sh <seconds>        e.g. scripts/soak.sh 28800 for eight hours
# Runs back-to-back runs of the x86_64 program under wine64 (cycling, stopping and overtime runs,
# a program each) and samples the program's kernel handles, windows and private memory; prints
# a figure per part and fails when one of them grows. Build win32-x64 first. It works on a copy
# of dist/win32-x64 in a prefix of its own (build/wine-soak), so builds and the other Wine tests
# can go on meanwhile; the samples stay in build/wine-soak/soak-*.txt (seconds, handles,
# windows, private kB).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
seconds=${1:?usage: scripts/soak.sh <seconds>}
work=$root/build/wine-soak
mkdir -p "$work"
rm -rf "$work/dist"
cp -r "$root/dist/win32-x64" "$work/dist"
# The scripts run from copies too: bash reads a script as it goes, and an hours-long run must
# not see the working tree's scripts change under it.
rm -rf "$work/src"
mkdir -p "$work/src/tests/wine" "$work/src/scripts/lib"
cp -r "$root/tests/wine/run.sh" "$root/tests/wine/lib.sh" "$root/tests/wine/groups" "$work/src/tests/wine/"
cp "$root/build/win32-x64/tests/probe.exe" "$work/"
cp "$root/scripts/lib/wine.sh" "$work/src/scripts/lib/"
HORALIX_SOAK_SECONDS=$seconds HORALIX_WINE_ONLY='^test_soak_' HORALIX_BACKEND_TESTS=none \
  HORALIX_PROBE=$work/probe.exe HORALIX_WINE_WORK=$work HORALIX_DIST=$work/dist exec bash "$work/src/tests/wine/run.sh"
