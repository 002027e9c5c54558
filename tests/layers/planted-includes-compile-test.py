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


def compile_errors(cxx, view, line):
    """The compiler's errors for a file of the one line; "" when it compiles."""
    with tempfile.NamedTemporaryFile("w", suffix=".cpp", delete=False) as source:
        source.write(line + "\n")
    try:
        result = subprocess.run([cxx, "-std=c++20", "-fsyntax-only", "-I", view, source.name],
                                capture_output=True, text=True, check=False)
    finally:
        os.remove(source.name)
    return "" if result.returncode == 0 else result.stderr or "failed"


def main():
    build, cxx = sys.argv[1], sys.argv[2]
    failures, refused, tried = [], 0, 0
    for expected, file, line in planted.CASES:
        target = TARGETS.get(os.path.dirname(file))
        if target is None or "win32" in line or "<" in line:
            continue  # no native view for that folder, or a header that needs Windows
        view = os.path.join(build, "include-view", target)
        if not os.path.isdir(view):
            failures.append(f"no include view {view}")
            continue
        tried += 1
        errors = compile_errors(cxx, view, line)
        if expected == planted.PASS and errors:
            failures.append(f"{line} in src/{file} is allowed but does not compile")
        if expected == planted.FAIL:
            # Whatever the check refuses, the view must refuse too: the planted header is not
            # found, and no other error stands in for that.
            header = line.split('"')[1]
            if not errors:
                failures.append(f"{line} in src/{file} is refused by the check but compiles")
            elif f"{header}: No such file" not in errors:
                failures.append(f"{line} in src/{file} fails to compile for another reason")
            else:
                refused += 1
    for failure in failures:
        print("FAIL: " + failure)
    print(f"planted includes compiled: {tried} cases, {refused} refused by the compiler, "
          f"{len(failures)} failure(s)")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
