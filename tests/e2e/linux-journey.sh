#!/bin/bash
# The journey once more on the freedesktop layout (ORVELANE_LAYOUT=linux), on a home shaped like
# a Linux user's: the greeting and the seven category headers, a project folder cleaned into the
# freedesktop trash where trash-cli finds it and taken back twice (Ctrl+Z, then the success card's
# Undo), container layers left alone, the Trash, with what trash-put put there, emptied for good,
# and a cache never offered again until the skipped sheet offers it again. The keyboard, and the
# pointer where only it reaches (the card, a row's menu, the sheet's buttons). A third clean is
# put back from the Trash's row menu and the session's total follows; the idle Trash is
# measured, and each view's controls are checked for accessible roles and names. The cache is
# never offered again a second time, and Settings' list offers it again by keyboard. A second
# session finds a sleeping project beside a fresh one and ticks only its folder with Select
# Untouched, for the period the settings gave after the window started.
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
source "$(dirname "$0")/session.sh"
cleanup() {
    session_stop
    rm -rf "$root"
}
trap cleanup EXIT

shot() { [ -n "$shots" ] && mkdir -p "$shots" && import -window root "$shots/linux-$1.png" 2> /dev/null; return 0; }
# point_line PROBE-LINE: the pointer to the middle of the item the line describes.
point_line() {
    local x y w h
    x=$(grep -o ' x=[-0-9]*' <<< "$1" | cut -d= -f2)
    y=$(grep -o ' y=[-0-9]*' <<< "$1" | cut -d= -f2)
    w=$(grep -o ' w=[0-9]*' <<< "$1" | cut -d= -f2)
    h=$(grep -o ' h=[0-9]*' <<< "$1" | cut -d= -f2)
    [ -n "$x" ] && [ -n "$h" ] || return 1
    xdotool mousemove --window "$app_window" $((x + w / 2)) $((y + h / 2))
    sleep 0.3
}
# click_line PROBE-LINE [BUTTON]: the same, then a click.
click_line() {
    point_line "$1" || return 1
    xdotool click "${2:-1}"
    sleep 0.6
}
click_item() { click_line "$(probe_item "$1")" "${2:-1}"; }
# The list row showing NAME.
name_line() { grep -m1 "^item nameLine visible=1 .* text=$1\$" "$probe"; }

home=$root/home
trash=$home/.local/share/Trash
# trash-cli and the app share HOME and the data folder, both inside the throw-away home.
as_user() { HOME=$home XDG_DATA_HOME=$home/.local/share XDG_CONFIG_HOME=$home/.config XDG_CACHE_HOME=$home/.cache XDG_STATE_HOME=$home/.local/state "$@"; }
# The original places trash-cli lists, one a line. trash-list stops with a traceback when a record
# goes while it reads the folder; a listing that failed three times fails the check.
trash_places() {
    local out
    for _ in 1 2 3; do
        out=$(as_user trash-list) && { sed 's/^[^/]*//' <<< "$out" | grep .; return 0; }
        sleep 0.5
    done
    echo "   trash-list failed three times" >&2
    return 2
}
trash_lists() { local places; places=$(trash_places) && grep -qxF "$1" <<< "$places"; }
trash_lacks() { local places; places=$(trash_places); [ $? -ne 2 ] && ! grep -qF "$1" <<< "$places"; }
trash_lists_only() { local places; places=$(trash_places); [ $? -ne 2 ] && [ "$places" = "$1" ]; }
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
session_start_window_manager || { echo "FAIL: openbox did not start"; cat "$root/openbox.log"; echo "display: ${DISPLAY:-none}"; exit 1; }
app_start "$app" "$home" en || { echo "FAIL: no main window"; cat "$root/app.log"; exit 1; }
check "the window is 820 × 540" window_size 820 540
sleep 1
shot 01-welcome
check "the greeting is for any computer" text_is title "Ready to tidy up your computer"

check "the greeting's controls are named for screen readers" accessible_everywhere
keys Return
sleep 3
shot 02-scanned
check "after a keyboard scan, the sidebar has the keyboard" sh -c "grep -q '^focus .*sidebarList' '$probe'"
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
keys Tab Tab
check "the keyboard is in the list" sh -c "grep -q '^focus .*<itemList<' '$probe'"
keys Return
check "Return asks first" text_starts confirmationTitle "Move 1 item (1 file and 1 folder, "
keys Return
check "node_modules left its project" wait_for 15 test ! -e "$home/Projects/web/node_modules"
check "the success card offers Undo" wait_for 5 shown undoButton
# Where the card's button appears; the next card appears at the same place.
undo_spot=$(probe_item undoButton)
check "it lies in the freedesktop trash" wait_for 5 test -e "$trash/files/node_modules/react.js"
check "trash-list knows where it came from" trash_lists "$home/Projects/web/node_modules"
check "the container layer's node_modules was never offered" \
    test -e "$home/.local/share/containers/storage/overlay/5e1c/diff/usr/lib/node_modules/npm/x"
sleep 1
shot 04-cleaned
sleep 2

# Ctrl+Z takes the clean back: the folder returns to its project, its record leaves the trash.
keys ctrl+z
check "Ctrl+Z put node_modules back in its project" wait_for 15 test -e "$home/Projects/web/node_modules/react.js"
check "its trash record is gone" wait_for 5 test ! -e "$trash/info/node_modules.trashinfo"
check "trash-list no longer lists it" trash_lacks node_modules
check "the project folder is listed again" wait_for 5 sh -c "grep -q '^item nameLine visible=1 .* text=web/node_modules\$' '$probe'"
# With nothing left to undo, Ctrl+Z does nothing at all.
keys ctrl+z
check "a second Ctrl+Z raises no alert" sh -c "! grep -q '^item alertTitle visible=1' '$probe'"
shot 04b-undone

# Once more, and this time the success card's Undo button takes it back.
keys Tab Tab space
check "the folder is ticked again" text_starts summaryText "1 item selected — "
keys Tab Tab
keys Return
# The card leaves on its own within two seconds unless the pointer rests on it. A user reaches
# for the button while it shows; a slow test machine might not, so the pointer waits there.
point_line "$undo_spot"
keys Return
check "node_modules left its project again" wait_for 15 test ! -e "$home/Projects/web/node_modules"
check "the card comes again with its Undo" wait_for 5 shown undoButton
sleep 2.5
check "the card stays while the pointer rests on it" shown undoButton
shot 04c-card-with-undo
click_item undoButton
pointer_park
check "the card's Undo put it back" wait_for 15 test -e "$home/Projects/web/node_modules/react.js"
check "trash-list holds only what trash-put put there" trash_lists_only "$home/Documents/old-report.pdf"
check "the card went with the clean it celebrated" wait_for 5 sh -c "! grep -q '^item undoButton visible=1' '$probe'"
check "the keyboard is back in the sidebar" sh -c "grep -q '^focus .*sidebarList' '$probe'"
sleep 1

# A third time, taken back by Put Back from the Trash's row menu: the session total drops it,
# and Ctrl+Z, whose clean is now handled, has nothing to say.
keys Tab Tab space Tab Tab Return
keys Return
check "node_modules left its project a third time" wait_for 15 test ! -e "$home/Projects/web/node_modules"
check "the session total counts it" wait_for 5 text_starts cleanedText "Cleaned this session: "
sleep 2.5
# The emptied list sends the keyboard back to the sidebar. Down twice to the Trash.
keys Down Down
check "on the Trash" text_is headerTitle "Trash"
check "the Trash's controls are named for screen readers" accessible_everywhere
# Its warning glow breathes and then rests: idle, the Trash costs nothing.
sleep 8
reading=$(idle_reading 10)
echo "figure: the idle Trash: ${reading% *} frames in 10 s, CPU time ${reading#* } s ($(awk -v c="${reading#* }" 'BEGIN { printf "%.1f", c * 10 }') % of a core)"
check "the idle Trash uses under 2 % of a core" awk -v c="${reading#* }" 'BEGIN { exit !(c < 0.2) }'
click_line "$(grep -m1 '^item nameLine visible=1 .* text=node_modules — from ' "$probe")" 3
check "its menu offers Put Back" wait_for 3 shown putBackItem
shot 04d-put-back-menu
click_item putBackItem
pointer_park
check "Put Back returned node_modules to its project" wait_for 15 test -e "$home/Projects/web/node_modules/react.js"
check "the session total no longer counts it" wait_for 5 sh -c "! grep -q '^item cleanedText visible=1' '$probe'"
keys ctrl+z
sleep 1
check "Ctrl+Z after the Put Back raises no alert" sh -c "! grep -q '^item alertTitle visible=1' '$probe'"
keys Escape
keys Tab Tab space
check "the trashed item is ticked" text_starts summaryText "1 item selected — "
keys Tab Tab
keys Return
check "the question warns" text_starts confirmationTitle "Permanently delete 1 item ("
keys Tab
keys Return
check "the Trash was emptied for good" wait_for 15 sh -c "[ -z \"\$(ls -A '$trash/files')\" ]"
check "the session total counts what was freed" wait_for 5 text_starts cleanedText "Cleaned this session: "
check "its records went with it" wait_for 5 sh -c "[ -z \"\$(ls -A '$trash/info' 2> /dev/null)\" ]"
check "trash-list sees an empty trash" trash_lists_only ""
check "the rest of the home is untouched" test -e "$home/.cache/mozilla/firefox/abc.default/cache2/entries/E1"
sleep 1
shot 05-trash-emptied
check "nothing deleted for good can be undone" sh -c "[ ! -e '$home/.local/state/orvelane/last-clean' ]"

# Never offer this again, from a row's menu; the skipped sheet offers it again.
keys Up Up Up Up Up
check "back on the caches" text_is headerTitle "Application Caches"
check "the Firefox cache is listed" wait_for 5 sh -c "grep -q '^item nameLine visible=1 .* text=Firefox cache\$' '$probe'"
click_line "$(name_line 'Firefox cache')" 3
check "its menu offers Never Offer This Again" wait_for 3 text_is excludeItem "Never Offer This Again"
check "but no Put Back outside the Trash" sh -c "! grep -q '^item putBackItem visible=1' '$probe'"
shot 06-row-menu
click_item excludeItem
check "the cache left the list" wait_for 5 sh -c "! grep -q '^item nameLine visible=1 .* text=Firefox cache\$' '$probe'"
check "the exclusion is kept in the settings" grep -q '^ExcludedPaths=' "$home/.config/Orvelane/Orvelane.conf"
check "the cache itself is untouched" test -e "$home/.cache/mozilla/firefox/abc.default/cache2/entries/E1"
check "the sheet's button counts it" text_starts skippedButton "Protected / Skipped ("
click_item skippedButton
check "the sheet offers it again" wait_for 3 text_is offerAgainButton "Offer Again"
check "excluded by you" sh -c "grep -q '^item skippedExplanation visible=1 .* text=Excluded by you\$' '$probe'"
shot 07-sheet-excluded
click_item offerAgainButton
check "it left the sheet" wait_for 10 sh -c "! grep -q '^item offerAgainButton visible=1' '$probe'"
keys Escape
check "and is listed again" wait_for 10 sh -c "grep -q '^item nameLine visible=1 .* text=Firefox cache\$' '$probe'"
check "the settings no longer exclude it" sh -c "! grep -q '^ExcludedPaths=' '$home/.config/Orvelane/Orvelane.conf'"
shot 08-offered-again

# Never offered again once more, and this time the settings window offers it again, by keyboard.
click_line "$(name_line 'Firefox cache')" 3
check "the menu offers it once more" wait_for 3 text_is excludeItem "Never Offer This Again"
click_item excludeItem
check "the cache left the list again" wait_for 5 sh -c "! grep -q '^item nameLine visible=1 .* text=Firefox cache\$' '$probe'"
pointer_park
main_probe=$probe
probe=$main_probe-settings
keys ctrl+comma
check "Settings opens" wait_for 5 sh -c "xdotool search --onlyvisible --name '^Settings\$' > /dev/null"
check "Settings lists the excluded cache from the home folder" \
    wait_for 5 sh -c "grep -q '^item excludedPath visible=1 .* text=~/.cache/mozilla\$' '$probe'"
check "one path is excluded" [ "$(grep -c '^item excludedPath visible=1' "$probe")" = 1 ]
check "Settings' controls are named for screen readers" accessible_everywhere
check "nothing in Settings is cut off" sh -c "! grep 'truncated=1' '$probe'"
shot 09-settings-excluded
# Tab: the language, then the row's Offer Again; Return presses it.
keys Tab Tab
check "the keyboard is on Offer Again" wait_for 3 sh -c "grep -q '^focus settingsOfferAgainButton<' '$probe'"
keys Return
check "the row left Settings" wait_for 5 sh -c "! grep -q '^item excludedPath visible=1' '$probe'"
check "Settings says nothing is excluded" wait_for 3 shown noExclusionsText
check "the settings file no longer excludes it" sh -c "! grep -q '^ExcludedPaths=' '$home/.config/Orvelane/Orvelane.conf'"
check "the keyboard went on to the weekly tidy" sh -c "grep -q '^focus tidySwitch<' '$probe'"
check "Settings' controls are still named" accessible_everywhere
shot 10-settings-offered-again
keys Escape
check "Escape closes Settings" wait_for 5 sh -c "! xdotool search --onlyvisible --name '^Settings\$' > /dev/null"
probe=$main_probe
check "the cache is offered again" wait_for 10 sh -c "grep -q '^item nameLine visible=1 .* text=Firefox cache\$' '$probe'"

# What the command line excludes while Settings is closed shows when it opens again.
as_user "$(dirname "$app")/orvelane-cli" exclusions add "$home/.var/app/org.gnome.Maps/cache" > /dev/null
probe=$main_probe-settings
keys ctrl+comma
check "Settings lists what the command line excluded" \
    wait_for 5 sh -c "grep -q '^item excludedPath visible=1 .* text=~/.var/app/org.gnome.Maps/cache\$' '$probe'"
keys Escape
probe=$main_probe

# A project left alone for seven months beside the one just worked on; the untouched period is
# changed in the settings file after the window started, as Settings would. Build Artifacts
# says how long each project has slept, and Select Untouched, pressed by the keyboard, ticks
# only the sleeping project's folder.
quit_app() { keys ctrl+q; wait_for 10 sh -c "! kill -0 $app_pid 2> /dev/null"; }
check "Ctrl+Q ends the first session" quit_app
make_file Projects/atlas/node_modules/lodash.js 6M
echo '{}' > "$home/Projects/atlas/package.json"
touch -d '210 days ago' "$home/Projects/atlas/package.json"
app_start "$app" "$home" en || { echo "FAIL: no main window the second time"; cat "$root/app.log"; exit 1; }
echo 'UntouchedDays=180' >> "$home/.config/Orvelane/Orvelane.conf"
check "the window is 820 × 540 again" window_size 820 540
keys Return
sleep 3
keys Down Down Down
check "on Build Artifacts" text_is headerTitle "Build Artifacts"
# row_ticked NAME 0|1: the row showing NAME is ticked (1) or not (0).
row_ticked() { grep -m1 "^item itemCheckBox visible=1 .* text=$1\$" "$probe" | grep -q " checked=$2 "; }
row_says() { grep -q "^item $1 visible=1 .* text=$2" "$probe"; }
check "the sleeping project's row says so" row_says modifiedLine "Project untouched for 7 months"
check "the fresh project's row tells of this week's work" \
    row_says reasonLine "You worked on this project this week — rebuilding costs time"
check "the button reads the period the settings now give" \
    text_is selectUntouchedButton "Select Untouched for 6 Months"
keys Tab Tab
check "Tab reaches Select Untouched" focus_first selectUntouchedButton
shot 11-untouched-before
keys Return
check "Return ticks one folder" text_starts summaryText "1 item selected — "
check "… the sleeping project's" row_ticked atlas/node_modules 1
check "… not the fresh one's" row_ticked web/node_modules 0
check "the build folders' controls are named for screen readers" accessible_everywhere
shot 12-untouched-selected

if grep -E "qrc:/|TypeError|ReferenceError" "$root/app.log"; then
    echo "FAIL: QML reported errors"
    failures=$((failures + 1))
fi
[ "$failures" -eq 0 ] && echo "journey complete" || { echo "$failures checks failed"; cat "$root/app.log"; }
exit $((failures > 0))
