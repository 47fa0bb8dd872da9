# Sourced by the end-to-end journey and the idle benchmark: a window manager inside the running
# X server, the real orvelane binary on a throw-away home, and readings of what its window shows
# (through the probe the binary writes when ORVELANE_PROBE names a file).
# Expects: $root (a scratch folder the caller removes). Sets: app_pid, app_window, probe.
# Also the checks both journeys make (wait_for, check, keys, text_is and the like).

wm_pid=
app_pid=
app_window=
probe=

# Polls until the command succeeds: wait_for SECONDS COMMAND...
wait_for() {
    local limit=$1
    shift
    for _ in $(seq $((limit * 5))); do "$@" && return 0; sleep 0.2; done
    return 1
}

# The journeys' checks: check DESCRIPTION COMMAND... counts a failure in $failures.
check() {
    local what=$1
    shift
    if "$@"; then echo "ok: $what"; else echo "FAIL: $what"; failures=$((failures + 1)); fi
}
keys() { xdotool key --delay 120 "$@"; sleep 0.6; }
shown() { [ "$(probe_field "$1" visible)" = 1 ]; }
# Text checks say what they found when it was something else.
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

# openbox, with a home of its own so that it reads and writes nothing of the real one.
session_start_window_manager() {
    mkdir -p "$root/wm"
    HOME=$root/wm XDG_CONFIG_HOME=$root/wm/.config XDG_CACHE_HOME=$root/wm/.cache openbox --sm-disable \
        > "$root/openbox.log" 2>&1 &
    wm_pid=$!
    wait_for 10 sh -c "xprop -root _NET_SUPPORTING_WM_CHECK 2> /dev/null | grep -q 'window id'"
}

# app_start BINARY HOME LANGUAGE ("en", "tr"): starts the app and waits for its window.
app_start() {
    local binary=$1 home=$2 language=$3
    mkdir -p "$home/.config/Orvelane"
    printf '[General]\nAppLanguage=%s\n' "$language" > "$home/.config/Orvelane/Orvelane.conf"
    probe=$root/probe-$language.txt
    rm -f "$probe"
    pointer_park
    HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share XDG_CACHE_HOME=$home/.cache \
        XDG_STATE_HOME=$home/.local/state \
        QT_QUICK_CONTROLS_STYLE=Basic ORVELANE_PROBE=$probe "$binary" >> "$root/app.log" 2>&1 &
    app_pid=$!
    # One search gives the id: a second one may come back empty while the window manager unmaps
    # the window to frame it, and an empty id sends every later move and click to the root window.
    app_window=
    for _ in $(seq 100); do
        app_window=$(main_window_id) && break
        sleep 0.2
    done
    [ -n "$app_window" ] || return 1
    wait_for 10 window_is_framed || return 1
    wait_for 10 test -s "$probe"
}

# Wherever the window manager places the window, the pointer must not rest on it by chance: a
# resting pointer holds the success card and takes hover, and that differed between machines.
# The screen's far corner lies outside any window short of a maximised one.
pointer_park() {
    local size
    size=$(xdotool getdisplaygeometry)
    xdotool mousemove "$(( ${size% *} - 1 ))" "$(( ${size#* } - 1 ))"
}

main_window_id() { xdotool search --onlyvisible --name '^Orvelane$' 2> /dev/null | head -1 | grep .; }

window_is_framed() { xprop -id "$app_window" _NET_FRAME_EXTENTS 2> /dev/null | grep -q ' = '; }

app_running() { kill -0 "$app_pid" 2> /dev/null; }

# The client area (without openbox's frame) at the given size, or maximised and back.
# window_size fails unless the window itself then reports that size.
window_size() { xdotool windowsize "$app_window" "$1" "$2" && wait_for 5 window_reads "$1" "$2" && sleep 0.5; }
window_reads() { [ "$(probe_window)" = "$1 $2" ]; }
window_maximise() { wmctrl -i -r "$app_window" -b add,maximized_vert,maximized_horz; sleep 1.5; }
window_restore() { wmctrl -i -r "$app_window" -b remove,maximized_vert,maximized_horz; sleep 1; }

# Probe readings. An item line reads: item NAME visible=1 x= y= w= h= [truncated=] [checked=]
# enabled= [text=…]; the first item of a name counts.
probe_item() { grep -m1 "^item $1 " "$probe"; }
probe_field() { probe_item "$1" | grep -o " $2=[^ ]*" | head -1 | cut -d= -f2; }
probe_text() { probe_item "$1" | sed -n 's/.* text=//p'; }
probe_frames() { sed -n 's/^frames //p' "$probe"; }
probe_window() { sed -n 's/^window //p' "$probe"; }
probe_focus() { sed -n 's/^focus //p' "$probe"; }
# focus_first NAME: the keyboard is on the item of that name.
focus_first() { case "$(probe_focus)" in "$1<"*) return 0 ;; esac; return 1; }
# Every shown control a user can act on has an accessible role and name (the probe walks the
# whole tree, dialogs and menus included); names those that do not.
accessible_everywhere() {
    local counts
    counts=$(sed -n 's/^accessible //p' "$probe")
    [ -n "$counts" ] && [ "${counts#* unnamed }" = 0 ] && [ "${counts%% *}" -gt 0 ] && return 0
    echo "   $counts"
    sed -n 's/^unnamed /   unnamed: /p' "$probe"
    return 1
}

# CPU time the app has used, in clock ticks (user + system).
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$app_pid/stat"; }

# idle_reading SECONDS: prints "<frames drawn> <cpu seconds>" over that many seconds of rest.
idle_reading() {
    local seconds=$1 frames0 ticks0 frames1 ticks1
    frames0=$(probe_frames)
    ticks0=$(cpu_ticks)
    sleep "$seconds"
    frames1=$(probe_frames)
    ticks1=$(cpu_ticks)
    awk -v f="$((frames1 - frames0))" -v t="$((ticks1 - ticks0))" -v hz="$(getconf CLK_TCK)" \
        'BEGIN { printf "%d %.2f\n", f, t / hz }'
}

# Ends the app if it still runs, and the window manager.
session_stop() {
    if [ -n "$app_pid" ] && app_running; then
        kill "$app_pid" 2> /dev/null
        wait "$app_pid" 2> /dev/null || true
    fi
    [ -n "$wm_pid" ] && kill "$wm_pid" 2> /dev/null
    wait 2> /dev/null || true
    app_pid=
    wm_pid=
    return 0
}
