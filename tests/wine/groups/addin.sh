# Wine tests: The add-in: its test host and its registration.
# Sourced by tests/wine/run.sh; the helpers are in tests/wine/lib.sh.

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
