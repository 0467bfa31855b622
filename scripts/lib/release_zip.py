#!/usr/bin/env python3
"""Writes the release archive: the shipped folder and the user's readme under
one top folder.

    release_zip.py FOLDER README VERSION ARCHIVE

The readme's "VERSION" becomes the version; it is written with a byte-order
mark and CRLF line ends, which every Notepad shows right. Entries are sorted
and dated by SOURCE_DATE_EPOCH (else the time of the last commit), so the same
files give the same archive. Names are UTF-8 (the exe's name is Chinese).
"""
import os
import subprocess
import sys
import time
import zipfile


def archive_date():
    epoch = os.environ.get("SOURCE_DATE_EPOCH")
    if not epoch:
        result = subprocess.run(["git", "log", "-1", "--format=%ct"], capture_output=True, text=True,
                                cwd=os.path.dirname(os.path.abspath(__file__)))
        epoch = result.stdout.strip() or str(int(time.time()))
    # Zip dates start in 1980 and are local times without a zone: UTC here.
    return max(time.gmtime(int(epoch))[:6], (1980, 1, 1, 0, 0, 0))


def readme_bytes(path, version):
    with open(path, encoding="utf-8") as f:
        text = f.read().replace("VERSION", version)
    return b"\xef\xbb\xbf" + "\r\n".join(text.split("\n")).encode("utf-8")


def add(archive, name, data, date):
    entry = zipfile.ZipInfo(name, date)
    entry.compress_type = zipfile.ZIP_DEFLATED
    entry.external_attr = 0o644 << 16
    archive.writestr(entry, data)


def main(folder, readme, version, target):
    top = f"Varkel-{version}/"
    date = archive_date()
    files = sorted(os.path.relpath(os.path.join(d, f), folder)
                   for d, _, names in os.walk(folder) for f in names)
    with zipfile.ZipFile(target + ".part", "w") as archive:
        for relative in files:
            with open(os.path.join(folder, relative), "rb") as f:
                add(archive, top + relative.replace(os.sep, "/"), f.read(), date)
        add(archive, top + "README.txt", readme_bytes(readme, version), date)
    os.replace(target + ".part", target)
    return 0


if __name__ == "__main__":
    if len(sys.argv) != 5:
        print(__doc__, file=sys.stderr)
        sys.exit(2)
    sys.exit(main(*sys.argv[1:]))
