# Wine tests: The interaction countdown and its settings window.
# Sourced by tests/wine/run.sh; the helpers are in tests/wine/lib.sh.

# The interaction countdown: the rectangle "left top right bottom" and extended style of the
# program's visible form window centred on the screen, across and down (the full-screen area
# leaves out a caption's height, so down by a few dozen pixels).
countdown_rect() {
  local width height
  read -r width height < <(xdotool getdisplaygeometry)
  program_windows | awk -F'\t' -v width="$width" -v height="$height" '/^1 HoralixForm/ {
      split($3, r, ",")
      dx = (r[1] + r[3] - width) / 2; dy = (r[2] + r[4] - height) / 2
      if (r[1] >= 0 && dx * dx <= 4 && dy * dy < 1600 && r[3] - r[1] < width * 3 / 4) {
        print r[1], r[2], r[3], r[4], $4; exit
      }
    }'
}
has_countdown() { test -n "$(countdown_rect)"; }
has_no_countdown() { test -z "$(countdown_rect)"; }

# open_interaction_submenu: opens the tray menu and goes to its submenu "互动计时", the fifth
# item from the bottom (after 计时统计, 帮助, 在线帮助 and 退出), with its first item chosen.
open_interaction_submenu() {
  local attempt
  for attempt in 1 2; do
    right_click_tray
    wait_until 5 has_popup_menu && break
  done
  has_popup_menu || { fail "a right click on the tray icon opened no menu"; return 1; }
  xdotool key Up Up Up Up Up Right
  sleep 0.5
}

# The first interaction preset, in use and starting at once, shows a minute in green (palette
# index 6, key 0x00FF0A, #0AFF00 on screen): chosen in the tray menu's "互动计时" submenu it
# counts down in a see-through, topmost window centred on the screen, whose face changes from
# one screenshot to the next two seconds later; "互动设置" in the same submenu closes it.
test_interaction_countdown_from_the_tray_menu_counts_on_screen_and_closes() {
  local folder=$work/interaction-folder first=$work/interaction-1 second=$work/interaction-2 rect
  rm -rf "$folder"
  cp -r "$dist" "$folder"
  sed -i '/^\[hudongset1\]/,/^soundname/{s/^checkvalue=[01]*/checkvalue=11011/;s/^Fontselect=.*/Fontselect=Trebuchet MS\\200\\6\\65280/}' \
    "$folder/TimeData.db"
  grep -q '^checkvalue=11011' "$folder/TimeData.db" || { fail "the preset could not be set up"; return 1; }
  reg_clear
  on_wine 20 reg add 'HKCU\Vantrel' /f >/dev/null
  reg_set Version 5.2
  reg_set AImode 10111101
  paint_backdrop || { fail "the backdrop could not be painted"; return 1; }
  start_program "$folder" || return 1
  wait_until 15 has_form_window || { fail "no window of the program appeared"; return 1; }
  wait_until 10 has_tray || { fail "no tray icon appeared"; return 1; }
  open_interaction_submenu || return 1
  # 互动设置 first; 扩展屏显示 is hidden without a second screen; then the one preset in use.
  xdotool key Down Return
  wait_until 10 has_countdown || { fail "no countdown on the screen: $(program_windows | grep '^1')"; return 1; }
  repaint_backdrop || return 1
  read -r -a rect <<<"$(countdown_rect)"
  ((${#rect[@]} == 5)) || { fail "the countdown went away"; return 1; }
  note "countdown window ${rect[*]:0:4}, extended style ${rect[4]}"
  layered_and_topmost "the countdown window" "${rect[4]}" || return 1
  local counts text key back
  counts=$(pixel_counts "$first" "${rect[*]:0:4}" '#00FF00' '#0AFF00' "$backdrop") || {
    fail "no screenshot"
    return 1
  }
  read -r text key back <<<"$(echo $counts)"
  note "countdown pixels: text $text, key $key, backdrop $back ($first.png)"
  ((text > 20)) || { fail "the countdown shows no text"; return 1; }
  ((key == 0)) || { fail "the key colour shows"; return 1; }
  ((back > text)) || { fail "the background is not see-through"; return 1; }
  sleep 2
  pixel_counts "$second" "${rect[*]:0:4}" >/dev/null || { fail "no second screenshot"; return 1; }
  local changed
  changed=$(compare -metric AE "$first.png" "$second.png" null: 2>&1 >/dev/null)
  note "$changed pixels changed in two seconds ($first.png, $second.png)"
  [[ $changed =~ ^[0-9]+$ ]] && ((changed > 20)) || { fail "the countdown did not change"; return 1; }
  open_interaction_submenu || return 1
  xdotool key Return
  wait_until 10 has_no_countdown || { fail "the countdown stayed after 互动设置"; return 1; }
  has_program_pid || { fail "the program ended"; return 1; }
}

# The interaction settings window: "互动设置", the first item of the tray menu's "互动计时", opens
# a window titled "互动计时" on the screen whose controls (five rows with their switches, the shared
# display, "应用" and "关闭") are child windows inside it; a click on "关闭" closes it.
interaction_settings_rect() {
  program_windows | awk -F'\t' '/^1 HoralixForm/ && $2 == "互动计时" {
      split($3, r, ","); print r[1], r[2], r[3], r[4]; exit
    }'
}
has_interaction_settings_window() { test -n "$(interaction_settings_rect)"; }
has_no_interaction_settings_window() { test -z "$(interaction_settings_rect)"; }

test_interaction_settings_window_opens_from_the_tray_menu_with_its_controls() {
  reg_clear
  on_wine 20 reg add 'HKCU\Vantrel' /f >/dev/null
  reg_set Version 5.2
  reg_set AImode 10111101
  paint_backdrop || { fail "the backdrop could not be painted"; return 1; }
  start_program || return 1
  wait_until 15 has_form_window || { fail "no window of the program appeared"; return 1; }
  wait_until 10 has_tray || { fail "no tray icon appeared"; return 1; }
  open_interaction_submenu || return 1
  xdotool key Return
  wait_until 10 has_interaction_settings_window || { fail "no settings window: $(program_windows | grep '^1')"; return 1; }
  local rect children
  read -r -a rect <<<"$(interaction_settings_rect)"
  note "settings window ${rect[*]}"
  ((rect[0] >= 0 && rect[1] >= 0 && rect[2] - rect[0] > 400 && rect[3] - rect[1] > 200)) ||
    { fail "the window is not on the screen"; return 1; }
  sleep 1
  children=$(child_windows)
  local text count
  for text in 倒计时时长 运行自动倒计时 互动一 互动五 显示设置 提醒闪烁 全选 全不选 应用 关闭; do
    count=$(awk -F'\t' -v t="$text" -v l="${rect[0]}" -v tp="${rect[1]}" -v r="${rect[2]}" -v b="${rect[3]}" '
        $3 == t { split($4, c, ","); if (c[1] >= l && c[2] >= tp && c[3] <= r && c[4] <= b) n++ }
        END { print n + 0 }' <<<"$children")
    note "$text: $count on the window"
    ((count > 0)) || { fail "no control \"$text\" inside the window"; return 1; }
  done
  count=$(awk -F'\t' '$3 == "倒计时时长"' <<<"$children" | wc -l)
  ((count == 5)) || { fail "$count row switches instead of 5"; return 1; }
  local shot=$work/interaction-settings colours
  pixel_counts "$shot" "${rect[*]}" >/dev/null || { fail "no screenshot"; return 1; }
  colours=$(wc -l <"$shot.txt")
  note "$colours colours in the window ($shot.png)"
  ((colours > 3)) || { fail "the window is blank"; return 1; }
  local close
  read -r -a close <<<"$(awk -F'\t' '$3 == "关闭" && $2 == "Button" { split($4, c, ","); print c[1], c[2], c[3], c[4]; exit }' <<<"$children")"
  ((${#close[@]} == 4)) || { fail "no 关闭 button"; return 1; }
  xdotool mousemove $(((close[0] + close[2]) / 2)) $(((close[1] + close[3]) / 2)) click 1
  wait_until 10 has_no_interaction_settings_window || { fail "关闭 left the window open"; return 1; }
  has_program_pid || { fail "the program ended"; return 1; }
}
