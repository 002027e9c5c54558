# Wine tests: Hostile files and values, and a database that cannot be written.
# Sourced by tests/wine/run.sh; the helpers are in tests/wine/lib.sh.

# hostile_run <folder>: with what the folder and the registry hold, the program starts, a
# 3-second run that stops at zero is begun from the tray menu, its time-up prompt is closed and
# the program is ended through its close path. Recording of runs is on.
hostile_run() {
  on_wine 20 reg add 'HKCU\Vantrel' /v Time_Record /t REG_DWORD /d 1 /f >/dev/null
  on_wine 20 reg add 'HKCU\Vantrel' /v clockcycle /t REG_DWORD /d 0 /f >/dev/null
  start_run_from_tray "$1" 111111010100011111111111111100101 '1060604\65280' '\0' 00:00:03 \
    100100010 || return 1
  wait_until 10 has_clock || { fail "no clock on the screen: $(program_windows | grep '^1')"; return 1; }
  wait_until 20 has_prompt || { fail "the run reached no time-up prompt"; return 1; }
  close_time_up_prompt
  wait_until 5 has_no_prompt || { fail "the prompt stayed"; return 1; }
  on_wine 20 taskkill /pid "$program_pid" >/dev/null
  wait_for_exit 15 || { fail "still running 15 s after taskkill /pid"; return 1; }
}

# keeps_bytes <what> <before> <after>: every byte of the file before is still there, in its
# place (the program may only add to a file it writes).
keeps_bytes() {
  cmp -s -n "$(stat -c %s "$2")" "$2" "$3" || { fail "$1 lost bytes: $(cmp "$2" "$3" | head -n 1)"; return 1; }
}

# TimeData.db of random bytes, OfficeData.db that is no database, and settings values of the
# wrong types that the run does not write: everything keeps its bytes, the values their types.
test_hostile_files_and_values_survive_a_run() {
  local folder=$work/hostile
  rm -rf "$folder"
  cp -r "$dist" "$folder"
  head -c 65536 /dev/urandom >"$folder/TimeData.db"
  head -c 8192 /dev/urandom >"$folder/OfficeData.db"
  cp "$folder/TimeData.db" "$work/TimeData.before"
  cp "$folder/OfficeData.db" "$work/OfficeData.before"
  reg_clear
  hostile_run "$folder" || return 1
  keeps_bytes TimeData.db "$work/TimeData.before" "$folder/TimeData.db" || return 1
  cmp -s "$work/OfficeData.before" "$folder/OfficeData.db" || { fail "OfficeData.db changed"; return 1; }
  # Values of wrong types, stored now: a second start with them keeps each as it is.
  on_wine 20 reg add 'HKCU\Vantrel' /v secondtimer /t REG_BINARY /d 00ff10 /f >/dev/null
  on_wine 20 reg add 'HKCU\Vantrel' /v second_screen /t REG_SZ /d 'not a number' /f >/dev/null
  on_wine 20 reg add 'HKCU\Vantrel' /v clockmode /t REG_MULTI_SZ /d 'a\0b' /f >/dev/null
  on_wine 20 reg add 'HKCU\Vantrel' /v processleft /t REG_EXPAND_SZ /d '%TEMP%' /f >/dev/null
  local before after
  before=$(on_wine 20 reg query 'HKCU\Vantrel' | grep -iE '^ +(secondtimer|second_screen|clockmode|processleft) ')
  start_program "$folder" || return 1
  wait_until 15 has_form_window || { fail "no window of the program appeared"; return 1; }
  sleep 2
  on_wine 20 taskkill /pid "$program_pid" >/dev/null
  wait_for_exit 15 || { fail "still running 15 s after taskkill /pid"; return 1; }
  after=$(on_wine 20 reg query 'HKCU\Vantrel' | grep -iE '^ +(secondtimer|second_screen|clockmode|processleft) ')
  [[ $before == "$after" ]] || { fail "values changed: before '$before', after '$after'"; return 1; }
}

# OfficeData.db that is read-only, or of zero bytes: the run is not recorded there and the file
# stays as it was. The tests run as root, for whom Wine's read-only attribute (the Unix write
# bits) stops nothing; the file is made immutable as well, where the file system allows it.
test_read_only_or_empty_database_is_left_as_it_was() {
  local folder=$work/hostile-db kind db
  for kind in read-only empty; do
    [[ -e $folder ]] && chattr -i "$folder/OfficeData.db" 2>/dev/null
    rm -rf "$folder"
    cp -r "$dist" "$folder"
    db=$folder/OfficeData.db
    [[ $kind == empty ]] && : >"$db"
    cp "$db" "$work/OfficeData.before"
    if [[ $kind == read-only ]]; then
      on_wine 20 attrib +r "$(windows_path "$db")"
      if ((EUID == 0)) && ! chattr +i "$db" 2>/dev/null; then
        note "read-only: skipped, the file cannot be made immutable here"
        continue
      fi
    fi
    reg_clear
    hostile_run "$folder" || { fail "$kind: the run failed"; chattr -i "$db" 2>/dev/null; return 1; }
    chattr -i "$db" 2>/dev/null
    cmp -s "$work/OfficeData.before" "$db" || { fail "$kind: OfficeData.db changed"; return 1; }
    end_wine
  done
}
