#!/usr/bin/env bash
# Times a full `orvelane-cli scan --json` on a synthetic home against GNU `du -s` over the same
# candidate paths, and against gdu and ncdu over the whole home; reports medians of warm runs,
# ratios, and the scan's peak memory.
#
#   bench/run-scan-comparison.sh [ENTRIES] [RUNS]     (defaults: 200000 entries, 7 runs)
#
# The home is generated once per size under ${ORVELANE_BENCH_DIR:-/tmp/orvelane-bench}.
set -euo pipefail
source "$(dirname "$0")/../scripts/common.sh"

entries="${1:-200000}"
runs="${2:-7}"
work="${ORVELANE_BENCH_DIR:-/tmp/orvelane-bench}"
home="$work/home-$entries"
build="$ORVELANE_ROOT/build-bench"

ORVELANE_PACKAGES+=(hyperfine gdu ncdu time python3)
orvelane_install_packages
CMAKE_BUILD_TYPE=Release orvelane_build "$build" -DORVELANE_BUILD_BENCHMARKS=ON -DORVELANE_BUILD_TESTS=OFF
cli="$build/bin/orvelane-cli"
# The synthetic home has the macOS shape (Library folder, Library/pnpm/store): scan it with the
# layout it was made for, so that figures stay comparable. ORVELANE_LAYOUT=linux times the
# freedesktop layout's rows on the same tree.
export ORVELANE_LAYOUT="${ORVELANE_LAYOUT:-macos}"

if [ ! -d "$home" ]; then
  echo "Generating a synthetic home of $entries entries in $home"
  "$build/bench/orvelane-synthetic-home" "$home" "$entries"
fi

# The candidate paths of this home, as the scan itself lists them (items and skipped paths).
HOME="$home" "$cli" scan --json > "$work/scan-$entries.json"
python3 - "$work/scan-$entries.json" "$work/candidates-$entries" <<'PY'
import json, sys
doc = json.load(open(sys.argv[1]))
with open(sys.argv[2], "wb") as out:
    for category in doc["categories"]:
        for entry in category["items"] + category["skipped"]:
            raw = bytes.fromhex(entry["pathBytes"]) if "pathBytes" in entry else entry["path"].encode()
            out.write(raw + b"\0")
PY
count=$(tr -cd '\0' < "$work/candidates-$entries" | wc -c)
echo "$count candidate paths; $(find "$home" | wc -l) entries in the home; layout $ORVELANE_LAYOUT"

hyperfine --warmup 2 --runs "$runs" --ignore-failure --export-json "$work/times-$entries.json" \
  -n "orvelane-cli scan" "HOME='$home' '$cli' scan --json > /dev/null" \
  -n "du -s (candidates)" "du -s --files0-from='$work/candidates-$entries' > /dev/null" \
  -n "du -s (whole home)" "du -s '$home' > /dev/null" \
  -n "gdu (whole home)" "gdu -n -p -c '$home' > /dev/null" \
  -n "ncdu (whole home)" "ncdu -0 -o /dev/null '$home'"

rss=$(HOME="$home" /usr/bin/time -v "$cli" scan --json 2>&1 >/dev/null | awk -F': ' '/Maximum resident/ {print $2}')

python3 - "$work/times-$entries.json" "$rss" "$entries" <<'PY'
import json, sys
results = {r["command"]: r["median"] for r in json.load(open(sys.argv[1]))["results"]}
ours = results["orvelane-cli scan"]
print(f"\nMedians over warm runs, {sys.argv[3]} entries:")
for name, median in results.items():
    print(f"  {name:22s} {median*1000:9.1f} ms   orvelane/this = {ours/median:5.2f}")
print(f"  orvelane-cli peak RSS: {int(sys.argv[2])/1024:.1f} MiB")
PY
