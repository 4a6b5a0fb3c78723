#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Runs the benchmarks and prints one Markdown table (the one the README shows).

Start-up is measured on real windows under Xvfb: from starting the process until its
first window is mapped, against an empty Qt program. Batches come from the Google
Benchmark binaries, run both offscreen and under Xvfb.
"""
import json
import os
import platform
import re
import statistics
import subprocess
import sys
import tempfile
import time

BUILD = sys.argv[1]
DISPLAY = sys.argv[2]
DATA = sys.argv[3]

PROGRAMS = [  # (name, executable, caption of the first window)
    ("Dartley", "dartley/dartley", "円周率 π"),
    ("Stelmo", "stelmo/stelmo", "Free Path Length"),
    ("Rhunel", "rhunel/rhunel", "干渉性散乱"),
    ("empty Qt program", "bench/emptyqt", "empty"),
]
rows = []


def startup_ms(exe, caption, runs=9):
    env = dict(os.environ, DISPLAY=DISPLAY)
    env.pop("QT_QPA_PLATFORM", None)
    times = []
    for _ in range(runs):
        start = time.perf_counter()
        proc = subprocess.Popen([exe], cwd=DATA, env=env, stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL)
        # xdotool's own --sync waits half a second between looks: poll instead.
        deadline = start + 30
        while time.perf_counter() < deadline:
            found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name",
                                    "^" + re.escape(caption) + "$"], env=env,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            if found.returncode == 0:
                break
            time.sleep(0.002)
        times.append((time.perf_counter() - start) * 1000)
        proc.kill()
        proc.wait()
    return statistics.median(times)


def gbench(exe, platform_env):
    env = dict(os.environ)
    env.update(platform_env)
    with tempfile.NamedTemporaryFile(suffix=".json") as out:
        subprocess.run([exe, f"--benchmark_out={out.name}", "--benchmark_out_format=json",
                        "--benchmark_min_time=0.5"], cwd=DATA, env=env, check=True,
                       stdout=subprocess.DEVNULL)
        return {b["name"]: b for b in json.load(open(out.name))["benchmarks"]}


def peak_kib(exe, test_filter):
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    r = subprocess.run(["/usr/bin/time", "-f", "%M", exe, f"--gtest_filter={test_filter}"],
                       cwd=DATA, env=env, capture_output=True, text=True)
    return int(r.stderr.strip().splitlines()[-1])


for name, rel, caption in PROGRAMS:
    exe = os.path.join(BUILD, rel)
    if os.path.exists(exe):
        rows.append(("start-up to first window", name, f"{startup_ms(exe, caption):.0f} ms"))

platforms = {"offscreen": {"QT_QPA_PLATFORM": "offscreen"},
             "Xvfb": {"DISPLAY": DISPLAY, "QT_QPA_PLATFORM": "xcb"}}
for bench in ("dartley_bench", "stelmo_bench", "rhunel_bench"):
    exe = os.path.join(BUILD, "bench", bench)
    if not os.path.exists(exe):
        continue
    for label, env in platforms.items():
        results = gbench(exe, env)
        for bname, b in results.items():
            unit = b.get("time_unit", "ns")
            figure = f"{b['real_time']:.2f} {unit}"
            extras = [f"{k} {v:.3g}" for k, v in b.items()
                      if k not in ("name", "run_name", "run_type", "repetitions",
                                   "repetition_index", "threads", "iterations", "real_time",
                                   "cpu_time", "time_unit", "family_index",
                                   "per_family_instance_index", "aggregate_name")
                      and isinstance(v, (int, float))]
            if extras:
                figure += " (" + ", ".join(extras) + ")"
            name = bname.replace("BM_", "").split("/iterations")[0]
            if b.get("label") in ("Slow", "Normal", "PNG", "SVG"):
                name = name.rsplit("/", 1)[0] + " " + b["label"]
            rows.append((name, label, figure))

for program in ("dartley", "stelmo", "rhunel"):
    exe = os.path.join(BUILD, "tests", program, f"{program}_test")
    if os.path.exists(exe):
        kib = peak_kib(exe, program.capitalize() + "Session.*")
        rows.append(("peak memory, scripted session", program.capitalize(), f"{kib / 1024:.0f} MiB"))

cpu = "unknown CPU"
for line in open("/proc/cpuinfo"):
    if line.startswith("model name"):
        cpu = line.split(":", 1)[1].strip()
        break
print(f"Measured {time.strftime('%Y-%m-%d')} on {cpu}, {os.cpu_count()} cores, "
      f"{platform.system()} {platform.release()}, release build.\n")
print("| figure | where | value |")
print("|---|---|---|")
for r in rows:
    print(f"| {r[0]} | {r[1]} | {r[2]} |")
