#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing Horalix need. Idempotent:
# packages already installed are skipped, and apt-get runs (update once, then install) only when
# something is missing. Uses sudo when not run as root.
set -euo pipefail

packages=(
  # native build and tests
  cmake ninja-build g++ make googletest libgtest-dev libbenchmark-dev libsqlite3-dev
  clang-format
  # fuzz targets: clang with libFuzzer and the sanitizers' runtime
  clang libclang-rt-14-dev
  # the include check of the layers
  python3
  # Windows builds: MinGW-w64 with POSIX threads; SQLite amalgamation from Debian's source
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix binutils-mingw-w64 dpkg-dev tcl
  # the add-in's type library: widl, the IDL compiler of the MinGW-w64 tools, and the system
  # IDL files it imports (oaidl.idl, ocidl.idl), which Debian ships with Wine's headers
  mingw-w64-tools libwine-dev
  # files of the program folder: database, help file, sounds, pictures
  sqlite3 fp-utils sox imagemagick
  # running the x86_64 program: the 64-bit Wine loader only (never wine32), the X libraries and
  # fonts its display driver loads (CJK included), a virtual display and input tools
  wine64 fonts-wine fonts-droid-fallback libxrender1 libxrandr2 libxcursor1 libxi6
  libxinerama1 libxcomposite1 libxfixes3 libxxf86vm1 xvfb xdotool x11-utils
  # a solid background of the test display's root window
  x11-xserver-utils
)

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [[ $status == "install ok installed" ]] || missing+=("$package")
done
if ((${#missing[@]} == 0)); then
  echo "install-deps: all ${#packages[@]} packages are installed"
  exit 0
fi

as_root=()
if ((EUID != 0)); then
  command -v sudo >/dev/null ||
    { echo "install-deps: not root and no sudo; install: ${missing[*]}" >&2; exit 1; }
  as_root=(sudo)
fi
echo "install-deps: installing ${missing[*]}"
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
# No recommended packages: wine64 recommends wine32, which cannot run here and must not be
# picked up by the wine wrapper; the packages that matter are named above.
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q \
  --no-install-recommends "${missing[@]}"
