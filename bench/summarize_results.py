#!/usr/bin/env python3
"""Turns the JSON of one startup_benchmark run into the ratio tables of bench/README.md.

    summarize_results.py results.json

Uses the median CPU time of the repetitions (the machine's cores are shared, and CPU time does
not count the waits for them); the run must have been made with --benchmark_repetitions.
"""

import json
import math
import sys

SIZES = [2000, 20000, 200000]
UNIT_TO_MS = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}


def load(path):
    with open(path) as f:
        data = json.load(f)
    medians = {}
    counters = {}
    for b in data["benchmarks"]:
        if b.get("aggregate_name") != "median":
            continue
        name = b["run_name"]
        medians[name] = b["cpu_time"] * UNIT_TO_MS[b["time_unit"]]
        counters[name] = b
    return data.get("context", {}), medians, counters


def fmt_ms(ms):
    if ms >= 100:
        return f"{ms:,.0f} ms"
    if ms >= 1:
        return f"{ms:.2f} ms"
    if ms >= 0.001:
        return f"{ms * 1e3:.2f} µs"
    return f"{ms * 1e6:.0f} ns"


def growth(values):
    return [values[i + 1] / values[i] for i in range(len(values) - 1)]


def nlogn_growth(a, b):
    return (b * math.log(b)) / (a * math.log(a))


def main():
    context, t, c = load(sys.argv[1])
    base1 = [t[f"BM_ReadLinesBaseline/rows:{n}/ship_passes:1"] for n in SIZES]
    base2 = [t[f"BM_ReadLinesBaseline/rows:{n}/ship_passes:2"] for n in SIZES]
    tok = [t[f"BM_TokenizeBaseline/rows:{n}"] for n in SIZES]
    start = [t[f"BM_Startup/rows:{n}"] for n in SIZES]
    copy = [t[f"BM_PickerOpen_Copy/rows:{n}"] for n in SIZES]
    shared = [t[f"BM_PickerOpen_SharedSnapshot/rows:{n}"] for n in SIZES]
    recompute = [t[f"BM_Recompute/rows:{n}"] for n in SIZES]

    print(f"Run: {context.get('date', '?')}, {context.get('num_cpus', '?')} CPUs, "
          f"load average {context.get('load_avg', '?')}\n")

    print("| ship rows | line baseline, 1 ship pass | line baseline, 2 ship passes | "
          "tokenize floor | start-up | start-up / baseline 1 | start-up / baseline 2 | "
          "start-up / tokenize |")
    print("|---:|---:|---:|---:|---:|---:|---:|---:|")
    for i, n in enumerate(SIZES):
        print(f"| {n:,} | {fmt_ms(base1[i])} | {fmt_ms(base2[i])} | {fmt_ms(tok[i])} | "
              f"{fmt_ms(start[i])} | {start[i] / base1[i]:.0f}x | {start[i] / base2[i]:.0f}x | "
              f"{start[i] / tok[i]:.1f}x |")

    print("\nStart-up phases (median CPU ms per start-up) and memory:\n")
    print("| ship rows | ReadTables | OrderCatalogues | NarrowToMode | allocations per row | "
          "peak RSS per row | RSS after start-up |")
    print("|---:|---:|---:|---:|---:|---:|---:|")
    for n in SIZES:
        b = c[f"BM_Startup/rows:{n}"]
        peak = b.get("peak_rss_B_per_row")
        kept = b.get("kept_rss_MiB")
        print(f"| {n:,} | {b['read_ms']:,.1f} | {b['order_ms']:,.1f} | {b['narrow_ms']:,.1f} | "
              f"{b['allocs_per_row']:.1f} | "
              f"{peak / 1024:.1f} KiB | {kept:,.0f} MiB |" if peak is not None else "| n/a |")

    print("\nGrowth per tenfold size (n log n would be "
          f"{nlogn_growth(2000, 20000):.1f}x then {nlogn_growth(20000, 200000):.1f}x):\n")
    print("| benchmark | 2k -> 20k | 20k -> 200k |")
    print("|---|---:|---:|")
    for label, values in [("line baseline, 1 ship pass", base1),
                          ("line baseline, 2 ship passes", base2),
                          ("tokenize floor", tok), ("start-up", start),
                          ("picker open, deep copy", copy),
                          ("picker open, shared snapshot", shared),
                          ("recompute on a carrier", recompute)]:
        g = growth(values)
        print(f"| {label} | {g[0]:.1f}x | {g[1]:.1f}x |")

    print("\nPicker opening against the start-up of the same catalogue:\n")
    print("| ship rows | records copied | deep copy | copy / start-up | shared snapshot | "
          "snapshot / start-up | recompute on a carrier |")
    print("|---:|---:|---:|---:|---:|---:|---:|")
    for i, n in enumerate(SIZES):
        records = c[f"BM_PickerOpen_Copy/rows:{n}"]["records_copied"]
        print(f"| {n:,} | {records:,.0f} | {fmt_ms(copy[i])} | {100 * copy[i] / start[i]:.2f} % | "
              f"{fmt_ms(shared[i])} | {100 * shared[i] / start[i]:.6f} % | "
              f"{fmt_ms(recompute[i])} |")

    print("\nOrdering steps (median CPU ms):\n")
    print("| ship rows | sort | copy to fighters | filter | fighter sort | "
          "selective copy instead of copy + filter |")
    print("|---:|---:|---:|---:|---:|---:|")
    for n in SIZES[:2]:
        b = c[f"BM_OrderSteps/rows:{n}"]
        print(f"| {n:,} | {b['sort_ms']:.1f} | {b['copy_ms']:.1f} | {b['filter_ms']:.1f} | "
              f"{b['fighter_sort_ms']:.2f} | {b['selective_copy_ms']:.1f} |")

    print("\nRecord layout (records of the 20,000-row tables, 22,000 records):\n")
    print("| layout | bytes per record | construct + destroy | copy | destroy | "
          "allocations per copy |")
    print("|---|---:|---:|---:|---:|---:|")
    for arg, label in [(0, "ShipSpec (today)"), (1, "compact stand-in")]:
        construct = c[f"BM_RecordDefaultConstruct/compact:{arg}"]
        rec = c[f"BM_RecordCopy/compact:{arg}"]
        print(f"| {label} | {rec['record_bytes']:,.0f} | "
              f"{construct['construct_destroy_per_record'] * 1e9:.0f} ns | "
              f"{rec['copy_per_record'] * 1e9:.0f} ns | "
              f"{rec['destroy_us_per_record'] * 1e3:.0f} ns | {rec['allocs_per_record']:.1f} |")

    fleet = t["BM_FleetFileEncodeDecode"]
    print(f"\nFleet file, encode three slots and decode them: {fmt_ms(fleet)}")


if __name__ == "__main__":
    main()
