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


# Opens the settings window from the tray menu. The items before "设置" depend on the mode: steps
# down until it opens the window.
open_settings_from_tray() {
  local downs
  for downs in 1 2 3 4 5 6 7; do
    open_tray_menu || return 1
    xdotool key $(printf 'Down %.0s' $(seq "$downs")) Return
    wait_until 3 has_settings && sleep 1 && return 0
    xdotool key Escape
  done
  fail "no settings window appeared"
  return 1
}

# form_controls <caption>: the visible controls of the visible window with that caption, one a
# line: "<class>\t<l>,<t>,<r>,<b>\t<text>". settings_controls: those of the settings window.
form_controls() {
  local hwnd
  hwnd=$(program_windows | awk -F'\t' -v c="$1" '/^1 HoralixForm/ && $2 == c { print $5; exit }')
  [[ -n $hwnd ]] || return 0
  child_windows | awk -F'\t' -v w="$hwnd" '$1 == w && $5 == 1 { print $2 "\t" $4 "\t" $3 }'
}
settings_controls() { form_controls 设置; }

# click_control <text> [<window caption>]: a click in the middle of the visible control with that
# text in the settings window or the window of that caption.
click_control() {
  local centre
  centre=$(form_controls "${2:-设置}" | awk -F'\t' -v t="$1" '$3 == t { split($2, r, ","); print int((r[1] + r[3]) / 2), int((r[2] + r[4]) / 2); exit }')
  [[ -n $centre ]] || return 1
  xdotool mousemove $centre click 1
  sleep 0.5
}

# page_looks_right <page>: the window lies on the screen, each visible control inside it, and in
# the screenshot ($work/settings-page-<page>.png, kept for a person to look at) every control
# with a text is drawn (its place holds more than one colour).
page_looks_right() {
  local controls rect screen left top right bottom bad class place text r
  controls=$(settings_controls)
  rect=$(settings_rect)
  read -r -a screen <<<"$(xdotool getdisplaygeometry)"
  read -r left top right bottom <<<"$rect"
  ((left >= 0 && top >= 0 && right <= screen[0] && bottom <= screen[1])) ||
    { fail "page $1: the window $rect leaves the ${screen[*]} screen"; return 1; }
  (($(wc -l <<<"$controls") >= 10)) || { fail "page $1 shows $(wc -l <<<"$controls") controls"; return 1; }
  pixel_counts "$work/settings-page-$1" "$rect" >/dev/null || { fail "no screenshot of page $1"; return 1; }
  note "page $1: window $rect, $(wc -l <<<"$controls") controls ($work/settings-page-$1.png)"
  while IFS=$'\t' read -r class place text; do
    IFS=, read -r -a r <<<"$place"
    if ((r[0] < left || r[1] < top || r[2] > right || r[3] > bottom)); then
      bad+="$class \"$text\" outside; "
    elif [[ -n $text ]] && ((r[2] - r[0] > 2 && r[3] - r[1] > 2)) &&
      [[ $(convert "$work/settings-page-$1.png" -crop "$((r[2] - r[0]))x$((r[3] - r[1]))+$((r[0] - left))+$((r[1] - top))" \
        +repage -format %k info:- 2>/dev/null) == 1 ]]; then
      bad+="$class \"$text\" not drawn; "
    fi
  done <<<"$controls"
  [[ -z ${bad:-} ]] || { fail "page $1: $bad"; return 1; }
}

# The settings window from the tray menu: "应用" stores what it shows ("持续提醒" clicked off
# reaches character 6 of the registry's checkvalue, the hot keys TimeData.db, whose "无" turns
# "?" in a code page without it), and each page, opened by a click on its tab, looks right and
# differs from the page before.
test_settings_window_applies_and_shows_each_page_on_screen() {
  local folder=$work/settings-window checkvalue page=0 tab changed
  reg_clear
  rm -rf "$folder"
  cp -r "$dist" "$folder"
  sed -i '/^start=/d' "$folder/TimeData.db"
  start_program "$folder" </dev/null || return 1
  wait_until 15 has_form_window || { fail "no window of the program appeared"; return 1; }
  wait_until 10 has_tray || { fail "no tray icon appeared"; return 1; }
  open_settings_from_tray || return 1
  click_control 持续提醒 && click_control 应用 || { fail "no \"持续提醒\" or \"应用\""; return 1; }
  applied() { checkvalue=$(reg_value checkvalue); [[ ${checkvalue:5:1} == 0 ]]; }
  wait_until 10 applied || { fail "checkvalue after the apply: \"$checkvalue\""; return 1; }
  grep -q '^start=' "$folder/TimeData.db" || { fail "no hot keys in TimeData.db"; return 1; }
  if ! settings_controls | grep -q $'\t提醒$'; then
    note "no tabs: one page"
    page_looks_right 1
    return
  fi
  for tab in 限时 提醒 系统; do
    click_control "$tab" || { fail "no tab \"$tab\""; return 1; }
    page=$((page + 1))
    page_looks_right "$page" || return 1
    ((page == 1)) && continue
    changed=$(compare -metric AE "$work/settings-page-$((page - 1)).png" "$work/settings-page-$page.png" null: 2>&1 >/dev/null)
    [[ $changed =~ ^[0-9]+$ ]] && ((changed > 500)) || { fail "tab \"$tab\" changed $changed pixels"; return 1; }
  done
}

# The preset manager, closed on its link tab and opened again from "特殊计时", shows the
# new-preset tab's entry area ("录入" and the time field) and not the link tab's browse button.
has_preset_manager() { program_windows | grep -q $'^1 HoralixForm\t特殊计时\t'; }
test_preset_manager_opens_again_on_the_new_preset_tab() {
  local controls
  reg_clear
  start_program "$dist" </dev/null || return 1
  wait_until 15 has_form_window || { fail "no window of the program appeared"; return 1; }
  wait_until 10 has_tray || { fail "no tray icon appeared"; return 1; }
  open_settings_from_tray || return 1
  click_control 特殊计时 && wait_until 10 has_preset_manager || { fail "no preset manager"; return 1; }
  sleep 1
  click_control 特殊文件 特殊计时 || { fail "no tab \"特殊文件\""; return 1; }
  form_controls 特殊计时 | grep -q $'\t\\.\\.$' || { fail "the link tab shows no \"..\""; return 1; }
  click_control 关闭 特殊计时 || { fail "no \"关闭\" in the preset manager"; return 1; }
  wait_until 5 eval '! has_preset_manager' || { fail "the preset manager stayed open"; return 1; }
  click_control 特殊计时 && wait_until 10 has_preset_manager || { fail "no preset manager again"; return 1; }
  sleep 1
  controls=$(form_controls 特殊计时)
  printf '%s\n' "$controls" >"$work/preset-manager-controls.txt"
  grep -q $'\t录入$' <<<"$controls" || { fail "no \"录入\" shown"; return 1; }
  grep -q $'\t时间$' <<<"$controls" || { fail "no \"时间\" shown"; return 1; }
  ! grep -q $'\t\\.\\.$' <<<"$controls" || { fail "the browse button is still shown"; return 1; }
}
