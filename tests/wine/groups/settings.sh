# Wine tests: The settings window.
# Sourced by tests/wine/run.sh; the helpers are in tests/wine/lib.sh.

# The rectangle "left top right bottom" of the visible settings window ("设置").
settings_rect() {
  program_windows | awk -F'\t' '/^1 HoralixForm/ && $2 == "设置" { gsub(",", " ", $3); print $3; exit }'
}
has_settings() { test -n "$(settings_rect)"; }

# The tray menu's item "设置" opens the settings window with its controls: the rows of the time
# page, the reminder grid, the hot-key boxes (showing "无" until a key is stored) and the lists,
# drawn on screen (not a blank window).
test_tray_menu_settings_item_opens_the_settings_window_with_its_controls() {
  local shot=$work/settings rect downs children caption
  reg_clear
  start_program "$dist" </dev/null || return 1
  wait_until 15 has_form_window || { fail "no window of the program appeared"; return 1; }
  wait_until 10 has_tray || { fail "no tray icon appeared"; return 1; }
  # The menu's items before "设置" depend on the mode; step down until it opens the window.
  for downs in 1 2 3 4 5 6 7; do
    open_tray_menu || return 1
    xdotool key $(printf 'Down %.0s' $(seq "$downs")) Return
    wait_until 3 has_settings && break
    xdotool key Escape
  done
  has_settings || { fail "no settings window appeared"; return 1; }
  sleep 1
  children=$(child_windows)
  printf '%s\n' "$children" >"$work/settings-children.txt"
  for caption in 计时时长 报警1余 超时 倒计时 屏幕半透明 持续提醒 手动计时 幻灯片演示 边缘模糊 应用; do
    grep -q $'\t'"$caption"$'\t' <<<"$children" || { fail "no control \"$caption\""; return 1; }
  done
  # 27 text boxes: 8 number fields, 10 of the reminder grid, 6 hot keys, 3 of the clock's look.
  [[ $(grep -c $'\tEdit\t' <<<"$children") -ge 27 ]] || { fail "text boxes are missing"; return 1; }
  [[ $(grep -c $'\tScrollBar\t' <<<"$children") -ge 9 ]] || { fail "spin bars are missing"; return 1; }
  grep -q $'\tComboBox\t' <<<"$children" || { fail "no lists"; return 1; }
  read -r -a rect <<<"$(settings_rect)"
  pixel_counts "$shot" "${rect[*]}" >/dev/null || { fail "no screenshot"; return 1; }
  local colours
  colours=$(wc -l <"$shot.txt")
  note "settings window ${rect[*]}: $colours colours ($shot.png)"
  ((colours > 8)) || { fail "the settings window shows no controls"; return 1; }
}
