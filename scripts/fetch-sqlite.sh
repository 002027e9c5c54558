#!/usr/bin/env bash
# Builds the SQLite amalgamation (sqlite3.c, sqlite3.h) that the Windows builds compile in, from
# Debian's source package "sqlite3", into build/deps/sqlite/. Nothing of it is committed.
#
# apt-get fetches the source through a deb-src list of the build's own (build/deps/apt/), derived
# from the machine's bookworm sources and passed with -o options, so the machine's apt
# configuration, lists and cache are left alone.
#
# The parser and the keyword table are generated with the compile-time options of
# cmake/sqlite-options.txt, so that what they leave out is gone from the grammar too; the
# options the amalgamation was made with are kept beside it (options.txt), and the amalgamation is
# made again, from the source already unpacked when it is there, whenever the list differs. Does
# nothing when sqlite3.c is there and was made with the current options.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
deps=$root/build/deps
out=$deps/sqlite
options_file=$root/cmake/sqlite-options.txt
# The options without comments and blank lines, one a line.
options=$(sed -e 's/#.*//' -e 's/[[:space:]]//g' -e '/^$/d' "$options_file")
if [[ -s $out/sqlite3.c && -s $out/sqlite3.h && -f $out/options.txt ]] &&
  [[ $(cat "$out/options.txt") == "$options" ]]; then
  echo "fetch-sqlite: $out/sqlite3.c is there, made with the current options"
  exit 0
fi
for tool in apt-get dpkg-source make gcc tclsh; do
  command -v "$tool" >/dev/null ||
    { echo "fetch-sqlite: '$tool' not found; run scripts/install-deps.sh" >&2; exit 1; }
done

# Fetches and unpacks Debian's source into build/deps/src/.
fetch_source() {
  apt=$deps/apt
  rm -rf "$apt" "$deps/src"
  mkdir -p "$apt/sources.list.d" "$apt/lists/partial" "$apt/cache/archives/partial" "$deps/src"

  # deb-src lines for every "deb" entry of the machine whose suite is bookworm or one of its
  # companions (bookworm-updates, bookworm-security), from both the one-line lists and the
  # deb822 .sources files.
  derive_sources() {
    local file
    for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
      [[ -f $file ]] || continue
      awk '
        $1 == "deb" {
          options = ""
          i = 2
          if ($2 ~ /^\[/) {                       # [signed-by=... arch=...]
            while (i <= NF && $i !~ /\]$/) { options = options $i " "; i++ }
            options = options $i " "; i++
          }
          uri = $i; suite = $(i + 1)
          if (suite !~ /^bookworm(-[a-z]+)?$/) next
          components = ""
          for (j = i + 2; j <= NF && $j !~ /^#/; j++) components = components " " $j
          print "deb-src " options uri " " suite components
        }' "$file"
    done
    for file in /etc/apt/sources.list.d/*.sources; do
      [[ -f $file ]] || continue
      awk '
        function flush(   n, s, u, k, line) {
          if (types ~ /(^| )deb( |$)/ && enabled != "no" && uris != "") {
            n = split(suites, s, " ")
            for (k = 1; k <= n; k++) {
              if (s[k] !~ /^bookworm(-[a-z]+)?$/) continue
              split(uris, u, " ")
              line = "deb-src "
              if (signed != "") line = line "[signed-by=" signed "] "
              print line u[1] " " s[k] " " components
            }
          }
          types = uris = suites = components = signed = enabled = ""
        }
        /^[[:space:]]*#/ { next }
        /^[[:space:]]*$/ { flush(); next }
        {
          key = $1; sub(/:$/, "", key); value = $0; sub(/^[^:]*:[[:space:]]*/, "", value)
          if (key == "Types") types = value
          else if (key == "URIs") uris = value
          else if (key == "Suites") suites = value
          else if (key == "Components") components = value
          else if (key == "Signed-By") signed = value
          else if (key == "Enabled") enabled = value
        }
        END { flush() }' "$file"
    done
  }
  derive_sources | sort -u >"$apt/sources.list"
  if [[ ! -s $apt/sources.list ]]; then
    echo "fetch-sqlite: no bookworm entry found in /etc/apt/sources.list{,.d}" >&2
    exit 1
  fi
  echo "fetch-sqlite: source list $apt/sources.list:"
  sed 's/^/  /' "$apt/sources.list"

  apt_options=(
    -o "Dir::Etc::SourceList=$apt/sources.list"
    -o "Dir::Etc::SourceParts=$apt/sources.list.d"
    -o "Dir::State::Lists=$apt/lists"
    -o "Dir::Cache=$apt/cache"
  )
  # As root, apt hands downloads to the user _apt, who cannot write into a build tree owned by
  # root; download as the caller instead.
  [[ $(id -u) -eq 0 ]] && apt_options+=(-o "APT::Sandbox::User=root")

  apt-get "${apt_options[@]}" -q update
  (cd "$deps/src" && apt-get "${apt_options[@]}" -q source sqlite3)

  tree=$(find "$deps/src" -mindepth 1 -maxdepth 1 -type d -name 'sqlite3-*' | head -n 1)
  [[ -n $tree ]] || { echo "fetch-sqlite: apt-get source unpacked no sqlite3-* folder" >&2; exit 1; }
}

tree=
if [[ -d $deps/src ]]; then
  tree=$(find "$deps/src" -mindepth 1 -maxdepth 1 -type d -name 'sqlite3-*' | head -n 1)
fi
if [[ -z $tree ]]; then
  fetch_source
fi

echo "fetch-sqlite: building the amalgamation in $tree"
# Configured afresh, so that a source tree copied from elsewhere builds from itself; "make clean"
# drops the parser, keyword table and amalgamation of earlier options.
opts=$(sed 's/^/-D/' <<<"$options" | tr '\n' ' ')
(cd "$tree" && ./configure >"$deps/src/configure.log" 2>&1 && make clean >/dev/null &&
  make -j"$(nproc)" OPTS="$opts" sqlite3.c >"$deps/src/make.log" 2>&1) || {
  tail -n 30 "$deps/src/configure.log" "$deps/src/make.log" >&2 2>/dev/null
  echo "fetch-sqlite: building sqlite3.c failed" >&2
  exit 1
}
mkdir -p "$out"
cp "$tree/sqlite3.c" "$tree/sqlite3.h" "$out/"
printf '%s\n' "$options" >"$out/options.txt"
echo "fetch-sqlite: $out/sqlite3.c ($(wc -l <"$out/sqlite3.c") lines) from $(basename "$tree")"
