# Wine tests of the settings window as a user sees it. Sourced by tests/wine/run.sh, whose
# helpers (start_program, open_tray_menu, settings_rect, child_windows, pixel_counts, ...) these
# functions use.

# Opens the settings window from the tray menu. The items before "设置" depend on the mode: steps
# down until it opens the window.
open_settings_from_tray() {
  local downs
  for downs in 1 2 3 4 5 6 7; do
    open_tray_menu || return 1
    xdotool key $(printf 'Down %.0s' $(seq "$downs")) Return
    wait_until 3 has_settings && return 0
    xdotool key Escape
  done
  fail "no settings window appeared"
  return 1
}

# The handle of the visible settings window.
settings_hwnd() {
  program_windows | awk -F'\t' '/^1 HoralixForm/ && $2 == "设置" { print $5; exit }'
}

# The visible controls of the settings window: "<class>\t<text>\t<left>,<top>,<right>,<bottom>".
settings_controls() {
  child_windows | awk -F'\t' -v w="$1" '$1 == w && $5 == 1 { print $2 "\t" $3 "\t" $4 }'
}

# The centre "x y" of the visible control with that text.
control_centre() {
  awk -F'\t' -v t="$2" '$2 == t { split($3, r, ","); print int((r[1] + r[3]) / 2), int((r[2] + r[4]) / 2); exit }' <<<"$1"
}

# page_looks_right <name> <window rect> <controls>: the window lies on the screen, every visible
# control lies inside it, and the screenshot ($work/settings-page-<name>.png, kept for a person
# to look at) shows more than a blank window.
page_looks_right() {
  local name=$1 rect=$2 controls=$3 screen_width screen_height left top right bottom outside colours blank
  read -r screen_width screen_height <<<"$(xdotool getdisplaygeometry)"
  read -r left top right bottom <<<"$rect"
  ((left >= 0 && top >= 0 && right <= screen_width && bottom <= screen_height)) ||
    { fail "page $name: the window $rect leaves the ${screen_width}x$screen_height screen"; return 1; }
  outside=$(awk -F'\t' -v l="$left" -v t="$top" -v r="$right" -v b="$bottom" '
      { split($3, c, ","); if (c[3] > c[1] && (c[1] < l || c[2] < t || c[3] > r || c[4] > b)) print $1 " \"" $2 "\" " $3 }' <<<"$controls")
  [[ -z $outside ]] || { fail "page $name: controls outside the window: $(xargs <<<"$outside")"; return 1; }
  ((${#controls} > 0 && $(wc -l <<<"$controls") >= 10)) ||
    { fail "page $name shows $(wc -l <<<"$controls") controls"; return 1; }
  pixel_counts "$work/settings-page-$name" "$rect" >/dev/null || { fail "no screenshot of page $name"; return 1; }
  colours=$(wc -l <"$work/settings-page-$name.txt")
  note "page $name: window $rect, $(wc -l <<<"$controls") controls, $colours colours ($work/settings-page-$name.png)"
  ((colours > 8)) || { fail "page $name is blank"; return 1; }
  blank=$(blank_controls "$work/settings-page-$name.png" "$left" "$top" "$controls")
  [[ -z $blank ]] || { fail "page $name: controls not drawn: $(xargs <<<"$blank")"; return 1; }
}

# blank_controls <png> <left> <top> <controls>: the controls with a text whose place in the
# screenshot of the window at (left, top) holds a single colour: covered, or never painted.
blank_controls() {
  local png=$1 left=$2 top=$3 class text place r
  while IFS=$'\t' read -r class text place; do
    [[ -n $text ]] || continue
    IFS=, read -r -a r <<<"$place"
    ((r[2] - r[0] > 2 && r[3] - r[1] > 2)) || continue
    [[ $(convert "$png" -crop "$((r[2] - r[0]))x$((r[3] - r[1]))+$((r[0] - left))+$((r[1] - top))" \
      +repage -format %k info:- 2>/dev/null) == 1 ]] && echo "$class \"$text\""
  done <<<"$4"
}

# The settings window opened from the tray menu looks right on every page: each tab clicked with
# the mouse shows its page inside the window on the screen, with other controls and other
# pixels than the page before.
test_settings_window_pages_show_their_controls_on_screen() {
  local hwnd rect controls tab centre previous_controls= previous_shot= changed pages=0
  reg_clear
  start_program "$dist" </dev/null || return 1
  wait_until 15 has_form_window || { fail "no window of the program appeared"; return 1; }
  wait_until 10 has_tray || { fail "no tray icon appeared"; return 1; }
  open_settings_from_tray || return 1
  sleep 1
  hwnd=$(settings_hwnd)
  rect=$(settings_rect)
  controls=$(settings_controls "$hwnd")
  if [[ -z $(control_centre "$controls" 提醒) ]]; then
    # A window without tabs holds everything on one page.
    note "no tabs: one page"
    page_looks_right 1 "$rect" "$controls"
    return
  fi
  for tab in 限时 提醒 系统; do
    centre=$(control_centre "$(settings_controls "$hwnd")" "$tab")
    [[ -n $centre ]] || { fail "no tab \"$tab\""; return 1; }
    xdotool mousemove $centre click 1
    sleep 1
    pages=$((pages + 1))
    rect=$(settings_rect)
    controls=$(settings_controls "$hwnd")
    page_looks_right "$pages" "$rect" "$controls" || return 1
    if [[ -n $previous_shot ]]; then
      [[ $controls != "$previous_controls" ]] || { fail "tab \"$tab\" shows the same controls"; return 1; }
      changed=$(compare -metric AE "$previous_shot" "$work/settings-page-$pages.png" null: 2>&1 >/dev/null)
      [[ $changed =~ ^[0-9]+$ ]] && ((changed > 500)) ||
        { fail "tab \"$tab\" changed $changed pixels"; return 1; }
    fi
    previous_controls=$controls
    previous_shot=$work/settings-page-$pages.png
  done
}

# "应用" stores what the window shows: "持续提醒" clicked off and applied reaches the registry's
# checkvalue (character 6) and the hot keys reach TimeData.db (whose "无" turns "?" in a code
# page without that character).
test_settings_apply_stores_the_window_in_the_registry_and_the_ini_file() {
  local folder=$work/settings-apply controls checkvalue
  reg_clear
  rm -rf "$folder"
  cp -r "$dist" "$folder"
  sed -i '/^start=/d' "$folder/TimeData.db"
  start_program "$folder" </dev/null || return 1
  wait_until 15 has_form_window || { fail "no window of the program appeared"; return 1; }
  wait_until 10 has_tray || { fail "no tray icon appeared"; return 1; }
  open_settings_from_tray || return 1
  sleep 1
  controls=$(settings_controls "$(settings_hwnd)")
  xdotool mousemove $(control_centre "$controls" 持续提醒) click 1
  sleep 0.5
  xdotool mousemove $(control_centre "$controls" 应用) click 1
  applied() { checkvalue=$(reg_value checkvalue); [[ ${checkvalue:5:1} == 0 ]]; }
  wait_until 10 applied || { fail "checkvalue after the apply: \"$checkvalue\""; return 1; }
  grep -q '^start=' "$folder/TimeData.db" || { fail "no hot keys in TimeData.db"; return 1; }
  has_settings || { fail "the window closed"; return 1; }
}
