#!/usr/bin/env bash
# bench.sh [RUNS]: builds the benchmark programs (Release, in build/bench-release) and runs them all:
# start-up and peak memory of the real window against a Qt window of the same size and flags with one
# label (the anchor) and with nothing in it, under Xvfb and offscreen, RUNS times each (default 11), alternating; click to repaint under Xvfb;
# the count engine; the chart decode. Prints one Markdown table: each figure, its target, whether met.
source "$(dirname "$0")/lib.sh"
runs=${1:-11}
build=build/bench-release

bash scripts/deps.sh bench
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DSHOEWISE_BUILD_BENCH=ON >/dev/null
cmake --build "$build" --target bench_startup_shoewise bench_startup_bare bench_click_repaint bench_engine bench_chart \
    >/dev/null
bin=$root/$build/bench

# A private X display and session bus, and a work folder ($work), all ended with the script.
source tests/desktop/session.sh
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

echo "start-up: $runs runs of each program per platform..." >&2
for platform in xcb offscreen; do
    for i in $(seq "$runs"); do
        # The order turns every run, so no program always runs right after another.
        case $((i % 3)) in
        0) order="bare label shoewise" ;;
        1) order="shoewise bare label" ;;
        2) order="label shoewise bare" ;;
        esac
        for name in $order; do
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

# median PLATFORM NAME KEY: the median of KEY over that program's start-up runs.
median() {
    grep "^$1 $2 " "$work/startup" | grep -o " $3=[-0-9.]*" | cut -d= -f2 | sort -g \
        | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'
}
# field FILE PREFIX KEY: KEY of the first line of FILE that starts with PREFIX.
field() { grep -m1 "^$2" "$1" | grep -o " $3=[^ ]*" | cut -d= -f2; }
# verdict VALUE LIMIT: "yes" when VALUE <= LIMIT.
verdict() { awk -v v="$1" -v l="$2" 'BEGIN {print (v <= l) ? "yes" : "**no**"}'; }
row() { printf '| %s | %s | %s | %s |\n' "$@"; }

flags_real=$(grep ' shoewise ' "$work/startup" | grep -o 'flags=[^ ]*' | sort -u)
flags_bare=$(grep ' bare ' "$work/startup" | grep -o 'flags=[^ ]*' | sort -u)
if [[ "$flags_real" != "$flags_bare" ]]; then
    echo "The bare window's flags ($flags_bare) differ from the real one's ($flags_real)." >&2
    exit 1
fi

echo
echo "Shoewise benchmarks, $(date +%F), $(nproc) cores, Qt $(qtpaths6 --qt-version 2>/dev/null || echo 6), median of $runs runs."
echo
row "figure" "measured" "target" "met"
row "---" "---" "---" "---"
# against PLATFORM KEY ANCHOR WHAT UNIT TARGET: one row setting the real window's median of KEY against
# the ANCHOR program's, with the target ratio (or "—" for none).
against() {
    local platform=$1 key=$2 anchor=$3 what=$4 unit=$5 target=$6 real base scale=1 ratio name
    real=$(median "$platform" shoewise "$key")
    base=$(median "$platform" "$anchor" "$key")
    [[ $unit == MiB ]] && scale=1024
    ratio=$(awk -v a="$real" -v b="$base" 'BEGIN {printf "%.2f", a / b}')
    name=$([[ $anchor == label ]] && echo "one-label window" || echo "empty window")
    row "$what" "$(awk -v a="$real" -v b="$base" -v s="$scale" -v u="$unit" -v n="$name" -v r="$ratio" \
        'BEGIN {printf "%.1f %s; %s %.1f %s; **%s×**", a / s, u, n, b / s, u, r}')" \
        "$([[ $target == — ]] && echo — || echo "≤ $target× the one-label window")" \
        "$([[ $target == — ]] && echo — || verdict "$ratio" "$target")"
}
for platform in xcb offscreen; do
    where=$([[ $platform == xcb ]] && echo "Xvfb" || echo "offscreen")
    # The targets hold on a real display; offscreen, with no display to talk to, is shown for comparison.
    time_target=$([[ $platform == xcb ]] && echo 1.35 || echo —)
    rss_target=$([[ $platform == xcb ]] && echo 1.10 || echo —)
    # The window with one label is the least any Qt window with text pays; the empty one is shown too.
    against "$platform" start_to_frame_ms label "start-up, $where: process start → first frame" ms "$time_target"
    against "$platform" start_to_frame_ms bare "start-up, $where: process start → first frame" ms —
    against "$platform" exec_to_frame_ms label "start-up, $where: event loop start → first frame" ms —
    against "$platform" peak_rss_kib label "peak RSS, $where" MiB "$rss_target"
    against "$platform" peak_rss_kib bare "peak RSS, $where" MiB —
done

while read -r line; do
    get() { grep -o " $1=[^ ]*" <<<"$line" | cut -d= -f2; }
    med=$(get median_us)
    p99=$(get p99_us)
    met=$(awk -v m="$med" -v p="$p99" -v t="$(get timeouts)" \
        'BEGIN {print (m <= 1000 && p <= 3000 && t == 0) ? "yes" : "**no**"}')
    row "click → repaint, $(get family) ($(get page) $(get button)), Xvfb" \
        "$(awk -v m="$med" -v p="$p99" -v n="$(get clicks)" -v h="$(get handler_median_us)" \
            -v cm="$(get cpu_median_us)" -v cp="$(get cpu_p99_us)" \
            'BEGIN {printf "median %.3f ms, p99 %.3f ms over %d clicks (processor time of the program: median %.3f ms, p99 %.3f ms; click handler alone: median %.3f ms)", m / 1000, p / 1000, n, cm / 1000, cp / 1000, h / 1000}')" \
        "median ≤ 1 ms, p99 ≤ 3 ms" "$met"
done <"$work/click"

# The engine's CSV: name,iterations,real_time,cpu_time,time_unit,...,allocs_per_op (last column).
while IFS=, read -r name _ real _ unit rest; do
    name=${name//\"/}
    [[ $name == *_median ]] || continue
    allocs=${rest##*,}
    ns=$(awk -v t="$real" -v u="$unit" 'BEGIN {f = (u == "us") ? 1000 : (u == "ms") ? 1e6 : 1; printf "%.1f", t * f}')
    met=$(awk -v t="$ns" -v a="$allocs" 'BEGIN {print (t <= 1000 && a == 0) ? "yes" : "**no**"}')
    row "engine: ${name%_median} on a full 416-card track" "$ns ns, $allocs heap allocations per call" \
        "≤ 1000 ns, 0 allocations" "$met"
done < <(sed 's|/iterations:[0-9]*/manual_time||' "$work/engine")

row "chart: one decode of the embedded JPEG ($(field "$work/chart" chart width)×$(field "$work/chart" chart height))" \
    "$(field "$work/chart" chart decode_median_ms) ms (median of 51); first paint with it $(field "$work/chart" chart first_paint_ms) ms, later paints $(field "$work/chart" chart repaint_median_ms) ms" \
    "—" "—"
decodes=$(field "$work/chart" chart decodes)
row "chart: decodes after $(field "$work/chart" chart paints) paints of one panel" "$decodes" "1" \
    "$([[ $decodes == 1 ]] && echo yes || echo '**no**')"
