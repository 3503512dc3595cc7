#!/usr/bin/env python3
"""Prints the agent-query benchmarks' results (Google Benchmark JSON) as one table."""
import json
import sys

GOALS = {
    "BM_ElementBounds": ("element .bounds", 2.0),
    "BM_LeafText": (".text of a leaf", 1.0),
    "BM_BrowserHitTest": ("hit-test from the browser", 10.0),
    "BM_DeepFrameBounds": (".bounds three iframes deep", 3.0),
    "BM_AgentTreeWalk": ("tree walk (.class, .bounds, .text)", 3.0),
    "BM_HostRawWalk": ("host's raw walk, same values", None),
    "BM_AgentGetElementById": ("getElementById (agent)", None),
    "BM_HostGetElementById": ("getElementById (host)", 1.0),
}


def per_call_us(run):
    for counter in ("per_call", "per_object"):
        if counter in run:
            return run[counter] * 1e6
    return None


def chosen_runs(benchmarks):
    """The medians when the benchmarks were repeated, else the single runs, with their names."""
    medians = [r for r in benchmarks
               if r.get("run_type") == "aggregate" and r.get("aggregate_name") == "median"]
    if medians:
        return [(r["run_name"], r) for r in medians], "median"
    return [(r["name"], r) for r in benchmarks if r.get("run_type") == "iteration"], "one run"


def main(path):
    with open(path) as f:
        runs, kind = chosen_runs(json.load(f)["benchmarks"])
    walks = {}
    rows = []
    for name, run in runs:
        family, _, args = name.partition("/")
        label, goal = GOALS.get(family, (family, None))
        us = per_call_us(run)
        if us is None:
            continue
        if family in ("BM_AgentTreeWalk", "BM_HostRawWalk"):
            walks[(family, args)] = us
        rows.append((family, label, args.replace("/", " "), us, goal))
    # Interleaved runs come in random order: the table keeps the order of GOALS.
    order = {family: index for index, family in enumerate(GOALS)}
    rows.sort(key=lambda row: (order.get(row[0], len(order)), row[2]))
    print(f"us per call: {kind}")
    print(f"| {'question':36} | {'page':22} | {'us per call':>11} | {'goal us':>7} |")
    print(f"|{'-' * 38}|{'-' * 24}|{'-' * 13}|{'-' * 9}|")
    for _, label, args, us, goal in rows:
        goal_text = f"{goal:g}" if goal else ""
        print(f"| {label:36} | {args:22} | {us:11.3f} | {goal_text:>7} |")
    for (family, args), us in sorted(walks.items()):
        host = walks.get(("BM_HostRawWalk", args))
        if family == "BM_AgentTreeWalk" and host:
            print(f"walk {args}: agent / host raw = {us / host:.2f}x (goal <= 3x)")


if __name__ == "__main__":
    main(sys.argv[1])
