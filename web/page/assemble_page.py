#!/usr/bin/env python3
"""Puts the page together into one self-contained file, so that it opens from a disk with
no network: the program module (its WebAssembly inside), the PDF writer, the page's script
and styles, the sheet font (WOFF2 as the styles' data URL; TrueType for the PDF writer) with
its licence, the sRGB profile of the PDF files' output intent, the help pictures (SVG) and
the summary's rich text.
"""
import argparse
import base64
import json
import os
import re


def text_of(path):
    with open(path, encoding="utf-8") as f:
        return f.read()


def base64_of(path):
    with open(path, "rb") as f:
        return base64.b64encode(f.read()).decode("ascii")


def in_script(content):
    # A closing script tag inside a script would end it early.
    return content.replace("</script", "<\\/script")


def main():
    parser = argparse.ArgumentParser()
    for name in ("page", "style", "module", "pdf", "script", "font-woff2", "font-ttf",
                 "font-licence", "icc", "help-pictures", "summary", "out"):
        parser.add_argument("--" + name, required=True)
    a = parser.parse_args()
    style = text_of(a.style).replace(
        "/*FONT_WOFF2*/", "data:font/woff2;base64," + base64_of(a.font_woff2))
    pictures = {os.path.splitext(name)[0]: text_of(os.path.join(a.help_pictures, name))
                for name in sorted(os.listdir(a.help_pictures)) if name.endswith(".svg")}
    data = json.dumps({"fontTtf": base64_of(a.font_ttf), "srgbProfile": base64_of(a.icc),
                       "helpPictures": pictures, "summary": base64_of(a.summary)})
    # Inside a script element no "</" may close it early.
    data = data.replace("</", "<\\/")
    contents = {"STYLE": style,
                "MODULE": in_script(text_of(a.module)),
                "PDF": in_script(text_of(a.pdf)),
                "DATA": data,
                "SCRIPT": in_script(text_of(a.script)),
                "FONT_LICENCE": in_script(text_of(a.font_licence))}
    page = text_of(a.page)
    # One pass, so that nothing put in is searched for markers again.
    text = re.sub(r"/\*([A-Z_]+)\*/", lambda m: contents.pop(m.group(1)), page)
    if contents:
        raise SystemExit("assemble_page.py: no place for %s in %s" % (sorted(contents), a.page))
    with open(a.out, "w", encoding="utf-8") as f:
        f.write(text)


if __name__ == "__main__":
    main()
