#!/usr/bin/env python3
"""Whole-process figures of melibron against Ghostscript rasterising SCORE's
own EPS of the same pages, at 96 pixels per inch:

1. one page: `melibron -o page.png` and `gs ... page.eps`, alternated, per
   corpus page that has an EPS; medians of wall and CPU time;
2. a batch of PAGES pages (the corpus pages repeated) to PNG with 1, 2 and
   all workers: wall time per page, against Ghostscript's median per page,
   and the batch's peak memory.

Usage: bench/vs_ghostscript.py MELIBRON LIB_DIR [--runs N] [--pages N]
       [--corpus DIR] [-- EXTRA MELIBRON OPTIONS, e.g. --basic]
"""
import argparse
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

PAGES = ["chopin2801", "chor005", "brahms-op76n7-p1"]
GS = ["gs", "-q", "-dSAFER", "-dBATCH", "-dNOPAUSE", "-sDEVICE=pnggray", "-r96",
      "-g816x1056"]


def run(command):
    """Wall seconds, CPU seconds and peak resident kB of one run."""
    start = time.perf_counter()
    process = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    _, status, usage = os.wait4(process.pid, 0)
    wall = time.perf_counter() - start
    errors = process.stderr.read().decode(errors="replace")
    process.stderr.close()
    if os.waitstatus_to_exitcode(status) != 0:
        sys.exit("failed: %s\n%s" % (" ".join(command), errors))
    return wall, usage.ru_utime + usage.ru_stime, usage.ru_maxrss


def median_ms(values):
    return statistics.median(values) * 1e3


def one_page(args, corpus, out, extra):
    print("One page, whole process, 96 dpi (medians of %d alternated runs)" % args.runs)
    print("| page | melibron wall | melibron CPU | gs wall | gs CPU | wall ratio | CPU ratio |")
    print("|---|---:|---:|---:|---:|---:|---:|")
    gs_per_page = {}
    for name in PAGES:
        mus = os.path.join(corpus, name + ".mus")
        eps = os.path.join(corpus, name + ".eps")
        if not (os.path.exists(mus) and os.path.exists(eps)):
            continue
        ours = [args.melibron, "-o", os.path.join(out, name + ".png"), "--lib", args.lib,
                *extra, mus]
        theirs = GS + ["-sOutputFile=" + os.path.join(out, name + "-gs.png"), eps]
        for command in (ours, theirs):  # warm the caches
            run(command)
        times = {"ours": [], "theirs": []}
        for _ in range(args.runs):
            times["ours"].append(run(ours))
            times["theirs"].append(run(theirs))
        wall = [median_ms([t[0] for t in times[k]]) for k in ("ours", "theirs")]
        cpu = [median_ms([t[1] for t in times[k]]) for k in ("ours", "theirs")]
        gs_per_page[name] = (wall[1], cpu[1])
        print("| %s | %.1f ms | %.1f ms | %.1f ms | %.1f ms | %.1fx | %.1fx |"
              % (name, wall[0], cpu[0], wall[1], cpu[1], wall[1] / wall[0], cpu[1] / cpu[0]))
    return gs_per_page


def batch(args, corpus, out, extra, gs_per_page):
    names = list(gs_per_page)
    folder = os.path.join(out, "pages")
    os.makedirs(folder)
    for index in range(args.pages):
        name = names[index % len(names)]
        shutil.copy(os.path.join(corpus, name + ".mus"),
                    os.path.join(folder, "p%03d.mus" % (index + 1)))
    gs_wall = statistics.mean(gs_per_page[names[i % len(names)]][0] for i in range(args.pages))
    gs_cpu = statistics.mean(gs_per_page[names[i % len(names)]][1] for i in range(args.pages))
    cores = os.cpu_count() or 1
    print()
    print("Batch of %d pages to PNG (medians of %d runs); Ghostscript: %.1f ms wall, "
          "%.1f ms CPU per page" % (args.pages, args.batch_runs, gs_wall, gs_cpu))
    print("| workers | wall | per page | vs gs per page | CPU per page | peak memory |")
    print("|---:|---:|---:|---:|---:|---:|")
    for jobs in sorted({1, 2, cores}):
        results = []
        for _ in range(args.batch_runs):
            target = os.path.join(out, "png-%d" % jobs)
            shutil.rmtree(target, ignore_errors=True)
            results.append(run([args.melibron, "-o", target + "/", "-j", str(jobs), "--quiet",
                                "--lib", args.lib, *extra, folder]))
        wall = statistics.median(r[0] for r in results)
        cpu = statistics.median(r[1] for r in results)
        peak = max(r[2] for r in results)
        per_page = wall * 1e3 / args.pages
        print("| %d | %.2f s | %.2f ms | %.1fx | %.2f ms | %.1f MB |"
              % (jobs, wall, per_page, gs_wall / per_page, cpu * 1e3 / args.pages, peak / 1024))


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("melibron")
    parser.add_argument("lib")
    parser.add_argument("--runs", type=int, default=20)
    parser.add_argument("--pages", type=int, default=200)
    parser.add_argument("--batch-runs", type=int, default=3)
    here = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    parser.add_argument("--corpus", default=os.environ.get(
        "MELIBRON_CORPUS_DIR", os.path.join(here, "..", "shared", "corpus")))
    argv = sys.argv[1:]
    extra = []
    if "--" in argv:
        extra = argv[argv.index("--") + 1:]
        argv = argv[:argv.index("--")]
    args = parser.parse_args(argv)
    if shutil.which("gs") is None:
        sys.exit("Ghostscript (gs) is not installed")
    os.environ.setdefault("QT_QPA_PLATFORM", "offscreen")
    with tempfile.TemporaryDirectory() as out:
        gs_per_page = one_page(args, args.corpus, out, extra)
        if not gs_per_page:
            sys.exit("no corpus page with an EPS in " + args.corpus)
        batch(args, args.corpus, out, extra, gs_per_page)


if __name__ == "__main__":
    main()
