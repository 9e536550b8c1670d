#!/usr/bin/env python3
"""Damaged copies of the sample game against every tikaroo-cli verb.

Makes copies of the sample image (in the original and the expanded layout) with random bytes changed,
cut short, or with the small tables the drawing reads filled with random bytes, and runs every verb of
tikaroo-cli on each. A verb must end within its time and memory limits, with exit 0 or with exit 1 and
one line on stderr. With --write DIR the copies are only written (seeds for the fuzzers).
"""

import argparse
import os
import random
import subprocess
import sys
import tempfile
import threading
from concurrent.futures import ThreadPoolExecutor

HEADER = 16
BANK = 0x4000

# The drawing's small tables, as CPU addresses: background masks and steps (one run of bytes), floor
# shifts, gap starts and ends.
TABLES = {"steps and masks": (0xBE5D, 14), "floor shifts": (0xBF43, 8), "gaps": (0xC24D, 18)}

CPU_LIMIT_S = 2.0
MEMORY_LIMIT_KB = 1024 * 1024
# A verb still running after this long is taken as hanging; its time is checked against the limit above.
WALL_LIMIT_S = 30.0


def file_offset(image, address):
    """Where a table address lies in an image: below $C000 in the first bank, above it in the last."""
    banks = image[4]
    if address < 0xC000:
        return HEADER + address - 0x8000
    return HEADER + (banks - 1) * BANK + address - 0xC000


def damage(base, kind, rng):
    copy = bytearray(base)
    if kind == "bytes":
        for _ in range(rng.randint(1, 64)):
            copy[rng.randrange(HEADER, len(copy))] = rng.randrange(256)
    elif kind == "cut":
        del copy[rng.randrange(len(copy)):]
    else:
        names = rng.sample(sorted(TABLES), rng.randint(1, len(TABLES)))
        for name in names:
            address, size = TABLES[name]
            at = file_offset(copy, address)
            copy[at:at + size] = bytes(rng.randrange(256) for _ in range(size))
    return bytes(copy)


def make_copies(bases, count, seed):
    rng = random.Random(seed)
    kinds = ["bytes", "cut", "tables"]
    copies = []
    for i in range(count):
        layout, base = bases[i % len(bases)]
        kind = kinds[i // len(bases) % len(kinds)]
        copies.append((f"{i:03d}-{layout}-{kind}.nes", damage(base, kind, rng)))
    return copies


def verbs(path, folder, index, shared):
    """Every verb on one copy; render takes another level or bonus level for every copy, patch and
    apply-patch the other format. `shared` names the undamaged sample, a patch of each format made from
    it and its dump."""
    level = f"{index % 32 // 4 + 1}-{index % 4 + 1}"
    out = os.path.join(folder, os.path.basename(path))
    patch_format = ("ips", "bps")[index % 2]
    return [
        ["info", path],
        ["dump", path],
        ["convert", path, "-o", out + ".converted"],
        ["save", path, "-o", out + ".saved"],
        ["render", path, "--level", level, "-o", out + ".png"],
        ["render", path, "--bonus", str(index % 9 + 1), "--map", "-o", out + ".map.png"],
        ["patch", shared["sample"], path, "-o", out + "." + patch_format],
        ["apply-patch", path, shared[patch_format], "-o", out + ".patched"],
        ["apply-json", path, shared["json"], "-o", out + ".applied"],
    ]


def run(cli, arguments):
    """Runs one verb; gives its exit code, stderr lines, CPU seconds and peak memory in KB."""
    with tempfile.TemporaryFile() as err:
        process = subprocess.Popen([cli] + arguments, stdout=subprocess.DEVNULL, stderr=err)
        timer = threading.Timer(WALL_LIMIT_S, process.kill)
        timer.start()
        _, status, usage = os.wait4(process.pid, 0)
        timer.cancel()
        process.returncode = os.waitstatus_to_exitcode(status)
        err.seek(0)
        lines = err.read().decode(errors="replace").splitlines()
    return process.returncode, lines, usage.ru_utime + usage.ru_stime, usage.ru_maxrss


def check(cli, name, arguments):
    code, lines, seconds, memory = run(cli, arguments)
    faults = []
    if code not in (0, 1):
        faults.append(f"exit {code}")
    if code == 1 and len(lines) != 1:
        faults.append(f"{len(lines)} lines on stderr")
    if seconds > CPU_LIMIT_S:
        faults.append(f"{seconds:.2f} s")
    if memory > MEMORY_LIMIT_KB:
        faults.append(f"{memory // 1024} MB")
    verdict = f"{name}: {arguments[0]} {' '.join(arguments[2:])}: " + "; ".join(faults) if faults else None
    return verdict, seconds, memory


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("cli", help="the tikaroo-cli program")
    parser.add_argument("sample", help="the sample game image (original layout)")
    parser.add_argument("--copies", type=int, default=300)
    parser.add_argument("--seed", type=int, default=17)
    parser.add_argument("--jobs", type=int, default=os.cpu_count())
    parser.add_argument("--write", metavar="DIR", help="only write the copies into DIR")
    options = parser.parse_args()

    with tempfile.TemporaryDirectory(prefix="tikaroo-damaged-") as folder:
        with open(options.sample, "rb") as sample:
            original = sample.read()
        expanded_path = os.path.join(folder, "expanded.nes")
        subprocess.run([options.cli, "convert", options.sample, "-o", expanded_path], check=True,
                       stdout=subprocess.DEVNULL)
        with open(expanded_path, "rb") as expanded:
            bases = [("original", original), ("expanded", expanded.read())]
        copies = make_copies(bases, options.copies, options.seed)

        target = options.write or folder
        os.makedirs(target, exist_ok=True)
        for name, data in copies:
            with open(os.path.join(target, name), "wb") as out:
                out.write(data)
        if options.write:
            return 0

        shared = {"sample": options.sample, "json": os.path.join(folder, "sample.json")}
        subprocess.run([options.cli, "dump", options.sample, "-o", shared["json"]], check=True)
        for patch_format in ("ips", "bps"):
            shared[patch_format] = os.path.join(folder, "sample." + patch_format)
            subprocess.run([options.cli, "patch", options.sample, expanded_path, "-o", shared[patch_format]],
                           check=True, stdout=subprocess.DEVNULL)
        jobs = [(name, arguments) for index, (name, _) in enumerate(copies)
                for arguments in verbs(os.path.join(folder, name), folder, index, shared)]
        with ThreadPoolExecutor(max_workers=options.jobs) as pool:
            results = list(pool.map(lambda job: check(options.cli, *job), jobs))

    faults = [verdict for verdict, _, _ in results if verdict]
    slowest = max(seconds for _, seconds, _ in results)
    largest = max(memory for _, _, memory in results)
    for fault in faults:
        print(fault)
    print(f"{len(copies)} damaged copies, {len(jobs)} runs: {len(faults)} faults; slowest {slowest:.2f} s CPU, "
          f"largest {largest // 1024} MB")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
