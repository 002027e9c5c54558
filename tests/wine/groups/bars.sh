# Wine tests: The prompt bar and the time-up prompt over its dimmed backdrop.
# Sourced by tests/wine/run.sh; the helpers are in tests/wine/lib.sh.

# A short run reaches its first reminder after ten seconds: the prompt bar at the top of the
# screen shows white text over a colour-keyed background (key 0xFAFAFA), so only the letters
# cover the backdrop.
test_prompt_bar_shows_its_text_over_a_see_through_background() {
  local folder=$work/bar-folder shot=$work/bar-shot rect
  rm -rf "$folder"
  cp -r "$dist" "$folder"
  sed -i 's/^\[Hotkey\]$/[Hotkey]\nprocessColor=16\nprocessvalue=1/' "$folder/TimeData.db"
  reg_clear
  paint_backdrop || { fail "the backdrop could not be painted"; return 1; }
  start_run_from_tray "$folder" 111111010100011111111111111100101 '1060602\65280' '\0' || return 1
  wait_until 20 has_bar || { fail "no prompt bar at the top: $(program_windows | grep '^1')"; return 1; }
  # It shows for ten seconds.
  repaint_backdrop || return 1
  read -r -a rect <<<"$(bar_rect)"
  ((${#rect[@]} == 5)) || { fail "the prompt bar went away at once"; return 1; }
  note "prompt bar ${rect[*]:0:4}, extended style ${rect[4]}"
  layered_and_topmost "the prompt bar" "${rect[4]}" || return 1
  local counts text key back
  counts=$(pixel_counts "$shot" "${rect[*]:0:4}" '#FFFFFF' '#FAFAFA' "$backdrop") || {
    fail "no screenshot"
    return 1
  }
  read -r text key back <<<"$(echo $counts)"
  note "prompt bar pixels: text $text, key $key, backdrop $back ($shot.png)"
  ((text > 20)) || { fail "the bar shows no text"; return 1; }
  ((key == 0)) || { fail "the key colour shows"; return 1; }
  ((back > text)) || { fail "the background is not see-through"; return 1; }
}

# An 8-second run that stops at zero shows the time-up prompt "时间到" in the middle of the
# screen over a dimmed backdrop (the desktop darker everywhere around it); the prompt's button
# "关闭" closes prompt and backdrop, and the program goes on, idle.
test_stopped_run_shows_the_time_up_prompt_over_a_dimmed_backdrop() {
  local shot=$work/time-up-shot rect
  reg_clear
  paint_backdrop || { fail "the backdrop could not be painted"; return 1; }
  start_run_from_tray "$dist" 111111010100011111111111111100101 '1060604\65280' '\16711680' \
    00:00:08 100100010 || return 1
  wait_until 10 has_clock || { fail "no clock on the screen: $(program_windows | grep '^1')"; return 1; }
  wait_until 20 has_prompt || { fail "no time-up prompt: $(program_windows | grep '^1')"; return 1; }
  has_backdrop || { fail "no backdrop under the prompt: $(program_windows | grep '^1')"; return 1; }
  sleep 1
  read -r -a rect <<<"$(prompt_rect)"
  ((${#rect[@]} == 4)) || { fail "the prompt went away at once"; return 1; }
  note "time-up prompt ${rect[*]}"
  local texts
  texts=$(child_windows)
  grep -q "	时间到	" <<<"$texts" || { fail "the prompt's texts: $(cut -f2,3 <<<"$texts" | xargs)"; return 1; }
  # The whole screen: the desktop around the prompt is darker than the painted backdrop.
  local width height
  read -r width height < <(xdotool getdisplaygeometry)
  pixel_counts "$shot" "0 0 $width $height" >/dev/null || { fail "no screenshot"; return 1; }
  note "screenshot $shot.png"
  local x y colour
  for x in 40 $((width - 40)); do
    for y in $((height / 2)) $((height - 40)); do
      colour=$(pixel_at "$shot.png" "$x" "$y")
      dimmed "$colour" || { fail "the desktop at ($x, $y) is $colour, not dimmed from $backdrop"; return 1; }
    done
  done
  # The prompt's text: dark letters inside its rectangle.
  local dark
  dark=$(convert "$shot.png" -crop "$((rect[2] - rect[0]))x$((rect[3] - rect[1]))+${rect[0]}+${rect[1]}" \
    +repage -colorspace Gray -threshold 30% -format '%[fx:int(w*h*(1-mean)+0.5)]' info:-)
  note "dark pixels in the prompt: $dark"
  ((dark > 20)) || { fail "the prompt shows no text"; return 1; }
  # Its button closes it.
  local button
  button=$(awk -F'\t' '$3 == "关闭" { split($4, r, ","); print int((r[1] + r[3]) / 2), int((r[2] + r[4]) / 2); exit }' <<<"$texts")
  [[ -n $button ]] || { fail "the prompt has no button \"关闭\""; return 1; }
  xdotool mousemove $button click 1
  wait_until 5 has_no_prompt || { fail "the prompt stayed after its button"; return 1; }
  wait_until 5 has_no_backdrop || { fail "the backdrop stayed after the prompt"; return 1; }
  has_program_pid || { fail "the program ended with the prompt"; return 1; }
}

# dimmed <#RRGGBB>: the colour is the painted backdrop darkened: each channel at most the
# backdrop's, and not all of them the same.
dimmed() {
  local c=${1#\#} b=${backdrop#\#} i
  [[ ${#c} == 6 && ${c^^} != "${b^^}" ]] || return 1
  for i in 0 2 4; do
    ((16#${c:i:2} <= 16#${b:i:2})) || return 1
  done
}
