# Shared by the installation tests. Sourced, not executed.

failures=0
check() { # description, command...
    local what=$1
    shift
    if "$@"; then echo "ok: $what"; else echo "FAIL: $what"; failures=$((failures + 1)); fi
}
wait_for() { # seconds, command...: polls until the command succeeds
    local limit=$1
    shift
    for _ in $(seq $((limit * 5))); do "$@" && return 0; sleep 0.2; done
    return 1
}
jq_true() { jq -e "$@" > /dev/null; } # jq arguments: whether the filter yields true
lacks() { ! grep -qF "$1" "$2"; } # text, file

require_tools() { # exits 77 (skipped) when a tool is missing
    local tool
    for tool in "$@"; do
        command -v "$tool" > /dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
    done
}
finish() {
    [ "$failures" -eq 0 ] && echo "all checks passed" || echo "$failures checks failed"
    exit $((failures > 0))
}

# A throw-away home for every program the test starts; Mesa and Qt keep caches under it too, so
# nothing lands in the real home.
make_fake_home() { # folder
    fake_home=$1
    mkdir -p "$fake_home/.config" "$fake_home/.cache" "$fake_home/.local/share" "$fake_home/.local/state"
    export HOME=$fake_home XDG_CONFIG_HOME=$fake_home/.config XDG_CACHE_HOME=$fake_home/.cache
    export XDG_DATA_HOME=$fake_home/.local/share MESA_SHADER_CACHE_DIR=$fake_home/.cache/mesa
    # The record of the last clean lives here: never the real one.
    export XDG_STATE_HOME=$fake_home/.local/state
    export LANG=C.UTF-8 LC_ALL=C.UTF-8 QT_QUICK_CONTROLS_STYLE=Basic
    unset LANGUAGE
}

# Starts a program in the background; sets app_pid. The caller's EXIT trap stops it.
app_pid=
start_app() { # log file, program and arguments...
    local log=$1
    shift
    "$@" > "$log" 2>&1 &
    app_pid=$!
}
stop_app() {
    [ -n "$app_pid" ] && kill "$app_pid" 2> /dev/null
    wait "$app_pid" 2> /dev/null
    app_pid=
}
main_window() { xdotool search --onlyvisible --name '^Orvelane$' 2> /dev/null | head -n 1; }
has_main_window() { [ -n "$(main_window)" ]; }

# The files a running process has mapped: executables, libraries, plugins, QML modules and the
# string tables it opened.
mapped_files() { # pid
    awk '$6 ~ /^\// { print $6 }' "/proc/$1/maps" | sort -u
}

# "WxH" for every image in a window's _NET_WM_ICON (width, height, then width × height pixels).
window_icon_sizes() { # window id
    xprop -id "$1" -len 100000000 -notype 32c _NET_WM_ICON | sed 's/^[^=]*= *//' | tr -d ' ' | tr ',' '\n' |
        awk 'NF { v[n++] = $1 } END { i = 0; while (i + 1 < n) { print v[i] "x" v[i + 1]; i += 2 + v[i] * v[i + 1] } }'
}

# Width and height of a PNG, from its header.
png_size() { # file
    od -An -tu1 -j16 -N8 "$1" | awk '{ printf "%dx%d\n", (($1 * 256 + $2) * 256 + $3) * 256 + $4, (($5 * 256 + $6) * 256 + $7) * 256 + $8 }'
}
