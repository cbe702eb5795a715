#!/usr/bin/env python3
"""Makes the portable zip the same, byte for byte, from the same files: entries in the order
given, each dated with the time given (the last commit's), no owners, access or creation times.
   make_zip.py OUT.zip EPOCH_SECONDS FILE..."""
import sys
import time
import zipfile
from pathlib import Path


def main(out, epoch, files):
    stamp = time.gmtime(int(epoch))[:6]
    with zipfile.ZipFile(out, "w", compression=zipfile.ZIP_DEFLATED, compresslevel=9) as archive:
        for name in files:
            entry = zipfile.ZipInfo(Path(name).name, date_time=max(stamp, (1980, 1, 1, 0, 0, 0)))
            entry.compress_type = zipfile.ZIP_DEFLATED
            entry.external_attr = 0o644 << 16
            entry.create_system = 0  # as made on Windows: no Unix owners or modes to read
            archive.writestr(entry, Path(name).read_bytes())
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2], sys.argv[3:]))
