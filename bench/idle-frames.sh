#!/usr/bin/env bash
# Frames drawn and CPU time used by the real window over 10 s of rest, under Xvfb and openbox:
# the welcome before a scan, a scanned category, the Trash and the missing-access notice (whose
# warning glows breathe a few times when they appear and then rest). Nothing may draw while the
# user does nothing.
#
#   bench/idle-frames.sh [orvelane binary]      (default: build/bin/orvelane, built if missing)
#
# Xvfb has no vertical sync: an animating window there draws as fast as it can.
set -euo pipefail
[ -n "${ORVELANE_BENCH_TRACE:-}" ] && set -x
source "$(dirname "$0")/../scripts/common.sh"

app="${1:-$ORVELANE_ROOT/build/bin/orvelane}"
if [ ! -x "$app" ]; then
  orvelane_install_packages
  orvelane_build "$ORVELANE_ROOT/build"
fi
if [ -z "${ORVELANE_BENCH_IN_X:-}" ]; then
  ORVELANE_BENCH_IN_X=1 exec xvfb-run -a -s "-screen 0 1440x900x24" "$0" "$app"
fi

root=$(mktemp -d /tmp/orvelane-idle-XXXXXX)
source "$ORVELANE_ROOT/tests/e2e/session.sh"
trap 'session_stop; rm -rf "$root"' EXIT

report() { # what
  local reading frames cpu
  reading=$(idle_reading 10)
  frames=${reading% *}
  cpu=${reading#* }
  awk -v what="$1" -v f="$frames" -v c="$cpu" \
    'BEGIN { printf "%-44s %6.1f frames/s   CPU %5.2f s in 10 s (%4.1f %% of a core)\n", what, f / 10, c, c * 10 }'
}

session_start_window_manager

# The freedesktop layout, whatever the caller's environment says: its Trash is the sixth row.
export ORVELANE_LAYOUT=linux
home=$root/home
mkdir -p "$home/.cache/com.example.browser" "$home/.local/share/Trash/files"
fallocate -l 12M "$home/.cache/com.example.browser/cache.db"
fallocate -l 2M "$home/.local/share/Trash/files/old-report.pdf"
app_start "$app" "$home" en
window_size 820 540
sleep 2
report "welcome, before any scan"
xdotool key Return
sleep 4
report "Application Caches, scanned"
xdotool key Down Down Down Down Down
sleep 8
[ "$(probe_text headerTitle)" = Trash ] || { echo "the sixth row is not the Trash: $(probe_text headerTitle)" >&2; exit 1; }
report "Trash (its warning glow settled)"
session_stop

# Missing access: a Trash that cannot be listed.
home=$root/home-no-access
mkdir -p "$home/.local/share/Trash"
touch "$home/.local/share/Trash/files"
session_start_window_manager
app_start "$app" "$home" en
window_size 820 540
xdotool key Return
sleep 8
report "missing-access notice (its glow settled)"
