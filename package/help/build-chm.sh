#!/usr/bin/env bash
# Compiles the help pages of this folder into help.chm with chmcmd (Debian package fp-utils).
#   build-chm.sh WORK_FOLDER OUTPUT_FILE
# The pages are UTF-8 and keep their names inside the file as UTF-8, which is how the help
# viewer looks topics up. The table of contents, though, is read by the viewer in the code page
# of the file's language (Chinese, PRC: GBK), so it is converted on the way in.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
work=${1:?usage: build-chm.sh WORK_FOLDER OUTPUT_FILE}
output=${2:?usage: build-chm.sh WORK_FOLDER OUTPUT_FILE}
command -v chmcmd >/dev/null ||
  { echo "build-chm.sh: chmcmd not found (Debian package fp-utils)" >&2; exit 1; }

rm -rf "$work"
mkdir -p "$work"
cp "$here"/*.htm "$here"/*.css "$here"/horalix.hhp "$work"/
iconv -f UTF-8 -t GBK -o "$work/toc.hhc" "$here/toc.hhc"
# chmcmd writes help.chm next to the project. The pages link only to each other, all listed in
# the project, so they need no scan for further files.
(cd "$work" && chmcmd --no-html-scan horalix.hhp >chmcmd.log 2>&1) ||
  { cat "$work/chmcmd.log" >&2; echo "build-chm.sh: chmcmd failed" >&2; exit 1; }
[[ -s $work/help.chm ]] || { echo "build-chm.sh: chmcmd made no help.chm" >&2; exit 1; }
mkdir -p "$(dirname "$output")"
cp -f "$work/help.chm" "$output"
