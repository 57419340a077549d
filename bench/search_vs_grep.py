#!/usr/bin/env python3
"""Whole processes: `vellumark --search QUERY --count` beside `grep -ciF QUERY` (and diatheke where
installed), at 1x, 10x and 100x the text, alternated, in CPU time (user + system) of each process
as the kernel counts it. Each query is a phrase that some lines hold, so both count the same lines
(the counts are printed to show it). `vellumark --version` is timed too: what the program costs
before it reads anything. With --cold, the text is taken out of the page cache before each run.

    bench/search_vs_grep.py [--bin BIN_FOLDER] [--runs N] [--cold] [--sizes 1,10,100]

BIN_FOLDER holds vellumark and Bible.dat (build-rel/bin by default). Medians of N runs (9).
"""
import argparse
import os
import resource
import shutil
import statistics
import subprocess
import tempfile

QUERIES = ["love one another", "John 3:16", "Jerusalem"]


def evict(path):
    fd = os.open(path, os.O_RDONLY)
    try:
        os.posix_fadvise(fd, 0, 0, os.POSIX_FADV_DONTNEED)
    finally:
        os.close(fd)


def cpu_ms(command, text, cold):
    """Runs the command; its CPU time in ms and its output."""
    if cold:
        evict(text)
    before = resource.getrusage(resource.RUSAGE_CHILDREN)
    done = subprocess.run(command, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    after = resource.getrusage(resource.RUSAGE_CHILDREN)
    used = (after.ru_utime - before.ru_utime) + (after.ru_stime - before.ru_stime)
    return used * 1000, done.stdout.decode().strip()


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser()
    parser.add_argument("--bin", default=os.path.join(here, "..", "build-rel", "bin"))
    parser.add_argument("--runs", type=int, default=9)
    parser.add_argument("--cold", action="store_true")
    parser.add_argument("--sizes", default="1,10,100")
    args = parser.parse_args()
    program = os.path.join(os.path.abspath(args.bin), "vellumark")
    with open(os.path.join(args.bin, "Bible.dat"), "rb") as source:
        bible = source.read()
    diatheke = shutil.which("diatheke")
    work = tempfile.mkdtemp()
    try:
        print(f"CPU ms (user + system), medians of {args.runs} alternated runs, "
              f"{'cold' if args.cold else 'warm'} page cache")
        print(f"{'size':>5} {'query':<18} {'grep':>8} {'vellumark':>10} {'ratio':>6} "
              f"{'lines':>14}" + (f" {'diatheke':>9}" if diatheke else ""))
        for times in [int(size) for size in args.sizes.split(",")]:
            folder = os.path.join(work, f"{times}x")
            os.makedirs(folder)
            text = os.path.join(folder, "Bible.dat")
            with open(text, "wb") as target:
                for _ in range(times):
                    target.write(bible)
            version = [cpu_ms([program, "--version"], text, False)[0] for _ in range(args.runs)]
            print(f"{times:>4}x {'(--version)':<18} {'':>8} {statistics.median(version):>10.1f}")
            for query in QUERIES:
                commands = {
                    "grep": ["grep", "-ciF", query, text],
                    "vellumark": [program, "--folder", folder, "--search", query, "--count"],
                }
                if diatheke:
                    commands["diatheke"] = ["diatheke", "-b", "KJV", "-s", "phrase", "-k", query]
                times_ms = {name: [] for name in commands}
                counts = {}
                for name, command in commands.items():  # one unmeasured round warms the cache
                    counts[name] = cpu_ms(command, text, False)[1]
                for _ in range(args.runs):
                    for name, command in commands.items():
                        times_ms[name].append(cpu_ms(command, text, args.cold)[0])
                grep = statistics.median(times_ms["grep"])
                ours = statistics.median(times_ms["vellumark"])
                line = (f"{times:>4}x {query:<18} {grep:>8.1f} {ours:>10.1f} {ours / grep:>6.2f} "
                        f"{counts['grep'] + '/' + counts['vellumark']:>14}")
                if diatheke:
                    line += f" {statistics.median(times_ms['diatheke']):>9.1f}"
                print(line, flush=True)
            os.remove(text)
    finally:
        shutil.rmtree(work)


if __name__ == "__main__":
    main()
