#!/usr/bin/env bash
# bench.sh [RUNS]: builds the benchmark programs (the bench preset: Release, in build/bench) and runs
# them all: start-up and peak memory of the real window against a Qt window of the same size and flags
# with one label (the anchor) and with nothing in it, under Xvfb and offscreen, RUNS times each
# (default 11), alternating; click to repaint under Xvfb;
# the count engine; the chart decode. Prints one Markdown table (bench/report.py): each figure, its
# target (bench/targets.json), whether met.
source "$(dirname "$0")/lib.sh"
cd "$root"
runs=${1:-11}
build=build/bench

bash scripts/deps.sh bench
cmake --preset bench >/dev/null
cmake --build "$build" --target bench_startup_shoewise bench_startup_bare bench_click_repaint bench_engine bench_chart \
    >/dev/null
bin=$root/$build/bench

# A private X display and session bus, and a work folder ($work), all ended with the script.
begin_session
start_x 1280x800
start_bus

# One start-up run: "<platform> <name> <figures>" appended to $work/startup. The launch time is taken
# by the shell itself, without a fork, so the program can count its own loading.
startup() {
    local platform=$1 name=$2
    shift 2
    local line
    line=$(QT_QPA_PLATFORM=$platform SHOEWISE_BENCH_LAUNCH_US=${EPOCHREALTIME/./} "$@")
    echo "$platform $name $line" >>"$work/startup"
}

names=(bare label shoewise)
echo "start-up: $runs runs of each program per platform..." >&2
for platform in xcb offscreen; do
    for i in $(seq "$runs"); do
        # The order turns every run, so no program always runs right after another.
        for name in "${names[@]:i%3}" "${names[@]:0:i%3}"; do
            case $name in
            bare) startup "$platform" bare "$bin/bench_startup_bare" ;;
            label) startup "$platform" label "$bin/bench_startup_bare" --label ;;
            shoewise) startup "$platform" shoewise "$bin/bench_startup_shoewise" ;;
            esac
        done
    done
done

echo "click to repaint..." >&2
QT_QPA_PLATFORM=xcb "$bin/bench_click_repaint" >"$work/click"
echo "engine..." >&2
"$bin/bench_engine" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true --benchmark_format=csv \
    2>/dev/null >"$work/engine"
echo "chart..." >&2
QT_QPA_PLATFORM=offscreen "$bin/bench_chart" >"$work/chart"

python3 bench/report.py "$work" bench/targets.json "$runs"
