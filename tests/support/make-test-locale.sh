#!/bin/sh
# Compiles a locale into a folder of its own (used as LOCPATH), so that suites can run under
# it on machines that never generated it. Needs localedef and the locale sources (Debian:
# the locales package).
#   make-test-locale.sh DIR tr_TR UTF-8
set -eu
dir="$1" name="$2" charmap="$3"
target="$dir/$name.$charmap"
[ -f "$target/LC_CTYPE" ] && exit 0
mkdir -p "$dir"
# localedef exits 1 for mere warnings; what counts is whether the locale was written.
localedef --no-archive -i "$name" -f "$charmap" "$target" || true
if [ ! -f "$target/LC_CTYPE" ]; then
  echo "could not compile $name.$charmap into $dir (is the locales package installed?)" >&2
  exit 1
fi
