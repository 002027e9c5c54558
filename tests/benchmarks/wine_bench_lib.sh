# What the Wine benchmarks share, sourced by wine_countdown_drift.sh and wine_footprint.sh after
# they set root, work (their folder under build/) and WINEPREFIX:
#   an Xvfb display of their own, the probe of the Wine tests, the copy of the program folder
#   the program runs from, the settings of a manual run, starting a run from the tray menu, and
#   the Linux processes and their CPU time.
# shellcheck source=scripts/lib/wine.sh
source "$root/scripts/lib/wine.sh"

probe=$root/build/win32-x64/tests/probe.exe
# The program runs from a copy of the program folder ($dist), made anew by fresh_program_copy.
program_folder=$work/program
log=$work/wine.log
xvfb_pid=

give_up() {
  echo "${bench_name:-benchmark}: $*" >&2
  exit 1
}

bench_cleanup() {
  timeout 20 "$WINESERVER" -k >/dev/null 2>&1
  timeout 20 "$WINESERVER" -w >/dev/null 2>&1
  [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$WINEPREFIX"
}

start_display() {
  local n
  for n in $(seq 200 299); do
    [[ -e /tmp/.X11-unix/X$n || -e /tmp/.X$n-lock ]] && continue
    Xvfb ":$n" -screen 0 1280x800x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    export DISPLAY=:$n
    wait_until 10 xdotool getdisplaygeometry >/dev/null 2>&1 && return 0
    kill "$xvfb_pid" 2>/dev/null
    xvfb_pid=
  done
  return 1
}

# A display, the probe and a fresh prefix.
bench_setup() {
  mkdir -p "$work"
  : >"$log"
  start_display || give_up "no Xvfb display"
  [[ -f $probe ]] || give_up "no $probe: build win32-x64 first"
  rm -rf "$WINEPREFIX"
  wine_prefix_ready >/dev/null || give_up "no prefix"
}

fresh_program_copy() {
  program_copy "$dist" "$program_folder" || give_up "no copy of $dist in $program_folder"
}

program_pids() { on_wine 10 "$probe" pids Horalix.exe; }
has_program_pid() { test -n "$(program_pids)"; }
program_windows() { on_wine 10 "$probe" windows "$program_pid"; }
has_form_window() { program_windows | grep -q '^1 HoralixForm'; }
has_popup_menu() { program_windows | grep -q '^1 #32768'; }
tray_window() { xdotool search --onlyvisible --name 'Wine System Tray' 2>/dev/null | head -n 1; }
has_tray() { test -n "$(tray_window)"; }
reg_set() { on_wine 20 reg add 'HKCU\Vantrel' /v "$1" /t "${3:-REG_SZ}" /d "$2" /f >/dev/null; }

# The settings of a manual count-down of the given length ("hh:mm:ss") with reminders at 60, 30
# and 5 s, prompt bars and sounds: the program's registry values before its start.
set_manual_run() {
  reg_set Version 5.2
  while read -r name value; do
    reg_set "$name" "$value" </dev/null
  done <<SETTINGS
Time_all $1
checkvalue 111111010100011111111111111100101
optvalue 100100100
tellsoundname start.wav\Timeout.wav\Timeout.wav\Timeout.wav\Stop.wav\Stop.wav
tellprocesstext 您的发言
clockFont Trebuchet MS
Fontselect 1060604\65280
picturename \16711680
AImode 10111101
tellouttext 时间到
SETTINGS
  for name in Time_one:60 Time_two:30 Time_three:5 time_end:0 tellShowtime:10 time_left:0; do
    reg_set "${name%%:*}" "${name#*:}" REG_DWORD </dev/null
  done
}

# Begins the run from the tray menu of the program with Windows process id $program_pid; sets
# run_started (seconds since the epoch) to the moment of the menu choice, then moves the pointer
# off the tray.
start_run_from_tray() {
  wait_until 15 has_form_window || give_up "no window of the program"
  wait_until 10 has_tray || give_up "no tray icon"
  for _ in 1 2; do
    xdotool windowmove "$(tray_window)" 560 390
    sleep 0.5
    xdotool mousemove --window "$(tray_window)" 10 10 click 3
    wait_until 5 has_popup_menu && break
  done
  has_popup_menu || give_up "no tray menu"
  xdotool key Down
  run_started=$(date +%s.%N)
  xdotool key Return
  # The pointer leaves the tray, as a presenter's does: resting on the icon, it keeps the tray's
  # tool tip polling it ten times a second, which the yardstick, never clicked, is spared.
  xdotool mousemove 5 5
}

# CPU seconds (user + system) of a Linux process so far.
cpu_seconds() {
  awk -v hz="$(getconf CLK_TCK)" '{ sub(/^.*\) /, ""); printf "%.2f\n", ($12 + $13) / hz }' \
    "/proc/$1/stat" 2>/dev/null
}

# The Linux process whose command line matches $1 under this prefix (the prefix's wineserver,
# or a Windows program by its file name).
linux_pid_of() {
  local pid
  for pid in $(pgrep -f "$1"); do
    [[ $(tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null) == *"WINEPREFIX=$WINEPREFIX"* ]] || continue
    case $(cat "/proc/$pid/comm" 2>/dev/null) in timeout | bash) continue ;; esac
    echo "$pid"
    return 0
  done
  return 1
}
