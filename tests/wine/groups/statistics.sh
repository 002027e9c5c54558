# Wine tests: The statistics window and its export.
# Sourced by tests/wine/run.sh; the helpers are in tests/wine/lib.sh.

has_statistics_window() { program_windows | grep -q $'^1 HoralixForm\t计时统计\t'; }
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
