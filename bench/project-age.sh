#!/usr/bin/env bash
# The cost of dating each build folder's project: a full scan and a devArtifacts scan of a home of
# 50 projects (sources, tests and docs beside node_modules, Cargo targets and virtual
# environments), timed with hyperfine against a build without the project dates; then the
# tidy's run time on the same home (a dry run, and one real run on a copy).
#
#   bench/project-age.sh CLI [BASELINE_CLI] [RUNS]
#
# CLI and BASELINE_CLI are orvelane-cli programs (the baseline: one built from the commit
# before the project dates). The home is generated once under ${ORVELANE_BENCH_DIR:-/tmp/orvelane-bench}.
set -euo pipefail

cli=$(realpath "$1")
baseline=${2:+$(realpath "$2")}
runs=${3:-10}
work=${ORVELANE_BENCH_DIR:-/tmp/orvelane-bench}
home=$work/home-50-projects
export ORVELANE_LAYOUT=linux

if [ ! -d "$home" ]; then
    echo "Generating a home of 50 projects in $home"
    python3 - "$home" <<'PY'
import os, random, sys, time
home = sys.argv[1]
rnd = random.Random(50)
now = time.time()
def write(path, size, age_days):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(b"x" * size)
    t = now - age_days * 86400
    os.utime(path, (t, t))
def sources(project, files, age):
    for i in range(files):
        sub = ["src", "src/core", "src/ui/views", "tests", "tests/unit", "docs"][i % 6]
        write(f"{project}/{sub}/file{i}.txt", rnd.randrange(200, 6000), age + rnd.random() * 30)
for p in range(50):
    age = [1, 20, 120, 400][p % 4]
    kind = ["node", "cargo", "python"][p % 3]
    project = f"{home}/code/project-{p}"
    sources(project, 150, age)
    if kind == "node":
        write(f"{project}/package.json", 800, age)
        for i in range(1500):
            write(f"{project}/node_modules/pkg{i // 15}/lib/m{i}.js", rnd.randrange(100, 8000), age)
    elif kind == "cargo":
        write(f"{project}/Cargo.toml", 400, age)
        for i in range(600):
            write(f"{project}/target/debug/deps/unit{i}.o", rnd.randrange(1000, 40000), age)
    else:
        write(f"{project}/pyproject.toml", 400, age)
        write(f"{project}/.venv/pyvenv.cfg", 100, age)
        for i in range(1000):
            write(f"{project}/.venv/lib/python3.11/site-packages/pkg{i // 20}/m{i}.py", rnd.randrange(100, 9000), age)
for i in range(5000):
    write(f"{home}/Documents/folder{i // 250}/note{i}.md", rnd.randrange(100, 4000), 200)
for i in range(3000):
    write(f"{home}/.cache/app{i // 300}/blob{i}", rnd.randrange(100, 20000), 60 if i % 2 else 2)
for i in range(200):
    write(f"{home}/.npm/_cacache/content-v2/{i % 16}/e{i}", 3000, 45)
# Folders as old as what they hold, as after an install or a download long ago.
for top in (f"{home}/code", f"{home}/.cache", f"{home}/.npm", f"{home}/Documents"):
    for folder, _, _ in sorted(os.walk(top), key=lambda w: -len(w[0])):
        newest = max((os.lstat(os.path.join(folder, n)).st_mtime for n in os.listdir(folder)), default=now)
        os.utime(folder, (newest, newest))
PY
fi
echo "$(find "$home" | wc -l) entries in $home"

commands=(-n "scan devArtifacts" "HOME='$home' '$cli' scan --json devArtifacts > /dev/null"
          -n "scan (all)" "HOME='$home' '$cli' scan --json > /dev/null")
if [ -n "$baseline" ]; then
    commands+=(-n "scan devArtifacts, no project dates" "HOME='$home' '$baseline' scan --json devArtifacts > /dev/null"
               -n "scan (all), no project dates" "HOME='$home' '$baseline' scan --json > /dev/null")
fi
hyperfine --warmup 2 --runs "$runs" --export-json "$work/project-age-times.json" "${commands[@]}"
hyperfine --warmup 1 --runs "$runs" -i -n "tidy --dry-run --build-folders" \
    "HOME='$home' XDG_CONFIG_HOME='$work/tidy-config' '$cli' tidy --dry-run --json --build-folders > /dev/null"

# One real tidy, on a copy: it changes the home it runs in.
rm -rf "$work/tidy-home" && cp -a "$home" "$work/tidy-home"
start=$(date +%s.%N)
HOME="$work/tidy-home" XDG_CONFIG_HOME="$work/tidy-home/.config" "$cli" tidy --build-folders > "$work/tidy-run.txt" || true
echo "tidy (real run, build folders included): $(echo "$(date +%s.%N) - $start" | bc) s — $(head -n 1 "$work/tidy-run.txt")"
rm -rf "$work/tidy-home"
