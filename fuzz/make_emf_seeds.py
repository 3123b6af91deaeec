#!/usr/bin/env python3
"""Small help pictures for the picture fuzzer, cut from the program's own help pictures.

Each seed is a picture's header record, a run of its drawing records of at most MAX_BYTES,
and an end-of-file record, with the header's byte and record counts made to match: a
well-formed metafile that the checks let through, small enough for many runs a second.
Usage: make_emf_seeds.py OUT_DIR PICTURE.emf...
"""
import struct
import sys
from pathlib import Path

MAX_BYTES = 6000
SEEDS_PER_PICTURE = 12
EMR_EOF = 14
END_RECORD = struct.pack("<5I", EMR_EOF, 20, 0, 16, 20)


def records(emf):
    at = 0
    while at + 8 <= len(emf):
        kind, size = struct.unpack_from("<2I", emf, at)
        if size < 8 or at + size > len(emf):
            return
        yield kind, emf[at:at + size]
        if kind == EMR_EOF:
            return
        at += size


def runs(body):
    """Consecutive drawing records, each run at most MAX_BYTES long."""
    run, length = [], 0
    for record in body:
        if run and length + len(record) > MAX_BYTES:
            yield run
            run, length = [], 0
        if len(record) <= MAX_BYTES:
            run.append(record)
            length += len(record)
    if run:
        yield run


def seeds(emf):
    all_records = list(records(emf))
    header = bytearray(all_records[0][1])
    body = [data for kind, data in all_records[1:] if kind != EMR_EOF]
    chosen = list(runs(body))
    step = max(1, len(chosen) // SEEDS_PER_PICTURE)
    for run in chosen[::step][:SEEDS_PER_PICTURE]:
        seed = bytearray(header) + b"".join(run) + END_RECORD
        struct.pack_into("<I", seed, 48, len(seed))        # bytes in the metafile
        struct.pack_into("<I", seed, 52, len(run) + 2)     # records in the metafile
        yield bytes(seed)


def main():
    out = Path(sys.argv[1])
    out.mkdir(parents=True, exist_ok=True)
    for picture in map(Path, sys.argv[2:]):
        for number, seed in enumerate(seeds(picture.read_bytes())):
            (out / f"{picture.stem}_{number:02d}.emf").write_bytes(seed)


if __name__ == "__main__":
    main()
