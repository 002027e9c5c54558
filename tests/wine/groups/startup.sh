# Wine tests: Start-up, the second start, the close paths and the tray menu's exit item.
# Sourced by tests/wine/run.sh; the helpers are in tests/wine/lib.sh.

test_first_start_opens_windows_and_publishes_folder() {
  reg_clear
  local started_ns
  started_ns=$(date +%s%N)
  start_program || return 1
  wait_until 15 has_form_window || { fail "no window of the program appeared"; return 1; }
  note "start-up to the first window: $((($(date +%s%N) - started_ns) / 1000000)) ms"
  local rss
  # The program's own process is the child of the time limit that started it.
  rss=$(awk '/VmRSS/ { print $2 " " $3 }' "/proc/$(pgrep -P "$program_job" | head -n 1)/status" 2>/dev/null)
  [[ -n $rss ]] && note "resident memory after start: $rss"
  local expected pathget version
  expected=$(windows_path "$dist")
  wait_until 10 has_version_value
  pathget=$(reg_value pathget)
  version=$(reg_value Version)
  [[ $version == 5.2 ]] || { fail "Version is '$version', expected 5.2"; return 1; }
  [[ ${pathget,,} == "${expected,,}" ]] || { fail "pathget is '$pathget', expected '$expected'"; return 1; }
}

# The start balloon's title "Horalix" is drawn in the bold dialog font: in this prefix its Latin
# letters must come out as letters, not as missing-glyph boxes.
test_balloon_title_font_draws_latin_letters() {
  local drawn
  drawn=$(on_wine 10 "$probe" letters Horalix)
  [[ $drawn == letters ]] || { fail "the balloon's title font draws Horalix as '$drawn'"; return 1; }
}

test_second_start_ends_at_once() {
  reg_clear
  start_program || return 1
  wait_until 15 has_form_window || { fail "the first instance shows no window"; return 1; }
  local first=$program_pid started=$SECONDS status=0
  (cd "$dist" && timeout 15 "$WINE64" Horalix.exe) >>"$log" 2>&1 || status=$?
  ((status == 0)) || { fail "the second start ended with code $status"; return 1; }
  ((SECONDS - started <= 5)) || { fail "the second start took $((SECONDS - started)) s"; return 1; }
  [[ $(program_pids) == "$first" ]] || { fail "processes now: $(program_pids | xargs)"; return 1; }
}

test_taskkill_ends_the_program_through_its_close_path() {
  reg_clear
  start_program || return 1
  wait_until 15 has_form_window || { fail "no window of the program appeared"; return 1; }
  on_wine 20 taskkill /pid "$program_pid" >/dev/null
  wait_for_exit 15 || { fail "still running 15 s after taskkill /pid"; return 1; }
  ((exit_status == 0)) || { fail "ended with exit code $exit_status"; return 1; }
}

test_missing_required_file_shows_message_and_no_window() {
  reg_clear
  local folder=$work/incomplete
  rm -rf "$folder"
  cp -r "$dist" "$folder"
  rm -f "$folder/help.chm"
  start_program "$folder" || return 1
  wait_until 15 has_message_box || { fail "no message box appeared"; return 1; }
  message_texts | grep -qx '保持程序完整，请重新安装' ||
    { fail "message texts: $(message_texts | xargs)"; return 1; }
  ! has_form_window || { fail "a window of the program opened"; return 1; }
  on_wine 10 "$probe" ok "$program_pid"
  wait_for_exit 15 || { fail "still running after the message was answered"; return 1; }
  ((exit_status == 0)) || { fail "ended with exit code $exit_status"; return 1; }
  ! has_form_window
}

test_newer_stored_version_refuses_to_start() {
  reg_clear
  on_wine 20 reg add 'HKCU\Vantrel' /f >/dev/null
  reg_set Version 9.9
  start_program || return 1
  wait_until 15 has_message_box || { fail "no message box appeared"; return 1; }
  message_texts | grep -qx '请使用最新版本' || { fail "message texts: $(message_texts | xargs)"; return 1; }
  on_wine 10 "$probe" ok "$program_pid"
  wait_for_exit 15 || { fail "still running after the message was answered"; return 1; }
  [[ $(reg_value Version) == 9.9 ]] || { fail "the stored version was changed"; return 1; }
}

test_tray_menu_exit_item_ends_the_program() {
  reg_clear
  start_program || return 1
  wait_until 15 has_form_window || { fail "no window of the program appeared"; return 1; }
  wait_until 10 has_tray || { fail "no tray icon appeared"; return 1; }
  on_wine 20 reg add 'HKCU\Vantrel' /v clockopen /t REG_DWORD /d 32 /f >/dev/null
  right_click_tray
  wait_until 10 has_popup_menu || { fail "a right click on the tray icon opened no menu"; return 1; }
  # No item is chosen yet: Up chooses the menu's last item. On a loaded machine the keys can
  # reach the menu before it takes the keyboard; while it is still open they are sent again.
  xdotool key Up Return
  if ! wait_for_exit 8; then
    has_popup_menu && xdotool key Up Return
    wait_for_exit 15 || { fail "still running after the exit item"; return 1; }
  fi
  ((exit_status == 0)) || { fail "ended with exit code $exit_status"; return 1; }
  [[ -z $(reg_value clockopen) ]] || { fail "clockopen is still in the registry"; return 1; }
  wait_until 5 has_no_tray || { fail "the tray icon stayed behind"; return 1; }
}
