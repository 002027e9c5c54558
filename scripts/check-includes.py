#!/usr/bin/env python3
"""Checks that every include of src/ goes along the direction of the layers.

    python3 scripts/check-includes.py [SOURCE_ROOT]      (default: the tree this script is in)

The layers, bottom to top:
  platform interfaces (src/platform/*.h, *.cpp)   <- the platform interfaces only
  backends (src/platform/headless, win32, sqlite)  <- the platform interfaces, their own folder;
                                                      headless and win32 also the sqlite backend
  shared services (src/services)                  <- the platform interfaces, services
  store (src/store)                               <- the platform interfaces, services, store
  subsystems (src/main, clock, bars, interaction, settings, presets)
                                                  <- the platform interfaces, services, their own
                                                     folder, the store and another subsystem only
                                                     through its public header (store/store.h,
                                                     clock/clock.h, main/main.h...)
  composition (src/app)                           <- the platform interfaces, services, app, the
                                                     store's and the subsystems' public headers
  entry points (src/platform/<backend>/program)   <- app, the platform interfaces, their backend
  add-in (src/addin)                              <- platform, services, addin
Prints one line per include against the direction and exits 1 when there is any.
"""

import os
import re
import sys

SUBSYSTEMS = ("main", "clock", "bars", "interaction", "settings", "presets")
BACKENDS = ("headless", "win32", "sqlite")
OUR_FOLDERS = ("platform", "services", "store", "app", "addin") + SUBSYSTEMS
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')
SOURCE_SUFFIXES = (".h", ".hpp", ".cpp", ".cc", ".c", ".inl")


def is_interface(target):
    """platform/<file>: an interface of the platform layer, not a backend's file."""
    parts = target.split("/")
    return len(parts) == 2 and parts[0] == "platform"


def public_header(target):
    """<folder>/<folder>.h: the one header through which other folders reach a subsystem or the
    store."""
    parts = target.split("/")
    return (len(parts) == 2 and parts[0] in SUBSYSTEMS + ("store",)
            and parts[1] == parts[0] + ".h")


def under(target, folder):
    return target.startswith(folder + "/")


def layer_of(path):
    """The layer of a file, from its path under src/; None for a folder outside every layer."""
    parts = path.split("/")
    if parts[0] == "platform":
        if len(parts) == 2:
            return ("platform", None)
        if parts[1] in BACKENDS:
            if len(parts) >= 4 and parts[2] == "program":
                return ("entry", parts[1])
            return ("backend", parts[1])
        return None
    if parts[0] == "services" and len(parts) == 2:
        return ("services", None)
    if parts[0] == "store" and len(parts) == 2:
        return ("store", None)
    if parts[0] in SUBSYSTEMS and len(parts) == 2:
        return ("subsystem", parts[0])
    if parts[0] == "app" and len(parts) == 2:
        return ("app", None)
    if parts[0] == "addin":
        return ("addin", None)
    return None


def allowed(layer, own, target):
    if layer == "platform":
        return is_interface(target)
    if layer == "backend":
        return (is_interface(target) or under(target, "platform/" + own)
                or (own in ("headless", "win32") and under(target, "platform/sqlite")))
    if layer == "entry":
        return (is_interface(target) or under(target, "platform/" + own) or under(target, "app")
                or (own in ("headless", "win32") and under(target, "platform/sqlite")))
    if layer == "services":
        return is_interface(target) or under(target, "services")
    if layer == "store":
        return is_interface(target) or under(target, "services") or under(target, "store")
    if layer == "subsystem":
        return (is_interface(target) or under(target, "services") or under(target, own)
                or public_header(target))
    if layer == "app":
        return (is_interface(target) or under(target, "services") or under(target, "app")
                or public_header(target))
    if layer == "addin":
        return under(target, "platform") or under(target, "services") or under(target, "addin")
    return False


def tree_target(src, path, quote, name):
    """The include as a path under src/, or None for a header outside the tree (a system one)."""
    if quote == '"':
        local = os.path.normpath(os.path.join(os.path.dirname(path), name))
        if os.path.isfile(os.path.join(src, local)) and not local.startswith(".."):
            return local.replace(os.sep, "/")
    name = os.path.normpath(name).replace(os.sep, "/")
    if name.split("/")[0] in OUR_FOLDERS and "/" in name:
        return name
    return None


def check(root):
    src = os.path.join(root, "src")
    faults = []
    for folder, _, names in sorted(os.walk(src)):
        for file_name in sorted(names):
            if not file_name.endswith(SOURCE_SUFFIXES):
                continue
            path = os.path.relpath(os.path.join(folder, file_name), src).replace(os.sep, "/")
            layer = layer_of(path)
            if layer is None:
                faults.append(f"src/{path}: its folder belongs to no layer")
                continue
            with open(os.path.join(src, path), encoding="utf-8", errors="replace") as source:
                for number, line in enumerate(source, 1):
                    match = INCLUDE.match(line)
                    if not match:
                        continue
                    target = tree_target(src, path, match.group(1), match.group(2))
                    if target is not None and not allowed(layer[0], layer[1], target):
                        faults.append(f"src/{path}:{number}: {layer[0]} may not include {target}")
    return faults


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..")
    faults = check(os.path.abspath(root))
    for fault in faults:
        print(fault)
    if faults:
        print(f"include check: {len(faults)} include(s) against the direction of the layers")
        return 1
    print("include check: every include goes along the layers")
    return 0


if __name__ == "__main__":
    sys.exit(main())
