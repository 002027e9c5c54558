#!/usr/bin/env bash
# The fuzz targets of tests/fuzz (clang, libFuzzer, ASan and UBSan; preset "fuzz"):
#   scripts/fuzz.sh ci [seconds]            each target for a few seconds (default 5) over a copy
#                                           of its committed corpus; what CI runs
#   scripts/fuzz.sh long <seconds> [target...]
#                                           each target (default all) for that long, keeping what
#                                           it learns in build/fuzz-work/<target>/corpus
#   scripts/fuzz.sh corpus [seconds]        rebuilds tests/fuzz/corpus/<target> from the target's
#                                           own seeds and a run of that long (default 30), merged
#                                           down to the inputs that add coverage
# Prints "<target>: N executions in S s, K findings" per target and ends with
# "fuzz: N passed, M failed" (a target with a finding fails). A finding is kept as
# build/fuzz-work/<target>/crash-* (or leak-*, timeout-*); replay it with
#   build/fuzz/fuzz/<target> <file>
set -uo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
bin=build/fuzz/fuzz
work=build/fuzz-work
mode=${1:-ci}
# The targets' scratch files (the statement target's database) on a memory file system when
# there is one: the database's syncs to disk would otherwise set the pace.
[[ -d /dev/shm && -w /dev/shm ]] && export TMPDIR=/dev/shm

build() {
  mkdir -p build/logs
  cmake --preset fuzz >build/logs/configure-fuzz.log 2>&1 ||
    { cat build/logs/configure-fuzz.log; echo "fuzz: configuring failed" >&2; exit 1; }
  cmake --build --preset fuzz -j "${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}" >build/logs/build-fuzz.log 2>&1 ||
    { tail -n 40 build/logs/build-fuzz.log; echo "fuzz: the build failed" >&2; exit 1; }
}

all_targets() { find "$bin" -maxdepth 1 -name '*_fuzz' -type f -printf '%f\n' | sort; }

passed=0
failed=0

# run_target <target> <seconds> <corpus folder...>: one bounded run; counts it.
run_target() {
  local target=$1 seconds=$2
  shift 2
  local out=$work/$target
  mkdir -p "$out/corpus"
  rm -f "$out"/crash-* "$out"/leak-* "$out"/timeout-* "$out"/oom-*
  local log=$out/run.log status=0
  "$bin/$target" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2560 -print_final_stats=1 \
    -artifact_prefix="$out/" "$out/corpus" "$@" >"$log" 2>&1 || status=$?
  local runs findings
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  findings=$(find "$out" -maxdepth 1 \( -name 'crash-*' -o -name 'leak-*' -o -name 'timeout-*' -o -name 'oom-*' \) | wc -l)
  echo "$target: ${runs:-?} executions in $seconds s, $findings findings"
  if ((status != 0 || findings > 0)); then
    grep -E '^(finding:|==[0-9]+==ERROR|SUMMARY:)|runtime error:' "$log" | head -n 5 | sed 's/^/  /'
    find "$out" -maxdepth 1 \( -name 'crash-*' -o -name 'leak-*' -o -name 'timeout-*' -o -name 'oom-*' \) | sed 's/^/  kept: /'
    failed=$((failed + 1))
  else
    passed=$((passed + 1))
  fi
}

case $mode in
  ci)
    seconds=${2:-5}
    build
    for target in $(all_targets); do
      rm -rf "$work/$target/corpus"
      run_target "$target" "$seconds" "tests/fuzz/corpus/$target"
    done
    ;;
  long)
    seconds=${2:?usage: scripts/fuzz.sh long <seconds> [target...]}
    shift 2
    build
    targets=("$@")
    ((${#targets[@]})) || mapfile -t targets < <(all_targets)
    for target in "${targets[@]}"; do
      run_target "$target" "$seconds" "tests/fuzz/corpus/$target"
    done
    ;;
  corpus)
    seconds=${2:-30}
    build
    for target in $(all_targets); do
      seeds=$work/$target/seeds
      rm -rf "$seeds" "$work/$target/corpus"
      mkdir -p "$seeds"
      HORALIX_FUZZ_WRITE_SEEDS=$seeds "$bin/$target" >/dev/null || { echo "$target: no seeds" >&2; exit 1; }
      run_target "$target" "$seconds" "$seeds"
      rm -rf "tests/fuzz/corpus/$target"
      mkdir -p "tests/fuzz/corpus/$target"
      "$bin/$target" -merge=1 "tests/fuzz/corpus/$target" "$seeds" "$work/$target/corpus" \
        >"$work/$target/merge.log" 2>&1
      echo "  corpus: $(find "tests/fuzz/corpus/$target" -type f | wc -l) inputs"
    done
    ;;
  *)
    echo "usage: scripts/fuzz.sh ci [seconds] | long <seconds> [target...] | corpus [seconds]" >&2
    exit 2
    ;;
esac

echo "fuzz: $passed passed, $failed failed"
((failed == 0))
