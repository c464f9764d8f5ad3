#!/usr/bin/env python3
"""report.py WORK TARGETS RUNS: the Markdown table of scripts/bench.sh, from the figures the benchmark
programs left in WORK (startup, click, engine, chart) and the targets in TARGETS (bench/targets.json)."""

import csv
import json
import os
import re
import statistics
import subprocess
import sys
from datetime import date


def fields(line):
    """The key=value words of a line, as a dict."""
    return dict(word.split("=", 1) for word in line.split() if "=" in word)


def row(*cells):
    print("| " + " | ".join(str(cell) for cell in cells) + " |")


def met(ok):
    return "yes" if ok else "**no**"


def main():
    work, targets_path, runs = sys.argv[1], sys.argv[2], sys.argv[3]
    with open(targets_path, encoding="utf-8") as f:
        targets = json.load(f)

    startup = {}  # (platform, program) -> list of figure dicts
    with open(os.path.join(work, "startup"), encoding="utf-8") as f:
        for line in f:
            platform, program, rest = line.split(" ", 2)
            startup.setdefault((platform, program), []).append(fields(rest))
    flags = {program: {r["flags"] for (_, p), rs in startup.items() if p == program for r in rs}
             for program in ("shoewise", "bare")}
    if flags["shoewise"] != flags["bare"]:
        sys.exit(f"The bare window's flags ({flags['bare']}) differ from the real one's ({flags['shoewise']}).")

    def median(platform, program, key):
        return statistics.median(float(r[key]) for r in startup[(platform, program)])

    try:
        qt = subprocess.run(["qtpaths6", "--qt-version"], capture_output=True, text=True, check=True).stdout.strip()
    except (OSError, subprocess.CalledProcessError):
        qt = "6"
    print()
    print(f"Shoewise benchmarks, {date.today()}, {os.cpu_count()} cores, Qt {qt}, median of {runs} runs.")
    print()
    row("figure", "measured", "target", "met")
    row("---", "---", "---", "---")

    def against(platform, key, anchor, what, unit, target):
        real, base = median(platform, "shoewise", key), median(platform, anchor, key)
        scale = 1024 if unit == "MiB" else 1
        ratio = float(f"{real / base:.2f}")
        name = "one-label window" if anchor == "label" else "empty window"
        measured = f"{real / scale:.1f} {unit}; {name} {base / scale:.1f} {unit}; **{ratio:.2f}×**"
        if target is None:
            row(what, measured, "—", "—")
        else:
            row(what, measured, f"≤ {target:.2f}× the one-label window", met(ratio <= target))

    for platform, where in (("xcb", "Xvfb"), ("offscreen", "offscreen")):
        time_target = targets["startup_to_frame_ratio"].get(platform)
        rss_target = targets["peak_rss_ratio"].get(platform)
        against(platform, "start_to_frame_ms", "label", f"start-up, {where}: process start → first frame", "ms",
                time_target)
        against(platform, "start_to_frame_ms", "bare", f"start-up, {where}: process start → first frame", "ms", None)
        against(platform, "exec_to_frame_ms", "label", f"start-up, {where}: event loop start → first frame", "ms",
                None)
        against(platform, "peak_rss_kib", "label", f"peak RSS, {where}", "MiB", rss_target)
        against(platform, "peak_rss_kib", "bare", f"peak RSS, {where}", "MiB", None)

    median_ms, p99_ms = targets["click_median_ms"], targets["click_p99_ms"]
    with open(os.path.join(work, "click"), encoding="utf-8") as f:
        for line in f:
            c = fields(line)
            med, p99 = float(c["median_us"]), float(c["p99_us"])
            ok = med <= median_ms * 1000 and p99 <= p99_ms * 1000 and int(c["timeouts"]) == targets["click_timeouts"]
            row(f"click → repaint, {c['family']} ({c['page']} {c['button']}), Xvfb",
                f"median {med / 1000:.3f} ms, p99 {p99 / 1000:.3f} ms over {int(c['clicks'])} clicks (processor time "
                f"of the program: median {float(c['cpu_median_us']) / 1000:.3f} ms, p99 "
                f"{float(c['cpu_p99_us']) / 1000:.3f} ms; click handler alone: median "
                f"{float(c['handler_median_us']) / 1000:.3f} ms)",
                f"median ≤ {median_ms:g} ms, p99 ≤ {p99_ms:g} ms", met(ok))

    # Google Benchmark's CSV: name,iterations,real_time,cpu_time,time_unit,...,allocs_per_op (last column).
    to_ns = {"ns": 1, "us": 1000, "ms": 1e6}
    with open(os.path.join(work, "engine"), encoding="utf-8") as f:
        for entry in csv.reader(line for line in f if line.startswith('"')):
            name = re.sub(r"/iterations:[0-9]*/manual_time", "", entry[0])
            if not name.endswith("_median"):
                continue
            ns = float(entry[2]) * to_ns.get(entry[4], 1)
            allocations = entry[-1]
            ok = ns <= targets["engine_ns"] and float(allocations) == targets["engine_allocations"]
            row(f"engine: {name.removesuffix('_median')} on a full 416-card track",
                f"{ns:.1f} ns, {allocations} heap allocations per call",
                f"≤ {targets['engine_ns']} ns, {targets['engine_allocations']} allocations", met(ok))

    with open(os.path.join(work, "chart"), encoding="utf-8") as f:
        chart = next(fields(line) for line in f if line.startswith("chart"))
    row(f"chart: one decode of the embedded JPEG ({chart['width']}×{chart['height']})",
        f"{chart['decode_median_ms']} ms (median of 51); first paint with it {chart['first_paint_ms']} ms, "
        f"later paints {chart['repaint_median_ms']} ms", "—", "—")
    row(f"chart: decodes after {chart['paints']} paints of one panel", chart["decodes"], targets["chart_decodes"],
        met(int(chart["decodes"]) == targets["chart_decodes"]))


if __name__ == "__main__":
    main()
