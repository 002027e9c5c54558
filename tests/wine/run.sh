#!/usr/bin/env bash
# End-to-end tests of the Windows program folder (dist/win32-x64) under wine64:
#   bash tests/wine/run.sh
# Runs on $DISPLAY when it works, else on an Xvfb display of its own (a free number). Makes a
# fresh Wine prefix under build/wine-tests/ and ends every Wine process of it between tests, so
# each test starts from a clean registry key HKCU\Vantrel and no running program. Every call
# into Wine is bounded in time. Prints a line per test, a few measurements (start-up time, size,
# memory) and ends with "N passed, M failed"; the exit code is non-zero on any failure.
#
# A test is one function named test_<what> that returns non-zero (after saying why with `fail`)
# when the program does not behave; the helpers below start, find, answer and end the program.
# Before them, the Win32 backend's own tests (GoogleTest, built by the win32-x64 preset) run in
# the same prefix, then the add-in's test host (tests/wine/addin) with the add-in registered by
# regsvr32; each of their tests counts in the totals.
# HORALIX_DIST overrides the program folder, HORALIX_BACKEND_TESTS the backend test program,
# HORALIX_ADDIN_HOST the add-in's test host, HORALIX_WINE_WORK the folder of the prefix and the
# files the tests leave;
# HORALIX_WINE_KEEP=1 keeps the prefix afterwards; HORALIX_WINE_ONLY=<regex> runs only the tests
# whose names match; HORALIX_SOAK_SECONDS sets how long the soak test runs (default 150, its
# three parts together; scripts/soak.sh runs it for hours).
set -uo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
dist=${HORALIX_DIST:-$root/dist/win32-x64}
backend_tests=${HORALIX_BACKEND_TESTS:-$root/build/win32-x64/tests/horalix_win32_tests.exe}
addin_host=${HORALIX_ADDIN_HOST:-$root/build/win32-x64/tests/horalink_host_tests.exe}
work=${HORALIX_WINE_WORK:-$root/build/wine-tests}
export WINEPREFIX=$work/prefix
export WINEDEBUG=-all
# shellcheck source=scripts/lib/wine.sh
source "$root/scripts/lib/wine.sh"

probe=$work/probe.exe
log=$work/wine.log
program_job=      # the background job of the program under test
program_pid=      # its Windows process id
xvfb_pid=

# ---- Helpers ---------------------------------------------------------------------------------

note() { echo "  $*"; }
fail() { echo "  FAIL: $*"; }



start_display() {
  if [[ -n ${DISPLAY:-} ]] && xdotool getdisplaygeometry >/dev/null 2>&1; then
    note "display $DISPLAY"
    return 0
  fi
  local n
  for n in $(seq 90 199); do
    [[ -e /tmp/.X11-unix/X$n || -e /tmp/.X$n-lock ]] && continue
    Xvfb ":$n" -screen 0 1280x800x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    export DISPLAY=:$n
    if wait_until 10 xdotool getdisplaygeometry >/dev/null 2>&1; then
      note "Xvfb display $DISPLAY"
      return 0
    fi
    kill "$xvfb_pid" 2>/dev/null
    xvfb_pid=
  done
  echo "wine tests: no display could be started ($work/xvfb.log)" >&2
  return 1
}

# Ends every process of the prefix, the program under test included.
end_wine() {
  timeout 20 "$WINESERVER" -k >/dev/null 2>&1
  timeout 20 "$WINESERVER" -w >/dev/null 2>&1
  if [[ -n $program_job ]]; then
    kill "$program_job" 2>/dev/null
    wait "$program_job" 2>/dev/null
  fi
  program_job=
  program_pid=
}

cleanup() {
  end_wine
  [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null
  [[ ${HORALIX_WINE_KEEP:-0} == 1 ]] || rm -rf "$WINEPREFIX"
}

setup() {
  mkdir -p "$work"
  : >"$log"
  [[ -f $dist/Horalix.exe ]] || { echo "wine tests: no $dist/Horalix.exe; build win32-x64 first" >&2; return 1; }
  start_display || return 1
  x86_64-w64-mingw32-g++-posix -std=c++20 -Wall -Wextra -Werror -O2 -municode -static \
    -o "$probe" "$root/tests/wine/probe.cpp" -lgdi32 || { echo "wine tests: the probe did not build" >&2; return 1; }
  rm -rf "$WINEPREFIX"
  local started=$SECONDS
  wine_prefix_ready >/dev/null || return 1
  # A crash ends the program at once instead of waiting behind the crash dialog.
  on_wine 20 reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null
  note "fresh prefix $WINEPREFIX in $((SECONDS - started)) s"
}

# Windows pids of running Horalix.exe processes.
program_pids() { on_wine 10 "$probe" pids Horalix.exe; }
has_program_pid() { test -n "$(program_pids)"; }

# start_program [folder]: starts Horalix.exe from the folder (default: the program folder) in
# the background and waits for its process; sets program_job and program_pid.
start_program() {
  local folder=${1:-$dist}
  (cd "$folder" && exec timeout "${program_limit:-120}" "$WINE64" Horalix.exe) >>"$log" 2>&1 &
  program_job=$!
  wait_until 15 has_program_pid || { fail "Horalix.exe did not start"; return 1; }
  program_pid=$(program_pids | head -n 1)
}

# Lines "<visible> <class>\t<title>" of the program's top-level windows.
program_windows() { on_wine 10 "$probe" windows "$program_pid"; }
has_form_window() { program_windows | grep -q '^1 HoralixForm'; }
has_message_box() { program_windows | grep -q '#32770'; }
message_texts() { on_wine 10 "$probe" texts "$program_pid"; }

# wait_for_exit <seconds>: waits for the program to end and sets exit_status to its exit code;
# fails when it still runs after that time.
exit_status=
wait_for_exit() {
  local deadline=$((SECONDS + $1))
  while kill -0 "$program_job" 2>/dev/null && ((SECONDS < deadline)); do sleep 0.2; done
  kill -0 "$program_job" 2>/dev/null && return 1
  exit_status=0
  wait "$program_job" || exit_status=$?
  program_job=
}

# reg_value <name>: the data of a value of HKCU\Vantrel, empty when it is missing.
reg_value() {
  on_wine 20 reg query 'HKCU\Vantrel' /v "$1" |
    awk -v name="$1" 'tolower($1) == tolower(name) { $1 = ""; $2 = ""; sub(/^  /, ""); print }'
}
reg_set() { on_wine 20 reg add 'HKCU\Vantrel' /v "$1" /t REG_SZ /d "$2" /f >/dev/null; }
reg_clear() { on_wine 20 reg delete 'HKCU\Vantrel' /f >/dev/null 2>&1; true; }
has_version_value() { test -n "$(reg_value Version)"; }

# The program folder as the program sees it (Wine maps / to Z:).
windows_path() { echo "Z:${1//\//\\}"; }

# ---- Tests -------------------------------------------------------------------------------------

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

# Wine docks tray icons in its own "Wine System Tray" window when the display has no tray; the
# program's icon is the first (and only) one there. A right click on it opens the tray menu,
# whose last item "退出" ends the program, which takes its icon and clockopen with it.
tray_window() { xdotool search --onlyvisible --name 'Wine System Tray' 2>/dev/null | head -n 1; }
# Predicates for wait_until: each asks afresh at every try (a "$(...)" argument would be worked
# out once, before the waiting starts).
has_tray() { test -n "$(tray_window)"; }
has_no_tray() { test -z "$(tray_window)"; }
has_popup_menu() { program_windows | grep -q '^1 #32768'; }
# Right-clicks the tray icon. Wine's tray window stands at the top left of the screen, where a
# clock with no saved place may cover it; it is moved to the middle of the screen first.
right_click_tray() {
  xdotool windowmove "$(tray_window)" 560 390
  sleep 0.5
  xdotool mousemove --window "$(tray_window)" 10 10 click 3
}

test_tray_menu_exit_item_ends_the_program() {
  reg_clear
  start_program || return 1
  wait_until 15 has_form_window || { fail "no window of the program appeared"; return 1; }
  wait_until 10 has_tray || { fail "no tray icon appeared"; return 1; }
  on_wine 20 reg add 'HKCU\Vantrel' /v clockopen /t REG_DWORD /d 32 /f >/dev/null
  right_click_tray
  wait_until 10 has_popup_menu || { fail "a right click on the tray icon opened no menu"; return 1; }
  # No item is chosen yet: Up chooses the menu's last item.
  xdotool key Up Return
  wait_for_exit 15 || { fail "still running after the exit item"; return 1; }
  ((exit_status == 0)) || { fail "ended with exit code $exit_status"; return 1; }
  [[ -z $(reg_value clockopen) ]] || { fail "clockopen is still in the registry"; return 1; }
  wait_until 5 has_no_tray || { fail "the tray icon stayed behind"; return 1; }
}

# ---- What the user sees: the clock face and the prompt bar -------------------------------------

# The desktop behind the program's windows: a colour that none of them paints, so that a pixel
# of it inside a window's rectangle is a see-through pixel.
backdrop='#3060C0'
paint_backdrop() {
  # A solid background of the root window stays after xsetroot ends, as long as the server does
  # not reset when its last client leaves (our Xvfb runs with -noreset); otherwise the uncovered
  # desktop shows black.
  timeout 10 xsetroot -solid "$backdrop" || return 1
  import -window root -crop 1x1+0+0 -depth 8 "$work/backdrop-check.png" 2>/dev/null &&
    [[ $(pixel_at "$work/backdrop-check.png" 0 0) == "$backdrop" ]]
}

# repaint_backdrop: paints the backdrop again once the windows under test are up, for a test
# that changed it.
repaint_backdrop() {
  paint_backdrop || { fail "the backdrop could not be painted again"; return 1; }
  sleep 0.5
}

# The settings of a run: <folder> <checkvalue> <Fontselect> <picturename> [<Time_all>]
# [<optvalue>] [<AImode>] (manual timing by default), and the clock's place, with the stored
# version of this build. run_numbers may replace the numbers stored ("Time_one:60 ... time_left:0").
store_run_settings() {
  reg_set Version 5.2
  local name value
  while read -r name value; do
    reg_set "$name" "$value" </dev/null
  done <<SETTINGS
Time_all ${5:-00:01:10}
checkvalue $2
optvalue ${6:-100100100}
tellsoundname start.wav\Timeout.wav\Timeout.wav\Timeout.wav\Stop.wav\Stop.wav
tellprocesstext 您的发言
clockFont Trebuchet MS
Fontselect $3
picturename $4
AImode ${7:-10111101}
tellouttext 时间到
SETTINGS
  # The clock stands at a place of its own (100, 100 pixels), clear of the tray window's corner.
  for name in ${run_numbers:-Time_one:60 Time_two:30 Time_three:5 time_end:0 tellShowtime:10 time_left:0} \
    clockleft:1500 clocktop:1500; do
    on_wine 20 reg add 'HKCU\Vantrel' /v "${name%%:*}" /t REG_DWORD /d "${name#*:}" /f </dev/null >/dev/null
  done
}

# start_run_from_tray <folder> <checkvalue> <Fontselect> <picturename> [<Time_all> <optvalue>]:
# a run of 70 seconds (or Time_all) that counts on past zero (or as optvalue says), with
# reminders and the prompt bar at the first alarm (one minute left) and timing by hand, stored
# before the start (with Version, so that the start keeps them), begun by the first item of the
# tray menu.
start_run_from_tray() {
  store_run_settings "$1" "$2" "$3" "$4" "${5:-}" "${6:-}"
  start_program "$1" </dev/null || return 1
  # The tray window of Wine shows only after the program's first window (as a user waits too).
  wait_until 15 has_form_window || { fail "no window of the program appeared"; return 1; }
  wait_until 10 has_tray || { fail "no tray icon appeared"; return 1; }
  open_tray_menu || return 1
  # The first item starts the run.
  xdotool key Down Return
}

# Opens the tray menu with a right click on the icon. The tray window may show a moment before
# its icon: a second click if the first opens nothing.
open_tray_menu() {
  local attempt
  for attempt in 1 2; do
    right_click_tray
    wait_until 5 has_popup_menu && break
  done
  has_popup_menu || { fail "a right click on the tray icon opened no menu"; return 1; }
}

# The rectangle "left top right bottom" and extended style of the program's visible form window
# that lies on the screen and is no wider than <max width> pixels, topmost first.
visible_form() {
  program_windows | awk -F'\t' -v max="$1" '/^1 HoralixForm/ {
      split($3, r, ",")
      if (r[1] >= 0 && r[2] >= 0 && r[3] - r[1] > 0 && r[3] - r[1] <= max && r[4] > r[2]) {
        print r[1], r[2], r[3], r[4], $4; exit
      }
    }'
}

has_clock() { test -n "$(visible_form 600)"; }

# clock_on_screen <array name>: waits for the clock, lets it paint, and puts its rectangle and
# extended style ("left top right bottom style") into the named array.
clock_on_screen() {
  local -n into=$1
  wait_until 10 has_clock || { fail "no clock on the screen: $(program_windows | grep '^1')"; return 1; }
  sleep 1
  read -r -a into <<<"$(visible_form 600)"
  ((${#into[@]} == 5)) || { fail "the clock went away"; return 1; }
}

# layered_and_topmost <what> <extended style, hex>: the window is see-through-capable and on top.
layered_and_topmost() {
  ((0x$2 & 0x80000)) || { fail "$1 is not layered"; return 1; }
  ((0x$2 & 0x8)) || { fail "$1 is not topmost"; return 1; }
}

# pixel_counts <shot> <rect> <colour...>: how many pixels of each colour ("#RRGGBB") the
# screenshot of the rectangle "left top right bottom" holds, one count a line.
pixel_counts() {
  local shot=$1 left top right bottom colour
  read -r left top right bottom <<<"$2"
  shift 2
  import -window root -crop "$((right - left))x$((bottom - top))+$left+$top" +repage -depth 8 \
    "$shot.png" 2>/dev/null || return 1
  convert "$shot.png" -format %c histogram:info:- >"$shot.txt"
  for colour in "$@"; do
    awk -v c="$colour" 'index(toupper($0), c) { n += $1 } END { print n + 0 }' "$shot.txt"
  done
}

# pixel_at <png> <x> <y>: the colour of one pixel, "#RRGGBB".
pixel_at() { convert "$1" -depth 8 -format "#%[hex:p{$2,$3}]" info:- | cut -c1-7; }

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

# The prompt bar: the rectangle and extended style of the program's visible form window centred
# at the top of the screen, wider than tall (the clock stands at a side).
bar_rect() {
  local width
  width=$(xdotool getdisplaygeometry | awk '{ print $1 }')
  program_windows | awk -F'\t' -v width="$width" '/^1 HoralixForm/ {
      split($3, r, ",")
      centre = (r[1] + r[3]) / 2 - width / 2
      if (r[2] >= 0 && r[2] < 300 && centre * centre < 1600 && r[3] - r[1] > 2 * (r[4] - r[2])) {
        print r[1], r[2], r[3], r[4], $4; exit
      }
    }'
}
has_bar() { test -n "$(bar_rect)"; }

# ---- The time-up prompt ------------------------------------------------------------------------

# Lines "<top-level hwnd>\t<class>\t<text>\t<left>,<top>,<right>,<bottom>" of the child windows
# of the program's visible windows.
child_windows() { on_wine 10 "$probe" children "$program_pid"; }

# The time-up prompt: the rectangle "left top right bottom" of the program's visible form
# window centred on the screen, smaller than half of it and titled "Horalix".
prompt_rect() {
  local width height
  read -r width height < <(xdotool getdisplaygeometry)
  program_windows | awk -F'\t' -v width="$width" -v height="$height" '/^1 HoralixForm/ && $2 == "Horalix" {
      split($3, r, ",")
      dx = (r[1] + r[3] - width) / 2; dy = (r[2] + r[4] - height) / 2
      if (dx * dx < 400 && dy * dy < 400 && r[3] - r[1] < width / 2 && r[4] - r[2] < height / 2) {
        print r[1], r[2], r[3], r[4]; exit
      }
    }'
}
has_prompt() { test -n "$(prompt_rect)"; }
has_no_prompt() { test -z "$(prompt_rect)"; }
# The backdrop under the prompt: a visible form window that covers the whole screen.
has_backdrop() {
  local width height
  read -r width height < <(xdotool getdisplaygeometry)
  program_windows | awk -F'\t' -v width="$width" -v height="$height" '/^1 HoralixForm/ {
      split($3, r, ",")
      if (r[1] <= 0 && r[2] <= 0 && r[3] >= width && r[4] >= height) found = 1
    } END { exit !found }'
}
has_no_backdrop() { ! has_backdrop; }

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

# ---- The mouse on the clock and the prompt bar ------------------------------------------------

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

# ---- The interaction countdown -----------------------------------------------------------------

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

# ---- The statistics window ---------------------------------------------------------------------

has_statistics_window() { program_windows | grep -q $'^1 HoralixForm\t计时统计\t'; }
# Clicks the button of that caption in the program's visible windows.
click_button() {
  local button
  button=$(child_windows | awk -F'\t' -v caption="$1" '$3 == caption { split($4, r, ","); print int((r[1] + r[3]) / 2), int((r[2] + r[4]) / 2); exit }')
  [[ -n $button ]] || return 1
  xdotool mousemove $button click 1
}
has_export_notice() { message_texts | grep -qx '没有安装WPS或Excel程序，导出为.csv文件'; }
has_csv() { test -s "$1"; }

# Two recorded runs, one of a document whose name holds a comma and a quote: "计时统计" in the
# tray menu lists them; "导出" without a spreadsheet tells so and writes sheet1.csv, which
# Python's csv module reads back as the heading row and two rows of six columns with the
# document names whole.
test_statistics_window_exports_runs_as_csv() {
  local folder=$work/statistics-folder csv
  rm -rf "$folder"
  cp -r "$dist" "$folder"
  csv=$folder/sheet1.csv
  python3 - "$folder/OfficeData.db" <<'PY' || { fail "the runs could not be recorded"; return 1; }
import sqlite3, sys
db = sqlite3.connect(sys.argv[1])
db.execute("INSERT INTO timesum VALUES (4, '00:10:00', '00:09:30', '00:00:00', '00:00:12', 'Q3, \"final\".pptx')")
db.execute("INSERT INTO timesum VALUES (7, '00:05:00', '00:06:00', '00:01:00', '00:00:00', '手动计时')")
db.commit()
PY
  reg_clear
  on_wine 20 reg add 'HKCU\Vantrel' /f >/dev/null
  reg_set Version 5.2
  reg_set AImode 10111101
  start_program "$folder" || return 1
  wait_until 15 has_form_window || { fail "no window of the program appeared"; return 1; }
  wait_until 10 has_tray || { fail "no tray icon appeared"; return 1; }
  open_tray_menu || return 1
  # "计时统计" is the fourth item from the bottom, before 帮助, 在线帮助 and 退出.
  xdotool key Up Up Up Up Return
  wait_until 10 has_statistics_window || { fail "no statistics window: $(program_windows | grep '^1')"; return 1; }
  import -window root "$work/statistics.png" 2>/dev/null && note "statistics window: $work/statistics.png"
  click_button 导出 || { fail "no button 导出: $(child_windows | cut -f3 | xargs)"; return 1; }
  wait_until 10 has_export_notice || { fail "no notice about the CSV file: $(message_texts | xargs)"; return 1; }
  on_wine 10 "$probe" ok "$program_pid"
  wait_until 10 has_csv "$csv" || { fail "no sheet1.csv was written"; return 1; }
  local read_back
  read_back=$(python3 - "$csv" <<'PY'
import csv, sys
with open(sys.argv[1], encoding="utf-8-sig", newline="") as f:
    rows = [r for r in csv.reader(f) if r]
print(len(rows), *[len(r) for r in rows], sep=" ")
print(rows[0][0], rows[0][5], rows[1][0], rows[1][2], rows[1][5], rows[2][5], sep="|")
PY
)
  note "sheet1.csv read back: $(echo "$read_back" | xargs)"
  [[ $read_back == $'3 6 6 6\n序号|文件名称|1|00:09:30|Q3, "final".pptx|手动计时' ]] ||
    { fail "sheet1.csv reads as '$read_back'"; return 1; }
  has_program_pid || { fail "the program ended"; return 1; }
}

# ---- Runner ------------------------------------------------------------------------------------

passed=0
failed=0

# A GoogleTest program under Wine: its passed and failed tests join the totals, as its XML
# report counts them; a run that leaves no report counts as one failure.
#   run_gtest_program <label> <program> [<seconds>]
run_gtest_program() {
  local label=$1 program=$2 seconds=${3:-300}
  if [[ ! -f $program ]]; then
    echo "$label: $program not built, skipped"
    return 0
  fi
  echo "$label ($(basename "$program"))"
  local report=$work/$(basename "$program" .exe).xml output counts
  rm -f "$report"
  output=$(cd "$work" && on_wine "$seconds" "$program" --gtest_brief=1 \
    "--gtest_output=xml:Z:${report//\//\\}" 2>&1)
  grep -E '^\[  (FAILED|SKIPPED) \]|Failure|^[^[].*:[0-9]+: ' <<<"$output" | sed 's/^/  /'
  if ! counts=$(python3 "$root/tests/wine/gtest_counts.py" "$report" 2>&1); then
    fail "the $label left no report: $counts"
    tail -n 20 <<<"$output" | sed 's/^/    /'
    failed=$((failed + 1))
    return 0
  fi
  local ok bad
  read -r ok bad <<<"$counts"
  note "$ok passed, $bad failed"
  passed=$((passed + ok))
  failed=$((failed + bad))
}

# The portable core with its headless tests, as MinGW builds it (32-bit long, 16-bit wchar_t).
run_core_tests() {
  local program
  for program in "$root"/build/win32-x64/tests/core/test_*.exe; do
    [[ -f $program ]] || continue
    run_gtest_program "core tests" "$program" 600
  done
}

# The backend's own tests against the real system calls.
run_backend_tests() { run_gtest_program "backend tests" "$backend_tests"; }

# ---- The add-in ------------------------------------------------------------------------------

# The add-in library as regsvr32 takes it: a Windows path.
addin_dll() { echo "Z:${dist//\//\\}\\Horalink32.dll"; }
register_addin() { on_wine 60 regsvr32 /s "$(addin_dll)" >/dev/null; }
unregister_addin() { on_wine 60 regsvr32 /s /u "$(addin_dll)" >/dev/null; }

# The keys that registering writes and unregistering removes, as `reg query` names them.
addin_keys=(
  'HKCR\CLSID\{6E0F4B52-3C1D-4A7B-9E2F-5D8C1A7B3F21}'
  'HKCR\CLSID\{6E0F4B52-3C1D-4A7B-9E2F-5D8C1A7B3F22}'
  'HKCR\CLSID\{6E0F4B52-3C1D-4A7B-9E2F-5D8C1A7B3F23}'
  'HKCR\Horalink.OfficeWd' 'HKCR\Horalink.OfficeET' 'HKCR\Horalink.OfficePT'
  'HKCR\Interface\{6E0F4B52-3C1D-4A7B-9E2F-5D8C1A7B3F11}'
  'HKCR\Interface\{6E0F4B52-3C1D-4A7B-9E2F-5D8C1A7B3F12}'
  'HKCR\Interface\{6E0F4B52-3C1D-4A7B-9E2F-5D8C1A7B3F13}'
  'HKCR\TypeLib\{6E0F4B52-3C1D-4A7B-9E2F-5D8C1A7B3F01}'
  'HKCU\Software\Microsoft\Office\Word\Addins\Horalink.OfficeWd'
  'HKCU\Software\Microsoft\Office\Excel\Addins\Horalink.OfficeET'
  'HKCU\Software\Microsoft\Office\PowerPoint\Addins\Horalink.OfficePT'
  'HKLM\Software\Microsoft\Office\Word\Addins\Horalink.OfficeWd'
  'HKLM\Software\Microsoft\Office\Excel\Addins\Horalink.OfficeET'
  'HKLM\Software\Microsoft\Office\PowerPoint\Addins\Horalink.OfficePT'
)

# How many of the add-in's keys exist now.
addin_keys_present() {
  local key count=0
  for key in "${addin_keys[@]}"; do
    on_wine 20 reg query "$key" >/dev/null 2>&1 && count=$((count + 1))
  done
  echo "$count"
}

# Our test host loads the registered add-in through COM as an office host does: each class
# connected with a fake application, its events fired, its ribbon read, its callbacks called by
# name, then disconnected, with the hand-over values checked at each step. Each of its tests
# counts in the totals.
run_addin_host_tests() {
  if ! register_addin; then
    fail "regsvr32 did not register $(addin_dll)"
    failed=$((failed + 1))
    return 0
  fi
  run_gtest_program "add-in host tests" "$addin_host"
  unregister_addin
}

# A client nobody here wrote, Wine's script host, creates each class by its ProgID after
# registration and finds none after unregistration; unregistering removes every key that
# registering wrote.
test_addin_classes_come_and_go_with_registration() {
  local script="Z:${root//\//\\}\\tests\\wine\\addin\\create_by_progid.vbs" output count
  register_addin || { fail "regsvr32 did not register the add-in"; return 1; }
  count=$(addin_keys_present)
  ((count == ${#addin_keys[@]})) || { fail "only $count of ${#addin_keys[@]} keys registered"; return 1; }
  output=$(on_wine 60 cscript //nologo "$script")
  note "$(tr '\n' ';' <<<"$output")"
  [[ $(grep -c ' created, ribbon \[\]$' <<<"$output") == 3 ]] ||
    { fail "the script host did not create the three classes"; return 1; }
  unregister_addin || { fail "regsvr32 /u failed"; return 1; }
  count=$(addin_keys_present)
  ((count == 0)) || { fail "$count keys left after unregistering"; return 1; }
  output=$(on_wine 60 cscript //nologo "$script")
  [[ $(grep -c ' missing ' <<<"$output") == 3 ]] ||
    { fail "classes still created after unregistering: $output"; return 1; }
}

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

# Closes the time-up prompt with its button "关闭" when it shows; true when it did.
close_time_up_prompt() {
  has_prompt || return 1
  local button
  button=$(child_windows | awk -F'\t' '$3 == "关闭" { split($4, r, ","); print int((r[1] + r[3]) / 2), int((r[2] + r[4]) / 2); exit }')
  [[ -n $button ]] || return 1
  xdotool mousemove $button click 1
}

# Private memory of the program's Linux process in kB (its own pages, clean and dirty).
private_kb() {
  local pid
  pid=$(pgrep -P "$program_job" | head -n 1)
  awk '/^Private_(Clean|Dirty):/ { kb += $2 } END { print kb + 0 }' "/proc/$pid/smaps_rollup" 2>/dev/null
}

# soak_part <name> <seconds> <optvalue> <restart: yes|no>: one program runs 5-second runs with
# reminders at 4, 3 and 1 seconds left, the prompt bar at each of them and at zero, two seconds
# of overtime where the action counts on, and the time-up prompt at each end, which is closed
# by its button. With restart, a run that has ended is started again from the tray menu. Every
# few seconds the program's kernel handles, windows and private memory are sampled; after a
# warm-up, the mean handles and windows of the last third of the samples may exceed those of the
# first third by at most 8 and 2, and the peak private memory by at most 4 MB or 5 %.
soak_part() {
  local name=$1 seconds=$2 optvalue=$3 restart=$4
  local samples=$work/soak-$name.txt every=$((seconds >= 600 ? 30 : 5))
  program_limit=$((seconds + 120))
  local folder=$work/soak-folder
  rm -rf "$folder"
  cp -r "$dist" "$folder"
  sed -i 's/^\[Hotkey\]$/[Hotkey]\nprocessColor=16\nprocessvalue=1/' "$folder/TimeData.db"
  run_numbers="Time_one:4 Time_two:3 Time_three:1 time_end:2 tellShowtime:2 time_left:0" \
    start_run_from_tray "$folder" 111111010100011111111111111100101 '1060604\65280' '\0' \
    00:00:05 "$optvalue" || return 1
  local started=$SECONDS next_sample=$SECONDS next_restart=$((SECONDS + 12)) prompts=0 restarts=0
  : >"$samples"
  while ((SECONDS - started < seconds)); do
    has_program_pid || { fail "$name: the program ended after $((SECONDS - started)) s"; return 1; }
    close_time_up_prompt && prompts=$((prompts + 1))
    if [[ $restart == yes ]] && ((SECONDS >= next_restart)) && ! has_prompt; then
      right_click_tray
      if wait_until 3 has_popup_menu; then
        xdotool key Down Return
        restarts=$((restarts + 1))
      fi
      sleep 0.3
      has_popup_menu && xdotool key Escape
      next_restart=$((SECONDS + 10))
    fi
    # Samples are taken while no time-up prompt shows: it and its backdrop are windows of their
    # own for as long as they show.
    if ((SECONDS >= next_sample)) && ! has_prompt; then
      echo "$((SECONDS - started)) $(on_wine 20 "$probe" usage "$program_pid") $(private_kb)" >>"$samples"
      next_sample=$((SECONDS + every))
    fi
    sleep 1
  done
  program_limit=
  # Columns: seconds, handles, windows, private kB. The first quarter is warm-up.
  awk -v name="$name" -v prompts="$prompts" -v restarts="$restarts" '
    BEGIN { n = 0 }
    NF == 4 { t[n] = $1; h[n] = $2; w[n] = $3; m[n] = $4; n++ }
    END {
      start = int(n / 4); k = int((n - start) / 3)
      if (k < 1) { print "  " name ": too few samples (" n ")"; exit 1 }
      # Memory swings by several MB within a run (the prompt and its backdrop come and go), so
      # its peaks are compared; a leak raises them too.
      for (i = 0; i < k; i++) {
        h1 += h[start + i]; w1 += w[start + i]; if (m[start + i] > m1) m1 = m[start + i]
        h2 += h[n - k + i]; w2 += w[n - k + i]; if (m[n - k + i] > m2) m2 = m[n - k + i]
      }
      h1 /= k; w1 /= k; h2 /= k; w2 /= k
      printf "  soak %s: %d s, %d time-up prompts closed, %d restarts; handles %.1f -> %.1f, windows %.1f -> %.1f, peak private memory %.0f -> %.0f kB (%d samples)\n", \
        name, t[n - 1], prompts, restarts, h1, h2, w1, w2, m1, m2, n
      limit = m1 * 0.05; if (limit < 4096) limit = 4096
      bad = 0
      if (h2 - h1 > 8) { print "  FAIL: " name ": handles grow"; bad = 1 }
      if (w2 - w1 > 2) { print "  FAIL: " name ": windows grow"; bad = 1 }
      if (m2 - m1 > limit) { print "  FAIL: " name ": private memory grows"; bad = 1 }
      if (prompts < 1) { print "  FAIL: " name ": no run reached its time-up prompt"; bad = 1 }
      exit bad
    }' "$samples"
}

# Back-to-back runs for HORALIX_SOAK_SECONDS in three parts, one program each: cycling runs
# (the same timer again at every end, after two seconds of overtime), runs that stop at zero,
# and runs that count on in overtime until the overtime ends; the last two are started again
# from the tray menu. Handles, windows and private memory stay flat in each.
test_soak_back_to_back_runs_hold_handles_windows_and_memory_flat() {
  local total=${HORALIX_SOAK_SECONDS:-150} status=0
  reg_clear
  soak_part cycle $((total / 2)) 100100001 no || status=1
  end_wine
  reg_clear
  soak_part stop $((total / 4)) 100100010 yes || status=1
  end_wine
  reg_clear
  soak_part overtime $((total / 4)) 100100100 yes || status=1
  return $status
}

main() {
  echo "Wine tests of $dist"
  trap cleanup EXIT
  if ! setup; then
    echo "0 passed, 1 failed"
    exit 1
  fi
  run_backend_tests
  end_wine
  if [[ ${HORALIX_WINE_ONLY:-.} == . ]]; then
    run_core_tests
    end_wine
  fi
  run_addin_host_tests
  end_wine
  note "Horalix.exe: $(stat -c %s "$dist/Horalix.exe") bytes"
  local name
  for name in $(declare -F | awk '$3 ~ /^test_/ { print $3 }'); do
    [[ $name =~ ${HORALIX_WINE_ONLY:-.} ]] || continue
    echo "$name"
    if "$name"; then
      echo "  ok"
      passed=$((passed + 1))
    else
      echo "  FAILED (Wine log: $log)"
      failed=$((failed + 1))
    fi
    end_wine
  done
  echo "$passed passed, $failed failed"
  ((failed == 0))
}

# Tests kept in files of their own, one file per topic.
for group in "$root"/tests/wine/groups/*.sh; do
  # shellcheck source=/dev/null
  [[ -e $group ]] && source "$group"
done

main "$@"
