#!/usr/bin/env bash
# The check of the program folder's stores (scripts/check-stores.sh) against planted writes, in
# a folder and a build folder of its own:
#   check-stores-test.sh WORK_FOLDER
set -uo pipefail

work=${1:?usage: check-stores-test.sh WORK_FOLDER}
check=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../scripts" && pwd)/check-stores.sh
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# A program folder as a build makes it, with the build's copies of its stores.
fresh() {
  rm -rf "$work"
  mkdir -p "$work/build/package/made" "$work/dist"
  printf '[Hotkey]\nstart=F9\n' >"$work/build/package/made/TimeData.db"
  printf 'SQLite format 3\0 rows' >"$work/build/package/made/OfficeData.db"
  cp "$work"/build/package/made/*.db "$work/dist/"
}
keep() { bash "$check" keep "$work/dist" "$work/build" "$work/kept" >"$work/keep.txt"; }
compare() { bash "$check" compare "$work/dist" "$work/kept" >"$work/compare.txt"; }

# expect_changed <store...>: compare fails and names exactly these stores.
expect_changed() {
  if compare; then
    fail "$*: the check passed after a write"
    return
  fi
  local named
  named=$(grep -o '[A-Za-z]*Data\.db changed' "$work/compare.txt" | cut -d' ' -f1 | tr '\n' ' ')
  [[ $named == "$* " ]] || fail "named '$named', expected '$* '"
}

fresh
keep || fail "keep failed on a folder as built"
compare || fail "the check failed on a folder nobody wrote to: $(cat "$work/compare.txt")"

# The clock's place written into TimeData.db, as a run of the program does.
fresh
keep
printf 'clockleft=300\n' >>"$work/dist/TimeData.db"
expect_changed TimeData.db

# A row in OfficeData.db, of the same size as before.
fresh
keep
printf 'SQLite format 3\0 ROWS' >"$work/dist/OfficeData.db"
expect_changed OfficeData.db

# A store taken away.
fresh
keep
rm "$work/dist/TimeData.db"
expect_changed TimeData.db

# The user ran the program in place before the tests: what they wrote stands, a test's write
# after it does not.
fresh
printf 'clockleft=300\n' >>"$work/dist/TimeData.db"
keep || fail "keep failed on a folder the user ran the program in"
grep -q 'TimeData.db is not as the build made it' "$work/keep.txt" ||
  fail "no note of the run in place: $(cat "$work/keep.txt")"
compare || fail "the user's own run was held against the tests"
printf 'clocktop=200\n' >>"$work/dist/TimeData.db"
expect_changed TimeData.db

# Without the build's copies there is nothing to hold the folder to.
fresh
rm "$work/build/package/made/OfficeData.db"
keep 2>/dev/null && fail "keep passed without the build's copy of OfficeData.db"

((failures == 0)) && echo "check-stores: all cases passed"
((failures == 0))
