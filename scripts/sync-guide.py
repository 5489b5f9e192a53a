#!/usr/bin/env python3
"""Keeps the README's user guide section equal to docs/使用说明.txt (the packaged guide).

usage: sync-guide.py [--check]   (--check fails when the README is out of date)
"""
import pathlib
import re
import sys

root = pathlib.Path(__file__).resolve().parent.parent
guide = (root / "docs" / "使用说明.txt").read_text(encoding="utf-8")
readme_path = root / "README.md"
readme = readme_path.read_text(encoding="utf-8")
section = (
    "<!-- GUIDE -->\n## 使用说明\n\n"
    "![ShopCode 主窗口](docs/screenshots/main-window.png)\n\n"
    "```text\n" + guide.rstrip("\n") + "\n```\n<!-- /GUIDE -->"
)
if "<!-- /GUIDE -->" in readme:
    updated = re.sub(r"<!-- GUIDE -->.*?<!-- /GUIDE -->", lambda _: section, readme, count=1, flags=re.S)
else:
    updated = readme.replace("<!-- GUIDE -->", section, 1)
if "--check" in sys.argv:
    if updated != readme:
        sys.exit("README.md's user guide differs from docs/使用说明.txt: run scripts/sync-guide.py")
else:
    readme_path.write_text(updated, encoding="utf-8")
