#!/usr/bin/env python3
"""Times the start-up of vantir and vantir-cli against minimal Qt programs.

vantir and a minimal Qt Widgets program are started offscreen, alternately,
and end as soon as their window is painted for the first time; vantir-cli
and a QCoreApplication that prints one line end when they have answered.
Prints the median wall time, CPU time and peak memory of each, their ratios,
and whether the targets are met: vantir at most 1.3 times its yardstick's
wall time and at most 6 MiB more peak memory, vantir-cli at most 1.5 times
its yardstick's wall time. Exits with 1 when a target is missed.

Usage: bench/startup.py [BIN_DIR] [RUNS]   (defaults: build/bin, 40)
"""
import os
import statistics
import sys
import time

WALL_RATIO_TARGET = 1.3
CLI_WALL_RATIO_TARGET = 1.5
MEMORY_EXTRA_TARGET_MIB = 6.0


def run_once(program, bin_dir, env):
    start = time.perf_counter()
    pid = os.posix_spawn(program, [program], env,
                         file_actions=[(os.POSIX_SPAWN_OPEN, 1, os.devnull, os.O_WRONLY, 0),
                                       (os.POSIX_SPAWN_OPEN, 2, os.devnull, os.O_WRONLY, 0)])
    _, status, usage = os.wait4(pid, 0)
    wall = time.perf_counter() - start
    if os.waitstatus_to_exitcode(status) != 0:
        sys.exit(f"{program} failed with status {status}")
    return wall * 1000, (usage.ru_utime + usage.ru_stime) * 1000, usage.ru_maxrss / 1024


def compare(title, programs, bin_dir, env, runs):
    """Medians of wall ms, CPU ms and peak MiB of each program, run alternately."""
    samples = {name: [] for name in programs}
    for name, program in programs.items():  # warm the file cache first
        run_once(program, bin_dir, env)
    for i in range(runs):
        order = list(programs) if i % 2 == 0 else list(reversed(programs))
        for name in order:
            samples[name].append(run_once(programs[name], bin_dir, env))

    medians = {name: [statistics.median(s[k] for s in samples[name]) for k in range(3)]
               for name in programs}
    print(f"{title}, median of {runs} alternating runs")
    print(f"{'':12}{'wall ms':>10}{'CPU ms':>10}{'peak MiB':>10}")
    for name in programs:
        wall, cpu, rss = medians[name]
        print(f"{name:12}{wall:10.1f}{cpu:10.1f}{rss:10.1f}")
    (yw, yc, ym), (vw, vc, vm) = (medians[name] for name in programs)
    print(f"{'ratio':12}{vw / yw:9.2f}x{vc / yc:9.2f}x{vm - ym:+9.1f} MiB")
    return vw / yw, vm - ym


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    bin_dir = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "build", "bin"))
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 40
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", LC_ALL="C.UTF-8", LANG="C.UTF-8")
    # Start where the catalogue is, as ./run does.
    os.chdir(bin_dir)

    wall, memory = compare("Start-up to first paint, offscreen",
                           {"yardstick": os.path.join(bin_dir, "startup_yardstick"),
                            "vantir": os.path.join(bin_dir, "startup_vantir")},
                           bin_dir, env, runs)
    wall_ok = wall <= WALL_RATIO_TARGET
    memory_ok = memory <= MEMORY_EXTRA_TARGET_MIB
    print(f"wall time at most {WALL_RATIO_TARGET}x the yardstick's: {'met' if wall_ok else 'MISSED'}")
    print(f"peak memory at most {MEMORY_EXTRA_TARGET_MIB:g} MiB above it: {'met' if memory_ok else 'MISSED'}")
    print()
    cli_wall, _ = compare("Start-up of the command-line tool to its answer",
                          {"yardstick": os.path.join(bin_dir, "startup_cli_yardstick"),
                           "vantir-cli": os.path.join(bin_dir, "vantir-cli")},
                          bin_dir, env, runs * 3)
    cli_ok = cli_wall <= CLI_WALL_RATIO_TARGET
    print(f"wall time at most {CLI_WALL_RATIO_TARGET}x the yardstick's: {'met' if cli_ok else 'MISSED'}")
    return 0 if wall_ok and memory_ok and cli_ok else 1


if __name__ == "__main__":
    sys.exit(main())
