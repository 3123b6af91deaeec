"""Makes the browser edition's sheet font from IPA P Gothic: only the glyphs of the characters
a code page 932 text can hold, without hinting and vertical metrics, under a name of its own
(the font's licence asks that a derived font not carry the original's name).

Usage: make_sheet_font.py SOURCE.ttf CHARACTERS.txt OUT_DIR
Writes OUT_DIR/korvane-sheet-gothic.ttf (embedded into PDF files) and .woff2 (the page).
"""
import sys

from fontTools import subset
from fontTools.ttLib import TTFont

FAMILY = "Korvane Sheet Gothic"
POSTSCRIPT_NAME = "KorvaneSheetGothic"
BASE_NAME = "korvane-sheet-gothic"


def read_characters(path):
    with open(path, encoding="ascii") as lines:
        return [int(line.strip()[2:], 16) for line in lines if line.strip()]


def subset_font(source, characters):
    options = subset.Options()
    options.layout_features = ["ccmp"]  # the only horizontal feature the font has
    options.hinting = False
    options.drop_tables += ["vhea", "vmtx", "gasp"]
    options.name_IDs = [0, 1, 2, 3, 4, 5, 6, 13, 14]  # copyright and licence kept
    options.name_languages = ["*"]
    options.notdef_outline = True
    options.recalc_timestamp = False  # the same bytes on every build
    font = subset.load_font(source, options)
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=characters)
    subsetter.subset(font)
    return font, options


def rename(font):
    version = font["name"].getDebugName(5) or ""
    names = {1: FAMILY, 3: f"{POSTSCRIPT_NAME} {version}", 4: FAMILY, 6: POSTSCRIPT_NAME}
    for record in font["name"].names:
        if record.nameID in names:
            record.string = names[record.nameID]
    # Fonts with a name of their own in the Mac platform records would keep the old one.
    font["name"].names = [r for r in font["name"].names if r.platformID == 3 or r.nameID not in names]


def main():
    source, characters_path, out_dir = sys.argv[1:4]
    font, options = subset_font(source, read_characters(characters_path))
    rename(font)
    # Glyph data on even offsets: the PDF writer's own subsetting copies each glyph's bytes
    # and indexes them with two-byte offsets, which cannot point at an odd offset.
    font["glyf"].padding = 4
    subset.save_font(font, f"{out_dir}/{BASE_NAME}.ttf", options)
    options.flavor = "woff2"
    subset.save_font(font, f"{out_dir}/{BASE_NAME}.woff2", options)


if __name__ == "__main__":
    main()
