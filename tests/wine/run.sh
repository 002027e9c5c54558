#!/usr/bin/env bash
# End-to-end tests of the Windows program folder (dist/win32-x64) under wine64:
#   bash tests/wine/run.sh
# Runs on $DISPLAY when it works, else on an Xvfb display of its own (a free number). Makes a
# fresh Wine prefix under build/wine-tests/ and ends every Wine process of it between tests, so
# each test starts from a clean registry key HKCU\Vantrel and no running program. Every call
# into Wine is bounded in time. Prints a line per test, a few measurements (start-up time, size,
# memory) and ends with "N passed, M failed"; the exit code is non-zero on any failure.
#
# A test is one function named test_<what> that returns non-zero (after saying why with `fail`)
# when the program does not behave. Tests live in groups, one file per area in tests/wine/groups/
# (every file there is sourced); the helpers that start, find, answer and end the program are in
# tests/wine/lib.sh.
# Before them, the Win32 backend's own tests (GoogleTest, built by the win32-x64 preset) run in
# the same prefix, then the add-in's test host (tests/wine/addin) with the add-in registered by
# regsvr32; each of their tests counts in the totals.
# The program folder itself stays as built: the add-in's registration, its test host and every
# test use a copy made anew before each of them (build/wine-tests/program).
# HORALIX_DIST overrides the program folder, HORALIX_BACKEND_TESTS the backend test program,
# HORALIX_ADDIN_HOST the add-in's test host, HORALIX_PROBE the probe (tests/wine/probe),
# HORALIX_WINE_WORK the folder of the prefix and the files the tests leave;
# HORALIX_WINE_KEEP=1 keeps the prefix afterwards; HORALIX_WINE_ONLY=<regex> runs only the tests
# whose names match; HORALIX_SOAK_SECONDS sets how long the soak test runs (default 150, its
# three parts together; scripts/soak.sh runs it for hours).
set -uo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
built=${HORALIX_DIST:-$root/dist/win32-x64}
backend_tests=${HORALIX_BACKEND_TESTS:-$root/build/win32-x64/tests/horalix_win32_tests.exe}
addin_host=${HORALIX_ADDIN_HOST:-$root/build/win32-x64/tests/horalink_host_tests.exe}
work=${HORALIX_WINE_WORK:-$root/build/wine-tests}
export WINEPREFIX=$work/prefix
export WINEDEBUG=-all
# shellcheck source=scripts/lib/wine.sh
source "$root/scripts/lib/wine.sh"
dist=$work/program  # the copy of the program folder that the add-in and the tests run from

probe=${HORALIX_PROBE:-$root/build/win32-x64/tests/probe.exe}
log=$work/wine.log
program_job=      # the background job of the program under test
program_pid=      # its Windows process id
xvfb_pid=

# shellcheck source=tests/wine/lib.sh
source "$root/tests/wine/lib.sh"
for group in "$root"/tests/wine/groups/*.sh; do
  # shellcheck source=/dev/null
  source "$group"
done

main() {
  echo "Wine tests of $built"
  trap cleanup EXIT
  if ! setup; then
    echo "0 passed, 1 failed"
    exit 1
  fi
  run_backend_tests
  end_wine
  if [[ ${HORALIX_WINE_ONLY:-.} == . ]]; then
    run_core_tests
    end_wine
  fi
  run_addin_host_tests
  end_wine
  note "Horalix.exe: $(stat -c %s "$built/Horalix.exe") bytes"
  local name
  for name in $(declare -F | awk '$3 ~ /^test_/ { print $3 }'); do
    [[ $name =~ ${HORALIX_WINE_ONLY:-.} ]] || continue
    echo "$name"
    if fresh_program_copy && "$name"; then
      echo "  ok"
      passed=$((passed + 1))
    else
      echo "  FAILED (Wine log: $log)"
      failed=$((failed + 1))
    fi
    end_wine
  done
  echo "$passed passed, $failed failed"
  ((failed == 0))
}
main "$@"
