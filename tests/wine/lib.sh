# Helpers of the Wine tests: the display, the prefix, starting, finding, answering and ending
# the program, the registry, the tray menu, screenshots and pixels, and the GoogleTest runner.
# Sourced by tests/wine/run.sh after its variables are set.

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
  [[ -f $built/Horalix.exe ]] || { echo "wine tests: no $built/Horalix.exe; build win32-x64 first" >&2; return 1; }
  fresh_program_copy || return 1
  start_display || return 1
  [[ -f $probe ]] || { echo "wine tests: no $probe; build win32-x64 first" >&2; return 1; }
  rm -rf "$WINEPREFIX"
  local started=$SECONDS
  wine_prefix_ready >/dev/null || return 1
  # A crash ends the program at once instead of waiting behind the crash dialog.
  on_wine 20 reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null
  note "fresh prefix $WINEPREFIX in $((SECONDS - started)) s"
}

# The copy of the program folder that the next test runs from, as built.
fresh_program_copy() {
  program_copy "$built" "$dist" || { fail "no copy of $built in $dist"; return 1; }
}

# Windows pids of running Horalix.exe processes.
program_pids() { on_wine 10 "$probe" pids Horalix.exe; }
has_program_pid() { test -n "$(program_pids)"; }

# start_program [folder]: starts Horalix.exe from the folder (default: the test's copy) in
# the background and waits for its process; sets program_job and program_pid.
start_program() {
  local folder=${1:-$dist}
  (cd "$folder" && exec timeout "${program_limit:-120}" "$WINE64" Horalix.exe) >>"$log" 2>&1 &
  program_job=$!
  # A fresh wineserver can take long to bring up a prefix when the machine is busy: the wait
  # is generous, and a program that ended meanwhile is told apart from one that is slow.
  wait_until 30 has_program_pid_or_ended || true
  if ! has_program_pid; then
    if kill -0 "$program_job" 2>/dev/null; then
      fail "Horalix.exe did not start within 30 s"
    else
      wait "$program_job"
      fail "Horalix.exe ended before its process was seen (exit status $?)"
    fi
    return 1
  fi
  program_pid=$(program_pids | head -n 1)
}
has_program_pid_or_ended() { has_program_pid || ! kill -0 "$program_job" 2>/dev/null; }

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
# button_centre <caption>: "x y" of the middle of the child window of that caption in the
# program's visible windows; fails when there is none.
button_centre() {
  local centre
  centre=$(child_windows | awk -F'\t' -v caption="$1" '$3 == caption { split($4, r, ","); print int((r[1] + r[3]) / 2), int((r[2] + r[4]) / 2); exit }')
  [[ -n $centre ]] && echo "$centre"
}
# Clicks the button of that caption in the program's visible windows.
click_button() {
  local button
  button=$(button_centre "$1") || return 1
  xdotool mousemove $button click 1
}

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
  if ! counts=$(python3 "$root/tests/support/junit_counts.py" "$report" 2>&1); then
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

# Closes the time-up prompt with its button "关闭" when it shows; true when it did.
close_time_up_prompt() {
  has_prompt && click_button 关闭
}
