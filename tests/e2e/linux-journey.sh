#!/bin/bash
# The journey once more on the freedesktop layout (ORVELANE_LAYOUT=linux), on a home shaped like
# a Linux user's: the greeting and the seven category headers, a project folder cleaned into the
# freedesktop trash where trash-cli finds it, container layers left alone, and the Trash, with
# what trash-put put there, emptied for good. Keyboard only.
# Usage: linux-journey.sh <orvelane binary> [folder for screenshots]
# Exits 77 (skipped) when a tool it needs is missing.
set -u

app=$1
shots=${2:-}
for tool in xvfb-run xdotool fallocate openbox wmctrl xprop import trash-put trash-list; do
    command -v "$tool" > /dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

if [ -z "${ORVELANE_JOURNEY_IN_X:-}" ]; then
    ORVELANE_JOURNEY_IN_X=1 exec xvfb-run -a -s "-screen 0 1440x900x24" "$0" "$@"
fi

root=$(mktemp -d /tmp/orvelane-linux-journey-XXXXXX)
failures=0
wait_for() { # seconds, command...: polls until the command succeeds
    local limit=$1
    shift
    for _ in $(seq $((limit * 5))); do "$@" && return 0; sleep 0.2; done
    return 1
}
source "$(dirname "$0")/session.sh"
cleanup() {
    session_stop
    rm -rf "$root"
}
trap cleanup EXIT

check() { # description, command...
    local what=$1
    shift
    if "$@"; then echo "ok: $what"; else echo "FAIL: $what"; failures=$((failures + 1)); fi
}
shot() { [ -n "$shots" ] && mkdir -p "$shots" && import -window root "$shots/linux-$1.png" 2> /dev/null; return 0; }
keys() { xdotool key --delay 120 "$@"; sleep 0.6; }
shown() { [ "$(probe_field "$1" visible)" = 1 ]; }
text_is() {
    [ "$(probe_text "$1")" = "$2" ] && return 0
    echo "   $1 reads: $(probe_text "$1")"
    return 1
}
text_starts() {
    case "$(probe_text "$1")" in "$2"*) return 0 ;; esac
    echo "   $1 reads: $(probe_text "$1")"
    return 1
}

home=$root/home
trash=$home/.local/share/Trash
# trash-cli and the app share HOME and the data folder, both inside the throw-away home.
as_user() { HOME=$home XDG_DATA_HOME=$home/.local/share XDG_CONFIG_HOME=$home/.config XDG_CACHE_HOME=$home/.cache "$@"; }
make_file() { mkdir -p "$(dirname "$home/$1")" && fallocate -l "$2" "$home/$1"; }
make_file Projects/web/node_modules/react.js 9M
echo '{}' > "$home/Projects/web/package.json"
make_file .cache/mozilla/firefox/abc.default/cache2/entries/E1 12M
make_file .var/app/org.gnome.Maps/cache/tiles/1.png 3M
make_file .config/Code/GPUCache/data_0 2M
make_file .local/share/containers/storage/overlay/5e1c/diff/usr/lib/node_modules/npm/x 9M
make_file İndirilenler/code_1.89.1_amd64.deb 1M
make_file Documents/old-report.pdf 2M
echo 'Xlib: extension "RANDR" missing' > "$home/.xsession-errors"
mkdir -p "$home/.config"
echo 'XDG_DOWNLOAD_DIR="$HOME/İndirilenler"' > "$home/.config/user-dirs.dirs"
as_user trash-put "$home/Documents/old-report.pdf"

export ORVELANE_LAYOUT=linux
session_start_window_manager || { echo "FAIL: openbox did not start"; exit 1; }
app_start "$app" "$home" en || { echo "FAIL: no main window"; cat "$root/app.log"; exit 1; }
window_size 820 540
sleep 1.5
shot 01-welcome
check "the greeting is for any computer" text_is title "Ready to tidy up your computer"

keys Return
sleep 3
shot 02-scanned
check "the totals line shows what was found" text_starts totalText "Total found: "
titles=("Application Caches" "Log Files" "Developer Caches" "Build Artifacts" "Large Downloads" "Trash" "Storage Insights")
for i in "${!titles[@]}"; do
    [ "$i" -gt 0 ] && keys Down
    check "row $((i + 1)) is ${titles[$i]}" text_is headerTitle "${titles[$i]}"
    shot "03-header-$i"
done
check "the sidebar ends after seven rows: no Xcode" sh -c "xdotool key Down; sleep 0.6; [ \"\$(grep -m1 '^item headerTitle ' '$probe' | sed -n 's/.* text=//p')\" = 'Storage Insights' ]"
keys Up Up Up Up Up Up
check "the caches' description names the Linux places" \
    text_is headerSubtitle "App caches in ~/.cache, Flatpak and snap apps — rebuilt when needed."

# Build Artifacts is the fourth row here. Tab: the Scan button, then Select All.
keys Down Down Down
keys Tab Tab space
check "the footer counts the one project folder" text_starts summaryText "1 item selected — "
keys Return
check "Return asks first" text_starts confirmationTitle "Move 1 item ("
keys Return
check "node_modules left its project" wait_for 15 test ! -e "$home/Projects/web/node_modules"
check "it lies in the freedesktop trash" wait_for 5 test -e "$trash/files/node_modules/react.js"
check "trash-list knows where it came from" sh -c "HOME='$home' XDG_DATA_HOME='$home/.local/share' trash-list | grep -q ' $home/Projects/web/node_modules\$'"
check "the container layer's node_modules was never offered" \
    test -e "$home/.local/share/containers/storage/overlay/5e1c/diff/usr/lib/node_modules/npm/x"
sleep 1
shot 04-cleaned
sleep 2

# The emptied list sends the keyboard back to the sidebar. Down twice to the Trash.
keys Down Down
check "on the Trash" text_is headerTitle "Trash"
keys Tab Tab space
check "both trashed items are ticked" text_starts summaryText "2 items selected — "
keys Return
check "the question warns" text_starts confirmationTitle "Permanently delete 2 items ("
keys Tab
keys Return
check "the Trash was emptied for good" wait_for 15 sh -c "[ -z \"\$(ls -A '$trash/files')\" ]"
check "its records went with it" wait_for 5 sh -c "[ -z \"\$(ls -A '$trash/info' 2> /dev/null)\" ]"
check "trash-list sees an empty trash" sh -c "[ -z \"\$(HOME='$home' XDG_DATA_HOME='$home/.local/share' trash-list)\" ]"
check "the rest of the home is untouched" test -e "$home/.cache/mozilla/firefox/abc.default/cache2/entries/E1"
sleep 1
shot 05-trash-emptied

if grep -E "qrc:/|TypeError|ReferenceError" "$root/app.log"; then
    echo "FAIL: QML reported errors"
    failures=$((failures + 1))
fi
[ "$failures" -eq 0 ] && echo "journey complete" || { echo "$failures checks failed"; cat "$root/app.log"; }
exit $((failures > 0))
