#!/usr/bin/env python3
"""Turns the benchmark figures of scripts/bench into report.md (ratios first) and the data and
gnuplot script of report.png. Times are processor times where the benchmark measures them (the
machine is shared), wall time for the import, whose reference runs in a child process."""
import json
import os
import platform
import sys

UNIT = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}


def load(paths):
    runs = {}
    for path in paths:
        with open(path) as f:
            data = json.load(f)
        for b in data["benchmarks"]:
            if b.get("run_type") == "aggregate" or "error_message" in b:
                continue
            name = b["name"].split("/")
            key = (name[0], int(name[1]))
            runs.setdefault(key, []).append(b)
    return data["context"], runs


def seconds(run, clock="cpu_time"):
    return run[clock] * UNIT[run["time_unit"]]


def fmt_time(s):
    for unit, scale in (("s", 1), ("ms", 1e-3), ("µs", 1e-6), ("ns", 1e-9)):
        if s >= scale:
            return f"{s / scale:.3g} {unit}"
    return f"{s / 1e-9:.3g} ns"


def main():
    results, imports, out = sys.argv[1], sys.argv[2], sys.argv[3]
    context, runs = load([results, imports])

    def first(name, size, clock="cpu_time"):
        return seconds(runs[(name, size)][0], clock) if (name, size) in runs else None

    def counter(name, size, key):
        return runs[(name, size)][0].get(key) if (name, size) in runs else None

    rows = []  # ratio text, target text, met, work, ours, reference

    def time_row(work, ours, reference, sizes, target, size_names):
        ratios, our_text, ref_text = [], [], []
        for size in sizes:
            a, b = first(ours, size), first(reference, size)
            if a is None or b is None:
                continue
            ratios.append(a / b)
            our_text.append(fmt_time(a))
            ref_text.append(fmt_time(b))
        if ratios:
            rows.append((" / ".join(f"{r:.2f}x" for r in ratios), f"at most {target}x", all(r <= target for r in ratios),
                         f"{work}, {size_names}", " / ".join(our_text), " / ".join(ref_text)))

    time_row("`Locate` on the index", "CdsLocate", "SqliteLocate", (100000, 1000000), 0.5, "10^5 / 10^6 rows")
    time_row("`FindKey`", "CdsFindKey", "SqliteLocate", (100000, 1000000), 0.5, "10^5 / 10^6 rows")
    time_row("filter switch on the leading index field", "CdsFilterSwitch", "SqliteFilterSwitch", (100000, 1000000), 1.0,
             "10^5 / 10^6 rows")
    time_row("`SetData`", "CdsSetData", "SqliteLoad", (1000000,), 0.5, "10^6 rows")

    ratios, ours, refs = [], [], []
    for size in (1000000, 10000000):
        a, b = counter("ReadIntegrationFile", size, "cpu_MB/s"), counter("ByteScan", size, "cpu_MB/s")
        if a and b:
            ratios.append(a / b)
            ours.append(f"{a:.0f} MB/s")
            refs.append(f"{b:.0f} MB/s")
    if ratios:
        rows.append((" / ".join(f"{r:.2f}x" for r in ratios), "at least 0.5x", all(r >= 0.5 for r in ratios),
                     "read the integration file, " + " / ".join(("10^6", "10^7")[: len(ratios)]) + " lines",
                     " / ".join(ours), " / ".join(refs)))

    ours = [seconds(r, "real_time") for r in runs.get(("BM_ImportMenus", 1000000), [])]
    refs = [seconds(r, "real_time") for r in runs.get(("BM_SqliteShellImport", 1000000), [])]
    if ours and refs:
        ratios = [a / b for a, b in zip(ours, refs)]
        rows.append((" / ".join(f"{r:.2f}x" for r in ratios), "at most 0.9x in each run", all(r <= 0.9 for r in ratios),
                     f"import 10^6 lines end to end, {len(ratios)} runs", " / ".join(fmt_time(s) for s in ours),
                     "`sqlite3 .import` " + " / ".join(fmt_time(s) for s in refs)))

    small, large = counter("BM_Rebuild", 50, "per_row"), counter("BM_Rebuild", 5000, "per_row")
    if small and large:
        small_rows, large_rows = counter("BM_Rebuild", 50, "rows"), counter("BM_Rebuild", 5000, "rows")
        rows.append((f"{large / small:.2f}x", "at most 1.15x", large / small <= 1.15,
                     f"rebuild per row, {small_rows:.0f} to {large_rows:.0f} rows",
                     f"{fmt_time(small)} / {fmt_time(large)}", "-"))

    loadavg = os.getloadavg()
    with open(os.path.join(out, "report.md"), "w") as f:
        f.write("| Ratio | Target | Met | Work | Ours | Reference |\n|---|---|---|---|---|---|\n")
        for ratio, target, met, work, our, ref in rows:
            f.write(f"| {ratio} | {target} | {'yes' if met else '**no**'} | {work} | {our} | {ref} |\n")
        f.write(f"\nMachine: {platform.processor() or platform.machine()}, {context.get('num_cpus')} CPUs at "
                f"{context.get('mhz_per_cpu')} MHz, caches "
                + ", ".join(f"L{c['level']} {c['size'] // 1024} KiB" for c in context.get("caches", []) if c["type"] != "Instruction")
                + f"; {context.get('date')}; load average at the end {loadavg[0]:.1f} "
                f"(above 1 means the other core was busy).\n"
                "Ratios are ours over the reference's time (throughput for the file read). Times are processor "
                "times of the benchmark process, but the import's are wall times.\n")

    write_plot(runs, out)


def write_plot(runs, out):
    series = [
        ("CdsLocate", "Locate (ours)", 1e6), ("CdsFindKey", "FindKey (ours)", 1e6), ("SqliteLocate", "SQLite SELECT", 1e6),
        ("CdsFilterSwitch", "filter switch (ours)", 1e6), ("SqliteFilterSwitch", "SQLite filtered SELECT", 1e6),
        ("CdsSetData", "SetData (ours)", 1e3), ("SqliteLoad", "SQLite load", 1e3),
        ("ReadIntegrationFile", "read the file (ours)", 1e3), ("ByteScan", "memchr scan", 1e3),
    ]
    panels = [("Locate and FindKey", "µs", series[0:3]), ("filter switch", "µs", series[3:5]),
              ("load", "ms", series[5:7]), ("integration file", "ms", series[7:9])]
    lines = ['set terminal pngcairo size 1400,1000 font ",10"', f'set output "{out}/report.png"',
             "set multiplot layout 2,2 title \"time against size: ours and the references (log-log)\"",
             "set logscale xy", "set key top left", "set grid", 'set xlabel "rows or lines"']
    for title, unit, members in panels:
        plots = []
        for name, label, scale in members:
            path = os.path.join(out, f"plot-{name}.dat")
            points = sorted((size, seconds(r[0]) * scale) for (n, size), r in runs.items() if n == name)
            with open(path, "w") as f:
                f.writelines(f"{size} {value}\n" for size, value in points)
            if points:
                plots.append(f'"{path}" using 1:2 with linespoints lw 2 title "{label}"')
        lines += [f'set title "{title}"', f'set ylabel "{unit}"', "plot " + ", ".join(plots)]
    lines.append("unset multiplot")
    with open(os.path.join(out, "report.gp"), "w") as f:
        f.write("\n".join(lines) + "\n")


main()
