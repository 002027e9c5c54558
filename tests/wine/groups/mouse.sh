# Wine tests: The mouse: dragging the clock and the prompt bar, hovering over the time-up
# prompt's close text.
# Sourced by tests/wine/run.sh; the helpers are in tests/wine/lib.sh.

# drag_with_left <x> <y> <dx> <dy>: presses the left button at (x, y), moves the pointer by
# (dx, dy) in small steps as a hand does, and lets go. The first step starts the window's move.
drag_with_left() {
  local x=$1 y=$2 dx=$3 dy=$4 step
  xdotool mousemove "$x" "$y"
  sleep 0.3
  xdotool mousedown 1
  sleep 0.3
  for step in 1 2 3 4 5 6 7 8 9 10; do
    xdotool mousemove "$((x + dx * step / 10))" "$((y + dy * step / 10))"
    sleep 0.1
  done
  sleep 0.3
  xdotool mouseup 1
  sleep 1
}

# near <a> <b> <tolerance>: the two numbers differ by at most the tolerance.
near() { (( ($1 - $2) * ($1 - $2) <= $3 * $3 )); }

# A running clock dragged with the left button follows the pointer, stays where it was dropped
# and stores that place (twips, 15 a pixel) as clockleft and clocktop.
test_dragging_the_clock_moves_it_and_stores_its_new_place() {
  local rect after folder=$work/drag-folder
  # The program stores the place in the TimeData.db of its folder: a copy keeps the build's.
  rm -rf "$folder"
  cp -r "$dist" "$folder"
  reg_clear
  start_run_from_tray "$folder" 111111010100011111111111111100101 '1060604\65280' '\16711680' \
    00:05:00 || return 1
  clock_on_screen rect || return 1
  note "clock before the drag ${rect[*]:0:4}"
  # Right of the hover button, which takes the face's left square.
  drag_with_left "$((rect[2] - 8))" "$(((rect[1] + rect[3]) / 2))" 160 120
  read -r -a after <<<"$(visible_form 600)"
  ((${#after[@]} == 5)) || { fail "the clock went away"; return 1; }
  note "clock after the drag ${after[*]:0:4}"
  near "${after[0]}" "$((rect[0] + 160))" 8 && near "${after[1]}" "$((rect[1] + 120))" 8 ||
    { fail "the clock stands at ${after[*]:0:2}, not near $((rect[0] + 160)) $((rect[1] + 120))"; return 1; }
  local left top
  left=$(reg_value clockleft)
  top=$(reg_value clocktop)
  note "stored clockleft $left, clocktop $top"
  # The place stored is the one the system's move reached; the clock then moves on by the
  # pointer's first step away from the press (16 x 12 pixels here).
  near "$((left))" "$(((after[0] - 16) * 15))" 75 && near "$((top))" "$(((after[1] - 12) * 15))" 75 ||
    { fail "stored $((left)), $((top)) for a clock at ${after[*]:0:2} pixels"; return 1; }
}

# While it shows a reminder, the prompt bar dragged down with the left button stays where it was
# dropped and stores its place as processleft and processtop.
test_dragging_the_prompt_bar_moves_it_and_stores_its_new_place() {
  local rect after folder=$work/drag-folder
  rm -rf "$folder"
  cp -r "$dist" "$folder"
  reg_clear
  run_numbers="Time_one:15 Time_two:10 Time_three:5 time_end:0 tellShowtime:30 time_left:0" \
    start_run_from_tray "$folder" 111111010100011111111111111100101 '1060602\65280' '\0' \
    00:00:20 || return 1
  wait_until 20 has_bar || { fail "no prompt bar at the top: $(program_windows | grep '^1')"; return 1; }
  sleep 0.5
  read -r -a rect <<<"$(bar_rect)"
  ((${#rect[@]} == 5)) || { fail "the prompt bar went away at once"; return 1; }
  note "prompt bar before the drag ${rect[*]:0:4}"
  drag_with_left "$(((rect[0] + rect[2]) / 2))" "$(((rect[1] + rect[3]) / 2))" 40 200
  local left top
  left=$(reg_value processleft)
  top=$(reg_value processtop)
  note "stored processleft $left, processtop $top"
  [[ -n $left && -n $top ]] || { fail "no place stored"; return 1; }
  near "$((left))" "$(((rect[0] + 40) * 15))" 150 && near "$((top))" "$(((rect[1] + 200) * 15))" 150 ||
    { fail "stored $left, $top after a drop near $((rect[0] + 40)), $((rect[1] + 200)) pixels"; return 1; }
  local moved
  moved=$(program_windows | awk -F'\t' -v want="$(((rect[1] + 200)))" '/^1 HoralixForm/ {
      split($3, r, ","); d = r[2] - want; if (d * d < 400) { print r[1], r[2]; exit } }')
  [[ -n $moved ]] || { fail "no window of the program stands where the bar was dropped"; return 1; }
}

# Moving the pointer onto the time-up prompt's "关闭", without a click, closes the prompt and its
# backdrop, and the program goes on. (Wine without a window manager takes up to two seconds to
# take the full-screen backdrop off the screen, and the prompt goes after it.)
test_hovering_over_the_time_up_prompts_close_text_closes_it() {
  reg_clear
  start_run_from_tray "$dist" 111111010100011111111111111100101 '1060604\65280' '\16711680' \
    00:00:06 100100010 || return 1
  # The tray menu opened where the prompt will stand: the pointer waits in a corner.
  xdotool mousemove 5 5
  wait_until 20 has_prompt || { fail "no time-up prompt: $(program_windows | grep '^1')"; return 1; }
  sleep 1
  has_prompt || { fail "the prompt closed before the pointer came"; return 1; }
  local close
  close=$(button_centre 关闭) || { fail "the prompt has no \"关闭\""; return 1; }
  xdotool mousemove $close
  wait_until 5 has_no_prompt || { fail "the prompt stayed with the pointer over \"关闭\""; return 1; }
  wait_until 5 has_no_backdrop || { fail "the backdrop stayed after the prompt"; return 1; }
  has_program_pid || { fail "the program ended with the prompt"; return 1; }
}
