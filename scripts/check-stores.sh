#!/usr/bin/env bash
# Whether the tests left the program folder's two stores, TimeData.db and OfficeData.db, as the
# build made them: the folder is what a user takes, and a store the program has written to (its
# run record, the clock's place, preset rows) no longer starts as a fresh install.
#   scripts/check-stores.sh keep <program folder> <build folder> <kept folder>
#   scripts/check-stores.sh compare <program folder> <kept folder>
# keep, before the tests: puts into <kept folder> each store as the build made it (the build keeps
# them in <build folder>/package/made). A store that the folder already holds otherwise (the user
# ran the program in place with scripts/run.sh) is kept as the folder holds it, with a note: only
# what the tests do is held against them.
# compare, after the tests: names each store that differs from the kept one; exit code 1 then.
set -uo pipefail

stores=(TimeData.db OfficeData.db)
usage="usage: scripts/check-stores.sh keep <folder> <build folder> <kept> | compare <folder> <kept>"

case ${1:-} in
  keep)
    (($# == 4)) || { echo "$usage" >&2; exit 2; }
    folder=$2 made=$3/package/made kept=$4
    rm -rf "$kept"
    mkdir -p "$kept" || exit 1
    for store in "${stores[@]}"; do
      [[ -f $made/$store ]] || { echo "stores: no $made/$store; build first" >&2; exit 1; }
      if cmp -s "$folder/$store" "$made/$store"; then
        cp "$made/$store" "$kept/" || exit 1
      else
        echo "stores: $folder/$store is not as the build made it (the program ran in place);" \
          "the tests are held to what it holds now"
        cp "$folder/$store" "$kept/" || exit 1
      fi
    done
    ;;
  compare)
    (($# == 3)) || { echo "$usage" >&2; exit 2; }
    folder=$2 kept=$3 changed=0
    for store in "${stores[@]}"; do
      cmp -s "$folder/$store" "$kept/$store" && continue
      echo "stores: $folder/$store changed while the tests ran: a run in the program folder"
      changed=1
    done
    ((changed == 0)) && echo "stores: ${stores[*]} of $folder as before the tests"
    exit "$changed"
    ;;
  *)
    echo "$usage" >&2
    exit 2
    ;;
esac
