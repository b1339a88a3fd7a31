#!/usr/bin/python3
"""Cuts the program's interface face out of an installed sans face.

    make_ui_font.py SOURCE INDEX OUT FAMILY STYLE

Keeps the Latin letters, general punctuation and the full-width forms of SOURCE (face INDEX
of a collection), with their layout features and hints, and names the result FAMILY STYLE.
The English page then draws every text with this small face alone, the same letters as the
full face, without opening the large Chinese faces; Chinese texts fall back to those.
"""
import sys

from fontTools import subset
from fontTools.ttLib import TTFont

RANGES = [
    (0x0020, 0x007E),  # Basic Latin
    (0x00A0, 0x017F),  # Latin-1 Supplement, Latin Extended-A
    (0x2010, 0x2027),  # dashes, quotes, bullets, ellipsis
    (0x2030, 0x203A),  # per mille, primes, angle quotes
    (0x20AC, 0x20AC),  # euro sign
    (0x2122, 0x2122),  # trade mark sign
    (0xFF01, 0xFF5E),  # full-width forms: the labels' "：" among them
]


def main(argv):
    if len(argv) != 6:
        sys.stderr.write(__doc__)
        return 2
    source, index, out, family, style = argv[1], int(argv[2]), argv[3], argv[4], argv[5]
    font = TTFont(source, fontNumber=index)
    options = subset.Options()
    options.name_IDs = ["*"]
    options.name_languages = ["*"]
    options.layout_features = ["*"]
    options.hinting = True
    options.notdef_outline = True
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=[u for first, last in RANGES for u in range(first, last + 1)])
    subsetter.subset(font)

    postscript = (family + "-" + style).replace(" ", "")
    full = family if style == "Regular" else family + " " + style
    for record in font["name"].names:
        if record.nameID in (1, 16):
            record.string = family
        elif record.nameID in (2, 17):
            record.string = style
        elif record.nameID == 4:
            record.string = full
        elif record.nameID in (3, 6):
            record.string = postscript
    font.save(out)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
