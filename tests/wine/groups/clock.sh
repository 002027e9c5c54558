# Wine tests: The clock on screen: its see-through rounded face, manual and automatic runs, hot keys.
# Sourced by tests/wine/run.sh; the helpers are in tests/wine/lib.sh.

# The clock of a see-through run: green text (key colour 0x00FF0A, i.e. #0AFF00 on screen) on a
# borderless, topmost, colour-keyed window with corners of radius 20 cut round: the backdrop
# shows around the letters and in the cut corners, and no pixel keeps the key or turns black.
test_clock_face_shows_its_text_on_a_see_through_rounded_window() {
  local shot=$work/clock-shot rect ex
  reg_clear
  paint_backdrop || { fail "the backdrop could not be painted"; return 1; }
  start_run_from_tray "$dist" 111111010101011111111111111100101 '1060604\65280' '\0' || return 1
  clock_on_screen rect || return 1
  repaint_backdrop || return 1
  ex=${rect[4]}
  note "clock window ${rect[*]:0:4}, extended style $ex"
  layered_and_topmost "the clock window" "$ex" || return 1
  local counts text key black back
  counts=$(pixel_counts "$shot" "${rect[*]:0:4}" '#00FF00' '#0AFF00' '#000000' "$backdrop") || {
    fail "no screenshot"
    return 1
  }
  read -r text key black back <<<"$(echo $counts)"
  note "clock face pixels: text $text, key $key, black $black, backdrop $back ($shot.png)"
  ((text > 20)) || { fail "the clock shows no text"; return 1; }
  ((key == 0)) || { fail "the key colour shows"; return 1; }
  ((black == 0)) || { fail "black pixels on the clock"; return 1; }
  ((back > text)) || { fail "the background is not see-through"; return 1; }
  [[ $(pixel_at "$shot.png" 1 1) == "$backdrop" ]] || { fail "the top left corner is not cut"; return 1; }
}

# A manual run begun from the tray menu counts down on screen: two screenshots of the clock two
# seconds apart differ, and the clock has not moved in between.
test_manual_run_from_the_tray_menu_counts_down_on_screen() {
  local first=$work/countdown-1 second=$work/countdown-2 rect later
  reg_clear
  start_run_from_tray "$dist" 111111010100011111111111111100101 '1060604\65280' '\16711680' ||
    return 1
  clock_on_screen rect || return 1
  pixel_counts "$first" "${rect[*]:0:4}" >/dev/null || { fail "no screenshot"; return 1; }
  sleep 2
  read -r -a later <<<"$(visible_form 600)"
  [[ ${later[*]:0:4} == "${rect[*]:0:4}" ]] || { fail "the clock moved: ${later[*]:0:4}"; return 1; }
  pixel_counts "$second" "${rect[*]:0:4}" >/dev/null || { fail "no second screenshot"; return 1; }
  local changed
  changed=$(compare -metric AE "$first.png" "$second.png" null: 2>&1 >/dev/null)
  note "clock ${rect[*]:0:4}: $changed pixels changed in two seconds ($first.png, $second.png)"
  [[ $changed =~ ^[0-9]+$ ]] && ((changed > 20)) || { fail "the clock's face did not change"; return 1; }
}

# The count of a run can be read without pixels, as the clock window's own text (what the drift
# benchmark samples): a count-down that falls within two seconds.
has_clock_count() { test -n "$(clock_text "$probe" "$program_pid")"; }
test_clock_window_text_is_a_falling_count() {
  local first later
  reg_clear
  start_run_from_tray "$dist" 111111010100011111111111111100101 '1060604\65280' '\16711680' ||
    return 1
  wait_until 10 has_clock_count || {
    fail "no count in the clock window's text: $(program_windows | grep '^1')"
    return 1
  }
  first=$(clock_text "$probe" "$program_pid")
  sleep 2
  later=$(clock_text "$probe" "$program_pid")
  note "the clock window's text: $first, two seconds later ${later:-(none)}"
  [[ -n $later ]] && (($(count_seconds "$later") < $(count_seconds "$first"))) ||
    { fail "the count did not fall"; return 1; }
}

# clock_shots_differ <name> <rect>: two screenshots of the rectangle two seconds apart; true
# when they differ in more than 20 pixels, with the count in the note.
clock_shots_differ() {
  local first=$work/$1-1 second=$work/$1-2 changed
  pixel_counts "$first" "$2" >/dev/null || { fail "no screenshot"; return 2; }
  sleep 2
  pixel_counts "$second" "$2" >/dev/null || { fail "no second screenshot"; return 2; }
  changed=$(compare -metric AE "$first.png" "$second.png" null: 2>&1 >/dev/null)
  note "$1: $changed pixels changed in two seconds ($first.png, $second.png)"
  [[ $changed =~ ^[0-9]+$ ]] && ((changed > 20))
}

# Hot keys from the program folder's TimeData.db, pressed from outside: the start key begins a
# run whose clock counts on screen, the pause key holds it still.
test_hot_keys_start_and_pause_a_run() {
  local folder=$work/hot-keys rect status
  reg_clear
  rm -rf "$folder"
  cp -r "$dist" "$folder"
  sed -i -e 's/^start=[^\r]*/start=Ctrl+Alt+S/' -e 's/^pause=[^\r]*/pause=Ctrl+Alt+P/' \
    "$folder/TimeData.db"
  # Pausing allowed (character 9), timing by hand.
  store_run_settings "$folder" 111111011100011111111111111100101 '1060604\65280' '\16711680'
  start_program "$folder" </dev/null || return 1
  wait_until 15 has_form_window || { fail "no window of the program appeared"; return 1; }
  wait_until 10 has_tray || { fail "no tray icon appeared"; return 1; }
  # A key event reaches Wine's hot keys only while the pointer is over one of its windows.
  xdotool windowmove "$(tray_window)" 560 390
  xdotool mousemove --window "$(tray_window)" 10 10
  # The idle clock stands still until the start key.
  clock_on_screen rect || return 1
  status=0
  clock_shots_differ hot-key-idle "${rect[*]:0:4}" || status=$?
  ((status == 1)) || { fail "the clock counts before the start key"; return 1; }
  xdotool key ctrl+alt+s
  sleep 1
  clock_on_screen rect || return 1
  clock_shots_differ hot-key-run "${rect[*]:0:4}" || { fail "the clock does not count after the start key"; return 1; }
  xdotool mousemove --window "$(tray_window)" 12 12
  xdotool key ctrl+alt+p
  sleep 1
  status=0
  clock_shots_differ hot-key-pause "${rect[*]:0:4}" || status=$?
  ((status == 1)) || { fail "the clock still counts after the pause key"; return 1; }
}

# With automatic timing, another program's window titled like a PDF document starts a run by
# itself: the clock comes on screen and counts, with no click on the tray menu.
test_a_pdf_window_starts_an_automatic_run() {
  local first=$work/automatic-1 second=$work/automatic-2 rect changed opener
  reg_clear
  store_run_settings "$dist" 111111010100011111111111111100101 '1060604\65280' '\16711680' \
    '' '' 01111101
  on_wine 30 "$probe" window "Slides.pdf - Reader" </dev/null >/dev/null 2>&1 &
  opener=$!
  start_program "$dist" </dev/null || { kill "$opener" 2>/dev/null; return 1; }
  clock_on_screen rect || { kill "$opener" 2>/dev/null; return 1; }
  pixel_counts "$first" "${rect[*]:0:4}" >/dev/null || { fail "no screenshot"; return 1; }
  sleep 2
  pixel_counts "$second" "${rect[*]:0:4}" >/dev/null || { fail "no second screenshot"; return 1; }
  kill "$opener" 2>/dev/null
  changed=$(compare -metric AE "$first.png" "$second.png" null: 2>&1 >/dev/null)
  note "clock ${rect[*]:0:4}: $changed pixels changed in two seconds ($first.png, $second.png)"
  [[ $changed =~ ^[0-9]+$ ]] && ((changed > 20)) || { fail "no run counts for the PDF window"; return 1; }
}

# An opaque clock (blue back colour 0xFF0000, no colour key) keeps the rounded outline of its
# window region: the backdrop shows in its cut corners, the back colour inside.
test_clock_face_on_its_back_colour_has_rounded_corners() {
  local shot=$work/clock-opaque-shot rect
  reg_clear
  paint_backdrop || { fail "the backdrop could not be painted"; return 1; }
  start_run_from_tray "$dist" 111111010100011111111111111100101 '1060604\65280' '\16711680' ||
    return 1
  clock_on_screen rect || return 1
  repaint_backdrop || return 1
  note "clock window ${rect[*]:0:4}, extended style ${rect[4]}"
  local counts text back width height
  counts=$(pixel_counts "$shot" "${rect[*]:0:4}" '#00FF00' '#0000FF') || { fail "no screenshot"; return 1; }
  read -r text back <<<"$(echo $counts)"
  note "clock face pixels: text $text, back colour $back ($shot.png)"
  ((text > 20 && back > text)) || { fail "no text on the back colour"; return 1; }
  width=$((rect[2] - rect[0]))
  height=$((rect[3] - rect[1]))
  # Corners of 20 pixels round: (2, 2) from each corner lies outside the outline.
  local x y
  for x in 2 $((width - 3)); do
    for y in 2 $((height - 3)); do
      [[ $(pixel_at "$shot.png" "$x" "$y") == "$backdrop" ]] || {
        fail "the corner at ($x, $y) is $(pixel_at "$shot.png" "$x" "$y"), not cut"
        return 1
      }
    done
  done
}
