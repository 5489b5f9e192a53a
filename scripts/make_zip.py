#!/usr/bin/env python3
"""Writes the release zip reproducibly: fixed entry order, timestamps and attributes.

usage: make_zip.py OUT.zip EXE GUIDE.txt
The guide (UTF-8, LF) goes in as 使用说明.txt in UTF-8 with a byte-order mark and CR LF,
which every Notepad since Windows 7 opens correctly.
"""
import sys
import zipfile

FIXED_TIME = (2026, 1, 1, 0, 0, 0)


def entry(name: str) -> zipfile.ZipInfo:
    info = zipfile.ZipInfo(name, FIXED_TIME)
    info.compress_type = zipfile.ZIP_DEFLATED
    info.create_system = 0  # MS-DOS: no Unix owner or mode bits
    info.external_attr = 0x20  # FILE_ATTRIBUTE_ARCHIVE
    return info


def main() -> None:
    out, exe, guide = sys.argv[1:4]
    with open(exe, "rb") as f:
        exe_bytes = f.read()
    with open(guide, "r", encoding="utf-8") as f:
        text = f.read().replace("\r\n", "\n").replace("\n", "\r\n")
    with zipfile.ZipFile(out, "w") as z:
        z.writestr(entry("ShopCode.exe"), exe_bytes, compresslevel=9)
        z.writestr(entry("使用说明.txt"), "\ufeff".encode("utf-8") + text.encode("utf-8"), compresslevel=9)


if __name__ == "__main__":
    main()
