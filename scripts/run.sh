#!/usr/bin/env bash
# THE run command: installs what is missing, builds win32-x64 and starts
# dist/win32-x64/Horalix.exe under wine64.
#   bash scripts/run.sh
# The program runs in the program folder itself and keeps its run record, the clock's place and
# its presets there, as an installed copy does; tests and benchmarks run copies of the folder.
# With a display ($DISPLAY set) the program runs there until it ends. Without one, the script
# starts a virtual display (Xvfb :99), lets the program run for HORALIX_RUN_SECONDS seconds
# (default 6), saves a screenshot of the whole screen under build/screenshots/, says where, and
# ends the program and the display again.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
bash scripts/install-deps.sh
bash scripts/build.sh win32-x64

# shellcheck source=lib/wine.sh
source scripts/lib/wine.sh
folder=$root/dist/win32-x64
log=$root/build/logs/run-wine.log
mkdir -p "$(dirname "$log")"

xvfb_pid=
virtual=0
cleanup() {
  if ((virtual)); then "$WINESERVER" -k >/dev/null 2>&1 || true; fi
  if [[ -n $xvfb_pid ]]; then kill "$xvfb_pid" 2>/dev/null || true; fi
}
trap cleanup EXIT

if [[ -z ${DISPLAY:-} ]]; then
  export DISPLAY=:99
  if xdpyinfo >/dev/null 2>&1; then
    echo "run: no display set; using the display already running on $DISPLAY"
  else
    echo "run: no display set; starting the virtual display Xvfb $DISPLAY"
    Xvfb "$DISPLAY" -screen 0 1280x800x24 -nolisten tcp >"$root/build/logs/xvfb.log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 50); do
      xdpyinfo >/dev/null 2>&1 && break
      sleep 0.1
    done
    xdpyinfo >/dev/null 2>&1 || { echo "run: Xvfb did not start (build/logs/xvfb.log)" >&2; exit 1; }
  fi
  virtual=1
fi

wine_prefix_ready
echo "run: starting $folder/Horalix.exe with $(basename "$WINE64") on $DISPLAY (prefix $WINEPREFIX)"
(cd "$folder" && exec "$WINE64" Horalix.exe) >"$log" 2>&1 &
program=$!

if ((virtual == 0)); then
  echo "run: the program runs on your display; it ends from its tray menu (Wine log: $log)"
  status=0
  wait "$program" || status=$?
  echo "run: Horalix.exe ended with exit code $status"
  exit 0
fi

seconds=${HORALIX_RUN_SECONDS:-6}
sleep "$seconds"
shots=$root/build/screenshots
mkdir -p "$shots"
shot=$shots/horalix-$(date +%Y%m%d-%H%M%S).png
import -window root "$shot"
if kill -0 "$program" 2>/dev/null; then
  echo "run: Horalix.exe is running after $seconds s"
  windows=$(xdotool search --onlyvisible --name '.' 2>/dev/null | wc -l || true)
  echo "run: visible windows on $DISPLAY: $windows"
else
  status=0
  wait "$program" || status=$?
  echo "run: Horalix.exe ended within $seconds s, exit code $status (Wine log: $log)"
fi
echo "run: screenshot saved to $shot"
