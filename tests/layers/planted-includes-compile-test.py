#!/usr/bin/env python3
"""The build's include views against the planted includes of check-includes-test.py.

Each planted case is compiled alone, through the include view of the library that the planted
file belongs to (build/<preset>/include-view/<target>): an include that the check refuses must not
compile when it goes up the chain, into a backend, into a higher layer's folder or, from the
add-in, to the program's ports, or into an inner header of a lower subsystem; an include that
the check accepts must compile. The planted inner headers are windows and stores that no other
folder uses: one that compiles from above means that a public header pulls it in.
    python3 tests/layers/planted-includes-compile-test.py BUILD_DIR CXX
"""

import importlib.util
import os
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
spec = importlib.util.spec_from_file_location(
    "planted", os.path.join(HERE, "check-includes-test.py"))
planted = importlib.util.module_from_spec(spec)
spec.loader.exec_module(planted)
check = planted.check_includes

# The target whose view a file of a folder compiles with, in the native build.
TARGETS = {"platform": "horalix_platform", "platform/sqlite": "horalix_database",
           "platform/headless": "horalix_headless", "services": "horalix_services",
           "store": "horalix_store", "app": "horalix_app", "addin": "horalix_addin",
           "program/headless": "horalix-headless"}
TARGETS.update({name: "horalix_" + name for name in check.SUBSYSTEMS})


def compiles(cxx, view, line):
    with tempfile.NamedTemporaryFile("w", suffix=".cpp", delete=False) as source:
        source.write(line + "\n")
    try:
        result = subprocess.run([cxx, "-std=c++20", "-fsyntax-only", "-I", view, source.name],
                                capture_output=True, text=True, check=False)
    finally:
        os.remove(source.name)
    return result.returncode == 0


def main():
    build, cxx = sys.argv[1], sys.argv[2]
    failures, refused, tried = [], 0, 0
    for expected, file, line in planted.CASES:
        target = TARGETS.get(os.path.dirname(file))
        if target is None or "win32" in line or "<" in line:
            continue  # no native view for that folder, or a header that needs Windows
        view = os.path.join(build, "include-view", target)
        tried += 1
        ok = compiles(cxx, view, line)
        if expected == planted.PASS and not ok:
            failures.append(f"{line} in src/{file} is allowed but does not compile")
        if expected == planted.FAIL:
            refused += not ok
            # Whatever the check refuses, the view must refuse too.
            if ok:
                failures.append(f"{line} in src/{file} is refused by the check but compiles")
    for failure in failures:
        print("FAIL: " + failure)
    print(f"planted includes compiled: {tried} cases, {refused} refused by the compiler, "
          f"{len(failures)} failure(s)")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
