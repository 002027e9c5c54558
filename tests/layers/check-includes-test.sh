#!/usr/bin/env bash
# The include check against planted includes: in a copy of src/, each case adds one include and
# the check must fail naming that file (or, for an include along the layers, still pass).
#   bash tests/layers/check-includes-test.sh
set -uo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
check=$root/scripts/check-includes.py
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

fresh_copy() {
  rm -rf "$work/src"
  cp -r "$root/src" "$work/src"
}

# case: expected outcome (fail|pass), file to plant in (created when missing), include line.
cases=(
  "fail|clock/time_glass.cpp|#include \"platform/headless/headless_platform.h\""
  "fail|clock/time_glass.cpp|#include \"app/app.h\""
  "fail|clock/time_glass.cpp|#include \"main/frm_exit.h\""
  "fail|clock/time_glass.cpp|#include \"../main/frm_exit.h\""
  "fail|clock/time_glass.cpp|#include <app/app.h>"
  "fail|services/text_runtime.cpp|#include \"main/main.h\""
  "fail|services/text_runtime.cpp|#include \"app/app.h\""
  "fail|services/context.h|#include \"clock/time_glass.h\""
  "fail|platform/forms.cpp|#include \"services/text_runtime.h\""
  "fail|platform/forms.h|#include \"platform/win32/wide_text.h\""
  "fail|platform/headless/headless_sound.cpp|#include \"services/sound_playback.h\""
  "fail|platform/win32/win32_sound.cpp|#include \"platform/headless/headless_sound.h\""
  "fail|platform/sqlite/sqlite_database.cpp|#include \"platform/win32/wide_text.h\""
  "fail|platform/headless/program/headless_program.cpp|#include \"clock/clock.h\""
  "fail|platform/headless/program/headless_program.cpp|#include \"platform/win32/win32_platform.h\""
  "fail|app/app.cpp|#include \"bars/frm_tishi.h\""
  "fail|addin/planted.cpp|#include \"app/app.h\""
  "fail|addin/planted.cpp|#include \"main/main.h\""
  "fail|extras/planted.cpp|#include <string>"
  "pass|clock/time_glass.cpp|#include \"main/main.h\""
  "pass|clock/time_glass.cpp|#include \"services/context.h\""
  "pass|app/app.cpp|#include \"settings/settings.h\""
  "pass|services/text_runtime.cpp|#include \"platform/forms.h\""
  "pass|platform/win32/win32_sound.cpp|#include \"platform/sqlite/sqlite_database.h\""
  "pass|platform/win32/program/horalix_program.cpp|#include \"app/program_start.h\""
  "pass|addin/planted.cpp|#include \"services/value_store.h\""
  "pass|addin/win32/planted.cpp|#include \"platform/registry.h\""
)

fresh_copy
if ! python3 "$check" "$work" >/dev/null; then
  echo "FAIL: the unchanged tree does not pass the check"
  python3 "$check" "$work"
  failures=$((failures + 1))
fi

for entry in "${cases[@]}"; do
  IFS='|' read -r expected file line <<<"$entry"
  # Plant in the one copy and take the planted line out again afterwards: copying the whole
  # tree for every case is slow on a busy machine.
  target=$work/src/$file
  mkdir -p "$(dirname "$target")"
  had_file=0
  [[ -f $target ]] && { had_file=1; cp "$target" "$work/original"; }
  printf '%s\n' "$line" >>"$target"
  output=$(python3 "$check" "$work")
  status=$?
  if ((had_file)); then mv "$work/original" "$target"; else rm -f "$target"; fi
  if [[ $expected == fail ]]; then
    if ((status == 0)) || ! grep -q "^src/$file" <<<"$output"; then
      echo "FAIL: $line in src/$file was not reported"
      failures=$((failures + 1))
    fi
  elif ((status != 0)); then
    echo "FAIL: $line in src/$file goes along the layers but was reported:"
    echo "$output"
    failures=$((failures + 1))
  fi
done

echo "include check test: ${#cases[@]} planted cases, $failures failure(s)"
((failures == 0))
