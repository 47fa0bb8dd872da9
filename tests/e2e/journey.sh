#!/bin/bash
# Drives the real orvelane binary under Xvfb with the keyboard alone, on a throw-away home, through
# a user's first session: scan, clean two node_modules folders to the Trash, see a clean refused
# because its project marker changed, then empty the Trash for good. Checks the disk afterwards.
# Usage: journey.sh <orvelane binary> [folder for screenshots]
# Exits 77 (skipped) when xvfb-run or xdotool is missing.
set -u

app=$1
shots=${2:-}
for tool in xvfb-run xdotool fallocate; do
    command -v "$tool" > /dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

if [ -z "${ORVELANE_JOURNEY_IN_X:-}" ]; then
    ORVELANE_JOURNEY_IN_X=1 exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$@"
fi

root=$(mktemp -d /tmp/orvelane-journey-XXXXXX)
home=$root/home
trash=$home/.local/share/Trash
app_pid=
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2> /dev/null
    wait 2> /dev/null
    rm -rf "$root"
}
trap cleanup EXIT

failures=0
check() { # description, command...
    local what=$1
    shift
    if "$@"; then echo "ok: $what"; else echo "FAIL: $what"; failures=$((failures + 1)); fi
}
make_file() { mkdir -p "$(dirname "$home/$1")" && fallocate -l "$2" "$home/$1"; }
shot() { [ -n "$shots" ] && mkdir -p "$shots" && import -window root "$shots/$1.png" 2> /dev/null; return 0; }
keys() { xdotool key --delay 120 "$@"; sleep 0.4; }
wait_for() { # seconds, command...: polls until the command succeeds
    local limit=$1
    shift
    for _ in $(seq $((limit * 5))); do "$@" && return 0; sleep 0.2; done
    return 1
}

make_file Projects/web/node_modules/react.js 9M
echo '{}' > "$home/Projects/web/package.json"
make_file Projects/site/node_modules/vue.js 8M
make_file Projects/engine/target/debug/engine 7M
echo '[package]' > "$home/Projects/engine/Cargo.toml"
make_file Library/Caches/com.example.browser/cache.db 12M
make_file .local/share/Trash/files/old-report.pdf 2M
mkdir -p "$trash/info" "$home/.config"
printf '[Trash Info]\nPath=%s\nDeletionDate=2024-01-01T10:00:00\n' "$home/old-report.pdf" > "$trash/info/old-report.pdf.trashinfo"

HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share QT_QUICK_CONTROLS_STYLE=Basic \
    "$app" > "$root/app.log" 2>&1 &
app_pid=$!
main_window() { [ -n "$(xdotool search --onlyvisible --name '^Orvelane$' 2> /dev/null)" ]; }
wait_for 20 main_window || { echo "FAIL: no main window"; cat "$root/app.log"; exit 1; }
sleep 1.5
shot 01-welcome

# Return is the welcome's default action: the first scan.
keys Return
sleep 3
shot 02-scanned

# Build Artifacts is the fifth row. Tab: the Scan button, Select All, then the list.
keys Down Down Down Down
keys Tab Tab Tab
keys space Down space
shot 03-two-ticked
keys Return
shot 04-confirm
keys Return
check "the first node_modules left its project" wait_for 15 test ! -e "$home/Projects/web/node_modules"
check "the second node_modules left its project" wait_for 15 test ! -e "$home/Projects/site/node_modules"
check "both are in the Trash" wait_for 5 sh -c "[ \$(ls '$trash/files' | grep -c '^node_modules') -eq 2 ]"
check "the Rust build folder was left alone" test -e "$home/Projects/engine/target/debug/engine"
sleep 1
shot 05-cleaned
sleep 2

# The project marker disappears between scan and clean: the clean is refused and reported.
rm "$home/Projects/engine/Cargo.toml"
keys space Return
keys Return
sleep 2
shot 06-alert
check "a refused item stays where it was" test -e "$home/Projects/engine/target/debug/engine"
keys Return

# Without its marker the folder is no build artifact any more: the rescan empties the list, and
# the keyboard goes back to the sidebar. Down to the Trash, Tab to Select All, delete for good.
keys Down Down
keys Tab Tab space
shot 07-trash-selected
keys Return
shot 08-trash-confirm
keys Return
check "the Trash was emptied for good" wait_for 15 sh -c "[ -z \"\$(ls -A '$trash/files')\" ]"
check "its records went with it" wait_for 5 sh -c "[ -z \"\$(ls -A '$trash/info' 2> /dev/null)\" ]"
check "the rest of the home is untouched" test -e "$home/Library/Caches/com.example.browser/cache.db"
sleep 1
shot 09-done

if grep -E "qrc:/|TypeError|ReferenceError" "$root/app.log"; then
    echo "FAIL: QML reported errors"
    failures=$((failures + 1))
fi
[ "$failures" -eq 0 ] && echo "journey complete" || { echo "$failures checks failed"; cat "$root/app.log"; }
exit $((failures > 0))
