#!/bin/bash
# Builds the Debian package from the build folder with CPack, into a throw-away folder, and looks
# inside it (dpkg-deb -I and -c): name and version, computed and explicit dependencies, the file
# list and its modes, stripped programs. Then it runs the window from the unpacked files under
# Xvfb and checks that every QML module and plugin it loads comes from a package it depends on.
# Nothing is installed on the machine.
# Usage: package_test.sh <build folder> <version> <sanitized build: ON/OFF>
# Exits 77 (skipped) when a tool is missing, and for a sanitized build, which is not packaged.
set -u
here=$(cd "$(dirname "$0")" && pwd)
source "$here/support.sh"

build=$1
version=$2
sanitized=$3
case $sanitized in
    ON | TRUE | 1 | YES | on | true | yes)
        echo "SKIP: a sanitized build is not packaged (its programs need the sanitizer runtime and ASAN_OPTIONS)"
        exit 77
        ;;
esac
require_tools cpack dpkg-deb dpkg-shlibdeps dpkg-query fc-match readelf xvfb-run xdotool
if [ -z "${ORVELANE_PACKAGE_TEST_IN_X:-}" ]; then
    ORVELANE_PACKAGE_TEST_IN_X=1 exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$@"
fi

root=$(mktemp -d /tmp/orvelane-package-XXXXXX)
cleanup() {
    stop_app
    rm -rf "$root"
}
trap cleanup EXIT
make_fake_home "$root/home"
app_id=org.orvelane.Orvelane

arch=$(dpkg --print-architecture)
deb=$root/out/orvelane_${version}_$arch.deb
if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$root/out" > "$root/cpack.log" 2>&1 || [ ! -f "$deb" ]; then
    cat "$root/cpack.log"
    ls "$root/out" 2> /dev/null
    echo "FAIL: cpack built no orvelane_${version}_$arch.deb"
    exit 1
fi
echo "ok: cpack built $(basename "$deb") ($(du -k "$deb" | cut -f1) KiB)"

# ---- Control data.
dpkg-deb -I "$deb" > "$root/info.txt"
field() { sed -n "s/^ $1: //p" "$root/info.txt"; }
check "the package is called orvelane" test "$(field Package)" = orvelane
check "its version is $version" test "$(field Version)" = "$version"
check "its architecture is $arch" test "$(field Architecture)" = "$arch"
check "it names a maintainer" test -n "$(field Maintainer)"
check "it has a summary and a description" test -n "$(field Description)" -a "$(grep -c '^  ' "$root/info.txt")" -ge 2
check "it has a section" test -n "$(field Section)"
depends=$(field Depends | tr ',' '\n' | sed 's/^ *//')
echo "Depends: $(field Depends)"
dependency() { printf '%s\n' "$depends" | awk -v name="$1" '{ split($0, word, " ") } word[1] == name { print; found = 1 } END { exit !found }'; }
depends_on() { dependency "$1" > /dev/null; }
depends_on_versioned() { dependency "$1" | grep -q ' (>= '; }
# Computed by dpkg-shlibdeps from the programs: versioned, and covering the Qt libraries linked.
for library in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6qml6 libqt6quick6 libqt6dbus6; do
    check "it depends on $library, with a version" depends_on_versioned "$library"
done

# ---- Contents.
dpkg-deb -c "$deb" > "$root/contents.txt"
paths=$(awk '{ print $6 }' "$root/contents.txt" | sed 's:/$::')
listed() { printf '%s\n' "$paths" | grep -qxF "$1"; }
for file in ./usr/lib/orvelane/orvelane ./usr/lib/orvelane/orvelane-cli \
    ./usr/lib/orvelane/Orvelane_Orvelane.bundle/en.lproj/Localizable.qm \
    ./usr/lib/orvelane/Orvelane_Orvelane.bundle/tr.lproj/Localizable.qm \
    "./usr/share/applications/$app_id.desktop" "./usr/share/metainfo/$app_id.metainfo.xml" \
    "./usr/share/icons/hicolor/scalable/apps/$app_id.svg" \
    "./usr/share/icons/hicolor/48x48/apps/$app_id.png" "./usr/share/icons/hicolor/128x128/apps/$app_id.png" \
    "./usr/share/icons/hicolor/256x256/apps/$app_id.png" \
    ./usr/share/man/man1/orvelane-cli.1.gz ./usr/share/man/man1/orvelane.1.gz \
    ./usr/share/bash-completion/completions/orvelane-cli ./usr/share/doc/orvelane/copyright \
    ./usr/share/doc/orvelane/changelog.gz \
    ./usr/lib/systemd/user/orvelane-tidy.service ./usr/lib/systemd/user/orvelane-tidy.timer; do
    check "the package holds $file" listed "$file"
done
for program in orvelane orvelane-cli; do
    check "/usr/bin/$program links to /usr/lib/orvelane/$program" \
        grep -qE "^l.* \./usr/bin/$program -> \.\./lib/orvelane/$program\$" "$root/contents.txt"
done
outside=$(printf '%s\n' "$paths" | grep -vE '^\.(/usr(/(bin|lib|share)(/.*)?)?)?$')
check "everything lies under /usr/bin, /usr/lib and /usr/share${outside:+ (found: $outside)}" test -z "$outside"
not_root=$(awk '$2 != "root/root"' "$root/contents.txt")
check "root owns every file" test -z "$not_root"
check "both programs are mode 755" \
    test "$(grep -cE '^-rwxr-xr-x .* \./usr/lib/orvelane/orvelane(-cli)?$' "$root/contents.txt")" -eq 2
odd_modes=$(grep -E '^-.* \./usr/share/' "$root/contents.txt" | grep -vE '^-rw-r--r--')
check "data files are mode 644${odd_modes:+ (found: $odd_modes)}" test -z "$odd_modes"

# Debian's own checks: lintian finds no error (warnings and remarks are shown, not failed on).
if command -v lintian > /dev/null; then
    lintian --tag-display-limit 0 "$deb" > "$root/lintian.txt" 2>&1
    cat "$root/lintian.txt"
    check "lintian reports no error" lacks "E: " "$root/lintian.txt"
else
    echo "note: lintian is not installed; its check is skipped"
fi

# ---- The unpacked programs: stripped, no search paths of their own, and they run.
dpkg-deb -x "$deb" "$root/tree"
for program in orvelane orvelane-cli; do
    file=$root/tree/usr/lib/orvelane/$program
    check "$program is stripped" test -z "$(readelf -S "$file" | grep -E '\.debug_info|\.symtab')"
    check "$program carries no RPATH or RUNPATH" test -z "$(readelf -d "$file" | grep -E 'RPATH|RUNPATH')"
done
check "the tidy's service runs /usr/bin/orvelane-cli" \
    grep -qxF "ExecStart=/usr/bin/orvelane-cli tidy --scheduled" "$root/tree/usr/lib/systemd/user/orvelane-tidy.service"
"$root/tree/usr/bin/orvelane-cli" scan --json caches > "$root/scan.json" 2>&1
check "the unpacked orvelane-cli scans" grep -q '"kind": "caches"' "$root/scan.json"

# Everything the window loads at run time must come from a package the .deb depends on:
# dpkg-shlibdeps sees only what is linked, not the QML modules and plugins loaded later.
start_app "$root/app.log" "$root/tree/usr/bin/orvelane"
if wait_for 60 has_main_window; then
    echo "ok: the unpacked orvelane opened its window"
    sleep 1
    mapped_files "$app_pid" | grep -E '/qt6/(qml|plugins)/' > "$root/runtime.txt"
    check "the window loaded QML modules from the system" test -s "$root/runtime.txt"
    for package in $(xargs -r dpkg-query -S < "$root/runtime.txt" 2> /dev/null | cut -d: -f1 | sort -u); do
        check "the run-time package $package is a dependency" depends_on "$package"
    done
    owned=$(xargs -r dpkg-query -S < "$root/runtime.txt" 2> /dev/null | wc -l)
    check "every loaded module belongs to a package ($owned of $(wc -l < "$root/runtime.txt"))" \
        test "$owned" -eq "$(wc -l < "$root/runtime.txt")"
else
    echo "FAIL: the unpacked orvelane opened no window"
    cat "$root/app.log"
    failures=$((failures + 1))
fi
stop_app
# The symbols are drawn with a font found by name, never mapped from a path the code knows.
font_package=$(dpkg-query -S "$(fc-match -f '%{file}' 'Material Icons')" 2> /dev/null | cut -d: -f1)
check "the symbol font's package ${font_package:-(none)} is a dependency" depends_on "${font_package:-none}"

finish
