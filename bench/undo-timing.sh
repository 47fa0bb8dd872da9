#!/usr/bin/env bash
# How long `orvelane-cli clean` and `undo` take for 1,000 items (installers in Downloads, one
# small file each), in a fake home under a temporary folder: the journal is written once per
# clean and read, pruned and rewritten twice per undo, under its lock.
#   bench/undo-timing.sh [build-dir] [items]
set -euo pipefail
build=${1:-build}
items=${2:-1000}
cli=$(realpath "$build/bin/orvelane-cli")
command -v hyperfine >/dev/null || { echo "hyperfine is needed (apt-get install hyperfine)" >&2; exit 1; }
top=$(mktemp -d /tmp/orvelane-undo-bench-XXXXXX)
trap 'rm -rf "$top"' EXIT
export HOME="$top/home" XDG_DATA_HOME="$top/home/.local/share" XDG_STATE_HOME="$top/home/.local/state"
export XDG_CONFIG_HOME="$top/home/.config" XDG_CACHE_HOME="$top/home/.cache" ORVELANE_LAYOUT=linux
mkdir -p "$HOME/Downloads"
for i in $(seq 1 "$items"); do printf 'x' > "$HOME/Downloads/setup-$i.deb"; done
"$cli" scan --json downloads > "$top/scan.json"
paths=("$HOME"/Downloads/*.deb)
printf '%s\n' "${paths[@]}" > "$top/paths"
clean="xargs -d '\n' -a '$top/paths' '$cli' clean --from '$top/scan.json' downloads --"
hyperfine --warmup 1 --runs 10 --prepare "$cli undo --all >/dev/null 2>&1 || true" "$clean" \
    --command-name "clean of $items items"
"$cli" undo --all >/dev/null # the last clean measured above
hyperfine --warmup 1 --runs 10 --prepare "$clean >/dev/null" "$cli undo" --command-name "undo of $items items"
