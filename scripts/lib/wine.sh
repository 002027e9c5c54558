# Wine for the x86_64 program, sourced by scripts/run.sh, the Wine tests and the Wine benchmarks:
#   source scripts/lib/wine.sh; wine_prefix_ready; "$WINE64" program.exe
# Sets WINE64 and WINESERVER (the 64-bit loader and its server, called directly: with only
# wine64 installed the "wine" wrapper may pick a 32-bit loader that is not there), WINEPREFIX
# (under build/ unless already set) and WINEDLLOVERRIDES (no Mono or Gecko download prompt).
# Also what the Wine tests and benchmarks share: the copy of the program folder they run, a
# bounded call into Wine, a wait, and the clock's count read through the probe.

horalix_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

wine_find_loader() {
  local path
  path=$(dpkg -L wine64 2>/dev/null | grep -E '/wine64$' | grep -v '^/usr/share' | head -n 1 || true)
  [[ -x $path ]] || path=/usr/lib/wine/wine64
  [[ -x $path ]] || path=$(command -v wine64 || true)
  [[ -x $path ]] || { echo "wine.sh: no wine64 loader; run scripts/install-deps.sh" >&2; return 1; }
  echo "$path"
}

WINE64=$(wine_find_loader)
WINESERVER=$(dirname "$WINE64")/wineserver
[[ -x $WINESERVER ]] || WINESERVER=$(command -v wineserver || echo wineserver)
export WINEPREFIX=${WINEPREFIX:-$horalix_root/build/wine/prefix}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEARCH=win64

# Creates the prefix on first use (about 8 s), then returns at once.
wine_prefix_ready() {
  [[ -f $WINEPREFIX/system.reg ]] && return 0
  mkdir -p "$WINEPREFIX"
  echo "wine: creating the prefix $WINEPREFIX"
  "$WINE64" wineboot --init >/dev/null 2>&1 || true
  "$WINESERVER" --wait || true
  [[ -f $WINEPREFIX/system.reg ]] || { echo "wine: could not create $WINEPREFIX" >&2; return 1; }
  wine_link_chinese_font
}

# A new prefix has no font with Chinese letters, so menus and messages show boxes. Link Debian's
# Droid Sans Fallback (fonts-droid-fallback) behind the dialog and Chinese faces.
wine_link_chinese_font() {
  local key='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' face
  for face in Tahoma "MS Shell Dlg" "MS Shell Dlg 2" SimSun "宋体" "Microsoft YaHei" "DejaVu Sans"; do
    "$WINE64" reg add "$key" /v "$face" /t REG_MULTI_SZ \
      /d "DroidSansFallbackFull.ttf,Droid Sans Fallback" /f >/dev/null 2>&1 || true
  done
  # Wine has no Tahoma here: the dialog faces (bold ones too, as in a tray balloon's title) end
  # up in Droid Sans Fallback itself, which has no Latin letters. DejaVu Sans lends them.
  "$WINE64" reg add "$key" /v "Droid Sans Fallback" /t REG_MULTI_SZ \
    /d "DejaVuSans.ttf,DejaVu Sans" /f >/dev/null 2>&1 || true
  # The clock and the prompt bars ask for Trebuchet MS, which Wine lacks: DejaVu Sans stands in,
  # with the Chinese letters linked above, as Windows links them behind any face.
  "$WINE64" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' \
    /v "Trebuchet MS" /t REG_SZ /d "DejaVu Sans" /f >/dev/null 2>&1 || true
  "$WINESERVER" --wait || true
}

# program_copy <program folder> <copy>: makes <copy> anew as a copy of the program folder. The
# program keeps its run record and the clock's place in the TimeData.db beside it and its rows in
# OfficeData.db, so every run but the user's own (scripts/run.sh) starts it from such a copy and
# leaves the folder as built: a fresh install (scripts/test.sh checks its two stores).
program_copy() {
  rm -rf "$2" && mkdir -p "$(dirname "$2")" && cp -r "$1" "$2"
}

# on_wine <seconds> <program> [args...]: a bounded call of a Windows program; its output without
# carriage returns; its errors go to $log when the caller sets one.
on_wine() {
  local seconds=$1
  shift
  timeout "$seconds" "$WINE64" "$@" 2>>"${log:-/dev/null}" | tr -d '\r'
  return "${PIPESTATUS[0]}"
}

# clock_text <probe> <Windows pid>: the count the program's clock shows on the screen, read as
# the clock window's own text through the probe of the Wine tests: the title of a visible form
# window on the screen that is a count in seconds, "mm:ss" or "hh:mm:ss"; empty when none is.
clock_text() {
  on_wine 10 "$1" windows "$2" |
    awk -F'\t' '/^1 HoralixForm/ && $2 ~ /^[0-9]+(:[0-9][0-9])?(:[0-9][0-9])?$/ {
        split($3, r, ","); if (r[1] >= 0 && r[2] >= 0) { print $2; exit }
      }'
}

# count_seconds <count>: the seconds that a count of the clock stands for ("01:10" is 70).
count_seconds() { awk -F: '{ s = 0; for (i = 1; i <= NF; i++) s = s * 60 + $i; print s }' <<<"$1"; }

# wait_until <seconds> <command...>: waits for the command to succeed, asking again every 0.2 s.
wait_until() {
  local seconds=$1 deadline
  shift
  deadline=$((SECONDS + seconds))
  while ((SECONDS < deadline)); do
    "$@" && return 0
    sleep 0.2
  done
  "$@"
}
