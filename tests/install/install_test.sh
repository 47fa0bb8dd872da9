#!/bin/bash
# Installs the build into a throw-away prefix (the ~/.local of a fake home) and uses the result as
# a user would: the layout, the command-line tool, the window under Xvfb started from the
# launcher entry's Exec line, the validators, the manual pages and the bash completion. The build
# folder is left as it is, so a program that fell back to the build's string tables would still
# work; the checks below see which tables the installed programs really read.
# Usage: install_test.sh <build folder> <bundle_probe> <version>
# Exits 77 (skipped) when a tool it needs is missing.
set -u
here=$(cd "$(dirname "$0")" && pwd)
source "$here/support.sh"

build=$1
probe=$2
version=$3
require_tools cmake jq man desktop-file-validate appstreamcli xvfb-run xdotool xprop od fallocate
if [ -z "${ORVELANE_INSTALL_TEST_IN_X:-}" ]; then
    ORVELANE_INSTALL_TEST_IN_X=1 exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$@"
fi

root=$(mktemp -d /tmp/orvelane-install-XXXXXX)
cleanup() {
    stop_app
    rm -rf "$root"
}
trap cleanup EXIT
make_fake_home "$root/home"
app_id=org.orvelane.Orvelane
bundle_name=Orvelane_Orvelane.bundle

# Reports compared by their texts alone: sizes follow the language's number format.
texts_equal() { cmp -s <(tr -d '0-9.,' < "$1") <(tr -d '0-9.,' < "$2"); }
texts_differ() { ! texts_equal "$1" "$2"; }

make_project() { # folder below the home, size of its node_modules
    mkdir -p "$HOME/$1/node_modules"
    echo '{}' > "$HOME/$1/package.json"
    fallocate -l "$2" "$HOME/$1/node_modules/index.js"
}
make_project Projects/web 7M
make_project 'Projects/my "quoted" app' 6M
make_project Projects/tiny 4K

prefix=$HOME/.local
if ! cmake --install "$build" --prefix "$prefix" > "$root/install.log" 2>&1; then
    cat "$root/install.log"
    echo "FAIL: cmake --install"
    exit 1
fi

# ---- Layout: programs in lib/orvelane beside their tables, links in bin, data in share.
check "bin holds the two programs and nothing else" \
    test "$(ls -A "$prefix/bin" | tr '\n' ' ')" = "orvelane orvelane-cli "
for program in orvelane orvelane-cli; do
    check "bin/$program leads to the program beside the tables" \
        test "$(readlink -f "$prefix/bin/$program")" = "$prefix/lib/orvelane/$program" -a -x "$prefix/bin/$program"
done
stray=$(cd "$prefix" && find . -mindepth 1 \( -type f -o -type l \) | grep -v -e '^\./bin/' -e '^\./lib/orvelane/' -e '^\./share/')
check "nothing lies outside bin, lib/orvelane and share${stray:+ (found: $stray)}" test -z "$stray"
for lang in en tr; do
    check "the $lang table is installed in the bundle" test -s "$prefix/lib/orvelane/$bundle_name/$lang.lproj/Localizable.qm"
done
icons=$prefix/share/icons/hicolor
for size in 16 32 48 128 256; do
    check "the ${size} px icon is ${size}x${size}" test "$(png_size "$icons/${size}x${size}/apps/$app_id.png")" = "${size}x${size}"
done
check "the scalable icon is installed" grep -q '<svg' "$icons/scalable/apps/$app_id.svg"

# ---- The command-line tool from the installed tree.
cli=$prefix/bin/orvelane-cli
"$cli" scan --json > "$root/scan.json" 2> "$root/scan.err"
check "the installed orvelane-cli scans the fake home" test $? -eq 0
check "its JSON names the fake home and the project folders above the threshold" \
    jq_true --arg home "$HOME" '.home == $home and
        ([.categories[] | select(.kind == "devArtifacts") | .items[].path] | sort) ==
        [$home + "/Projects/my \"quoted\" app/node_modules", $home + "/Projects/web/node_modules"]' "$root/scan.json"
"$cli" scan --lang en devArtifacts > "$root/report-en.txt"
"$cli" scan --lang tr devArtifacts > "$root/report-tr.txt"
check "the installed tables answer in Turkish" texts_differ "$root/report-en.txt" "$root/report-tr.txt"

# A moved copy of the tree works through its relative links; without its Turkish table its texts
# fall back to English (sizes keep the Turkish format), so the tables read are the copy's own
# and not the build folder's.
cp -a "$prefix" "$root/moved"
rm -r "$root/moved/lib/orvelane/$bundle_name/tr.lproj"
"$root/moved/bin/orvelane-cli" scan --lang tr devArtifacts > "$root/moved-tr.txt"
check "a moved tree reads its own tables (no Turkish table there: English)" \
    texts_equal "$root/report-en.txt" "$root/moved-tr.txt"

# The lookup follows the link in bin to the real program: a probe whose build-folder fallback
# points nowhere finds the tables only beside its real file.
mkdir -p "$root/probe/bin" "$root/probe/lib/orvelane" "$root/stray/bin" "$root/stray/real"
cp "$probe" "$root/probe/lib/orvelane/bundle_probe"
cp -r "$prefix/lib/orvelane/$bundle_name" "$root/probe/lib/orvelane/"
ln -s ../lib/orvelane/bundle_probe "$root/probe/bin/bundle_probe"
check "a program started through a link finds the tables beside its real file" \
    test "$("$root/probe/bin/bundle_probe" 2> /dev/null)" = "Scan"
cp "$probe" "$root/stray/real/bundle_probe"
cp -r "$prefix/lib/orvelane/$bundle_name" "$root/stray/bin/"
ln -s ../real/bundle_probe "$root/stray/bin/bundle_probe"
("$root/stray/bin/bundle_probe" > /dev/null 2> "$root/stray.err") 2> /dev/null
check "tables beside the link alone are not taken" grep -q "could not load resource bundle: from $root/stray/real/$bundle_name" "$root/stray.err"

# ---- The window, started the way the launcher starts it.
desktop=$prefix/share/applications/$app_id.desktop
entry() { sed -n "s/^$1=//p" "$desktop" | head -n 1; }
exec_line=$(entry Exec)
exec_line=${exec_line//%[fFuUik]/}
check "the entry's TryExec is found on the PATH" env PATH="$prefix/bin:$PATH" sh -c "command -v '$(entry TryExec)' > /dev/null"
check "the entry's icon is in the icon theme" test -f "$icons/scalable/apps/$(entry Icon).svg"
# shellcheck disable=SC2086 # the Exec line is a command line
start_app "$root/app.log" env PATH="$prefix/bin:$PATH" $exec_line
if wait_for 60 has_main_window; then
    echo "ok: the installed orvelane opened its window"
    window=$(main_window)
    check "the window belongs to the installed program" test "$(readlink -f "/proc/$app_pid/exe")" = "$prefix/lib/orvelane/orvelane"
    mapped_files "$app_pid" > "$root/mapped.txt"
    check "it reads the installed string tables" grep -qxF "$prefix/lib/orvelane/$bundle_name/en.lproj/Localizable.qm" "$root/mapped.txt"
    check "it reads nothing from the build folder" lacks "$build/" "$root/mapped.txt"
    sizes=$(window_icon_sizes "$window" | sort -n | tr '\n' ' ')
    check "the window carries the icon at 16 to 256 px (has: $sizes)" test "$sizes" = "16x16 32x32 48x48 128x128 256x256 "
    wm_class=$(xprop -id "$window" WM_CLASS | sed 's/.*", "//; s/"$//')
    check "the entry's StartupWMClass matches the window's class ($wm_class)" test "$(entry StartupWMClass)" = "$wm_class"
else
    echo "FAIL: the installed orvelane opened no window"
    cat "$root/app.log"
    failures=$((failures + 1))
fi
stop_app

# ---- Validators and metadata.
metainfo=$prefix/share/metainfo/$app_id.metainfo.xml
desktop-file-validate "$desktop" > "$root/desktop-validate.txt" 2>&1
check "desktop-file-validate accepts the entry without a remark" test $? -eq 0 -a ! -s "$root/desktop-validate.txt"
cat "$root/desktop-validate.txt"
appstreamcli validate --no-net "$metainfo" > "$root/appstream-validate.txt" 2>&1
check "appstreamcli validate --no-net accepts the metadata" test $? -eq 0
grep -v '^$' "$root/appstream-validate.txt"
appstreamcli validate-tree --no-net "$prefix" > "$root/appstream-tree.txt" 2>&1
check "appstreamcli validate-tree accepts the installed tree" test $? -eq 0
check "the metadata launches the installed entry" grep -qF "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo"
provided=$(sed -n 's:.*<binary>\(.*\)</binary>.*:\1:p' "$metainfo" | sort | tr '\n' ' ')
check "the metadata provides exactly the programs in bin ($provided)" test "$provided" = "$(ls "$prefix/bin" | sort | tr '\n' ' ')"
check "the metadata's release is version $version" grep -qE "<release version=\"$version\" date=\"[0-9]{4}-[0-9]{2}-[0-9]{2}\"" "$metainfo"
for key in Name GenericName Comment Keywords; do
    check "the entry has a Turkish $key" grep -q "^$key\[tr\]=" "$desktop"
done

# ---- Manual pages: they render cleanly and say what the tool says about itself.
render() { MANWIDTH=80 man --warnings -l "$1" 2> "$root/man.err"; }
section_has() { # rendered page, heading, pattern: whether a line of that section matches
    awk -v heading="$2" '/^[A-Z]/ { inside = ($0 == heading) } inside' "$1" | grep -qE "$3"
}
for page in orvelane orvelane-cli; do
    render "$prefix/share/man/man1/$page.1.gz" > "$root/$page.txt"
    check "man renders $page(1) without warnings" test $? -eq 0 -a ! -s "$root/man.err" -a -s "$root/$page.txt"
    cat "$root/man.err"
done
manual=$root/orvelane-cli.txt
"$cli" --help > "$root/help.txt"
for category in $(sed -n 's/^Categories: *//p' "$root/help.txt"); do
    check "the manual describes the category $category" section_has "$manual" CATEGORIES "^ {7}$category( |\$)"
done
for command in $(sed -n 's/^ *orvelane-cli \([a-z][a-z]*\).*/\1/p' "$root/help.txt" | sort -u); do
    check "the manual describes the command $command" section_has "$manual" COMMANDS "^ {7}$command( |\$)"
done
# Whole option names: "--no-exclusions" is one option, not "--no".
for option in $(grep -oE -- '(^| |\[)--?[a-z]+(-[a-z]+)*' "$root/help.txt" | tr -d ' [' | sort -u); do
    check "the manual describes the option $option" section_has "$manual" OPTIONS "^ {7}([^ ]+, )?$option( |,|=|\$)"
done
for status in $(sed -n '/^Exit status:/,$p' "$root/help.txt" | grep -oE '(^|; |: )[0-9]+ ' | tr -dc '0-9\n'); do
    check "the manual explains exit status $status" section_has "$manual" "EXIT STATUS" "^ {7}$status( |\$)"
done
for key in $(jq -r '[.. | objects | keys[]] | unique[]' "$root/scan.json"); do
    check "the manual explains the JSON key $key" section_has "$manual" "JSON OUTPUT" "^ {7}(.*, )?$key(,| |\$)"
done
for key in result cleaned errors; do
    check "the manual explains the clean result's key $key" section_has "$manual" "JSON OUTPUT" "^ {7}(.*, )?$key(,| |\$)"
done

# ---- Bash completion, as bash would call it.
completion=$prefix/share/bash-completion/completions/orvelane-cli
complete_line() { # words of the command line; the last one is being completed
    bash -c 'source "$1"; shift; COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1))
             _orvelane_cli "$1" "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
             printf "%s\n" "${COMPREPLY[@]}"' _ "$completion" "$@" 2> /dev/null | sort | tr '\n' ' '
}
check "completion offers the commands" \
    test "$(complete_line "$cli" '')" = "--help clean exclusions restore scan undo "
check "completion offers the categories to scan" test "$(complete_line "$cli" scan dev)" = "devArtifacts devCaches "
check "completion asks a program typed as ~/.local/bin/orvelane-cli for its categories" \
    test "$(complete_line '~/.local/bin/orvelane-cli' scan dev)" = "devArtifacts devCaches "
check "completion offers the languages" test "$(complete_line "$cli" scan --lang '')" = "en system tr "
check "completion offers scan's options" test "$(complete_line "$cli" scan --j)" = "--json "
check "completion offers scan's --no-exclusions" test "$(complete_line "$cli" scan --no)" = "--no-exclusions "
check "completion offers undo's options" test "$(complete_line "$cli" undo --)" = "--all --help --json --lang --list "
check "completion offers the actions of exclusions" test "$(complete_line "$cli" exclusions '')" = "add list remove "
check "completion offers clean's category after --from" \
    test "$(complete_line "$cli" clean --from "$root/scan.json" devA)" = "devArtifacts "
check "completion offers the saved scan's items, not its skipped paths" \
    test "$(complete_line "$cli" clean --from "$root/scan.json" devArtifacts '~/Projects/w')" = "$HOME/Projects/web/node_modules "
reply=$(complete_line "$cli" clean --from "$root/scan.json" devArtifacts "$HOME/Projects/my")
eval "words=($reply)"
quoted_path="$HOME/Projects/my \"quoted\" app/node_modules"
check "a completed path with spaces and quotes reads back as the item's path" \
    test "${#words[@]}" -eq 1 -a "${words[0]:-}" = "$quoted_path"
"$cli" clean --json --from "$root/scan.json" devArtifacts "${words[0]:-none}" > "$root/clean.json"
check "orvelane-cli cleans the completed path" jq_true '.result == "completed" and .cleaned > 0' "$root/clean.json"
check "the folder went to the fake home's Trash" test ! -e "$quoted_path" -a -d "$HOME/.local/share/Trash/files/node_modules"

# ---- Undo, put back and exclusions from the installed tree.
check "completion offers what is in the Trash to restore" \
    test "$(complete_line "$cli" restore '')" = "$HOME/.local/share/Trash/files/node_modules "
"$cli" undo --json > "$root/undo.json"
check "orvelane-cli undo puts the cleaned folder back" \
    jq_true '.result == "completed" and .restoredItems == 1 and .errors == []' "$root/undo.json"
check "the folder is back with its contents, the Trash empty" \
    test -f "$quoted_path/index.js" -a -z "$(ls -A "$HOME/.local/share/Trash/files")"
for key in $(jq -r 'keys[]' "$root/undo.json"); do
    check "the manual explains undo's key $key" section_has "$manual" "JSON OUTPUT" "^ {7}(.*, )?$key(,| |\$)"
done
"$cli" undo > /dev/null
check "a second undo has nothing to undo (exit status 3)" test $? -eq 3
"$cli" exclusions add "$HOME/Projects/web"
check "completion offers the listed exclusions to remove" \
    test "$(complete_line "$cli" exclusions remove "$HOME/Pro")" = "$HOME/Projects/web "
"$cli" exclusions list --json > "$root/exclusions.json"
for key in $(jq -r '[.. | objects | keys[]] | unique[]' "$root/exclusions.json"); do
    check "the manual explains the exclusions key $key" section_has "$manual" "JSON OUTPUT" "^ {7}(.*, )?$key(,| |\$)"
done

finish
