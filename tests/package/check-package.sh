#!/usr/bin/env bash
# Checks the files that the build makes for the program folder from package/.
#   check-package.sh CHECK WORK_FOLDER
# CHECK: office-data | time-data | help | sounds | pictures. Prints what is wrong and exits 1.
set -euo pipefail

check=${1:?usage: check-package.sh CHECK WORK_FOLDER}
work=${2:?usage: check-package.sh CHECK WORK_FOLDER}
package=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../package" && pwd)
rm -rf "$work"
mkdir -p "$work"
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
expect() { # expect WHAT ACTUAL EXPECTED
  [[ $2 == "$3" ]] || fail "$1: got '$2', expected '$3'"
}

office_data() {
  local db=$work/OfficeData.db
  sqlite3 -bail "$db" ".read $package/OfficeData.sql"
  # Readers address columns by position: the order is part of the format.
  local -A columns=(
    [clocksetting]="ID clockname setdate remark timeall tiemone timetwo tiemthree checkvalue optvalue time_end tellShowtime tellsoundname tellprocesstext tellShowtext clockFont Fontselect picturename AImode tellouttext time_left picture_width picture_height"
    [file_list]="ID fliename clockname remark"
    [timesum]="ID set_time use_time out_time pause_time filename"
  )
  local table
  for table in clocksetting file_list timesum; do
    expect "columns of $table" \
      "$(sqlite3 "$db" "select group_concat(name, ' ') from pragma_table_info('$table')")" \
      "${columns[$table]}"
  done

  # Running the schema over a database that holds rows keeps them.
  sqlite3 -bail "$db" "insert into clocksetting (ID, clockname) values (1, 'Keynote');
    insert into file_list (ID, fliename, clockname) values (1, 'Talk.pptx', 'Keynote');"
  sqlite3 -bail "$db" ".read $package/OfficeData.sql"
  expect "presets after a second run of the schema" \
    "$(sqlite3 "$db" "select count(*) from clocksetting")" 1

  # Names are compared without regard to case, by = and by LIKE.
  local -a lookups=(
    "select count(*) from clocksetting where clockname='KEYNOTE'|1"
    "select count(*) from clocksetting where clockname like '%note%'|1"
    "select count(*) from file_list where fliename='talk.PPTX'|1"
    "select count(*) from file_list where clockname='keynote'|1"
    "select count(*) from clocksetting,file_list where clocksetting.clockname=file_list.clockname and file_list.fliename='TALK.pptx'|1"
    "select count(*) from clocksetting where clockname='Keynote2'|0"
  )
  local lookup
  for lookup in "${lookups[@]}"; do
    expect "${lookup%|*}" "$(sqlite3 "$db" "${lookup%|*}")" "${lookup##*|}"
  done

  # A recorded run's ID is never given again after the newest row was deleted.
  sqlite3 -bail "$db" "insert into timesum (set_time) values ('00:02:30');
    insert into timesum (set_time) values ('00:05:00');
    delete from timesum where ID = 2;
    insert into timesum (set_time) values ('00:01:00');"
  expect "IDs of recorded runs" "$(sqlite3 "$db" "select group_concat(ID, ' ') from timesum")" "1 3"
}

time_data() {
  local ini=$package/TimeData.ini
  LC_ALL=C grep -q '[^[:print:][:space:]]' "$ini" && fail "TimeData.ini holds characters outside ASCII"
  # Every line is a comment, a blank, a [section] or key=value; no key twice in a section.
  local problems
  problems=$(awk '
    /^[[:space:]]*(;|$)/ { next }
    /^\[[^]]+\]$/ { section = $0; next }
    /^[A-Za-z_][A-Za-z0-9_]*=/ {
      if (section == "") { print NR ": key outside a section"; next }
      key = tolower(section "|" substr($0, 1, index($0, "=") - 1))
      if (seen[key]++) print NR ": key repeated in " section
      next
    }
    { print NR ": not an INI line: " $0 }' "$ini")
  [[ -z $problems ]] || fail "TimeData.ini: $problems"

  value() { # value SECTION KEY
    awk -v section="[$1]" -v key="$2" '
      /^\[/ { inside = ($0 == section); next }
      inside && index($0, key "=") == 1 { print substr($0, length(key) + 2); found = 1 }
      END { if (!found) print "<missing>" }' "$ini"
  }
  local -a expected=(
    "clocksite|clockleft|-100" "clocksite|processtwo_top|-100" "Hotkey|start|" "Hotkey|add|0"
    "Hotkey|often|00" "Hotkey|outForeColor|65535" "Hotkey|outbackColor|255"
    "Hotkey|processBackColor|-2147483635" "light|clocklight|000" "light|backlight|70"
  )
  local entry n
  for entry in "${expected[@]}"; do
    IFS='|' read -r s k v <<<"$entry"
    expect "[$s] $k" "$(value "$s" "$k")" "$v"
  done
  # The five interaction presets: numbered sections with every key of the preset format.
  for n in 1 2 3 4 5; do
    expect "[hudongset$n] id" "$(value "hudongset$n" id)" "$n"
    for k in sname checkvalue Ttime Fontselect soundname; do
      [[ $(value "hudongset$n" "$k") != "<missing>" ]] || fail "[hudongset$n] has no $k"
    done
    expect "[hudongset$n] Fontselect fields" \
      "$(value "hudongset$n" Fontselect | awk -F'\\' '{ print NF }')" 4
  done
}

help() {
  bash "$package/help/build-chm.sh" "$work/help" "$work/help.chm"
  [[ -s $work/help.chm ]] || { fail "no help.chm"; return; }
  expect "file signature" "$(head -c 4 "$work/help.chm")" "ITSF"
  # Topics that the program opens by name; their names are stored as UTF-8.
  local topic
  for topic in "index.htm" "2.1、设置.htm" "2.2、特殊计时.htm" "2.3、互动计时.htm"; do
    grep -aqF "/$topic" "$work/help.chm" || fail "help.chm has no topic /$topic"
  done
}

sounds() {
  bash "$package/sounds/make-sounds.sh" "$work/sounds"
  local name
  for name in start.wav Timeout.wav Stop.wav alarm.wav; do
    local file=$work/sounds/$name
    [[ -s $file ]] || { fail "no $name"; continue; }
    # Plain 16-bit PCM, which every Windows sound interface plays.
    expect "$name encoding" "$(soxi -e "$file")" "Signed Integer PCM"
    expect "$name bits" "$(soxi -b "$file")" 16
    awk -v d="$(soxi -D "$file")" 'BEGIN { exit !(d > 0.2 && d < 2) }' ||
      fail "$name lasts $(soxi -D "$file") s"
  done
  [[ $(md5sum "$work"/sounds/*.wav | awk '{ print $1 }' | sort -u | wc -l) -eq 4 ]] ||
    fail "two sounds are the same"
}

pictures() {
  bash "$package/pictures/make-pictures.sh" lightpic "$work/LightPic"
  bash "$package/pictures/make-pictures.sh" icon "$work/icon.ico"
  expect "spotlight bitmaps" "$(find "$work/LightPic" -name '[01][0-3][0-2].bmp' | wc -l)" 24
  local file
  for file in "$work"/LightPic/*.bmp; do
    local name
    name=$(basename "$file")
    # 24 bits per pixel (header offset 28): the colour key needs true colours.
    expect "$name bits per pixel" "$(od -An -tu2 -j28 -N2 "$file" | tr -d ' ')" 24
    # The spot is pure white (the colour key) and the corners are black.
    expect "$name centre" "$(convert "$file" -gravity center -crop 1x1+0+0 -format '%[hex:p{0,0}]' info:)" FFFFFF
    expect "$name corner" "$(convert "$file" -format '%[hex:p{0,0}]' info:)" 000000
  done
  expect "icon sizes" "$(identify -format '%w ' "$work/icon.ico")" "48 32 16 "
  bash "$package/pictures/make-pictures.sh" help "$work/online-help.bmp"
  # The help window shows it at 5160 twips square, 344 pixels at 15 twips a pixel.
  expect "online-help picture size" "$(identify -format '%w x %h' "$work/online-help.bmp")" "344 x 344"
  expect "online-help picture bits per pixel" "$(od -An -tu2 -j28 -N2 "$work/online-help.bmp" | tr -d ' ')" 24
  bash "$package/pictures/make-pictures.sh" hover "$work/hover"
  # The clock's hover buttons: 32 x 32, 24 bits, white marks on a grey disc, and they differ.
  for file in "$work"/hover/hover-{play,stop}.bmp; do
    name=$(basename "$file")
    expect "$name size" "$(identify -format '%w x %h' "$file")" "32 x 32"
    expect "$name bits per pixel" "$(od -An -tu2 -j28 -N2 "$file" | tr -d ' ')" 24
    expect "$name centre" "$(convert "$file" -crop 1x1+16+16 -format '%[hex:p{0,0}]' info:)" FFFFFF
    expect "$name rim" "$(convert "$file" -crop 1x1+16+3 -format '%[hex:p{0,0}]' info:)" 6E6E6E
  done
  [[ $(md5sum "$work"/hover/*.bmp | awk '{ print $1 }' | sort -u | wc -l) -eq 2 ]] ||
    fail "the play and stop buttons are the same"
}

case $check in
  office-data) office_data ;;
  time-data) time_data ;;
  help) help ;;
  sounds) sounds ;;
  pictures) pictures ;;
  *) echo "unknown check $check" >&2; exit 2 ;;
esac
if ((failures)); then
  echo "$check: $failures failure(s)" >&2
  exit 1
fi
echo "$check: all good"
