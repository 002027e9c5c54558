#!/usr/bin/env bash
# THE test command: installs what is missing, builds every preset and runs all tests.
#   bash scripts/test.sh
# 1. scripts/install-deps.sh (apt-get, only for missing packages)
# 2. scripts/fetch-sqlite.sh (SQLite amalgamation for the Windows builds, once)
# 3. the include check: every include of src/ along the direction of the layers (one test)
# 4. native build, then its tests with ctest (GoogleTest programs and package checks)
# 5. the fuzz targets (scripts/fuzz.sh ci): a few seconds each over their committed corpus; each
#    target counts as one test
# 6. win32-x64 and win32-x86 builds (dist/win32-x64, dist/win32-x86)
# 7. tests/wine/run.sh, when present: end-to-end tests of dist/win32-x64 under wine64; it ends
#    with a line "N passed, M failed", which is added to the totals (without one, its exit code
#    counts as one test)
# 8. the program folders as built: dist/win32-x64 and dist/win32-x86 hold TimeData.db and
#    OfficeData.db after the tests as the build made them (scripts/check-stores.sh; the tests run
#    the program from copies); one test
# Ends with "N passed, M failed" over all tests, and exits non-zero on any failure.
set -uo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
mkdir -p build/logs
passed=0
failed=0
started=$SECONDS

fatal() {
  echo "test: $* failed; stopping after $((SECONDS - started)) s" >&2
  echo "$passed passed, $((failed + 1)) failed"
  exit 1
}

section() { echo; echo "==== $* ($((SECONDS - started)) s)"; }

section "dependencies"
bash scripts/install-deps.sh || fatal "installing the packages"
bash scripts/fetch-sqlite.sh || fatal "building the SQLite amalgamation"

section "include check"
if python3 scripts/check-includes.py; then
  passed=$((passed + 1))
else
  failed=$((failed + 1))
fi

section "native build"
bash scripts/build.sh native || fatal "the native build"

section "native tests"
rm -f build/logs/ctest-native.xml
ctest --preset native --output-junit "$root/build/logs/ctest-native.xml" 2>&1 |
  tee build/logs/ctest-native.log
ctest_status=${PIPESTATUS[0]}
ctest_failed=0
if counts=$(python3 tests/support/junit_counts.py build/logs/ctest-native.xml 2>/dev/null); then
  read -r ctest_passed ctest_failed <<<"$counts"
  passed=$((passed + ctest_passed))
fi
# ctest failing without a failed test (a test program that cannot be listed, say) counts as one.
((ctest_status != 0 && ctest_failed == 0)) && ctest_failed=1
failed=$((failed + ctest_failed))

section "fuzz targets"
bash scripts/fuzz.sh ci "${HORALIX_FUZZ_SECONDS:-5}" 2>&1 | tee build/logs/fuzz.log
summary=$(grep -E '^fuzz: [0-9]+ passed, [0-9]+ failed' build/logs/fuzz.log | tail -n 1)
if [[ $summary =~ ([0-9]+)\ passed,\ ([0-9]+)\ failed ]]; then
  passed=$((passed + BASH_REMATCH[1]))
  failed=$((failed + BASH_REMATCH[2]))
else
  failed=$((failed + 1))
fi

section "Windows builds"
bash scripts/build.sh win32-x64 || fatal "the win32-x64 build"
bash scripts/build.sh win32-x86 || fatal "the win32-x86 build"
for preset in win32-x64 win32-x86; do
  bash scripts/check-stores.sh keep "dist/$preset" "build/$preset" "build/logs/stores-$preset" ||
    fatal "keeping the stores of dist/$preset"
done

if [[ -f tests/wine/run.sh ]]; then
  section "Wine tests"
  bash tests/wine/run.sh 2>&1 | tee build/logs/wine-tests.log
  wine_status=${PIPESTATUS[0]}
  summary=$(grep -E '^([A-Za-z]+: )?[0-9]+ passed, [0-9]+ failed' build/logs/wine-tests.log | tail -n 1)
  if [[ $summary =~ ([0-9]+)\ passed,\ ([0-9]+)\ failed ]]; then
    passed=$((passed + BASH_REMATCH[1]))
    failed=$((failed + BASH_REMATCH[2]))
    ((wine_status == 0 || BASH_REMATCH[2] > 0)) || failed=$((failed + 1))
  elif ((wine_status == 0)); then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
  fi
else
  section "Wine tests: tests/wine/run.sh not present, skipped"
fi

section "program folders"
stores_kept=1
for preset in win32-x64 win32-x86; do
  bash scripts/check-stores.sh compare "dist/$preset" "build/logs/stores-$preset" || stores_kept=0
done
if ((stores_kept)); then passed=$((passed + 1)); else failed=$((failed + 1)); fi

section "done"
echo "$passed passed, $failed failed"
((failed == 0))
