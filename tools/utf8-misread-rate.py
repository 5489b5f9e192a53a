#!/usr/bin/env python3
"""How often a list file would be read in the wrong encoding, measured on real text.

A list file without a byte-order mark is either code page 936 or UTF-8. Short Chinese lines
in code page 936 can happen to be well-formed UTF-8 (图片 is CD BC C6 AC, which UTF-8 reads as
two Greek/Latin letters), and UTF-8 text can be well-formed code page 936. This counts, on the
Chinese (and some European) message catalogues that Debian installs, how often each rule
reads a line in the wrong encoding:

  notepad:       UTF-8 when the bytes are well-formed UTF-8 and not plain ASCII
  three-byte:    the same, but only when the UTF-8 reading holds a character beyond U+07FF
                 (three or four bytes, as every Chinese character, full-width sign and emoji)
  shopcode:      three-byte, or else when every character beyond ASCII of the UTF-8 reading is
                 a Latin letter or sign (U+00A0 to U+024F: é, ß, ×, ©, ...)

usage: tools/utf8-misread-rate.py [locale folder, default /usr/share/locale]
Needs the catalogues only; prints a table per corpus.
"""
import gettext
import pathlib
import random
import re
import sys

root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else "/usr/share/locale")
cjk = re.compile(r"[\u4e00-\u9fff]")


RULES = ("notepad", "three-byte", "shopcode")


def catalogue_texts(language):
    texts = []
    for mo in sorted((root / language / "LC_MESSAGES").glob("*.mo")):
        try:
            with open(mo, "rb") as f:
                catalog = gettext.GNUTranslations(f)._catalog
        except Exception:
            continue
        for key, value in catalog.items():
            if key == "" or not isinstance(value, str):
                continue
            texts.append((mo.stem, value))
    return texts


def short_lines(texts, longest, need_cjk=True):
    """Lines of at most `longest` characters, outside any format directive, deduplicated."""
    seen, lines = set(), []
    for _, text in texts:
        for line in text.split("\n"):
            line = re.sub(r"%[-+ #0-9.]*[a-zA-Z]|\{[^}]*\}|<[^>]*>", "", line).strip()
            if not line or len(line) > longest or line in seen:
                continue
            if need_cjk and not cjk.search(line):
                continue
            if not need_cjk and line.isascii():
                continue
            seen.add(line)
            lines.append(line)
    return lines


def gbk(line):
    try:
        return line.encode("cp936")
    except UnicodeEncodeError:
        return None


def valid_utf8(data):
    try:
        return data.decode("utf-8")
    except UnicodeDecodeError:
        return None


def read_as_utf8(data, rule):
    """Whether the rule takes these bytes (no mark) for UTF-8."""
    if data.isascii():
        return False
    text = valid_utf8(data)
    if text is None:
        return False
    if rule == "notepad":
        return True
    if any(ord(c) > 0x7FF for c in text):
        return True
    return rule == "shopcode" and all(0xA0 <= ord(c) <= 0x24F for c in text if ord(c) >= 0x80)


def count_gbk(lines):
    encoded = [b for b in (gbk(line) for line in lines) if b is not None]
    return len(encoded), {rule: sum(read_as_utf8(b, rule) for b in encoded) for rule in RULES}


def count_utf8(lines):
    encoded = [line.encode("utf-8") for line in lines]
    return len(encoded), {rule: sum(not read_as_utf8(b, rule) for b in encoded) for rule in RULES}


def percent(part, whole):
    return f"{part} ({100.0 * part / whole:.2f}%)" if whole else "-"


def report(title, total, misread):
    print(f"  {title:<56} {total:>6}" + "".join(f" {percent(misread[rule], total):>15}" for rule in RULES))


def main():
    chinese = catalogue_texts("zh_CN")
    if not chinese:
        sys.exit(f"no zh_CN catalogues under {root}")
    print(f"  {'misread by the rule':<56} {'lines':>6}" + "".join(f" {rule:>15}" for rule in RULES))
    print("Code page 936 files taken for UTF-8 (lines of real Chinese text, saved as ANSI):")
    places = short_lines([t for t in chinese if t[0].startswith("iso_3166")], 40)
    report("place names (iso_3166 catalogues: provinces, cities)", *count_gbk(places))
    for longest in (2, 4, 8, 16, 40):
        lines = short_lines(chinese, longest)
        report(f"catalogue lines of at most {longest} characters", *count_gbk(lines))
    words = sorted({w for _, text in chinese for w in re.findall(r"[\u4e00-\u9fff]{2,6}", text)})
    report("Chinese words of 2 to 6 characters (as in file names)", *count_gbk(words))
    # A list file of five lines, each an address with its own word (the words drawn at random).
    rng = random.Random(936)
    files = []
    for _ in range(20000):
        picked = rng.sample(words, 5)
        files.append("\r\n".join(f"http://img.example.com/{w}.jpg" for w in picked))
    report("list files of five addresses with random words", *count_gbk(files))

    print("UTF-8 files taken for code page 936 (the same lines saved as UTF-8, and other languages):")
    report("Chinese catalogue lines of at most 40 characters", *count_utf8(short_lines(chinese, 40)))
    for language in ("fr", "de", "es", "pl", "vi", "ru", "el"):
        lines = short_lines(catalogue_texts(language), 40, need_cjk=False)
        report(f"{language} catalogue lines of at most 40 characters, not ASCII", *count_utf8(lines))


main()
