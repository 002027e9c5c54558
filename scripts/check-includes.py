#!/usr/bin/env python3
"""Checks that every include of src/ goes down the chain of layers.

    python3 scripts/check-includes.py [SOURCE_ROOT]      (default: the tree this script is in)
    python3 scripts/check-includes.py --views FOLDER...
        for each FOLDER under src/ a line "FOLDER=h1,h2,...": the headers that the build shows to
        its code (its include view)

The layers form one chain, bottom to top; a file includes from its own folder and from lower
layers, never from a higher one:
  platform interfaces (src/platform/*.h, *.cpp: the interfaces and the portable model)
  < services (src/services)
  < store (src/store, the preset and statistics database)
  < bars < clock < interaction < main < settings < presets   (the subsystems, src/<name>)
  < app (src/app, the composition)
  < program (src/program/<backend>, the entry points)
From a lower subsystem a file includes the public header only (clock/clock.h, main/main.h...);
from platform, services and store any header. An entry point includes the program's start
(app/program_start.h), the platform interfaces and its own backend.
Beside the chain:
  backends (src/platform/headless, win32, sqlite) see the platform interfaces and their own
  folder; headless and win32 also the sqlite backend.
  the add-in (src/addin) sees the platform interfaces, the add-in and those services that know
  none of the program's windows: not services/ports.h (the interfaces to them) nor a services
  header that includes it, directly or through others. Its Win32 COM part (src/addin/win32) is
  the add-in's own backend: it also includes src/addin/win32 and the win32 backend's helpers
  (wide text, registry, files), from which it builds the platform objects of the library it is
  loaded as.
A call that must go up the chain goes through an interface declared below (services/ports.h).
Prints one line per fault; exits 1 on any fault.
"""

import os
import re
import sys

# The chain's folders, bottom to top.
CHAIN = ("platform", "services", "store", "bars", "clock", "interaction", "main", "settings",
         "presets", "app", "program")
SUBSYSTEMS = ("bars", "clock", "interaction", "main", "settings", "presets")
BACKENDS = ("headless", "win32", "sqlite")
OUR_FOLDERS = ("platform", "services", "store", "app", "program", "addin") + SUBSYSTEMS
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')
SOURCE_SUFFIXES = (".h", ".hpp", ".cpp", ".cc", ".c", ".inl")
WINDOWS_HEADER = "services/ports.h"
# All that an entry point sees of the program above the platform.
PROGRAM_HEADER = "app/program_start.h"


def layer_of(path):
    """The layer of a file from its path under src/, with the backend for backends and entry
    points ("win32" for the add-in's COM part); None for a folder outside every layer."""
    parts = path.split("/")
    if parts[0] == "platform" and len(parts) > 2:
        return ("backend", parts[1]) if parts[1] in BACKENDS else None
    if parts[0] in ("program", "addin") and len(parts) == 3:
        return (parts[0], parts[1]) if parts[1] in ("headless", "win32") else None
    if parts[0] in CHAIN + ("addin",) and parts[0] != "program" and len(parts) == 2:
        return (parts[0], None)
    return None


def rank(layer):
    return CHAIN.index(layer) if layer in CHAIN else None


def public_header(target):
    """<subsystem>/<subsystem>.h: the one header through which higher folders reach a subsystem."""
    parts = target.split("/")
    return len(parts) == 2 and parts[0] in SUBSYSTEMS and parts[1] == parts[0] + ".h"


def under(target, folder):
    return target.startswith(folder + "/")


def allowed_beside_chain(layer, own, target, windows):
    """For a backend, an entry point or the add-in: whether the include is allowed."""
    target_layer = layer_of(target)
    interface = target_layer == ("platform", None)
    sqlite = own in ("headless", "win32") and under(target, "platform/sqlite")
    if layer == "backend":
        return interface or under(target, "platform/" + own) or sqlite
    if layer == "program":
        return interface or under(target, "platform/" + own) or target == PROGRAM_HEADER
    if layer == "addin":
        portable = (interface or target_layer == ("addin", None)
                    or (under(target, "services") and target not in windows))
        if own == "win32":
            return portable or under(target, "addin/win32") or under(target, "platform/win32")
        return portable
    return False


def direction(layer, target):
    """For a file of the chain: "own", "down", "up" or None for an include that no file of that
    layer may have (a backend, a lower subsystem's inner header, the add-in)."""
    target_layer = layer_of(target)
    if target_layer is None or target_layer[0] not in CHAIN or target_layer[1] is not None:
        return None
    if target_layer[0] == layer:
        return "own"
    if rank(target_layer[0]) > rank(layer):
        return "up"
    if target_layer[0] in SUBSYSTEMS and not public_header(target):
        return None
    return "down"


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


def includes(src):
    """Every source file under src/ with its includes of the tree: {path: [(line, target)]}."""
    found = {}
    for folder, _, names in sorted(os.walk(src)):
        for file_name in sorted(names):
            if not file_name.endswith(SOURCE_SUFFIXES):
                continue
            path = os.path.relpath(os.path.join(folder, file_name), src).replace(os.sep, "/")
            found[path] = []
            with open(os.path.join(src, path), encoding="utf-8", errors="replace") as source:
                for number, line in enumerate(source, 1):
                    match = INCLUDE.match(line)
                    if not match:
                        continue
                    target = tree_target(src, path, match.group(1), match.group(2))
                    if target is not None:
                        found[path].append((number, target))
    return found


def window_headers(found):
    """services/ports.h and every services file that includes it, directly or through others."""
    windows = {WINDOWS_HEADER}
    grown = True
    while grown:
        grown = False
        for path, targets in found.items():
            if path in windows or not under(path, "services"):
                continue
            if any(target in windows for _, target in targets):
                windows.add(path)
                grown = True
    return windows


def fault_of(layer, target, windows):
    """Why a file of the layer may not include the target; None when it may."""
    if layer[1] is None and layer[0] in CHAIN:
        way = direction(layer[0], target)
        if way is None:
            return f"may not include {target}"
        if way == "up":
            return f"includes {target}, above it in the chain"
        return None
    if not allowed_beside_chain(layer[0], layer[1], target, windows):
        return f"may not include {target}"
    return None


def check(root):
    """The faults against the chain of layers."""
    src = os.path.join(root, "src")
    found = includes(src)
    if not found:
        return [f"{src}: no source file to check"]
    windows = window_headers(found)
    faults = []
    for path, targets in found.items():
        layer = layer_of(path)
        if layer is None:
            faults.append(f"src/{path}: its folder belongs to no layer")
            continue
        for number, target in targets:
            fault = fault_of(layer, target, windows)
            if fault is not None:
                faults.append(f"src/{path}:{number}: {layer[0]} {fault}")
    return faults


def view(root, folder):
    """The headers that the build shows to the code of one folder (a path under src/): those its
    layer may include, and what they include in turn, so that they compile. A header of another
    folder that only such a closure reaches is in the view too; the check above still refuses a
    direct include of it."""
    src = os.path.join(root, "src")
    found = includes(src)
    windows = window_headers(found)
    layer = layer_of(folder + "/planted.cpp")
    if layer is None:
        raise SystemExit(f"src/{folder} belongs to no layer")
    shown = {path for path in found
             if path.endswith(".h") and fault_of(layer, path, windows) is None}
    waiting = list(shown)
    while waiting:
        for _, target in found.get(waiting.pop(), []):
            if target in found and target not in shown:
                shown.add(target)
                waiting.append(target)
    return sorted(shown)


def main():
    here = os.path.join(os.path.dirname(__file__), "..")
    if len(sys.argv) > 1 and sys.argv[1] == "--views":
        if len(sys.argv) == 2:
            raise SystemExit("--views needs at least one folder")
        for folder in sys.argv[2:]:
            print(folder + "=" + ",".join(view(os.path.abspath(here), folder)))
        return 0
    root = sys.argv[1] if len(sys.argv) > 1 else here
    faults = check(os.path.abspath(root))
    for fault in faults:
        print(fault)
    if faults:
        print(f"include check: {len(faults)} fault(s) against the chain of layers")
        return 1
    print("include check: every include goes down the chain of layers")
    return 0


if __name__ == "__main__":
    sys.exit(main())
