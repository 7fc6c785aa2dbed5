#!/usr/bin/env python3
"""Rewrites ZIP archives so that two builds of one source give the same bytes: the entries in
name order, each dated to SOURCE_DATE (seconds since 1970) and with no extra fields (which would
carry the build machine's access and change times), their permissions kept.
Usage: normalise_zip.py SOURCE_DATE ZIP..."""
import os, sys, time, zipfile

stamp = time.gmtime(max(int(sys.argv[1]), 315532800))[:6]  # a ZIP holds no date before 1980
for path in sys.argv[2:]:
    with zipfile.ZipFile(path) as old, zipfile.ZipFile(path + '.new', 'w') as new:
        for info in sorted(old.infolist(), key=lambda entry: entry.filename):
            entry = zipfile.ZipInfo(info.filename, stamp)
            entry.create_system, entry.external_attr = 3, info.external_attr  # Unix permissions
            new.writestr(entry, old.read(info), zipfile.ZIP_DEFLATED, 9)
    os.replace(path + '.new', path)
