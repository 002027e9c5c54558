#!/usr/bin/env python3
"""Prints "<passed> <failed>" from a JUnit XML report, as GoogleTest (--gtest_output=xml) and
ctest (--output-junit) write them; fails when there is none. Tests that did not run (skipped,
disabled) count in neither.
    python3 tests/support/junit_counts.py report.xml
"""
import sys
import xml.etree.ElementTree as ET


def main():
    root = ET.parse(sys.argv[1]).getroot()
    passed = failed = 0
    for case in root.iter("testcase"):
        if case.get("status") in ("notrun", "disabled") or case.get("result") == "skipped":
            continue
        if case.find("failure") is not None or case.find("error") is not None:
            failed += 1
        else:
            passed += 1
    print(passed, failed)


if __name__ == "__main__":
    main()
