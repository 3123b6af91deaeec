#!/usr/bin/env python3
"""Puts the page together into one self-contained file: the program module (its
WebAssembly inside), the page's script and its styles, so that the page opens from a
disk with no network. Usage: assemble_page.py PAGE.html STYLE.css MODULE.js SCRIPT.js OUT.html
"""
import sys


def main():
    page, style, module, script, out = sys.argv[1:6]
    text = open(page, encoding="utf-8").read()
    for marker, path in (("/*STYLE*/", style), ("/*MODULE*/", module), ("/*SCRIPT*/", script)):
        content = open(path, encoding="utf-8").read()
        # A closing script tag inside a script would end it early.
        content = content.replace("</script", "<\\/script")
        text = text.replace(marker, content, 1)
    with open(out, "w", encoding="utf-8") as f:
        f.write(text)


if __name__ == "__main__":
    main()
