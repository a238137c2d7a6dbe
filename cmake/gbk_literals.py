#!/usr/bin/env python3
"""Copies C++ sources with every non-ASCII character of a narrow string literal written as
GBK byte escapes, so that a compiler without a GBK execution character set (clang) builds
the same bytes that ship.

    gbk_literals.py SOURCE_ROOT DEST_ROOT DIR...

Copies the .h and .cpp files of each DIR (relative to SOURCE_ROOT) to the same place under
DEST_ROOT, writing a file only when its text changed. Wide and Unicode literals (L"", u"",
U"", u8"") and comments are copied as they are.
"""
import os
import sys


def escape_literal(body):
    """The body of a narrow literal with its non-ASCII characters as GBK \\x escapes."""
    out = []
    after_hex = False
    for ch in body:
        if ord(ch) < 0x80:
            if after_hex and ch in "0123456789abcdefABCDEF":
                out.append('" "')  # a hex escape would swallow the digit
            out.append(ch)
            after_hex = False
        else:
            out.append("".join("\\x%02X" % b for b in ch.encode("gbk")))
            after_hex = True
    return "".join(out)


def convert(text):
    out = []
    i, n = 0, len(text)
    while i < n:
        c = text[i]
        if text.startswith("//", i):
            j = text.find("\n", i)
            j = n if j < 0 else j
            out.append(text[i:j])
            i = j
        elif text.startswith("/*", i):
            j = text.find("*/", i + 2)
            j = n if j < 0 else j + 2
            out.append(text[i:j])
            i = j
        elif c in "\"'":
            prefix_start = i
            while prefix_start > 0 and (text[prefix_start - 1].isalnum() or text[prefix_start - 1] == "_"):
                prefix_start -= 1
            prefix = text[prefix_start:i]
            j = i + 1
            while j < n and text[j] != c:
                j += 2 if text[j] == "\\" else 1
            body = text[i + 1:j]
            narrow = c == '"' and prefix in ("",)
            out.append(c + (escape_literal(body) if narrow else body) + c)
            i = j + 1
        else:
            out.append(c)
            i += 1
    return "".join(out)


def main(argv):
    src, dest, dirs = argv[1], argv[2], argv[3:]
    for d in dirs:
        for root, _, files in os.walk(os.path.join(src, d)):
            for name in files:
                if not name.endswith((".h", ".cpp")):
                    continue
                path = os.path.join(root, name)
                with open(path, encoding="utf-8") as f:
                    text = convert(f.read())
                target = os.path.join(dest, os.path.relpath(path, src))
                os.makedirs(os.path.dirname(target), exist_ok=True)
                if os.path.exists(target):
                    with open(target, encoding="utf-8") as f:
                        if f.read() == text:
                            continue
                with open(target, "w", encoding="utf-8") as f:
                    f.write(text)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
