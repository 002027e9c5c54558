#!/usr/bin/env python3
"""The include check against planted includes.

In one copy of src/, each case adds one include line to a file (created when missing) and the
check must report that file, or, for an include down the chain, report nothing; the line is
taken back after each case.
    python3 tests/layers/check-includes-test.py
"""

import importlib.util
import os
import shutil
import sys
import tempfile

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
spec = importlib.util.spec_from_file_location(
    "check_includes", os.path.join(ROOT, "scripts", "check-includes.py"))
check_includes = importlib.util.module_from_spec(spec)
spec.loader.exec_module(check_includes)

FAIL, PASS = "fail", "pass"
CASES = [
    (FAIL, "clock/floating_clock.cpp", '#include "platform/headless/headless_platform.h"'),
    (FAIL, "clock/floating_clock.cpp", '#include "app/app.h"'),
    (FAIL, "clock/floating_clock.cpp", '#include "main/main_window.h"'),
    (FAIL, "clock/floating_clock.cpp", '#include "../main/main_window.h"'),
    (FAIL, "clock/floating_clock.cpp", "#include <app/app.h>"),
    (FAIL, "clock/floating_clock.cpp", '  #  include "app/app.h"'),
    (FAIL, "services/text_runtime.cpp", '#include "main/main.h"'),
    (FAIL, "services/text_runtime.cpp", '#include "app/app.h"'),
    (FAIL, "services/ports.h", '#include "clock/floating_clock.h"'),
    (FAIL, "platform/forms.cpp", '#include "services/text_runtime.h"'),
    (FAIL, "platform/forms.h", '#include "platform/win32/wide_text.h"'),
    (FAIL, "platform/headless/headless_sound.cpp", '#include "services/sound_playback.h"'),
    (FAIL, "platform/win32/win32_sound.cpp", '#include "platform/headless/headless_sound.h"'),
    (FAIL, "platform/sqlite/sqlite_database.cpp", '#include "platform/win32/wide_text.h"'),
    (FAIL, "program/headless/headless_program.cpp", '#include "clock/clock.h"'),
    (FAIL, "program/headless/headless_program.cpp", '#include "app/app.h"'),
    (FAIL, "program/headless/headless_program.cpp", '#include "services/settings_record.h"'),
    (FAIL, "program/headless/headless_program.cpp", '#include "platform/win32/win32_platform.h"'),
    (FAIL, "platform/planted.cpp", '#include "program/headless/planted.h"'),
    (FAIL, "platform/forms.h", '#include "platform/headless/headless_fonts.h"'),
    (FAIL, "app/app.cpp", '#include "program/win32/planted.h"'),
    (FAIL, "program/planted.cpp", '#include "app/program_start.h"'),
    (FAIL, "app/app.cpp", '#include "bars/time_up_prompt.h"'),
    (FAIL, "app/app.cpp", '#include "bars/time_up_backdrop.h"'),
    (FAIL, "app/app.cpp", '#include "interaction/interaction_settings_window.h"'),
    (FAIL, "app/app.cpp", '#include "presets/statistics_window.h"'),
    (FAIL, "app/app.cpp", '#include "presets/preset_manager.h"'),
    (FAIL, "main/planted.cpp", '#include "interaction/interaction_presets.h"'),
    (FAIL, "bars/bar_position.cpp", '#include "main/main.h"'),
    (FAIL, "bars/bar_position.cpp", '#include "clock/clock.h"'),
    (FAIL, "settings/clock_method.cpp", '#include "presets/presets.h"'),
    (FAIL, "main/planted.cpp", '#include "app/app.h"'),
    (FAIL, "store/planted.cpp", '#include "bars/bars.h"'),
    (FAIL, "clock/floating_clock.cpp", '#include "interaction/interaction.h"'),
    (FAIL, "addin/planted.cpp", '#include "app/app.h"'),
    (FAIL, "addin/planted.cpp", '#include "main/main.h"'),
    (FAIL, "addin/planted.cpp", '#include "clock/clock.h"'),
    (FAIL, "addin/planted.cpp", '#include "clock/floating_clock.h"'),
    (FAIL, "addin/planted.cpp", '#include "services/ports.h"'),
    # A services header that reaches the windows' header only through another one.
    (FAIL, "addin/planted.cpp", '#include "services/planted_window_user.h"'),
    (FAIL, "addin/planted.cpp", '#include "platform/win32/wide_text.h"'),
    (FAIL, "addin/planted.cpp", '#include "platform/headless/headless_sound.h"'),
    (FAIL, "addin/planted.cpp", '#include "addin/win32/addin_module.h"'),
    (FAIL, "addin/win32/planted.cpp", '#include "services/ports.h"'),
    (FAIL, "addin/win32/planted.cpp", '#include "platform/headless/headless_sound.h"'),
    (FAIL, "extras/planted.cpp", "#include <string>"),
    (PASS, "clock/floating_clock.cpp", '#include "bars/bars.h"'),
    (PASS, "presets/statistics_window.cpp", '#include "settings/settings.h"'),
    (PASS, "store/planted.cpp", '#include "services/value_store.h"'),
    (PASS, "clock/floating_clock.cpp", '#include "services/ports.h"'),
    (PASS, "clock/floating_clock.cpp", "#include <windowsx.h>"),
    (PASS, "app/app.cpp", '#include "settings/settings.h"'),
    (PASS, "services/text_runtime.cpp", '#include "platform/forms.h"'),
    (PASS, "platform/win32/win32_sound.cpp", '#include "platform/sqlite/sqlite_database.h"'),
    (PASS, "program/win32/horalix_program.cpp", '#include "app/program_start.h"'),
    (PASS, "program/headless/headless_program.cpp", '#include "platform/headless/headless_tray.h"'),
    (PASS, "addin/planted.cpp", '#include "services/value_store.h"'),
    (PASS, "addin/planted.cpp", '#include "services/program_values.h"'),
    (PASS, "addin/win32/planted.cpp", '#include "platform/registry.h"'),
    (PASS, "addin/win32/planted.cpp", '#include "platform/win32/wide_text.h"'),
]


def main():
    failures = []
    with tempfile.TemporaryDirectory() as work:
        src = os.path.join(work, "src")
        shutil.copytree(os.path.join(ROOT, "src"), src)
        # Services headers that include the windows' header, one directly and one through the
        # other: allowed in the services, refused to the add-in.
        for name, target in (("planted_windows.h", "services/ports.h"),
                             ("planted_window_user.h", "services/planted_windows.h")):
            with open(os.path.join(src, "services", name), "w", encoding="utf-8") as f:
                f.write(f'#pragma once\n#include "{target}"\n')
        faults = check_includes.check(work)
        if faults:
            failures.append("the unchanged tree does not pass: " + "; ".join(faults))
        for expected, file, line in CASES:
            planted = os.path.join(src, file)
            original = None
            if os.path.exists(planted):
                with open(planted, encoding="utf-8") as f:
                    original = f.read()
            else:
                os.makedirs(os.path.dirname(planted), exist_ok=True)
            with open(planted, "a", encoding="utf-8") as f:
                f.write("\n" + line + "\n")
            faults = check_includes.check(work)
            if original is None:
                os.remove(planted)
            else:
                with open(planted, "w", encoding="utf-8") as f:
                    f.write(original)
            reported = any(fault.startswith("src/" + file) for fault in faults)
            if expected == FAIL and not reported:
                failures.append(f"{line} in src/{file} was not reported")
            if expected == PASS and faults:
                failures.append(f"{line} in src/{file} was reported: " + "; ".join(faults))
    # A tree without sources (a wrong root) is a fault, not a pass.
    with tempfile.TemporaryDirectory() as empty:
        if not check_includes.check(empty):
            failures.append("a tree without sources passes")
    for failure in failures:
        print("FAIL: " + failure)
    print(f"include check test: {len(CASES)} planted cases, {len(failures)} failure(s)")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
