#!/bin/bash
# systemd reads the weekly tidy's user units as built (the service names the built orvelane-cli)
# and finds nothing wrong: their settings, the program they run, the manual they point to.
# Nothing is installed or enabled; the check runs in a manager of its own, in a temporary folder.
# Usage: systemd_units_test.sh <folder of the built units> <folder of the built manual pages>
# Exits 77 (skipped) where systemd is absent.
set -u
units=$1
pages=$2
if ! command -v systemd-analyze > /dev/null; then
    echo "SKIP: systemd-analyze is not installed (no systemd here)"
    exit 77
fi
root=$(mktemp -d /tmp/orvelane-units-XXXXXX)
trap 'rm -rf "$root"' EXIT
mkdir -p "$root/runtime" "$root/man/man1"
chmod 700 "$root/runtime"
cp "$pages/orvelane-cli.1" "$root/man/man1/"
cp "$units/orvelane-tidy.service" "$units/orvelane-tidy.timer" "$root/"
if ! XDG_RUNTIME_DIR="$root/runtime" MANPATH="$root/man" \
    systemd-analyze verify --user "$root/orvelane-tidy.service" "$root/orvelane-tidy.timer" > "$root/verify.txt" 2>&1; then
    cat "$root/verify.txt"
    echo "FAIL: systemd-analyze verify --user finds fault with the units"
    exit 1
fi
if [ -s "$root/verify.txt" ]; then
    cat "$root/verify.txt"
    echo "FAIL: systemd-analyze verify --user has remarks"
    exit 1
fi
# The timer runs the service it is named after, which runs the tidy as the timer's run.
exec_start=$(sed -n 's/^ExecStart=//p' "$root/orvelane-tidy.service")
if ! [ -x "${exec_start%% *}" ] || [ "${exec_start#* }" != "tidy --scheduled" ]; then
    echo "FAIL: the service runs '$exec_start', not the built orvelane-cli's scheduled tidy"
    exit 1
fi
echo "ok: systemd-analyze verify --user accepts orvelane-tidy.service and orvelane-tidy.timer"
